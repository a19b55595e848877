// The library's texts are Windows-1252; a terminal may expect another
// character set. Conversions for the message display of each platform.
#pragma once

#include <string>
#include <string_view>

namespace quillbook::platform {

// The text in UTF-8: every byte of Windows-1252 becomes its character; the
// five bytes the code page leaves undefined become U+FFFD.
std::string Windows1252_Para_Utf8(std::string_view texto);

}  // namespace quillbook::platform
