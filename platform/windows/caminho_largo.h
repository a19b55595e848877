// The paths of the generation as the wide file functions take them at any
// length: read in the ANSI code page, made full and given the "\\?\" form,
// which leaves the 260-character limit behind. That form also leaves behind
// the system's own reading of device names, so a path that Windows would
// resolve into the device namespace (a pipe, "NUL", "C:\dir\COM1.txt") is
// refused here, before anything can open it.
#pragma once

#include <string>

namespace quillbook::platform {

// The "\\?\" form of a host's path ("\\?\UNC\server\share\..." for a share);
// empty when the path names a device or a pipe or cannot be resolved.
std::wstring Forma_Estendida(const std::string& caminho);

// The same, resolved once per path: the outputs and tables of a generation
// are the same few texts call after call, so later calls with the same text
// (and, for a relative path, the same current directory) reuse what the
// first one found. Null when refused; otherwise valid until the next call.
const std::wstring* Caminho_Largo(const std::string& caminho);

}  // namespace quillbook::platform
