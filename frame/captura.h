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
std::size_t Captura_Texto(char* destino, const char* valor, int32_t maximo, std::string_view rotulo,
                          std::size_t largura);
std::size_t Captura_Numero(char* destino, const char* valor, uint8_t maximo, std::string_view rotulo,
                           std::size_t largura);

// The pieces of the capture of a host's text that the record road puts
// together where each field is captured, with its maximum and caption
// known there.

// Leading blanks and control characters, which a text field drops.
inline const unsigned char* Sem_Brancos_Iniciais(const unsigned char* valor) {
  while (*valor != 0 && *valor <= 32) ++valor;
  return valor;
}

inline const unsigned char* Bytes_Do_Host(const char* valor) {
  return reinterpret_cast<const unsigned char*>(valor != nullptr ? valor : "");
}

// The run of bytes that pass, from the start, copied to `destino`, at most
// `limite` of them; answers how many. It ends at the text's NUL at the
// latest, since no class lets a NUL pass.
template <const Classe_Caracteres& Passa>
std::size_t Copia_Passados(char* destino, const unsigned char* valor, std::size_t limite);
extern template std::size_t Copia_Passados<Classe_Permitida>(char*, const unsigned char*, std::size_t);
extern template std::size_t Copia_Passados<Classe_Numerica>(char*, const unsigned char*, std::size_t);

// The rest of the capture after such a run, which ended at byte `i` before
// the NUL: the capture as Captura_Texto and Captura_Numero make it, but for
// its "|". Answers the bytes written in all.
template <const Classe_Caracteres& Passa>
std::size_t Continua_Captura(char* destino, const unsigned char* valor, std::size_t i, int64_t maximo,
                             std::string_view rotulo, std::size_t largura);
extern template std::size_t Continua_Captura<Classe_Permitida>(char*, const unsigned char*, std::size_t, int64_t,
                                                               std::string_view, std::size_t);
extern template std::size_t Continua_Captura<Classe_Numerica>(char*, const unsigned char*, std::size_t, int64_t,
                                                              std::string_view, std::size_t);

// The longest maximum whose run is copied where the field is captured
// rather than by Copia_Passados: indicators and short codes.
inline constexpr std::size_t Curto = 8;

// The capture of a host's text (for a text field, past its leading blanks)
// with a maximum above 0, where there is room for the maximum and the "|".
// A usual value passes whole: it is copied as it is read and closed here.
template <const Classe_Caracteres& Passa>
inline std::size_t Captura_Direta(char* destino, const unsigned char* valor, int64_t maximo, std::string_view rotulo,
                                  std::size_t largura) {
  const auto limite = static_cast<std::size_t>(maximo);
  std::size_t i = 0;
  if (limite <= Curto) {
    while (i < limite && Passa[valor[i]]) destino[i] = static_cast<char>(valor[i]), ++i;
  } else {
    i = Copia_Passados<Passa>(destino, valor, limite);
  }
  if (valor[i] != 0) i = Continua_Captura<Passa>(destino, valor, i, maximo, rotulo, largura);
  destino[i] = '|';
  return i + 1;
}

// A value that the record made itself, when it passes whole within the
// maximum, as counts and dates do: its capture is itself and its "|", at
// `destino`, where there is room for them. 0 when it does not pass whole.
inline std::size_t Captura_Inteira(char* destino, std::string_view valor, const Classe_Caracteres& passa,
                                   int64_t maximo) {
  if (maximo <= 0 || valor.size() > static_cast<uint64_t>(maximo)) return 0;
  for (std::size_t i = 0; i < valor.size(); ++i) {
    if (!passa[static_cast<unsigned char>(valor[i])]) return 0;
    destino[i] = valor[i];
  }
  destino[valor.size()] = '|';
  return valor.size() + 1;
}

// The log line of a captured field: a tab, the caption padded to
// `largura`, a tab, the value as passed, " -> " and the captured field.
std::string Linha_Log(std::string_view rotulo, std::size_t largura, std::string_view original,
                      std::string_view capturado);

}  // namespace quillbook
