// "log.txt": the statistics of the record table at the close.
#pragma once

#include <cstdint>
#include <string>

namespace quillbook {

void Grava_Estatisticas();

// A percentage held as hundredths (4950 is 49,50), written with the
// regional separators in the pattern "###,##0.00".
std::string Formata_Percentual(int64_t centesimos);

// erros of total as hundredths of a percent, rounded half away from zero.
int64_t Percentual_Linha(int64_t erros, int64_t total);

// erros of total first held to four decimals (ties to even), then to two
// (half away from zero), as the total line shows it.
int64_t Percentual_Total(int64_t erros, int64_t total);

}  // namespace quillbook
