// Block C day summaries, consumer notes and fiscal printers: their tests,
// the printer document's untested date, and the Z reduction's widths.
#include <functional>
#include <vector>

#include "exports/quillbook.h"
#include "tests/registros_ajuda.h"

namespace quillbook::teste {
namespace {

using BlocoC_Resumos = Registros_Teste;
using BlocoC_Resumos_Sem_Geracao = Diretorios_Teste;

// Every record without a test of its own, with values that no test would take.
std::vector<std::function<int32_t()>> sem_testes() {
  const char* x = "x";
  return {[=] { return RegistroC310(x); },
          [=] { return RegistroC320(x, "9999", x, x, x, x, x, x); },
          [=] { return RegistroC321(x, x, x, x, x, x, x, x, x); },
          [=] { return RegistroC370(x, x, x, x, x, x); },
          [=] { return RegistroC410(x, x); },
          [=] { return RegistroC420(x, x, x, x); },
          [=] { return RegistroC425(x, x, x, x, x, x); },
          [=] { return RegistroC495(x, x, x, x, x, x, x, x, x, x, x, x, x, x); }};
}

TEST_F(BlocoC_Resumos, RecordsWithoutTestsTakeAnything) {
  for (const auto& registro : sem_testes()) EXPECT_EQ(registro(), 0);
}

TEST_F(BlocoC_Resumos_Sem_Geracao, RecordsWithoutTestsRefuseOutsideAGeneration) {
  for (const auto& registro : sem_testes()) EXPECT_EQ(registro(), -1);
  EXPECT_FALSE(existe("sped.txt"));
}

TEST_F(BlocoC_Resumos, PrinterDocumentDateIsWrittenAsItsDigitsUntested) {
  auto documento = [](const char* data) { return RegistroC460("2D", "00", "123", data, "", "", "", "", "Cliente"); };
  EXPECT_EQ(chama([&] { return documento("31/12/2009"); }).sped, linhas({"|C460|2D|00|123|31122009|||||Cliente|"}));
  EXPECT_EQ(chama([&] { return documento("99/99/9999"); }).sped, linhas({"|C460|2D|00|123|99999999|||||Cliente|"}));
}

TEST_F(BlocoC_Resumos, UnreadableDatesAreRejectedAsBareBars) {
  Chamada resumo = chama([] { return RegistroC300("99", "", "", "1", "9", "31/02/2026", "", "", "", ""); });
  EXPECT_EQ(resumo.erro.substr(resumo.erro.find("\tErro(s)")),
            linhas({"\tErro(s) do Registro:", "\t  -1   Data Inválida (DDMMAAAA) :: |",
                    "\t  -2   Código do modelo do documento fiscal, conforme a Tabela 4.1.1 : 99|"}));
  EXPECT_NE(chama([] {
              return RegistroC350("1", "", "7", "x", "", "", "", "", "", "", "");
            }).erro.find("\t  -2   Data Final Inválida (AAAAMMDD) : |\r\n"),
            std::string::npos);
}

TEST_F(BlocoC_Resumos, ZReductionCaptionsFollowThreeWidths) {
  Chamada c = chama([] { return RegistroC405("31/02/2026", "1", "2", "3", "4", "5"); });
  EXPECT_EQ(c.erro,
            linhas({"", " REGISTRO C405", log_campo("Data do movimento a que se refere a Redução Z", 106, "", "|"),
                    log_campo("Posição do Contador de Reinício de Operação", 106, "1", "1|"),
                    log_campo("Posição do Contador de Redução Z", 106, "2", "2|"),
                    log_campo("Número do Contador de Ordem de Operação do último documento emitido no dia. "
                              "(Número do COO na Redução Z)",
                              106, "3", "3|"),
                    log_campo("Valor do Grande Total final", 101, "4", "4|"),
                    log_campo("Valor da venda bruta", 94, "5", "5|"), "",
                    "\tErro(s) do Registro:", "\t  -1   Data Inválida (DDMMAAAA) :: |"}));
}

TEST_F(BlocoC_Resumos, IdentityOfConsumerAndBuyer) {
  auto nota = [](const char* cnpj_cpf) {
    return RegistroC350("1", "", "7", "30/11/2026", cnpj_cpf, "", "", "", "", "", "");
  };
  EXPECT_EQ(chama([&] { return nota(""); }).sped, linhas({"|C350|1||7|30112026||||||||"}));
  EXPECT_NE(chama([&] { return nota("123"); }).erro.find("\t  -1   CNPJ ou CPF Inválido : 123|\r\n"),
            std::string::npos);
  Chamada c = chama([] { return RegistroC460("99", "", "", "", "", "", "", "123", ""); });
  EXPECT_EQ(c.erro.substr(c.erro.find("\tErro(s)")),
            linhas({"\tErro(s) do Registro:", "\t  -1   CPF ou CNPJ do adquirente inválido : 123|",
                    "\t  -2   Codigo do modelo do documento fiscal 4.1.1 inválido: 99|"}));
}

TEST_F(BlocoC_Resumos, PrinterModelAndSerialNumber) {
  Chamada c = chama([] { return RegistroC400("2D", "MOD", "ABCDEFGHIJKLMNOPQRSTUVWXY", "1"); });
  EXPECT_EQ(c.sped, linhas({"|C400|2D|MOD|ABCDEFGHIJKLMNOPQRST|1|"}));
  std::string rotulo = "Número de série de fabricação do ECF";
  rotulo.resize(73, ' ');
  EXPECT_NE(
      c.erro.find("\t  " + rotulo + "\tQuantidade de caracteres maior que o permitido - Permitido: 20; Passados: 25"),
      std::string::npos);
  EXPECT_NE(chama([] {
              return RegistroC400("99", "", "", "");
            }).erro.find("\t  -1   Codigo do domodelo do documento fiscal 4.1.1 inválido: 99|\r\n"),
            std::string::npos);
}

TEST_F(BlocoC_Resumos, CfopIsLookedUpExceptInTheDaySummary) {
  EXPECT_NE(chama([] {
              return RegistroC390("", "9999", "", "", "", "", "", "");
            }).erro.find("\t  -1   Numero de CFOP inválido: 9999|\r\n"),
            std::string::npos);
  for (const std::function<int32_t()>& registro :
       {std::function<int32_t()>([] { return RegistroC470("", "", "", "", "", "", "9999", "", "", ""); }),
        std::function<int32_t()>([] { return RegistroC490("", "9999", "", "", "", "", ""); })})
    EXPECT_NE(chama(registro).erro.find("\t  -1   Código Fiscal de Operação e Prestação inválido: 9999|\r\n"),
              std::string::npos);
  EXPECT_EQ(RegistroC490("", "5102", "", "", "", "", ""), 0);
}

TEST_F(BlocoC_Resumos, RateByItemKeepsALongRate) {
  const std::string aliquota(200, '1');
  EXPECT_EQ(
      chama([&] { return RegistroC495(aliquota.c_str(), "", "", "", "", "", "", "", "", "", "", "", "", ""); }).sped,
      linhas({"|C495|" + aliquota + "|" + std::string(13, '|')}));
  EXPECT_EQ(chama([&] { return RegistroC320("", "", aliquota.c_str(), "", "", "", "", ""); }).sped,
            linhas({"|C320|||111111||||||"}));
}

}  // namespace
}  // namespace quillbook::teste
