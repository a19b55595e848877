#include "records/registro.h"

#include "frame/captura.h"
#include "frame/datas.h"
#include "frame/saida.h"
#include "frame/tabela_registros.h"
#include "frame/texto.h"

namespace quillbook {

std::string Registro::rotulo(std::string_view texto) const {
  std::string padded(texto);
  if (padded.size() < largura_) padded.resize(largura_, ' ');
  return padded;
}

const std::string& Registro::texto(const char* valor, int32_t maximo, std::string_view legenda) {
  std::string& campo = campos_.emplace_back(Texto(valor));
  Captura_Texto(campo, maximo, rotulo(legenda));
  return campo;
}

const std::string& Registro::numero(std::string valor, uint8_t maximo, std::string_view legenda) {
  std::string& campo = campos_.emplace_back(std::move(valor));
  Captura_Numero(campo, maximo, rotulo(legenda));
  return campo;
}

const std::string& Registro::numero(const char* valor, uint8_t maximo, std::string_view legenda) {
  return numero(std::string(Texto(valor)), maximo, legenda);
}

const std::string& Registro::data(const char* valor, std::string_view legenda) {
  std::string data(Texto(valor));
  Formata_Data(data);
  return numero(std::move(data), 8, legenda);
}

void Registro::coluna_vazia() { campos_.emplace_back("|"); }

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

std::string Registro::linha() const {
  std::string linha = "|" + codigo_ + "|";
  for (const auto& campo : campos_) linha += campo;
  return linha;
}

// A line that did not reach "sped.txt" is not in the file, so it counts as
// a rejected call: the closers and block 9 count only the lines that are.
int32_t Registro::conclui() {
  Geracao& g = Estado();
  Info_Registro& contagem = Linha_Registro(codigo_);
  if (!g.Lista_Observacoes.empty()) ++contagem.Qtd_Obs;
  if (!g.Lista_Erros.empty()) {
    Grava_Erros(g.Lista_Erros);
    ++contagem.Qtd_Erros;
    return -1;
  }
  if (!Trata_Linha(linha())) {
    ++contagem.Qtd_Erros;
    return -1;
  }
  ++contagem.Qtd_OK;
  return 0;
}

std::string Linhas_Com_Encerramento(char bloco) { return std::to_string(1 + Linhas_Do_Bloco(bloco)); }

}  // namespace quillbook
