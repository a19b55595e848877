// The DLL's entry point, called by the MinGW-w64 runtime's own one before
// the runtime runs the DLL's exit handlers. FreeLibrary gives a null
// reserved pointer; process exit gives another, and then nothing is done,
// since a host's exit handler may still call Finaliza_SPED and the memory
// goes with the process anyway.
#include <windows.h>

#include "platform/descarga.h"

// libstdc++ (GCC 12 of MinGW-w64) allocates its emergency pool, for
// exceptions thrown when memory runs out, as the DLL is loaded, and gives
// it back only through this function, which none of its headers declares.
// Linked statically into the DLL, the pool is the DLL's own: left alone,
// every load and unload would lose it.
namespace __gnu_cxx {
void __freeres() noexcept;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD motivo, LPVOID reservado) {
  if (motivo == DLL_PROCESS_DETACH && reservado == nullptr) {
    quillbook::platform::Ao_Descarregar();
    __gnu_cxx::__freeres();
  }
  return TRUE;
}
