// File operations of the generation. Every write opens, appends and closes
// its file, so a host that dies loses no line already written.
#pragma once

#include <cstddef>
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

// Appends each line followed by CR LF, creating the file when missing.
// False when the file could not be opened, was not a regular file, or a
// write or the close failed (short writes and EINTR are retried).
bool Acrescenta_Linhas(const std::string& caminho, const std::vector<std::string>& linhas);

// Writes every byte to an open descriptor, retrying after EINTR and short
// writes; false on any other failure.
bool Escreve_Tudo(int fd, const char* dados, std::size_t tamanho);

// Tests make the n-th write from now fail (1 is the next one); 0 disarms.
void Falha_Na_Escrita(int n);

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
