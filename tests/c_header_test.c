/* Compiled as C: the public header holds no C++, and a C host can drive
 * the shared library. */
#include <stdio.h>

#include "quillbook.h"

int main(void) {
  if (Info_Versao() != 106) {
    fprintf(stderr, "Info_Versao\n");
    return 1;
  }
  /* No generation: refused with the guard's message, nothing written. */
  Trata_SPED(NULL);
  Finaliza_SPED();
  if (Inicia_SPED(NULL, NULL) != -1) {
    fprintf(stderr, "Inicia_SPED(NULL, NULL)\n");
    return 1;
  }
  return 0;
}
