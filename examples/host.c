/* An example host: writes a complete EFD ICMS/IPI file for one month of a
 * small trading company, record by record, the way a business program
 * drives the library.
 *
 *   quillbook_example OUTPUT_DIR INPUT_DIR
 *
 * INPUT_DIR holds the four reference tables (examples/tables serves). The
 * dates below are written day/month/year, the Brazilian short date format:
 * run it where the regional settings are Brazilian or unset. */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "quillbook.h"

static int falhas = 0;

/* Every record call answers 0 when its line was written. */
static int confere(const char *registro, int32_t resultado) {
  if (resultado != 0) {
    fprintf(stderr, "%s rejected: see erro.txt\n", registro);
    ++falhas;
  }
  return resultado;
}

/* Names an output file when the generation wrote it: erro.txt, for one,
 * is written only when there is something to report (a rejected record, a
 * field cut, an old file replaced). */
static void nomeia(const char *saida, const char *nome) {
  size_t tamanho = strlen(saida) + 1 + strlen(nome) + 1;
  char *caminho = malloc(tamanho);
  FILE *arquivo;
  if (caminho == NULL) return;
  strcpy(caminho, saida);
  strcat(caminho, "/");
  strcat(caminho, nome);
  arquivo = fopen(caminho, "rb");
  if (arquivo != NULL) {
    fclose(arquivo);
    printf("%s\n", caminho);
  }
  free(caminho);
}

int main(int argc, char **argv) {
  if (argc != 3) {
    fprintf(stderr, "usage: %s OUTPUT_DIR INPUT_DIR\n", argv[0]);
    return 2;
  }
  const char *saida = argv[1];
  if (Inicia_SPED(saida, argv[2]) != 0) return 1;

  confere("0000", Registro0000("002", "0", "01/11/2026", "30/11/2026", "Comercial Exemplo Ltda", "11.222.333/0001-81",
                               "", "SP", "110042490114", "3550308", "", "", "A", "1"));
  confere("0001", Registro0001("0"));
  confere("0005", Registro0005("Exemplo", "01310-100", "Avenida Paulista", "1000", "Sala 10", "Bela Vista",
                               "1132000000", "", "fiscal@exemplo.com.br"));
  confere("0100", Registro0100("Contabil Modelo", "111.444.777-35", "1SP123456", "", "01310100", "Rua Augusta", "500",
                               "", "Consolacao", "1132000001", "", "contador@exemplo.com.br", "3550308"));
  confere("0150", Registro0150("F001", "Distribuidora Carioca SA", "1058", "33.444.555/0001-81", "", "", "3304557", "",
                               "Rua do Ouvidor", "50", "", "Centro"));
  confere("0175", Registro0175("10/11/2026", "03", "Distribuidora Carioca Ltda"));
  confere("0150", Registro0150("C001", "Maria da Silva", "1058", "", "529.982.247-25", "", "3106200", "",
                               "Rua da Bahia", "1200", "Apto 3", "Centro"));
  confere("0175", Registro0175("20/11/2026", "10", "Rua Espirito Santo"));
  confere("0190", Registro0190("UN", "Unidade"));
  confere("0190", Registro0190("CX", "Caixa com 12 unidades"));
  confere("0200", Registro0200("CERV350", "Cerveja lata 350 ml", "7890000000001", "", "UN", "00", "22030000", "", "22",
                               "", "18,00"));
  confere("0220", Registro0220("CX", "12"));
  confere("0200", Registro0200("LEITE1L", "Leite UHT 1 litro", "7890000000002", "", "UN", "00", "04011010", "", "04",
                               "", "7,00"));
  confere("0220", Registro0220("CX", "12"));
  confere("0990", Registro0990());

  confere("C001", RegistroC001("1"));
  confere("C990", RegistroC990());
  confere("D001", RegistroD001("1"));
  confere("D990", RegistroD990());

  confere("E001", RegistroE001("0"));
  confere("E100", RegistroE100("01/11/2026", "30/11/2026"));
  confere("E110", RegistroE110("0,00", "0,00", "0,00", "0,00", "0,00", "0,00", "0,00", "0,00", "0,00", "0,00", "0,00",
                               "0,00", "0,00", "0,00"));
  confere("E990", RegistroE990());

  confere("H001", RegistroH001("1"));
  confere("H990", RegistroH990());
  confere("1001", Registro1001("1"));
  confere("1990", Registro1990());

  confere("9001", Registro9001("0"));
  confere("9900", Registro9900());
  confere("9990", Registro9990());
  int32_t ultimo = confere("9999", Registro9999());
  Finaliza_SPED();

  nomeia(saida, "sped.txt");
  nomeia(saida, "erro.txt");
  nomeia(saida, "log.txt");
  return ultimo == 0 && falhas == 0 ? 0 : 1;
}
