// The library's texts are Windows-1252; a terminal may expect another
// character set. Conversions for the message display of each platform.
#pragma once

#include <string>
#include <string_view>

namespace quillbook::platform {

// The text in UTF-8: every byte of Windows-1252 becomes its character; the
// five bytes the code page leaves undefined become U+FFFD.
std::string Windows1252_Para_Utf8(std::string_view texto);

// For a message that joins the library's Windows-1252 texts to a path the
// host gave, which may be in UTF-8, as file names are where the terminal
// is: every well-formed UTF-8 sequence (no overlong form, no surrogate,
// nothing above U+10FFFF) is kept as it is, and every other byte, a lone
// or incomplete sequence included, becomes its Windows-1252 character as
// above. The library's own texts read as before: their accented letters
// (C0 on) are followed by ASCII or by other letters, never by the bytes 80
// to BF a UTF-8 lead byte needs after it.
std::string Windows1252_Ou_Utf8_Para_Utf8(std::string_view texto);

}  // namespace quillbook::platform
