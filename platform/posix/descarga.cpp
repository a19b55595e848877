// An ELF destructor runs when dlclose unloads the library, and at exit
// only after every handler that the host registered with atexit, so a
// host's handler that closes the generation has run by then.
#include "platform/descarga.h"

namespace {

[[gnu::destructor]] void ao_descarregar() { quillbook::platform::Ao_Descarregar(); }

}  // namespace
