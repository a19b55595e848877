#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "platform/mensagem.h"
#include "tests/ajuda.h"

namespace quillbook::teste {
namespace {

// What the messages put on standard error, read back through a pipe.
std::string escrito_no_erro_padrao(std::initializer_list<std::string_view> textos) {
  int tubo[2];
  if (::pipe(tubo) != 0) return "pipe failed";
  int erro_padrao = ::dup(STDERR_FILENO);
  ::dup2(tubo[1], STDERR_FILENO);
  for (auto texto : textos) platform::Mostra_Mensagem(texto);
  ::dup2(erro_padrao, STDERR_FILENO);
  for (int fd : {erro_padrao, tubo[1]}) ::close(fd);
  std::string lido(1024, '\0');
  lido.resize(static_cast<std::size_t>(std::max<ssize_t>(0, ::read(tubo[0], lido.data(), lido.size()))));
  ::close(tubo[0]);
  return lido;
}

std::string utf8(const char8_t* texto) { return reinterpret_cast<const char*>(texto); }

// The character set is that of the environment the library was loaded in,
// so each case loads it again in a child process, which compares the bytes
// itself and answers by its exit code.
void confere_no_ambiente(const char* lc_all, const char* lc_ctype, const char* lang,
                         std::initializer_list<std::string_view> textos, const std::string& esperado) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  const char* valores[] = {lc_all, lc_ctype, lang};
  const char* nomes[] = {"LC_ALL", "LC_CTYPE", "LANG"};
  for (int i = 0; i < 3; ++i) valores[i] ? ::setenv(nomes[i], valores[i], 1) : ::unsetenv(nomes[i]);
  EXPECT_EXIT(
      {
        const std::string lido = escrito_no_erro_padrao(textos);
        std::fprintf(stderr, "[%s]", lido.c_str());
        std::exit(lido == esperado ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "")
      << "LC_ALL=" << (lc_all ? lc_all : "-") << " LC_CTYPE=" << (lc_ctype ? lc_ctype : "-")
      << " LANG=" << (lang ? lang : "-");
}

// Without an observer the message's bytes and a line feed reach standard
// error at once; a locale that is single-byte or unknown gets them as they
// are.
TEST(Mensagem, VaiParaOErroPadrao) {
  confere_no_ambiente("C", nullptr, nullptr, {"Função\x1A", ""}, "Função\x1A\n\n");
  confere_no_ambiente(nullptr, nullptr, nullptr, {"Função"}, "Função\n");
  confere_no_ambiente("xx_YY.UTF-8", nullptr, nullptr, {"Função"}, "Função\n");
}

// Under a UTF-8 locale the Windows-1252 message is written in UTF-8; the
// locale is LC_ALL's, else LC_CTYPE's, else LANG's.
TEST(Mensagem, EmUtf8ConformeOLocaleDoAmbiente) {
  const std::string convertida = utf8(u8"Função Inicia_SPED não chamada\n");
  const std::string_view mensagem = "Função Inicia_SPED não chamada";
  confere_no_ambiente("pt_BR.UTF-8", "C", "C", {mensagem}, convertida);
  confere_no_ambiente("", "en_US.UTF-8", "C", {mensagem}, convertida);
  confere_no_ambiente(nullptr, nullptr, "pt_BR.UTF-8", {mensagem}, convertida);
  confere_no_ambiente("C", "pt_BR.UTF-8", "pt_BR.UTF-8", {mensagem}, std::string(mensagem) + "\n");
  confere_no_ambiente(nullptr, "C", "pt_BR.UTF-8", {mensagem}, std::string(mensagem) + "\n");
}

// A path the host gave in UTF-8, as file names are under a UTF-8 locale,
// is written as it came; one in Windows-1252 is converted with the text.
TEST(Mensagem, CaminhoEmUtf8EscritoComoVeio) {
  const std::string em_utf8 = "Erro. Diretório de saída informado inexistente. " + utf8(u8"/tmp/joão/saída/");
  const std::string_view em_1252 = "Erro. Diretório de saída informado inexistente. /tmp/joão/saída/";
  const std::string esperado = utf8(u8"Erro. Diretório de saída informado inexistente. /tmp/joão/saída/\n");
  confere_no_ambiente(nullptr, nullptr, "pt_BR.UTF-8", {em_utf8, em_1252}, esperado + esperado);
}

// The tests' observer sees the library's own bytes whatever the locale.
TEST(Mensagem, ObservadorVeOsBytesDaBiblioteca) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  ::setenv("LC_ALL", "pt_BR.UTF-8", 1);
  EXPECT_EXIT(
      {
        std::string visto;
        platform::Define_Observador_Mensagens([&](std::string_view texto) { visto = texto; });
        const std::string lido = escrito_no_erro_padrao({"Função"});
        std::exit(visto == "Função" && lido.empty() ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace quillbook::teste
