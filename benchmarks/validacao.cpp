// Cost of one validator call of each kind, and of a look-up in reference
// tables of the sizes a generation meets (600 CFOP lines, 13,000 NCM lines).
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "exports/quillbook.h"

namespace {

namespace fs = std::filesystem;
using Validador = uint8_t(QB_CALL*)(const char*);

void Valida(benchmark::State& state, Validador valida, const char* valor) {
  for (auto _ : state) benchmark::DoNotOptimize(valida(valor));
}

BENCHMARK_CAPTURE(Valida, primeiro_caractere, vMovimento, "1|");
BENCHMARK_CAPTURE(Valida, primeiro_digito, vIND_MOV, "1|");
BENCHMARK_CAPTURE(Valida, valor_sem_ultimo, vCod_situacao_documento_fiscal, "08|");
BENCHMARK_CAPTURE(Valida, valor_sem_barra, vInd_tipo_receita, "1|");
BENCHMARK_CAPTURE(Valida, valor_numerico, vIND_OPER, "1|");
BENCHMARK_CAPTURE(Valida, lista_modelo, vCod_modelo_documento_fiscal_4_1_1, "55|");
BENCHMARK_CAPTURE(Valida, lista_uf, vUF, "ex|");
BENCHMARK_CAPTURE(Valida, lista_tp_chc, vTP_CHC, "99|");
BENCHMARK_CAPTURE(Valida, cpf, vCPF, "111.444.777-35|");
BENCHMARK_CAPTURE(Valida, cnpj, vCNPJ, "11.222.333/0001-81|");
BENCHMARK_CAPTURE(Valida, cep, vCEP, "01310100|");

// A generation on a temporary input directory whose table `nome` holds a
// heading and `linhas` codes written by `codigo`, each with a description.
class Geracao_Temporaria {
 public:
  template <class Codigo>
  Geracao_Temporaria(const char* nome, int linhas, Codigo codigo) {
    std::string modelo = (fs::temp_directory_path() / "qb_bench_XXXXXX").string();
    if (mkdtemp(modelo.data()) == nullptr) return;
    raiz_ = modelo;
    fs::create_directory(raiz_ / "saida");
    fs::create_directory(raiz_ / "entrada");
    for (const char* tabela : {"cfop.res", "municipio.res", "ncm.res", "pais.res"})
      std::ofstream(raiz_ / "entrada" / tabela) << "CODIGO DESCRICAO\r\n";
    std::ofstream tabela(raiz_ / "entrada" / nome, std::ios::binary);
    tabela << "CODIGO DESCRICAO\r\n";
    for (int i = 0; i < linhas; ++i)
      tabela << codigo(i) << " Descrição de exemplo da linha da tabela de referência\r\n";
    tabela.close();
    iniciada_ = Inicia_SPED((raiz_ / "saida").c_str(), (raiz_ / "entrada").c_str()) == 0;
  }
  ~Geracao_Temporaria() {
    Finaliza_SPED();
    if (!raiz_.empty()) fs::remove_all(raiz_);
  }
  bool iniciada() const { return iniciada_; }

 private:
  fs::path raiz_;
  bool iniciada_ = false;
};

std::string Numero(int valor, int largura) {
  char texto[16];
  std::snprintf(texto, sizeof texto, "%0*d", largura, valor);
  return texto;
}

// The code sought stands on line `posicao` of the `linhas` after the
// heading; past the end it is missing, and the whole table is read.
void Procura(benchmark::State& state, const char* nome, Validador procura, int largura, int linhas) {
  const auto codigo = [largura](int i) { return Numero(1000 + i, largura); };
  Geracao_Temporaria geracao(nome, linhas, codigo);
  if (!geracao.iniciada()) {
    state.SkipWithError("Inicia_SPED failed");
    return;
  }
  const std::string valor = codigo(static_cast<int>(state.range(0))) + "|";
  for (auto _ : state) benchmark::DoNotOptimize(procura(valor.c_str()));
}

BENCHMARK_CAPTURE(Procura, cfop_600, "cfop.res", vCOD_CFOP, 4, 600)->Arg(0)->Arg(300)->Arg(599)->Arg(600);
BENCHMARK_CAPTURE(Procura, ncm_13000, "ncm.res", vCOD_NCM, 8, 13000)->Arg(0)->Arg(6500)->Arg(12999)->Arg(13000);

}  // namespace

BENCHMARK_MAIN();
