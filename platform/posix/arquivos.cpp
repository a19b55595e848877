#include "platform/arquivos.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>

namespace quillbook::platform {
namespace {

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

Descritor Abre_Para_Acrescentar(const std::string& caminho) {
  int fd = abre_regular(caminho, O_WRONLY | O_APPEND | O_CREAT);
  return fd < 0 ? Sem_Descritor : fd;
}

std::size_t Escreve_Tudo(Descritor arquivo, const char* dados, std::size_t tamanho) {
  const int fd = static_cast<int>(arquivo);
  std::size_t total = 0;
  while (total < tamanho) {
    std::size_t pedido = tamanho - total;
    ssize_t escrito = -1;
    switch (Simula_Escrita(pedido)) {
      case Escrita_Simulada::Real:
        escrito = ::write(fd, dados + total, pedido);
        break;
      case Escrita_Simulada::Interrompida:
        errno = EINTR;
        break;
      case Escrita_Simulada::Falha:
        errno = ENOSPC;
        break;
    }
    if (escrito < 0) {
      if (errno == EINTR) continue;
      break;
    }
    if (escrito == 0) break;
    total += static_cast<std::size_t>(escrito);
  }
  return total;
}

bool Corta_Final(Descritor arquivo, std::size_t bytes) {
  const int fd = static_cast<int>(arquivo);
  struct stat info {};
  if (::fstat(fd, &info) != 0 || info.st_size < 0 || static_cast<std::size_t>(info.st_size) < bytes) return false;
  const off_t tamanho = info.st_size - static_cast<off_t>(bytes);
  for (;;) {
    if (::ftruncate(fd, tamanho) == 0) return true;
    if (errno != EINTR) return false;
  }
}

// close() reports the errors a delayed write met (NFS, a full disk). It is
// not retried after EINTR: the descriptor is already released then.
bool Fecha(Descritor arquivo) { return ::close(static_cast<int>(arquivo)) == 0; }

Leitor_Linhas::Leitor_Linhas(const std::string& caminho)
    : fd_(abre_regular(caminho, O_RDONLY)), bloco_(fd_ >= 0 ? new char[Tamanho_Bloco] : nullptr) {}

Leitor_Linhas::~Leitor_Linhas() {
  if (fd_ >= 0) ::close(fd_);
}

bool Leitor_Linhas::enche() {
  if (acabou_) return false;
  for (;;) {
    ssize_t lido = ::read(fd_, bloco_.get(), Tamanho_Bloco);
    if (lido < 0) {
      if (errno == EINTR) continue;
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
