#include <algorithm>
#include <cstring>

#include "platform/arquivos.h"

namespace quillbook::platform {

Leitor_Linhas::Leitor_Linhas(const std::string& caminho) {
  aberto_ = Le_Arquivo(caminho, conteudo_);
  // A file that opened but could not be read offers no line at all.
  falhou_ = !aberto_ && conteudo_.dados != nullptr;
  if (!aberto_) return;
  pos_ = conteudo_.dados.get();
  fim_ = pos_ + conteudo_.tamanho;
  conferido_ = pos_;
}

// The end-of-file byte is looked for a window at a time, not on every
// line, and only as far as the lines are read: a look-up that finds its
// code early never looks at the rest of the table. The window is small
// enough to stay in the cache for the line scan that follows.
void Leitor_Linhas::confere_ate(const char* ate) {
  constexpr std::size_t Janela = 16 * 1024;
  const auto resto = static_cast<std::size_t>(fim_ - conferido_);
  const auto minimo = static_cast<std::size_t>(ate - conferido_) + 1;
  const std::size_t tamanho = std::min(resto, std::max(minimo, Janela));
  const void* eof = std::memchr(conferido_, '\x1A', tamanho);
  if (eof != nullptr) {
    fim_ = static_cast<const char*>(eof);
    conferido_ = fim_;
  } else {
    conferido_ += tamanho;
  }
}

bool Leitor_Linhas::proxima(std::string& inicio, std::size_t maximo) {
  inicio.clear();
  std::string_view linha;
  if (!proxima(linha)) return false;
  for (std::size_t i = 0; i < linha.size() && inicio.size() < maximo; ++i) {
    if (linha[i] != '\r') inicio += linha[i];
  }
  return true;
}

}  // namespace quillbook::platform
