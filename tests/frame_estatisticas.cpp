#include "exports/quillbook.h"
#include "frame/estatisticas.h"
#include "frame/geracao.h"
#include "frame/tabela_registros.h"
#include "platform/arquivos.h"
#include "tests/ajuda.h"

namespace quillbook::teste {
namespace {

using Estatisticas = Geracao_Teste;

const std::string Cabecalho = "Estastísticas dos Registros:\r\n\r\nREGISTROS\tOK\tOBS\tERROS\t%ERRO\tTOTAL\r\n";
const std::string Traco = "-----------------------------------------------------\r\n";

TEST_F(Estatisticas, RelatorioDeUmaGeracaoVazia) {
  Finaliza_SPED();
  EXPECT_EQ(le("log.txt"), Cabecalho + Traco + Traco + "Total\t\t0\t0\t0\t0,00%\t0\r\n");
  EXPECT_TRUE(mensagens.empty());
}

// A report that fails part-way leaves no half of it behind, and the
// generation is closed all the same.
TEST_F(Estatisticas, RelatorioQueFalhaNoMeioNaoFicaPelaMetade) {
  grava(saida / "log.txt", "antigo\r\n");
  platform::Falha_Na_Escrita(1, 40);
  Finaliza_SPED();
  EXPECT_EQ(le("log.txt"), "antigo\r\n");
  EXPECT_EQ(mensagens, std::vector<std::string>{falha_escrita("log.txt")});
  EXPECT_FALSE(Estado().Iniciado);
}

TEST_F(Estatisticas, LinhasEmOrdemDaTabelaSoAsChamadas) {
  struct Contagem {
    const char* codigo;
    int ok, obs, erros;
  };
  for (auto [codigo, ok, obs, erros] :
       {Contagem{"9999", 1, 0, 0}, {"D100", 0, 0, 2}, {"C100", 3, 1, 1}, {"C170", 2, 0, 1}, {"0000", 1, 1, 0}}) {
    Info_Registro& r = Linha_Registro(codigo);
    r.Qtd_OK = ok, r.Qtd_Obs = obs, r.Qtd_Erros = erros;
  }
  Estado().Lista_Log = {"REGISTRO 0000"};
  Finaliza_SPED();
  EXPECT_EQ(le("log.txt"), Cabecalho + Traco + "Registro 0000\t1\t1\t0\t0,00%\t1\r\n" +
                               "Registro C100\t3\t1\t1\t25,00%\t4\r\n" + "Registro C170\t2\t0\t1\t33,33%\t3\r\n" +
                               "Registro D100\t0\t0\t2\t100,00%\t2\r\n" + "Registro 9999\t1\t0\t0\t0,00%\t1\r\n" +
                               Traco + "Total\t\t7\t2\t4\t36,36%\t11\r\n");
  EXPECT_TRUE(Estado().Lista_Log.empty());
}

// Row shares round half away from zero; the total goes to four decimals
// (ties to even) and then to two.
TEST(Percentuais, ArredondamentoExato) {
  struct Caso {
    int64_t erros, total, linha, total_geral;
  };
  for (auto [erros, total, linha, geral] : {Caso{1, 32, 313, 313},
                                            {1, 800, 13, 13},
                                            {23, 160, 1438, 1438},
                                            {1, 113, 88, 89},
                                            {50, 101, 4950, 4951},
                                            {1, 3, 3333, 3333},
                                            {3, 3, 10000, 10000},
                                            {0, 0, 0, 0},
                                            {99, 2000000, 0, 1}}) {
    EXPECT_EQ(Percentual_Linha(erros, total), linha) << erros << "/" << total;
    EXPECT_EQ(Percentual_Total(erros, total), geral) << erros << "/" << total;
  }
}

TEST(Percentuais, SeparadoresRegionais) {
  platform::Configuracao_Regional americana;
  americana.separador_decimal = ".", americana.separador_milhar = ",";
  struct Caso {
    int64_t centesimos;
    const char* brasil;
    const char* eua;
  };
  for (auto [centesimos, brasil, eua] : {Caso{0, "0,00", "0.00"},
                                         {2500, "25,00", "25.00"},
                                         {10000, "100,00", "100.00"},
                                         {123456789, "1.234.567,89", "1,234,567.89"}}) {
    {
      Regional_Local local;
      EXPECT_EQ(Formata_Percentual(centesimos), brasil);
    }
    Regional_Local local(americana);
    EXPECT_EQ(Formata_Percentual(centesimos), eua);
  }
}

}  // namespace
}  // namespace quillbook::teste
