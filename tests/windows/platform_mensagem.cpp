#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "exports/quillbook.h"
#include "platform/mensagem.h"
#include "tests/ajuda.h"

namespace quillbook::teste {
namespace {

using Mensagem_Windows = Diretorios_Teste;

// What reaches a debugger through OutputDebugStringA, seen first by a
// handler of the process itself.
std::vector<std::string>* depurado = nullptr;

LONG CALLBACK ve_depuracao(EXCEPTION_POINTERS* excecao) {
  const EXCEPTION_RECORD& r = *excecao->ExceptionRecord;
  if (r.ExceptionCode != DBG_PRINTEXCEPTION_C || depurado == nullptr) return EXCEPTION_CONTINUE_SEARCH;
  // Its length counts the NUL on Windows, not on Wine 8.
  const char* texto = reinterpret_cast<const char*>(r.ExceptionInformation[1]);
  depurado->emplace_back(texto, strnlen(texto, static_cast<std::size_t>(r.ExceptionInformation[0])));
  return EXCEPTION_CONTINUE_EXECUTION;
}

// No window can be made on this thread, so no box can be shown, even where
// a box on a desktop nobody sees would wait for a click.
LRESULT CALLBACK sem_janelas(int codigo, WPARAM w, LPARAM l) {
  return codigo == HCBT_CREATEWND ? 1 : CallNextHookEx(nullptr, codigo, w, l);
}

// Runs the calls on a thread of their own, on a desktop of a window station
// that nobody sees, as a service's thread is. (The shared desktop would
// also do under Wine, but Wine 8 starts the process behind it with our
// standard error, and ctest would wait for that process to end.)
struct Sem_Area_De_Trabalho {
  std::function<void()> chamadas;
  HDESK area = nullptr;

