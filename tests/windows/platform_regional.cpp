#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include "platform/regional.h"
#include "tests/ajuda.h"

namespace quillbook::platform {
namespace {

std::string descreve(const Configuracao_Regional& c) {
  return "ordem " + std::to_string(static_cast<int>(c.ordem)) + " data " + c.separador_data + " hora " +
         c.separador_hora + " decimal " + std::string(c.separador_decimal) + " milhar " +
         std::string(c.separador_milhar);
}

// Windows names its locales "pt-BR"; the time and the number settings may
// come from two of them. A name Windows does not know gives the Brazilian
// settings, as an empty one does. The AM and PM texts of most locales differ
// between Windows versions; those of the United States do not.
TEST(Regional_Windows, LidaDoLocaleOuBrasileira) {
  struct Caso {
    const char* hora;
    const char* numeros;
    const char* esperada;
  };
  const char* brasil = "ordem 0 data / hora : decimal , milhar .";
  const Caso casos[] = {
      {"pt-BR", "pt-BR", brasil},
      {"en-US", "en-US", "ordem 1 data / hora : decimal . milhar ,"},
      {"en-US", "", "ordem 1 data / hora : decimal , milhar ."},
      {"de-DE", "de-DE", "ordem 0 data . hora : decimal , milhar ."},
      {"ja-JP", "ja-JP", "ordem 2 data / hora : decimal . milhar ,"},
      // "d/M/yyyy" with a right-to-left mark before each "/": the mark is
      // no separator.
      {"ar-SA", "", "ordem 0 data / hora : decimal , milhar ."},
      {"", "", brasil},
      {"xx-YY", "pt_BR.UTF-8", brasil},
  };
  for (const auto& [hora, numeros, esperada] : casos)
    EXPECT_EQ(descreve(Le_Configuracao(hora, numeros)), esperada) << hora;
  Configuracao_Regional americana = Le_Configuracao("en-US", "");
  EXPECT_EQ(std::string(americana.texto_am) + " " + std::string(americana.texto_pm), "AM PM");
  EXPECT_EQ(std::string_view(Le_Configuracao("", "").texto_am), "");
}

// The settings in force are the user's own (CI runs the suite as a user of
// the United States, so that they differ from the Brazilian ones).
TEST(Regional_Windows, EmVigorSaoAsDoUsuario) {
  char texto[80];
  ASSERT_GT(GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, texto, sizeof texto), 0);
  EXPECT_EQ(std::string_view(Regional().separador_decimal), texto);
  ASSERT_GT(GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, texto, sizeof texto), 0);
  const std::string formato = texto;
  const std::size_t ano = formato.find('y'), mes = formato.find('M'), dia = formato.find('d');
  const Ordem_Data ordem = ano < mes ? Ordem_Data::AMD : mes < dia ? Ordem_Data::MDA : Ordem_Data::DMA;
  EXPECT_EQ(Regional().ordem, ordem) << formato;
}

}  // namespace
}  // namespace quillbook::platform
