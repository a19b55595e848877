#include "platform/mensagem.h"

#include "platform/arquivos.h"

#include <unistd.h>
#include <string>

namespace quillbook::platform {
namespace {

Observador_Mensagens& observador() {
  static Observador_Mensagens instancia;
  return instancia;
}

}  // namespace

void Mostra_Mensagem(std::string_view texto) {
  if (observador()) {
    observador()(texto);
    return;
  }
  std::string linha(texto);
  linha += '\n';
  // Nowhere is left to report a failing standard error.
  static_cast<void>(Escreve_Tudo(STDERR_FILENO, linha.data(), linha.size()));
}

void Define_Observador_Mensagens(Observador_Mensagens novo) { observador() = std::move(novo); }

}  // namespace quillbook::platform
