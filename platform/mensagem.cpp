#include "platform/mensagem.h"

#include <unistd.h>
#include <cerrno>
#include <string>

namespace quillbook::platform {
namespace {

Observador_Mensagens& observador() {
  static Observador_Mensagens instancia;
  return instancia;
}

void escreve_tudo(int fd, const char* dados, size_t tamanho) {
  while (tamanho > 0) {
    ssize_t escrito = ::write(fd, dados, tamanho);
    if (escrito <= 0) {
      if (escrito < 0 && errno == EINTR) continue;
      return;  // nowhere left to report a failing standard error
    }
    dados += escrito;
    tamanho -= static_cast<size_t>(escrito);
  }
}

}  // namespace

void Mostra_Mensagem(std::string_view texto) {
  if (observador()) {
    observador()(texto);
    return;
  }
  std::string linha(texto);
  linha += '\n';
  escreve_tudo(STDERR_FILENO, linha.data(), linha.size());
}

void Define_Observador_Mensagens(Observador_Mensagens novo) { observador() = std::move(novo); }

}  // namespace quillbook::platform
