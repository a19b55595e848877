// Block C transport, items and totals: the tests of their own, the
// required driver's CPF, the optional dealer's CNPJ and the irregular
// caption widths.
#include "exports/quillbook.h"
#include "tests/registros_ajuda.h"

namespace quillbook::teste {
namespace {

using BlocoC_Itens = Registros_Teste;

int32_t item(const char* qtd, const char* ind_mov, const char* cfop, const char* ind_apur) {
  return RegistroC170("1", "I1", "", qtd, "UN", "10,00", "", ind_mov, "000", cfop, "", "", "", "", "", "", "", ind_apur,
                      "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "");
}

TEST_F(BlocoC_Itens, ItemQuantityIsCutAtFiveAndItsValueCaptionIsWider) {
  Chamada c = chama([] { return item("1234,567", "0", "5102", "1"); });
  EXPECT_EQ(c.resultado, 0);
  EXPECT_EQ(c.sped,
            linhas({"|C170|1|I1||1234,|UN|10,00||0|000|5102|" + std::string(7, '|') + "1|" + std::string(18, '|')}));
  EXPECT_NE(c.erro.find("\t  Quantidade do item" + std::string(71, ' ') +
                        "\tQuantidade de caracteres maior que o permitido - Permitido: 5; Passados: 8\r\n"),
            std::string::npos);
  Chamada rejeitado = chama([] { return item("1", "0", "6102", "1"); });
  EXPECT_EQ(erros(rejeitado), linhas({"\tErro(s) do Registro:", "\t  -1   Numero de CFOP inválido: 6102|"}));
  EXPECT_NE(rejeitado.erro.find(log_campo("Unidade do item(Campo 02 do registro 0190)", 89, "UN", "UN|") + "\r\n" +
                                log_campo("Valor total do item (mercadorias ou serviços)", 115, "10,00", "10,00|") +
                                "\r\n" + log_campo("Valor do desconto comercial", 89, "", "|")),
            std::string::npos);
}

TEST_F(BlocoC_Itens, ItemTestsAllReportInOrder) {
  EXPECT_EQ(erros(chama([] { return item("1", "2", "9999", "X"); })),
            linhas({"\tErro(s) do Registro:", "\t  -1   Numero de CFOP inválido: 9999|",
                    "\t  -2   Movimentação física do ITEM/PRODUTO:  2|",
                    "\t  -3   Indicador de período de apuração do IPI: X|"}));
}

TEST_F(BlocoC_Itens, DriverCpfIsRequired) {
  auto transporte = [](const char* cpf) {
    return RegistroC165("P1", "ABC1234", "", "", "101010", "", "", "", "", "Motorista", cpf, "SP");
  };
  EXPECT_EQ(erros(chama([&] { return transporte(""); })),
            linhas({"\tErro(s) do Registro:", "\t  -1   CPF do motorista incorreto : |"}));
  EXPECT_EQ(chama([&] { return transporte("111.444.777-35"); }).sped,
            linhas({"|C165|P1|ABC1234|||101010|||||Motorista|11144477735|SP|"}));
}

TEST_F(BlocoC_Itens, DealerCnpjMayBeEmpty) {
  EXPECT_EQ(chama([] { return RegistroC175("0", "", "SP", "9BW"); }).sped, linhas({"|C175|0||SP|9BW|"}));
  EXPECT_EQ(erros(chama([] { return RegistroC175("5", "11222333000182", "XX", ""); })),
            linhas({"\tErro(s) do Registro:", "\t  -1   CNPJ ou CPF Inválido : 11222333000182|",
                    "\t  -2   Sigla da UF da placa do veículo incorreta : XX|",
                    "\t  -3   Indicador do tipo de operação com veículo: 5|"}));
}

TEST_F(BlocoC_Itens, DatesAreRequiredAndShareTheirText) {
  EXPECT_EQ(erros(chama([] { return RegistroC173("L1", "", "", "", "0", "9", ""); })),
            linhas({"\tErro(s) do Registro:", "\t  -2   Data Final Inválida (AAAAMMDD) : |",
                    "\t  -3   Data Final Inválida (AAAAMMDD) : |", "\t  -4   Tipo de produto inválido :9|"}));
  EXPECT_EQ(chama([] { return RegistroC173("L1", "", "01/10/2026", "01/10/2028", "0", "1", ""); }).sped,
            linhas({"|C173|L1||01102026|01102028|0|1||"}));
  EXPECT_EQ(erros(chama([] { return RegistroC176("99", "1", "", "31/02/2026", "", "", "", ""); })),
            linhas({"\tErro(s) do Registro:", "\t  -1   Código do modelo do documento fiscal 4.1.1 inválido : 99|",
                    "\t  -2   Data Final Inválida (AAAAMMDD) : |"}));
}

TEST_F(BlocoC_Itens, FirearmAndTotalsCaptions) {
  Chamada arma = chama([] { return RegistroC174("7", "N1", ""); });
  EXPECT_NE(arma.erro.find(log_campo("Numeração de série de fabricação da arma", 253, "N1", "N1|")), std::string::npos);
  EXPECT_NE(arma.erro.find("\t  -1   Indicador do tipo da arma de fogo inválido 7|"), std::string::npos);
  Chamada totais = chama([] { return RegistroC190("000", "1102", "", "", "5", "", "", "", "", "7"); });
  EXPECT_EQ(totais.sped, linhas({"|C190|000|1102|||5|||||7|"}));
  EXPECT_EQ(chama([] { return RegistroC190("000", "", "", "", "", "", "", "", "", ""); }).resultado, -1);
  EXPECT_NE(
      le("erro.txt")
          .find(log_campo("Parcela \"Valor do ICMS\" referente à combinação de CST_ICMS, CFOP e alíquota do ICMS.", 130,
                          "", "|")),
      std::string::npos);
}

TEST_F(BlocoC_Itens, AdjustmentWithoutTestsTakesEmptyFields) {
  EXPECT_EQ(chama([] { return RegistroC197("", "", "", "", "", "", ""); }).sped, linhas({"|C197||||||||"}));
}

}  // namespace
}  // namespace quillbook::teste
