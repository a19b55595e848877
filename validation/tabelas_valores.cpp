// The coded fields tested against a fixed list of the layout's codes. Each
// takes its own reading of the value and compares it exactly, case and
// blanks included, with the codes of its list. No code is empty, so an
// empty or blank reading never matches.
#include <algorithm>
#include <array>
#include <cstdint>
#include <span>

#include "exports/quillbook.h"
#include "frame/borda.h"
#include "frame/captura.h"
#include "frame/texto.h"
#include "validation/leituras.h"

namespace quillbook {
namespace {

using Codigos = std::span<const std::string_view>;

constexpr std::string_view Leiautes[] = {"001", "002"};
constexpr std::string_view Titulos_Credito[] = {"00", "01", "02", "03", "99"};
constexpr std::string_view Classificacoes_Item[] = {"00", "01", "02", "03", "04", "18", "19", "20", "21",
                                                    "22", "23", "24", "25", "39", "40", "41", "59"};
constexpr std::string_view Modelos_Documento[] = {"01", "1B", "02", "2D", "2E", "04", "06", "07", "08", "8B", "09",
                                                  "10", "11", "13", "14", "15", "17", "16", "18", "19", "20", "21",
                                                  "22", "23", "24", "25", "26", "27", "28", "29", "30", "55"};
constexpr std::string_view Unidades_Federacao[] = {"MG", "SP", "RJ", "AL", "AM", "BA", "DF", "MS", "MT", "TO",
                                                   "AC", "MA", "RO", "RR", "PE", "RS", "PA", "PB", "CE", "GO",
                                                   "SC", "ES", "AP", "PI", "RN", "SE", "PR", "EX"};
constexpr std::string_view Tipos_Item[] = {"00", "01", "02", "03", "04", "05", "06", "07", "08", "09", "10", "99"};
constexpr std::string_view Tipos_Controle_Combustivel[] = {"01", "02", "03", "04", "06", "07", "08", "09",
                                                           "10", "11", "12", "13", "14", "16", "17", "18",
                                                           "19", "20", "91", "92", "93", "99"};

bool Consta(std::string_view leitura, Codigos codigos) {
  return std::find(codigos.begin(), codigos.end(), leitura) != codigos.end();
}

// A list of codes of two bytes, found at once instead of walked through:
// for each first byte that begins some code, the second bytes that end
// one, as a row of 256 bits. Built from the list when the library is
// compiled; a code of another length is refused there.
template <std::size_t Total>
class Codigos_De_Dois {
 public:
  consteval explicit Codigos_De_Dois(const std::string_view (&codigos)[Total]) {
    for (std::string_view codigo : codigos) {
      if (codigo.size() != 2) throw "a code of two bytes";
      const auto primeiro = static_cast<unsigned char>(codigo[0]);
      const auto segundo = static_cast<unsigned char>(codigo[1]);
      if (linha_[primeiro] == 0) linha_[primeiro] = static_cast<uint8_t>(++linhas_usadas_);
      segundos_[linha_[primeiro] - 1][segundo / 64] |= uint64_t{1} << (segundo % 64);
    }
  }

  bool consta(std::string_view leitura) const {
    if (leitura.size() != 2) return false;
    const unsigned linha = linha_[static_cast<unsigned char>(leitura[0])];
    if (linha == 0) return false;
    const auto segundo = static_cast<unsigned char>(leitura[1]);
    return (segundos_[linha - 1][segundo / 64] >> (segundo % 64) & 1) != 0;
  }

