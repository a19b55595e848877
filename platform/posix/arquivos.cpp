#include "platform/arquivos.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>

namespace quillbook::platform {
namespace {

int escritas_ate_falha = 0;

bool escrita_injetada_falha() {
  if (escritas_ate_falha <= 0) return false;
  return --escritas_ate_falha == 0;
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

bool Escreve_Tudo(int fd, const char* dados, std::size_t tamanho) {
  while (tamanho > 0) {
    ssize_t escrito = ::write(fd, dados, tamanho);
    if (escrito < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (escrito == 0) return false;
    dados += escrito;
    tamanho -= static_cast<std::size_t>(escrito);
  }
  return true;
}

void Falha_Na_Escrita(int n) { escritas_ate_falha = n; }

bool Acrescenta_Linhas(const std::string& caminho, const std::vector<std::string>& linhas) {
  if (escrita_injetada_falha()) return false;
  std::string conteudo;
  std::size_t total = 0;
  for (const auto& linha : linhas) total += linha.size() + 2;
  conteudo.reserve(total);
  for (const auto& linha : linhas) {
    conteudo += linha;
    conteudo += "\r\n";
  }
  int fd = abre_regular(caminho, O_WRONLY | O_APPEND | O_CREAT);
  if (fd < 0) return false;
  bool escrito = Escreve_Tudo(fd, conteudo.data(), conteudo.size());
  // close() reports the errors a delayed write met (NFS, a full disk).
  bool fechado = ::close(fd) == 0;
  return escrito && fechado;
}

bool Le_Arquivo(const std::string& caminho, Conteudo_Arquivo& conteudo) {
  conteudo = {};
  int fd = ::open(caminho.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size < 0) {
    ::close(fd);
    return false;
  }
  const auto tamanho = static_cast<std::size_t>(info.st_size);
  // Not value-initialised: every byte kept is one the file gave.
  conteudo.dados.reset(new char[tamanho > 0 ? tamanho : 1]);
  bool lido_bem = true;
  while (conteudo.tamanho < tamanho) {
    ssize_t lido = ::read(fd, conteudo.dados.get() + conteudo.tamanho, tamanho - conteudo.tamanho);
    if (lido < 0 && errno == EINTR) continue;
    if (lido < 0) lido_bem = false;
    if (lido <= 0) break;  // a file cut short since it was opened ends here
    conteudo.tamanho += static_cast<std::size_t>(lido);
  }
  ::close(fd);
  return lido_bem;
}

}  // namespace quillbook::platform
