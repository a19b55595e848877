#include "frame/tabela_registros.h"

#include "platform/permanente.h"

namespace quillbook {
namespace {

bool eh_obrigatorio(std::string_view codigo) {
  if (codigo == "0000" || codigo == "0005" || codigo == "9900" || codigo == "9999") return true;
  std::string_view resto = codigo.size() >= 2 ? codigo.substr(1, 3) : std::string_view();
  return resto == "001" || resto == "990";
}

}  // namespace

// Never destroyed, as the rest of the generation; its texts, of four
// characters at most, live inside the rows and take no memory of the heap.
Tabela& Tabela_Registros() {
  static platform::Permanente<Tabela> tabela;
  return *tabela;
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
  for (int i = 0; i < Total_Registros; ++i) tabela[static_cast<std::size_t>(i) + 1].Codigo = Tipos_Registro[i].codigo;
  for (const auto& tipo : Tipos_Registro) Linha_Registro(tipo.codigo).Ocorrencia = tipo.ocorrencia;
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
