// The generation: its started flag, its seven paths, the per-record lists
// in which a record call gathers its log, errors and observations, and the
// line that a record call builds.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/permanente.h"

namespace quillbook {

using Lista = std::vector<std::string>;

// A captured field of the record being written, as its log line will need
// it should the record go to "erro.txt": its place in the line, and where
// the value as passed is found. Only what a capture knows at no cost is
// kept; the log line is made from it only for a record that is logged.
struct Campo_Registro {
  // Where the value as passed to the capture is.
  enum class Origem : uint8_t {
    Host,       // the host's text (NULL the empty text): it lives through the call
    Capturado,  // the field itself less its "|": a value of the record's that passed whole
    Proprio,    // Geracao::Valores_Proprios from `inicio_proprio`, `tamanho_proprio` bytes
  };
  std::size_t inicio = 0;  // in Geracao::Linha, its "|" included
  std::size_t fim = 0;
  std::string_view rotulo;  // captions are fixed texts
  const char* original = nullptr;
  std::size_t inicio_proprio = 0;
  std::size_t tamanho_proprio = 0;
  uint32_t largura = 0;  // captions are padded to a few hundred at most
  Origem origem = Origem::Host;
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
  // The output files that a failed append could not be cut back in: the
  // next append to each first ends with CR LF whatever part of it is left
  // there, unless the file already ends a line.
  Lista Fragmentos_Abertos;
  // What a record call builds in, kept from one call to the next, so that
  // once the first records have sized them a call takes no memory: the
  // record line (a buffer: the record knows how much of it is its line),
  // the places of its captured fields (a record of more fields than any
  // before takes more, once), a value from elsewhere copied out for a
  // validator, and the values that a record made itself where its log
  // line shows them. Released with the lists.
  std::string Linha;
  std::vector<Campo_Registro> Campos;
  std::string Valor_Testado;
  std::string Valores_Proprios;
};

// The one generation of the process, never destroyed: a host may close it
// from an exit handler. Written here so that each of the several looks
// that a record call takes at it costs no call.
inline Geracao& Estado() {
  static platform::Permanente<Geracao> geracao;
  return *geracao;
}

// True when a generation is started; otherwise shows
// "-0   Função Inicia_SPED não chamada" and answers false.
bool Verifica_Inicio();

void Esvazia_Listas();

}  // namespace quillbook
