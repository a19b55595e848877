/* The smallest host a user builds against an installed or embedded
 * library: it starts a generation, writes one line and closes it.
 *
 *   consumer_host OUTPUT_DIR INPUT_DIR */
#include <stdio.h>

#include <quillbook.h>

int main(int argc, char **argv) {
  int32_t escrito;
  if (argc != 3) {
    fprintf(stderr, "usage: %s OUTPUT_DIR INPUT_DIR\n", argv[0]);
    return 2;
  }
  if (Info_Versao() != 106 || vCNPJ("11.222.333/0001-81") != 1) return 1;
  if (Inicia_SPED(argv[1], argv[2]) != 0) return 1;
  escrito = Registro0001("0");
  Finaliza_SPED();
  return escrito == 0 ? 0 : 1;
}
