#include "frame/estatisticas.h"

#include "frame/geracao.h"
#include "frame/saida.h"
#include "frame/tabela_registros.h"
#include "platform/regional.h"

namespace quillbook {
namespace {

const char* const Separador_Linhas = "-----------------------------------------------------";

}  // namespace

int64_t Percentual_Linha(int64_t erros, int64_t total) {
  if (total <= 0) return 0;
  return (2 * erros * 10000 + total) / (2 * total);
}

int64_t Percentual_Total(int64_t erros, int64_t total) {
  if (total <= 0) return 0;
  int64_t numerador = erros * 1000000;  // percent with four decimals
  int64_t quatro = numerador / total;
  int64_t resto = numerador % total;
  if (2 * resto > total || (2 * resto == total && quatro % 2 != 0)) ++quatro;
  return (quatro + 50) / 100;
}

std::string Formata_Percentual(int64_t centesimos) {
  const auto& regional = platform::Regional();
  std::string inteiros = std::to_string(centesimos / 100);
  std::string agrupado;
  for (std::size_t i = 0; i < inteiros.size(); ++i) {
    if (i > 0 && (inteiros.size() - i) % 3 == 0) agrupado += regional.separador_milhar;
    agrupado += inteiros[i];
  }
  int64_t fracao = centesimos % 100;
  agrupado += regional.separador_decimal;
  agrupado += static_cast<char>('0' + fracao / 10);
  agrupado += static_cast<char>('0' + fracao % 10);
  return agrupado;
}

void Grava_Estatisticas() {
  if (!Verifica_Inicio()) return;
  Lista linhas{"Estastísticas dos Registros:", "", "REGISTROS\tOK\tOBS\tERROS\t%ERRO\tTOTAL", Separador_Linhas};
  int64_t ok = 0, obs = 0, erros = 0;
  for (const auto& r : Tabela_Registros()) {
    ok += r.Qtd_OK;
    obs += r.Qtd_Obs;
    erros += r.Qtd_Erros;
    if (r.Qtd_OK > 0 || r.Qtd_Erros > 0 || r.Qtd_Obs > 0) {
      int64_t total = int64_t{r.Qtd_OK} + r.Qtd_Erros;
      linhas.push_back("Registro " + r.Codigo + "\t" + std::to_string(r.Qtd_OK) + "\t" + std::to_string(r.Qtd_Obs) +
                       "\t" + std::to_string(r.Qtd_Erros) + "\t" +
                       Formata_Percentual(Percentual_Linha(r.Qtd_Erros, total)) + "%\t" + std::to_string(total));
    }
  }
  linhas.emplace_back(Separador_Linhas);
  linhas.push_back("Total\t\t" + std::to_string(ok) + "\t" + std::to_string(obs) + "\t" + std::to_string(erros) + "\t" +
                   Formata_Percentual(Percentual_Total(erros, ok + erros)) + "%\t" + std::to_string(ok + erros));
  Grava_Linhas(Estado().Caminho_Log, linhas);
  Esvazia_Listas();
}

}  // namespace quillbook
