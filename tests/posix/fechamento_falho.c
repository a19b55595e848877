/* A host whose system fails the close of sped.txt once, after every byte of
 * a line went in, as a network file system reports a delayed write that
 * failed. This program defines close() itself, so the library's calls
 * reach it first: it closes, then answers EIO when armed.
 *
 *   fechamento_falho OUTPUT_DIR TABLES_DIR
 *
 * Exit 0 when sped.txt holds exactly the lines of the calls that answered
 * 0, with no empty line, and the failure was told on standard error. */
#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <string.h>
#include <sys/syscall.h>
#include <unistd.h>

#include "quillbook.h"

static int falhar; /* the next close of sped.txt fails */

int close(int fd) {
  char link[64], caminho[4096];
  snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
  const ssize_t n = falhar ? readlink(link, caminho, sizeof caminho - 1) : -1;
  const int sped = n >= 9 && memcmp(caminho + n - 9, "/sped.txt", 9) == 0;
  const long resultado = syscall(SYS_close, fd);
  if (!sped) return (int)resultado;
  falhar = 0;
  errno = EIO;
  return -1;
}

/* The whole of a small file; "" when it is not there. */
static const char *le(const char *caminho, char *conteudo, size_t tamanho) {
  FILE *arquivo = fopen(caminho, "rb");
  size_t n = arquivo != NULL ? fread(conteudo, 1, tamanho - 1, arquivo) : 0;
  conteudo[n] = '\0';
  if (arquivo != NULL) fclose(arquivo);
  return conteudo;
}

int main(int argc, char **argv) {
  if (argc != 3) return 2;
  char sped[4096], mensagens[4096], esperadas[8192], lido[8192];
  snprintf(sped, sizeof sped, "%s/sped.txt", argv[1]);
  snprintf(mensagens, sizeof mensagens, "%s/mensagens.txt", argv[1]);
  snprintf(esperadas, sizeof esperadas, "Erro ao tentar escrever no arquivo %s\n", sped);
  /* The messages land in a file of their own, to be read back. */
  const int fd = open(mensagens, O_WRONLY | O_CREAT | O_TRUNC, 0666);
  if (fd < 0 || dup2(fd, STDERR_FILENO) < 0) return 2;
  close(fd);

  const int inicio = Inicia_SPED(argv[1], argv[2]);
  falhar = 1;
  const int c001 = RegistroC001("1");
  const int d001 = RegistroD001("1");
  const int d990 = RegistroD990();
  Finaliza_SPED();
  int falhas = 0;
  if (inicio != 0 || c001 != -1 || d001 != 0 || d990 != 0) {
    printf("answers %d %d %d %d, expected 0 -1 0 0\n", inicio, c001, d001, d990);
    ++falhas;
  }
  if (strcmp(le(sped, lido, sizeof lido), "|D001|1|\r\n|D990|2|\r\n") != 0) {
    printf("sped.txt: [%s]\n", lido);
    ++falhas;
  }
  if (strcmp(le(mensagens, lido, sizeof lido), esperadas) != 0) {
    printf("messages: [%s]\n", lido);
    ++falhas;
  }
  return falhas == 0 ? 0 : 1;
}
