// "sped.txt" and "erro.txt": the accepted lines and the report of rejected
// records and of cut fields.
#pragma once

#include <string_view>

#include "frame/geracao.h"

namespace quillbook {

// Appends the line to sped.txt and, when the record has observations, its
// observation block to erro.txt; empties the lists. True when the line is
// in sped.txt; the observation block is written or not on its own.
bool Trata_Linha(std::string_view linha);
// The same for a line that already ends in CR LF, written as it is.
bool Trata_Linha_Terminada(std::string_view linha_crlf);

// Appends the record's block (log, errors, observations) to erro.txt when
// it has errors or observations; empties the lists either way.
void Grava_Erros(const Lista& erros);

// Appends lines to a file of the generation, all or nothing. False when
// they were not written, after showing "Erro ao tentar escrever no arquivo "
// and the path, or, when the file could not be cut back to where it was
// and may hold a part of them, "Erro ao tentar desfazer a escrita incompleta
// no arquivo " and the path.
bool Grava_Linhas(const std::string& caminho, const Lista& linhas);

}  // namespace quillbook
