#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <string>
#include <system_error>

#include "tests/ajuda_sistema.h"

namespace quillbook::teste {

namespace fs = std::filesystem;

fs::path cria_diretorio_temporario() {
  const fs::path base = fs::temp_directory_path();
  for (unsigned n = GetTickCount() ^ (GetCurrentProcessId() << 16), tentativas = 0; tentativas < 1000;
       ++n, ++tentativas) {
    fs::path caminho = base / ("quillbook-" + std::to_string(n));
    if (CreateDirectoryA(caminho.string().c_str(), nullptr)) return caminho;
    if (GetLastError() != ERROR_ALREADY_EXISTS) break;
  }
  return {};
}

fs::path caminho_do_texto(const std::string& texto) {
  int tamanho = MultiByteToWideChar(CP_ACP, 0, texto.data(), static_cast<int>(texto.size()), nullptr, 0);
  std::wstring largo(static_cast<std::size_t>(tamanho), L'\0');
  MultiByteToWideChar(CP_ACP, 0, texto.data(), static_cast<int>(texto.size()), largo.data(), tamanho);
  return largo;
}

// A directory in which nothing may be created needs an access list that
// Wine does not enforce, so the tests that need one are left to POSIX.
bool protege_arquivo(const fs::path&, bool) { return false; }

bool so_acrescimo(const fs::path&, bool) { return false; }

// A pipe on Windows lives in its own namespace, never among the files of a
// directory.
bool cria_fifo(const fs::path&) { return false; }

}  // namespace quillbook::teste
