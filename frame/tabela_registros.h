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

// The record types in layout order: row i + 1 of the table is type i.
struct Tipo_Registro {
  const char* codigo;
  const char* ocorrencia;
};

// clang-format off
inline constexpr Tipo_Registro Tipos_Registro[Total_Registros] = {
  {"0000", "1"}, {"0001", "1"}, {"0005", "1"}, {"0015", "V"}, {"0100", "1"}, {"0150", "V"}, {"0175", "1:N"},
  {"0190", "V"}, {"0200", "V"}, {"0205", "1:N"}, {"0206", "1:1"}, {"0220", "1:N"}, {"0400", "V"}, {"0450", "V"},
  {"0460", "V"}, {"0990", "1"},
  {"C001", "1"}, {"C100", "V"}, {"C110", "1:N"}, {"C111", "1:N"}, {"C112", "1:N"}, {"C113", "1:N"}, {"C114", "1:N"},
  {"C115", "1:N"}, {"C120", "1:N"}, {"C130", "1:1"}, {"C140", "1:1"}, {"C141", "1:N"}, {"C160", "1:1"},
  {"C165", "1:N"}, {"C170", "1:N"}, {"C171", "1:N"}, {"C172", "1:1"}, {"C173", "1:N"}, {"C174", "1:N"},
  {"C175", "1:N"}, {"C176", "1:N"}, {"C177", "1:1"}, {"C178", "1:1"}, {"C179", "1:1"}, {"C190", "1:N"},
  {"C195", "1:N"}, {"C197", "1:N"}, {"C300", "V"}, {"C310", "1:N"}, {"C320", "1:N"}, {"C321", "1:N"},
  {"C350", "V"}, {"C370", "1:N"}, {"C390", "1:N"}, {"C400", "1:N"}, {"C405", "1:N"}, {"C410", "1:1"},
  {"C420", "1:N"}, {"C425", "1:N"}, {"C460", "1:N"}, {"C470", "1:N"}, {"C490", "1:N"}, {"C495", "V"},
  {"C500", "V"}, {"C510", "1:N"}, {"C590", "1:N"}, {"C600", "V"}, {"C601", "1:N"}, {"C610", "1:N"},
  {"C690", "1:N"}, {"C700", "V"}, {"C790", "1:N"}, {"C791", "1:N"}, {"C990", "1"},
  {"D001", "1"}, {"D100", "V"}, {"D110", "1:N"}, {"D120", "1:1"}, {"D130", "1:N"}, {"D140", "1:1"},
  {"D150", "1:1"}, {"D160", "1:N"}, {"D161", "1:1"}, {"D162", "1:N"}, {"D170", "1:1"}, {"D180", "1:N"},
  {"D190", "1:N"}, {"D300", "V"}, {"D301", "1:N"}, {"D310", "1:N"}, {"D350", "1:N"}, {"D355", "1:N"},
  {"D360", "1:1"}, {"D365", "1:N"}, {"D370", "1:N"}, {"D390", "1:N"}, {"D400", "V"}, {"D410", "1:N"},
  {"D411", "1:N"}, {"D420", "1:N"}, {"D500", "V"}, {"D510", "1:N"}, {"D530", "1:N"}, {"D590", "1:N"},
  {"D600", "V"}, {"D610", "1:N"}, {"D690", "1:N"}, {"D695", "V"}, {"D696", "1:N"}, {"D697", "1:N"},
  {"D990", "1"},
  {"E001", "1"}, {"E100", "1:N"}, {"E110", "1:1"}, {"E111", "1:N"}, {"E112", "1:N"}, {"E113", "1:N"},
  {"E115", "1:N"}, {"E116", "1:N"}, {"E200", "1:N"}, {"E210", "1:1"}, {"E220", "1:N"}, {"E230", "1:N"},
  {"E240", "1:N"}, {"E250", "1:N"}, {"E500", "1:N"}, {"E510", "1:N"}, {"E520", "1:1"}, {"E530", "1:N"},
  {"E990", "1"},
  {"H001", "1"}, {"H005", "1:N"}, {"H010", "1:N"}, {"H990", "1"},
  {"1001", "1"}, {"1100", "1:N"}, {"1105", "1:N"}, {"1110", "1:N"}, {"1200", "1:N"}, {"1210", "1:N"},
  {"1300", "1:N"}, {"1310", "1:N"}, {"1320", "1:N"}, {"1350", "1:N"}, {"1360", "1:N"}, {"1370", "1:N"},
  {"1400", "1:N"}, {"1500", "1:N"}, {"1510", "1:N"}, {"1600", "1:N"}, {"1990", "1"},
  {"9001", "1"}, {"9900", "V"}, {"9990", "1"}, {"9999", "1"},
};
// clang-format on

// The row of a code in the table, fixed by the layout order: a record
// function names its code as a literal and has its row from the compiler,
// which refuses a code outside the table.
consteval int32_t Linha_Fixa(std::string_view codigo) {
  for (int i = 0; i < Total_Registros; ++i) {
    if (codigo == Tipos_Registro[i].codigo) return i + 1;
  }
  throw "record code outside the table";
}

// A record's code with its row.
struct Codigo_Registro {
  consteval Codigo_Registro(const char* codigo_literal) : codigo(codigo_literal), linha(Linha_Fixa(codigo_literal)) {}
  std::string_view codigo;
  int32_t linha;
};

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
