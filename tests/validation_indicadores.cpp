#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "exports/quillbook.h"

namespace {

using Validador = uint8_t(QB_CALL*)(const char*);

struct Indicador {
  const char* nome;
  Validador testa;
  std::string_view aceitos;  // the accepted codes, one byte each
};

#define INDICADOR(nome, aceitos) \
  Indicador { #nome, nome, aceitos }

const Indicador Indicadores[] = {
    INDICADOR(vCod_situacao_documento_fiscal, "012345678"),
    INDICADOR(vInd_tipo_transporte, "0123459"),
    INDICADOR(vInd_origem, "0123"),
    INDICADOR(vInd_tipo_receita, "01"),
    INDICADOR(vIND_REC, "0123459"),
    INDICADOR(vInd_emitente_documento_fiscal, "01"),
    INDICADOR(vIND_OPER, "01"),
    INDICADOR(vTIPO_MEDICAO, "01"),
    INDICADOR(vInd_origem_processo, "0129"),
    INDICADOR(vInd_natureza_frete, "01"),
    INDICADOR(vInd_tipo_frete, "0129"),
    INDICADOR(vIND_MOV, "01"),
    INDICADOR(vIND_APUR, "01"),
    INDICADOR(vIND_TFA, "0129"),
    INDICADOR(vIND_MOV_ST, "01"),
    INDICADOR(vIND_AJ, "01"),
    INDICADOR(vIND_DOC, "0129"),
    INDICADOR(vInd_emitente_titulo, "01"),
    INDICADOR(vInd_tipo_operacao, "01"),
    INDICADOR(vInd_tipo_referencia_base, "0123"),
    INDICADOR(vInd_tipo_veiculo_transportador, "01"),
    INDICADOR(vInd_tipo_transporte_carga_coletada, "0123459"),
    INDICADOR(vInd_tipo_servico_prestado, "012349"),
    INDICADOR(vIND_PGTO, "019"),
    INDICADOR(vCOD_DOC_IMP, "01"),
    INDICADOR(vTP_PROD, "012"),
    INDICADOR(vIND_ARM, "01"),
    INDICADOR(vIND_VEIC_OPER, "01239"),
    INDICADOR(vIND_FRT_RED, "0129"),
    INDICADOR(vIND_NAV, "01"),
    INDICADOR(vIND_PROP, "012"),
    INDICADOR(vIND_DOC_Informe_tipo_documento, "01"),
    INDICADOR(vMovimento, "01"),
    INDICADOR(vIND_ATIV, "01"),
    INDICADOR(vCOD_FIN, "01"),
    INDICADOR(vIND_PERFIL, "ABC"),
};

// Every kind of reading reads the captured field "c|" as c, so each byte
// tells whether the validator accepts exactly its codes.
TEST(Indicadores, AceitamExatamenteSeusCodigos) {
  for (const Indicador& indicador : Indicadores) {
    for (int c = 1; c < 256; ++c) {
      const std::string valor{static_cast<char>(c), '|'};
      const bool esperado = indicador.aceitos.find(static_cast<char>(c)) != std::string_view::npos;
      EXPECT_EQ(indicador.testa(valor.c_str()), esperado ? 1 : 0) << indicador.nome << " byte " << c;
    }
  }
}

TEST(Indicadores, ValorVazioOuBrancoNuncaValido) {
  const std::string grande_branco(1 << 20, ' ');
  const char* vazios[] = {nullptr, "", "|", " ", "   |", "\t\r\n", "\x01\x1f"};
  for (const Indicador& indicador : Indicadores) {
    for (const char* valor : vazios) EXPECT_EQ(indicador.testa(valor), 0) << indicador.nome;
    EXPECT_EQ(indicador.testa(grande_branco.c_str()), 0) << indicador.nome;
  }
}

struct Caso {
  Validador testa;
  const char* valor;
  uint8_t esperado;
};

// The edges of each reading, on one validator of its kind.
TEST(Indicadores, BordasDeCadaLeitura) {
  const std::string zeros_e_um = std::string(1 << 20, '0') + "1|";
  const std::string um_e_lixo = "1" + std::string(1 << 20, 'x');
  const Caso casos[] = {
      // value less its last byte
      {vCod_situacao_documento_fiscal, "05|", 1},
      {vCod_situacao_documento_fiscal, "5x", 1},
      {vCod_situacao_documento_fiscal, " 5|", 1},
      {vCod_situacao_documento_fiscal, "10|", 0},
      {vCod_situacao_documento_fiscal, "5", 0},
      {vCod_situacao_documento_fiscal, "-1|", 0},
      {vCod_situacao_documento_fiscal, "-256|", 0},
      {vCod_situacao_documento_fiscal, "256|", 0},
      {vCod_situacao_documento_fiscal, "+1|", 1},
      {vCod_situacao_documento_fiscal, "-0|", 1},
      {vCod_situacao_documento_fiscal, "$8|", 1},
      {vCod_situacao_documento_fiscal, "0x8|", 1},
      {vCod_situacao_documento_fiscal, "5 |", 0},
      {vCod_situacao_documento_fiscal, "\t5|", 0},
      {vCod_situacao_documento_fiscal, zeros_e_um.c_str(), 1},
      // value less its final bar
      {vInd_tipo_receita, "1", 1},
      {vInd_tipo_receita, "1||", 0},
      {vInd_tipo_receita, "$1", 1},
      {vIND_REC, "9", 1},
      // digits only
      {vIND_OPER, "01|", 1},
      {vIND_OPER, "10|", 0},
      {vIND_OPER, "1,0|", 0},
      {vIND_OPER, "0x1", 1},
      {vIND_OPER, zeros_e_um.c_str(), 1},
      // first digit
      {vIND_MOV, "x1", 1},
      {vIND_MOV, ",1|", 0},
      {vIND_MOV, "19|", 1},
      {vIND_MOV, "é1|", 1},
      {vInd_tipo_frete, "-9", 1},
      // first character
      {vMovimento, "x1", 0},
      {vMovimento, " 1", 0},
      {vMovimento, "1x", 1},
      {vMovimento, um_e_lixo.c_str(), 1},
      {vMovimento, "é|", 0},
  };
  for (const Caso& caso : casos) EXPECT_EQ(caso.testa(caso.valor), caso.esperado) << '"' << caso.valor << '"';
}

}  // namespace
