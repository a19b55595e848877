#include "records/bloco9.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "frame/saida.h"
#include "frame/tabela_registros.h"
#include "records/registro.h"

using namespace quillbook;

namespace quillbook {

// clang-format off
const std::array<Par_Pai_Filho, 80> Pares_Pai_Filho = {{
    {"0150", "0175", Filhos::Um_Ou_Mais}, {"0200", "0220", Filhos::Um_Ou_Mais}, {"C100", "C110", Filhos::Um_Ou_Mais}, {"C110", "C111", Filhos::Um_Ou_Mais}, {"C100", "C170", Filhos::Um_Ou_Mais},
    {"C110", "C112", Filhos::Um_Ou_Mais}, {"C110", "C113", Filhos::Um_Ou_Mais}, {"C110", "C114", Filhos::Um_Ou_Mais}, {"C110", "C115", Filhos::Um_Ou_Mais}, {"C100", "C120", Filhos::Um_Ou_Mais},
    {"C100", "C130", Filhos::Um}, {"C100", "C140", Filhos::Um}, {"C140", "C141", Filhos::Um_Ou_Mais}, {"C100", "C160", Filhos::Um}, {"C100", "C165", Filhos::Um_Ou_Mais},
    {"C170", "C171", Filhos::Um_Ou_Mais}, {"C170", "C172", Filhos::Um}, {"C170", "C173", Filhos::Um_Ou_Mais}, {"C170", "C174", Filhos::Um_Ou_Mais}, {"C170", "C175", Filhos::Um_Ou_Mais},
    {"C170", "C176", Filhos::Um_Ou_Mais}, {"C170", "C177", Filhos::Um}, {"C170", "C178", Filhos::Um}, {"C170", "C179", Filhos::Um}, {"C100", "C190", Filhos::Um_Ou_Mais},
    {"C100", "C195", Filhos::Um_Ou_Mais}, {"C195", "C197", Filhos::Um_Ou_Mais}, {"C300", "C310", Filhos::Um_Ou_Mais}, {"C320", "C321", Filhos::Um_Ou_Mais}, {"C350", "C370", Filhos::Um_Ou_Mais},
    {"C350", "C390", Filhos::Um_Ou_Mais}, {"C500", "C510", Filhos::Um_Ou_Mais}, {"C500", "C590", Filhos::Um_Ou_Mais}, {"C600", "C601", Filhos::Um_Ou_Mais}, {"C600", "C610", Filhos::Um_Ou_Mais},
    {"C600", "C690", Filhos::Um_Ou_Mais}, {"C700", "C790", Filhos::Um_Ou_Mais}, {"C790", "C791", Filhos::Um_Ou_Mais}, {"D100", "D110", Filhos::Um_Ou_Mais}, {"D100", "D120", Filhos::Um},
    {"D100", "D130", Filhos::Um_Ou_Mais}, {"D100", "D160", Filhos::Um_Ou_Mais}, {"D160", "D161", Filhos::Um}, {"D160", "D162", Filhos::Um_Ou_Mais}, {"D100", "D170", Filhos::Um},
    {"D100", "D180", Filhos::Um_Ou_Mais}, {"D100", "D190", Filhos::Um_Ou_Mais}, {"D300", "D301", Filhos::Um_Ou_Mais}, {"D300", "D310", Filhos::Um_Ou_Mais}, {"D350", "D355", Filhos::Um_Ou_Mais},
    {"D355", "D360", Filhos::Um}, {"D355", "D365", Filhos::Um_Ou_Mais}, {"D365", "D370", Filhos::Um_Ou_Mais}, {"D355", "D390", Filhos::Um_Ou_Mais}, {"D400", "D420", Filhos::Um_Ou_Mais},
    {"D500", "D510", Filhos::Um_Ou_Mais}, {"D500", "D530", Filhos::Um_Ou_Mais}, {"D500", "D590", Filhos::Um_Ou_Mais}, {"D600", "D610", Filhos::Um_Ou_Mais}, {"D600", "D690", Filhos::Um_Ou_Mais},
    {"D695", "D696", Filhos::Um_Ou_Mais}, {"D696", "D697", Filhos::Um_Ou_Mais}, {"E001", "E100", Filhos::Um_Ou_Mais}, {"E100", "E110", Filhos::Um}, {"E200", "E210", Filhos::Um},
    {"E210", "E220", Filhos::Um_Ou_Mais}, {"E220", "E230", Filhos::Um_Ou_Mais}, {"E220", "E240", Filhos::Um_Ou_Mais}, {"E210", "E250", Filhos::Um_Ou_Mais}, {"E500", "E510", Filhos::Um_Ou_Mais},
    {"E500", "E520", Filhos::Um}, {"E520", "E530", Filhos::Um_Ou_Mais}, {"1100", "1105", Filhos::Um_Ou_Mais}, {"1105", "1110", Filhos::Um_Ou_Mais}, {"1200", "1210", Filhos::Um_Ou_Mais},
    {"1300", "1310", Filhos::Um_Ou_Mais}, {"1310", "1320", Filhos::Um_Ou_Mais}, {"1350", "1360", Filhos::Um_Ou_Mais}, {"1350", "1370", Filhos::Um_Ou_Mais}, {"1500", "1510", Filhos::Um_Ou_Mais},
}};
// clang-format on

}  // namespace quillbook

