// Every record writer on texts it cannot expect: NULL for every field, and
// every byte value in fields far longer than any maximum. Whatever the
// fields, a call answers 0 or -1 and leaves the lists empty.
#include <string>

#include "frame/geracao.h"
#include "tests/registros_ajuda.h"
#include "tests/todos_registros.h"

namespace quillbook::teste {
namespace {

using Entradas_Hostis = Registros_Teste;

void todos_com(const char* texto) {
  const std::vector<const char*> campos(36, texto);
  for (std::size_t i = 0; i < Todos_Registros.size(); ++i) {
    const int32_t resultado = Todos_Registros[i](campos);
    EXPECT_TRUE(resultado == 0 || resultado == -1) << "row " << i + 1;
    EXPECT_TRUE(Estado().Lista_Log.empty() && Estado().Lista_Erros.empty() && Estado().Lista_Observacoes.empty());
  }
}

TEST_F(Entradas_Hostis, NullInEveryField) {
  todos_com(nullptr);
  EXPECT_TRUE(mensagens.empty());
}

TEST_F(Entradas_Hostis, EveryByteInLongFields) {
  std::string texto;
  for (int i = 0; texto.size() < 64 * 1024; ++i) texto += static_cast<char>(1 + i % 255);
  todos_com(texto.c_str());
  EXPECT_TRUE(mensagens.empty());
}

}  // namespace
}  // namespace quillbook::teste
