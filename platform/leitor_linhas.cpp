// The reader of reference tables, the same on every platform: the
// platform's layer only opens, reads and closes.
#include <algorithm>
#include <cstring>

#include "platform/arquivos.h"

namespace quillbook::platform {
namespace {

constexpr std::size_t Limite_Bloco = 256 * 1024;
// The end-of-file byte is looked for a window at a time, not on every
// line, and only as far as the lines are read: a look-up that finds its
// code early never looks at the rest of the table. The window is small
// enough to stay in the cache for the line scan that follows.
constexpr std::size_t Janela = 16 * 1024;

}  // namespace

Leitor_Linhas::Leitor_Linhas(const std::string& caminho) {
  arquivo_ = Abre_Para_Ler(caminho);
  if (arquivo_ == Sem_Descritor) return;
  capacidade_ = Limite_Bloco;
  bloco_.reset(new char[capacidade_]);  // not value-initialised: only bytes read are looked at
  pos_ = fim_ = conferido_ = bloco_.get();
  std::size_t lidos = 0;
  bool legivel = Le_Em(arquivo_, bloco_.get(), capacidade_, 0, lidos);
  // A read that leaves the buffer short has met the end of the file. One
  // that fills it asks for more, and so for the size: only a regular file
  // offers it, so a device that never ends is refused.
  std::uint64_t tamanho = lidos;
  if (legivel && lidos == capacidade_) legivel = Tamanho_Regular(arquivo_, tamanho);
  if (!legivel) {
    Fecha(arquivo_);
    arquivo_ = Sem_Descritor;
    return;
  }
  lidos_ = lidos;
  restante_ = tamanho > lidos ? tamanho - lidos : 0;
  fim_ += lidos;
}

Leitor_Linhas::~Leitor_Linhas() {
  if (arquivo_ != Sem_Descritor) Fecha(arquivo_);
}

void Leitor_Linhas::confere_janela() {
  const std::size_t tamanho = std::min(static_cast<std::size_t>(fim_ - conferido_), Janela);
  const void* eof = std::memchr(conferido_, '\x1A', tamanho);
  if (eof != nullptr) {
    fim_ = conferido_ += static_cast<const char*>(eof) - conferido_;
    fim_do_arquivo_ = true;
  } else {
    conferido_ += tamanho;
  }
}

// Keeps the line begun and reads the next piece of the file after it.
bool Leitor_Linhas::enche() {
  const auto guardado = static_cast<std::size_t>(descartando_ ? 0 : fim_ - pos_);
  if (guardado > 0 && pos_ != bloco_.get()) std::memmove(bloco_.get(), pos_, guardado);
  pos_ = bloco_.get();
  fim_ = conferido_ = pos_ + guardado;  // a line kept was looked at already
  const std::size_t pedido = static_cast<std::size_t>(std::min<std::uint64_t>(capacidade_ - guardado, restante_));
  std::size_t lidos = 0;
  if (!Le_Em(arquivo_, fim_, pedido, lidos_, lidos)) {
    falhou_ = true;
    return false;
  }
  // A file cut short since it was opened ends where it ends now.
  restante_ = lidos == 0 ? 0 : restante_ - lidos;
  lidos_ += lidos;
  fim_ += lidos;
  return true;
}

bool Leitor_Linhas::proxima_alem(std::string_view& linha) {
  if (arquivo_ == Sem_Descritor || falhou_) return false;
  for (;;) {
    if (conferido_ < fim_) confere_janela();
    const void* lf = std::memchr(pos_, '\n', static_cast<std::size_t>(conferido_ - pos_));
    if (lf != nullptr) {
      const auto tamanho = static_cast<std::size_t>(static_cast<const char*>(lf) - pos_);
      const bool descartada = descartando_;
      linha = std::string_view(pos_, tamanho);
      pos_ += tamanho + 1;
      descartando_ = false;
      if (descartada) continue;
      return true;
    }
    if (conferido_ < fim_) continue;
    // No LF before the end of what was read.
    if (fim_do_arquivo_ || restante_ == 0) {
      const bool resta_linha = pos_ < fim_ && !descartando_;
      linha = std::string_view(pos_, static_cast<std::size_t>(fim_ - pos_));
      pos_ = fim_;
      descartando_ = false;
      return resta_linha;
    }
    if (pos_ == bloco_.get() && fim_ == pos_ + capacidade_ && !descartando_) {
      // A line that fills the buffer: its first bytes are all it offers.
      linha = std::string_view(pos_, capacidade_);
      pos_ = fim_;
      descartando_ = true;
      return true;
    }
    if (!enche()) return false;
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
