// Block E writers beyond the period and the ICMS assessment: the revenue
// code's own caption width, twins that differ, and their error lines.
#include "exports/quillbook.h"
#include "tests/registros_ajuda.h"

namespace quillbook::teste {
namespace {

using BlocoE = Registros_Teste;

TEST_F(BlocoE, SubstitutionObligationPadsItsRevenueCodeApartAndTestsTheProcessOrigin) {
  EXPECT_EQ(chama([] { return RegistroE116("001", "10,00", "10/12/2026", "REC", "", "5", "", ""); }).sped,
            linhas({"|E116|001|10,00|10122026|REC||5|||"}));
  Chamada c = chama([] { return RegistroE250("001", "10,00", "10/12/2026", "REC", "", "5", "", ""); });
  EXPECT_EQ(c.resultado, -1);
  for (const std::string& linha :
       {log_campo("Valor da obrigação ICMS ST a recolher", 218, "10,00", "10,00|"),
        log_campo("Código de receita referente   à   obrigação,   próprio da unidade da federação", 212, "REC", "REC|"),
        log_campo("Número do processo ou auto de infração ao qual a obrigação está vinculada, se houver", 218, "",
                  "|")})
    EXPECT_NE(c.erro.find(linha + "\r\n"), std::string::npos) << linha;
  EXPECT_EQ(erros(c), linhas({"\tErro(s) do Registro:", "\t  -2   Indicador da origem do processo inválido: 5|"}));
}

TEST_F(BlocoE, TwinsDifferInCapturesAndInTheirTests) {
  const char* processo = "123456789012345";
  EXPECT_EQ(chama([&] { return RegistroE112("DA", processo, "9", "", ""); }).sped,
            linhas({"|E112|DA|123456789012345|9|||"}));
  Chamada c = chama([&] { return RegistroE230("DA", processo, "a9", "", ""); });
  EXPECT_EQ(c.sped, linhas({"|E230|DA|12345678901234|9|||"}));
  EXPECT_NE(c.erro.find("Permitido: 14; Passados: 15\r\n"), std::string::npos);

  EXPECT_EQ(
      erros(chama([] { return RegistroE113("P", "99", "", "", "", "", "", ""); })),
      linhas({"\tErro(s) do Registro:", "\t  -1   Código do modelo do documento fiscal, conforme a Tabela 4.1.1 : 99|",
              "\t  -2   Data Final Inválida (AAAAMMDD) : |"}));
  EXPECT_EQ(erros(chama([] { return RegistroE240("P", "99", "", "", "", "", "", ""); })),
            linhas({"\tErro(s) do Registro:", "\t  -1   Data Final Inválida (AAAAMMDD) : |",
                    "\t  -2   Codigo do modelo do documento fiscal 4.1.1 inválido: 99|"}));
}

TEST_F(BlocoE, PeriodAndIndicatorErrorLines) {
  EXPECT_EQ(
      erros(chama([] { return RegistroE500("2", "x", "31/02/2026"); })),
      linhas({"\tErro(s) do Registro:", "\t  -1   Data Final Inválida (AAAAMMDD) : |",
              "\t  -2   Data Final Inválida (AAAAMMDD) : |", "\t  -3   Indicador de período de apuração do IPI: 2|"}));
  EXPECT_EQ(erros(chama([] { return RegistroE200("SP", "", "x"); })),
            linhas({"\tErro(s) do Registro:", "\t  -1   Data Inicial Inválida (DDMMAAAA) :: |",
                    "\t  -2   Data Final Inválida (DDMMAAAA) :: |"}));
  EXPECT_EQ(erros(chama([] { return RegistroE210("2", "", "", "", "", "", "", "", "", "", "", "", "", ""); })),
            linhas({"\tErro(s) do Registro:", "\t  -1   Indicador de movimento invalido 2|"}));
}

TEST_F(BlocoE, IpiCfopIsLookedUpAsPassedText) {
  EXPECT_EQ(chama([] { return RegistroE510("5102", "50", "1.000,00", "", ""); }).sped,
            linhas({"|E510|5102|50|1000,00|||"}));
  EXPECT_EQ(erros(chama([] { return RegistroE510("5.102", "50", "", "", ""); })),
            linhas({"\tErro(s) do Registro:", "\t  -1   Numero de CFOP inválido : 5.10|"}));
}

TEST_F(BlocoE, SingleAssessmentsWriteEverySecondCall) {
  for (int vez = 0; vez < 2; ++vez) {
    EXPECT_EQ(chama([] { return RegistroE210("0", "", "", "", "", "", "", "", "", "", "", "", "", ""); }).sped,
              linhas({"|E210|0||||||||||||||"}));
    EXPECT_EQ(chama([] { return RegistroE520("1", "", "", "", "", "", ""); }).sped, linhas({"|E520|1|||||||"}));
  }
}

}  // namespace
}  // namespace quillbook::teste
