/* Loads the shared library the way a host does, by path, and finds every
 * listed name in it. */
#include <dlfcn.h>
#include <stdio.h>
#include <string.h>

int main(int argc, char **argv) {
  if (argc != 3) return 2;
  void *biblioteca = dlopen(argv[1], RTLD_NOW | RTLD_LOCAL);
  if (biblioteca == NULL) {
    fprintf(stderr, "dlopen: %s\n", dlerror());
    return 1;
  }
  FILE *nomes = fopen(argv[2], "r");
  if (nomes == NULL) return 1;
  char nome[256];
  int faltam = 0, achados = 0;
  while (fgets(nome, sizeof nome, nomes) != NULL) {
    nome[strcspn(nome, "\r\n")] = '\0';
    if (nome[0] == '\0') continue;
    if (dlsym(biblioteca, nome) == NULL) {
      fprintf(stderr, "not found: %s\n", nome);
      ++faltam;
    } else {
      ++achados;
    }
  }
  fclose(nomes);
  dlclose(biblioteca);
  printf("%d names found\n", achados);
  return faltam == 0 && achados > 0 ? 0 : 1;
}
