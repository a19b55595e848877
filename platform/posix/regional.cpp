#include "platform/regional.h"
#include "platform/sistema.h"

#include <langinfo.h>
#include <locale.h>
#include <cstdlib>

namespace quillbook::platform {
namespace {

bool eh_locale_neutro(const std::string& nome) {
  if (nome.empty()) return true;
  std::string base = nome.substr(0, nome.find_first_of(".@"));
  return base == "C" || base == "POSIX";
}

// The first of the variables that is set and not empty.
std::string nome_do_ambiente(const char* categoria) {
  for (const char* variavel : {"LC_ALL", categoria, "LANG"}) {
    const char* valor = std::getenv(variavel);
    if (valor != nullptr && *valor != '\0') return valor;
  }
  return {};
}

// Expands the composite conversions of a strftime pattern.
std::string expande(std::string formato) {
  struct Troca {
    const char* de;
    const char* para;
  };
  static const Troca trocas[] = {
      {"%D", "%m/%d/%y"}, {"%F", "%Y-%m-%d"}, {"%T", "%H:%M:%S"}, {"%R", "%H:%M"}, {"%r", "%I:%M:%S %p"}};
  for (const auto& troca : trocas) {
    for (std::size_t pos; (pos = formato.find(troca.de)) != std::string::npos;) formato.replace(pos, 2, troca.para);
  }
  return formato;
}

// Reads the order of day, month and year and the separator that follows
// the first of them from a D_FMT pattern such as "%d/%m/%Y".
void le_formato_data(const std::string& formato, Configuracao_Regional& conf) {
  std::string ordem;
  char separador = 0;
  for (std::size_t i = 0; i + 1 < formato.size(); ++i) {
    if (formato[i] != '%') continue;
    std::size_t j = i + 1;
    while (j < formato.size() && (formato[j] == 'E' || formato[j] == 'O' || formato[j] == '-' || formato[j] == '0'))
      ++j;
    if (j >= formato.size()) break;
    char c = formato[j];
    char parte = (c == 'd' || c == 'e')               ? 'D'
                 : (c == 'm' || c == 'b' || c == 'B') ? 'M'
                 : (c == 'y' || c == 'Y')             ? 'A'
                                                      : 0;
    if (parte != 0 && ordem.find(parte) == std::string::npos) {
      ordem += parte;
      if (ordem.size() == 1 && j + 1 < formato.size() && formato[j + 1] != '%') separador = formato[j + 1];
    }
    i = j;
  }
  Aplica_Formato_Data(ordem, separador, conf);
}

void le_formato_hora(const std::string& formato, Configuracao_Regional& conf) {
  for (std::size_t i = 0; i + 2 < formato.size(); ++i) {
    if (formato[i] == '%' &&
        (formato[i + 1] == 'H' || formato[i + 1] == 'I' || formato[i + 1] == 'k' || formato[i + 1] == 'l') &&
        formato[i + 2] != '%') {
      if (Eh_Separador(formato[i + 2])) conf.separador_hora = formato[i + 2];
      return;
    }
  }
}

Configuracao_Regional& em_vigor() {
  static Configuracao_Regional conf = Le_Configuracao(nome_do_ambiente("LC_TIME"), nome_do_ambiente("LC_NUMERIC"));
  return conf;
}

// Read at load, not at the first date: the settings are those the process
// started with.
[[maybe_unused]] const bool lido_na_carga = (em_vigor(), true);

}  // namespace

Configuracao_Regional Le_Configuracao(const std::string& locale_hora, const std::string& locale_numeros) {
  Configuracao_Regional conf;
  if (!eh_locale_neutro(locale_hora)) {
    if (locale_t loc = newlocale(LC_TIME_MASK, locale_hora.c_str(), static_cast<locale_t>(0))) {
      le_formato_data(expande(nl_langinfo_l(D_FMT, loc)), conf);
      le_formato_hora(expande(nl_langinfo_l(T_FMT, loc)), conf);
      conf.texto_am = nl_langinfo_l(AM_STR, loc);
      conf.texto_pm = nl_langinfo_l(PM_STR, loc);
      freelocale(loc);
    }
  }
  if (!eh_locale_neutro(locale_numeros)) {
    if (locale_t loc = newlocale(LC_NUMERIC_MASK, locale_numeros.c_str(), static_cast<locale_t>(0))) {
      conf.separador_decimal = nl_langinfo_l(RADIXCHAR, loc);
      conf.separador_milhar = nl_langinfo_l(THOUSEP, loc);
      freelocale(loc);
    }
  }
  return conf;
}

const Configuracao_Regional& Regional() { return em_vigor(); }

Configuracao_Regional Troca_Regional(Configuracao_Regional nova) {
  Configuracao_Regional anterior = em_vigor();
  em_vigor() = std::move(nova);
  return anterior;
}

}  // namespace quillbook::platform
