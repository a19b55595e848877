// Block D summaries and fiscal printers: the records that never reject, the
// tested dates, the agency documents' test order and colonless text, the
// municipality and CFOP look-ups, and the irregular caption widths.
#include "exports/quillbook.h"
#include "frame/tabela_registros.h"
#include "tests/registros_ajuda.h"

namespace quillbook::teste {
namespace {

using BlocoD_Resumos = Registros_Teste;

TEST_F(BlocoD_Resumos, UntestedRecordsNeverReject) {
  EXPECT_EQ(chama([] { return RegistroD301("000.123"); }).sped, linhas({"|D301|000123|"}));
  EXPECT_EQ(chama([] { return RegistroD370("1234567", "x", "", "", ""); }).sped, linhas({"|D370|1234567|||||"}));
  EXPECT_EQ(RegistroD360("1,00", "2,00"), 0);
  EXPECT_EQ(RegistroD360("1,00", "2,00"), 0);
  EXPECT_EQ(RegistroD365("x", "x", "x", "x"), 0);
  EXPECT_EQ(RegistroD411("x"), 0);
  EXPECT_EQ(Linha_Registro("D360").Qtd_OK, 2);
}

TEST_F(BlocoD_Resumos, TicketSummaryNeedsItsDate) {
  Chamada c = chama([] {
    return RegistroD300("2E", "", "", "1", "9", "000", "5102", "", "", "", "", "", "", "", "", "", "", "", "");
  });
  EXPECT_EQ(c.resultado, -1);
  EXPECT_EQ(c.sped, "");
  EXPECT_EQ(erros(c), linhas({"\tErro(s) do Registro:", "\t  -1   Data Inicial Inválida (DDMMAAAA) :: |"}));
  EXPECT_EQ(Linha_Registro("D300").Qtd_Erros, 1);
}

TEST_F(BlocoD_Resumos, AgencyDocumentsTestCfopThenModelThenDate) {
  Chamada c = chama([] { return RegistroD410("99", "", "", "1", "9", "", "", "9999", "", "", "", "", "", ""); });
  EXPECT_EQ(erros(c), linhas({"\tErro(s) do Registro:", "\t  -1   Numero de CFOP inválido: 9999|",
                              "\t  -2   Código do modelo do documento fiscal , conforme a Tabela 4.1.1 99|",
                              "\t  -3   Data Final Inválida (AAAAMMDD) : |"}));
}

TEST_F(BlocoD_Resumos, LookUpsSeeTheCapturedDigits) {
  EXPECT_EQ(erros(chama([] { return RegistroD390("000", "5.949", "", "", "", "", "", "", "", ""); })),
            linhas({"\tErro(s) do Registro:", "\t  -1   Numero de CFOP inválido: 5949|"}));
  EXPECT_EQ(chama([] { return RegistroD420("3.550.308", "", "", ""); }).sped, linhas({"|D420|3550308||||"}));
  EXPECT_EQ(
      chama([] { return RegistroD420("1234567", "1", "2", "3"); }).erro,
      linhas({"", " REGISTRO D420",
              log_campo("Código do município de origem do serviço, conforme a tabela IBGE", 66, "1234567", "1234567|"),
              log_campo("Valor total da prestação de serviço", 66, "1", "1|"),
              log_campo("Valor total da base de cálculo do ICMS", 66, "2", "2|"),
              log_campo("Valor total do ICMS", 66, "3", "3|"), "", "\tErro(s) do Registro:",
              "\t  -1   Código do município de origem do serviço, conforme a tabela IBGE : 1234567|"}));
}

TEST_F(BlocoD_Resumos, CutTotaliserNumberIsObservedAndWritten) {
  Chamada c = chama([] { return RegistroD365("T1", "5,00", "123", ""); });
  EXPECT_EQ(c.sped, linhas({"|D365|T1|5,00|12||"}));
  std::string rotulo =
      "Número do totalizador quando ocorrer mais de uma situação com a mesma carga tributária efetiva.";
  rotulo.resize(151, ' ');
  EXPECT_NE(
      c.erro.find("\t  " + rotulo + "\tQuantidade de caracteres maior que o permitido - Permitido: 2; Passados: 3"),
      std::string::npos);
  EXPECT_EQ(Linha_Registro("D365").Qtd_Obs, 1);
  EXPECT_EQ(Linha_Registro("D365").Qtd_OK, 1);
}

}  // namespace
}  // namespace quillbook::teste
