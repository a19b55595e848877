// The record table: every record type of the layout, in layout order, and
// the counts of the running generation.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace quillbook {

struct Info_Registro {
  std::string Codigo;
  std::string Bloco;
  int32_t Qtd_OK = 0;
  int32_t Qtd_Erros = 0;
  int32_t Qtd_Obs = 0;
  bool Obrigatorio = false;
  std::string Ocorrencia;
};

constexpr int Total_Registros = 151;

// Row 0 holds no code: every code outside the table lands there.
using Tabela = std::array<Info_Registro, Total_Registros + 1>;
Tabela& Tabela_Registros();

// The row of a code, compared exactly; 0 when the code is not in the table.
int32_t Localiza_Registro(std::string_view codigo);

// The row of a record that is certainly in the table.
Info_Registro& Linha_Registro(std::string_view codigo);

// Codes, occurrence classes, blocks and mandatory flags afresh, every
// counter 0. Run at each successful start.
void Preenche_Tabela();

// Sum of Qtd_OK over the rows of a block.
int32_t Linhas_Do_Bloco(char bloco);

}  // namespace quillbook
