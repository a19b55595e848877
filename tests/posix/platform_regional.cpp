#include <cstdio>
#include <cstdlib>

#include "frame/datas.h"
#include "platform/regional.h"
#include "tests/ajuda.h"

namespace quillbook::platform {
namespace {

std::string descreve(const Configuracao_Regional& c) {
  return "ordem " + std::to_string(static_cast<int>(c.ordem)) + " data " + c.separador_data + " hora " +
         c.separador_hora + " am " + std::string(c.texto_am) + " pm " + std::string(c.texto_pm) + " decimal " +
         std::string(c.separador_decimal) + " milhar " + std::string(c.separador_milhar);
}

TEST(Regional, LidaDoLocaleOuBrasileira) {
  struct Caso {
    const char* hora;
    const char* numeros;
    const char* esperada;
  };
  const char* brasil = "ordem 0 data / hora : am  pm  decimal , milhar .";
  const Caso casos[] = {
      {"pt_BR.UTF-8", "pt_BR.UTF-8", brasil},
      {"en_US.UTF-8", "en_US.UTF-8", "ordem 1 data / hora : am AM pm PM decimal . milhar ,"},
      {"en_US.UTF-8", "C", "ordem 1 data / hora : am AM pm PM decimal , milhar ."},
      {"C", "C", brasil},
      {"POSIX", "POSIX", brasil},
      {"C.UTF-8", "C.UTF-8", brasil},
      {"xx_YY.UTF-8", "xx_YY.UTF-8", brasil},
      {"", "", brasil},
  };
  for (const auto& [hora, numeros, esperada] : casos)
    EXPECT_EQ(descreve(Le_Configuracao(hora, numeros)), esperada) << hora;
}

// Formats whose byte after the first number is no separator: half of a
// character in ja_JP ("%Y年%m月%d日", "%H時%M分%S秒"), the blank before the
// month's name in ar_EG ("%d %b, %Y"). Their order is kept, with "/" and
// ":" between the numbers. The AM text shows that the locale was read.
TEST(Regional, FormatoSemSeparadorDeUmByte) {
  struct Caso {
    const char* locale;
    Ordem_Data ordem;
    const char* texto;
  };
  const Caso casos[] = {
      {"ja_JP.UTF-8", Ordem_Data::AMD, "2009/12/31 10:30"},
      {"ar_EG.UTF-8", Ordem_Data::DMA, "31/12/2009 10:30"},
  };
  for (const auto& [locale, ordem, texto] : casos) {
    const Configuracao_Regional conf = Le_Configuracao(locale, "C");
    ASSERT_FALSE(std::string_view(conf.texto_am).empty()) << locale << " is not installed";
    EXPECT_EQ(conf.ordem, ordem) << locale;
    EXPECT_EQ(std::string{conf.separador_data} + conf.separador_hora, "/:") << locale;
    teste::Regional_Local local(conf);
    std::string data = texto;
    Formata_Data(data);
    EXPECT_EQ(data, "31122009") << locale;
  }
}

// The settings in force come from the environment the library is loaded in:
// each case loads it again in a child process.
TEST(Regional, LidaDoAmbienteNaCarga) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  struct Caso {
    const char* lc_all;
    const char* lc_time;
    const char* lc_numeric;
    const char* lang;
    const char* esperada;
  };
  const Caso casos[] = {
      {"en_US.UTF-8", "pt_BR.UTF-8", "pt_BR.UTF-8", "pt_BR.UTF-8", "ordem 1 .* decimal [.]"},
      {"", "en_US.UTF-8", nullptr, "pt_BR.UTF-8", "ordem 1 .* decimal ,"},
      {nullptr, nullptr, "en_US.UTF-8", "pt_BR.UTF-8", "ordem 0 .* decimal [.]"},
      {nullptr, nullptr, nullptr, "en_US.UTF-8", "ordem 1 .* decimal [.]"},
      {nullptr, nullptr, nullptr, "C", "ordem 0 .* decimal ,"},
      {nullptr, nullptr, nullptr, nullptr, "ordem 0 .* decimal ,"},
  };
  for (const auto& caso : casos) {
    const char* valores[] = {caso.lc_all, caso.lc_time, caso.lc_numeric, caso.lang};
    const char* nomes[] = {"LC_ALL", "LC_TIME", "LC_NUMERIC", "LANG"};
    for (int i = 0; i < 4; ++i) valores[i] ? ::setenv(nomes[i], valores[i], 1) : ::unsetenv(nomes[i]);
    EXPECT_EXIT((std::fprintf(stderr, "%s\n", descreve(Regional()).c_str()), std::exit(0)),
                ::testing::ExitedWithCode(0), caso.esperada);
  }
}

}  // namespace
}  // namespace quillbook::platform
