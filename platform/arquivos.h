// File operations of the generation. Every write opens, appends and closes
// its file, so a host that dies loses no line already written.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace quillbook::platform {

// What joins a directory and a file name in a path on this platform.
extern const char Separador_Diretorio;

bool Diretorio_Existe(const std::string& caminho);
// An existing regular file: a directory or a FIFO of that name does not count.
bool Arquivo_Existe(const std::string& caminho);
bool Apaga_Arquivo(const std::string& caminho);
bool Trunca_Arquivo(const std::string& caminho);
// Forgets what the layer worked out once for each path and kept for the
// calls after it (on Windows, the full form of each path); Finaliza_SPED
// does, at the end of a generation. Nothing to forget on POSIX.
void Esquece_Caminhos();

// What an append left in its file.
enum class Resultado_Acrescimo {
  Gravado,      // every byte is in the file
  Nao_Gravado,  // none is: the file is as it was before the append
  Danificado,   // the append failed and the file could not be cut back,
                // or shown to hold nothing of it, so it may hold a part
                // of the lines, or all of them
};

// Appends each line followed by CR LF, all or nothing, creating the file
// when missing. A file that cannot be opened or is not a regular file gets
// nothing; an append that fails after its first byte, in a write or in the
// close that may hide a delayed one, is undone by cutting the file back to
// where the append began. Shared by every platform; built on the
// primitives below.
Resultado_Acrescimo Acrescenta_Linhas(const std::string& caminho, const std::vector<std::string>& linhas);
// The same for lines already laid out, each with its CR LF.
Resultado_Acrescimo Acrescenta_Texto(const std::string& caminho, std::string_view conteudo);
// The lines laid out so, each followed by CR LF.
std::string Junta_Linhas(const std::vector<std::string>& linhas);
// The appends know where each file ended after the last of them, so that
// they need not ask the system before every line; a file replaced or
// changed by another hand must be forgotten (Inicia_SPED and Finaliza_SPED
// forget them all). A wrong end keeps a failed append from being cut back,
// and never has an append that stands in the file called not written; it
// cuts what is not the append's own only where the bytes past it begin as
// the append does and the failed close lost the append, which nothing on
// the failure path can tell from the append's own bytes.
void Esquece_Fins();
// Whether what is appended next to the file starts a line of it: the file
// ends in LF, is empty, or is not there. False when it cannot be read.
bool Termina_Em_Linha(const std::string& caminho);

// The primitives that each platform's layer supplies to the append.
//
// An open file of the platform (a descriptor, a handle).
using Descritor = std::intptr_t;
constexpr Descritor Sem_Descritor = -1;

// Opens a regular file for appending (every write lands at its end whatever
// the position), creating it empty when missing. Never waits, and nothing
// but a regular file takes a byte: a FIFO or a device of that name is
// refused here or, at the latest, by its first Escreve_Parte.
// Sem_Descritor when refused or when it cannot be opened.
Descritor Abre_Para_Acrescentar(const std::string& caminho);

// One system write of at most `tamanho` bytes at the end of a file opened
// by Abre_Para_Acrescentar. The bytes it took (it may take fewer than
// asked); 0 when it was interrupted before taking any, to be tried again;
// -1 when it failed, or took nothing without being interrupted.
std::ptrdiff_t Escreve_Parte(Descritor arquivo, const char* dados, std::size_t tamanho);

// Opens an existing regular file again, to read and cut it back, once the
// handle of a failed append is gone: never creates it, and refuses a link.
// Sem_Descritor when it cannot be opened.
Descritor Abre_Para_Cortar(const std::string& caminho);

// Cuts the file back to `tamanho` bytes, which must be no more than it
// holds. False when it cannot be cut.
bool Corta_Em(Descritor arquivo, std::uint64_t tamanho);

// Closes the file. False when the system reports a failure, which may be
// of a write it had delayed.
bool Fecha(Descritor arquivo);

// Tests make the n-th append from now fail (1 is the next one; 0 disarms).
// With `apos_bytes` 0 it cannot open its file; otherwise its write fails
// once that many of its bytes have been written.
void Falha_Na_Escrita(int n, std::size_t apos_bytes = 0);
// Tests make every system write take at most `maximo` bytes (0: no limit)
// and, when `interrompidas`, be interrupted once before each attempt.
void Escritas_Irregulares(std::size_t maximo, bool interrompidas);
// Tests make the close of the n-th append from now report a failure once
// the file is closed, as a delayed write that failed does (1 is the next
// one; 0 disarms), and lose the last `perdidos` bytes of the file, as a
// delayed write lost on a server does.
void Falha_No_Fechamento(int n, std::size_t perdidos = 0);
// Tests make every cut-back fail.
void Falha_No_Corte(bool falha);
// Disarms all of the above.
void Desarma_Falhas();

// Opens a file for reading. Never waits: a FIFO without a writer opens
// at once, and the positioned read below refuses it. Sem_Descritor when
// it cannot be opened.
Descritor Abre_Para_Ler(const std::string& caminho);

