// The user's regional settings: the short date order and separators, the
// time separator and AM/PM texts, and the separators of numbers. Read once,
// when the library is loaded: on POSIX from the locale that the environment
// names, on Windows from the user's regional settings. The host's own
// locale is never changed.
#pragma once

#include <string>

namespace quillbook::platform {

enum class Ordem_Data { DMA, MDA, AMD };  // day-month-year, month-day-year, year-month-day

struct Configuracao_Regional {
  Ordem_Data ordem = Ordem_Data::DMA;
  char separador_data = '/';
  char separador_hora = ':';
  std::string texto_am;
  std::string texto_pm;
  std::string separador_decimal = ",";
  std::string separador_milhar = ".";
};

// The settings in force for this load of the library.
const Configuracao_Regional& Regional();

// The settings of two named locales (time, numbers), named as the platform
// names them ("pt_BR.UTF-8" on POSIX, "pt-BR" on Windows): the Brazilian
// settings for an empty name, C, POSIX (any codeset) or a locale the
// system does not have.
Configuracao_Regional Le_Configuracao(const std::string& locale_hora, const std::string& locale_numeros);

// Tests swap the settings in force; the previous ones are returned.
Configuracao_Regional Troca_Regional(Configuracao_Regional nova);

}  // namespace quillbook::platform
