// Block C goods documents: dates captured untested, the identity tests of
// the places of collection and delivery, the date tests, and the records
// without tests.
#include "exports/quillbook.h"
#include "tests/registros_ajuda.h"

namespace quillbook::teste {
namespace {

using BlocoC = Registros_Teste;

int32_t documento(const char* ind_emit, const char* cod_mod, const char* cod_part, const char* dt_doc) {
  return RegistroC100("0", ind_emit, cod_part, cod_mod, "00", "1", "123", "", dt_doc, "02/11/2026", "100,00", "0", "",
                      "", "100,00", "9", "", "", "", "", "", "", "", "", "", "", "", "");
}

TEST_F(BlocoC, DocumentDatesAreCapturedButNotTested) {
  Chamada c = chama([] { return documento("1", "55", "P1", "31/02/2026"); });
  EXPECT_EQ(c.sped, linhas({"|C100|0|1|P1|55|00|1|123|||02112026|100,00|0|||100,00|9|" + std::string(12, '|')}));
  EXPECT_EQ(c.erro, "");
  EXPECT_EQ(RegistroC113("1", "0", "P1", "01", "1", "", "7", "x"), 0);
}

TEST_F(BlocoC, DocumentTestsAreNumberedFromThreeAndItsCaptionsPaddedTo81) {
  EXPECT_EQ(erros(chama([] { return documento("2", "5", "P1", ""); })),
            linhas({"\tErro(s) do Registro:", "\t  -3   Indicador do emitente do documento fiscal : 2|",
                    "\t  -7   Codigo do domodelo do documento fiscal 4.1.1 inválido: 5|"}));
  Chamada c = chama([] { return documento("0", "01", std::string(61, 'P').c_str(), ""); });
  EXPECT_NE(c.sped.find("|" + std::string(60, 'P') + "|01|"), std::string::npos);
  EXPECT_NE(c.erro.find(log_campo("Código do participante (campo 02 do Registro 0150):", 81, std::string(61, 'P'),
                                  std::string(60, 'P') + "|")),
            std::string::npos);
}

TEST_F(BlocoC, PlacesOfCollectionAndDeliveryMayBeGivenByTheirCnpjAlone) {
  auto locais = [](const char* cnpj_col, const char* cpf_col, const char* cnpj_entg, const char* cpf_entg) {
    return RegistroC115("0", cnpj_col, "IE", cpf_col, "3550308", cnpj_entg, "IE", cpf_entg, "3304557");
  };
  Chamada so_cnpj = chama([&] { return locais("11222333000181", "", "11222333000181", ""); });
  EXPECT_EQ(so_cnpj.resultado, 0);
  EXPECT_EQ(so_cnpj.sped, linhas({"|C115|0|11222333000181|IE||3550308|11222333000181|IE||3304557|"}));
  EXPECT_EQ(so_cnpj.erro, "");
  // A CPF without digits left is no CPF given; one with digits is tested.
  EXPECT_EQ(chama([&] { return locais("", "", "11222333000181", "-./"); }).resultado, 0);
  EXPECT_EQ(erros(chama([&] { return locais("", "", "", "123"); })),
            linhas({"\tErro(s) do Registro:", "\t  -8   Número de inscrição no CPF Inválida: 123|"}));
  EXPECT_EQ(chama([&] { return locais("", "11144477736", "", "11144477735"); }).sped,
            linhas({"|C115|0||IE|11144477736|3550308||IE|11144477735|3304557|"}));
  Chamada todos = chama(
      [] { return RegistroC115("8", "11222333000182", "", "", "1234567", "11222333000182", "", "11144477736", "99"); });
  EXPECT_EQ(erros(todos), linhas({"\tErro(s) do Registro:", "\t  -1   CNPJ Inválido : 11222333000182|",
                                  "\t  -3   Código do município do domicílio fiscal Inválido : 1234567|",
                                  "\t  -4   CNPJ ou CPF Inválido : 11222333000182|",
                                  "\t  -6   Código do município do domicílio fiscal Inválido : 99|",
                                  "\t  -7   Indicador do tipo de transporte : 8|",
                                  "\t  -8   Número de inscrição no CPF Inválida: 11144477736|"}));
}

TEST_F(BlocoC, EmptyOrUnreadableDatesReject) {
  EXPECT_EQ(erros(chama([] { return RegistroC141("1", "", "10,00"); })),
            linhas({"\tErro(s) do Registro:", "\t  -1   Data Final Inválida (AAAAMMDD) : |"}));
  EXPECT_EQ(erros(chama([] { return RegistroC112("1", "XX", "", "", "", "31/04/2026", "x"); })),
            linhas({"\tErro(s) do Registro:", "\t  -2   Unidade da Federação Inválida : XX|",
                    "\t  -3   Data Final Inválida (AAAAMMDD) : |", "\t  -4   Data Final Inválida (AAAAMMDD) : |"}));
}

TEST_F(BlocoC, UntestedRecordWritesAndShowsOnlyItsObservation) {
  Chamada c = chama([] { return RegistroC110("1234567", "T"); });
  EXPECT_EQ(c.resultado, 0);
  const std::string rotulo =
      "Código   da   informação   complementar   do documento fiscal (campo 02 do Registro 0450)";
  EXPECT_EQ(c.erro, linhas({"", " REGISTRO C110", log_campo(rotulo, 91, "1234567", "123456|"),
                            log_campo("Descrição complementar do código de referência.", 91, "T", "T|"), "",
                            "\tObservação do Registro:",
                            "\t  " + rotulo +
                                "  \tQuantidade de caracteres maior que o permitido - Permitido: 6; "
                                "Passados: 7"}));
}

TEST_F(BlocoC, CreditTitleMayBeWrittenMoreThanOnce) {
  ASSERT_EQ(RegistroC140("0", "00", "", "T1", "2", "10,00"), 0);
  EXPECT_EQ(chama([] { return RegistroC140("1", "99", "", "T2", "1", "5,00"); }).sped,
            linhas({"|C140|1|99||T2|1|5,00|"}));
}

}  // namespace
}  // namespace quillbook::teste
