#include <windows.h>

#include <string>

#include "platform/conversao.h"
#include "platform/sistema.h"

namespace quillbook::platform {
namespace {

// Every byte, where the process has a standard error at all (a host with
// windows of its own, or a service, often has none).
void escreve_no_erro_padrao(const std::string& linha) {
  HANDLE erro = GetStdHandle(STD_ERROR_HANDLE);
  if (erro == nullptr || erro == INVALID_HANDLE_VALUE) return;
  const char* dados = linha.data();
  std::size_t resta = linha.size();
  while (resta > 0) {
    DWORD escrito = 0;
    if (!WriteFile(erro, dados, static_cast<DWORD>(resta), &escrito, nullptr) || escrito == 0) return;
    dados += escrito;
    resta -= escrito;
  }
}

}  // namespace

// The text goes to the box as it came, in the ANSI code page of the host's
// Windows (1252 where the library is used). Task-modal: with no owner
// window, it still holds every window of the calling thread until closed.
//
// Where no box can be shown (no desktop: a service, a scheduled task, a
// session without a display) the message is not lost: it goes, as a line,
// to the debugger or a debug monitor, and to standard error, in UTF-8 when
// the console expects it, as on POSIX under a UTF-8 locale. The call then
// goes on as after a closed box.
void Exibe_Mensagem(std::string_view texto) {
  std::string linha(texto);
  // IDOK once closed; 0 when the box could not be made (-1 from Wine 8
  // without a display).
  if (MessageBoxA(nullptr, linha.c_str(), "Quillbook", MB_OK | MB_ICONEXCLAMATION | MB_TASKMODAL) > 0) return;
  linha += "\r\n";
  OutputDebugStringA(linha.c_str());
  // Asked at each message: the console, and its code page, are the host's
  // to change.
  escreve_no_erro_padrao(GetConsoleOutputCP() == CP_UTF8 ? Windows1252_Para_Utf8(linha) : linha);
}

}  // namespace quillbook::platform
