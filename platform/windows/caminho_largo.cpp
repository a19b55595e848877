#include "platform/windows/caminho_largo.h"

#include <windows.h>

#include <algorithm>
#include <array>
#include <cwctype>
#include <string_view>

#include "platform/arquivos.h"

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
std::array<Resolvido, 16> resolvidos;
std::size_t proximo = 0;
Resolvido avulso;  // a drive-relative path, resolved at every call
std::wstring atual;

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
  const Relativo forma = relativo(caminho);
  Resolvido* achado = nullptr;
  if (forma == Relativo::Ao_Diretorio_Da_Unidade) {
    achado = &avulso;
  } else {
    if (forma == Relativo::Ao_Diretorio_Atual && !diretorio_atual(atual)) return nullptr;
    for (Resolvido& r : resolvidos) {
      if (r.ocupado && r.texto == caminho && (forma == Relativo::Nao || r.atual == atual))
        return r.largo.empty() ? nullptr : &r.largo;
    }
    achado = &resolvidos[proximo];
    proximo = (proximo + 1) % resolvidos.size();
  }
  achado->texto = caminho;
  if (forma == Relativo::Ao_Diretorio_Atual) achado->atual = atual;
  achado->largo = Forma_Estendida(caminho);
  achado->ocupado = true;
  return achado->largo.empty() ? nullptr : &achado->largo;
}

// The full forms found during a generation are given back at its end.
void Esquece_Caminhos() {
  for (Resolvido& r : resolvidos) r = Resolvido{};
  avulso = Resolvido{};
  std::wstring().swap(atual);
  proximo = 0;
}

}  // namespace quillbook::platform
