#include <signal.h>
#include <sys/resource.h>

#include "platform/arquivos.h"
#include "tests/ajuda.h"

namespace quillbook::teste {
namespace {

using Arquivos_Posix = Diretorios_Teste;
using R = platform::Resultado_Acrescimo;

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

}  // namespace
}  // namespace quillbook::teste
