#include "platform/conversao.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

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

std::string utf8(const char8_t* texto) { return reinterpret_cast<const char*>(texto); }

// A path given in UTF-8 is kept, one given in Windows-1252 converted, and a
// message that joins a library text to the first shows both right; the
// library's own texts read as the whole-text conversion reads them.
TEST(Conversao, CaminhoEmUtf8PreservadoEmWindows1252Convertido) {
  for (std::string_view texto : {"-0   Função Inicia_SPED não chamada", ALTOS_1252})
    EXPECT_EQ(Windows1252_Ou_Utf8_Para_Utf8(texto), Windows1252_Para_Utf8(texto)) << texto;
  const std::string caminho = utf8(u8"/nao/existe/joão/saída/");
  EXPECT_EQ(Windows1252_Ou_Utf8_Para_Utf8(caminho), caminho);
  EXPECT_EQ(Windows1252_Ou_Utf8_Para_Utf8("/nao/existe/joão/saída/"), caminho);
  EXPECT_EQ(Windows1252_Ou_Utf8_Para_Utf8("Erro. Diretório de saída informado inexistente. " + caminho),
            utf8(u8"Erro. Diretório de saída informado inexistente. /nao/existe/joão/saída/"));
  // The bounds of each length of sequence.
  const std::string limites = utf8(u8"\u0080\u07FF\u0800\uD7FF\uE000\uFFFD\uFFFF\U00010000\U0010FFFF");
  EXPECT_EQ(Windows1252_Ou_Utf8_Para_Utf8(limites), limites);
}

// What is not well-formed UTF-8 reads byte by byte as Windows-1252, and
// what follows a cut sequence is read afresh.
TEST(Conversao, SequenciasMalFormadasByteAByte) {
  const std::vector<std::string_view> grupos[] = {
      {"\xC0\xAF", "\xC1\xBF", "\xE0\x80\xAF", "\xE0\x9F\xBF", "\xF0\x80\x80\xAF", "\xF0\x8F\xBF\xBF"},  // overlong
      {"\xED\xA0\x80", "\xED\xBF\xBF"},                                                                  // surrogates
      {"\xF4\x90\x80\x80", "\xF5\x80\x80\x80", "\xF8\x88\x80\x80\x80", "\xFF"},           // above U+10FFFF
      {"\xBF", "\x80\x80", "\xC3", "\xF0\x9F\x98", std::string_view("\xE2\x82\xAC", 2)},  // lone, cut by the end
      {"\xC3/", "\xE2\x82/", "\xF0\x9F\x98/", "\xE2\x82\xE2"},                            // cut by another byte
  };
  for (const auto& grupo : grupos)
    for (std::string_view bytes : grupo)
      EXPECT_EQ(Windows1252_Ou_Utf8_Para_Utf8(bytes), Windows1252_Para_Utf8(bytes)) << testing::PrintToString(bytes);
  EXPECT_EQ(Windows1252_Ou_Utf8_Para_Utf8("\xE2\x82\xE2\x82\xAC"), Windows1252_Para_Utf8("\xE2\x82") + utf8(u8"€"));
}

}  // namespace
}  // namespace quillbook::platform
