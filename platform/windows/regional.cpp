#include "platform/regional.h"
#include "platform/sistema.h"

#include <windows.h>

#include <string>

namespace quillbook::platform {
namespace {

// One setting of a locale as the ANSI code page writes it; empty when the
// locale does not have it.
std::string informacao(LCID local, LCTYPE tipo, DWORD opcoes) {
  char texto[128];
  int tamanho = GetLocaleInfoA(local, tipo | opcoes, texto, sizeof texto);
  return tamanho > 1 ? std::string(texto, static_cast<std::size_t>(tamanho - 1)) : std::string();
}

// Reads the order of day, month and year and the separator that follows the
// first of them from a short date picture such as "dd/MM/yyyy" or
// "M/d/yyyy". Text in single quotes is literal; "ddd" and "dddd" are names
// of weekdays, not the day.
void le_formato_data(const std::string& formato, Configuracao_Regional& conf) {
  std::string ordem;
  char separador = 0;
  for (std::size_t i = 0; i < formato.size();) {
    char c = formato[i];
    if (c == '\'') {
      std::size_t fim = formato.find('\'', i + 1);
      i = fim == std::string::npos ? formato.size() : fim + 1;
      continue;
    }
    std::size_t j = i;
    while (j < formato.size() && formato[j] == c) ++j;
    char parte = (c == 'd' && j - i <= 2) ? 'D' : c == 'M' ? 'M' : c == 'y' ? 'A' : 0;
    if (parte != 0 && ordem.find(parte) == std::string::npos) {
      ordem += parte;
      if (ordem.size() == 1 && j < formato.size() && formato[j] != '\'') separador = formato[j];
    }
    i = j;
  }
  Aplica_Formato_Data(ordem, separador, conf);
}

// The separator after the hours of a time picture such as "HH:mm:ss" or
// "h:mm:ss tt".
void le_formato_hora(const std::string& formato, Configuracao_Regional& conf) {
  std::size_t hora = formato.find_first_of("Hh");
  if (hora == std::string::npos) return;
  std::size_t depois = formato.find_first_not_of("Hh", hora);
  if (depois != std::string::npos && formato[depois] != '\'' && Eh_Separador(formato[depois]))
    conf.separador_hora = formato[depois];
}

// What a locale yields; each setting it lacks stays Brazilian.
Configuracao_Regional le_local(LCID local, DWORD opcoes) {
  Configuracao_Regional conf;
  le_formato_data(informacao(local, LOCALE_SSHORTDATE, opcoes), conf);
  le_formato_hora(informacao(local, LOCALE_STIMEFORMAT, opcoes), conf);
  conf.texto_am = informacao(local, LOCALE_S1159, opcoes);
  conf.texto_pm = informacao(local, LOCALE_S2359, opcoes);
  std::string decimal = informacao(local, LOCALE_SDECIMAL, opcoes);
  if (!decimal.empty()) conf.separador_decimal = decimal;
  // An empty thousands separator is a setting of its own (no grouping mark).
  char milhar[8];
  if (GetLocaleInfoA(local, LOCALE_STHOUSAND | opcoes, milhar, sizeof milhar) > 0) conf.separador_milhar = milhar;
  return conf;
}

// A locale given by name ("pt-BR", "en-US"); 0 when it is unknown.
LCID local_por_nome(const std::string& nome) {
  if (nome.empty()) return 0;
  std::wstring largo(nome.begin(), nome.end());
  return LocaleNameToLCID(largo.c_str(), 0);
}

Configuracao_Regional& em_vigor() {
  // The user's own choices count, as the host's other screens show them.
  static Configuracao_Regional conf = le_local(LOCALE_USER_DEFAULT, 0);
  return conf;
}

// Read at load, not at the first date: the settings are those the process
// started with.
[[maybe_unused]] const bool lido_na_carga = (em_vigor(), true);

}  // namespace

Configuracao_Regional Le_Configuracao(const std::string& locale_hora, const std::string& locale_numeros) {
  Configuracao_Regional conf;
  if (LCID hora = local_por_nome(locale_hora)) {
    Configuracao_Regional lida = le_local(hora, LOCALE_NOUSEROVERRIDE);
    conf.ordem = lida.ordem;
    conf.separador_data = lida.separador_data;
    conf.separador_hora = lida.separador_hora;
    conf.texto_am = lida.texto_am;
    conf.texto_pm = lida.texto_pm;
  }
  if (LCID numeros = local_por_nome(locale_numeros)) {
    Configuracao_Regional lida = le_local(numeros, LOCALE_NOUSEROVERRIDE);
    conf.separador_decimal = lida.separador_decimal;
    conf.separador_milhar = lida.separador_milhar;
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
