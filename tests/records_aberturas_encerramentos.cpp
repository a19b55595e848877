// Block openers and closers: the indicator's capture and test, and the
// line counts of the closers.
#include "exports/quillbook.h"
#include "frame/tabela_registros.h"
#include "tests/registros_ajuda.h"

namespace quillbook::teste {
namespace {

using Aberturas = Registros_Teste;

TEST_F(Aberturas, IndicatorCaptureAndTest) {
  EXPECT_EQ(chama([] { return RegistroC001("1"); }).sped, linhas({"|C001|1|"}));
  EXPECT_EQ(chama([] { return RegistroD001("A1"); }).sped, linhas({"|D001|1|"}));
  EXPECT_EQ(chama([] { return RegistroE001(" 0"); }).sped, linhas({"|E001|0|"}));
}

TEST_F(Aberturas, TextCaptureOfC001KeepsTheLetterAndRejectsIt) {
  Chamada c = chama([] { return RegistroC001("A1"); });
  EXPECT_EQ(c.resultado, -1);
  EXPECT_EQ(c.erro,
            linhas({"", " REGISTRO C001", "\tIndicador de movimento: \tA1 -> A|", "",
                    "\tErro(s) do Registro:", "\t  -2   Indicador de movimento : A|", "", "\tObservação do Registro:",
                    "\t  Indicador de movimento: \tQuantidade de caracteres maior que o permitido - Permitido: 1; "
                    "Passados: 2"}));
}

TEST_F(Aberturas, LeadingBlankOfC001IsTrimmedByTheTextCapture) {
  EXPECT_EQ(chama([] { return RegistroC001(" 1"); }).sped, linhas({"|C001|1|"}));
}

TEST_F(Aberturas, Opener0001HasItsOwnMessageAndWidth) {
  Chamada c = chama([] { return Registro0001("2"); });
  EXPECT_EQ(c.erro, linhas({"", "REGISTRO 0001", "\tIndicador de movimento: \t2 -> 2|", "",
                            "\tErro(s) do Registro:", "\t  -2   Indicador de movimento Inválido : 2|"}));
}

TEST_F(Aberturas, HeaderLinesAndCaptionWidthsOfTheOtherOpeners) {
  EXPECT_EQ(RegistroD001("9"), -1);
  EXPECT_EQ(Registro9001("9"), -1);
  EXPECT_EQ(le("erro.txt"), linhas({"", " REGISTRO D001", "\tIndicador de movimento:                  \t9 -> 9|", "",
                                    "\tErro(s) do Registro:", "\t  -2   Indicador de movimento : 9|", "",
                                    " REGISTRO 9001", "\tIndicador de movimento:\t9 -> 9|", "",
                                    "\tErro(s) do Registro:", "\t  -2   Indicador de movimento : 9|"}));
}

TEST_F(Aberturas, SecondOpenerIsRejectedEvenWhenValid) {
  ASSERT_EQ(RegistroE001("0"), 0);
  Chamada c = chama([] { return RegistroE001("0"); });
  EXPECT_EQ(c.resultado, -1);
  EXPECT_NE(
      c.erro.find("\t  -1   Só deve haver 1(um) RegistroE001 no arquivo do SPED : Função RegistroE001 chamada mais "
                  "de 1(uma) vez\r\n"),
      std::string::npos);
  EXPECT_EQ(Linha_Registro("E001").Qtd_Erros, 1);
}

using Encerramentos = Registros_Teste;

TEST_F(Encerramentos, CountTheBlocksWrittenLinesAndThemselves) {
  EXPECT_EQ(chama([] { return RegistroC990(); }).sped, linhas({"|C990|1|"}));
  ASSERT_EQ(RegistroD001("0"), 0);
  EXPECT_EQ(RegistroD001("0"), -1);  // rejected lines do not count
  EXPECT_EQ(chama([] { return RegistroD990(); }).sped, linhas({"|D990|2|"}));
}

TEST_F(Encerramentos, Block0CountsItsOpeningRecords) {
  abre_arquivo();
  for (const char* participante : {"A", "B", "C"})
    ASSERT_EQ(Registro0150(participante, "Nome", "1058", "11222333000181", "", "", "3550308", "", "", "", "", ""), 0);
  Chamada c = chama([] { return Registro0990(); });
  EXPECT_EQ(c.sped, linhas({"|0990|6|"}));
}

TEST_F(Encerramentos, SecondCloserIsRejected) {
  ASSERT_EQ(RegistroH990(), 0);
  Chamada c = chama([] { return RegistroH990(); });
  EXPECT_EQ(c.resultado, -1);
  EXPECT_EQ(
      c.erro,
      linhas({"", " REGISTRO H990", "\tQuantidade total de linhas do Bloco H:\t2 -> 2|", "", "\tErro(s) do Registro:",
              "\t  -1   Só deve haver 1(um) RegistroH990 no arquivo do SPED : Função RegistroH990 chamada mais "
              "de 1(uma) vez"}));
}

TEST_F(Encerramentos, HeaderLinesOfTheClosers) {
  for (auto encerra : {Registro0990, RegistroC990, RegistroD990, RegistroE990, RegistroH990, Registro1990}) {
    ASSERT_EQ(encerra(), 0);
    ASSERT_EQ(encerra(), -1);
  }
  const std::string erro = le("erro.txt");
  for (const char* cabecalho :
       {"\r\nREGISTRO 0990\r\n\tQuantidade total de linhas do Bloco 0:   \t", "\r\nREGISTRO C990\r\n",
        "\r\nREGISTRO D990\r\n", "\r\n REGISTRO E990\r\n", "\r\n REGISTRO H990\r\n", "\r\n REGISTRO 1990\r\n"})
    EXPECT_NE(erro.find(cabecalho), std::string::npos) << cabecalho;
}

}  // namespace
}  // namespace quillbook::teste
