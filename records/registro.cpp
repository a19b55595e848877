#include "records/registro.h"

#include <algorithm>

#include "frame/captura.h"
#include "frame/datas.h"
#include "frame/saida.h"
#include "frame/texto.h"

namespace quillbook {

Registro::Registro(Codigo_Registro codigo, std::size_t largura, std::string_view cabecalho)
    : g_(Estado()), codigo_(codigo), cabecalho_(cabecalho), largura_(largura) {
  nova_linha();
}

void Registro::nova_linha() {
  g_.Linha.assign(1, '|').append(codigo_.codigo).append(1, '|');
  total_campos_ = 0;
}

Campo_Registro& Registro::novo_campo(std::string_view rotulo, bool logado, std::string_view original) {
  if (total_campos_ == g_.Campos.size()) g_.Campos.emplace_back();
  Campo_Registro& campo = g_.Campos[total_campos_++];
  campo.inicio = g_.Linha.size();
  campo.original = original;
  campo.original_proprio = false;
  campo.rotulo = rotulo;
  campo.largura = largura_;
  campo.logado = logado;
  return campo;
}

Capturado Registro::fecha_campo(Campo_Registro& campo) {
  campo.tamanho = g_.Linha.size() - campo.inicio;
  return {g_.Linha, campo.inicio, campo.tamanho};
}

Capturado Registro::texto(const char* valor, int32_t maximo, std::string_view rotulo) {
  Campo_Registro& campo = novo_campo(rotulo, maximo != 0, Texto(valor));
  Captura_Texto(g_.Linha, campo.original, maximo, rotulo, largura_);
  return fecha_campo(campo);
}

Capturado Registro::numero(const char* valor, uint8_t maximo, std::string_view rotulo) {
  Campo_Registro& campo = novo_campo(rotulo, maximo != 0, Texto(valor));
  Captura_Numero(g_.Linha, campo.original, maximo, rotulo, largura_);
  return fecha_campo(campo);
}

// The value is the record's own and may not outlive this call: the field
// keeps a copy in the memory it keeps from call to call.
Capturado Registro::numero(std::string_view feito_pelo_registro, uint8_t maximo, std::string_view rotulo) {
  Campo_Registro& campo = novo_campo(rotulo, maximo != 0, {});
  campo.proprio.assign(feito_pelo_registro);
  campo.original_proprio = true;
  Captura_Numero(g_.Linha, campo.proprio, maximo, rotulo, largura_);
  return fecha_campo(campo);
}

// A text left as it is (blanks) stays the host's; a rewritten one is the
// record's own.
Capturado Registro::data(const char* valor, std::string_view rotulo) {
  char digitos[8];
  const std::string_view texto = Texto(valor);
  const std::string_view formatada = Formata_Data(texto, digitos);
  if (formatada.data() == texto.data()) return numero(valor, 8, rotulo);
  return numero(formatada, 8, rotulo);
}

void Registro::coluna(std::string_view valor) {
  Campo_Registro& campo = novo_campo({}, false, {});
  g_.Linha.append(valor).append(1, '|');
  fecha_campo(campo);
}

const char* Registro::terminado(std::string_view campo) {
  g_.Valor_Testado.assign(campo);
  return g_.Valor_Testado.c_str();
}

void Registro::erro(std::string linha) { g_.Lista_Erros.push_back(std::move(linha)); }

void Registro::falha_se(bool falhou, std::string_view mensagem, std::string_view campo) {
  if (!falhou) return;
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
  falha_se(validador(terminado(campo)) == 0, mensagem, campo);
}

void Registro::valida_data(std::string_view campo, std::string_view mensagem) {
  falha_se(!Valida_Data(campo), mensagem, campo);
}

namespace {
bool tem_digitos(std::string_view campo) { return std::any_of(campo.begin(), campo.end(), Caractere_Numerico); }
}  // namespace

void Registro::cnpj(std::string_view campo, std::string_view mensagem) {
  falha_se(vCNPJ(terminado(campo)) == 0 && tem_digitos(campo), mensagem, campo);
}

void Registro::cpf(std::string_view campo, std::string_view mensagem) {
  falha_se(vCPF(terminado(campo)) == 0 && tem_digitos(campo), mensagem, campo);
}

void Registro::cnpj_ou_cpf(std::string_view campo, std::string_view mensagem) {
  falha_se(vCNPJ(terminado(campo)) == 0 && vCPF(terminado(campo)) == 0 && tem_digitos(campo), mensagem, campo);
}

void Registro::cnpj_simples(std::string_view campo, std::string_view mensagem) {
  falha_se(vCNPJ(terminado(campo)) == 0, mensagem, campo);
}

void Registro::cpf_simples(std::string_view campo, std::string_view mensagem) {
  falha_se(vCPF(terminado(campo)) == 0, mensagem, campo);
}

void Registro::cnpj_obrigatorio(std::string_view campo, std::string_view mensagem) {
  falha_se(vCNPJ(terminado(campo)) == 0 || !tem_digitos(campo), mensagem, campo);
}

void Registro::obrigatorio(std::string_view campo, std::string_view linha) {
  if (Apara(Sem_Ultimo(campo)).empty()) erro(std::string(linha));
}

void Registro::lista_log() {
  if (g_.Lista_Erros.empty() && g_.Lista_Observacoes.empty()) return;
  if (!cabecalho_.empty()) g_.Lista_Log.emplace_back(cabecalho_);
  const std::string_view linha = g_.Linha;
  for (std::size_t i = 0; i < total_campos_; ++i) {
    const Campo_Registro& campo = g_.Campos[i];
    if (!campo.logado) continue;
    const std::string_view original = campo.original_proprio ? std::string_view(campo.proprio) : campo.original;
    g_.Lista_Log.push_back(Linha_Log(campo.rotulo, campo.largura, original, linha.substr(campo.inicio, campo.tamanho)));
  }
}

// The line ends in CR LF where it was built, and is written as it is.
bool Registro::escreve() {
  g_.Linha += "\r\n";
  const bool gravada = Trata_Linha_Terminada(g_.Linha);
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
