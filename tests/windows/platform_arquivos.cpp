#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <string>

#include "exports/quillbook.h"
#include "platform/arquivos.h"
#include "platform/windows/caminho_largo.h"
#include "tests/ajuda.h"

namespace quillbook::teste {
namespace {

using Arquivos_Windows = Diretorios_Teste;
using R = platform::Resultado_Acrescimo;

// A pipe with a server waiting, and the devices that answer to a file name
// in any directory, are no files: nothing is written to, read from or
// connected to them, and nothing waits on them.
TEST_F(Arquivos_Windows, PipeEDispositivoNaoSaoArquivos) {
  const std::string pipe = "\\\\.\\pipe\\quillbook-" + std::to_string(GetCurrentProcessId());
  HANDLE servidor = CreateNamedPipeA(pipe.c_str(), PIPE_ACCESS_DUPLEX | FILE_FLAG_OVERLAPPED,
                                     PIPE_TYPE_BYTE | PIPE_NOWAIT, 1, 4096, 4096, 0, nullptr);
  ASSERT_NE(servidor, INVALID_HANDLE_VALUE);
  for (const std::string& caminho :
       {pipe, std::string("NUL"), (saida / "NUL").string(), (saida / "COM1.txt").string()}) {
    SCOPED_TRACE(caminho);
    EXPECT_FALSE(platform::Arquivo_Existe(caminho));
    EXPECT_EQ(platform::Acrescenta_Linhas(caminho, {"a"}), R::Nao_Gravado);
    EXPECT_FALSE(platform::Trunca_Arquivo(caminho));
    EXPECT_FALSE(platform::Leitor_Linhas(caminho).aberto());
  }
  // No client ever connected: the server may still take one.
  EXPECT_FALSE(ConnectNamedPipe(servidor, nullptr));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PIPE_LISTENING));
  CloseHandle(servidor);
}

// Written and read in binary: CR LF stays two bytes, a lone LF is not made
// CR LF, and 0x1A ends a table only where the reader says so.
TEST_F(Arquivos_Windows, BytesSemTraducao) {
  const std::string caminho = (saida / "x").string();
  ASSERT_EQ(platform::Acrescenta_Linhas(caminho, {"a\nb", "\x1A", "c\r"}), R::Gravado);
  EXPECT_EQ(le("x"), "a\nb\r\n\x1A\r\nc\r\r\n");
  platform::Leitor_Linhas leitor(caminho);
  std::vector<std::string> lidas;
  for (std::string linha; leitor.proxima(linha, 10);) lidas.push_back(linha);
  EXPECT_EQ(lidas, (std::vector<std::string>{"a", "b"}));
}

