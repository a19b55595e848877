// The reader of reference tables, the same on every platform: the
// platform's layer only opens, reads and closes.
#include <algorithm>
#include <bit>
#include <cstring>

#include "platform/arquivos.h"
#include "platform/permanente.h"

#if defined(__SSE2__)
#  include <emmintrin.h>
#  define QB_VETORES 1
#else
#  define QB_VETORES 0
#endif

namespace quillbook::platform {
namespace {

constexpr std::size_t Limite_Bloco = 256 * 1024;
// Bytes past the end of a buffer, so that a stretch of the scan can be
// loaded at any byte read, and a LF set after them; what they hold is
// never counted.
constexpr std::size_t Folga = 16;
// A buffer starts on a cache line: the system's copy into one that starts
// a few bytes into a page, as a large allocation does, was measured
// several times slower.
constexpr std::size_t Alinhamento = 64;

// A zeroed buffer of `capacidade` bytes and the spare ones; `dados` is
// where it starts. Zeroed once: the scan loads bytes past those read.
std::unique_ptr<char[]> Novo_Bloco(std::size_t capacidade, char*& dados) {
  std::unique_ptr<char[]> bloco(new char[capacidade + Folga + Alinhamento - 1]());
  const auto endereco = reinterpret_cast<std::uintptr_t>(bloco.get());
  dados = bloco.get() + ((Alinhamento - endereco % Alinhamento) % Alinhamento);
  return bloco;
}

// The buffer kept from one look-up to the next (never destroyed: the
// look-ups of a generation closed at exit still find it), whether a reader
// has it, and the size of the buffers made from now.
Permanente<std::unique_ptr<char[]>> Guardado;
char* Dados_Guardado = nullptr;
std::size_t Capacidade_Guardado = 0;
bool Emprestado = false;
std::size_t Capacidade_Nova = Limite_Bloco;

// Word-at-a-time work on the bytes of a word, the same on either byte
// order.
template <class P>
constexpr P Em_Todo_Byte(unsigned char b) {
  return ~P{0} / 0xFF * b;
}

template <class P>
P Carrega(const char* p) {
  P w;
  std::memcpy(&w, p, sizeof w);
  return w;
}

// 0x80 in each byte of `x` that is zero, 0 in the others: exact in every
// byte, since none carries into the next.
template <class P>
constexpr P Zeros(P x) {
  constexpr P baixos = Em_Todo_Byte<P>(0x7F);
  return ~(((x & baixos) + baixos) | x | baixos);
}

// The place, in memory order, of the first byte of `x` that is not 0
// (`x` not 0).
template <class P>
std::size_t Primeiro_Byte(P x) {
  if constexpr (std::endian::native == std::endian::little)
    return static_cast<std::size_t>(std::countr_zero(x)) / 8;
  else
    return static_cast<std::size_t>(std::countl_zero(x)) / 8;
}

// The line scan marks the line ends and the end-of-file byte of a stretch
// of bytes at a time. LF and 0x1A are the only bytes that an OR with 0x10
// makes 0x1A, so one test finds both, and the end of the file is met in
// the same pass as the line ends.
//
// The portable scan takes words of the machine's own width (32 bits in the
// Windows DLL); a mark is the 0x80 of its byte.
struct Palavras {
  using Marcas = std::uintptr_t;
  static constexpr std::size_t passo = sizeof(Marcas);

  static Marcas marcas(const char* q) {
    return Zeros((Carrega<Marcas>(q) | Em_Todo_Byte<Marcas>(0x10)) ^ Em_Todo_Byte<Marcas>(0x1A));
  }
  static std::size_t primeira(Marcas m) { return Primeiro_Byte(m); }
  static Marcas sem_primeira(Marcas m) {
    if constexpr (std::endian::native == std::endian::little)
      return m & (m - 1);
    else
      return m & ~(Marcas{0x80} << (8 * (passo - 1 - primeira(m))));
  }
  // The marks of the bytes from the `n`-th on.
  static Marcas desde(Marcas m, std::size_t n) {
    if constexpr (std::endian::native == std::endian::little)
      return m & (~Marcas{0} << (8 * n));
    else
      return m & (~Marcas{0} >> (8 * n));
  }
};

#if QB_VETORES
// Where the processor has them, 16 bytes at a time; a mark is the bit of
// its byte.
struct Vetores {
  using Marcas = unsigned;
  static constexpr std::size_t passo = 16;

  static Marcas marcas(const char* q) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(q));
    return static_cast<Marcas>(
        _mm_movemask_epi8(_mm_cmpeq_epi8(_mm_or_si128(v, _mm_set1_epi8(0x10)), _mm_set1_epi8(0x1A))));
  }
  static std::size_t primeira(Marcas m) { return static_cast<std::size_t>(std::countr_zero(m)); }
  static Marcas sem_primeira(Marcas m) { return m & (m - 1); }
  static Marcas desde(Marcas m, std::size_t n) { return m & (~Marcas{0} << n); }
};
#endif

// Set by tests, so that the portable scan is tried where vectors serve.
bool Por_Palavras = false;

// A cursor over the marks of the stretches from the one that holds `p`:
// each stretch is loaded where it stands in the buffer, once, whatever the
// number of lines that end in it. A LF stands after the bytes read, so
// that the cursor needs no test of its own for their end.
template <class V>
class Cursor {
 public:
  Cursor(char* inicio, char* p) {
    const auto antes = static_cast<std::size_t>(p - inicio) % V::passo;
    q_ = p - antes;
    marcas_ = V::desde(V::marcas(q_), antes);
  }
  // The next LF or 0x1A.
  char* proxima() {
    while (marcas_ == 0) {
      q_ += V::passo;
      marcas_ = V::marcas(q_);
    }
    char* const marca = q_ + V::primeira(marcas_);
    marcas_ = V::sem_primeira(marcas_);
    return marca;
  }

