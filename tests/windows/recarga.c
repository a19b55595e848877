/* A host that loads the DLL, uses it and unloads it, cycle after cycle, in
 * three ways: a generation closed, one left open, a start refused. The C
 * runtime's heap, where the DLL allocates, must hold no more in use after
 * the cycles than before them: FreeLibrary takes back all a load took.
 *
 *   recarga DLL OUTPUT_DIR TABLES_DIR */
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <malloc.h>
#include <stdio.h>
#include <string.h>

#include "quillbook.h"

typedef int32_t(QB_CALL *Inicia)(const char *, const char *);
typedef int32_t(QB_CALL *Registro)(const char *);
typedef uint8_t(QB_CALL *Validador)(const char *);
typedef void(QB_CALL *Finaliza)(void);
typedef void (*Funcao)(void);

enum { FECHADA, ABERTA, RECUSADA, CICLOS = 8, LIMITE = 256 /* bytes a cycle */ };

/* The bytes of the blocks in use, or -1 when the walk fails. */
static long long em_uso(void) {
  _HEAPINFO bloco = {0};
  long long total = 0;
  int estado;
  while ((estado = _heapwalk(&bloco)) == _HEAPOK)
    if (bloco._useflag == _USEDENTRY) total += (long long)bloco._size;
  return estado == _HEAPEND ? total : -1;
}

/* One cycle; false when a call failed or the DLL stayed loaded (then
 * nothing was tested). */
static int ciclo(char **argv, int modo, const char *ausente) {
  static char longo[300]; /* a field cut: an observation */
  memset(longo, '1', sizeof longo - 1);
  HMODULE biblioteca = LoadLibraryA(argv[1]);
  if (biblioteca == NULL) return 0;
  Inicia inicia = (Inicia)(Funcao)GetProcAddress(biblioteca, "Inicia_SPED");
  Registro d001 = (Registro)(Funcao)GetProcAddress(biblioteca, "RegistroD001");
  Validador cfop = (Validador)(Funcao)GetProcAddress(biblioteca, "vCOD_CFOP");
  Finaliza finaliza = (Finaliza)(Funcao)GetProcAddress(biblioteca, "Finaliza_SPED");
  int certo = inicia && d001 && cfop && finaliza && GetModuleHandleA(argv[1]) == biblioteca;
  if (certo && modo == RECUSADA) {
    certo = inicia(ausente, argv[3]) == -1;
  } else if (certo) {
    certo = inicia(argv[2], argv[3]) == 0 && d001("x") == -1 && d001(longo) == 0 && cfop("5102|") == 1;
    if (modo == FECHADA) finaliza();
  }
  FreeLibrary(biblioteca);
  return certo && GetModuleHandleA(argv[1]) == NULL;
}

int main(int argc, char **argv) {
  if (argc != 4) return 2;
  if (!CreateDirectoryA(argv[2], NULL) && GetLastError() != ERROR_ALREADY_EXISTS) return 2;
  char ausente[MAX_PATH];
  snprintf(ausente, sizeof ausente, "%s\\nenhum", argv[2]);
  int falhas = 0;
  for (int modo = FECHADA; modo <= RECUSADA; ++modo) {
    /* The first load allocates what the process keeps once for all. */
    if (!ciclo(argv, modo, ausente)) return 1;
    long long antes = em_uso();
    for (int i = 0; i < CICLOS; ++i)
      if (!ciclo(argv, modo, ausente)) return 1;
    long long depois = em_uso(), cresceu = (depois - antes) / CICLOS;
    if (antes < 0 || depois < 0 || cresceu > LIMITE) {
      fprintf(stderr, "cycles of kind %d: the heap in use grew by %lld bytes a cycle\n", modo, cresceu);
      ++falhas;
    }
  }
  return falhas == 0 ? 0 : 1;
}
