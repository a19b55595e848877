#include <gtest/gtest.h>

#include <string>

#include "frame/captura.h"
#include "frame/texto.h"
#include "validation/leituras.h"

namespace {

using quillbook::Filtrado;

// The filtered copy must equal the frame's filters on either side of the
// stack buffer's size, where it moves to the heap.
TEST(Leituras, FiltradoIgualAosFiltrosDaCaptura) {
  for (std::size_t tamanho : {0, 1, 63, 64, 65, 128, 1 << 20}) {
    std::string valor;
    for (std::size_t i = 0; i < tamanho; ++i) valor += "7a|,\x01é"[i % 6];
    EXPECT_EQ(quillbook::Numeros(valor).texto(), quillbook::Somente_Numeros(valor)) << tamanho;
    EXPECT_EQ(Filtrado(valor, quillbook::Caractere_Permitido).texto(), quillbook::Remove_Especiais(valor)) << tamanho;
    for (std::size_t maximo : {0, 2, 64, 65}) {
      EXPECT_EQ(quillbook::Numeros(valor, maximo).texto(), quillbook::Somente_Numeros(valor).substr(0, maximo))
          << tamanho << " " << maximo;
    }
  }
}

// The integer value of a value's digits and commas, read in one pass,
// against the integer conversion of what the numeric filter keeps: at the
// edges of the signed 32-bit range, with leading zeros, commas and no digit.
TEST(Leituras, ValorNumericoIgualAConversaoDosNumeros) {
  const std::string valores[] = {
      "",           "|",           "1|",          " 7 ",         "0",
      "0000000009", "2147483647",  "2147483648",  "02147483647", "-5",
      "+5",         "x1",          "0x10",        "$1",          "1,",
      ",1",         "1,0|",        "abc",         "9 9|",        "4294967297",
      "1.000|",     "99999999999", "2147483646|", "é8|",         std::string(300, '0') + "3"};
  for (const std::string& valor : valores) {
    EXPECT_EQ(quillbook::Valor_Numerico(valor), quillbook::Converte_Inteiro(quillbook::Somente_Numeros(valor)))
        << valor;
  }
}

TEST(Leituras, SemBarraFinal) {
  const std::pair<const char*, const char*> casos[] = {{"", ""},   {"|", ""},     {"1|", "1"},
                                                       {"1", "1"}, {"1||", "1|"}, {"| ", "| "}};
  for (const auto& [valor, esperado] : casos) EXPECT_EQ(quillbook::Sem_Barra_Final(valor), esperado) << valor;
}

}  // namespace