// An output kept open by another program without leave to write is told as
// a failure, and the file keeps its bytes.
TEST_F(Arquivos_Windows, ArquivoTrancadoPorOutroPrograma) {
  grava(saida / "sped.txt", "antigo");
  HANDLE outro = CreateFileA((saida / "sped.txt").string().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(outro, INVALID_HANDLE_VALUE);
  EXPECT_EQ(platform::Acrescenta_Linhas((saida / "sped.txt").string(), {"L"}), R::Nao_Gravado);
  EXPECT_FALSE(platform::Trunca_Arquivo((saida / "sped.txt").string()));
  EXPECT_FALSE(platform::Apaga_Arquivo((saida / "sped.txt").string()));
  CloseHandle(outro);
  EXPECT_EQ(le("sped.txt"), "antigo");
}

// An old output marked read-only is replaced all the same, as it is on
// POSIX whatever its mode.
TEST_F(Arquivos_Windows, SaidaAntigaSomenteLeituraESubstituida) {
  grava(saida / "sped.txt", "antigo");
  ASSERT_TRUE(SetFileAttributesA((saida / "sped.txt").string().c_str(), FILE_ATTRIBUTE_READONLY));
  ASSERT_EQ(inicia(), 0);
  EXPECT_TRUE(mensagens.empty());
  EXPECT_FALSE(existe("sped.txt"));
  EXPECT_NE(le("erro.txt").find("O arquivo de SPED previamente existente"), std::string::npos);
}

// A symbolic link named like an output is not followed: the file it points
// at keeps its bytes.
TEST_F(Arquivos_Windows, LigacaoNaoRecebeNada) {
  grava(entrada / "alvo", "antes");
  if (!CreateSymbolicLinkA((saida / "x").string().c_str(), (entrada / "alvo").string().c_str(),
                           SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE))
    GTEST_SKIP() << "no symbolic links here (error " << GetLastError() << ")";
  // Wine 8 makes the link but cannot tell what it is afterwards.
  const DWORD ligacao = GetFileAttributesA((saida / "x").string().c_str());
  if (ligacao == INVALID_FILE_ATTRIBUTES || (ligacao & FILE_ATTRIBUTE_REPARSE_POINT) == 0)
    GTEST_SKIP() << "the file system does not report symbolic links as such";
  EXPECT_EQ(platform::Acrescenta_Linhas((saida / "x").string(), {"a"}), R::Nao_Gravado);
  EXPECT_EQ(le_arquivo(entrada / "alvo"), "antes");
}

// Each path takes the "\\?\" form of its full path, a share's as
// "\\?\UNC\..."; one already in that form stays as given; whatever names a
// device or a pipe, in either form, is refused.
TEST(Caminho_Largo, FormaEstendida) {
  wchar_t atual[MAX_PATH];
  ASSERT_GT(GetCurrentDirectoryW(MAX_PATH, atual), 0u);
  const std::wstring relativo = std::wstring(L"\\\\?\\") + atual + (atual[wcslen(atual) - 1] == L'\\' ? L"" : L"\\");
  struct Caso {
    const char* caminho;
    std::wstring forma;
  };
  const Caso casos[] = {
      {"C:\\dir\\sped.txt", L"\\\\?\\C:\\dir\\sped.txt"},
      {"c:/dir/./a/../sped.txt", L"\\\\?\\c:\\dir\\sped.txt"},
      {"C:\\ação\\", L"\\\\?\\C:\\ação\\"},
      {"\\\\servidor\\pasta\\sped.txt", L"\\\\?\\UNC\\servidor\\pasta\\sped.txt"},
      {"//servidor/pasta/sped.txt", L"\\\\?\\UNC\\servidor\\pasta\\sped.txt"},
      {"\\\\?\\C:\\dir\\..\\sped.txt", L"\\\\?\\C:\\dir\\..\\sped.txt"},
      {"\\\\?\\unc\\servidor\\pasta", L"\\\\?\\unc\\servidor\\pasta"},
      {"\\\\?\\C:", L"\\\\?\\C:"},
      {"sped.txt", relativo + L"sped.txt"},
      {"\\\\?\\pipe\\x", L""},
      {"\\\\?\\NUL", L""},
      {"\\\\?\\GLOBALROOT\\Device\\Null", L""},
      {"\\\\.\\pipe\\x", L""},
      {"\\\\.\\C:\\dir\\sped.txt", L""},
      {"//./pipe/x", L""},
      {"NUL", L""},
      {"C:\\dir\\COM1.txt", L""},
      {"C:\\dir\\con", L""},
      {"", L""},
  };
  for (const Caso& caso : casos) {
    SCOPED_TRACE(caso.caminho);
    EXPECT_EQ(platform::Forma_Estendida(caso.caminho), caso.forma);
    const std::wstring* guardado = platform::Caminho_Largo(caso.caminho);
    EXPECT_EQ(guardado == nullptr ? L"" : *guardado, caso.forma);
  }
}

// A relative path is resolved once for each current directory: a host that
// moves to another one writes there, as the system would have it.
TEST_F(Arquivos_Windows, RelativoSegueODiretorioAtual) {
  wchar_t anterior[MAX_PATH];
  ASSERT_GT(GetCurrentDirectoryW(MAX_PATH, anterior), 0u);
  for (const fs::path& dir : {saida, entrada, saida}) {
    ASSERT_TRUE(SetCurrentDirectoryW(dir.c_str()));
    EXPECT_EQ(platform::Acrescenta_Linhas("relativo.txt", {dir.filename().string()}), R::Gravado);
    EXPECT_TRUE(platform::Arquivo_Existe("relativo.txt"));
  }
  SetCurrentDirectoryW(anterior);
  EXPECT_EQ(le("relativo.txt"), "saida\r\nsaida\r\n");
  EXPECT_EQ(le_arquivo(entrada / "relativo.txt"), "entrada\r\n");
}

// Directories past the 260 characters of the ANSI file functions: the old
// outputs are replaced, every line reaches its file and the tables are read.
TEST_F(Arquivos_Windows, DiretoriosDeQualquerComprimento) {
  for (std::size_t comprimento : {262, 280, 300, 600}) {
    SCOPED_TRACE(comprimento);
    // Components of about 100 characters, the system's limit being 255.
    std::string texto = raiz.string() + "\\" + std::to_string(comprimento);
    ASSERT_TRUE(CreateDirectoryW(platform::Forma_Estendida(texto).c_str(), nullptr));
    while (texto.size() < comprimento) {
      const std::size_t resta = comprimento - texto.size();
      texto += "\\" + std::string(resta > 103 ? 100 : resta - 1, 'd');
      ASSERT_TRUE(CreateDirectoryW(platform::Forma_Estendida(texto).c_str(), nullptr)) << GetLastError();
    }
    const fs::path dir(platform::Forma_Estendida(texto));
    ASSERT_EQ(texto.size(), comprimento);
    for (const char* tabela : {"cfop.res", "municipio.res", "ncm.res", "pais.res"})
      ASSERT_TRUE(CopyFileW((entrada / tabela).c_str(), (dir / tabela).c_str(), false));
    grava(dir / "sped.txt", "antigo");

    ASSERT_EQ(Inicia_SPED(texto.c_str(), texto.c_str()), 0);
    Trata_SPED("L1");
    EXPECT_EQ(vCOD_CFOP("5102|"), 1);
    EXPECT_EQ(vCOD_CFOP("5103|"), 0);
    EXPECT_EQ(vCod_Municipio("3304557|"), 1);
    Trata_SPED("L2");
    Finaliza_SPED();
    EXPECT_TRUE(mensagens.empty());
    EXPECT_EQ(le_arquivo(dir / "sped.txt"), "L1\r\nL2\r\n");
    EXPECT_NE(le_arquivo(dir / "erro.txt").find("O arquivo de SPED previamente existente"), std::string::npos);
    EXPECT_FALSE(le_arquivo(dir / "log.txt").empty());
    std::error_code erro;
    fs::remove_all(platform::Forma_Estendida(raiz.string() + "\\" + std::to_string(comprimento)), erro);
  }
}

}  // namespace
}  // namespace quillbook::teste
