/* A host program: starts a generation on the two directories of its
 * command line and closes it. */
#include <stdio.h>

#include "quillbook.h"

int main(int argc, char **argv) {
  if (argc != 3) {
    fprintf(stderr, "usage: %s OUTPUT_DIR INPUT_DIR\n", argv[0]);
    return 2;
  }
  if (Inicia_SPED(argv[1], argv[2]) != 0) return 1;
  Finaliza_SPED();
  printf("%s/log.txt\n", argv[1]);
  return 0;
}
