// Look-ups of a code in the reference tables that the host puts in the
// input directory. The table is read from disk at every call and closed
// again, so a table changed during a generation is seen by the next
// look-up; nothing of it is kept between calls.
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

// The code sought is the captured field less its last byte, as it is:
// never trimmed. Line 1 of a table is its heading. A missing or unreadable
// table finds nothing, and says nothing: the generation goes on.
bool Consta(std::string_view valor, const Tabela_Referencia& tabela) {
  if (!Verifica_Inicio()) return false;
  const std::string_view codigo = Sem_Ultimo(valor);
  // No line offers more than its code columns.
  if (codigo.size() > tabela.colunas) return false;
  platform::Leitor_Linhas leitor(Estado().*tabela.caminho);
  std::string linha;  // at most 8 bytes: stays in the string's own buffer
  if (!leitor.proxima(linha, tabela.colunas)) return false;
  while (leitor.proxima(linha, tabela.colunas)) {
    const std::string_view parte = tabela.aparada ? Apara(linha) : std::string_view(linha);
    if (parte == codigo) return true;
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
