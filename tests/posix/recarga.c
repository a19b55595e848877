/* A host that loads the library, uses it and unloads it, three times over:
 * a generation closed, one left open (as after an exception of the host's
 * own), a start refused. The library's state is never destroyed, so that
 * it outlives the host's exit handlers; Finaliza_SPED gives back all the
 * memory it holds, and so does the unload itself where the generation was
 * left open or never started: under LeakSanitizer, no load leaves any
 * behind.
 *
 *   recarga LIBRARY OUTPUT_DIR TABLES_DIR */
#include <dlfcn.h>
#include <stdint.h>
#include <string.h>

int main(int argc, char **argv) {
  if (argc != 4) return 2;
  char longo[300]; /* a field cut: an observation */
  memset(longo, '1', sizeof longo - 1);
  longo[sizeof longo - 1] = '\0';
  for (int carga = 0; carga < 3; ++carga) {
    void *biblioteca = dlopen(argv[1], RTLD_NOW | RTLD_LOCAL);
    if (biblioteca == NULL) return 1;
    int32_t (*inicia)(const char *, const char *), (*d001)(const char *);
    uint8_t (*cfop)(const char *);
    void (*finaliza)(void);
    /* POSIX's way to take a function from the address dlsym gives. */
    *(void **)&inicia = dlsym(biblioteca, "Inicia_SPED");
    *(void **)&d001 = dlsym(biblioteca, "RegistroD001");
    *(void **)&cfop = dlsym(biblioteca, "vCOD_CFOP");
    *(void **)&finaliza = dlsym(biblioteca, "Finaliza_SPED");
    if (!inicia || !d001 || !cfop || !finaliza) return 1;
    if (carga == 2) {
      if (inicia(argv[3], "inexistente") != -1) return 1;
    } else {
      /* A record rejected, one written with an observation, a look-up. */
      if (inicia(argv[2], argv[3]) != 0 || d001("x") != -1 || d001(longo) != 0 || cfop("5102|") != 1) return 1;
      if (carga == 0) finaliza();
    }
    dlclose(biblioteca);
    if (dlopen(argv[1], RTLD_NOW | RTLD_NOLOAD) != NULL) return 1; /* not unloaded: nothing was tested */
  }
  return 0;
}
