// What each platform's own layer supplies to the shared part of platform/.
#pragma once

#include <string_view>

namespace quillbook::platform {

// Shows a message of the generation to the user and returns once the user
// has seen it (the modal box closed, or the line written).
void Exibe_Mensagem(std::string_view texto);

}  // namespace quillbook::platform
