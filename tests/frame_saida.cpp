#include "exports/quillbook.h"
#include "frame/geracao.h"
#include "frame/saida.h"
#include "platform/arquivos.h"
#include "tests/ajuda.h"

namespace quillbook::teste {
namespace {

using Saida = Geracao_Teste;

const std::string Log = "\r\nREGISTRO C100\r\n\tCampo:\t x  -> x |\r\n";
const std::string Erros = "\r\n\tErro(s) do Registro:\r\n\t  -1   um\r\n\t  -2   dois\r\n";
const std::string Obs = "\r\n\tObservação do Registro:\r\n\t  Campo:\tcortado\r\n\t  Outro:\tcortado\r\n";

TEST_F(Saida, LinhasGravadasByteAByteComCRLF) {
  std::string todos_os_bytes(1, '\x1A');
  for (int c = 0x80; c <= 0xFF; ++c) todos_os_bytes += static_cast<char>(c);
  for (const char* linha : {"|0000|ação|", "", todos_os_bytes.c_str(), static_cast<const char*>(nullptr)})
    Trata_SPED(linha);
  EXPECT_EQ(le("sped.txt"), "|0000|ação|\r\n\r\n" + todos_os_bytes + "\r\n\r\n");
  EXPECT_FALSE(existe("erro.txt"));
  EXPECT_TRUE(mensagens.empty());
}

// Rejected records leave form A, accepted ones with observations form B;
// either way the three lists are emptied.
TEST_F(Saida, BlocosDoRelatorioDeErros) {
  struct Caso {
    bool aceito;
    Lista erros;
    Lista obs;
    std::string sped;
    std::string erro;
  };
  const Caso casos[] = {
      {false, {"-1   um", "-2   dois"}, {}, "", Log + Erros},
      {false, {"-1   um", "-2   dois"}, {"Campo:\tcortado", "Outro:\tcortado"}, "", Log + Erros + Obs},
      {false, {}, {"Campo:\tcortado", "Outro:\tcortado"}, "", Log + Obs},
      {false, {}, {}, "", ""},
      {true, {}, {"Campo:\tcortado", "Outro:\tcortado"}, "L\r\n", Log + Obs},
      {true, {}, {}, "L\r\n", ""},
  };
  for (const auto& caso : casos) {
    SCOPED_TRACE(caso.erro);
    for (const char* nome : {"sped.txt", "erro.txt"}) fs::remove(saida / nome);
    Geracao& g = Estado();
    g.Lista_Log = {"REGISTRO C100", "\tCampo:\t x  -> x |"};
    g.Lista_Erros = caso.erros;
    g.Lista_Observacoes = caso.obs;
    if (caso.aceito)
      Trata_SPED("L");
    else
      Grava_Erros(g.Lista_Erros);
    EXPECT_EQ(le("sped.txt"), caso.sped);
    EXPECT_EQ(le("erro.txt"), caso.erro);
    EXPECT_TRUE(g.Lista_Log.empty() && g.Lista_Erros.empty() && g.Lista_Observacoes.empty());
  }
  for (const char* erro : {"-1   um", "-2   dois"}) {  // two rejected records, two blocks
    Estado().Lista_Erros = {erro};
    Grava_Erros(Estado().Lista_Erros);
  }
  EXPECT_EQ(le("erro.txt"),
            "\r\n\r\n\tErro(s) do Registro:\r\n\t  -1   um\r\n\r\n\r\n\tErro(s) do Registro:\r\n\t  -2   dois\r\n");
  EXPECT_TRUE(mensagens.empty());
}

// Each failed write tells the path of its file once; the other file and the
// next calls go on.
TEST_F(Saida, FalhaDeEscritaAvisadaEAGeracaoSegue) {
  struct Caso {
    int falha;
    std::vector<std::string> mensagens;
    std::string sped;
    std::string erro;
  };
  const Caso casos[] = {
      {1, {falha_escrita("sped.txt")}, "", "\r\n\r\n\tObservação do Registro:\r\n\t  o\r\n"},
      {2, {falha_escrita("erro.txt")}, "L\r\n", ""},
  };
  for (const auto& caso : casos) {
    for (const char* nome : {"sped.txt", "erro.txt"}) fs::remove(saida / nome);
    mensagens.clear();
    platform::Falha_Na_Escrita(caso.falha);
    Estado().Lista_Observacoes = {"o"};
    Trata_SPED("L");
    EXPECT_EQ(mensagens, caso.mensagens);
    EXPECT_EQ(le("sped.txt"), caso.sped);
    EXPECT_EQ(le("erro.txt"), caso.erro);
    EXPECT_TRUE(Estado().Lista_Observacoes.empty());
  }
  mensagens.clear();
  fs::remove_all(saida);
  Trata_SPED("L");
  Estado().Lista_Erros = {"-1   um"};
  Grava_Erros(Estado().Lista_Erros);
  Finaliza_SPED();
  EXPECT_EQ(mensagens,
            (std::vector<std::string>{falha_escrita("sped.txt"), falha_escrita("erro.txt"), falha_escrita("log.txt")}));
  EXPECT_TRUE(Estado().Lista_Erros.empty());
  EXPECT_FALSE(Estado().Iniciado);
}

// An append that fails part-way is cut back: no torn line in sped.txt and
// no half block in erro.txt; Trata_Linha tells whether the line went in.
TEST_F(Saida, EscritaQueFalhaNoMeioNaoDeixaPedaco) {
  ASSERT_TRUE(Trata_Linha("|0000|antes|"));
  Estado().Lista_Erros = {"-1   um"};
  Grava_Erros(Estado().Lista_Erros);
  const std::string sped = le("sped.txt"), erro = le("erro.txt");
  platform::Falha_Na_Escrita(1, 5);
  Estado().Lista_Observacoes = {"o"};
  EXPECT_FALSE(Trata_Linha("|0150|P000700|Rua da Praia|"));
  platform::Falha_Na_Escrita(1, 12);
  Estado().Lista_Erros = {"-1   um", "-2   dois"};
  Grava_Erros(Estado().Lista_Erros);
  EXPECT_EQ(le("sped.txt"), sped);
  EXPECT_EQ(le("erro.txt"), erro + "\r\n\r\n\tObservação do Registro:\r\n\t  o\r\n");
  EXPECT_EQ(mensagens, (std::vector<std::string>{falha_escrita("sped.txt"), falha_escrita("erro.txt")}));
  EXPECT_TRUE(Trata_Linha("|0150|P000700|"));
  EXPECT_EQ(le("sped.txt"), sped + "|0150|P000700|\r\n");
}

// A part of a line that could not be cut back stays on a line of its own:
// the next append that goes in whole ends it first, once, and every line
// accepted after it is whole. Each file owes its own end.
TEST_F(Saida, PedacoQueNaoSeDesfezFicaNumaLinhaSo) {
  const std::string desfazer = "Erro ao tentar desfazer a escrita incompleta no arquivo ";
  ASSERT_TRUE(Trata_Linha("|0000|antes|"));
  platform::Falha_No_Corte(true);
  platform::Falha_Na_Escrita(1, 5);
  EXPECT_FALSE(Trata_Linha("|0150|P000700|"));
  platform::Falha_Na_Escrita(1, 3);
  Estado().Lista_Erros = {"-1   um"};
  Grava_Erros(Estado().Lista_Erros);
  platform::Falha_No_Corte(false);
  // The end is still owed after an append that did not go in at all.
  platform::Falha_Na_Escrita(1);
  EXPECT_FALSE(Trata_Linha("|0190|UN|"));
  EXPECT_TRUE(Trata_Linha("|0150|P000800|"));
  EXPECT_TRUE(Trata_Linha("|0190|KG|"));
  Estado().Lista_Erros = {"-2   dois"};
  Grava_Erros(Estado().Lista_Erros);
  EXPECT_EQ(le("sped.txt"), "|0000|antes|\r\n|0150\r\n|0150|P000800|\r\n|0190|KG|\r\n");
  // The part that stayed of the erro.txt block ("\r\n\r"), its end, then the
  // next block whole.
  EXPECT_EQ(le("erro.txt"), "\r\n\r\r\n\r\n\r\n\tErro(s) do Registro:\r\n\t  -2   dois\r\n");
  EXPECT_EQ(mensagens, (std::vector<std::string>{desfazer + (saida / "sped.txt").string(),
                                                 desfazer + (saida / "erro.txt").string(), falha_escrita("sped.txt")}));
}

// A close that fails once every byte went in (a delayed write the system
// could not make) leaves the file as if the append had not been tried.
// Where the cut-back fails too, the whole line stays and the next one
// follows it with no empty line.
TEST_F(Saida, FechamentoQueFalhaDepoisDaEscrita) {
  const std::string desfazer = "Erro ao tentar desfazer a escrita incompleta no arquivo ";
  ASSERT_TRUE(Trata_Linha("|0000|antes|"));
  platform::Falha_No_Fechamento(1);
  EXPECT_FALSE(Trata_Linha("|0150|P000700|"));
  platform::Falha_No_Fechamento(1);
  Estado().Lista_Erros = {"-1   um"};
  Grava_Erros(Estado().Lista_Erros);
  EXPECT_TRUE(Trata_Linha("|0150|P000800|"));
  EXPECT_EQ(le("sped.txt"), "|0000|antes|\r\n|0150|P000800|\r\n");
  EXPECT_EQ(le("erro.txt"), "");
  platform::Falha_No_Corte(true);
  platform::Falha_No_Fechamento(1);
  EXPECT_FALSE(Trata_Linha("|0190|UN|"));
  platform::Falha_No_Corte(false);
  EXPECT_TRUE(Trata_Linha("|0190|KG|"));
  EXPECT_EQ(le("sped.txt"), "|0000|antes|\r\n|0150|P000800|\r\n|0190|UN|\r\n|0190|KG|\r\n");
  EXPECT_EQ(mensagens, (std::vector<std::string>{falha_escrita("sped.txt"), falha_escrita("erro.txt"),
                                                 desfazer + (saida / "sped.txt").string()}));
}

// Where another program emptied sped.txt between two lines, a close that
// fails cannot be shown to have left nothing: the line, whole or torn by a
// delayed write that lost its end, is reported as not undone, and the next
// line starts one of its own. Where the start was measured, on the first
// append to the file, a line lost whole is not written.
TEST_F(Saida, FechamentoQueFalhaDepoisDeOutroEsvaziarOArquivo) {
  const std::string desfazer =
      "Erro ao tentar desfazer a escrita incompleta no arquivo " + (saida / "sped.txt").string();
  for (const auto& [antes, perdidos] : {std::pair{"|0190|UN|AAAA|", 0}, std::pair{"|0190|UN|AA|", 2}}) {
    platform::Esquece_Fins();
    grava(saida / "sped.txt", "");
    ASSERT_TRUE(Trata_Linha(antes));
    grava(saida / "sped.txt", "");
    mensagens.clear();
    platform::Falha_No_Fechamento(1, static_cast<std::size_t>(perdidos));
    EXPECT_FALSE(Trata_Linha("|0190|UN|BBBB|"));
    EXPECT_TRUE(Trata_Linha("|0190|UN|CCCC|"));
    EXPECT_EQ(le("sped.txt"), "|0190|UN|BBBB|\r\n|0190|UN|CCCC|\r\n") << antes;
    EXPECT_EQ(mensagens, std::vector<std::string>{desfazer}) << antes;
  }
  platform::Esquece_Fins();
  platform::Falha_No_Fechamento(1, 16);
  EXPECT_FALSE(Trata_Linha("|0190|UN|DDDD|"));
  EXPECT_EQ(le("sped.txt"), "|0190|UN|BBBB|\r\n|0190|UN|CCCC|\r\n");
  EXPECT_EQ(mensagens.back(), falha_escrita("sped.txt"));
}

// A block of erro.txt begins and ends with CR LF. Where another program
// emptied the file, a block two bytes longer than the one before, put
// whole at the true start, leaves past the remembered one its last CR LF,
// as a torn block that began there would: neither can be told from the
// other, so nothing is cut, and the next block still stands after an
// empty line.
TEST_F(Saida, FechamentoQueFalhaComOFimIgualAoComeco) {
  auto bloco = [](const std::string& valor) {
    Estado().Lista_Log = {"REGISTRO 0175", "\tCampo:\t" + valor + " -> " + valor + "|"};
    Estado().Lista_Erros = {"-1   um"};
    Grava_Erros(Estado().Lista_Erros);
    return "\r\nREGISTRO 0175\r\n\tCampo:\t" + valor + " -> " + valor + "|\r\n" +
           "\r\n\tErro(s) do Registro:\r\n\t  -1   um\r\n";
  };
  bloco("x");
  grava(saida / "erro.txt", "");
  mensagens.clear();
  platform::Falha_No_Fechamento(1);
  const std::string inteiro = bloco("xy");
  EXPECT_EQ(mensagens, std::vector<std::string>{"Erro ao tentar desfazer a escrita incompleta no arquivo " +
                                                (saida / "erro.txt").string()});
  const std::string seguinte = bloco("z");
  EXPECT_EQ(le("erro.txt"), inteiro + seguinte);
}

TEST_F(Saida, DiretorioProtegidoNoMeioDaGeracao) {
  Trata_SPED("A");
  if (!protege(saida / "sped.txt") || !protege(saida)) GTEST_SKIP() << "the file system cannot protect files";
  Trata_SPED("B");
  Estado().Lista_Erros = {"-1   um"};
  Grava_Erros(Estado().Lista_Erros);
  EXPECT_EQ(mensagens, (std::vector<std::string>{falha_escrita("sped.txt"), falha_escrita("erro.txt")}));
  EXPECT_EQ(le("sped.txt"), "A\r\n");
}

}  // namespace
}  // namespace quillbook::teste
