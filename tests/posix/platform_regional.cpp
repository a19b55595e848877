#include <cstdio>
#include <cstdlib>

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
