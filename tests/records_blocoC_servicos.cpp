// Block C utility bills and master-file consolidations: their own tests,
// the fields left untested, cut fields and the irregular caption widths.
#include "exports/quillbook.h"
#include "tests/registros_ajuda.h"

namespace quillbook::teste {
namespace {

using BlocoC_Servicos = Registros_Teste;

std::string observacao(std::string rotulo, std::size_t largura, int permitido, int passados) {
  rotulo.resize(largura, ' ');
  return "\t  " + rotulo +
         "\tQuantidade de caracteres maior que o permitido - Permitido: " + std::to_string(permitido) +
         "; Passados: " + std::to_string(passados) + "\r\n";
}

int32_t conta(const char* ind_oper, const char* ind_emit, const char* cod_mod, const char* cod_sit, const char* dt_doc,
              const char* dt_e_s) {
  return RegistroC500(ind_oper, ind_emit, "P1", cod_mod, cod_sit, "", "", "", "123", dt_doc, dt_e_s, "", "", "", "", "",
                      "", "", "", "", "", "", "", "");
}

TEST_F(BlocoC_Servicos, BillTestsItsDatesAndModelOnly) {
  Chamada c = chama([] { return conta("0", "1", "99", "00", "31/02/2026", "x"); });
  EXPECT_EQ(c.resultado, -1);
  EXPECT_EQ(c.sped, "");
  EXPECT_EQ(erros(c), linhas({"\tErro(s) do Registro:", "\t  -1   Data Inválida (DDMMAAAA) :: |",
                              "\t  -2   Data Inválida (DDMMAAAA) :: |",
                              "\t  -3   Codigo do domodelo do documento fiscal 4.1.1 inválido: 99|"}));
  EXPECT_EQ(chama([] { return conta("7", "x", "06", "08", "01/11/2026", "02/11/2026"); }).sped,
            linhas({"|C500|7|x|P1|06|08||||123|01112026|02112026|" + std::string(13, '|')}));
}

TEST_F(BlocoC_Servicos, ItemClassIsTestedInConsolidationsOnly) {
  auto item = [](const char* cod_class, const char* cfop) {
    return RegistroC510("1", "I1", cod_class, "", "", "", "", "", cfop, "", "", "", "", "", "", "0", "P1", "", "", "");
  };
  EXPECT_EQ(item("0101", "5102"), 0);
  Chamada c = chama([&] { return item("0101", "9999"); });
  EXPECT_EQ(erros(c),
            linhas({"\tErro(s) do Registro:", "\t  -1   Código Fiscal de Operação e Prestação inválido: 9999|"}));
  for (const std::string& linha :
       {log_campo("Indicador do tipo de receita:0- Receita própria;1- Receita de terceiros", 156, "0", "0|"),
        log_campo("Código do participante receptor  da   receita, terceiro   da   operação   (campo   02   do   "
                  "Registro 0150)",
                  149, "P1", "P1|"),
        log_campo("Valor do PIS", 156, "", "|")})
    EXPECT_NE(c.erro.find(linha + "\r\n"), std::string::npos) << linha;

  auto consolidado = [](const char* cod_class) {
    return RegistroC610(cod_class, "I1", "", "", "", "", "", "5102", "", "", "", "", "", "", "", "");
  };
  EXPECT_EQ(
      erros(chama([&] { return consolidado("0101"); })),
      linhas({"\tErro(s) do Registro:", "\t  -2   Código de classificação do item, conforme Tabela 4.4.2 0101|"}));
  EXPECT_EQ(chama([&] { return consolidado("18"); }).sped, linhas({"|C610|18|I1||||||5102|||||||||"}));
}

TEST_F(BlocoC_Servicos, CutFieldsAreWrittenAndObserved) {
  Chamada cancelado = chama([] { return RegistroC601("123456789012"); });
  EXPECT_EQ(cancelado.resultado, 0);
  EXPECT_EQ(cancelado.sped, linhas({"|C601|123456789|"}));
  EXPECT_NE(cancelado.erro.find(observacao("Número do documento fiscal cancelado", 46, 9, 12)), std::string::npos);

  const std::string nome(20, 'N'), chave(40, 'K');
  Chamada mestre =
      chama([&] { return RegistroC700("06", "1", "1", "9", "01/11/2026", "30/11/2026", nome.c_str(), chave.c_str()); });
  EXPECT_EQ(mestre.resultado, 0);
  EXPECT_EQ(mestre.sped,
            linhas({"|C700|06|1|1|9|01112026|30112026|" + nome.substr(0, 15) + "|" + chave.substr(0, 32) + "|"}));
  EXPECT_NE(
      mestre.erro.find(observacao("Nome do arquivo Mestre de Documento Fiscal", 218, 15, 20) +
                       observacao("Chave de codificação digital  do arquivo Mestre de Documento Fiscal", 218, 32, 40)),
      std::string::npos);
}

TEST_F(BlocoC_Servicos, StateOfWithheldAmountsIsReadInUpperCase) {
  EXPECT_EQ(chama([] { return RegistroC791("sp", "1,00", "2,00"); }).sped, linhas({"|C791|sp|1,00|2,00|"}));
  EXPECT_EQ(erros(chama([] { return RegistroC791("XX", "", ""); })),
            linhas({"\tErro(s) do Registro:", "\t  -1   Unidade da Federação Inválida : XX|"}));
}

}  // namespace
}  // namespace quillbook::teste