// One read of at most `tamanho` bytes at `posicao` from the file's start,
// retried after an interruption; `lidos` is 0 at the end of the file.
// False when the read failed, and for anything that has no positions to
// read at (a FIFO, a socket, a terminal) or is a directory: nothing is
// taken from it.
bool Le_Em(Descritor arquivo, char* destino, std::size_t tamanho, std::uint64_t posicao, std::size_t& lidos);

// The size of an open regular file; false for anything else.
bool Tamanho_Regular(Descritor arquivo, std::uint64_t& tamanho);

// What a scan of a table asks of the first bytes of each line, compared
// with them at once as one word. A line is passed over, never seen by the
// caller, only when its bytes as they stand in the file (past a short
// line's LF, those of the next line) differ from `padrao` within the bytes
// read, and the first byte that differs is no CR, no 0x1A and no byte
// below `menor_aceito`. The default passes over nothing.
class Inicio_Linha {
 public:
  Inicio_Linha() = default;
  // `padrao` of at most 8 bytes.
  Inicio_Linha(std::string_view padrao, unsigned char menor_aceito);

  // Whether the line that starts at `p` may be one the caller seeks; `fim`
  // ends the bytes read, and 8 bytes from `p` can always be loaded. Asked
  // of every line, only by the reader, where it is written in place.
  inline bool possivel(const char* p, const char* fim) const;

 private:
  std::uint64_t padrao_ = 0;
  std::uint64_t comparados_ = 0;  // 0xFF in each byte of `padrao`
  std::size_t bytes_ = 0;
  unsigned char menor_aceito_ = 0;
};

// Reader of a reference table. Lines end at LF; a CR is dropped wherever
// it stands (so CR LF ends a line and a lone CR vanishes); a byte 0x1A
// ends the file; a last line without LF still counts, and a final LF makes
// no empty line after it. A table that fits the reader's buffer (256 KiB)
// is read whole in one read, with no more asked of the system than to
// open, read and close; a larger one must be a regular file, and is read
// in pieces of that size, as long as it was then: no table, however
// large, costs more memory than that. The buffer is kept from one reader
// to the next until Libera_Bloco_Leitura, so that a look-up allocates
// nothing; a reader made while another is alive takes one of its own.
class Leitor_Linhas {
 public:
  explicit Leitor_Linhas(const std::string& caminho);
  ~Leitor_Linhas();
  Leitor_Linhas(const Leitor_Linhas&) = delete;
  Leitor_Linhas& operator=(const Leitor_Linhas&) = delete;

  bool aberto() const { return arquivo_ != Sem_Descritor; }
  // The next line as it stands in the file, without its LF: any CR is
  // still in it, for the caller to drop. A line longer than the buffer is
  // offered as its first bytes, the buffer's worth. The view lives until
  // the next call. False at the end of the file or on a read error.
  bool proxima(std::string_view& linha) { return proxima(linha, Inicio_Linha()); }
  // The same, passing over the lines that `inicio` rules out.
  bool proxima(std::string_view& linha, const Inicio_Linha& inicio);
  // Reads the next line, keeping at most `maximo` of its first bytes in
  // `inicio`, CRs left out. False at the end of the file or on a read
  // error; falhou() tells which.
  bool proxima(std::string& inicio, std::size_t maximo);
  bool falhou() const { return falhou_; }

 private:
  // The buffer kept for the generation, lent to one reader at a time.
  class Bloco {
   public:
    Bloco();
    ~Bloco();
    Bloco(const Bloco&) = delete;
    Bloco& operator=(const Bloco&) = delete;
    char* dados() const { return dados_; }
    std::size_t capacidade() const { return capacidade_; }

   private:
    std::unique_ptr<char[]> proprio_;  // when the kept one is lent already
    char* dados_ = nullptr;
    std::size_t capacidade_ = 0;
  };

  bool enche();
  template <class Varredura>
  bool varre(std::string_view& linha, const Inicio_Linha& inicio);

  Bloco bloco_;
  Descritor arquivo_ = Sem_Descritor;
  std::uint64_t lidos_ = 0;      // bytes of the file read so far
  std::uint64_t restante_ = 0;   // bytes of the file not yet read, once its size is known
  char* pos_ = nullptr;          // the start of the next line
  char* fim_ = nullptr;          // the end of the bytes read, or the first 0x1A
  bool fim_do_arquivo_ = false;  // a 0x1A was met: nothing after it counts
  bool descartando_ = false;     // the rest of a line longer than the buffer is skipped
  bool falhou_ = false;
};

// Frees the buffer the readers keep (Finaliza_SPED does, at the end of a
// generation).
void Libera_Bloco_Leitura();
// Tests: the bytes of buffer kept now (0 when none), and the size of the
// buffer of readers made from now (at least 8; 0 gives back 256 KiB).
std::size_t Bloco_Leitura_Guardado();
void Tamanho_Bloco_Leitura(std::size_t bytes);
// Tests make the readers scan a word at a time, as where the processor
// offers nothing wider.
void Varredura_Por_Palavras(bool sim);

}  // namespace quillbook::platform
