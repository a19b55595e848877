#include "platform/relogio.h"

#include <ctime>

namespace quillbook::platform {

int Ano_Corrente() {
  std::time_t agora = std::time(nullptr);
  std::tm partes{};
  localtime_r(&agora, &partes);
  return partes.tm_year + 1900;
}

}  // namespace quillbook::platform
