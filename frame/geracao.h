// The generation: its started flag, its seven paths and the per-record
// lists in which a record call gathers its log, errors and observations.
#pragma once

#include <string>
#include <vector>

namespace quillbook {

using Lista = std::vector<std::string>;

struct Geracao {
  bool Iniciado = false;
  std::string Caminho_Erro;
  std::string Caminho_SPED;
  std::string Caminho_Log;
  std::string Caminho_CFOP;
  std::string Caminho_Municipio;
  std::string Caminho_NCM;
  std::string Caminho_Pais;
  Lista Lista_Log;
  Lista Lista_Erros;
  Lista Lista_Observacoes;
  // The output files that hold a fragment of a failed append that could not
  // be cut back: the next append to each first ends it with CR LF.
  Lista Fragmentos_Abertos;
};

// The one generation of the process.
Geracao& Estado();

// True when a generation is started; otherwise shows
// "-0   Função Inicia_SPED não chamada" and answers false.
bool Verifica_Inicio();

void Esvazia_Listas();

}  // namespace quillbook
