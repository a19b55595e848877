/* A host whose system fails a close of sped.txt after every byte of a line
 * went in, as a network file system reports a delayed write that failed.
 * This program defines close() and ftruncate() itself, so the library's
 * calls reach these first; they do the real work, then fail when armed.
 *
 *   fechamento_falho OUTPUT_DIR TABLES_DIR
 *
 * Exit 0 when sped.txt holds exactly the lines of the calls that answered
 * 0, with no empty line, and the failures were told on standard error. */
#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <string.h>
#include <sys/syscall.h>
#include <unistd.h>

#include "quillbook.h"

static int fechamentos_a_falhar; /* closes of sped.txt still to fail */
static int cortes_a_falhar;      /* cut-backs still to fail */

static int e_sped(int fd) {
  char link[64], caminho[4096];
  snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
  ssize_t n = readlink(link, caminho, sizeof caminho - 1);
  if (n < 0) return 0;
  caminho[n] = '\0';
  return n >= 9 && strcmp(caminho + n - 9, "/sped.txt") == 0;
}

int close(int fd) {
  const int sped = fechamentos_a_falhar > 0 && e_sped(fd);
  const long resultado = syscall(SYS_close, fd);
  if (sped) {
    --fechamentos_a_falhar;
    errno = EIO;
    return -1;
  }
  return (int)resultado;
}

int ftruncate(int fd, off_t tamanho) {
  if (cortes_a_falhar > 0) {
    --cortes_a_falhar;
    errno = EPERM;
    return -1;
  }
  return (int)syscall(SYS_ftruncate, fd, tamanho);
}

static char caminho_sped[4096], caminho_mensagens[4096];

/* The whole of a small file; "" when it is not there. */
static const char *le(const char *caminho) {
  static char conteudo[4096];
  conteudo[0] = '\0';
  FILE *arquivo = fopen(caminho, "rb");
  if (arquivo == NULL) return conteudo;
  size_t n = fread(conteudo, 1, sizeof conteudo - 1, arquivo);
  conteudo[n] = '\0';
  fclose(arquivo);
  return conteudo;
}

static int falhas;

static void confere(const char *o_que, const char *visto, const char *esperado) {
  if (strcmp(visto, esperado) == 0) return;
  fprintf(stdout, "%s:\n  seen     [%s]\n  expected [%s]\n", o_que, visto, esperado);
  ++falhas;
}

static void confere_resultado(const char *chamada, int visto, int esperado) {
  if (visto == esperado) return;
  fprintf(stdout, "%s answered %d, expected %d\n", chamada, visto, esperado);
  ++falhas;
}

int main(int argc, char **argv) {
  if (argc != 3) return 2;
  snprintf(caminho_sped, sizeof caminho_sped, "%s/sped.txt", argv[1]);
  snprintf(caminho_mensagens, sizeof caminho_mensagens, "%s/mensagens.txt", argv[1]);
  /* The messages land in a file of their own, to be read back. */
  const int mensagens = open(caminho_mensagens, O_WRONLY | O_CREAT | O_TRUNC, 0666);
  if (mensagens < 0 || dup2(mensagens, STDERR_FILENO) < 0) return 2;
  close(mensagens);

  /* The close fails once: the line is cut back and the call answers -1;
   * the lines after it follow with no empty line, and the counts agree. */
  confere_resultado("Inicia_SPED", Inicia_SPED(argv[1], argv[2]), 0);
  fechamentos_a_falhar = 1;
  confere_resultado("RegistroC001", RegistroC001("1"), -1);
  confere_resultado("RegistroD001", RegistroD001("1"), 0);
  confere_resultado("RegistroD990", RegistroD990(), 0);
  confere("sped.txt after a failed close", le(caminho_sped), "|D001|1|\r\n|D990|2|\r\n");

  /* The cut-back fails too: the line stays whole, uncounted, and the next
   * one still starts a line of its own, with no empty line before it. */
  fechamentos_a_falhar = 1;
  cortes_a_falhar = 1;
  confere_resultado("RegistroE001", RegistroE001("1"), -1);
  confere_resultado("RegistroE990", RegistroE990(), 0);
  confere("sped.txt after a failed close and cut-back", le(caminho_sped),
          "|D001|1|\r\n|D990|2|\r\n|E001|1|\r\n|E990|1|\r\n");
  Finaliza_SPED();

  char esperadas[3 * 4096];
  snprintf(esperadas, sizeof esperadas,
           "Erro ao tentar escrever no arquivo %s\nErro ao tentar desfazer a escrita incompleta no arquivo %s\n",
           caminho_sped, caminho_sped);
  confere("messages", le(caminho_mensagens), esperadas);
  return falhas == 0 ? 0 : 1;
}
