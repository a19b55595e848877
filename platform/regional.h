// The user's regional settings: the short date order and separators, the
// time separator and AM/PM texts, and the separators of numbers. Read once,
// when the library is loaded: on POSIX from the locale that the environment
// names, on Windows from the user's regional settings. The host's own
// locale is never changed.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <type_traits>

namespace quillbook::platform {

enum class Ordem_Data { DMA, MDA, AMD };  // day-month-year, month-day-year, year-month-day

// A text of the settings (an AM or PM text, a separator), held in place:
// the settings in force last as long as the process and take no memory of
// the heap. The systems give a few bytes; a longer text is cut at
// Capacidade.
class Texto_Regional {
 public:
  static constexpr std::size_t Capacidade = 31;

  constexpr Texto_Regional() = default;
  constexpr explicit Texto_Regional(std::string_view texto) { *this = texto; }
  constexpr Texto_Regional& operator=(std::string_view texto) {
    tamanho_ = texto.size() < Capacidade ? static_cast<unsigned char>(texto.size()) : Capacidade;
    for (std::size_t i = 0; i < tamanho_; ++i) dados_[i] = texto[i];
    return *this;
  }
  constexpr operator std::string_view() const { return {dados_, tamanho_}; }

 private:
  char dados_[Capacidade] = {};
  unsigned char tamanho_ = 0;
};

struct Configuracao_Regional {
  Ordem_Data ordem = Ordem_Data::DMA;
  char separador_data = '/';
  char separador_hora = ':';
  Texto_Regional texto_am;
  Texto_Regional texto_pm;
  Texto_Regional separador_decimal{","};
  Texto_Regional separador_milhar{"."};
};
// Nothing to destroy, so the settings in force, a plain static, are still
// there for a generation closed from a host's exit handler.
static_assert(std::is_trivially_destructible_v<Configuracao_Regional>);

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
