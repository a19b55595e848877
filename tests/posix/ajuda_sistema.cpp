#include "tests/ajuda_sistema.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <system_error>

namespace quillbook::teste {
namespace {

namespace fs = std::filesystem;

// Sets or clears one of the file system's attributes of a file (root only).
bool atributo(const fs::path& caminho, int atributo, bool sim) {
  int fd = ::open(caminho.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  int flags = 0;
  bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
  flags = sim ? flags | atributo : flags & ~atributo;
  ok = ok && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
  ::close(fd);
  return ok;
}

}  // namespace

fs::path cria_diretorio_temporario() {
  std::string modelo = (fs::temp_directory_path() / "quillbook-XXXXXX").string();
  if (::mkdtemp(modelo.data()) == nullptr) return {};
  return modelo;
}

// Immutable for root, whom permissions do not stop; read-only otherwise.
bool protege_arquivo(const fs::path& caminho, bool protegido) {
  if (::geteuid() == 0) return atributo(caminho, FS_IMMUTABLE_FL, protegido);
  std::error_code erro;
  if (protegido)
    fs::permissions(caminho, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove, erro);
  else
    fs::permissions(caminho, fs::perms::owner_all, fs::perm_options::add, erro);
  return !erro;
}

bool so_acrescimo(const fs::path& caminho, bool sim) { return atributo(caminho, FS_APPEND_FL, sim); }

fs::path caminho_do_texto(const std::string& texto) { return texto; }

bool cria_fifo(const fs::path& caminho) { return ::mkfifo(caminho.c_str(), 0666) == 0; }

}  // namespace quillbook::teste
