#include "validation/leituras.h"

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

std::optional<int32_t> Valor_Numerico(std::string_view valor) { return Converte_Inteiro(Numeros(valor).texto()); }

}  // namespace quillbook
