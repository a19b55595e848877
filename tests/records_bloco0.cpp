// Block 0 and block E writers: identity choices, their own tests, and the
// captions' widths where they are irregular.
#include "exports/quillbook.h"
#include "tests/registros_ajuda.h"

namespace quillbook::teste {
namespace {

using Bloco0 = Registros_Teste;

int32_t abertura(const char* cnpj, const char* cpf) {
  return Registro0000("002", "0", "01/11/2026", "30/11/2026", "Empresa", cnpj, cpf, "SP", "IE", "3550308", "IM", "",
                      "A", "1");
}

TEST_F(Bloco0, OpeningRecordTakesTheCnpjWhenPassedElseTheCpf) {
  struct Caso {
    const char* cnpj;
    const char* cpf;
    const char* identidade;
  };
  for (const Caso& caso :
       {Caso{"11.222.333/0001-81", "999", "11222333000181||"}, Caso{"", "111.444.777-35", "|11144477735|"},
        Caso{nullptr, nullptr, "||"}, Caso{"   ", "11144477735", "||"}}) {
    TearDown();
    SetUp();
    Chamada c = chama([&] { return abertura(caso.cnpj, caso.cpf); });
    EXPECT_EQ(c.sped, linhas({std::string("|0000|002|0|01112026|30112026|Empresa|") + caso.identidade +
                              "SP|IE|3550308|IM||A|1|"}))
        << caso.identidade;
  }
}

TEST_F(Bloco0, OpeningRecordLogsOnlyTheChosenIdentity) {
  Chamada c = chama([] { return abertura("11222333000182", "11144477735"); });
  EXPECT_EQ(c.resultado, -1);
  EXPECT_NE(
      c.erro.find("REGISTRO 0000 LFPD\r\n\tCódigo da versão do leiaute:                          \t002 -> 002|\r\n"),
      std::string::npos);
  EXPECT_NE(
      c.erro.find("\tNúmero de inscrição da entidade no CNPJ:              \t11222333000182 -> 11222333000182|\r\n"
                  "\tSigla da unidade da federação:"),
      std::string::npos);
  EXPECT_NE(c.erro.find("\t  -2   CNPJ Inválido : 11222333000182|\r\n"), std::string::npos);
  EXPECT_NE(chama([] { return abertura("", "11144477736"); }).erro.find("\t  -3   CPF Inválido : 11144477736|\r\n"),
            std::string::npos);
}

TEST_F(Bloco0, OpeningRecordDatesMustBeRegional) {
  Chamada c = chama([] {
    return Registro0000("002", "0", "01112026", "30/11/2026", "Empresa", "", "", "SP", "", "3550308", "", "", "A", "1");
  });
  EXPECT_NE(c.erro.find("\t  -6   Data Inicial Inválida (DDMMAAAA) : |\r\n"), std::string::npos);
}

TEST_F(Bloco0, ParticipantFormsAndTheirTests) {
  auto participante = [](const char* cnpj, const char* cpf, const char* municipio = "3550308",
                         const char* pais = "1058") {
    return Registro0150("P1", "Nome", pais, cnpj, cpf, "IE", municipio, "", "Rua", "1", "", "Centro");
  };
  EXPECT_EQ(chama([&] { return participante("11222333000181", ""); }).sped,
            linhas({"|0150|P1|Nome|1058|11222333000181||IE|3550308||Rua|1||Centro|"}));
  EXPECT_EQ(chama([&] { return participante("", "11144477735"); }).sped,
            linhas({"|0150|P1|Nome|1058||11144477735|IE|3550308||Rua|1||Centro|"}));
  EXPECT_EQ(chama([&] { return participante("11222333000181", "11144477735"); }).sped,
            linhas({"|0150|P1|Nome|1058|11222333000181||IE|3550308||Rua|1||Centro|"}));

  Chamada nenhum = chama([&] { return participante("", "", "1234567", "99"); });
  EXPECT_EQ(nenhum.resultado, -1);
  EXPECT_EQ(nenhum.erro.substr(nenhum.erro.find("\tErro(s)")),
            linhas({"\tErro(s) do Registro:", "\t  -1   CNPJ Inválido : |",
                    "\t  -3   Código do município do domicílio fiscal : 1234567|",
                    "\t  -4   Código do país do participante : 99|"}));
  EXPECT_NE(chama([&] { return participante("", "11144477736"); }).erro.find("\t  -2   CPF Inválido : 11144477736|"),
            std::string::npos);
}

TEST_F(Bloco0, ParticipantCaptionsFollowThreeWidths) {
  Chamada c = chama([] { return Registro0150("P1", "", "1058", "", "11144477735", "", "1", "", "", "", "", ""); });
  for (const char* linha :
       {"\tCódigo de identificação do participante:                       \tP1 -> P1|\r\n",
        "\tCPF do participante na unidade da federação do destinatário: \t11144477735 -> 11144477735|\r\n",
        "\tCódigo do município:                                            \t1 -> 1|\r\n"})
    EXPECT_NE(c.erro.find(linha), std::string::npos) << linha;
}

TEST_F(Bloco0, AccountantNeedsCpfAndName) {
  auto contador = [](const char* nome, const char* cpf, const char* cnpj) {
    return Registro0100(nome, cpf, "CRC", cnpj, "01310100", "", "", "", "", "", "", "", "3550308");
  };
  Chamada c = chama([&] { return contador(" \t", "", "11222333000182"); });
  EXPECT_EQ(c.erro.substr(c.erro.find("\tErro(s)")),
            linhas({"\tErro(s) do Registro:", "\t  -2   CNPJ Inválido : 11222333000182|",
                    "\t  -3   Número de inscrição no CPF Inválida: |",
                    "\t  -4   Nome do Contribuinte Inválido: Preenchimento Obrigatório"}));
  EXPECT_EQ(chama([&] { return contador("Contador", "11144477735", ""); }).sped,
            linhas({"|0100|Contador|11144477735|CRC||01310100||||||||3550308|"}));
}

TEST_F(Bloco0, DateTestsOfTheRegisterRecords) {
  EXPECT_NE(chama([] {
              return Registro0175("2026/11/40", "03", "x");
            }).erro.find("\t  -1   Data de alteração do cadastro(AAAAMMDD): |\r\n"),
            std::string::npos);
  Chamada c = chama([] { return Registro0205("Antiga", "31/02/2026", ""); });
  EXPECT_EQ(c.erro.substr(c.erro.find("\tErro(s)")),
            linhas({"\tErro(s) do Registro:", "\t  -1   Data Inicial Inválida (AAAAMMDD) : |",
                    "\t  -2   Data Final Inválida (AAAAMMDD) : |"}));
  EXPECT_EQ(chama([] { return Registro0205("Antiga", "1/2/26", "28/02/2026"); }).sped,
            linhas({"|0205|Antiga|01022026|28022026|"}));
}

TEST_F(Bloco0, ItemTypeIsTested) {
  EXPECT_EQ(
      chama([] { return Registro0200("I1", "Item", "", "", "UN", "00", "22030000", "", "22", "", "18,00"); }).sped,
      linhas({"|0200|I1|Item|||UN|00|22030000||22||18,00|"}));
  EXPECT_NE(chama([] {
              return Registro0200("I2", "", "", "", "", "11", "", "", "", "", "");
            }).erro.find("\t  -1   Tipo Item - Ativ. Ind, Com e Serviços: 11|"),
            std::string::npos);
}

TEST_F(Bloco0, LongNameIsCutWithAnObservationAndStillWritten) {
  const std::string fantasia(70, 'F');
  Chamada c = chama([&] { return Registro0005(fantasia.c_str(), "01310100", "", "", "", "", "", "", ""); });
  EXPECT_EQ(c.resultado, 0);
  EXPECT_EQ(c.sped, linhas({"|0005|" + std::string(60, 'F') + "|01310100||||||||"}));
  EXPECT_NE(c.erro.find("\t  Nome de fantasia associado:            \tQuantidade de caracteres maior que o permitido - "
                        "Permitido: 60; Passados: 70\r\n"),
            std::string::npos);
}

TEST_F(Bloco0, IrregularCaptionWidths) {
  ASSERT_EQ(Registro0450("123456789", "T"), 0);
  ASSERT_EQ(Registro0460("1234567", "T"), 0);
  EXPECT_EQ(
      le("erro.txt"),
      linhas({"", "REGISTRO 0450", "\tCódigo da informação complementar do documento fiscal: \t123456789 -> 123456|",
              "\tTexto livre:                            \tT -> T|", "", "\tObservação do Registro:",
              "\t  Código da informação complementar do documento fiscal: \tQuantidade de caracteres maior que o "
              "permitido - Permitido: 6; Passados: 9",
              "", "REGISTRO 0460", "\tCódigo da Observação do lançamento fiscal:               \t1234567 -> 123456|",
              "\tDescrição da observação vinculada ao lançamento  fiscal: \tT -> T|", "", "\tObservação do Registro:",
              "\t  Código da Observação do lançamento fiscal:               \tQuantidade de caracteres maior que o "
              "permitido - Permitido: 6; Passados: 7"}));
}

using BlocoE = Registros_Teste;

TEST_F(BlocoE, AssessmentAmountsKeepOnlyDigitsAndComma) {
  EXPECT_EQ(
      chama([] { return RegistroE110("1.234,56", "-5,00", "", "", "", "", "", "", "", "", "", "", "", ""); }).sped,
      linhas({"|E110|1234,56|5,00|||||||||||||"}));
  EXPECT_EQ(RegistroE110("", "", "", "", "", "", "", "", "", "", "", "", "", ""), 0);
}

TEST_F(BlocoE, AssessmentPeriodDates) {
  EXPECT_EQ(chama([] { return RegistroE100("01/11/2026", "30/11/2026"); }).sped, linhas({"|E100|01112026|30112026|"}));
  Chamada c = chama([] { return RegistroE100("", "x"); });
  EXPECT_EQ(c.erro, linhas({"", " REGISTRO E100", "\tData inicial a que a apuração se refere: \t -> |",
                            "\tData final a que a apuração se refere:   \t -> |", "",
                            "\tErro(s) do Registro:", "\t  -1   Data inicial Inválida (AAAAMMDD) : |",
                            "\t  -2   Data Final Inválida (AAAAMMDD) : |"}));
}

}  // namespace
}  // namespace quillbook::teste