  static DWORD WINAPI corre(void* dados) {
    auto& s = *static_cast<Sem_Area_De_Trabalho*>(dados);
    if (!SetThreadDesktop(s.area)) return 1;
    HHOOK gancho = SetWindowsHookExW(WH_CBT, sem_janelas, nullptr, GetCurrentThreadId());
    s.chamadas();
    if (gancho != nullptr) UnhookWindowsHookEx(gancho);
    return 0;
  }
  bool executa() {
    HWINSTA propria = GetProcessWindowStation();
    HWINSTA invisivel = CreateWindowStationW(nullptr, 0, WINSTA_ALL_ACCESS, nullptr);
    if (invisivel == nullptr || !SetProcessWindowStation(invisivel)) return false;
    area = CreateDesktopW(L"quillbook", nullptr, nullptr, 0, GENERIC_ALL, nullptr);
    HANDLE fio = area == nullptr ? nullptr : CreateThread(nullptr, 0, corre, this, 0, nullptr);
    DWORD resultado = 1;
    if (fio != nullptr) {
      WaitForSingleObject(fio, INFINITE);
      GetExitCodeThread(fio, &resultado);
      CloseHandle(fio);
    }
    SetProcessWindowStation(propria);
    if (area != nullptr) CloseDesktop(area);
    CloseWindowStation(invisivel);
    return resultado == 0;
  }
};

// What a pipe holds now, read without waiting for its end, which a copy of
// its handle in another process would put off.
std::string le_disponivel(HANDLE leitura) {
  std::string lido;
  char bloco[4096];
  for (DWORD disponivel = 0, n = 0; PeekNamedPipe(leitura, nullptr, 0, nullptr, &disponivel, nullptr) &&
                                    disponivel > 0 && ReadFile(leitura, bloco, sizeof bloco, &n, nullptr);)
    lido.append(bloco, n);
  return lido;
}

struct Visto {
  std::string erro_padrao;
  std::vector<std::string> depurador;
};

// Runs `chamadas` with no observer and no box possible, standard error
// going to a pipe.
Visto sem_caixa(std::function<void()> chamadas) {
  Visto visto;
  HANDLE leitura, escrita;
  if (!CreatePipe(&leitura, &escrita, nullptr, 1 << 16)) return {"pipe failed", {}};
  HANDLE erro_padrao = GetStdHandle(STD_ERROR_HANDLE);
  PVOID tratador = AddVectoredExceptionHandler(1, ve_depuracao);
  depurado = &visto.depurador;
  platform::Define_Observador_Mensagens({});
  SetStdHandle(STD_ERROR_HANDLE, escrita);
  Sem_Area_De_Trabalho fio{std::move(chamadas)};
  const bool executado = fio.executa();
  SetStdHandle(STD_ERROR_HANDLE, erro_padrao);
  depurado = nullptr;
  RemoveVectoredExceptionHandler(tratador);
  visto.erro_padrao = executado ? le_disponivel(leitura) : "no desktop of our own";  // every write is in it by now
  CloseHandle(escrita);
  CloseHandle(leitura);
  return visto;
}

// Two failures of the generation with no box to show: each message, a line
// of its own, reaches standard error and the debugger, and every call goes
// on as after a closed box. The console's code page, when it is UTF-8,
// gets the text in UTF-8; the debugger always gets the library's bytes.
void confere_sem_caixa(const fs::path& raiz, const fs::path& entrada) {
  const std::string inexistente = (raiz / "x").string() + Separador;
  int inicio = 0, validador = 1;
  Visto visto = sem_caixa([&] {
    inicio = Inicia_SPED((raiz / "x").string().c_str(), entrada.string().c_str());
    validador = vCOD_CFOP("5102|");
  });
  EXPECT_EQ(inicio, -1);
  EXPECT_EQ(validador, 0);
  const std::string primeira = "Erro. Diretório de saída informado inexistente. " + inexistente + "\r\n";
  const std::string segunda = "-0   Função Inicia_SPED não chamada\r\n";
  EXPECT_EQ(visto.depurador, (std::vector<std::string>{primeira, segunda}));
  if (GetConsoleOutputCP() == CP_UTF8) {
    const std::string convertidas =
        reinterpret_cast<const char*>(u8"Erro. Diretório de saída informado inexistente. ") + inexistente + "\r\n" +
        reinterpret_cast<const char*>(u8"-0   Função Inicia_SPED não chamada\r\n");
    EXPECT_EQ(visto.erro_padrao, convertidas);
  } else {
    EXPECT_EQ(visto.erro_padrao, primeira + segunda);
  }
}

TEST_F(Mensagem_Windows, SemCaixaVaiParaOErroPadraoEOdepurador) { confere_sem_caixa(raiz, entrada); }

// Under a console whose code page is UTF-8. A console of its own, made for
// a copy of this program run on this test alone: Wine gives none to a
// program started without one, and the host's is not ours to change.
TEST_F(Mensagem_Windows, SemCaixaEmConsoleUtf8) {
  if (std::getenv("QB_CONSOLE_UTF8") != nullptr) {
    ASSERT_TRUE(SetConsoleOutputCP(CP_UTF8));
    confere_sem_caixa(raiz, entrada);
    return;
  }
  wchar_t programa[MAX_PATH];
  ASSERT_GT(GetModuleFileNameW(nullptr, programa, MAX_PATH), 0u);
  std::wstring linha = std::wstring(L"\"") + programa + L"\" --gtest_filter=Mensagem_Windows.SemCaixaEmConsoleUtf8";
  // Its report comes back through a pipe of our own: the console's process
  // that Wine starts for it would keep any handle of ours it inherited,
  // and ctest would wait for that.
  SECURITY_ATTRIBUTES herdavel{sizeof herdavel, nullptr, TRUE};
  HANDLE leitura, escrita;
  ASSERT_TRUE(CreatePipe(&leitura, &escrita, &herdavel, 1 << 16));
  SetHandleInformation(leitura, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOW inicio{};
  inicio.cb = sizeof inicio;
  inicio.dwFlags = STARTF_USESTDHANDLES;
  inicio.hStdOutput = inicio.hStdError = escrita;
  SetEnvironmentVariableW(L"QB_CONSOLE_UTF8", L"1");
  PROCESS_INFORMATION filho{};
  const BOOL criado = CreateProcessW(nullptr, linha.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr,
                                     &inicio, &filho);
  SetEnvironmentVariableW(L"QB_CONSOLE_UTF8", nullptr);
  CloseHandle(escrita);
  ASSERT_TRUE(criado) << GetLastError();
  std::string relato;
  for (int espera = 0; WaitForSingleObject(filho.hProcess, 100) == WAIT_TIMEOUT && espera < 600; ++espera)
    relato += le_disponivel(leitura);
  relato += le_disponivel(leitura);
  DWORD codigo = 1;
  GetExitCodeProcess(filho.hProcess, &codigo);
  EXPECT_EQ(codigo, 0u) << relato;
  CloseHandle(filho.hThread);
  CloseHandle(filho.hProcess);
  CloseHandle(leitura);
}

}  // namespace
}  // namespace quillbook::teste
