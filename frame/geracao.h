// The generation: its started flag, its seven paths, the per-record lists
// in which a record call gathers its log, errors and observations, and the
// line that a record call builds.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quillbook {

using Lista = std::vector<std::string>;

// A captured field of the record being written: its place in the line,
// and what its log line needs should the record go to "erro.txt".
struct Campo_Registro {
  std::size_t inicio = 0;  // in Geracao::Linha, its "|" included
  std::size_t tamanho = 0;
  std::string_view original;  // the value as passed to the capture...
  std::string proprio;        // ...or this, when the record made it (a date rewritten)
  bool original_proprio = false;
  std::string_view rotulo;  // captions are fixed texts
  std::size_t largura = 0;
  bool logado = false;
};

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
  // What a record call builds in, kept from one call to the next, so that
  // once the first records have sized them a call takes no memory: the
  // record line, the places of its captured fields (a record of more
  // fields than any before takes more, once), and a captured field copied
  // out for a validator. Released with the lists.
  std::string Linha;
  std::vector<Campo_Registro> Campos;
  std::string Valor_Testado;
};

// The one generation of the process.
Geracao& Estado();

// True when a generation is started; otherwise shows
// "-0   Função Inicia_SPED não chamada" and answers false.
bool Verifica_Inicio();

void Esvazia_Listas();

}  // namespace quillbook