 private:
  std::array<uint8_t, 256> linha_{};  // 0: no code begins with this byte, else its row + 1
  std::array<std::array<uint64_t, 4>, Total> segundos_{};
  std::size_t linhas_usadas_ = 0;
};

template <std::size_t Total>
bool Consta(std::string_view leitura, const Codigos_De_Dois<Total>& codigos) {
  return codigos.consta(leitura);
}

constexpr Codigos_De_Dois Tabela_Titulos_Credito(Titulos_Credito);
constexpr Codigos_De_Dois Tabela_Classificacoes_Item(Classificacoes_Item);
constexpr Codigos_De_Dois Tabela_Modelos_Documento(Modelos_Documento);
constexpr Codigos_De_Dois Tabela_Unidades_Federacao(Unidades_Federacao);
constexpr Codigos_De_Dois Tabela_Tipos_Item(Tipos_Item);
constexpr Codigos_De_Dois Tabela_Tipos_Controle_Combustivel(Tipos_Controle_Combustivel);

std::string_view Vista(std::string_view leitura) { return leitura; }
std::string_view Vista(const Filtrado& leitura) { return leitura.texto(); }

template <auto Leitura, class Lista>
uint8_t Na_Lista(const char* valor, const Lista& codigos) {
  return Na_Borda(uint8_t{0}, [&] {
    const auto& leitura = Leitura(Texto(valor));
    return Resposta(Consta(Vista(leitura), codigos));
  });
}

// The readings.

// The first two bytes as passed, so "55|", "55" and "55xyz" all read 55,
// and a one-character model is read with its "|".
std::string_view Dois_Primeiros(std::string_view valor) { return Trecho(valor, 0, 2); }

// The first two digits: "001" reads 00, "1|" reads 1.
Filtrado Dois_Primeiros_Digitos(std::string_view valor) { return Numeros(valor, 2); }

// All the digits; three are enough to tell that a value is no code of
// two, and keep a long value off the heap.
Filtrado Todos_Digitos(std::string_view valor) { return Numeros(valor, 3); }

// The state abbreviation of a text field: its special characters (the
// "|" among them) removed, upper case, no surrounding blanks.
std::string Sigla(std::string_view valor) {
  const Filtrado permitidos(valor, Caractere_Permitido);
  const std::string_view sigla = Apara(permitidos.texto());
  // Only two bytes can be an abbreviation; testing that first keeps the
  // upper-cased copy in the string's own small buffer.
  return sigla.size() == 2 ? Maiusculas(sigla) : std::string();
}

}  // namespace
}  // namespace quillbook

using quillbook::Dois_Primeiros;
using quillbook::Dois_Primeiros_Digitos;
using quillbook::Leiautes;
using quillbook::Na_Lista;
using quillbook::Sem_Barra_Final;
using quillbook::Sigla;
using quillbook::Tabela_Classificacoes_Item;
using quillbook::Tabela_Modelos_Documento;
using quillbook::Tabela_Tipos_Controle_Combustivel;
using quillbook::Tabela_Tipos_Item;
using quillbook::Tabela_Titulos_Credito;
using quillbook::Tabela_Unidades_Federacao;
using quillbook::Todos_Digitos;

// clang-format off
extern "C" {

QB_API uint8_t QB_CALL vCod_Leiaute(const char* Valor)                       { return Na_Lista<Sem_Barra_Final>(Valor, Leiautes); }
QB_API uint8_t QB_CALL vInd_tipo_titulo_credito(const char* Valor)           { return Na_Lista<Sem_Barra_Final>(Valor, Tabela_Titulos_Credito); }
QB_API uint8_t QB_CALL vCod_classific_item_4_4_2(const char* Valor)          { return Na_Lista<Sem_Barra_Final>(Valor, Tabela_Classificacoes_Item); }
QB_API uint8_t QB_CALL vCod_modelo_documento_fiscal_4_1_1(const char* Valor) { return Na_Lista<Dois_Primeiros>(Valor, Tabela_Modelos_Documento); }
QB_API uint8_t QB_CALL vUF(const char* Valor)                                { return Na_Lista<Sigla>(Valor, Tabela_Unidades_Federacao); }
QB_API uint8_t QB_CALL vTIPO_ITEM(const char* Valor)                         { return Na_Lista<Dois_Primeiros_Digitos>(Valor, Tabela_Tipos_Item); }
QB_API uint8_t QB_CALL vTP_CHC(const char* Valor)                            { return Na_Lista<Todos_Digitos>(Valor, Tabela_Tipos_Controle_Combustivel); }

}
// clang-format on
