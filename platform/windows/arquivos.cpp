#include "platform/arquivos.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <algorithm>
#include <cstring>

namespace quillbook::platform {
namespace {

// Every file is shared for reading, writing and deletion while the library
// holds it for the length of one call, as a POSIX file is.
constexpr DWORD Compartilhado = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// A path that Windows resolves into the device namespace: a pipe
// ("\\.\pipe\x") or a device name ("NUL", "C:\dir\COM1.txt"). Such a
// path is refused before it is opened, so that no pipe server sees a client.
bool nomeia_dispositivo(const std::string& caminho) {
  DWORD tamanho = GetFullPathNameA(caminho.c_str(), 0, nullptr, nullptr);
  if (tamanho == 0) return false;
  std::string completo(tamanho, '\0');
  if (GetFullPathNameA(caminho.c_str(), tamanho, completo.data(), nullptr) == 0) return false;
  return completo.compare(0, 4, "\\\\.\\") == 0;
}

// Only a file on disk counts: whatever else answers to the name (a device,
// a pipe) is closed again before a byte moves.
HANDLE abre_regular(const std::string& caminho, DWORD acesso, DWORD disposicao) {
  if (nomeia_dispositivo(caminho)) return INVALID_HANDLE_VALUE;
  HANDLE arquivo =
      CreateFileA(caminho.c_str(), acesso, Compartilhado, nullptr, disposicao, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (arquivo == INVALID_HANDLE_VALUE) return arquivo;
  BY_HANDLE_FILE_INFORMATION info;
  if (GetFileType(arquivo) != FILE_TYPE_DISK || !GetFileInformationByHandle(arquivo, &info) ||
      (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    CloseHandle(arquivo);
    return INVALID_HANDLE_VALUE;
  }
  return arquivo;
}

DWORD atributos(const std::string& caminho) { return GetFileAttributesA(caminho.c_str()); }

}  // namespace

const char Separador_Diretorio = '\\';

bool Diretorio_Existe(const std::string& caminho) {
  DWORD attr = atributos(caminho);
  return attr != INVALID_FILE_ATTRIBUTES && (attr & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool Arquivo_Existe(const std::string& caminho) {
  if (nomeia_dispositivo(caminho)) return false;
  DWORD attr = atributos(caminho);
  return attr != INVALID_FILE_ATTRIBUTES && (attr & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) == 0;
}

bool Apaga_Arquivo(const std::string& caminho) { return DeleteFileA(caminho.c_str()) != 0; }

bool Trunca_Arquivo(const std::string& caminho) {
  HANDLE arquivo = abre_regular(caminho, GENERIC_WRITE, OPEN_EXISTING);
  if (arquivo == INVALID_HANDLE_VALUE) return false;
  bool truncado = SetEndOfFile(arquivo) != 0;
  return CloseHandle(arquivo) != 0 && truncado;
}

Descritor Abre_Para_Acrescentar(const std::string& caminho) {
  // Write access, not append-only access: the cut-back of a failed append
  // needs it. Every write still lands at the end (see Escreve_Tudo).
  HANDLE arquivo = abre_regular(caminho, GENERIC_WRITE, OPEN_ALWAYS);
  return arquivo == INVALID_HANDLE_VALUE ? Sem_Descritor : reinterpret_cast<Descritor>(arquivo);
}

std::size_t Escreve_Tudo(Descritor arquivo, const char* dados, std::size_t tamanho) {
  std::size_t total = 0;
  while (total < tamanho) {
    std::size_t pedido = std::min<std::size_t>(tamanho - total, 1u << 30);
    const Escrita_Simulada simulada = Simula_Escrita(pedido);
    if (simulada == Escrita_Simulada::Interrompida) continue;
    if (simulada == Escrita_Simulada::Falha) break;
    // An offset of all ones writes at the end of the file as it then is,
    // whatever another program wrote there meanwhile.
    OVERLAPPED no_fim{};
    no_fim.Offset = 0xFFFFFFFF;
    no_fim.OffsetHigh = 0xFFFFFFFF;
    DWORD escrito = 0;
    if (!WriteFile(reinterpret_cast<HANDLE>(arquivo), dados + total, static_cast<DWORD>(pedido), &escrito, &no_fim) ||
        escrito == 0)
      break;
    total += escrito;
  }
  return total;
}

bool Corta_Final(Descritor arquivo, std::size_t bytes) {
  HANDLE handle = reinterpret_cast<HANDLE>(arquivo);
  LARGE_INTEGER tamanho;
  if (!GetFileSizeEx(handle, &tamanho) || static_cast<unsigned long long>(tamanho.QuadPart) < bytes) return false;
  tamanho.QuadPart -= static_cast<LONGLONG>(bytes);
  return SetFilePointerEx(handle, tamanho, nullptr, FILE_BEGIN) && SetEndOfFile(handle);
}

// CloseHandle, like close() elsewhere, is where a delayed write may fail.
bool Fecha(Descritor arquivo) { return CloseHandle(reinterpret_cast<HANDLE>(arquivo)) != 0; }

// The table is read through a C runtime descriptor in binary mode: no CR LF
// translation and no stop at 0x1A but the reader's own.
Leitor_Linhas::Leitor_Linhas(const std::string& caminho) {
  HANDLE arquivo = abre_regular(caminho, GENERIC_READ, OPEN_EXISTING);
  if (arquivo == INVALID_HANDLE_VALUE) return;
  fd_ = _open_osfhandle(reinterpret_cast<intptr_t>(arquivo), _O_RDONLY | _O_BINARY);
  if (fd_ < 0) {
    CloseHandle(arquivo);
    return;
  }
  bloco_.reset(new char[Tamanho_Bloco]);
}

Leitor_Linhas::~Leitor_Linhas() {
  if (fd_ >= 0) _close(fd_);
}

bool Leitor_Linhas::enche() {
  if (acabou_) return false;
  int lido = _read(fd_, bloco_.get(), static_cast<unsigned>(Tamanho_Bloco));
  if (lido < 0) {
    falhou_ = true;
    acabou_ = true;
    return false;
  }
  if (lido == 0) {
    acabou_ = true;
    return false;
  }
  pos_ = 0;
  fim_ = static_cast<std::size_t>(lido);
  return true;
}

bool Leitor_Linhas::proxima(std::string& inicio, std::size_t maximo) {
  inicio.clear();
  if (fd_ < 0 || acabou_) return false;
  bool algum_byte = false;
  for (;;) {
    if (pos_ == fim_ && !enche()) return algum_byte && !falhou_;
    // The rest of the line in this block ends at LF, at 0x1A or at the
    // block's end; only its first `maximo` bytes are kept, CRs left out.
    const char* trecho = bloco_.get() + pos_;
    std::size_t tamanho = fim_ - pos_;
    const void* lf = std::memchr(trecho, '\n', tamanho);
    if (lf != nullptr) tamanho = static_cast<std::size_t>(static_cast<const char*>(lf) - trecho);
    const void* eof = std::memchr(trecho, '\x1A', tamanho);
    const bool fim_do_arquivo = eof != nullptr;
    if (fim_do_arquivo) tamanho = static_cast<std::size_t>(static_cast<const char*>(eof) - trecho);
    for (std::size_t i = 0; i < tamanho && inicio.size() < maximo; ++i) {
      if (trecho[i] != '\r') inicio += trecho[i];
    }
    algum_byte = algum_byte || tamanho > 0 || (lf != nullptr && !fim_do_arquivo);
    if (fim_do_arquivo) {
      acabou_ = true;
      return algum_byte;
    }
    pos_ += tamanho;
    if (lf != nullptr) {
      ++pos_;
      return true;
    }
  }
}

}  // namespace quillbook::platform
