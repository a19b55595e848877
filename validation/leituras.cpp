#include "validation/leituras.h"

#include <cstdint>

#include "frame/captura.h"
#include "frame/texto.h"

namespace quillbook {

Filtrado Numeros(std::string_view valor, std::size_t maximo) { return Filtrado(valor, Caractere_Numerico, maximo); }

std::string_view Sem_Barra_Final(std::string_view valor) {
  return !valor.empty() && valor.back() == '|' ? Sem_Ultimo(valor) : valor;
}

std::optional<unsigned char> Primeiro_Caractere(std::string_view valor) {
  if (Apara(valor).empty()) return std::nullopt;
  return static_cast<unsigned char>(valor.front());
}

std::optional<unsigned char> Primeiro_Digito(std::string_view valor) {
  for (char c : valor) {
    if (Caractere_Numerico(c)) return static_cast<unsigned char>(c);
  }
  return std::nullopt;
}

// A value of blanks and control characters only, or an empty one, never
// converts: the integer readings need no test of their own for it.
std::optional<int32_t> Valor_Sem_Ultimo(std::string_view valor) { return Converte_Inteiro(Sem_Ultimo(valor)); }

std::optional<int32_t> Valor_Sem_Barra(std::string_view valor) { return Converte_Inteiro(Sem_Barra_Final(valor)); }

// The digits and commas leave no blank, sign or base to the integer
// conversion, so it comes to this, in one pass: a comma, no digit, or a
// value beyond the signed 32-bit range does not convert.
std::optional<int32_t> Valor_Numerico(std::string_view valor) {
  int64_t numero = 0;
  bool digitos = false;
  for (char c : valor) {
    if (c == ',') return std::nullopt;
    const unsigned digito = static_cast<unsigned char>(c) - unsigned{'0'};
    if (digito > 9) continue;
    digitos = true;
    numero = numero * 10 + digito;
    if (numero > INT32_MAX) return std::nullopt;
  }
  if (!digitos) return std::nullopt;
  return static_cast<int32_t>(numero);
}

}  // namespace quillbook
