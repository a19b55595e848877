#include "platform/arquivos.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>

namespace quillbook::platform {
namespace {

// Appends at the end of the file, as O_APPEND does, but as a positioned
// write, which fails (ESPIPE) on a FIFO, a socket or a terminal before
// taking any byte. A kernel older than 4.16 lacks RWF_APPEND: there the
// file is asked for its type instead.
ssize_t acrescenta(int fd, const char* dados, std::size_t tamanho) {
  iovec parte{const_cast<char*>(dados), tamanho};
  const ssize_t escrito = ::pwritev2(fd, &parte, 1, 0, RWF_APPEND);
  if (escrito >= 0 || (errno != EOPNOTSUPP && errno != EINVAL && errno != ENOSYS)) return escrito;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    errno = ESPIPE;
    return -1;
  }
  return ::write(fd, dados, tamanho);
}

// O_NONBLOCK keeps a FIFO without a reader from hanging the open; the
// fstat then refuses anything that is not a regular file.
int abre_regular(const std::string& caminho, int modo) {
  int fd = ::open(caminho.c_str(), modo | O_NONBLOCK | O_CLOEXEC, 0666);
  if (fd < 0) return -1;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    return -1;
  }
  return fd;
}

}  // namespace

const char Separador_Diretorio = '/';

bool Diretorio_Existe(const std::string& caminho) {
  struct stat info {};
  return ::stat(caminho.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool Arquivo_Existe(const std::string& caminho) {
  struct stat info {};
  return ::stat(caminho.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool Apaga_Arquivo(const std::string& caminho) { return ::unlink(caminho.c_str()) == 0; }

bool Trunca_Arquivo(const std::string& caminho) {
  int fd = abre_regular(caminho, O_WRONLY | O_TRUNC);
  if (fd < 0) return false;
  return ::close(fd) == 0;
}

// Paths go to the system as they are, with nothing worked out to keep.
void Esquece_Caminhos() {}

// Every line of the generation opens its file here, so the check that it
// is a regular file costs no system call of its own: O_NONBLOCK keeps a
// FIFO without a reader from hanging the open, O_NOFOLLOW refuses a
// symbolic link (the outputs are deleted at the start and created here as
// regular files, so a link, to a device or elsewhere, can only have been
// put there since), and the positioned append of Escreve_Parte refuses a
// FIFO with a reader, a socket or a terminal before any byte.
Descritor Abre_Para_Acrescentar(const std::string& caminho) {
  int fd = ::open(caminho.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC, 0666);
  return fd < 0 ? Sem_Descritor : fd;
}

std::ptrdiff_t Escreve_Parte(Descritor arquivo, const char* dados, std::size_t tamanho) {
  const ssize_t escrito = acrescenta(static_cast<int>(arquivo), dados, tamanho);
  if (escrito < 0 && errno == EINTR) return 0;
  return escrito > 0 ? escrito : -1;
}

Descritor Abre_Para_Cortar(const std::string& caminho) {
  const int fd = abre_regular(caminho, O_RDWR | O_NOFOLLOW);
  return fd < 0 ? Sem_Descritor : fd;
}

bool Corta_Em(Descritor arquivo, std::uint64_t tamanho) {
  for (;;) {
    if (::ftruncate(static_cast<int>(arquivo), static_cast<off_t>(tamanho)) == 0) return true;
    if (errno != EINTR) return false;
  }
}

// close() reports the errors a delayed write met (NFS, a full disk). It is
// not retried after EINTR: the descriptor is already released then.
bool Fecha(Descritor arquivo) { return ::close(static_cast<int>(arquivo)) == 0; }

Descritor Abre_Para_Ler(const std::string& caminho) {
  int fd = ::open(caminho.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  return fd < 0 ? Sem_Descritor : fd;
}

// pread() fails with ESPIPE on a FIFO, a socket or a terminal, and with
// EISDIR on a directory, before taking any byte: the look-ups refuse them
// without the fstat that every look-up would otherwise pay for.
bool Le_Em(Descritor arquivo, char* destino, std::size_t tamanho, std::uint64_t posicao, std::size_t& lidos) {
  lidos = 0;
  for (;;) {
    ssize_t lido = ::pread(static_cast<int>(arquivo), destino, tamanho, static_cast<off_t>(posicao));
    if (lido >= 0) {
      lidos = static_cast<std::size_t>(lido);
      return true;
    }
    if (errno != EINTR) return false;
  }
}

bool Tamanho_Regular(Descritor arquivo, std::uint64_t& tamanho) {
  struct stat info {};
  if (::fstat(static_cast<int>(arquivo), &info) != 0 || !S_ISREG(info.st_mode) || info.st_size < 0) return false;
  tamanho = static_cast<std::uint64_t>(info.st_size);
  return true;
}

}  // namespace quillbook::platform
