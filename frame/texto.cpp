#include "frame/texto.h"

namespace quillbook {
namespace {

constexpr bool eh_branco_ou_controle(char c) { return static_cast<unsigned char>(c) <= 32; }

int valor_hexa(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::string_view Apara(std::string_view texto) {
  std::size_t inicio = 0;
  std::size_t fim = texto.size();
  while (inicio < fim && eh_branco_ou_controle(texto[inicio])) ++inicio;
  while (fim > inicio && eh_branco_ou_controle(texto[fim - 1])) --fim;
  return texto.substr(inicio, fim - inicio);
}

std::string Maiusculas(std::string_view texto) {
  std::string resultado(texto);
  for (char& c : resultado) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return resultado;
}

std::optional<int32_t> Converte_Inteiro(std::string_view texto) {
  constexpr int64_t limite = int64_t{1} << 31;  // magnitude of INT32_MIN
  std::size_t i = 0;
  while (i < texto.size() && texto[i] == ' ') ++i;
  texto.remove_prefix(i);
  if (texto.empty()) return std::nullopt;

  int base = 10;
  bool negativo = false;
  if (texto[0] == '$' || texto[0] == 'x' || texto[0] == 'X') {
    base = 16;
    texto.remove_prefix(1);
  } else if (texto.size() >= 2 && texto[0] == '0' && (texto[1] == 'x' || texto[1] == 'X')) {
    base = 16;
    texto.remove_prefix(2);
  } else if (texto[0] == '+' || texto[0] == '-') {
    negativo = texto[0] == '-';
    texto.remove_prefix(1);
  }
  if (texto.empty()) return std::nullopt;

  // The range is judged on the value, so leading zeros never overflow.
  int64_t valor = 0;
  for (char c : texto) {
    int digito = base == 16 ? valor_hexa(c) : (c >= '0' && c <= '9' ? c - '0' : -1);
    if (digito < 0) return std::nullopt;
    valor = valor * base + digito;
    if (valor > limite) return std::nullopt;
  }
  if (negativo) valor = -valor;
  if (valor > INT32_MAX || valor < INT32_MIN) return std::nullopt;
  return static_cast<int32_t>(valor);
}

}  // namespace quillbook
