#include "platform/conversao.h"

#include <cstdint>

namespace quillbook::platform {
namespace {

// Bytes 0x80 to 0x9F; from 0xA0 on the code page is Latin-1, whose bytes
// are their own code points.
constexpr char32_t Faixa_80_9F[32] = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178,
};

void acrescenta(std::string& saida, char32_t c) {
  if (c < 0x80) {
    saida += static_cast<char>(c);
  } else if (c < 0x800) {
    saida += static_cast<char>(0xC0 | (c >> 6));
    saida += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    saida += static_cast<char>(0xE0 | (c >> 12));
    saida += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    saida += static_cast<char>(0x80 | (c & 0x3F));
  }
}

char32_t caractere_1252(char byte) {
  const auto b = static_cast<std::uint8_t>(byte);
  return b >= 0x80 && b < 0xA0 ? Faixa_80_9F[b - 0x80] : char32_t{b};
}

// The length of the well-formed UTF-8 sequence of two to four bytes that
// starts the text, or 0. The lead byte decides the length and the range of
// the second byte: E0 and F0 would otherwise let overlong forms through,
// ED the surrogates, F4 the code points above U+10FFFF; C0, C1 and F5 on
// lead nothing.
std::size_t sequencia_utf8(std::string_view texto) {
  const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(texto[i]); };
  const std::uint8_t lider = byte(0);
  std::size_t tamanho = 0;
  std::uint8_t menor = 0x80, maior = 0xBF;
  if (lider >= 0xC2 && lider <= 0xDF) {
    tamanho = 2;
  } else if (lider >= 0xE0 && lider <= 0xEF) {
    tamanho = 3;
    if (lider == 0xE0) menor = 0xA0;
    if (lider == 0xED) maior = 0x9F;
  } else if (lider >= 0xF0 && lider <= 0xF4) {
    tamanho = 4;
    if (lider == 0xF0) menor = 0x90;
    if (lider == 0xF4) maior = 0x8F;
  } else {
    return 0;
  }
  if (texto.size() < tamanho || byte(1) < menor || byte(1) > maior) return 0;
  for (std::size_t i = 2; i < tamanho; ++i)
    if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
  return tamanho;
}

}  // namespace

std::string Windows1252_Para_Utf8(std::string_view texto) {
  std::string saida;
  saida.reserve(texto.size() + texto.size() / 4);
  for (char byte : texto) acrescenta(saida, caractere_1252(byte));
  return saida;
}

std::string Windows1252_Ou_Utf8_Para_Utf8(std::string_view texto) {
  std::string saida;
  saida.reserve(texto.size() + texto.size() / 4);
  for (std::size_t i = 0; i < texto.size();) {
    const std::size_t tamanho = sequencia_utf8(texto.substr(i));
    if (tamanho > 0) {
      saida.append(texto.substr(i, tamanho));
      i += tamanho;
    } else {
      acrescenta(saida, caractere_1252(texto[i++]));
    }
  }
  return saida;
}

}  // namespace quillbook::platform
