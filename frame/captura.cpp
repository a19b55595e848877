#include "frame/captura.h"

#include <array>

#include "frame/geracao.h"

namespace quillbook {
namespace {

using Classe = std::array<bool, 256>;

constexpr Classe classe_permitida() {
  Classe classe{};
  for (int c = 0; c < 256; ++c) classe[c] = !(c < 32 || c == '!' || c == '|');
  return classe;
}

constexpr Classe classe_numerica() {
  Classe classe{};
  for (char c : std::string_view("0123456789,")) classe[static_cast<unsigned char>(c)] = true;
  return classe;
}

// Whole objects of their own, not members of one: clang 14 takes no
// subobject as a template argument.
constexpr Classe Permitidos = classe_permitida();
constexpr Classe Numericos = classe_numerica();

template <class Teste>
std::string filtra(std::string_view origem, Teste passa) {
  std::string destino;
  destino.reserve(origem.size());
  for (char c : origem) {
    if (passa(c)) destino += c;
  }
  return destino;
}

void acrescenta_rotulo(std::string& destino, std::string_view rotulo, std::size_t largura) {
  destino += rotulo;
  if (rotulo.size() < largura) destino.append(largura - rotulo.size(), ' ');
}

// Filters and cuts straight onto the end of `destino`: the bytes that pass
// are counted in full, since a cut reports how many there were. The run of
// bytes that pass from the start, all of a usual value, is copied in one
// piece.
template <const std::array<bool, 256>& Passa>
void captura(std::string& destino, std::string_view valor, int64_t maximo, std::string_view rotulo,
             std::size_t largura) {
  if (maximo == 0) return;
  const auto limite = static_cast<std::size_t>(maximo < 0 ? 0 : maximo);
  std::size_t passados = 0;
  while (passados < valor.size() && Passa[static_cast<unsigned char>(valor[passados])]) ++passados;
  destino.append(valor.data(), passados < limite ? passados : limite);
  for (std::size_t i = passados; i < valor.size(); ++i) {
    const char c = valor[i];
    if (!Passa[static_cast<unsigned char>(c)]) continue;
    if (passados < limite) destino += c;
    ++passados;
  }
  destino += '|';
  if (passados > limite) {
    std::string obs;
    acrescenta_rotulo(obs, rotulo, largura);
    obs.append("\tQuantidade de caracteres maior que o permitido - Permitido: ")
        .append(std::to_string(maximo))
        .append("; Passados: ")
        .append(std::to_string(passados));
    Estado().Lista_Observacoes.push_back(std::move(obs));
  }
}

std::string_view sem_brancos_iniciais(std::string_view valor) {
  while (!valor.empty() && static_cast<unsigned char>(valor.front()) <= 32) valor.remove_prefix(1);
  return valor;
}

// The eager form: capture, then the log line at once.
template <const std::array<bool, 256>& Passa>
void captura_com_log(std::string& campo, std::string_view valor, int64_t maximo, std::string_view rotulo) {
  if (maximo == 0) {
    campo.clear();
    return;
  }
  std::string capturado;
  captura<Passa>(capturado, valor, maximo, rotulo, 0);
  Estado().Lista_Log.push_back(Linha_Log(rotulo, 0, campo, capturado));
  campo = std::move(capturado);
}

}  // namespace

bool Caractere_Permitido(char c) { return Permitidos[static_cast<unsigned char>(c)]; }
bool Caractere_Numerico(char c) { return Numericos[static_cast<unsigned char>(c)]; }

std::string Remove_Especiais(std::string_view origem) { return filtra(origem, Caractere_Permitido); }
std::string Somente_Numeros(std::string_view origem) { return filtra(origem, Caractere_Numerico); }

void Captura_Texto(std::string& campo, int32_t maximo, std::string_view rotulo) {
  captura_com_log<Permitidos>(campo, sem_brancos_iniciais(campo), maximo, rotulo);
}

void Captura_Numero(std::string& campo, uint8_t maximo, std::string_view rotulo) {
  captura_com_log<Numericos>(campo, campo, maximo, rotulo);
}

void Captura_Texto(std::string& linha, std::string_view valor, int32_t maximo, std::string_view rotulo,
                   std::size_t largura) {
  captura<Permitidos>(linha, sem_brancos_iniciais(valor), maximo, rotulo, largura);
}

void Captura_Numero(std::string& linha, std::string_view valor, uint8_t maximo, std::string_view rotulo,
                    std::size_t largura) {
  captura<Numericos>(linha, valor, maximo, rotulo, largura);
}

std::string Linha_Log(std::string_view rotulo, std::size_t largura, std::string_view original,
                      std::string_view capturado) {
  std::string log;
  log.reserve(rotulo.size() + largura + original.size() + capturado.size() + 6);
  log += '\t';
  acrescenta_rotulo(log, rotulo, largura);
  log.append("\t").append(original).append(" -> ").append(capturado);
  return log;
}

}  // namespace quillbook
