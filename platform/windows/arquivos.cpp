#include "platform/arquivos.h"

#include <windows.h>

#include <algorithm>

#include "platform/windows/caminho_largo.h"

namespace quillbook::platform {
namespace {

// Every file is shared for reading, writing and deletion while the library
// holds it for the length of one call, as a POSIX file is.
constexpr DWORD Compartilhado = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// Only a file on disk counts: whatever else answers to the name (a device,
// a pipe) is closed again before a byte moves. With `sem_ligacao`, a
// symbolic link is refused rather than followed, so that an output named
// like one never writes into the file it points at.
HANDLE abre_regular(const std::string& caminho, DWORD acesso, DWORD disposicao, bool sem_ligacao) {
  const std::wstring* largo = Caminho_Largo(caminho);  // null for a device or a pipe
  if (largo == nullptr) return INVALID_HANDLE_VALUE;
  const DWORD opcoes = FILE_ATTRIBUTE_NORMAL | (sem_ligacao ? FILE_FLAG_OPEN_REPARSE_POINT : 0);
  HANDLE arquivo = CreateFileW(largo->c_str(), acesso, Compartilhado, nullptr, disposicao, opcoes, nullptr);
  if (arquivo == INVALID_HANDLE_VALUE) return arquivo;
  BY_HANDLE_FILE_INFORMATION info;
  const DWORD recusados = FILE_ATTRIBUTE_DIRECTORY | (sem_ligacao ? FILE_ATTRIBUTE_REPARSE_POINT : 0);
  if (GetFileType(arquivo) != FILE_TYPE_DISK || !GetFileInformationByHandle(arquivo, &info) ||
      (info.dwFileAttributes & recusados) != 0) {
    CloseHandle(arquivo);
    return INVALID_HANDLE_VALUE;
  }
  return arquivo;
}

DWORD atributos(const std::wstring* largo) {
  return largo == nullptr ? INVALID_FILE_ATTRIBUTES : GetFileAttributesW(largo->c_str());
}

}  // namespace

const char Separador_Diretorio = '\\';

bool Diretorio_Existe(const std::string& caminho) {
  const DWORD attr = atributos(Caminho_Largo(caminho));
  return attr != INVALID_FILE_ATTRIBUTES && (attr & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool Arquivo_Existe(const std::string& caminho) {
  const DWORD attr = atributos(Caminho_Largo(caminho));
  return attr != INVALID_FILE_ATTRIBUTES && (attr & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) == 0;
}

// A read-only attribute does not keep an old output: as on POSIX, where a
// file's own mode does not stop its deletion, it is cleared first.
bool Apaga_Arquivo(const std::string& caminho) {
  const std::wstring* largo = Caminho_Largo(caminho);
  if (largo == nullptr) return false;
  if (DeleteFileW(largo->c_str())) return true;
  const DWORD attr = atributos(largo);
  if (attr == INVALID_FILE_ATTRIBUTES || (attr & FILE_ATTRIBUTE_READONLY) == 0 ||
      (attr & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) != 0)
    return false;
  if (!SetFileAttributesW(largo->c_str(), attr & ~FILE_ATTRIBUTE_READONLY)) return false;
  if (DeleteFileW(largo->c_str())) return true;
  SetFileAttributesW(largo->c_str(), attr);  // as it was, when it stays
  return false;
}

bool Trunca_Arquivo(const std::string& caminho) {
  HANDLE arquivo = abre_regular(caminho, GENERIC_WRITE, OPEN_EXISTING, false);
  if (arquivo == INVALID_HANDLE_VALUE) return false;
  bool truncado = SetEndOfFile(arquivo) != 0;
  return CloseHandle(arquivo) != 0 && truncado;
}

Descritor Abre_Para_Acrescentar(const std::string& caminho) {
  // Write access, not append-only access: the cut-back of a failed append
  // needs it. Every write still lands at the end (see Escreve_Parte).
  HANDLE arquivo = abre_regular(caminho, GENERIC_WRITE, OPEN_ALWAYS, true);
  return arquivo == INVALID_HANDLE_VALUE ? Sem_Descritor : reinterpret_cast<Descritor>(arquivo);
}

std::ptrdiff_t Escreve_Parte(Descritor arquivo, const char* dados, std::size_t tamanho) {
  // An offset of all ones writes at the end of the file as it then is,
  // whatever another program wrote there meanwhile.
  OVERLAPPED no_fim{};
  no_fim.Offset = 0xFFFFFFFF;
  no_fim.OffsetHigh = 0xFFFFFFFF;
  DWORD escrito = 0;
  const DWORD pedido = static_cast<DWORD>(std::min<std::size_t>(tamanho, 1u << 30));
  if (!WriteFile(reinterpret_cast<HANDLE>(arquivo), dados, pedido, &escrito, &no_fim) || escrito == 0) return -1;
  return static_cast<std::ptrdiff_t>(escrito);
}

Descritor Abre_Para_Cortar(const std::string& caminho) {
  HANDLE arquivo = abre_regular(caminho, GENERIC_READ | GENERIC_WRITE, OPEN_EXISTING, true);
  return arquivo == INVALID_HANDLE_VALUE ? Sem_Descritor : reinterpret_cast<Descritor>(arquivo);
}

bool Corta_Em(Descritor arquivo, std::uint64_t tamanho) {
  HANDLE handle = reinterpret_cast<HANDLE>(arquivo);
  LARGE_INTEGER corte;
  corte.QuadPart = static_cast<LONGLONG>(tamanho);
  return SetFilePointerEx(handle, corte, nullptr, FILE_BEGIN) && SetEndOfFile(handle);
}

// CloseHandle, like close() elsewhere, is where a delayed write may fail.
bool Fecha(Descritor arquivo) { return CloseHandle(reinterpret_cast<HANDLE>(arquivo)) != 0; }

Descritor Abre_Para_Ler(const std::string& caminho) {
  HANDLE arquivo = abre_regular(caminho, GENERIC_READ, OPEN_EXISTING, false);
  return arquivo == INVALID_HANDLE_VALUE ? Sem_Descritor : reinterpret_cast<Descritor>(arquivo);
}

// Binary by nature: no CR LF translation and no stop at 0x1A but the
// reader's own.
bool Le_Em(Descritor arquivo, char* destino, std::size_t tamanho, std::uint64_t posicao, std::size_t& lidos) {
  lidos = 0;
  OVERLAPPED em{};
  em.Offset = static_cast<DWORD>(posicao);
  em.OffsetHigh = static_cast<DWORD>(posicao >> 32);
  DWORD lido = 0;
  const DWORD pedido = static_cast<DWORD>(std::min<std::size_t>(tamanho, 1u << 30));
  if (!ReadFile(reinterpret_cast<HANDLE>(arquivo), destino, pedido, &lido, &em))
    return GetLastError() == ERROR_HANDLE_EOF;  // a position at or past the end
  lidos = lido;
  return true;
}

bool Tamanho_Regular(Descritor arquivo, std::uint64_t& tamanho) {
  HANDLE handle = reinterpret_cast<HANDLE>(arquivo);
  LARGE_INTEGER medido;
  if (GetFileType(handle) != FILE_TYPE_DISK || !GetFileSizeEx(handle, &medido) || medido.QuadPart < 0) return false;
  tamanho = static_cast<std::uint64_t>(medido.QuadPart);
  return true;
}

}  // namespace quillbook::platform
