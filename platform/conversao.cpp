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

}  // namespace

std::string Windows1252_Para_Utf8(std::string_view texto) {
  std::string saida;
  saida.reserve(texto.size() + texto.size() / 4);
  for (char byte : texto) {
    const auto b = static_cast<std::uint8_t>(byte);
    acrescenta(saida, b >= 0x80 && b < 0xA0 ? Faixa_80_9F[b - 0x80] : char32_t{b});
  }
  return saida;
}

}  // namespace quillbook::platform
