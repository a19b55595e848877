/* A second example host: the smallest complete file that carries one goods
 * fiscal document (C100, an NF-e bought from a supplier in the same state).
 *
 *   quillbook_documento OUTPUT_DIR INPUT_DIR
 *
 * Registro9999 accepts the file only when every parent record written has
 * at least one record of each of its child types (the pairs are listed in
 * the README). One C100 therefore brings a record of every child type of
 * C100, and its one item (C170) one of every child type of C170, whatever
 * the goods really are; so do each 0150 (its 0175) and each 0200 (its
 * 0220). Fields are passed as the library reads them: amounts and
 * quantities with "," as the decimal mark and no thousands separator, dates
 * in the regional short date format (day/month/year here: run it where the
 * regional settings are Brazilian or unset), codes as the layout's tables
 * give them. */
#include <stdio.h>

#include "quillbook.h"

static int falhas = 0;

/* Every record call answers 0 when its line was written; -1 sends the
 * reason to erro.txt, in the record's block. */
static void confere(const char *registro, int32_t resultado) {
  if (resultado != 0) {
    fprintf(stderr, "%s rejected: see erro.txt\n", registro);
    ++falhas;
  }
}

static void bloco0(void) {
  confere("0000", Registro0000("002", "0", "01/11/2026", "30/11/2026", "Comercial Exemplo Ltda", "11.222.333/0001-81",
                               "", "SP", "110042490114", "3550308", "", "", "A", "1"));
  confere("0001", Registro0001("0"));
  confere("0005", Registro0005("Exemplo", "01310-100", "Avenida Paulista", "1000", "Sala 10", "Bela Vista",
                               "1132000000", "", "fiscal@exemplo.com.br"));
  confere("0150", Registro0150("F002", "Atacadista Paulista Ltda", "1058", "61.585.865/0001-51", "", "", "3550308", "",
                               "Rua Florencio de Abreu", "200", "", "Centro"));
  confere("0175", Registro0175("02/11/2026", "09", "Rua 25 de Marco"));
  confere("0190", Registro0190("UN", "Unidade"));
  confere("0200", Registro0200("NOTE14", "Computador portatil 14 polegadas", "7890000000019", "", "UN", "00",
                               "84713012", "", "84", "", "18,00"));
  confere("0220", Registro0220("CX", "10"));
  confere("0450", Registro0450("INF01", "Pedido de compra 778"));
  confere("0460", Registro0460("OBS01", "Credito de ICMS na entrada"));
  confere("0990", Registro0990());
}

static void documento(void) {
  confere("C001", RegistroC001("0"));
  /* Entry (0) issued by a third party (1): 10 notebooks at 4500,00. */
  confere("C100",
          RegistroC100("0", "1", "F002", "55", "00", "1", "4521", "35261161585865000151550010000045211000045210",
                       "03/11/2026", "05/11/2026", "45000,00", "1", "0,00", "0,00", "45000,00", "1", "0,00", "0,00",
                       "0,00", "45000,00", "8100,00", "0,00", "0,00", "0,00", "742,50", "3420,00", "0,00", "0,00"));
  confere("C110", RegistroC110("INF01", "Pedido de compra 778"));
  confere("C111", RegistroC111("123456", "1"));
  confere("C112", RegistroC112("0", "SP", "998877", "AUT123", "0,00", "10/11/2026", "10/11/2026"));
  confere("C113", RegistroC113("0", "1", "F002", "55", "1", "", "4400", "20/10/2026"));
  confere("C114", RegistroC114("2D", "BE0102030405", "1", "123", "03/11/2026"));
  confere("C115", RegistroC115("0", "61.585.865/0001-51", "", "", "3550308", "", "", "123.456.789-09", "3550308"));
  confere("C120", RegistroC120("0", "DI0001", "0,00", "0,00"));
  confere("C130", RegistroC130("0,00", "0,00", "0,00", "0,00", "0,00", "0,00", "0,00"));
  confere("C140", RegistroC140("1", "00", "Duplicata", "4521-1", "1", "45000,00"));
  confere("C141", RegistroC141("1", "03/12/2026", "45000,00"));
  confere("C160", RegistroC160("F002", "ABC1234", "10", "25,000", "22,000", "SP"));
  confere("C165", RegistroC165("F002", "ABC1234", "", "", "080000", "0", "10", "25,000", "22,000", "Jose Souza",
                               "123.456.789-09", "SP"));
  confere("C170",
          RegistroC170("1", "NOTE14", "", "10", "UN", "45000,00", "0,00", "0", "000", "1102", "", "45000,00", "18,00",
                       "8100,00", "0,00", "0,00", "0,00", "0", "", "", "0,00", "0,00", "0,00", "50", "45000,00", "1,65",
                       "", "", "742,50", "50", "45000,00", "7,60", "", "", "3420,00", "1.1.3.01"));
  /* Each C170 needs one record of each of its child types: fuel storage,
   * ISSQN, medicine, firearm, vehicle, ST reimbursement, IPI stamp, IPI
   * class and ST values. For a notebook they carry zeros and placeholders. */
  confere("C171", RegistroC171("1", "0,000"));
  confere("C172", RegistroC172("0,00", "0,00", "0,00"));
  confere("C173", RegistroC173("L1", "0", "01/10/2026", "01/10/2028", "0", "0", "0,00"));
  confere("C174", RegistroC174("0", "SN0", "Nenhuma"));
  confere("C175", RegistroC175("0", "61.585.865/0001-51", "SP", "9BWZZZ377VT004251"));
  confere("C176", RegistroC176("55", "4400", "1", "20/10/2026", "F002", "10", "4500,00", "0,00"));
  confere("C177", RegistroC177("000000", "0"));
  confere("C178", RegistroC178("00000", "0,00", "0,000"));
  confere("C179", RegistroC179("0,00", "0,00", "0,00", "0,00", "0,00"));
  confere("C190",
          RegistroC190("000", "1102", "18,00", "45000,00", "45000,00", "8100,00", "0,00", "0,00", "0,00", "0,00"));
  confere("C195", RegistroC195("OBS01", "Credito de ICMS na entrada"));
  confere("C197", RegistroC197("SP10090718", "", "NOTE14", "45000,00", "18,00", "8100,00", "0,00"));
  confere("C990", RegistroC990());
}

int main(int argc, char **argv) {
  int32_t ultimo;
  if (argc != 3) {
    fprintf(stderr, "usage: %s OUTPUT_DIR INPUT_DIR\n", argv[0]);
    return 2;
  }
  if (Inicia_SPED(argv[1], argv[2]) != 0) return 1;

  bloco0();
  documento();

  confere("D001", RegistroD001("1"));
  confere("D990", RegistroD990());
  /* The ICMS of the month: 8100,00 credited by the purchase, nothing due. */
  confere("E001", RegistroE001("0"));
  confere("E100", RegistroE100("01/11/2026", "30/11/2026"));
  confere("E110", RegistroE110("0,00", "0,00", "0,00", "0,00", "8100,00", "0,00", "0,00", "0,00", "0,00", "0,00",
                               "0,00", "0,00", "8100,00", "0,00"));
  confere("E990", RegistroE990());
  confere("H001", RegistroH001("1"));
  confere("H990", RegistroH990());
  confere("1001", Registro1001("1"));
  confere("1990", Registro1990());

  confere("9001", Registro9001("0"));
  confere("9900", Registro9900());
  confere("9990", Registro9990());
  ultimo = Registro9999();
  confere("9999", ultimo);
  Finaliza_SPED();
  return ultimo == 0 && falhas == 0 ? 0 : 1;
}
