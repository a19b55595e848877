#include "frame/tabela_registros.h"

namespace quillbook {
namespace {

struct Tipo_Registro {
  const char* codigo;
  const char* ocorrencia;
};

// clang-format off
constexpr Tipo_Registro Tipos[Total_Registros] = {
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

bool eh_obrigatorio(std::string_view codigo) {
  if (codigo == "0000" || codigo == "0005" || codigo == "9900" || codigo == "9999") return true;
  std::string_view resto = codigo.size() >= 2 ? codigo.substr(1, 3) : std::string_view();
  return resto == "001" || resto == "990";
}

}  // namespace

Tabela& Tabela_Registros() {
  static Tabela tabela;
  return tabela;
}

int32_t Localiza_Registro(std::string_view codigo) {
  const Tabela& tabela = Tabela_Registros();
  for (std::size_t i = 0; i < tabela.size(); ++i) {
    if (tabela[i].Codigo == codigo) return static_cast<int32_t>(i);
  }
  return 0;
}

Info_Registro& Linha_Registro(std::string_view codigo) {
  return Tabela_Registros()[static_cast<std::size_t>(Localiza_Registro(codigo))];
}

void Preenche_Tabela() {
  Tabela& tabela = Tabela_Registros();
  for (int i = 0; i < Total_Registros; ++i) tabela[static_cast<std::size_t>(i) + 1].Codigo = Tipos[i].codigo;
  for (const auto& tipo : Tipos) Linha_Registro(tipo.codigo).Ocorrencia = tipo.ocorrencia;
  for (auto& linha : tabela) {
    if (linha.Codigo.size() == 4) linha.Bloco = linha.Codigo.substr(0, 1);
    linha.Obrigatorio = eh_obrigatorio(linha.Codigo);
    linha.Qtd_OK = 0;
    linha.Qtd_Erros = 0;
    linha.Qtd_Obs = 0;
  }
}

int32_t Linhas_Do_Bloco(char bloco) {
  const std::string alvo(1, bloco);
  int32_t soma = 0;
  for (const auto& linha : Tabela_Registros()) {
    if (linha.Bloco == alvo) soma += linha.Qtd_OK;
  }
  return soma;
}

}  // namespace quillbook
