// File operations of the generation. Every write opens, appends and closes
// its file, so a host that dies loses no line already written.
#pragma once

#include <cstddef>
#include <cstdint>
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

// What an append left in its file.
enum class Resultado_Acrescimo {
  Gravado,      // every byte is in the file
  Nao_Gravado,  // none is: the file is as it was before the append
  Danificado,   // the write failed part-way and the file could not be cut
                // back, so it may hold a part of the lines
};

// Appends each line followed by CR LF, all or nothing, creating the file
// when missing. A file that cannot be opened or is not a regular file gets
// nothing; a write that fails part-way is undone by cutting the file back
// to its former end. Shared by every platform; built on the primitives
// below.
Resultado_Acrescimo Acrescenta_Linhas(const std::string& caminho, const std::vector<std::string>& linhas);

// The primitives that each platform's layer supplies to the append.
//
// An open file of the platform (a descriptor, a handle).
using Descritor = std::intptr_t;
constexpr Descritor Sem_Descritor = -1;

// Opens a regular file for appending (every write lands at its end whatever
// the position), creating it empty when missing. Never waits: a FIFO or a
// device of that name is refused, as is anything but a regular file.
// Sem_Descritor when refused or when it cannot be opened.
Descritor Abre_Para_Acrescentar(const std::string& caminho);

// Writes every byte, retrying after interrupted and short writes, until all
// are written or a write fails. Returns how many bytes were written: all of
// them on success, fewer on failure (those few are in the file). Asks
// Simula_Escrita before each system write.
std::size_t Escreve_Tudo(Descritor arquivo, const char* dados, std::size_t tamanho);

// Removes the last `bytes` bytes of the file, measured from its end as it
// stands now. With one writer and appends only, that undoes the bytes the
// last writes added. False when the file is shorter or cannot be cut.
bool Corta_Final(Descritor arquivo, std::size_t bytes);

// Closes the file. False when the system reports a failure, which may be
// of a write it had delayed.
bool Fecha(Descritor arquivo);

// Test seam, kept by the shared part and asked by Escreve_Tudo before each
// system write: what that write meets. It may lower `tamanho` (a short
// write); Interrompida means the system call was interrupted before writing
// anything, Falha that it failed.
enum class Escrita_Simulada { Real, Interrompida, Falha };
Escrita_Simulada Simula_Escrita(std::size_t& tamanho);

// Tests make the n-th append from now fail (1 is the next one; 0 disarms).
// With `apos_bytes` 0 it cannot open its file; otherwise its write fails
// once that many of its bytes have been written.
void Falha_Na_Escrita(int n, std::size_t apos_bytes = 0);
// Tests make every system write take at most `maximo` bytes (0: no limit)
// and, when `interrompidas`, be interrupted once before each attempt.
void Escritas_Irregulares(std::size_t maximo, bool interrompidas);
// Tests make every cut-back fail.
void Falha_No_Corte(bool falha);
// Disarms all of the above.
void Desarma_Falhas();

// Streaming reader of a reference table. Lines end at LF; a CR is dropped
// wherever it stands (so CR LF ends a line and a lone CR vanishes); a byte
// 0x1A ends the file; a last line without LF still counts, and a final LF
// makes no empty line after it.
class Leitor_Linhas {
 public:
  explicit Leitor_Linhas(const std::string& caminho);
  ~Leitor_Linhas();
  Leitor_Linhas(const Leitor_Linhas&) = delete;
  Leitor_Linhas& operator=(const Leitor_Linhas&) = delete;

  bool aberto() const { return fd_ >= 0; }
  // Reads the next line, keeping at most `maximo` of its first bytes in
  // `inicio` (the rest is skipped without being stored). False at the end
  // of the file or on a read error; falhou() tells which.
  bool proxima(std::string& inicio, std::size_t maximo);
  bool falhou() const { return falhou_; }

 private:
  bool enche();

  static constexpr std::size_t Tamanho_Bloco = 64 * 1024;
  int fd_ = -1;
  std::unique_ptr<char[]> bloco_;
  std::size_t pos_ = 0;
  std::size_t fim_ = 0;
  bool acabou_ = false;
  bool falhou_ = false;
};

}  // namespace quillbook::platform
