#include "records/registro.h"

#include "frame/captura.h"
#include "frame/datas.h"
#include "frame/saida.h"
#include "frame/tabela_registros.h"
#include "frame/texto.h"

namespace quillbook {

Registro::Campo& Registro::novo_campo(std::string_view rotulo) {
  Campo& campo = total_campos_ < campos_.size() ? campos_[total_campos_] : mais_campos_.emplace_back();
  ++total_campos_;
  campo.rotulo = rotulo;
  campo.largura = largura_;
  campo.logado = true;
  return campo;
}

template <class Funcao>
void Registro::para_cada_campo(Funcao&& funcao) const {
  for (std::size_t i = 0; i < total_campos_ && i < campos_.size(); ++i) funcao(campos_[i]);
  for (const Campo& campo : mais_campos_) funcao(campo);
}

const std::string& Registro::texto(const char* valor, int32_t maximo, std::string_view legenda) {
  Campo& campo = novo_campo(legenda);
  campo.original = Texto(valor);
  campo.logado = maximo != 0;
  Captura_Texto(campo.valor, campo.original, maximo, legenda, largura_);
  return campo.valor;
}

const std::string& Registro::numero(std::string valor, uint8_t maximo, std::string_view legenda) {
  Campo& campo = novo_campo(legenda);
  campo.proprio = std::move(valor);
  campo.original = campo.proprio;
  campo.logado = maximo != 0;
  Captura_Numero(campo.valor, campo.original, maximo, legenda, largura_);
  return campo.valor;
}

const std::string& Registro::numero(const char* valor, uint8_t maximo, std::string_view legenda) {
  Campo& campo = novo_campo(legenda);
  campo.original = Texto(valor);
  campo.logado = maximo != 0;
  Captura_Numero(campo.valor, campo.original, maximo, legenda, largura_);
  return campo.valor;
}

const std::string& Registro::data(const char* valor, std::string_view legenda) {
  std::string data(Texto(valor));
  Formata_Data(data);
  return numero(std::move(data), 8, legenda);
}

void Registro::coluna_vazia() {
  Campo& campo = novo_campo({});
  // Not `= "|"`: GCC 12 at -O2 warns of an overlapping copy there (a
  // false -Wrestrict).
  campo.valor.assign(1, '|');
  campo.logado = false;
}

void Registro::erro(std::string linha) { Estado().Lista_Erros.push_back(std::move(linha)); }

void Registro::falha_se(bool falhou, std::string_view mensagem, const std::string& campo) {
  if (falhou) erro(std::string(mensagem) + campo);
}

void Registro::unico() {
  if (Linha_Registro(codigo_).Qtd_OK > 0)
    erro("-1   Só deve haver 1(um) Registro" + codigo_ + " no arquivo do SPED : Função Registro" + codigo_ +
         " chamada mais de 1(uma) vez");
}

void Registro::valida(Validador validador, const std::string& campo, std::string_view mensagem) {
  falha_se(validador(campo.c_str()) == 0, mensagem, campo);
}

void Registro::valida_data(const std::string& campo, std::string_view mensagem) {
  falha_se(!Valida_Data(campo), mensagem, campo);
}

namespace {
bool tem_digitos(const std::string& campo) { return !Somente_Numeros(campo).empty(); }
}  // namespace

void Registro::cnpj(const std::string& campo, std::string_view mensagem) {
  falha_se(vCNPJ(campo.c_str()) == 0 && tem_digitos(campo), mensagem, campo);
}

void Registro::cpf(const std::string& campo, std::string_view mensagem) {
  falha_se(vCPF(campo.c_str()) == 0 && tem_digitos(campo), mensagem, campo);
}

void Registro::cnpj_ou_cpf(const std::string& campo, std::string_view mensagem) {
  falha_se(vCNPJ(campo.c_str()) == 0 && vCPF(campo.c_str()) == 0 && tem_digitos(campo), mensagem, campo);
}

void Registro::cnpj_simples(const std::string& campo, std::string_view mensagem) {
  falha_se(vCNPJ(campo.c_str()) == 0, mensagem, campo);
}

void Registro::cpf_simples(const std::string& campo, std::string_view mensagem) {
  falha_se(vCPF(campo.c_str()) == 0, mensagem, campo);
}

void Registro::cnpj_obrigatorio(const std::string& campo, std::string_view mensagem) {
  falha_se(vCNPJ(campo.c_str()) == 0 || !tem_digitos(campo), mensagem, campo);
}

void Registro::obrigatorio(const std::string& campo, std::string_view linha) {
  if (Apara(Sem_Ultimo(campo)).empty()) erro(std::string(linha));
}

std::string Registro::monta_linha(std::string_view fim) const {
  std::size_t tamanho = codigo_.size() + 2 + fim.size();
  para_cada_campo([&](const Campo& campo) { tamanho += campo.valor.size(); });
  std::string linha;
  linha.reserve(tamanho);
  linha.append("|").append(codigo_).append("|");
  para_cada_campo([&](const Campo& campo) { linha += campo.valor; });
  linha += fim;
  return linha;
}

std::string Registro::linha() const { return monta_linha({}); }

void Registro::lista_log() const {
  Geracao& g = Estado();
  if (g.Lista_Erros.empty() && g.Lista_Observacoes.empty()) return;
  para_cada_campo([&](const Campo& campo) {
    if (campo.logado) g.Lista_Log.push_back(Linha_Log(campo.rotulo, campo.largura, campo.original, campo.valor));
  });
}

// A line that did not reach "sped.txt" is not in the file, so it counts as
// a rejected call: the closers and block 9 count only the lines that are.
int32_t Registro::conclui() {
  Geracao& g = Estado();
  lista_log();
  Info_Registro& contagem = Linha_Registro(codigo_);
  if (!g.Lista_Observacoes.empty()) ++contagem.Qtd_Obs;
  if (!g.Lista_Erros.empty()) {
    Grava_Erros(g.Lista_Erros);
    ++contagem.Qtd_Erros;
    return -1;
  }
  // The line is built once, with its CR LF, and written as it is.
  if (!Trata_Linha_Terminada(monta_linha("\r\n"))) {
    ++contagem.Qtd_Erros;
    return -1;
  }
  ++contagem.Qtd_OK;
  return 0;
}

std::string Linhas_Com_Encerramento(char bloco) { return std::to_string(1 + Linhas_Do_Bloco(bloco)); }

}  // namespace quillbook
