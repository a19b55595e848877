// Block D communication services: the indicator, date and class tests, the
// absence of a uniqueness test, cut fields and the irregular caption width.
#include "exports/quillbook.h"
#include "tests/registros_ajuda.h"

namespace quillbook::teste {
namespace {

using BlocoD_Comunicacao = Registros_Teste;

int32_t conta(const char* ind_oper, const char* dt_doc, const char* dt_a_p) {
  return RegistroD500(ind_oper, "0", "P1", "21", "00", "1", "", "42", dt_doc, dt_a_p, "", "", "", "", "", "", "", "",
                      "", "", "", "");
}

TEST_F(BlocoD_Comunicacao, BillMayRepeatAndTestsItsIndicatorsAndDates) {
  const std::string linha = "|D500|0|0|P1|21|00|1||42|01112026|02112026|" + std::string(12, '|');
  EXPECT_EQ(chama([] { return conta("0", "01/11/2026", "02/11/2026"); }).sped, linhas({linha}));
  EXPECT_EQ(chama([] { return conta("0", "01/11/2026", "02/11/2026"); }).sped, linhas({linha}));
  EXPECT_EQ(erros(chama([] { return conta("2", "", ""); })),
            linhas({"\tErro(s) do Registro:", "\t  -1   Indicador do tipo de operação : 2|",
                    "\t  -3   Data Final Inválida (AAAAMMDD) : |", "\t  -4   Data Final Inválida (AAAAMMDD) : |"}));
}

TEST_F(BlocoD_Comunicacao, ServiceAndRevenueIndicatorsAcceptNine) {
  EXPECT_EQ(erros(chama([] { return RegistroD530("5", "01/11/2026", "30/11/2026", "112026", "11", "999"); })),
            linhas({"\tErro(s) do Registro:", "\t  -1   Indicador do tipo de serviço prestado : 5|"}));
  EXPECT_EQ(RegistroD530("9", "01/11/2026", "30/11/2026", "112026", "11", "999"), 0);

  auto item = [](const char* ind_rec) {
    return RegistroD510("1", "I1", "0101", "", "", "", "", "", "5102", "", "", "", "", "", ind_rec, "", "", "", "");
  };
  EXPECT_EQ(item("9"), 0);
  EXPECT_EQ(erros(chama([&] { return item("6"); })),
            linhas({"\tErro(s) do Registro:", "\t  -2   Indicador do tipo de receita: 6|"}));
}

TEST_F(BlocoD_Comunicacao, ConsolidationsTestWhatTheyNeed) {
  EXPECT_EQ(erros(chama([] {
              return RegistroD610("0101", "I1", "", "", "", "", "", "5102", "", "", "", "", "", "", "", "", "");
            })),
            linhas({"\tErro(s) do Registro:",
                    "\t  -2   Código de classificação do item do serviço de comunicação ou de telecomunicação, "
                    "conforme a Tabela 4.4.1: 0101|"}));
  EXPECT_EQ(
      erros(chama([] { return RegistroD600("", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", ""); })),
      linhas({"\tErro(s) do Registro:", "\t  -1   Código do modelo do documento fiscal, conforme a Tabela 4.1.1 : |",
              "\t  -2   Código do município dos terminais faturados, conforme a tabela IBGE : |",
              "\t  -3   Data Final Inválida (AAAAMMDD) : |"}));
  EXPECT_EQ(chama([] { return RegistroD697("sp", "1,00", "2,00"); }).sped, linhas({"|D697|sp|1,00|2,00|"}));
}

TEST_F(BlocoD_Comunicacao, MasterFileKeyIsCutWithAnObservation) {
  const std::string chave(33, 'K');
  Chamada c =
      chama([&] { return RegistroD695("21", "1", "1", "9", "01/11/2026", "30/11/2026", "VOLUME", chave.c_str()); });
  EXPECT_EQ(c.resultado, 0);
  EXPECT_EQ(c.sped, linhas({"|D695|21|1|1|9|01112026|30112026|VOLUME|" + chave.substr(0, 32) + "|"}));
  std::string rotulo = "Chave de codificação digital do arquivo Mestre de Documento Fiscal";
  rotulo.resize(151, ' ');
  EXPECT_NE(
      c.erro.find("\t  " + rotulo + "\tQuantidade de caracteres maior que o permitido - Permitido: 32; Passados: 33"),
      std::string::npos);
}

TEST_F(BlocoD_Comunicacao, TotalsObservationCodeHasItsOwnWidth) {
  Chamada c = chama([] { return RegistroD590("000", "9999", "", "", "", "", "", "", "", "OBS1"); });
  EXPECT_EQ(erros(c), linhas({"\tErro(s) do Registro:", "\t  -1   Numero de CFOP inválido: 9999|"}));
  EXPECT_NE(c.erro.find(log_campo("Valor não tributado em função da redução da base de cálculo do ICMS, referente à "
                                  "combinação de CST_ICMS, CFOP e alíquota do ICMS.",
                                  150, "", "|") +
                        "\r\n" + log_campo("Código da observação  (campo 02 do Registro 0460)", 149, "OBS1", "OBS1|")),
            std::string::npos);
}

}  // namespace
}  // namespace quillbook::teste
