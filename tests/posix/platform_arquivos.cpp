#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <fstream>

#include "exports/quillbook.h"
#include "platform/arquivos.h"
#include "tests/ajuda.h"
#include "tests/ajuda_sistema.h"

namespace quillbook::teste {
namespace {

using Arquivos_Posix = Diretorios_Teste;
using R = platform::Resultado_Acrescimo;

// A FIFO opens without waiting for a writer, but gives nothing to read;
// neither does a directory.
TEST_F(Arquivos_Posix, FifoEDiretorioNaoDaoLeitura) {
  char bloco[8];
  std::size_t lidos = 0;
  std::uint64_t tamanho = 0;
  ::mkfifo((entrada / "fifo").c_str(), 0666);
  for (const char* nome : {"fifo", ""}) {
    const platform::Descritor outro = platform::Abre_Para_Ler((entrada / nome).string());
    ASSERT_NE(outro, platform::Sem_Descritor) << nome;
    EXPECT_FALSE(platform::Le_Em(outro, bloco, sizeof bloco, 0, lidos)) << nome;
    EXPECT_FALSE(platform::Tamanho_Regular(outro, tamanho)) << nome;
    platform::Fecha(outro);
  }
}

// A real file system that refuses the rest of a line: the file-size limit
// stops the write part-way, as a full disk does.
TEST_F(Arquivos_Posix, LimiteDoSistemaNoMeioDaLinha) {
  grava(saida / "x", "antes\r\n");
  struct rlimit anterior {};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &anterior), 0);
  if (anterior.rlim_max != RLIM_INFINITY && anterior.rlim_max < 64) GTEST_SKIP() << "file-size limit too low";
  auto* sinal = ::signal(SIGXFSZ, SIG_IGN);
  struct rlimit limite = anterior;
  limite.rlim_cur = 12;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limite), 0);
  const R acima = platform::Acrescenta_Linhas((saida / "x").string(), {"abcdefghij"});
  const R dentro = platform::Acrescenta_Linhas((saida / "x").string(), {"ab"});
  ::setrlimit(RLIMIT_FSIZE, &anterior);
  ::signal(SIGXFSZ, sinal);
  EXPECT_EQ(acima, R::Nao_Gravado);
  EXPECT_EQ(dentro, R::Gravado);
  EXPECT_EQ(le("x"), "antes\r\nab\r\n");
}

// A FIFO with a reader waiting, or a link named like an output, takes no
// byte, and what the link points to stays as it was.
TEST_F(Arquivos_Posix, FifoComLeitorELigacaoNaoRecebemNada) {
  ::mkfifo((saida / "fifo").c_str(), 0666);
  const int leitor = ::open((saida / "fifo").c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(leitor, 0);
  EXPECT_EQ(platform::Acrescenta_Linhas((saida / "fifo").string(), {"a"}), R::Nao_Gravado);
  char byte;
  EXPECT_LE(::read(leitor, &byte, 1), 0);  // nothing there: the end, or nothing yet
  ::close(leitor);
  grava(entrada / "alvo", "antes");
  fs::create_symlink(entrada / "alvo", saida / "x");
  EXPECT_EQ(platform::Acrescenta_Linhas((saida / "x").string(), {"a"}), R::Nao_Gravado);
  std::ifstream alvo(entrada / "alvo", std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(alvo), {}), "antes");
}

using Geracao_Posix = Geracao_Teste;

// An append-only sped.txt on a disk that fills part-way through a line: the
// part cannot be cut back, and the record that follows still gets a line of
// its own.
TEST_F(Geracao_Posix, PedacoNumArquivoSoDeAcrescimo) {
  ASSERT_EQ(RegistroC110("1", "A"), 0);
  const fs::path sped = saida / "sped.txt";
  struct rlimit anterior {};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &anterior), 0);
  if (anterior.rlim_max != RLIM_INFINITY) GTEST_SKIP() << "the file-size limit cannot be raised back";
  if (!so_acrescimo(sped, true)) GTEST_SKIP() << "the file system cannot make the file append-only";
  auto* sinal = ::signal(SIGXFSZ, SIG_IGN);
  struct rlimit limite = anterior;
  limite.rlim_cur = fs::file_size(sped) + 5;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limite), 0);
  const int32_t cortado = RegistroC110("2", "BBBBBBBB");
  ::setrlimit(RLIMIT_FSIZE, &anterior);
  ::signal(SIGXFSZ, sinal);
  const int32_t seguinte = RegistroC110("3", "C");
  const int32_t outro = RegistroC110("4", "D");
  so_acrescimo(sped, false);
  EXPECT_EQ(cortado, -1);
  EXPECT_EQ(seguinte, 0);
  EXPECT_EQ(outro, 0);
  EXPECT_EQ(le("sped.txt"), "|C110|1|A|\r\n|C110\r\n|C110|3|C|\r\n|C110|4|D|\r\n");
  EXPECT_EQ(mensagens,
            std::vector<std::string>{"Erro ao tentar desfazer a escrita incompleta no arquivo " + sped.string()});
}

}  // namespace
}  // namespace quillbook::teste
