#include <windows.h>

#include <string>

#include "platform/sistema.h"

namespace quillbook::platform {

// The text goes to the box as it came, in the ANSI code page of the host's
// Windows (1252 where the library is used). Task-modal: with no owner
// window, it still holds every window of the calling thread until closed.
void Exibe_Mensagem(std::string_view texto) {
  const std::string texto_terminado(texto);
  MessageBoxA(nullptr, texto_terminado.c_str(), "Quillbook", MB_OK | MB_ICONEXCLAMATION | MB_TASKMODAL);
}

}  // namespace quillbook::platform
