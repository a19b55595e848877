#include "platform/windows/caminho_largo.h"

#include <windows.h>

#include <algorithm>
#include <array>
#include <cwctype>
#include <string_view>
#include <utility>

#include "platform/arquivos.h"
#include "platform/permanente.h"

namespace quillbook::platform {
namespace {

constexpr std::wstring_view Estendido = L"\\\\?\\";
constexpr std::wstring_view Dispositivo = L"\\\\.\\";

bool separador(wchar_t c) { return c == L'\\' || c == L'/'; }
bool letra(wchar_t c) { return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z'); }

bool comeca_com(std::wstring_view texto, std::wstring_view inicio, bool sem_caixa = false) {
  if (texto.size() < inicio.size()) return false;
  for (std::size_t i = 0; i < inicio.size(); ++i) {
    const wchar_t a = sem_caixa ? static_cast<wchar_t>(std::towupper(texto[i])) : texto[i];
    if (a != inicio[i]) return false;
  }
  return true;
}

// After "\\?\" the system reads no device names, but what follows still
// reaches the whole object namespace ("\\?\pipe\x", "\\?\NUL"): only a
// drive, a share or a volume names files.
bool estendido_de_arquivo(std::wstring_view caminho) {
  const std::wstring_view resto = caminho.substr(Estendido.size());
  if (resto.size() >= 2 && letra(resto[0]) && resto[1] == L':' && (resto.size() == 2 || resto[2] == L'\\')) return true;
  return comeca_com(resto, L"UNC\\", true) || comeca_com(resto, L"VOLUME{", true);
}

std::wstring do_codigo_ansi(const std::string& caminho) {
  const int tamanho = MultiByteToWideChar(CP_ACP, 0, caminho.data(), static_cast<int>(caminho.size()), nullptr, 0);
  if (tamanho <= 0) return {};
  std::wstring largo(static_cast<std::size_t>(tamanho), L'\0');
  MultiByteToWideChar(CP_ACP, 0, caminho.data(), static_cast<int>(caminho.size()), largo.data(), tamanho);
  return largo;
}

// How a path depends on the current directory: not at all ("C:\x",
// "\\server\share\x"), on the process's current directory ("x", "\x"), or
// on a drive's own current directory ("D:x"), which the system keeps apart
// from the process's: such a path is resolved at every call.
enum class Relativo { Nao, Ao_Diretorio_Atual, Ao_Diretorio_Da_Unidade };

Relativo relativo(const std::string& caminho) {
  if (caminho.size() >= 2 && separador(caminho[0]) && separador(caminho[1])) return Relativo::Nao;
  if (caminho.size() >= 2 && letra(static_cast<unsigned char>(caminho[0])) && caminho[1] == ':')
    return caminho.size() >= 3 && separador(caminho[2]) ? Relativo::Nao : Relativo::Ao_Diretorio_Da_Unidade;
  return Relativo::Ao_Diretorio_Atual;
}

// Into memory kept from call to call: a buffer too short is grown once.
bool diretorio_atual(std::wstring& destino) {
  destino.resize(std::max<std::size_t>(destino.capacity(), MAX_PATH));
  for (int tentativa = 0; tentativa < 2; ++tentativa) {
    const DWORD tamanho = GetCurrentDirectoryW(static_cast<DWORD>(destino.size()), destino.data());
    if (tamanho == 0) return false;
    const bool coube = tamanho < destino.size();
    destino.resize(tamanho);  // what it holds, or what it needs with its NUL
    if (coube) return true;
  }
  return false;
}

struct Resolvido {
  std::string texto;   // the host's path
  std::wstring atual;  // the current directory it was resolved in, when relative
  std::wstring largo;  // its "\\?\" form; empty when refused
  bool ocupado = false;
};

// Three outputs, four tables and the two directories of a generation, with
// room to spare; beyond that, the oldest is resolved again when it returns.
// Never destroyed, as the rest of the generation's state.
struct Resolvidos {
  std::array<Resolvido, 16> caminhos;
  std::size_t proximo = 0;
  Resolvido avulso;  // a drive-relative path, resolved at every call
  std::wstring atual;
};

Resolvidos& resolvidos() {
  static Permanente<Resolvidos> guardados;
  return *guardados;
}

}  // namespace

std::wstring Forma_Estendida(const std::string& caminho) {
  const std::wstring largo = do_codigo_ansi(caminho);
  if (largo.empty()) return {};
  if (comeca_com(largo, Estendido)) return estendido_de_arquivo(largo) ? largo : std::wstring();
  const DWORD tamanho = GetFullPathNameW(largo.c_str(), 0, nullptr, nullptr);
  if (tamanho == 0) return {};
  std::wstring completo(tamanho, L'\0');
  const DWORD escrito = GetFullPathNameW(largo.c_str(), tamanho, completo.data(), nullptr);
  if (escrito == 0 || escrito >= tamanho) return {};
  completo.resize(escrito);
  // "//?/x" comes back as "\\?\x"; a device or a pipe as "\\.\x".
  if (comeca_com(completo, Estendido)) return estendido_de_arquivo(completo) ? completo : std::wstring();
  if (comeca_com(completo, Dispositivo)) return {};
  if (completo.size() >= 2 && completo[0] == L'\\' && completo[1] == L'\\')
    return std::wstring(Estendido) + L"UNC" + completo.substr(1);
  return std::wstring(Estendido) + completo;
}

const std::wstring* Caminho_Largo(const std::string& caminho) {
  Resolvidos& r = resolvidos();
  const Relativo forma = relativo(caminho);
  Resolvido* achado = nullptr;
  if (forma == Relativo::Ao_Diretorio_Da_Unidade) {
    achado = &r.avulso;
  } else {
    if (forma == Relativo::Ao_Diretorio_Atual && !diretorio_atual(r.atual)) return nullptr;
    for (Resolvido& c : r.caminhos) {
      if (c.ocupado && c.texto == caminho && (forma == Relativo::Nao || c.atual == r.atual))
        return c.largo.empty() ? nullptr : &c.largo;
    }
    achado = &r.caminhos[r.proximo];
    r.proximo = (r.proximo + 1) % r.caminhos.size();
  }
  achado->texto = caminho;
  if (forma == Relativo::Ao_Diretorio_Atual) achado->atual = r.atual;
  achado->largo = Forma_Estendida(caminho);
  achado->ocupado = true;
  return achado->largo.empty() ? nullptr : &achado->largo;
}

// The full forms found during a generation are given back at its end: the
// old state is moved out into a temporary, which frees its memory (an
// assignment of empty texts would keep their buffers).
void Esquece_Caminhos() { (void)std::exchange(resolvidos(), Resolvidos{}); }

}  // namespace quillbook::platform
