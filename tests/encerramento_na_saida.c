/* A host that closes its generation from an exit handler, as hosts close
 * their work from atexit() or a unit's finalisation: the handler runs
 * after main has returned, when whatever the library built after the
 * handler was registered would already be gone.
 *
 *   encerramento_na_saida antes|depois OUTPUT_DIR TABLES_DIR
 *
 * "antes" registers the handler before any call to the library, "depois"
 * after a first call that is refused (no generation is started yet). Then
 * a generation writes a few records and main returns without closing it:
 * the handler's Finaliza_SPED writes log.txt. The caller checks log.txt. */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "quillbook.h"

static void encerra(void) { Finaliza_SPED(); }

int main(int argc, char **argv) {
  if (argc != 4) return 2;
  const int antes = strcmp(argv[1], "antes") == 0;
  if (antes && atexit(encerra) != 0) return 2;
  if (!antes) {
    if (RegistroC001("1") != -1) return 1; /* refused: no generation */
    if (atexit(encerra) != 0) return 2;
  }
  if (Inicia_SPED(argv[2], argv[3]) != 0) return 1;
  /* Lines to every file: sped.txt, and erro.txt for a rejected one. */
  if (RegistroC001("1") != 0 || RegistroC990() != 0) return 1;
  if (RegistroD001("x") != -1) return 1;
  return 0;
}
