// The readings of a field value that the validators compare. A record
// passes its captured field (ending in "|"); the host may pass any text.
// Each reading says which part of the value carries the code, and answers
// nothing when the value holds no readable code.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quillbook {

// The one byte a validator answers with.
constexpr uint8_t Resposta(bool valido) { return valido ? 1 : 0; }

// The bytes of a text that pass a filter, at most `maximo` of them. They
// stay on the stack while they fit: validators run on every field of every
// record, and their codes are short. A longer text goes to the heap whole,
// since leading zeros may stand before the value it converts to.
class Filtrado {
 public:
  template <class Teste>
  Filtrado(std::string_view origem, Teste passa, std::size_t maximo = std::string_view::npos) {
    for (char c : origem) {
      if (tamanho_ == maximo) break;
      if (!passa(c)) continue;
      if (tamanho_ < local_.size()) {
        local_[tamanho_] = c;
      } else {
        if (tamanho_ == local_.size()) longo_.assign(local_.data(), local_.size());
        longo_ += c;
      }
      ++tamanho_;
    }
  }
  Filtrado(const Filtrado&) = delete;
  Filtrado& operator=(const Filtrado&) = delete;

  std::string_view texto() const {
    return tamanho_ <= local_.size() ? std::string_view(local_.data(), tamanho_) : std::string_view(longo_);
  }

 private:
  std::array<char, 64> local_;
  std::size_t tamanho_ = 0;
  std::string longo_;
};

// The digits and commas of a value (what a numeric field keeps), the
// first `maximo` of them.
Filtrado Numeros(std::string_view valor, std::size_t maximo = std::string_view::npos);

// The value without its final "|": a value that does not end in one is
// read whole, so the host may pass the code with or without it.
std::string_view Sem_Barra_Final(std::string_view valor);

// The five readings of the coded indicators.

// The first byte as passed, so a leading blank makes the code invalid;
// nothing when the value is only blanks and control characters.
std::optional<unsigned char> Primeiro_Caractere(std::string_view valor);
// The first digit or comma; blanks, signs, letters and bars before it
// are passed over.
std::optional<unsigned char> Primeiro_Digito(std::string_view valor);
// The integer value of all but the last byte, whatever that byte is: a
// captured field loses its "|", a bare "5" loses its only digit.
std::optional<int32_t> Valor_Sem_Ultimo(std::string_view valor);
// The integer value of the value without its final "|".
std::optional<int32_t> Valor_Sem_Barra(std::string_view valor);
// The integer value of the digits and commas of the value; a comma among
// them does not convert.
std::optional<int32_t> Valor_Numerico(std::string_view valor);

}  // namespace quillbook
