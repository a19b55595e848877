// Block D transport documents: the document's test order, the identities of
// the cargo as digits or as text, the modal's two widths and untested date,
// and the complements that may repeat.
#include "exports/quillbook.h"
#include "frame/tabela_registros.h"
#include "tests/registros_ajuda.h"

namespace quillbook::teste {
namespace {

using BlocoD_Transporte = Registros_Teste;

int32_t documento(const char* ind_oper, const char* cod_mod, const char* dt_a_p) {
  return RegistroD100(ind_oper, "1", "P1", cod_mod, "00", "1", "", "123", "", "01/11/2026", dt_a_p, "0", "", "100,00",
                      "", "0", "100,00", "", "", "", "", "");
}

TEST_F(BlocoD_Transporte, DocumentDatesAreRegionalAndErrorsFollowTheTestOrder) {
  EXPECT_EQ(chama([] { return documento("0", "08", "02/11/2026"); }).sped,
            linhas({"|D100|0|1|P1|08|00|1||123||01112026|02112026|0||100,00||0|100,00||||||"}));
  Chamada sem_data = chama([] { return documento("0", "08", ""); });
  EXPECT_EQ(sem_data.resultado, -1);
  EXPECT_EQ(erros(sem_data), linhas({"\tErro(s) do Registro:", "\t  -2   Data Final Inválida (DDMMAAAA) :: |"}));
  EXPECT_EQ(erros(chama([] { return documento("5", "99", "02/11/2026"); })),
            linhas({"\tErro(s) do Registro:", "\t  -4   Indicador do tipo de operação : 5|",
                    "\t  -6   Codigo do modelo do documento fiscal 4.1.1 inválido: 99|"}));
}

TEST_F(BlocoD_Transporte, CargoIdentitiesAreDigitsInTheCargoAndTextInItsPlaces) {
  EXPECT_EQ(chama([] { return RegistroD160("D1", "", "ISENTO", "1", "", "?!", "2"); }).sped,
            linhas({"|D160|D1||ISENTO|1||?|2|"}));
  EXPECT_EQ(chama([] { return RegistroD160("D1", "12.345.678/0001-95", "", "", "111.444.777-35", "", ""); }).sped,
            linhas({"|D160|D1|12345678000195|||11144477735|||"}));
  EXPECT_EQ(chama([] { return RegistroD161("0", "111.444.777-35", "", "3550308", "11144477735", "", "3304557"); }).sped,
            linhas({"|D161|0|111.444.777-35||3550308|11144477735||3304557|"}));

  Chamada c = chama([] { return RegistroD161("7", "12.345.678/0001-95", "ISENTO", "1234567", "11144477736", "", ""); });
  EXPECT_NE(c.erro.find(log_campo("Número do CNPJ ou CPF do local da entrega", 70, "11144477736", "11144477736|")),
            std::string::npos);
  EXPECT_EQ(erros(c),
            linhas({"\tErro(s) do Registro:", "\t  -1   Indicador do tipo de transporte da carga coletada : 7|",
                    "\t  -3   CNPJ ou CPF Inválido : 12.345.678/000|",
                    "\t  -4   Código do Município do local de coleta, conforme tabela IBGE : 1234567|",
                    "\t  -5   Número do CNPJ do contribuinte do local de entrega: 11144477736|",
                    "\t  -6   Código do Município do local de entrega, conforme tabela IBGE : |"}));
  EXPECT_TRUE(
      c.erro.ends_with(linhas({"", "\tObservação do Registro:",
                               "\t  Número do CNPJ ou CPF do local da coleta                              "
                               "\tQuantidade de caracteres maior que o permitido - Permitido: 14; Passados: 18"})));
}

int32_t modal(const char* ind_emit, const char* dt_doc) {
  return RegistroD180("1", ind_emit, "", "SP", "ISENTO", "3550308", "", "RJ", "?", "3304557", "08", "1", "", "7",
                      dt_doc, "10,00");
}

TEST_F(BlocoD_Transporte, ModalDateIsItsDigitsUntestedAndItsCaptionsFollowTwoWidths) {
  EXPECT_EQ(chama([] { return modal("0", "15/11/2026"); }).sped,
            linhas({"|D180|1|0||SP|ISENTO|3550308||RJ|?|3304557|08|1||7|15112026|10,00|"}));
  EXPECT_EQ(chama([] { return modal("1", "31/02/2026"); }).sped,
            linhas({"|D180|1|1||SP|ISENTO|3550308||RJ|?|3304557|08|1||7|31022026|10,00|"}));

  Chamada c = chama([] { return modal("5", ""); });
  EXPECT_NE(
      c.erro.find(
          log_campo("Inscrição Estadual do participante emitente do modal", 218, "ISENTO", "ISENTO|") + "\r\n" +
          log_campo("Código do município de origem do serviço conforme a tabela IBGE", 93, "3550308", "3550308|")),
      std::string::npos);
  EXPECT_EQ(erros(c), linhas({"\tErro(s) do Registro:", "\t  -4   Indicador do emitente do documento fiscal: 5|"}));
}

TEST_F(BlocoD_Transporte, AnalyticTotalsLookTheCfopUp) {
  EXPECT_EQ(chama([] { return RegistroD190("000", "5102", "18,00", "", "", "", "", ""); }).resultado, 0);
  EXPECT_EQ(erros(chama([] { return RegistroD190("000", "5.949", "", "", "", "", "", ""); })),
            linhas({"\tErro(s) do Registro:", "\t  -1   Numero de CFOP inválido: 5949|"}));
}

TEST_F(BlocoD_Transporte, OneToOneComplementsAreWrittenAgainWhenCalledAgain) {
  for (int vez = 0; vez < 2; ++vez) {
    EXPECT_EQ(RegistroD120("", "", "", ""), 0);
    EXPECT_EQ(RegistroD140("", "", "", "0", "", "1", "", "", "", "", "", "", ""), 0);
    EXPECT_EQ(RegistroD150("", "", "", "", "9", "", "", "", "", ""), 0);
    EXPECT_EQ(RegistroD161("0", "", "", "3550308", "", "", "3550308"), 0);
    EXPECT_EQ(RegistroD170("", "", "", "", "", "1", "", "", "", "", "", "", "SP"), 0);
  }
  for (const char* codigo : {"D120", "D140", "D150", "D161", "D170"}) EXPECT_EQ(Linha_Registro(codigo).Qtd_OK, 2);
}

}  // namespace
}  // namespace quillbook::teste
