#include <unistd.h>
#include <cerrno>
#include <string>

#include "platform/sistema.h"

namespace quillbook::platform {

// No dialog here: the message and a line feed go to standard error at once,
// with a plain write: standard error is often a terminal or a pipe, which
// the appends to the generation's files refuse on purpose.
void Exibe_Mensagem(std::string_view texto) {
  std::string linha(texto);
  linha += '\n';
  const char* dados = linha.data();
  std::size_t resta = linha.size();
  while (resta > 0) {
    const ssize_t escrito = ::write(STDERR_FILENO, dados, resta);
    if (escrito < 0 && errno == EINTR) continue;
    if (escrito <= 0) return;  // nowhere is left to report a failing standard error
    dados += escrito;
    resta -= static_cast<std::size_t>(escrito);
  }
}

}  // namespace quillbook::platform