 private:
  char* q_;
  typename V::Marcas marcas_;
};

}  // namespace

Inicio_Linha::Inicio_Linha(std::string_view padrao, unsigned char menor_aceito)
    : bytes_(padrao.size()), menor_aceito_(menor_aceito) {
  // Laid out from bytes, so that the words hold them in the order a load
  // from the buffer does.
  unsigned char marcas[8] = {};
  std::memcpy(&padrao_, padrao.data(), padrao.size());
  std::memset(marcas, 0xFF, padrao.size());
  std::memcpy(&comparados_, marcas, sizeof marcas);
}

[[gnu::always_inline]] inline bool Inicio_Linha::possivel(const char* p, const char* fim) const {
  if (bytes_ == 0 || static_cast<std::size_t>(fim - p) < bytes_) return true;
  const std::uint64_t diferentes = (Carrega<std::uint64_t>(p) ^ padrao_) & comparados_;
  if (diferentes == 0) return true;
  const auto c = static_cast<unsigned char>(p[Primeiro_Byte(diferentes)]);
  return c == '\r' || c == '\x1A' || c < menor_aceito_;
}

Leitor_Linhas::Bloco::Bloco() : capacidade_(Capacidade_Nova) {
  if (Emprestado) {
    proprio_ = Novo_Bloco(capacidade_, dados_);
    return;
  }
  if (Capacidade_Guardado != capacidade_) {
    Guardado->reset();
    Capacidade_Guardado = 0;
    *Guardado = Novo_Bloco(capacidade_, Dados_Guardado);
    Capacidade_Guardado = capacidade_;
  }
  Emprestado = true;
  dados_ = Dados_Guardado;
}

Leitor_Linhas::Bloco::~Bloco() {
  if (proprio_ == nullptr) Emprestado = false;
}

void Libera_Bloco_Leitura() {
  if (Emprestado) return;
  Guardado->reset();
  Capacidade_Guardado = 0;
}

std::size_t Bloco_Leitura_Guardado() { return Capacidade_Guardado; }

void Tamanho_Bloco_Leitura(std::size_t bytes) {
  Capacidade_Nova = bytes == 0 ? Limite_Bloco : std::max<std::size_t>(bytes, 8);
}

Leitor_Linhas::Leitor_Linhas(const std::string& caminho) {
  arquivo_ = Abre_Para_Ler(caminho);
  if (arquivo_ == Sem_Descritor) return;
  const std::size_t capacidade = bloco_.capacidade();
  pos_ = fim_ = bloco_.dados();
  std::size_t lidos = 0;
  bool legivel = Le_Em(arquivo_, pos_, capacidade, 0, lidos);
  // A read that leaves the buffer short has met the end of the file. One
  // that fills it asks for more, and so for the size: only a regular file
  // offers it, so a device that never ends is refused.
  std::uint64_t tamanho = lidos;
  if (legivel && lidos == capacidade) legivel = Tamanho_Regular(arquivo_, tamanho);
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

// Keeps the line begun and reads the next piece of the file after it.
bool Leitor_Linhas::enche() {
  const auto guardado = static_cast<std::size_t>(descartando_ ? 0 : fim_ - pos_);
  if (guardado > 0 && pos_ != bloco_.dados()) std::memmove(bloco_.dados(), pos_, guardado);
  pos_ = bloco_.dados();
  fim_ = pos_ + guardado;
  const std::size_t pedido =
      static_cast<std::size_t>(std::min<std::uint64_t>(bloco_.capacidade() - guardado, restante_));
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

template <class V>
bool Leitor_Linhas::varre(std::string_view& linha, const Inicio_Linha& inicio) {
  if (arquivo_ == Sem_Descritor || falhou_) return false;
  for (;;) {
    char* p = pos_;
    if (p < fim_) {
      *fim_ = '\n';  // in the buffer's spare bytes when it is full
      Cursor<V> cursor(bloco_.dados(), p);
      for (;;) {
        char* const fim_linha = cursor.proxima();
        if (fim_linha == fim_) break;
        if (*fim_linha == '\x1A') {
          fim_ = fim_linha;
          fim_do_arquivo_ = true;
          break;
        }
        if (descartando_) {
          descartando_ = false;
        } else if (inicio.possivel(p, fim_)) {
          linha = std::string_view(p, static_cast<std::size_t>(fim_linha - p));
          pos_ = fim_linha + 1;
          return true;
        }
        p = fim_linha + 1;
      }
    }
    pos_ = p;
    // No LF before the end of what was read.
    if (fim_do_arquivo_ || restante_ == 0) {
      const bool oferecida = pos_ < fim_ && !descartando_ && inicio.possivel(pos_, fim_);
      linha = std::string_view(pos_, static_cast<std::size_t>(fim_ - pos_));
      pos_ = fim_;
      descartando_ = false;
      return oferecida;
    }
    if (pos_ == bloco_.dados() && fim_ == pos_ + bloco_.capacidade() && !descartando_) {
      // A line that fills the buffer: its first bytes are all it offers.
      linha = std::string_view(pos_, bloco_.capacidade());
      pos_ = fim_;
      descartando_ = true;
      if (inicio.possivel(linha.data(), fim_)) return true;
    }
    if (!enche()) return false;
  }
}

bool Leitor_Linhas::proxima(std::string_view& linha, const Inicio_Linha& inicio) {
#if QB_VETORES
  if (!Por_Palavras) return varre<Vetores>(linha, inicio);
#endif
  return varre<Palavras>(linha, inicio);
}

void Varredura_Por_Palavras(bool sim) { Por_Palavras = sim; }

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