namespace {

// "-" and the number. Built by appending: GCC 12 warns -Wrestrict, wrongly,
// on a literal plus std::to_string in an optimised build (GCC bug 105329).
std::string Numerada(int numero) {
  std::string linha = "-";
  linha += std::to_string(numero);
  return linha;
}

// Numbered from 0 within one call, with no blank before the message.
void Verifica_Pai_Filho(Registro& r, const Par_Pai_Filho& par, int& numero) {
  const int32_t pais = Linha_Registro(par.pai).Qtd_OK;
  const int32_t filhos = Linha_Registro(par.filho).Qtd_OK;
  const bool um = par.regra == Filhos::Um;
  if (um ? filhos == pais : filhos >= pais) return;
  const std::string pai(par.pai), filho(par.filho);
  const std::string mensagem = um ? "Deve haver 1 Registro" + filho + " para cada Registro" + pai
                                  : "Deve haver 1 ou mais Registros" + filho + " para cada Registro" + pai;
  r.erro(Numerada(numero++) + mensagem + " - Total de Registros" + pai + " = " + std::to_string(pais) +
         " - Total de Registros" + filho + " = " + std::to_string(filhos));
}

}  // namespace

extern "C" {

// 9900: one line per record type written so far, with its count, then the
// lines of 9900, 9990 and 9999 themselves. Its own row ends one below the
// number of 9900 lines; 9990 and 9999 add that line back. Only the lines
// that reached "sped.txt" count, so the row keeps that rule when some did
// not, and the call then answers -1.
QB_API int32_t QB_CALL Registro9900(void) {
  return Na_Borda(-1, []() -> int32_t {
    if (!Verifica_Inicio()) return -1;
    Registro linha("9900", 0, " REGISTRO 9900");
    Info_Registro& proprio = Tabela_Registros()[Linha_Fixa("9900")];
    const int32_t antes = proprio.Qtd_OK;
    bool listou = false;
    bool todas = true;
    for (const Info_Registro& tipo : Tabela_Registros()) {
      if (&tipo == &proprio) {
        // Where no line failed, a type listed before this row has raised it.
        if (proprio.Qtd_OK > 0 || listou) ++proprio.Qtd_OK;
        continue;
      }
      if (tipo.Qtd_OK == 0) continue;
      listou = true;
      linha.nova_linha();
      linha.texto(tipo.Codigo.c_str(), 4, "Registro que será totalizado no próximo campo:");
      linha.numero(std::to_string(tipo.Qtd_OK), 255, "Total de registros do tipo informado no campo anterior:");
      if (!Estado().Lista_Observacoes.empty()) ++proprio.Qtd_Obs;
      linha.lista_log();
      if (linha.escreve())
        ++proprio.Qtd_OK;
      else
        todas = false;
    }
    const std::string total_9900 = std::to_string(proprio.Qtd_OK + 2);
    const std::pair<std::string_view, std::string_view> fixas_9900[] = {
        {"9900", total_9900}, {"9990", "1"}, {"9999", "1"}};
    int32_t fixas = 0;
    for (const auto& [tipo, total] : fixas_9900) {
      linha.nova_linha();
      linha.coluna(tipo);
      linha.coluna(total);
      if (linha.escreve())
        ++fixas;
      else
        todas = false;
    }
    if (!Estado().Lista_Observacoes.empty()) ++proprio.Qtd_Obs;
    // One of the three lines is counted here and one by the walk; the third
    // is the one that 9990 and 9999 add back.
    proprio.Qtd_OK = std::max(antes, proprio.Qtd_OK + fixas - 2);
    if (todas) return 0;
    ++proprio.Qtd_Erros;
    return -1;
  });
}

// 9990: the lines of block 9, counting the 9900 line that row 9900 leaves
// out and the 9999 line to come.
QB_API int32_t QB_CALL Registro9990(void) {
  return Escreve_Registro("9990", " REGISTRO 9990", 0, [](Registro& r) {
    r.numero(std::to_string(1 + Linhas_Do_Bloco('9') + 2), 255, "Quantidade total de linhas do Bloco 9:");
    r.unico();
  });
}

// 9999: the file's line count, written only when every mandatory record
// type was written and every parent and child pair fits its rule.
QB_API int32_t QB_CALL Registro9999(void) {
  return Escreve_Registro("9999", "", 0, [](Registro& r) {
    int32_t linhas = 2;
    for (const auto& tipo : Tabela_Registros()) linhas += tipo.Qtd_OK;
    r.numero(std::to_string(linhas), 255, "Quantidade total de linhas do arquivo digital:");
    r.unico();
    const Tabela& tabela = Tabela_Registros();
    for (std::size_t i = 0; i < tabela.size(); ++i) {
      const Info_Registro& tipo = tabela[i];
      if (tipo.Obrigatorio && tipo.Qtd_OK == 0 && tipo.Codigo != "9999")
        r.erro(Numerada(static_cast<int>(i) + 1) + " Registro " + tipo.Codigo +
               " obrigatório : O arquivo deve conter pelo menos 1 registro deste tipo");
    }
    int numero = 0;
    for (const auto& par : Pares_Pai_Filho) Verifica_Pai_Filho(r, par, numero);
  });
}

}  // extern "C"
