#include "platform/arquivos.h"
#include "tests/ajuda.h"
#include "tests/ajuda_sistema.h"

namespace quillbook::teste {
namespace {

using Arquivos = Diretorios_Teste;

TEST_F(Arquivos, LeitorDeLinhas) {
  struct Caso {
    std::string conteudo;
    std::vector<std::string> linhas;
  };
  const Caso casos[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\n", {"a"}},
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\rb\n\nc", {"ab", "", "c"}},
      {"a\nb\x1A"
       "c\nd\n",
       {"a", "b"}},
      {"\x1A"
       "a\n",
       {}},
      {"123456789\n12\n", {"12345", "12"}},
      {std::string(200000, 'x') + "\nfim", {"xxxxx", "fim"}},
      // 0x1A is looked for a window at a time: at a window's edge, inside
      // a line that spans windows, and at the start of a line far in.
      {std::string(16383, 'x') + "\n\x1A" + "y\n", {"xxxxx"}},
      {"a\n" + std::string(40000, 'y') + "\x1A" + "z\nc\n", {"a", "yyyyy"}},
      {"a\n" + std::string(20000, 'b') + "\n\x1A\nc", {"a", "bbbbb"}},
      {std::string(70000, 'w') + "\nfim\x1A", {"wwwww", "fim"}},
  };
  // Through both scans, and with buffers too small for the longer lines
  // (which offer no more than the 5 bytes kept here anyway).
  struct Restaura {
    ~Restaura() {
      platform::Tamanho_Bloco_Leitura(0);
      platform::Varredura_Por_Palavras(false);
    }
  } restaura;
  for (std::size_t bloco : {std::size_t{0}, std::size_t{8}, std::size_t{21}}) {
    for (bool palavras : {false, true}) {
      platform::Tamanho_Bloco_Leitura(bloco);
      platform::Varredura_Por_Palavras(palavras);
      for (const auto& [conteudo, linhas] : casos) {
        grava(entrada / "t.res", conteudo);
        platform::Leitor_Linhas leitor((entrada / "t.res").string());
        std::vector<std::string> lidas;
        for (std::string linha; leitor.proxima(linha, 5);) lidas.push_back(linha);
        EXPECT_EQ(lidas, linhas) << conteudo.substr(0, 20) << " buffer " << bloco << (palavras ? " words" : "");
        EXPECT_FALSE(leitor.falhou());
      }
    }
  }
  cria_fifo(entrada / "fifo");  // left to the platforms that have one
  for (const char* nome : {"fifo", "", "nada"})
    EXPECT_FALSE(platform::Leitor_Linhas((entrada / nome).string()).aberto()) << nome;
}

// The buffer kept between readers is lent to one at a time: a reader made
// while another is alive reads into one of its own, and neither disturbs
// the other's lines.
TEST_F(Arquivos, LeitoresAoMesmoTempo) {
  grava(entrada / "a.res", "a1\na2\na3\n");
  grava(entrada / "b.res", "b1\nb2\nb3\n");
  std::vector<std::string> lidas;
  {
    platform::Leitor_Linhas a((entrada / "a.res").string());
    std::string linha;
    ASSERT_TRUE(a.proxima(linha, 10));
    lidas.push_back(linha);
    {
      platform::Leitor_Linhas b((entrada / "b.res").string());
      while (b.proxima(linha, 10)) lidas.push_back(linha);
    }
    while (a.proxima(linha, 10)) lidas.push_back(linha);
  }
  {
    platform::Leitor_Linhas c((entrada / "b.res").string());
    for (std::string linha; c.proxima(linha, 10);) lidas.push_back(linha);
    platform::Libera_Bloco_Leitura();  // not while it is lent
    EXPECT_GT(platform::Bloco_Leitura_Guardado(), 0u);
  }
  EXPECT_EQ(lidas, (std::vector<std::string>{"a1", "b1", "b2", "b3", "a2", "a3", "b1", "b2", "b3"}));
  platform::Libera_Bloco_Leitura();
  EXPECT_EQ(platform::Bloco_Leitura_Guardado(), 0u);
}

using R = platform::Resultado_Acrescimo;

// A table larger than the reader's buffer is read in pieces: lines that
// straddle two pieces, and one longer than a piece, come out as they are.
TEST_F(Arquivos, LeitorDeLinhasEmPedacos) {
  std::string conteudo;
  std::vector<std::string> esperadas;
  for (int i = 0; conteudo.size() < 700000; ++i) {
    std::string linha = std::to_string(i) + std::string(static_cast<std::size_t>(i * 37 % 300), 'a' + i % 26);
    if (i == 1000) linha = std::string(300000, 'L');
    conteudo += linha + (i % 3 == 0 ? "\r\n" : "\n");
    esperadas.push_back(linha.substr(0, 20));
  }
  conteudo += "fim";
  esperadas.push_back("fim");
  grava(entrada / "t.res", conteudo);
  platform::Leitor_Linhas leitor((entrada / "t.res").string());
  std::vector<std::string> lidas;
  for (std::string linha; leitor.proxima(linha, 20);) lidas.push_back(linha);
  EXPECT_EQ(lidas, esperadas);
  EXPECT_FALSE(leitor.falhou());
}

TEST_F(Arquivos, LeituraPosicionadaSoDeArquivo) {
  grava(entrada / "t.res", "12345");
  const platform::Descritor arquivo = platform::Abre_Para_Ler((entrada / "t.res").string());
  ASSERT_NE(arquivo, platform::Sem_Descritor);
  char bloco[8];
  std::size_t lidos = 0;
  std::uint64_t tamanho = 0;
  EXPECT_TRUE(platform::Le_Em(arquivo, bloco, sizeof bloco, 2, lidos));
  EXPECT_EQ(std::string(bloco, lidos), "345");
  EXPECT_TRUE(platform::Le_Em(arquivo, bloco, sizeof bloco, 5, lidos));
  EXPECT_EQ(lidos, 0u);
  EXPECT_TRUE(platform::Tamanho_Regular(arquivo, tamanho));
  EXPECT_EQ(tamanho, 5u);
  EXPECT_TRUE(platform::Fecha(arquivo));
  EXPECT_EQ(platform::Abre_Para_Ler((entrada / "nada").string()), platform::Sem_Descritor);
}

TEST_F(Arquivos, AcrescentaSoEmArquivoRegular) {
  std::vector<std::string> nomes = {"", "nada/x"};
  if (cria_fifo(saida / "fifo")) nomes.push_back("fifo");
  for (const auto& nome : nomes)
    EXPECT_EQ(platform::Acrescenta_Linhas((saida / nome).string(), {"a"}), R::Nao_Gravado) << nome;
  EXPECT_EQ(platform::Acrescenta_Linhas((saida / "x").string(), {"a", "", "b"}), R::Gravado);
  EXPECT_EQ(platform::Acrescenta_Linhas((saida / "x").string(), {}), R::Gravado);
  EXPECT_EQ(le("x"), "a\r\n\r\nb\r\n");
}

// A write that fails after any number of its bytes leaves the file as it
// was, and the next append goes on from there.
TEST_F(Arquivos, EscritaQueFalhaNoMeioEDesfeita) {
  const std::string caminho = (saida / "x").string();
  const std::vector<std::string> bloco = {"|0150|P000700|Rua da Praia|", "", "fim"};
  const std::size_t tamanho = platform::Acrescenta_Linhas(caminho, bloco) == R::Gravado ? le("x").size() : 0;
  ASSERT_EQ(tamanho, 36u);
  for (std::size_t apos : {std::size_t{1}, std::size_t{20}, std::size_t{29}, std::size_t{30}, tamanho - 1}) {
    for (bool irregulares : {false, true}) {
      SCOPED_TRACE(std::to_string(apos) + (irregulares ? " short and interrupted" : ""));
      grava(saida / "x", "antes\r\n");
      platform::Escritas_Irregulares(irregulares ? 3 : 0, irregulares);
      platform::Falha_Na_Escrita(1, apos);
      EXPECT_EQ(platform::Acrescenta_Linhas(caminho, bloco), R::Nao_Gravado);
      EXPECT_EQ(le("x"), "antes\r\n");
      EXPECT_EQ(platform::Acrescenta_Linhas(caminho, {"b"}), R::Gravado);
      EXPECT_EQ(le("x"), "antes\r\nb\r\n");
    }
  }
  platform::Desarma_Falhas();
  platform::Falha_Na_Escrita(2);  // the second append from now, without opening its file
  EXPECT_EQ(platform::Acrescenta_Linhas(caminho, {"c"}), R::Gravado);
  EXPECT_EQ(platform::Acrescenta_Linhas(caminho, {"d"}), R::Nao_Gravado);
  EXPECT_EQ(platform::Acrescenta_Linhas((saida / "novo").string(), {"d"}), R::Gravado);
  EXPECT_EQ(le("x"), "antes\r\nb\r\nc\r\n");
}

// A close that fails after the whole write is undone as a failed write is,
// on the first append to a file and on the later ones; but a file that
// another hand changed since the last append keeps every byte, since what
// stands past where the append should have begun may not be its own.
TEST_F(Arquivos, FechamentoQueFalhaDesfazSoOQueEDoAcrescimo) {
  const std::string caminho = (saida / "x").string();
  grava(saida / "x", "antes\r\n");
  for (int vez = 0; vez < 2; ++vez) {
    platform::Falha_No_Fechamento(1);
    EXPECT_EQ(platform::Acrescenta_Linhas(caminho, {"a"}), R::Nao_Gravado) << vez;
    EXPECT_EQ(le("x"), "antes\r\n") << vez;
  }
  EXPECT_EQ(platform::Acrescenta_Linhas(caminho, {"b"}), R::Gravado);
  grava(saida / "x", "outro conteudo\r\n");
  platform::Falha_No_Fechamento(1);
  EXPECT_EQ(platform::Acrescenta_Linhas(caminho, {"c"}), R::Danificado);
  EXPECT_EQ(le("x"), "outro conteudo\r\nc\r\n");
  platform::Esquece_Fins();
  platform::Falha_No_Fechamento(1);
  EXPECT_EQ(platform::Acrescenta_Linhas(caminho, {"d"}), R::Nao_Gravado);
  EXPECT_EQ(le("x"), "outro conteudo\r\nc\r\n");
}

// Short and interrupted writes are carried on to the last byte.
TEST_F(Arquivos, EscritasCurtasEInterrompidasSaoRetomadas) {
  std::string longa;
  for (int c = 0; c < 5000; ++c) longa += static_cast<char>(c % 251 + 1);
  for (std::size_t maximo : {std::size_t{1}, std::size_t{7}, std::size_t{4096}}) {
    fs::remove(saida / "x");
    platform::Escritas_Irregulares(maximo, maximo != 4096);
    EXPECT_EQ(platform::Acrescenta_Linhas((saida / "x").string(), {longa, "", longa}), R::Gravado) << maximo;
    EXPECT_EQ(le("x"), longa + "\r\n\r\n" + longa + "\r\n") << maximo;
  }
}

// Where the cut-back fails too, the append says so: the file may hold a
// part of the lines.
TEST_F(Arquivos, CorteQueFalhaEDito) {
  grava(saida / "x", "antes\r\n");
  platform::Falha_No_Corte(true);
  platform::Falha_Na_Escrita(1, 3);
  EXPECT_EQ(platform::Acrescenta_Linhas((saida / "x").string(), {"abcdef"}), R::Danificado);
  EXPECT_EQ(le("x"), "antes\r\nabc");
  platform::Falha_Na_Escrita(1);  // nothing written: nothing to cut
  EXPECT_EQ(platform::Acrescenta_Linhas((saida / "x").string(), {"g"}), R::Nao_Gravado);
  EXPECT_EQ(le("x"), "antes\r\nabc");
}

}  // namespace
}  // namespace quillbook::teste
