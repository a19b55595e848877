// Look-ups of a code in the reference tables that the host puts in the
// input directory. The table is read from disk at every call and closed
// again, so a table changed during a generation is seen by the next
// look-up; nothing of it is kept between calls.
#include <algorithm>
#include <array>
#include <string>

#include "exports/quillbook.h"
#include "frame/borda.h"
#include "frame/geracao.h"
#include "frame/texto.h"
#include "platform/arquivos.h"
#include "validation/leituras.h"

namespace quillbook {
namespace {

struct Tabela_Referencia {
  std::string Geracao::*caminho;
  std::size_t colunas;  // the code stands in the first `colunas` bytes of a line
  bool aparada;         // the code columns lose their blanks before the comparison
};

constexpr Tabela_Referencia CFOP{&Geracao::Caminho_CFOP, 4, false};
constexpr Tabela_Referencia NCM{&Geracao::Caminho_NCM, 8, false};
constexpr Tabela_Referencia Municipio{&Geracao::Caminho_Municipio, 7, false};
constexpr Tabela_Referencia Pais{&Geracao::Caminho_Pais, 4, true};

// A line's part in the code columns: its first `colunas` bytes, a CR
// counting for nothing.
std::string_view Parte_Codigo(std::string_view linha, std::size_t colunas, std::array<char, 8>& espaco) {
  std::size_t tamanho = 0;
  for (char c : linha) {
    if (tamanho == colunas) break;
    if (c != '\r') espaco[tamanho++] = c;
  }
  return std::string_view(espaco.data(), tamanho);
}

// Byte by byte: codes are a few bytes long, and most differ in the first.
bool Iguais(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i] != b[i]) return false;
  }
  return true;
}

// As Apara, here where it runs on every line of a table.
std::string_view Aparada(std::string_view texto) {
  while (!texto.empty() && static_cast<unsigned char>(texto.front()) <= 32) texto.remove_prefix(1);
  while (!texto.empty() && static_cast<unsigned char>(texto.back()) <= 32) texto.remove_suffix(1);
  return texto;
}

// Whether the line's part in the code columns is `codigo`. Looked at in
// place, and given up at the first byte that differs: a table has
// thousands of lines and a look-up reads them at every call. Only a line
// with a CR among its columns has its part gathered apart.
bool Codigo_Na_Linha(std::string_view linha, std::size_t colunas, std::string_view codigo,
                     std::array<char, 8>& espaco) {
  const std::size_t n = linha.size() < colunas ? linha.size() : colunas;
  for (std::size_t i = 0; i < n; ++i) {
    if (linha[i] == '\r') return Iguais(Parte_Codigo(linha, colunas, espaco), codigo);
    if (i == codigo.size() || linha[i] != codigo[i]) return false;
  }
  return n == codigo.size();
}

// The same for a table whose code columns lose their blanks first.
bool Codigo_Aparado_Na_Linha(std::string_view linha, std::size_t colunas, std::string_view codigo,
                             std::array<char, 8>& espaco) {
  const std::size_t n = linha.size() < colunas ? linha.size() : colunas;
  for (std::size_t i = 0; i < n; ++i) {
    if (linha[i] == '\r') return Iguais(Aparada(Parte_Codigo(linha, colunas, espaco)), codigo);
  }
  return Iguais(Aparada(linha.substr(0, n)), codigo);
}

// What the first bytes of a line hold when the line holds `codigo`, for
// the reader to pass over the other lines unseen: a code that fills the
// columns is the line's first bytes, and a shorter one is the whole line,
// so its LF follows it. A line whose first byte that differs is a CR, or
// in the trimmed table any blank or control byte, is looked at in full;
// where it is another byte, that byte is in the line's part (trimming
// stops at it) where the code has another or none. A code that holds a
// CR, a LF or 0x1A, or that the trimming would have taken from its start,
// is in no line: passing over lines cannot change its answer.
platform::Inicio_Linha Inicio_Possivel(std::string_view codigo, const Tabela_Referencia& tabela) {
  std::array<char, 8> padrao{};
  std::copy(codigo.begin(), codigo.end(), padrao.begin());
  std::size_t bytes = codigo.size();
  if (bytes < tabela.colunas) padrao[bytes++] = '\n';
  return platform::Inicio_Linha(std::string_view(padrao.data(), bytes), tabela.aparada ? 33 : 0);
}

// The code sought is the captured field less its last byte, as it is:
// never trimmed. Line 1 of a table is its heading. A missing or unreadable
// table finds nothing, and says nothing: the generation goes on.
bool Consta(std::string_view valor, const Tabela_Referencia& tabela) {
  if (!Verifica_Inicio()) return false;
  const std::string_view codigo = Sem_Ultimo(valor);
  // No line offers more than its code columns.
  if (codigo.size() > tabela.colunas) return false;
  platform::Leitor_Linhas leitor(Estado().*tabela.caminho);
  std::string_view linha;
  if (!leitor.proxima(linha)) return false;
  const platform::Inicio_Linha inicio = Inicio_Possivel(codigo, tabela);
  std::array<char, 8> espaco;
  while (leitor.proxima(linha, inicio)) {
    const bool achado = tabela.aparada ? Codigo_Aparado_Na_Linha(linha, tabela.colunas, codigo, espaco)
                                       : Codigo_Na_Linha(linha, tabela.colunas, codigo, espaco);
    if (achado) return true;
  }
  return false;
}

uint8_t Procura(const char* valor, const Tabela_Referencia& tabela) {
  return Na_Borda(uint8_t{0}, [&] { return Resposta(Consta(Texto(valor), tabela)); });
}

}  // namespace
}  // namespace quillbook

extern "C" {

QB_API uint8_t QB_CALL vCOD_CFOP(const char* Valor) { return quillbook::Procura(Valor, quillbook::CFOP); }
QB_API uint8_t QB_CALL vCOD_NCM(const char* Valor) { return quillbook::Procura(Valor, quillbook::NCM); }
QB_API uint8_t QB_CALL vCOD_PAIS(const char* Valor) { return quillbook::Procura(Valor, quillbook::Pais); }
QB_API uint8_t QB_CALL vCod_Municipio(const char* Valor) { return quillbook::Procura(Valor, quillbook::Municipio); }
}
