// Capture of the fields of a record: filtered, cut to the field's maximum
// (the cut noted as an observation), closed with "|" and logged.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace quillbook {

// The two character classes, as tables by character code. Whole objects
// of their own, not members of one: clang 14 takes no subobject as a
// template argument.
using Classe_Caracteres = std::array<bool, 256>;

// Control characters (codes 0 to 31), "!" and "|" never reach a text field.
inline constexpr Classe_Caracteres Classe_Permitida = [] {
  Classe_Caracteres classe{};
  for (int c = 0; c < 256; ++c) classe[c] = !(c < 32 || c == '!' || c == '|');
  return classe;
}();

// Digits and "," are all that a numeric field keeps.
inline constexpr Classe_Caracteres Classe_Numerica = [] {
  Classe_Caracteres classe{};
  for (char c : std::string_view("0123456789,")) classe[static_cast<unsigned char>(c)] = true;
  return classe;
}();

inline bool Caractere_Permitido(char c) { return Classe_Permitida[static_cast<unsigned char>(c)]; }
inline bool Caractere_Numerico(char c) { return Classe_Numerica[static_cast<unsigned char>(c)]; }

std::string Remove_Especiais(std::string_view origem);
std::string Somente_Numeros(std::string_view origem);

// Both rewrite `campo` into its captured form and add its log line (and
// its observation when cut) to the generation's lists. `rotulo` is the
// field's caption, already padded.
void Captura_Texto(std::string& campo, int32_t maximo, std::string_view rotulo);
void Captura_Numero(std::string& campo, uint8_t maximo, std::string_view rotulo);

// The same captures without the log line, for the record road, which
// builds it with Linha_Log only when the record goes to "erro.txt". The
// captured form of `valor` is appended to `linha`, the record line being
// built; `rotulo` is padded with blanks to `largura` where the observation
// of a cut shows it.
void Captura_Texto(std::string& linha, std::string_view valor, int32_t maximo, std::string_view rotulo,
                   std::size_t largura);
void Captura_Numero(std::string& linha, std::string_view valor, uint8_t maximo, std::string_view rotulo,
                    std::size_t largura);

// The same again, written at `destino` instead, where the caller has made
// room for the captured form: the smaller of the maximum and the value's
// length, and the "|". Each answers the bytes written. A host's text is
// read up to its NUL (NULL is the empty text), so its length is never
// taken apart.
std::size_t Captura_Numero(char* destino, std::string_view valor, uint8_t maximo, std::string_view rotulo,
                           std::size_t largura);
// The captures of a host's text, whatever it holds.
std::size_t Captura_Texto_Completa(char* destino, const char* valor, int32_t maximo, std::string_view rotulo,
                                   std::size_t largura);
std::size_t Captura_Numero_Completa(char* destino, const char* valor, uint8_t maximo, std::string_view rotulo,
                                    std::size_t largura);

// A host's text that passes its filter whole and within the maximum, as
// most do, is its own capture: copied as it is read, and closed with "|"
// here. Any other is left to the complete capture, from its start.
template <const Classe_Caracteres& Passa>
inline std::size_t Captura_Inteira(char* destino, const unsigned char* valor, int64_t maximo) {
  if (maximo <= 0) return 0;
  const auto limite = static_cast<std::size_t>(maximo);
  std::size_t i = 0;
  while (i < limite && Passa[valor[i]]) destino[i] = static_cast<char>(valor[i]), ++i;
  if (valor[i] != 0) return 0;  // no class lets a NUL pass: the run ended before the text did
  destino[i] = '|';
  return i + 1;
}

// The same for a text of known length.
template <const Classe_Caracteres& Passa>
inline std::size_t Captura_Inteira(char* destino, std::string_view valor, int64_t maximo) {
  if (maximo <= 0 || valor.size() > static_cast<uint64_t>(maximo)) return 0;
  for (std::size_t i = 0; i < valor.size(); ++i) {
    if (!Passa[static_cast<unsigned char>(valor[i])]) return 0;
    destino[i] = valor[i];
  }
  destino[valor.size()] = '|';
  return valor.size() + 1;
}

// Leading blanks and control characters, which a text field drops.
inline const unsigned char* Sem_Brancos_Iniciais(const unsigned char* valor) {
  while (*valor != 0 && *valor <= 32) ++valor;
  return valor;
}

inline const unsigned char* Bytes_Do_Host(const char* valor) {
  return reinterpret_cast<const unsigned char*>(valor != nullptr ? valor : "");
}

inline std::size_t Captura_Texto(char* destino, const char* valor, int32_t maximo, std::string_view rotulo,
                                 std::size_t largura) {
  const std::size_t escritos =
      Captura_Inteira<Classe_Permitida>(destino, Sem_Brancos_Iniciais(Bytes_Do_Host(valor)), maximo);
  return escritos != 0 ? escritos : Captura_Texto_Completa(destino, valor, maximo, rotulo, largura);
}

inline std::size_t Captura_Numero(char* destino, const char* valor, uint8_t maximo, std::string_view rotulo,
                                  std::size_t largura) {
  const std::size_t escritos = Captura_Inteira<Classe_Numerica>(destino, Bytes_Do_Host(valor), maximo);
  return escritos != 0 ? escritos : Captura_Numero_Completa(destino, valor, maximo, rotulo, largura);
}

// The log line of a captured field: a tab, the caption padded to
// `largura`, a tab, the value as passed, " -> " and the captured field.
std::string Linha_Log(std::string_view rotulo, std::size_t largura, std::string_view original,
                      std::string_view capturado);

}  // namespace quillbook
