// Dates: the host's regional date text rewritten as DDMMYYYY, and the test
// that a DDMMYYYY text is a calendar date.
#pragma once

#include <string>
#include <string_view>

namespace quillbook {

// Rewrites a regional date text (a time of day may follow) as "DDMMYYYY";
// empties it when it is no date. A text of blanks and control characters
// only is left as it is.
void Formata_Data(std::string& data);
// The same without a text to rewrite: what it becomes is `data` itself when
// that is left as it is, else the empty text or the eight digits written
// at `digitos`, which has room for them.
std::string_view Formata_Data(std::string_view data, char* digitos);

// Whether the text begins with a calendar date in DDMMYYYY form.
bool Valida_Data(std::string_view data);

}  // namespace quillbook
