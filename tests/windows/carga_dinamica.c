/* Loads the DLL the way a host does, by path with LoadLibraryA, finds every
 * listed name with GetProcAddress, and calls a few through pointers of the
 * header's calling convention. */
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <stdio.h>
#include <string.h>

#include "quillbook.h"

typedef int32_t(QB_CALL *Versao)(void);
typedef uint8_t(QB_CALL *Validador)(const char *);

int main(int argc, char **argv) {
  if (argc != 3) return 2;
  HMODULE biblioteca = LoadLibraryA(argv[1]);
  if (biblioteca == NULL) {
    fprintf(stderr, "LoadLibraryA: error %lu\n", (unsigned long)GetLastError());
    return 1;
  }
  FILE *nomes = fopen(argv[2], "r");
  if (nomes == NULL) return 1;
  char nome[256];
  int faltam = 0, achados = 0;
  while (fgets(nome, sizeof nome, nomes) != NULL) {
    nome[strcspn(nome, "\r\n")] = '\0';
    if (nome[0] == '\0') continue;
    if (GetProcAddress(biblioteca, nome) == NULL) {
      fprintf(stderr, "not found: %s\n", nome);
      ++faltam;
    } else {
      ++achados;
    }
  }
  fclose(nomes);

  /* A convention that did not match would unbalance the stack within a few
   * calls; each answer is checked as well. */
  Versao versao = (Versao)(void (*)(void))GetProcAddress(biblioteca, "Info_Versao");
  Validador cpf = (Validador)(void (*)(void))GetProcAddress(biblioteca, "vCPF");
  int erradas = 0;
  for (int i = 0; i < 1000 && versao != NULL && cpf != NULL; ++i) {
    erradas += versao() != 106;
    erradas += cpf("529.982.247-25|") != 1;
    erradas += cpf("529.982.247-24|") != 0;
  }
  if (versao == NULL || cpf == NULL) ++erradas;
  if (erradas != 0) fprintf(stderr, "%d wrong answers\n", erradas);
  FreeLibrary(biblioteca);
  printf("%d names found\n", achados);
  return faltam == 0 && achados > 0 && erradas == 0 ? 0 : 1;
}
