#include "platform/conversao.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace quillbook::platform {
namespace {

// The same characters twice: the narrow literal leaves the compiler in
// Windows-1252, the u8 one in UTF-8, so the compiler's own code page table
// checks ours. They hold every defined byte from 0x80 on, in order.
#define ALTOS_1252                                                          \
  "€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ" \
  " ¡¢£¤¥¦§¨©ª«¬­®¯°±²³´µ¶·¸¹º»¼½¾¿"        \
  "ÀÁÂÃÄÅÆÇÈÉÊËÌÍÎÏÐÑÒÓÔÕÖ×ØÙÚÛÜÝÞß"        \
  "àáâãäåæçèéêëìíîïðñòóôõö÷øùúûüýþÿ"
#define ALTOS_UTF8                                                            \
  u8"€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ" \
  u8" ¡¢£¤¥¦§¨©ª«¬­®¯°±²³´µ¶·¸¹º»¼½¾¿"        \
  u8"ÀÁÂÃÄÅÆÇÈÉÊËÌÍÎÏÐÑÒÓÔÕÖ×ØÙÚÛÜÝÞß"        \
  u8"àáâãäåæçèéêëìíîïðñòóôõö÷øùúûüýþÿ"

TEST(Conversao, CadaByteDefinidoDoWindows1252) {
  const std::string altos = ALTOS_1252;
  ASSERT_EQ(altos.size(), 123u);
  for (std::size_t i = 1; i < altos.size(); ++i)
    ASSERT_LT(static_cast<std::uint8_t>(altos[i - 1]), static_cast<std::uint8_t>(altos[i]));
  EXPECT_EQ(Windows1252_Para_Utf8(altos), reinterpret_cast<const char*>(ALTOS_UTF8));
}

TEST(Conversao, AsciiIntactoIndefinidosSubstituidos) {
  std::string ascii;
  for (int c = 0; c < 0x80; ++c) ascii += static_cast<char>(c);
  EXPECT_EQ(Windows1252_Para_Utf8(ascii), ascii);
  EXPECT_EQ(Windows1252_Para_Utf8(""), "");
  EXPECT_EQ(Windows1252_Para_Utf8("\x81\x8D\x8F\x90\x9D"),
            reinterpret_cast<const char*>(u8"\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD"));
  EXPECT_EQ(Windows1252_Para_Utf8("Diretório não encontrado: /tmp/x/"),
            reinterpret_cast<const char*>(u8"Diretório não encontrado: /tmp/x/"));
}

}  // namespace
}  // namespace quillbook::platform
