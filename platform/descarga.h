// The library unloaded from a process that goes on (dlclose, FreeLibrary):
// its state is never destroyed, so that a host's exit handler may still
// close a generation, and what it holds on the heap would stay there for
// good once its code and statics are gone. Each platform's layer calls
// this when the library is unloaded; on Windows only then, never at
// process exit, where a host's exit handler may yet run.
#pragma once

namespace quillbook::platform {

// Gives back every byte that the library holds, a generation left open
// included, and writes nothing: an unload is not a close. Defined by the
// generation.
void Ao_Descarregar() noexcept;

}  // namespace quillbook::platform
