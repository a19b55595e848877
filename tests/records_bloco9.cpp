// Block 9: the 9900 counts, 9990, and the file tests of 9999.
#include <functional>
#include <map>
#include <set>
#include <sstream>

#include "exports/quillbook.h"
#include "frame/tabela_registros.h"
#include "platform/arquivos.h"
#include "platform/mensagem.h"
#include "records/bloco9.h"
#include "tests/registros_ajuda.h"

namespace quillbook::teste {
namespace {

class Bloco9 : public Registros_Teste {
 protected:
  // The listed appends from now fail (1 is the next one), each with none of
  // its bytes written: the seam holds one failure at a time, so the next is
  // armed when the one before is told.
  void falha_nos_acrescimos(std::vector<int> ordens) {
    auto arma = [this, ordens, anterior = 0]() mutable {
      if (ordens.empty()) return;
      platform::Falha_Na_Escrita(ordens.front() - anterior);
      anterior = ordens.front();
      ordens.erase(ordens.begin());
    };
    arma();
    platform::Define_Observador_Mensagens([this, arma](std::string_view texto) mutable {
      mensagens.emplace_back(texto);
      arma();
    });
  }

  // Every mandatory record but those of block 9 after 9001.
  void obrigatorios() const {
    abre_arquivo();
    ASSERT_EQ(Registro0005("", "01310100", "", "", "", "", "", "", ""), 0);
    ASSERT_EQ(Registro0990(), 0);
    for (auto abre : {RegistroC001, RegistroD001, RegistroE001, RegistroH001, Registro1001}) ASSERT_EQ(abre("1"), 0);
    for (auto encerra : {RegistroC990, RegistroD990, RegistroE990, RegistroH990, Registro1990}) ASSERT_EQ(encerra(), 0);
    ASSERT_EQ(Registro9001("0"), 0);
  }
};

TEST_F(Bloco9, Totals9900ListTypesInLayoutOrderThenThemselves) {
  abre_arquivo();
  ASSERT_EQ(Registro9001("0"), 0);
  ASSERT_EQ(Registro0990(), 0);
  Chamada c = chama([] { return Registro9900(); });
  EXPECT_EQ(c.resultado, 0);
  EXPECT_EQ(c.sped, linhas({"|9900|0000|1|", "|9900|0001|1|", "|9900|0990|1|", "|9900|9001|1|", "|9900|9900|7|",
                            "|9900|9990|1|", "|9900|9999|1|"}));
  EXPECT_EQ(c.erro, "");
  EXPECT_EQ(Linha_Registro("9900").Qtd_OK, 6);
  EXPECT_EQ(chama([] { return Registro9990(); }).sped, linhas({"|9990|10|"}));
}

TEST_F(Bloco9, Totals9900WithNothingWrittenHoldOnlyTheFixedLines) {
  EXPECT_EQ(chama([] { return Registro9900(); }).sped, linhas({"|9900|9900|2|", "|9900|9990|1|", "|9900|9999|1|"}));
  EXPECT_EQ(Linha_Registro("9900").Qtd_OK, 1);
}

TEST_F(Bloco9, Totals9900CountOnlyAcceptedLines) {
  for (int i = 0; i < 12; ++i) ASSERT_EQ(Registro0015("SP", ""), 0);
  for (int i = 0; i < 3; ++i) ASSERT_EQ(Registro0015("XX", ""), -1);
  EXPECT_EQ(chama([] { return Registro9900(); }).sped.substr(0, 15), "|9900|0015|12|\r");
}

// The second walk finds row 9900 above 0 and raises it once more.
TEST_F(Bloco9, Totals9900CalledTwiceWriteASecondSet) {
  ASSERT_EQ(Registro9900(), 0);
  EXPECT_EQ(chama([] { return Registro9900(); }).sped, linhas({"|9900|9900|4|", "|9900|9990|1|", "|9900|9999|1|"}));
}

TEST_F(Bloco9, FileWithOnlyMandatoryRecordsLacksE100UnderE001) {
  obrigatorios();
  ASSERT_EQ(Registro9900(), 0);
  ASSERT_EQ(Registro9990(), 0);
  Chamada c = chama([] { return Registro9999(); });
  EXPECT_EQ(c.resultado, -1);
  EXPECT_EQ(c.erro.substr(0, c.erro.find("\r\n\r\n") + 4),
            linhas({"", "\tQuantidade total de linhas do arquivo digital:\t35 -> 35|", ""}));
  EXPECT_EQ(erros(c), linhas({"\tErro(s) do Registro:",
                              "\t  -0Deve haver 1 ou mais RegistrosE100 para cada RegistroE001 - "
                              "Total de RegistrosE001 = 1 - Total de RegistrosE100 = 0"}));
}

TEST_F(Bloco9, ClosingLineCountsTheWholeFileOnceEveryTestPasses) {
  obrigatorios();
  ASSERT_EQ(RegistroE100("01/11/2026", "30/11/2026"), 0);
  ASSERT_EQ(RegistroE110("", "", "", "", "", "", "", "", "", "", "", "", "", ""), 0);
  ASSERT_EQ(Registro9900(), 0);
  ASSERT_EQ(Registro9990(), 0);
  Chamada c = chama([] { return Registro9999(); });
  EXPECT_EQ(c.resultado, 0);
  const std::string sped = le("sped.txt");
  const auto linhas_no_arquivo = std::count(sped.begin(), sped.end(), '\n');
  EXPECT_EQ(c.sped, "|9999|" + std::to_string(linhas_no_arquivo) + "|\r\n");
  EXPECT_EQ(Registro9999(), -1);
  EXPECT_NE(le("erro.txt")
                .find("\t  -1   Só deve haver 1(um) Registro9999 no arquivo do SPED : Função Registro9999 chamada "
                      "mais de 1(uma) vez\r\n"),
            std::string::npos);
}

TEST_F(Bloco9, MissingMandatoryTypesCarryTheirRowPlusOne) {
  Chamada c = chama([] { return Registro9999(); });
  std::string esperado = "\tErro(s) do Registro:\r\n";
  for (const char* linha :
       {"-2 Registro 0000", "-3 Registro 0001", "-4 Registro 0005", "-17 Registro 0990", "-18 Registro C001",
        "-71 Registro C990", "-72 Registro D001", "-108 Registro D990", "-109 Registro E001", "-127 Registro E990",
        "-128 Registro H001", "-131 Registro H990", "-132 Registro 1001", "-148 Registro 1990", "-149 Registro 9001",
        "-150 Registro 9900", "-151 Registro 9990"})
    esperado +=
        "\t  " + std::string(linha) + " obrigatório : O arquivo deve conter pelo menos 1 registro deste tipo\r\n";
  EXPECT_EQ(erros(c), esperado);
}

TEST_F(Bloco9, PairsOfOneChildNeedEqualCounts) {
  obrigatorios();
  ASSERT_EQ(Registro9900(), 0);
  ASSERT_EQ(Registro9990(), 0);
  for (int i = 0; i < 2; ++i) ASSERT_EQ(RegistroE100("01/11/2026", "30/11/2026"), 0);
  ASSERT_EQ(RegistroE110("", "", "", "", "", "", "", "", "", "", "", "", "", ""), 0);
  EXPECT_EQ(erros(chama([] { return Registro9999(); })),
            linhas({"\tErro(s) do Registro:",
                    "\t  -0Deve haver 1 RegistroE110 para cada RegistroE100 - Total de "
                    "RegistrosE100 = 2 - Total de RegistrosE110 = 1"}));
  ASSERT_EQ(RegistroE110("", "", "", "", "", "", "", "", "", "", "", "", "", ""), 0);
  EXPECT_EQ(Registro9999(), 0);
}

TEST_F(Bloco9, PairErrorsAreNumberedFromZeroBesideTheOtherNumberings) {
  abre_arquivo();
  ASSERT_EQ(Registro0150("A", "", "1058", "11222333000181", "", "", "3550308", "", "", "", "", ""), 0);
  ASSERT_EQ(Registro0200("I", "", "", "", "", "00", "", "", "", "", ""), 0);
  Chamada c = chama([] { return Registro9999(); });
  const std::string e = erros(c);
  EXPECT_NE(
      e.find("\t  -0Deve haver 1 ou mais Registros0175 para cada Registro0150 - Total de Registros0150 = 1 - Total "
             "de Registros0175 = 0\r\n\t  -1Deve haver 1 ou mais Registros0220 para cada Registro0200 - Total de "
             "Registros0200 = 1 - Total de Registros0220 = 0\r\n"),
      std::string::npos);
  EXPECT_NE(e.find("\t  -4 Registro 0005 obrigatório"), std::string::npos);
}

// 9900 counts only the lines it wrote: a type line that failed is missing
// from the file and from the count of 9900 lines, and 9990 still counts
// block 9 exactly.
TEST_F(Bloco9, Totals9900CountOnlyTheLinesWritten) {
  abre_arquivo();
  ASSERT_EQ(Registro9001("0"), 0);
  ASSERT_EQ(Registro0990(), 0);
  platform::Falha_Na_Escrita(2, 5);  // the line of 0001
  Chamada c = chama([] { return Registro9900(); });
  EXPECT_EQ(c.resultado, -1);
  EXPECT_EQ(c.sped, linhas({"|9900|0000|1|", "|9900|0990|1|", "|9900|9001|1|", "|9900|9900|6|", "|9900|9990|1|",
                            "|9900|9999|1|"}));
  EXPECT_EQ(mensagens, std::vector<std::string>{falha_escrita("sped.txt")});
  EXPECT_EQ(Linha_Registro("9900").Qtd_OK, 5);
  EXPECT_EQ(Linha_Registro("9900").Qtd_Erros, 1);
  EXPECT_EQ(chama([] { return Registro9990(); }).sped, linhas({"|9990|9|"}));
}

// Whatever lines fail, row 9900 ends one below the 9900 lines in the file,
// the rule 9990 and 9999 count by, and never below where it stood.
TEST_F(Bloco9, Totals9900RowFollowsTheLinesInTheFile) {
  struct Caso {
    std::vector<int> falhas;  // appends of the call that fail
    int32_t linha_propria;
  };
  // Appends 1 to 3: the lines of 0000, 0001 and 9001; 4 to 6: the fixed ones.
  const Caso casos[] = {{{}, 5}, {{4}, 4}, {{5, 6}, 3}, {{1, 2, 3}, 2}, {{1, 2, 3, 4, 5}, 0}, {{1, 2, 3, 4, 5, 6}, 0}};
  for (const auto& caso : casos) {
    SCOPED_TRACE(::testing::PrintToString(caso.falhas));
    TearDown();
    SetUp();
    mensagens.clear();
    abre_arquivo();
    ASSERT_EQ(Registro9001("0"), 0);
    const std::size_t antes = le("sped.txt").size();
    falha_nos_acrescimos(caso.falhas);
    const int32_t resultado = Registro9900();
    const std::string escritas = le("sped.txt").substr(antes);
    const auto linhas_9900 = std::count(escritas.begin(), escritas.end(), '\n');
    EXPECT_EQ(resultado, caso.falhas.empty() ? 0 : -1);
    EXPECT_EQ(linhas_9900, 6 - static_cast<long>(caso.falhas.size()));
    EXPECT_EQ(Linha_Registro("9900").Qtd_OK, caso.linha_propria);
    EXPECT_EQ(mensagens.size(), caso.falhas.size());
  }
}

TEST_F(Bloco9, ClosingRecordWhoseLineFailsAnswersMinusOneAndMayBeWrittenAgain) {
  obrigatorios();
  ASSERT_EQ(RegistroE100("01/11/2026", "30/11/2026"), 0);
  ASSERT_EQ(RegistroE110("", "", "", "", "", "", "", "", "", "", "", "", "", ""), 0);
  ASSERT_EQ(Registro9900(), 0);
  ASSERT_EQ(Registro9990(), 0);
  platform::Falha_Na_Escrita(1, 4);
  Chamada c = chama([] { return Registro9999(); });
  EXPECT_EQ(c.resultado, -1);
  EXPECT_EQ(c.sped, "");
  EXPECT_EQ(Linha_Registro("9999").Qtd_OK, 0);
  EXPECT_EQ(Linha_Registro("9999").Qtd_Erros, 1);
  EXPECT_EQ(Registro9999(), 0);
  const std::string sped = le("sped.txt");
  EXPECT_EQ(sped.substr(sped.rfind("|9999|")),
            "|9999|" + std::to_string(std::count(sped.begin(), sped.end(), '\n')) + "|\r\n");
}

TEST(Pares_Pai_Filho, HoldEightyPairsOfKnownTypes) {
  Preenche_Tabela();
  std::set<std::pair<std::string, std::string>> distintos;
  int um = 0;
  for (const auto& par : Pares_Pai_Filho) {
    EXPECT_NE(Localiza_Registro(par.pai), 0) << par.pai;
    EXPECT_NE(Localiza_Registro(par.filho), 0) << par.filho;
    distintos.insert({par.pai, par.filho});
    um += par.regra == Filhos::Um;
  }
  EXPECT_EQ(distintos.size(), 80u);
  EXPECT_EQ(um, 14);
}

}  // namespace
}  // namespace quillbook::teste
