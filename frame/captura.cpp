#include "frame/captura.h"

#include <algorithm>
#include <array>
#include <utility>

#include "frame/geracao.h"

namespace quillbook {
namespace {

using Classe = Classe_Caracteres;

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

// The cut of a field, noted as an observation of the record.
void observa_corte(std::string_view rotulo, std::size_t largura, int64_t maximo, std::size_t passados) {
  std::string obs;
  acrescenta_rotulo(obs, rotulo, largura);
  obs.append("\tQuantidade de caracteres maior que o permitido - Permitido: ")
      .append(std::to_string(maximo))
      .append("; Passados: ")
      .append(std::to_string(passados));
  Estado().Lista_Observacoes.push_back(std::move(obs));
}

// The two kinds of value a capture reads: a host's text up to its NUL, and
// a text of known length (which may hold NULs of its own). Neither class
// lets a NUL pass, so in a host's text the run of bytes that pass ends at
// the NUL at the latest.
struct Ate_Nulo {
  static constexpr bool Nulo_Final = true;
  const unsigned char* bytes;
  bool fim(std::size_t i) const { return bytes[i] == 0; }
};

struct Medido {
  static constexpr bool Nulo_Final = false;
  const unsigned char* bytes;
  std::size_t tamanho;
  bool fim(std::size_t i) const { return i >= tamanho; }
};

Ate_Nulo valor_do_host(const char* valor) { return {Bytes_Do_Host(valor)}; }
Medido valor_medido(std::string_view valor) {
  return {reinterpret_cast<const unsigned char*>(valor.data()), valor.size()};
}

std::string_view sem_brancos_iniciais(std::string_view valor) {
  while (!valor.empty() && static_cast<unsigned char>(valor.front()) <= 32) valor.remove_prefix(1);
  return valor;
}

// What follows the run of bytes that pass from the start: from `i`, the
// first byte that did not pass or the first past the maximum, the rest is
// filtered and cut, the bytes that pass counted in full, since a cut
// reports how many there were. Answers the bytes written in all.
template <const Classe& Passa, class Valor>
std::size_t continua(char* destino, Valor valor, std::size_t i, int64_t maximo, std::string_view rotulo,
                     std::size_t largura) {
  const auto limite = static_cast<std::size_t>(maximo < 0 ? 0 : maximo);
  const unsigned char* bytes = valor.bytes;
  std::size_t escritos = i;
  std::size_t passados = i;
  for (; !valor.fim(i); ++i) {
    if (!Passa[bytes[i]]) continue;
    if (passados < limite) destino[escritos++] = static_cast<char>(bytes[i]);
    ++passados;
  }
  if (passados > limite) observa_corte(rotulo, largura, maximo, passados);
  return escritos;
}

// Filters and cuts into `destino`, answering the bytes written. The run of
// bytes that pass from the start, all of a usual value, is copied as it is
// read, with no other test.
template <const Classe& Passa, class Valor>
std::size_t captura(char* destino, Valor valor, int64_t maximo, std::string_view rotulo, std::size_t largura) {
  if (maximo == 0) return 0;
  const auto limite = static_cast<std::size_t>(maximo < 0 ? 0 : maximo);
  const unsigned char* bytes = valor.bytes;
  std::size_t i = 0;
  if constexpr (Valor::Nulo_Final) {
    i = Copia_Passados<Passa>(destino, bytes, limite);
  } else {
    while (i < limite && i < valor.tamanho && Passa[bytes[i]]) destino[i] = static_cast<char>(bytes[i]), ++i;
  }
  const std::size_t escritos = valor.fim(i) ? i : continua<Passa>(destino, valor, i, maximo, rotulo, largura);
  destino[escritos] = '|';
  return escritos + 1;
}

// The same onto the end of a text, made as long as the capture can be.
template <const Classe& Passa>
void captura(std::string& destino, std::string_view valor, int64_t maximo, std::string_view rotulo,
             std::size_t largura) {
  const std::size_t antes = destino.size();
  const auto limite = static_cast<std::size_t>(maximo < 0 ? 0 : maximo);
  destino.resize(antes + std::min(limite, valor.size()) + 1);
  destino.resize(antes + captura<Passa>(destino.data() + antes, valor_medido(valor), maximo, rotulo, largura));
}

// The eager form: capture, then the log line at once.
template <const Classe& Passa>
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

// Eight bytes of the run, each tested before it is copied, so that the
// run stops at the first that does not pass: false when one did not.
template <const Classe& Passa, std::size_t... K>
bool copia_oito(char* destino, const unsigned char* valor, std::size_t& i, std::index_sequence<K...>) {
  return ((static_cast<void>(K), Passa[valor[i]] ? (destino[i] = static_cast<char>(valor[i]), ++i, true) : false) &&
          ...);
}

}  // namespace

// The limit is tested once for eight bytes.
template <const Classe& Passa>
std::size_t Copia_Passados(char* destino, const unsigned char* valor, std::size_t limite) {
  std::size_t i = 0;
  while (limite - i >= 8) {
    if (!copia_oito<Passa>(destino, valor, i, std::make_index_sequence<8>())) return i;
  }
  while (i < limite && Passa[valor[i]]) destino[i] = static_cast<char>(valor[i]), ++i;
  return i;
}

template std::size_t Copia_Passados<Classe_Permitida>(char*, const unsigned char*, std::size_t);
template std::size_t Copia_Passados<Classe_Numerica>(char*, const unsigned char*, std::size_t);

template <const Classe& Passa>
std::size_t Continua_Captura(char* destino, const unsigned char* valor, std::size_t i, int64_t maximo,
                             std::string_view rotulo, std::size_t largura) {
  return continua<Passa>(destino, Ate_Nulo{valor}, i, maximo, rotulo, largura);
}

template std::size_t Continua_Captura<Classe_Permitida>(char*, const unsigned char*, std::size_t, int64_t,
                                                        std::string_view, std::size_t);
template std::size_t Continua_Captura<Classe_Numerica>(char*, const unsigned char*, std::size_t, int64_t,
                                                       std::string_view, std::size_t);

std::string Remove_Especiais(std::string_view origem) { return filtra(origem, Caractere_Permitido); }
std::string Somente_Numeros(std::string_view origem) { return filtra(origem, Caractere_Numerico); }

void Captura_Texto(std::string& campo, int32_t maximo, std::string_view rotulo) {
  captura_com_log<Classe_Permitida>(campo, sem_brancos_iniciais(campo), maximo, rotulo);
}

void Captura_Numero(std::string& campo, uint8_t maximo, std::string_view rotulo) {
  captura_com_log<Classe_Numerica>(campo, campo, maximo, rotulo);
}

void Captura_Texto(std::string& linha, std::string_view valor, int32_t maximo, std::string_view rotulo,
                   std::size_t largura) {
  captura<Classe_Permitida>(linha, sem_brancos_iniciais(valor), maximo, rotulo, largura);
}

void Captura_Numero(std::string& linha, std::string_view valor, uint8_t maximo, std::string_view rotulo,
                    std::size_t largura) {
  captura<Classe_Numerica>(linha, valor, maximo, rotulo, largura);
}

std::size_t Captura_Texto(char* destino, const char* valor, int32_t maximo, std::string_view rotulo,
                          std::size_t largura) {
  return captura<Classe_Permitida>(destino, Ate_Nulo{Sem_Brancos_Iniciais(Bytes_Do_Host(valor))}, maximo, rotulo,
                                   largura);
}

std::size_t Captura_Numero(char* destino, const char* valor, uint8_t maximo, std::string_view rotulo,
                           std::size_t largura) {
  return captura<Classe_Numerica>(destino, valor_do_host(valor), maximo, rotulo, largura);
}

std::size_t Captura_Numero(char* destino, std::string_view valor, uint8_t maximo, std::string_view rotulo,
                           std::size_t largura) {
  return captura<Classe_Numerica>(destino, valor_medido(valor), maximo, rotulo, largura);
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
