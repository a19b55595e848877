/* A host that loads the library, runs a generation, closes it and unloads
 * it, three times over, as a host does that loads the library only while it
 * writes a file. The library's state is never destroyed, so that it
 * outlives the host's exit handlers; Finaliza_SPED gives back all the
 * memory it holds, and under LeakSanitizer no load leaves any behind.
 *
 *   recarga LIBRARY OUTPUT_DIR TABLES_DIR
 *
 * Exit 0 when every load ran its generation and was unloaded. */
#include <dlfcn.h>
#include <stdint.h>
#include <stdio.h>
#include <string.h>

typedef int32_t (*Inicio)(const char *, const char *);
typedef int32_t (*Registro)(const char *);
typedef uint8_t (*Validador)(const char *);
typedef void (*Fim)(void);

/* A function of the library, copied out of the address that dlsym gives,
 * as POSIX has function pointers the size of that address. */
static int acha(void *biblioteca, const char *nome, void *funcao, size_t tamanho) {
  void *endereco = dlsym(biblioteca, nome);
  memcpy(funcao, &endereco, tamanho);
  return endereco != NULL;
}

int main(int argc, char **argv) {
  if (argc != 4) return 2;
  for (int carga = 1; carga <= 3; ++carga) {
    void *biblioteca = dlopen(argv[1], RTLD_NOW | RTLD_LOCAL);
    if (biblioteca == NULL) {
      fprintf(stderr, "dlopen: %s\n", dlerror());
      return 1;
    }
    Inicio inicia;
    Registro c001, d001;
    Validador cfop;
    Fim finaliza;
    if (!acha(biblioteca, "Inicia_SPED", &inicia, sizeof inicia) ||
        !acha(biblioteca, "RegistroC001", &c001, sizeof c001) ||
        !acha(biblioteca, "RegistroD001", &d001, sizeof d001) || !acha(biblioteca, "vCOD_CFOP", &cfop, sizeof cfop) ||
        !acha(biblioteca, "Finaliza_SPED", &finaliza, sizeof finaliza))
      return 1;
    /* Lines written, a record rejected, a field cut (an observation) and a
     * look-up in a table: each takes memory that the close gives back. */
    char longo[300];
    memset(longo, '1', sizeof longo - 1);
    longo[sizeof longo - 1] = '\0';
    if (inicia(argv[2], argv[3]) != 0 || c001("1") != 0 || d001("x") != -1 || d001(longo) != 0 || cfop("5102|") != 1) {
      fprintf(stderr, "load %d: a call answered otherwise\n", carga);
      return 1;
    }
    finaliza();
    dlclose(biblioteca);
    if (dlopen(argv[1], RTLD_NOW | RTLD_NOLOAD) != NULL) {
      fprintf(stderr, "load %d: the library stayed loaded\n", carga);
      return 1;
    }
  }
  return 0;
}
