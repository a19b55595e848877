#include <unistd.h>

#include "platform/mensagem.h"
#include "tests/ajuda.h"

namespace quillbook::teste {
namespace {

// Without an observer the message's bytes and a line feed reach standard
// error at once.
TEST(Mensagem, VaiParaOErroPadrao) {
  int tubo[2];
  ASSERT_EQ(::pipe(tubo), 0);
  int erro_padrao = ::dup(STDERR_FILENO);
  ::dup2(tubo[1], STDERR_FILENO);
  platform::Mostra_Mensagem("Função\x1A");
  platform::Mostra_Mensagem("");
  ::dup2(erro_padrao, STDERR_FILENO);
  for (int fd : {erro_padrao, tubo[1]}) ::close(fd);
  std::string lido(32, '\0');
  lido.resize(static_cast<std::size_t>(std::max<ssize_t>(0, ::read(tubo[0], lido.data(), lido.size()))));
  ::close(tubo[0]);
  EXPECT_EQ(lido, "Função\x1A\n\n");
}

}  // namespace
}  // namespace quillbook::teste
