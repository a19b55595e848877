#include <unistd.h>
#include <string>

#include "platform/arquivos.h"
#include "platform/sistema.h"

namespace quillbook::platform {

// No dialog here: the message and a line feed go to standard error at once.
void Exibe_Mensagem(std::string_view texto) {
  std::string linha(texto);
  linha += '\n';
  // Nowhere is left to report a failing standard error.
  static_cast<void>(Escreve_Tudo(STDERR_FILENO, linha.data(), linha.size()));
}

}  // namespace quillbook::platform
