#include "tests/ajuda.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <fstream>
#include <iterator>

#include "exports/quillbook.h"
#include "platform/arquivos.h"
#include "platform/mensagem.h"

namespace quillbook::teste {
namespace {

bool imutavel(const fs::path& caminho, bool sim) {
  int fd = ::open(caminho.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  int flags = 0;
  bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
  flags = sim ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
  ok = ok && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
  ::close(fd);
  return ok;
}

}  // namespace

void grava(const fs::path& caminho, std::string_view conteudo) { std::ofstream(caminho, std::ios::binary) << conteudo; }

std::string le_arquivo(const fs::path& caminho) {
  std::ifstream arquivo(caminho, std::ios::binary);
  return {std::istreambuf_iterator<char>(arquivo), std::istreambuf_iterator<char>()};
}

void Diretorios_Teste::SetUp() {
  std::string modelo = (fs::temp_directory_path() / "quillbook-XXXXXX").string();
  ASSERT_NE(::mkdtemp(modelo.data()), nullptr);
  raiz = modelo;
  saida = raiz / "saida";
  entrada = raiz / "entrada";
  fs::create_directory(saida);
  fs::create_directory(entrada);
  cria_tabelas();
  platform::Define_Observador_Mensagens([this](std::string_view texto) { mensagens.emplace_back(texto); });
}

void Diretorios_Teste::cria_tabelas() const {
  grava(entrada / "cfop.res", "CFOP\r\n5102 Venda\r\n1102 Compra\r\n");
  grava(entrada / "municipio.res", "MUNICIPIO\r\n3550308 Sao Paulo\r\n3304557 Rio de Janeiro\r\n");
  grava(entrada / "ncm.res", "NCM\r\n22030000 Cerveja\r\n");
  grava(entrada / "pais.res", "PAIS\r\n1058 Brasil\r\n0132 Afeganistao\r\n");
}

void Diretorios_Teste::TearDown() {
  Finaliza_SPED();
  platform::Desarma_Falhas();
  platform::Define_Observador_Mensagens({});
  for (const auto& caminho : protegidos) libera(caminho);
  std::error_code erro;
  fs::remove_all(raiz, erro);
}

int Diretorios_Teste::inicia() const { return Inicia_SPED(saida.c_str(), entrada.c_str()); }

bool Diretorios_Teste::protege(const fs::path& caminho) {
  protegidos.push_back(caminho);
  if (::geteuid() == 0) return imutavel(caminho, true);
  std::error_code erro;
  fs::permissions(caminho, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove, erro);
  return !erro;
}

void Diretorios_Teste::libera(const fs::path& caminho) {
  if (::geteuid() == 0) imutavel(caminho, false);
  std::error_code erro;
  fs::permissions(caminho, fs::perms::owner_all, fs::perm_options::add, erro);
}

void Geracao_Teste::SetUp() {
  Diretorios_Teste::SetUp();
  ASSERT_EQ(inicia(), 0);
}

}  // namespace quillbook::teste
