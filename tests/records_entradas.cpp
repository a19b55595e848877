// Every record writer on texts it cannot expect: NULL for every field, and
// every byte value in fields far longer than any maximum. Whatever the
// fields, a call answers 0 or -1 and leaves the lists empty.
#include <string>

#include "exports/quillbook.h"
#include "frame/geracao.h"
#include "tests/registros_ajuda.h"

namespace quillbook::teste {
namespace {

template <class... Campos>
int32_t com_texto(int32_t(QB_CALL* registro)(Campos...), const char* texto) {
  return registro((static_cast<void>(sizeof(Campos)), texto)...);
}

// Calls each writer with `texto` in every field.
template <class... Registros>
void todos(const char* texto, Registros... registros) {
  (
      [&] {
        const int32_t resultado = com_texto(registros, texto);
        EXPECT_TRUE(resultado == 0 || resultado == -1);
        EXPECT_TRUE(Estado().Lista_Log.empty() && Estado().Lista_Erros.empty() && Estado().Lista_Observacoes.empty());
      }(),
      ...);
}

void todos_os_registros(const char* texto) {
  // clang-format off
  todos(texto,
      Registro0000, Registro0001, Registro0005, Registro0015, Registro0100, Registro0150,
      Registro0175, Registro0190, Registro0200, Registro0205, Registro0206, Registro0220,
      Registro0400, Registro0450, Registro0460, Registro0990, RegistroC001, RegistroC100,
      RegistroC110, RegistroC111, RegistroC112, RegistroC113, RegistroC114, RegistroC115,
      RegistroC120, RegistroC130, RegistroC140, RegistroC141, RegistroC160, RegistroC165,
      RegistroC170, RegistroC171, RegistroC172, RegistroC173, RegistroC174, RegistroC175,
      RegistroC176, RegistroC177, RegistroC178, RegistroC179, RegistroC190, RegistroC195,
      RegistroC197, RegistroC300, RegistroC310, RegistroC320, RegistroC321, RegistroC350,
      RegistroC370, RegistroC390, RegistroC400, RegistroC405, RegistroC410, RegistroC420,
      RegistroC425, RegistroC460, RegistroC470, RegistroC490, RegistroC495, RegistroC500,
      RegistroC510, RegistroC590, RegistroC600, RegistroC601, RegistroC610, RegistroC690,
      RegistroC700, RegistroC790, RegistroC791, RegistroC990, RegistroD001, RegistroD100,
      RegistroD110, RegistroD120, RegistroD130, RegistroD140, RegistroD150, RegistroD160,
      RegistroD161, RegistroD162, RegistroD170, RegistroD180, RegistroD190, RegistroD300,
      RegistroD301, RegistroD310, RegistroD350, RegistroD355, RegistroD360, RegistroD365,
      RegistroD370, RegistroD390, RegistroD400, RegistroD410, RegistroD411, RegistroD420,
      RegistroD500, RegistroD510, RegistroD530, RegistroD590, RegistroD600, RegistroD610,
      RegistroD690, RegistroD695, RegistroD696, RegistroD697, RegistroD990, RegistroE001,
      RegistroE100, RegistroE110, RegistroE111, RegistroE112, RegistroE113, RegistroE115,
      RegistroE116, RegistroE200, RegistroE210, RegistroE220, RegistroE230, RegistroE240,
      RegistroE250, RegistroE500, RegistroE510, RegistroE520, RegistroE530, RegistroE990,
      RegistroH001, RegistroH005, RegistroH010, RegistroH990, Registro1001, Registro1100,
      Registro1105, Registro1110, Registro1200, Registro1210, Registro1300, Registro1310,
      Registro1320, Registro1350, Registro1360, Registro1370, Registro1400, Registro1500,
      Registro1510, Registro1600, Registro1990, Registro9001, Registro9900, Registro9990,
      Registro9999);
  // clang-format on
}

using Entradas_Hostis = Registros_Teste;

TEST_F(Entradas_Hostis, NullInEveryField) {
  todos_os_registros(nullptr);
  EXPECT_TRUE(mensagens.empty());
}

TEST_F(Entradas_Hostis, EveryByteInLongFields) {
  std::string texto;
  for (int i = 0; texto.size() < 64 * 1024; ++i) texto += static_cast<char>(1 + i % 255);
  todos_os_registros(texto.c_str());
  EXPECT_TRUE(mensagens.empty());
}

}  // namespace
}  // namespace quillbook::teste
