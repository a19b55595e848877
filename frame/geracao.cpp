#include "frame/geracao.h"

#include "exports/quillbook.h"
#include "frame/borda.h"
#include "frame/estatisticas.h"
#include "frame/saida.h"
#include "frame/tabela_registros.h"
#include "frame/texto.h"
#include "platform/arquivos.h"
#include "platform/descarga.h"
#include "platform/mensagem.h"

namespace quillbook {
namespace {

// The lists, and (below) the paths and what a record call builds in, keep
// their memory from call to call; a closed generation gives it all back,
// since the generation itself is never destroyed: a library unloaded after
// it keeps nothing.
void libera_listas(Geracao& g) noexcept {
  Lista().swap(g.Lista_Erros);
  Lista().swap(g.Lista_Log);
  Lista().swap(g.Lista_Observacoes);
  Lista().swap(g.Fragmentos_Abertos);
}

void libera_construcao(Geracao& g) noexcept {
  for (std::string* caminho : {&g.Caminho_Erro, &g.Caminho_SPED, &g.Caminho_Log, &g.Caminho_CFOP, &g.Caminho_Municipio,
                               &g.Caminho_NCM, &g.Caminho_Pais})
    std::string().swap(*caminho);
  std::string().swap(g.Linha);
  std::vector<Campo_Registro>().swap(g.Campos);
  std::string().swap(g.Valor_Testado);
  std::string().swap(g.Valores_Proprios);
  // What the file layer worked out for the generation: the look-ups'
  // buffer, the full paths, the known ends.
  platform::Libera_Bloco_Leitura();
  platform::Esquece_Caminhos();
  platform::Esquece_Fins();
}

// Everything a generation holds: a library whose generation is closed, or
// was never started, holds no memory.
void libera_tudo(Geracao& g) noexcept {
  g.Iniciado = false;
  libera_listas(g);
  libera_construcao(g);
}

bool falha(const std::string& mensagem) {
  platform::Mostra_Mensagem(mensagem);
  return false;
}

bool testa_entradas(std::string_view saida, std::string_view entrada, const Geracao& g) {
  std::string dir_saida = std::string(saida) + platform::Separador_Diretorio;
  std::string dir_entrada = std::string(entrada) + platform::Separador_Diretorio;
  // An empty directory would put the files at the root of the file system.
  if (saida.empty() || !platform::Diretorio_Existe(dir_saida))
    return falha("Erro. Diretório de saída informado inexistente. " + dir_saida);
  if (entrada.empty() || !platform::Diretorio_Existe(dir_entrada))
    return falha("Erro. Diretório de entrada informado inexistente. " + dir_entrada);
  struct Tabela_Referencia {
    const std::string& caminho;
    const char* mensagem;
  };
  const Tabela_Referencia tabelas[] = {
      {g.Caminho_CFOP, "Erro. O arquivo de entrada CFOP.RES não foi encontrado em "},
      {g.Caminho_Municipio, "Erro. O arquivo de entrada MUNICIPIO.RES não foi encontrado em "},
      {g.Caminho_NCM, "Erro. O arquivo de entrada NCM.RES não foi encontrado em "},
      {g.Caminho_Pais, "Erro. O arquivo de entrada PAIS.RES não foi encontrado em "},
  };
  for (const auto& tabela : tabelas) {
    if (!platform::Arquivo_Existe(tabela.caminho)) return falha(tabela.mensagem + tabela.caminho);
  }
  return true;
}

// An old output file is deleted; where that fails it is emptied, so that
// the new generation never appends to the old one. Only a file that is
// gone or empty is noted as replaced.
void substitui_saida(const std::string& caminho, const char* nota, Geracao& g) {
  if (!platform::Arquivo_Existe(caminho)) return;
  if (platform::Apaga_Arquivo(caminho) || platform::Trunca_Arquivo(caminho))
    g.Lista_Observacoes.emplace_back(nota);
  else
    platform::Mostra_Mensagem("Erro ao tentar escrever no arquivo " + caminho);
}

int32_t inicia(std::string_view saida, std::string_view entrada) {
  Geracao& g = Estado();
  if (g.Iniciado) return -1;
  Esvazia_Listas();
  auto caminho = [](std::string_view dir, const char* nome) {
    return std::string(dir) + platform::Separador_Diretorio + nome;
  };
  g.Caminho_Erro = caminho(saida, "erro.txt");
  g.Caminho_SPED = caminho(saida, "sped.txt");
  g.Caminho_Log = caminho(saida, "log.txt");
  g.Caminho_CFOP = caminho(entrada, "cfop.res");
  g.Caminho_Municipio = caminho(entrada, "municipio.res");
  g.Caminho_NCM = caminho(entrada, "ncm.res");
  g.Caminho_Pais = caminho(entrada, "pais.res");
  // A refused start has nothing to close, and its host may just unload
  // the library: it keeps nothing, not even the paths it built.
  if (!testa_entradas(saida, entrada, g)) {
    libera_tudo(g);
    return -1;
  }
  // The files are replaced: nothing known of them still holds.
  g.Fragmentos_Abertos.clear();
  platform::Esquece_Fins();

  substitui_saida(g.Caminho_SPED, "\tO arquivo de SPED previamente existente foi substituído pelo novo arquivo gerado.",
                  g);
  substitui_saida(g.Caminho_Erro, "\tO arquivo de ERRO previamente existente foi substituído pelo novo arquivo gerado.",
                  g);
  substitui_saida(g.Caminho_Log, "\tO arquivo de LOG previamente existente foi substituído pelo novo arquivo gerado.",
                  g);
  g.Iniciado = true;
  if (!g.Lista_Observacoes.empty()) Grava_Erros(g.Lista_Erros);
  Preenche_Tabela();
  return 0;
}

void finaliza() {
  Geracao& g = Estado();
  // Cleared whatever happens in between: a close that failed half-way must
  // not leave every later start refused, nor keep what records built in,
  // the look-ups' buffer, or the paths and ends the file layer knows.
  struct Encerra {
    Geracao& g;
    ~Encerra() {
      g.Iniciado = false;
      libera_construcao(g);
    }
  } encerra{g};
  if (g.Iniciado) {
    Grava_Estatisticas();
    libera_listas(g);
  }
}

}  // namespace

void platform::Ao_Descarregar() noexcept { libera_tudo(Estado()); }

bool Verifica_Inicio() {
  if (Estado().Iniciado) return true;
  platform::Mostra_Mensagem("-0   Função Inicia_SPED não chamada");
  return false;
}

void Esvazia_Listas() {
  Geracao& g = Estado();
  if (g.Lista_Erros.empty() && g.Lista_Log.empty() && g.Lista_Observacoes.empty()) return;
  g.Lista_Erros.clear();
  g.Lista_Log.clear();
  g.Lista_Observacoes.clear();
}

}  // namespace quillbook

extern "C" {

QB_API int32_t QB_CALL Inicia_SPED(const char* Diretorio_Saida, const char* Diretorio_Entrada) {
  return quillbook::Na_Borda(
      -1, [&] { return quillbook::inicia(quillbook::Texto(Diretorio_Saida), quillbook::Texto(Diretorio_Entrada)); });
}

QB_API void QB_CALL Finaliza_SPED(void) {
  quillbook::Na_Borda([] { quillbook::finaliza(); });
}

QB_API int32_t QB_CALL Info_Versao(void) { return 106; }
}
