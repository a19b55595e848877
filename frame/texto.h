// Small text operations shared by the frame, the validators and the records.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quillbook {

// A text from the host: NULL is the empty text.
inline std::string_view Texto(const char* texto) {
  return texto != nullptr ? std::string_view(texto) : std::string_view();
}

// Without the characters of codes 0 to 32 at both ends.
std::string_view Apara(std::string_view texto);

// Upper case for the letters a to z only; every other byte stays.
std::string Maiusculas(std::string_view texto);

// The integer value of a text: blanks (code 32) first, then an optional
// sign and decimal digits, or "$", "x", "X", "0x" or "0X" and hexadecimal
// digits; nothing may follow. Empty when the text does not convert or its
// value lies outside the signed 32-bit range.
std::optional<int32_t> Converte_Inteiro(std::string_view texto);

// At most `tamanho` characters from position `inicio` (counted from 0),
// clamped to the text: empty when it starts past the end.
inline std::string_view Trecho(std::string_view texto, std::size_t inicio, std::size_t tamanho) {
  if (inicio >= texto.size()) return {};
  return texto.substr(inicio, tamanho);
}

// Without its last character (nothing of the empty text).
inline std::string_view Sem_Ultimo(std::string_view texto) {
  return texto.empty() ? texto : texto.substr(0, texto.size() - 1);
}

}  // namespace quillbook
