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
  };
  for (const auto& [conteudo, linhas] : casos) {
    grava(entrada / "t.res", conteudo);
    platform::Leitor_Linhas leitor((entrada / "t.res").string());
    std::vector<std::string> lidas;
    for (std::string linha; leitor.proxima(linha, 5);) lidas.push_back(linha);
    EXPECT_EQ(lidas, linhas) << conteudo.substr(0, 20);
    EXPECT_FALSE(leitor.falhou());
  }
  cria_fifo(entrada / "fifo");  // left to the platforms that have one
  for (const char* nome : {"fifo", "", "nada"})
    EXPECT_FALSE(platform::Leitor_Linhas((entrada / nome).string()).aberto()) << nome;
}

TEST_F(Arquivos, AcrescentaSoEmArquivoRegular) {
  std::vector<std::string> nomes = {"", "nada/x"};
  if (cria_fifo(saida / "fifo")) nomes.push_back("fifo");
  for (const auto& nome : nomes) EXPECT_FALSE(platform::Acrescenta_Linhas((saida / nome).string(), {"a"})) << nome;
  EXPECT_TRUE(platform::Acrescenta_Linhas((saida / "x").string(), {"a", "", "b"}));
  EXPECT_TRUE(platform::Acrescenta_Linhas((saida / "x").string(), {}));
  EXPECT_EQ(le("x"), "a\r\n\r\nb\r\n");
}

}  // namespace
}  // namespace quillbook::teste
