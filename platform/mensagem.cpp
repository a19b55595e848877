#include "platform/mensagem.h"

#include "platform/permanente.h"
#include "platform/sistema.h"

namespace quillbook::platform {
namespace {

Observador_Mensagens& observador() {
  static Permanente<Observador_Mensagens> instancia;
  return *instancia;
}

}  // namespace

void Mostra_Mensagem(std::string_view texto) {
  if (observador()) {
    observador()(texto);
    return;
  }
  Exibe_Mensagem(texto);
}

void Define_Observador_Mensagens(Observador_Mensagens novo) { observador() = std::move(novo); }

}  // namespace quillbook::platform
