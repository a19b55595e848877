// Block H inventory: the inventory date, the ownership indicator with its
// long caption, numeric captures of quantities, and the block's counts.
#include <utility>

#include "exports/quillbook.h"
#include "tests/registros_ajuda.h"

namespace quillbook::teste {
namespace {

using BlocoH = Registros_Teste;

int32_t item(const char* ind_prop, const char* qtd = "2") {
  return RegistroH010("I1", "UN", qtd, "10,00", "20,00", ind_prop, "", "", "");
}

TEST_F(BlocoH, InventoryDateIsTested) {
  EXPECT_EQ(chama([] { return RegistroH005("31/12/2025", "1.000,00"); }).sped, linhas({"|H005|31122025|1000,00|"}));
  Chamada c = chama([] { return RegistroH005("", "1"); });
  EXPECT_EQ(c.resultado, -1);
  EXPECT_EQ(c.erro, linhas({"", " REGISTRO H005", log_campo("Data do inventário:", 23, "", "|"),
                            log_campo("Valor total do estoque:", 23, "1", "1|"), "",
                            "\tErro(s) do Registro:", "\t  -1   Data Final Inválida (AAAAMMDD) : |"}));
}

TEST_F(BlocoH, InventoryDateReadsTimeOfDayAndYearInEitherRegionalOrder) {
  platform::Configuracao_Regional brasileira, americana;
  americana.ordem = platform::Ordem_Data::MDA;
  struct Caso {
    const char *dma, *mda, *data;
  };
  const Caso aceitos[] = {{"1/1/1/1", "1/1/1/1", "01012001"},
                          {"31/12/2009 10", "12/31/2009 10", "31122009"},
                          {"31/12/2009 12 PM", "12/31/2009 12 PM", "31122009"},
                          {"31/12/2009 010:30", "12/31/2009 010:30", "31122009"},
                          {"31/12/2009 10:030", "12/31/2009 10:030", "31122009"},
                          {"1/1/02009", "1/1/02009", "01012009"},
                          {"10", "10", "30121899"}};
  for (const auto& [dma, mda, data] : aceitos) {
    for (const auto& [conf, texto] : {std::pair{brasileira, dma}, std::pair{americana, mda}}) {
      Regional_Local local(conf);
      EXPECT_EQ(chama([&] { return RegistroH005(texto, "1"); }).sped, linhas({std::string("|H005|") + data + "|1|"}))
          << texto;
    }
  }
  const std::pair<const char*, const char*> rejeitados[] = {{"24", "24"},
                                                            {"31/12/2009 0 AM", "12/31/2009 0 AM"},
                                                            {"31/12/2009 13 PM", "12/31/2009 13 PM"},
                                                            {"31/12/2009 24:00", "12/31/2009 24:00"},
                                                            {"1/1/10000", "1/1/10000"},
                                                            {"00000000", "00000000"},
                                                            {"31122009", "12312009"}};
  for (const auto& [dma, mda] : rejeitados) {
    for (const auto& [conf, texto] : {std::pair{brasileira, dma}, std::pair{americana, mda}}) {
      Regional_Local local(conf);
      Chamada c = chama([&] { return RegistroH005(texto, "1"); });
      EXPECT_EQ(c.resultado, -1) << texto;
      EXPECT_EQ(c.erro, linhas({"", " REGISTRO H005", log_campo("Data do inventário:", 23, "", "|"),
                                log_campo("Valor total do estoque:", 23, "1", "1|"), "",
                                "\tErro(s) do Registro:", "\t  -1   Data Final Inválida (AAAAMMDD) : |"}))
          << texto;
    }
  }
}

TEST_F(BlocoH, OwnershipIndicatorIsTestedOnItsFirstCharacter) {
  for (const char* valido : {"0", "1", "2"}) EXPECT_EQ(item(valido), 0) << valido;
  EXPECT_NE(chama([] { return item(""); }).erro.find("\t  -1   Indicador de propriedade/posse do item: inválido: |"),
            std::string::npos);
  EXPECT_EQ(item("3"), -1);
  Chamada c = chama([] { return item("21", "1.234,56"); });
  EXPECT_EQ(c.sped, linhas({"|H010|I1|UN|1234,56|10,00|20,00|2||||"}));
  std::string rotulo =
      "Indicador de propriedade/posse do item: 0- Item de propriedade do informante e em seu poder; 1- Item de "
      "propriedade do informante em posse de terceiros; 2- Item de propriedade de terceiros em posse do informante";
  EXPECT_NE(c.erro.find(log_campo(rotulo, 213, "21", "2|")), std::string::npos);
}

TEST_F(BlocoH, OnlyWrittenItemsCountInTheBlockAndTotals) {
  ASSERT_EQ(RegistroH001("0"), 0);
  ASSERT_EQ(item("0"), 0);
  ASSERT_EQ(item("1"), 0);
  ASSERT_EQ(item("9"), -1);
  EXPECT_EQ(chama([] { return RegistroH990(); }).sped, linhas({"|H990|4|"}));
  EXPECT_NE(chama([] { return Registro9900(); }).sped.find("\r\n|9900|H010|2|\r\n"), std::string::npos);
}

}  // namespace
}  // namespace quillbook::teste
