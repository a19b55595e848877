#include "frame/texto.h"
#include "tests/ajuda.h"

namespace quillbook::teste {
namespace {

TEST(Texto, ConverteInteiro) {
  struct Caso {
    const char* texto;
    int32_t valor;
  };
  const Caso casos[] = {
      {"08", 8},   {"  +42", 42}, {"-2147483648", INT32_MIN}, {"00000000000000000002147483647", INT32_MAX}, {"$1F", 31},
      {"x1f", 31}, {"X10", 16},   {"0X0000000000000a", 10},
  };
  for (const auto& [texto, valor] : casos) EXPECT_EQ(Converte_Inteiro(texto), valor) << texto;
  for (const char* texto : {"", "   ", "+", "$", "0x", "2147483648", "-2147483649", "0x80000000", "$FFFFFFFF",
                            "99999999999999999999", "-$1", "+0x1", "1 ", "\t1", "1.0", "+-1", "- 1", "1a", "0x1G"})
    EXPECT_EQ(Converte_Inteiro(texto), std::nullopt) << texto;
}

TEST(Texto, AparaMaiusculasETrechos) {
  EXPECT_EQ(Apara(std::string("\0\t A b \r\n", 9)), "A b");
  EXPECT_EQ(Apara(" \x1F "), "");
  EXPECT_EQ(Apara("ç\x7F"), "ç\x7F");
  EXPECT_EQ(Maiusculas("az{`@ção"), "AZ{`@çãO");
  EXPECT_EQ(Trecho("3112200", 4, 4), "200");
  EXPECT_EQ(Trecho("31", 4, 4), "");
  EXPECT_EQ(Sem_Ultimo(""), "");
}

}  // namespace
}  // namespace quillbook::teste
