#include <cstring>

#include "platform/arquivos.h"

namespace quillbook::platform {

Leitor_Linhas::Leitor_Linhas(const std::string& caminho) {
  aberto_ = Le_Arquivo(caminho, conteudo_);
  // A file that opened but could not be read offers no line at all.
  falhou_ = !aberto_ && conteudo_.dados != nullptr;
  if (!aberto_) return;
  pos_ = conteudo_.dados.get();
  // The end-of-file byte is looked for once, not on every line.
  const void* eof = std::memchr(pos_, '\x1A', conteudo_.tamanho);
  fim_ = eof != nullptr ? static_cast<const char*>(eof) : pos_ + conteudo_.tamanho;
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
