#include "frame/captura.h"

#include <array>

#include "frame/geracao.h"

namespace quillbook {
namespace {

struct Classes {
  std::array<bool, 256> permitido{};
  std::array<bool, 256> numerico{};
  constexpr Classes() {
    for (int c = 0; c < 256; ++c) permitido[c] = !(c < 32 || c == '!' || c == '|');
    for (char c : std::string_view("0123456789,")) numerico[static_cast<unsigned char>(c)] = true;
  }
};

constexpr Classes Caracteres;

template <class Teste>
std::string filtra(std::string_view origem, Teste passa) {
  std::string destino;
  destino.reserve(origem.size());
  for (char c : origem) {
    if (passa(c)) destino += c;
  }
  return destino;
}

void captura(std::string& campo, int64_t maximo, std::string_view rotulo, std::string filtrado) {
  if (maximo == 0) {
    campo.clear();
    return;
  }
  Geracao& g = Estado();
  const auto limite = static_cast<std::size_t>(maximo < 0 ? 0 : maximo);
  if (filtrado.size() > limite) {
    g.Lista_Observacoes.push_back(std::string(rotulo) +
                                  "\tQuantidade de caracteres maior que o permitido - Permitido: " +
                                  std::to_string(maximo) + "; Passados: " + std::to_string(filtrado.size()));
    filtrado.resize(limite);
  }
  filtrado += '|';
  std::string log;
  log.reserve(rotulo.size() + campo.size() + filtrado.size() + 6);
  log.append("\t").append(rotulo).append("\t").append(campo).append(" -> ").append(filtrado);
  g.Lista_Log.push_back(std::move(log));
  campo = std::move(filtrado);
}

}  // namespace

bool Caractere_Permitido(char c) { return Caracteres.permitido[static_cast<unsigned char>(c)]; }
bool Caractere_Numerico(char c) { return Caracteres.numerico[static_cast<unsigned char>(c)]; }

std::string Remove_Especiais(std::string_view origem) { return filtra(origem, Caractere_Permitido); }
std::string Somente_Numeros(std::string_view origem) { return filtra(origem, Caractere_Numerico); }

void Captura_Texto(std::string& campo, int32_t maximo, std::string_view rotulo) {
  std::string_view valor = campo;
  while (!valor.empty() && static_cast<unsigned char>(valor.front()) <= 32) valor.remove_prefix(1);
  captura(campo, maximo, rotulo, Remove_Especiais(valor));
}

void Captura_Numero(std::string& campo, uint8_t maximo, std::string_view rotulo) {
  captura(campo, maximo, rotulo, Somente_Numeros(campo));
}

}  // namespace quillbook
