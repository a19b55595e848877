// File operations of the generation. Every write opens, appends and closes
// its file, so a host that dies loses no line already written.
#pragma once

#include <cstddef>
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

// Appends each line followed by CR LF, creating the file when missing.
// False when the file could not be opened, was not a regular file, or a
// write or the close failed (short writes and EINTR are retried).
bool Acrescenta_Linhas(const std::string& caminho, const std::vector<std::string>& linhas);

// Writes every byte to an open descriptor, retrying after EINTR and short
// writes; false on any other failure.
bool Escreve_Tudo(int fd, const char* dados, std::size_t tamanho);

// Tests make the n-th write from now fail (1 is the next one); 0 disarms.
void Falha_Na_Escrita(int n);

// A file's bytes in memory, owned by whoever asked for them.
struct Conteudo_Arquivo {
  std::unique_ptr<char[]> dados;
  std::size_t tamanho = 0;
};

// Reads the whole regular file at `caminho` into `conteudo`, as long as it
// was when opened, in as few reads as its size allows (short reads and
// EINTR are retried). Never waits: a FIFO or a device of that name is
// refused unread. False when the file could not be opened, was not a
// regular file, or a read failed.
bool Le_Arquivo(const std::string& caminho, Conteudo_Arquivo& conteudo);

// Reader of a reference table, read whole at construction. Lines end at
// LF; a CR is dropped wherever it stands (so CR LF ends a line and a lone
// CR vanishes); a byte 0x1A ends the file; a last line without LF still
// counts, and a final LF makes no empty line after it.
class Leitor_Linhas {
 public:
  explicit Leitor_Linhas(const std::string& caminho);

  bool aberto() const { return aberto_; }
  // The next line as it stands in the file, without its LF: any CR is
  // still in it, for the caller to drop. The view lives as long as the
  // reader. False at the end of the file or after a read error.
  bool proxima(std::string_view& linha) {
    if (pos_ == fim_) return false;
    const void* lf = std::memchr(pos_, '\n', static_cast<std::size_t>(fim_ - pos_));
    const char* fim_linha = lf != nullptr ? static_cast<const char*>(lf) : fim_;
    linha = std::string_view(pos_, static_cast<std::size_t>(fim_linha - pos_));
    pos_ = lf != nullptr ? fim_linha + 1 : fim_;
    return true;
  }
  // Reads the next line, keeping at most `maximo` of its first bytes in
  // `inicio`, CRs left out. False at the end of the file or on a read
  // error; falhou() tells which.
  bool proxima(std::string& inicio, std::size_t maximo);
  bool falhou() const { return falhou_; }

 private:
  Conteudo_Arquivo conteudo_;
  const char* pos_ = nullptr;
  const char* fim_ = nullptr;  // the first 0x1A, or the end of the bytes read
  bool aberto_ = false;
  bool falhou_ = false;
};

}  // namespace quillbook::platform
