#include "platform/relogio.h"

#include <windows.h>

namespace quillbook::platform {

int Ano_Corrente() {
  SYSTEMTIME agora;
  GetLocalTime(&agora);
  return agora.wYear;
}

}  // namespace quillbook::platform
