// The message box of the generation's own failures: a modal box with one OK
// button where the platform has one and a desktop to show it on; elsewhere
// the message goes to standard error as a line at once (on Windows to the
// debugger too), and the call goes on as after the box was closed.
#pragma once

#include <functional>
#include <string_view>

namespace quillbook::platform {

void Mostra_Mensagem(std::string_view texto);

// Tests watch the messages through this hook; while one is set, standard
// error stays quiet. An empty function restores the default.
using Observador_Mensagens = std::function<void(std::string_view)>;
void Define_Observador_Mensagens(Observador_Mensagens observador);

}  // namespace quillbook::platform
