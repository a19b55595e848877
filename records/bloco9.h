// Block 9: the counts of the file, and the tests over the whole file that
// the closing record makes.
#pragma once

#include <array>

namespace quillbook {

enum class Filhos { Um, Um_Ou_Mais };  // one child per parent; one or more

struct Par_Pai_Filho {
  const char* pai;
  const char* filho;
  Filhos regra;
};

// The parent and child pairs that the closing record tests, in their order.
extern const std::array<Par_Pai_Filho, 80> Pares_Pai_Filho;

}  // namespace quillbook
