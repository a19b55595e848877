// Block 1 writers: their identity, date, code-table and look-up tests, and
// the records that accept any values.
#include "exports/quillbook.h"
#include "tests/registros_ajuda.h"

namespace quillbook::teste {
namespace {

using Bloco1 = Registros_Teste;

// The lines that follow the errors' heading, in order and alone.
std::string apos_erros(const Chamada& c) {
  const std::string titulo = "\tErro(s) do Registro:\r\n";
  const std::size_t inicio = c.erro.find(titulo);
  return inicio == std::string::npos ? "" : c.erro.substr(inicio + titulo.size());
}

TEST_F(Bloco1, ExportRegisterNeedsItsDatesAndKnownCodes) {
  auto exportacao = [](const char* ind_doc, const char* dt_avb, const char* tp_chc) {
    return Registro1100(ind_doc, "123", "01/11/2026", "1", "456", "02/11/2026", "CHC", "03/11/2026", dt_avb, tp_chc,
                        "249");
  };
  EXPECT_EQ(chama([&] { return exportacao("0", "04/11/2026", "01"); }).sped,
            linhas({"|1100|0|123|01112026|1|456|02112026|CHC|03112026|04112026|01|249|"}));
  EXPECT_EQ(exportacao("1", "04/11/2026", "91"), 0);
  EXPECT_EQ(apos_erros(chama([&] { return exportacao("2", "", "05"); })),
            linhas({"\t  -4   Data Final Inválida (AAAAMMDD) : |", "\t  -5   Informe o tipo de documento: 2|",
                    "\t  -6   Informação do tipo de conhecimento de transporte inválido 05|"}));
  EXPECT_EQ(apos_erros(chama([&] { return exportacao("0", "04/11/2026", "15"); })),
            linhas({"\t  -6   Informação do tipo de conhecimento de transporte inválido 15|"}));
}

TEST_F(Bloco1, NozzleInterventionIdentitiesMayBeEmpty) {
  auto bico = [](const char* cnpj, const char* cpf) {
    return Registro1320("1", "2", "Motivo", "Nome", cnpj, cpf, "100", "50", "", "50");
  };
  EXPECT_EQ(chama([&] { return bico("", ""); }).sped, linhas({"|1320|1|2|Motivo|Nome|||100|50||50|"}));
  EXPECT_EQ(chama([&] { return bico("11.222.333/0001-81", "111.444.777-35"); }).sped,
            linhas({"|1320|1|2|Motivo|Nome|11222333000181|11144477735|100|50||50|"}));
  EXPECT_EQ(apos_erros(chama([&] { return bico("11222333000182", "11144477736"); })),
            linhas({"\t  -1   CNPJ Inválido :: 11222333000182|", "\t  -2   CPF Inválido :: 11144477736|"}));
}

TEST_F(Bloco1, DateAndCodeErrorLines) {
  Chamada lacre = chama([] { return Registro1360("L1", "31/02/2026"); });
  EXPECT_EQ(lacre.erro, linhas({"", " REGISTRO 1360", log_campo("Número do Lacre associado na Bomba", 54, "L1", "L1|"),
                                log_campo("Data de aplicação do Lacre", 54, "", "|"), "",
                                "\tErro(s) do Registro:", "\t  -1   Data Inicial Inválida (DDMMAAAA) :: |"}));
  EXPECT_EQ(apos_erros(chama([] { return Registro1300("C", "", "", "", "", "", "", "", "", ""); })),
            linhas({"\t  -1   Data Inicial Inválida (DDMMAAAA) :: |"}));
  EXPECT_EQ(apos_erros(chama([] { return Registro1105("99", "", "", "", "", ""); })),
            linhas({"\t  -1   Data Final Inválida (AAAAMMDD) : |",
                    "\t  -2   Código do modelo da NF, conforme tabela 4.1.1 inválido 99|"}));
  EXPECT_EQ(apos_erros(chama([] { return Registro1110("P", "99", "", "", "", "", "", "", ""); })),
            linhas({"\t  -1   Data Final Inválida (AAAAMMDD) : |",
                    "\t  -2   Código do documento fiscal, conforme a Tabela 4.1.1 inválido 99|"}));
  EXPECT_EQ(apos_erros(chama([] { return Registro1350("S", "F", "M", "2"); })),
            linhas({"\t  -1   Identificador de medição: inválido 2|"}));
}

TEST_F(Bloco1, ElectricityBillTestsAllRun) {
  auto conta = [](const char* ind_emit, const char* cod_sit, const char* data) {
    return Registro1500("0", ind_emit, "P", "06", cod_sit, "", "", "01", "1", data, data, "10,00", "", "", "", "", "",
                        "", "", "", "", "", "", "");
  };
  EXPECT_EQ(chama([&] { return conta("1", "00", "05/11/2026"); }).sped,
            linhas({"|1500|0|1|P|06|00|||01|1|05112026|05112026|10,00|||||||||||||"}));
  EXPECT_EQ(apos_erros(chama([&] { return conta("2", "09", ""); })),
            linhas({"\t  -2   Indicador do emitente do documento fiscal: : 2|",
                    "\t  -4   Código da situação do documento fiscal, conforme a Tabela 4.1.2 : 09|",
                    "\t  -5   Data Final Inválida (AAAAMMDD) : |", "\t  -6   Data Final Inválida (AAAAMMDD) : |"}));
}

TEST_F(Bloco1, LookUpsOfBillItemCfopAndMunicipality) {
  auto item = [](const char* cfop) {
    return Registro1510("1", "I", "0101", "1", "KWH", "10,00", "", "000", cfop, "", "", "", "", "", "", "0", "", "", "",
                        "");
  };
  EXPECT_EQ(chama([&] { return item("5.102"); }).sped, linhas({"|1510|1|I|0101|1|KWH|10,00||000|5102|||||||0|||||"}));
  EXPECT_EQ(apos_erros(chama([&] { return item("9999"); })), linhas({"\t  -1   Numero de CFOP inválido: 9999|"}));
  EXPECT_EQ(Registro1400("I", "3550308", "10,00"), 0);
  EXPECT_EQ(apos_erros(chama([] { return Registro1400("I", "1234567", ""); })),
            linhas({"\t  -1   Código do Município de origem : 1234567|"}));
}

TEST_F(Bloco1, UntestedRecordsAcceptEmptyFields) {
  EXPECT_EQ(chama([] { return Registro1200("", "", "", "", "", ""); }).sped, linhas({"|1200|||||||"}));
  EXPECT_EQ(chama([] { return Registro1210("", "", ""); }).sped, linhas({"|1210||||"}));
  EXPECT_EQ(chama([] { return Registro1310("1", "10", "5", "99", "", "", "", "", ""); }).sped,
            linhas({"|1310|1|10|5|99||||||"}));
  EXPECT_EQ(chama([] { return Registro1370("", "", ""); }).sped, linhas({"|1370||||"}));
  EXPECT_EQ(chama([] { return Registro1600("", "", ""); }).sped, linhas({"|1600||||"}));
}

}  // namespace
}  // namespace quillbook::teste
