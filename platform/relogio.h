// The platform's clock, as far as the library needs it.
#pragma once

namespace quillbook::platform {

// The current year in the user's local time.
int Ano_Corrente();

}  // namespace quillbook::platform
