#include "records/registro.h"

#include <algorithm>
#include <functional>

#include "frame/captura.h"
#include "frame/datas.h"
#include "frame/saida.h"
#include "frame/texto.h"

namespace quillbook {

namespace {

// The least a line buffer starts with: a usual line and a few fields' room.
constexpr std::size_t Linha_Inicial = 1024;

// The room a capture takes at most: the maximum and its "|". A maximum
// beyond any field's is met by the value's own length instead.
std::size_t espaco_captura(int64_t maximo, const char* valor) {
  const std::size_t espaco = maximo < 0 ? 1 : static_cast<std::size_t>(maximo) + 1;
  return espaco <= Registro::Maior_Espaco_Fixo ? espaco : Texto(valor).size() + 1;
}

}  // namespace

Registro::Registro(Codigo_Registro codigo, std::size_t largura, std::string_view cabecalho)
    : g_(Estado()), codigo_(codigo), cabecalho_(cabecalho), largura_(largura) {
  nova_linha();
}

void Registro::cresce(std::size_t bytes) {
  g_.Linha.resize(std::max({tamanho_ + bytes + 1, 2 * g_.Linha.size(), Linha_Inicial}));
}

void Registro::nova_linha() {
  tamanho_ = 0;
  char* linha = espaco(codigo_.codigo.size() + 2);
  linha[0] = '|';
  codigo_.codigo.copy(linha + 1, codigo_.codigo.size());
  linha[codigo_.codigo.size() + 1] = '|';
  tamanho_ = codigo_.codigo.size() + 2;
  total_campos_ = 0;
  g_.Valores_Proprios.clear();
}

Campo_Registro& Registro::novo_campo(std::size_t inicio, std::string_view rotulo) {
  if (total_campos_ == g_.Campos.size()) g_.Campos.emplace_back();
  Campo_Registro& campo = g_.Campos[total_campos_++];
  campo.inicio = inicio;
  campo.fim = tamanho_;
  campo.rotulo = rotulo;
  campo.largura = static_cast<uint32_t>(largura_);
  return campo;
}

// The full road: any value, any maximum. A maximum of 0 writes nothing,
// not even the "|": such a field is in neither the line nor the log.
Capturado Registro::campo_do_host(std::size_t inicio, std::string_view rotulo, const char* valor) {
  if (tamanho_ != inicio) {
    Campo_Registro& campo = novo_campo(inicio, rotulo);
    campo.original = valor;
    campo.origem = Campo_Registro::Origem::Host;
  }
  return capturado(inicio);
}

Capturado Registro::texto_completo(const char* valor, int32_t maximo, std::string_view rotulo) {
  const std::size_t inicio = tamanho_;
  tamanho_ += Captura_Texto(espaco(espaco_captura(maximo, valor)), valor, maximo, rotulo, largura_);
  return campo_do_host(inicio, rotulo, valor);
}

Capturado Registro::numero_completo(const char* valor, uint8_t maximo, std::string_view rotulo) {
  const std::size_t inicio = tamanho_;
  tamanho_ += Captura_Numero(espaco(espaco_captura(maximo, valor)), valor, maximo, rotulo, largura_);
  return campo_do_host(inicio, rotulo, valor);
}

// The value is the record's own and may not outlive this call. One that
// passed whole (a count, a date's digits) is read back from the field;
// any other is copied where the generation keeps such values.
Capturado Registro::numero(std::string_view feito_pelo_registro, uint8_t maximo, std::string_view rotulo) {
  const std::size_t inicio = tamanho_;
  char* destino = espaco(std::min<std::size_t>(maximo, feito_pelo_registro.size()) + 1);
  if (total_campos_ < g_.Campos.size()) {
    const std::size_t escritos = Captura_Inteira(destino, feito_pelo_registro, Classe_Numerica, maximo);
    if (escritos != 0) {
      anota(inicio, escritos, rotulo, nullptr, Campo_Registro::Origem::Capturado);
      return capturado(inicio);
    }
  }
  tamanho_ += Captura_Numero(destino, feito_pelo_registro, maximo, rotulo, largura_);
  if (tamanho_ == inicio) return capturado(inicio);
  Campo_Registro& campo = novo_campo(inicio, rotulo);
  if (tamanho_ - inicio == feito_pelo_registro.size() + 1) {
    campo.origem = Campo_Registro::Origem::Capturado;
  } else {
    campo.origem = Campo_Registro::Origem::Proprio;
    campo.inicio_proprio = g_.Valores_Proprios.size();
    campo.tamanho_proprio = feito_pelo_registro.size();
    g_.Valores_Proprios.append(feito_pelo_registro);
  }
  return capturado(inicio);
}

// A text left as it is (blanks) stays the host's; a rewritten one is the
// record's own.
// The digits are written where the field goes: eight digits, or none,
// pass the numeric capture of 8 whole, so they and the "|" are the field.
Capturado Registro::data(const char* valor, std::string_view rotulo) {
  const std::size_t inicio = tamanho_;
  char* const destino = espaco(9);
  const std::string_view texto = Texto(valor);
  const std::string_view formatada = Formata_Data(texto, destino);
  if (formatada.data() == texto.data()) return numero(valor, 8, rotulo);
  destino[formatada.size()] = '|';
  if (total_campos_ == g_.Campos.size()) g_.Campos.emplace_back();
  anota(inicio, formatada.size() + 1, rotulo, nullptr, Campo_Registro::Origem::Capturado);
  return capturado(inicio);
}

void Registro::coluna(std::string_view valor) {
  char* destino = espaco(valor.size() + 1);
  valor.copy(destino, valor.size());
  destino[valor.size()] = '|';
  tamanho_ += valor.size() + 1;
}

template <class Teste>
bool Registro::terminado(std::string_view campo, Teste&& teste) {
  char* const linha = g_.Linha.data();
  const std::less_equal<const char*> ate;
  if (!campo.empty() && ate(linha, campo.data()) && ate(campo.data() + campo.size(), linha + tamanho_)) {
    char* const depois = linha + (campo.data() - linha) + campo.size();
    struct Devolve {
      char* byte;
      char guardado;
      ~Devolve() { *byte = guardado; }
    } devolve{depois, *depois};
    *depois = '\0';
    return teste(campo.data());
  }
  g_.Valor_Testado.assign(campo);
  return teste(g_.Valor_Testado.c_str());
}

void Registro::erro(std::string linha) { g_.Lista_Erros.push_back(std::move(linha)); }

void Registro::falha(std::string_view mensagem, std::string_view campo) {
  std::string linha;
  linha.reserve(mensagem.size() + campo.size());
  linha.append(mensagem).append(campo);
  erro(std::move(linha));
}

void Registro::unico() {
  if (Tabela_Registros()[static_cast<std::size_t>(codigo_.linha)].Qtd_OK <= 0) return;
  const std::string codigo(codigo_.codigo);
  erro("-1   Só deve haver 1(um) Registro" + codigo + " no arquivo do SPED : Função Registro" + codigo +
       " chamada mais de 1(uma) vez");
}

void Registro::valida(Validador validador, std::string_view campo, std::string_view mensagem) {
  falha_se(terminado(campo, [&](const char* c) { return validador(c) == 0; }), mensagem, campo);
}

void Registro::valida_data(std::string_view campo, std::string_view mensagem) {
  falha_se(!Valida_Data(campo), mensagem, campo);
}

namespace {
bool tem_digitos(std::string_view campo) { return std::any_of(campo.begin(), campo.end(), Caractere_Numerico); }
}  // namespace

void Registro::cnpj(std::string_view campo, std::string_view mensagem) {
  falha_se(terminado(campo, [](const char* c) { return vCNPJ(c) == 0; }) && tem_digitos(campo), mensagem, campo);
}

void Registro::cpf(std::string_view campo, std::string_view mensagem) {
  falha_se(terminado(campo, [](const char* c) { return vCPF(c) == 0; }) && tem_digitos(campo), mensagem, campo);
}

void Registro::cnpj_ou_cpf(std::string_view campo, std::string_view mensagem) {
  falha_se(terminado(campo, [](const char* c) { return vCNPJ(c) == 0 && vCPF(c) == 0; }) && tem_digitos(campo),
           mensagem, campo);
}

void Registro::cnpj_simples(std::string_view campo, std::string_view mensagem) {
  falha_se(terminado(campo, [](const char* c) { return vCNPJ(c) == 0; }), mensagem, campo);
}

void Registro::cpf_simples(std::string_view campo, std::string_view mensagem) {
  falha_se(terminado(campo, [](const char* c) { return vCPF(c) == 0; }), mensagem, campo);
}

void Registro::cnpj_obrigatorio(std::string_view campo, std::string_view mensagem) {
  falha_se(terminado(campo, [](const char* c) { return vCNPJ(c) == 0; }) || !tem_digitos(campo), mensagem, campo);
}

void Registro::obrigatorio(std::string_view campo, std::string_view linha) {
  if (Apara(Sem_Ultimo(campo)).empty()) erro(std::string(linha));
}

void Registro::lista_log() {
  if (g_.Lista_Erros.empty() && g_.Lista_Observacoes.empty()) return;
  if (!cabecalho_.empty()) g_.Lista_Log.emplace_back(cabecalho_);
  const std::string_view linha = this->linha();
  for (std::size_t i = 0; i < total_campos_; ++i) {
    const Campo_Registro& campo = g_.Campos[i];
    const std::string_view capturado = linha.substr(campo.inicio, campo.fim - campo.inicio);
    std::string_view original;
    switch (campo.origem) {
      case Campo_Registro::Origem::Host:
        original = Texto(campo.original);
        break;
      case Campo_Registro::Origem::Capturado:
        original = Sem_Ultimo(capturado);
        break;
      case Campo_Registro::Origem::Proprio:
        original = std::string_view(g_.Valores_Proprios).substr(campo.inicio_proprio, campo.tamanho_proprio);
        break;
    }
    g_.Lista_Log.push_back(Linha_Log(campo.rotulo, campo.largura, original, capturado));
  }
}

// The line ends in CR LF where it was built, and is written as it is.
bool Registro::escreve() {
  char* fim = espaco(2);
  fim[0] = '\r';
  fim[1] = '\n';
  const bool gravada = Trata_Linha_Terminada(std::string_view(g_.Linha.data(), tamanho_ + 2));
  cabecalho_ = {};
  return gravada;
}

// A line that did not reach "sped.txt" is not in the file, so it counts as
// a rejected call: the closers and block 9 count only the lines that are.
int32_t Registro::conclui() {
  lista_log();
  Info_Registro& contagem = Tabela_Registros()[static_cast<std::size_t>(codigo_.linha)];
  if (!g_.Lista_Observacoes.empty()) ++contagem.Qtd_Obs;
  if (!g_.Lista_Erros.empty()) {
    Grava_Erros(g_.Lista_Erros);
    ++contagem.Qtd_Erros;
    return -1;
  }
  if (!escreve()) {
    ++contagem.Qtd_Erros;
    return -1;
  }
  ++contagem.Qtd_OK;
  return 0;
}

std::string Linhas_Com_Encerramento(char bloco) { return std::to_string(1 + Linhas_Do_Bloco(bloco)); }

}  // namespace quillbook
