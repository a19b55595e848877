#include <gtest/gtest.h>

#include <string>

#include "frame/captura.h"
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

TEST(Leituras, SemBarraFinal) {
  const std::pair<const char*, const char*> casos[] = {{"", ""},   {"|", ""},     {"1|", "1"},
                                                       {"1", "1"}, {"1||", "1|"}, {"| ", "| "}};
  for (const auto& [valor, esperado] : casos) EXPECT_EQ(quillbook::Sem_Barra_Final(valor), esperado) << valor;
}

}  // namespace
