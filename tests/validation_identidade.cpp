#include <gtest/gtest.h>

#include <string>

#include "exports/quillbook.h"

namespace {

struct Caso {
  std::string valor;
  uint8_t esperado;
};

TEST(Identidade, CPF) {
  const Caso casos[] = {
      {"11144477735|", 1},
      {"111.444.777-35|", 1},
      {"52998224725", 1},
      {"11144477736|", 0},  // second check digit changed
      {"11144477745|", 0},  // first check digit changed
      {"00000000000|", 1},  // one repeated digit is not refused
      {"100000037|", 1},    // padded: 10000003700
      {"100000038|", 0},
      {"111444777359|", 1},  // tested on its first 11 digits
      {"11144477735" + std::string(1 << 20, '8'), 1},
      {"111,444,777-35|", 0},  // a comma among the first 11
      {"11144477735,|", 1},    // a comma after them
      {"", 0},
      {"|", 0},
      {"abc|", 0},
      {"é1114447773ç5|", 1},
  };
  for (const Caso& caso : casos) EXPECT_EQ(vCPF(caso.valor.c_str()), caso.esperado) << caso.valor.substr(0, 20);
  EXPECT_EQ(vCPF(nullptr), 0);
}

TEST(Identidade, CNPJ) {
  const Caso casos[] = {
      {"11222333000181|", 1},
      {"11.222.333/0001-81|", 1},
      {"45997418000153", 1},
      {"11222333000182|", 0},
      {"11222333000191|", 0},
      {"00000000000000|", 1},
      {"100000000009|", 1},  // padded: 10000000000900
      {"100000000008|", 0},
      {"112223330001810|", 1},
      {"11222333000181" + std::string(1 << 20, '3'), 1},
      {"11,222,333/0001-81|", 0},
      {"", 1},  // empty: valid
      {"|", 1},
      {"abc|", 1},
      {",|", 0},
  };
  for (const Caso& caso : casos) EXPECT_EQ(vCNPJ(caso.valor.c_str()), caso.esperado) << caso.valor.substr(0, 20);
  EXPECT_EQ(vCNPJ(nullptr), 1);
}

// Only the first 8 characters count; the whole and its first 3 convert
// as integers (blanks before them, signs and hexadecimal included).
TEST(Identidade, CEP) {
  // clang-format off
  const Caso casos[] = {
      {"01310100|", 1},
      {"01310100", 1},
      {"0131010099|", 1},
      {" 1310100|", 1},
      {"+1310100|", 1},
      {"$1234567|", 1},   // 0x1234567, prefix 0x12
      {"$0123456|", 0},   // prefix 0x01
      {"01000000|", 0},   // one million itself
      {"1234567", 0},     // characters 6 to 8 are two
      {"1310100|", 0},    // the bar among the 8 characters
      {"01310-100|", 0},
      {"0131 100|", 0},
      {"0131010é|", 0},
      {"        |", 0},
      {"|", 0},
  };
  // clang-format on
  for (const Caso& caso : casos) EXPECT_EQ(vCEP(caso.valor.c_str()), caso.esperado) << caso.valor;
  EXPECT_EQ(vCEP(nullptr), 0);
}

TEST(Identidade, InscricaoEstadualSempreValida) {
  EXPECT_EQ(vInscEst(nullptr, nullptr), 1);
  EXPECT_EQ(vInscEst("", ""), 1);
  EXPECT_EQ(vInscEst("abc|", "XX|"), 1);
}

}  // namespace
