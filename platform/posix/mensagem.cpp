#include <langinfo.h>
#include <locale.h>
#include <unistd.h>
#include <cerrno>
#include <cstdlib>
#include <string>

#include "platform/conversao.h"
#include "platform/sistema.h"

namespace quillbook::platform {
namespace {

// The locale that names the user's character set: LC_ALL, then LC_CTYPE,
// then LANG, the first that is set and not empty.
std::string locale_dos_caracteres() {
  for (const char* variavel : {"LC_ALL", "LC_CTYPE", "LANG"}) {
    const char* valor = std::getenv(variavel);
    if (valor != nullptr && *valor != '\0') return valor;
  }
  return {};
}

// Asked of the C library through a locale object of our own: the host's
// locale is never changed. A locale that is not installed, or whose
// character set is single-byte, gets the library's bytes as they are.
bool terminal_em_utf8() {
  const std::string nome = locale_dos_caracteres();
  if (nome.empty()) return false;
  locale_t loc = newlocale(LC_CTYPE_MASK, nome.c_str(), static_cast<locale_t>(0));
  if (loc == static_cast<locale_t>(0)) return false;
  const std::string conjunto = nl_langinfo_l(CODESET, loc);
  freelocale(loc);
  return conjunto == "UTF-8";
}

// Read at load, as the regional settings are: the environment the process
// started with decides.
const bool Em_Utf8 = terminal_em_utf8();

}  // namespace

// No dialog here: the message, in the terminal's character set, and a line
// feed go to standard error at once, with a plain write: standard error is
// often a terminal or a pipe, which the appends to the generation's files
// refuse on purpose. Under a UTF-8 locale the file names are UTF-8 as a
// rule, so a path the host gave in UTF-8 is written as it came, and only
// the rest is converted from Windows-1252.
void Exibe_Mensagem(std::string_view texto) {
  std::string linha = Em_Utf8 ? Windows1252_Ou_Utf8_Para_Utf8(texto) : std::string(texto);
  linha += '\n';
  const char* dados = linha.data();
  std::size_t resta = linha.size();
  while (resta > 0) {
    const ssize_t escrito = ::write(STDERR_FILENO, dados, resta);
    if (escrito < 0 && errno == EINTR) continue;
    if (escrito <= 0) return;  // nowhere is left to report a failing standard error
    dados += escrito;
    resta -= static_cast<std::size_t>(escrito);
  }
}

}  // namespace quillbook::platform
