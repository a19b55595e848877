// The append that is the same on every platform: the bytes built once, all
// of them written, and an append that fails after its first byte undone,
// so that a file of the generation never holds a torn line, nor a whole
// one that its caller was told is not there. The platform's layer supplies
// only the primitives.
#include "platform/arquivos.h"

#include <algorithm>
#include <new>
#include <optional>
#include <utility>

#include "platform/permanente.h"

namespace quillbook::platform {
namespace {

struct Falhas {
  int acrescimos_ate_falha = 0;
  std::size_t bytes_antes_da_falha = 0;
  std::size_t maximo_por_escrita = 0;
  bool interrompidas = false;
  bool corte_falha = false;
  int fechamentos_ate_falha = 0;
  std::size_t perdidos_no_fechamento = 0;
  // The append now running is the one that fails; what it may still write.
  bool acrescimo_condenado = false;
  std::size_t restam = 0;
  bool interrompeu = false;
  // The close of the append now running reports a failure.
  bool fechamento_condenado = false;
};

Falhas& falhas() {
  static Falhas estado;
  return estado;
}

// The appends counted by the seam; false when this one fails without even
// opening its file.
bool inicia_acrescimo() {
  Falhas& f = falhas();
  f.acrescimo_condenado = f.acrescimos_ate_falha > 0 && --f.acrescimos_ate_falha == 0;
  f.fechamento_condenado = f.fechamentos_ate_falha > 0 && --f.fechamentos_ate_falha == 0;
  f.restam = f.bytes_antes_da_falha;
  return !(f.acrescimo_condenado && f.restam == 0);
}

// What the seam makes of the next system write: it may lower `tamanho` (a
// short write), interrupt it before any byte, or fail it.
enum class Escrita_Simulada { Real, Interrompida, Falha };

Escrita_Simulada simula_escrita(std::size_t& tamanho) {
  Falhas& f = falhas();
  if (f.interrompidas) {
    f.interrompeu = !f.interrompeu;
    if (f.interrompeu) return Escrita_Simulada::Interrompida;
  }
  if (f.maximo_por_escrita > 0) tamanho = std::min(tamanho, f.maximo_por_escrita);
  if (f.acrescimo_condenado) {
    if (f.restam == 0) return Escrita_Simulada::Falha;
    tamanho = std::min(tamanho, f.restam);
    f.restam -= tamanho;
  }
  return Escrita_Simulada::Real;
}

// Every byte written, after interrupted and short writes, until all are
// written or a write fails: how many were written (those are in the file).
std::size_t escreve_tudo(Descritor arquivo, const char* dados, std::size_t tamanho) {
  std::size_t total = 0;
  while (total < tamanho) {
    std::size_t pedido = tamanho - total;
    std::ptrdiff_t escrito = 0;
    switch (simula_escrita(pedido)) {
      case Escrita_Simulada::Real:
        escrito = Escreve_Parte(arquivo, dados + total, pedido);
        break;
      case Escrita_Simulada::Interrompida:
        continue;
      case Escrita_Simulada::Falha:
        return total;
    }
    if (escrito < 0) return total;
    total += static_cast<std::size_t>(escrito);
  }
  return total;
}

// The close of the append's own handle, which the seam may fail, and make
// lose the last bytes written, as a delayed write lost on a server does.
bool fecha_acrescimo(Descritor arquivo) {
  Falhas& f = falhas();
  std::uint64_t tamanho = 0;
  if (f.fechamento_condenado && f.perdidos_no_fechamento > 0 && Tamanho_Regular(arquivo, tamanho))
    Corta_Em(arquivo, tamanho - std::min<std::uint64_t>(tamanho, f.perdidos_no_fechamento));
  const bool fechado = Fecha(arquivo);
  return !std::exchange(f.fechamento_condenado, false) && fechado;
}

bool corta(Descritor arquivo, std::uint64_t tamanho) { return !falhas().corte_falha && Corta_Em(arquivo, tamanho); }

// Where each file ended after the last append to it, as far as the appends
// know: where the next one begins, known without asking the system at
// every line. Measured once where unknown.
struct Fim_Conhecido {
  std::string caminho;
  std::uint64_t fim;
};

std::vector<Fim_Conhecido>& fins() {
  static Permanente<std::vector<Fim_Conhecido>> conhecidos;
  return *conhecidos;
}

// The known end of the file; null where unknown.
Fim_Conhecido* procura_fim(const std::string& caminho) {
  for (Fim_Conhecido& f : fins())
    if (f.caminho == caminho) return &f;
  return nullptr;
}

void anota_fim(const std::string& caminho, Fim_Conhecido* conhecido, std::optional<std::uint64_t> fim) {
  if (conhecido != nullptr && fim) {
    conhecido->fim = *fim;
  } else if (conhecido != nullptr) {
    fins().erase(fins().begin() + (conhecido - fins().data()));
  } else if (fim) {
    fins().push_back({caminho, *fim});
  }
}

// Whether the file holds, from `inicio` to its end, the first bytes of
// `conteudo` and nothing else: what a failed append may have left. Where
// the start is only remembered, one byte of the append at least must stand
// past it, and no longer beginning of the append may end the file, as it
// would where the append stood from an earlier start. One pass over the
// file's last bytes finds both, by the automaton that follows the longest
// beginning of `conteudo` that ends the bytes read so far: it reads from a
// measured start on, and from as far back as the whole append could reach
// where the start is remembered. False where the file cannot be read.
bool so_parte_do_acrescimo(Descritor arquivo, std::uint64_t inicio, bool inicio_medido, std::string_view conteudo) {
  std::uint64_t tamanho = 0;
  if (!Tamanho_Regular(arquivo, tamanho) || tamanho < inicio || tamanho - inicio > conteudo.size()) return false;
  if (!inicio_medido && tamanho == inicio) return false;
  // For each beginning of `conteudo`, the longest shorter one that also
  // ends it: where to go on from when the next byte differs.
  std::vector<std::size_t> recuo;
  try {
    recuo.resize(conteudo.size());
  } catch (const std::bad_alloc&) {
    return false;
  }
  for (std::size_t i = 1, k = 0; i < conteudo.size(); ++i) {
    while (k > 0 && conteudo[i] != conteudo[k]) k = recuo[k - 1];
    if (conteudo[i] == conteudo[k]) ++k;
    recuo[i] = k;
  }
  std::size_t casados = 0;
  char bloco[4096];
  const std::uint64_t desde = inicio_medido ? inicio : tamanho - std::min<std::uint64_t>(tamanho, conteudo.size());
  for (std::uint64_t pos = desde; pos < tamanho;) {
    std::size_t lidos = 0;
    const auto pedido = static_cast<std::size_t>(std::min<std::uint64_t>(sizeof bloco, tamanho - pos));
    if (!Le_Em(arquivo, bloco, pedido, pos, lidos) || lidos == 0) return false;
    for (std::size_t i = 0; i < lidos; ++i) {
      // No more than `conteudo` is read, so it is met whole at most once,
      // with the file's last byte.
      while (casados > 0 && bloco[i] != conteudo[casados]) casados = recuo[casados - 1];
      if (bloco[i] == conteudo[casados]) ++casados;
    }
    pos += lidos;
  }
  return casados == tamanho - inicio;
}

// Once the append's handle is gone (its close failed), the file is opened
// again to cut it back to where the append began; only when what stands
// past that point is a part of this append, or all of it: a file changed
// by another hand keeps what it holds. A start measured on the append's
// own handle is where its bytes went; one remembered from the appends
// before may be stale, where another hand emptied or rewrote the file
// since, and the append may then stand whole or torn before it. So past a
// remembered start the file must end with a beginning of the append, one
// byte of it at least, that begins exactly there: where nothing stands
// past that start, or more of the append ends the file than stands past
// it (an append whose last bytes are its first ones, as the CR LF that
// opens and ends a block of erro.txt), the append may as well stand from
// an earlier start. It is then damage, and the next append looks at how
// the file ends.
Resultado_Acrescimo desfaz(const std::string& caminho, std::optional<std::uint64_t> inicio, bool inicio_medido,
                           std::string_view conteudo) {
  if (!inicio) return Resultado_Acrescimo::Danificado;
  const Descritor arquivo = Abre_Para_Cortar(caminho);
  if (arquivo == Sem_Descritor) return Resultado_Acrescimo::Danificado;
  const bool cortado = so_parte_do_acrescimo(arquivo, *inicio, inicio_medido, conteudo) && corta(arquivo, *inicio);
  return Fecha(arquivo) && cortado ? Resultado_Acrescimo::Nao_Gravado : Resultado_Acrescimo::Danificado;
}

}  // namespace

std::string Junta_Linhas(const std::vector<std::string>& linhas) {
  std::size_t total = 0;
  for (const auto& linha : linhas) total += linha.size() + 2;
  std::string conteudo;
  conteudo.reserve(total);
  for (const auto& linha : linhas) {
    conteudo += linha;
    conteudo += "\r\n";
  }
  return conteudo;
}

Resultado_Acrescimo Acrescenta_Linhas(const std::string& caminho, const std::vector<std::string>& linhas) {
  return Acrescenta_Texto(caminho, Junta_Linhas(linhas));
}

Resultado_Acrescimo Acrescenta_Texto(const std::string& caminho, std::string_view conteudo) {
  const bool pode_abrir = inicia_acrescimo();
  const Descritor arquivo = pode_abrir ? Abre_Para_Acrescentar(caminho) : Sem_Descritor;
  if (arquivo == Sem_Descritor) {
    falhas().acrescimo_condenado = false;
    anota_fim(caminho, procura_fim(caminho), std::nullopt);  // the file may be gone, or be made anew
    return Resultado_Acrescimo::Nao_Gravado;
  }
  Fim_Conhecido* const conhecido = procura_fim(caminho);
  std::optional<std::uint64_t> inicio;
  bool inicio_medido = false;
  std::uint64_t medido = 0;
  if (conhecido != nullptr)
    inicio = conhecido->fim;
  else if ((inicio_medido = Tamanho_Regular(arquivo, medido)))
    inicio = medido;
  const std::size_t escritos = escreve_tudo(arquivo, conteudo.data(), conteudo.size());
  falhas().acrescimo_condenado = false;  // the seam fails no write but this append's
  Resultado_Acrescimo resultado;
  if (escritos == conteudo.size()) {
    // A failed close may hide a delayed write that never reached the file:
    // the bytes then count as not written, and are cut back like those of
    // a write that failed part-way.
    resultado =
        fecha_acrescimo(arquivo) ? Resultado_Acrescimo::Gravado : desfaz(caminho, inicio, inicio_medido, conteudo);
  } else if (escritos == 0) {
    fecha_acrescimo(arquivo);
    resultado = Resultado_Acrescimo::Nao_Gravado;
  } else {
    // The bytes a write took are at the file's end: cut back from there.
    const bool no_fim = Tamanho_Regular(arquivo, medido) && medido >= escritos;
    if (no_fim) inicio = medido - escritos, inicio_medido = true;
    const bool cortado = no_fim && corta(arquivo, *inicio);
    resultado = fecha_acrescimo(arquivo) && cortado
                    ? Resultado_Acrescimo::Nao_Gravado
                    : desfaz(caminho, inicio, inicio_medido, conteudo.substr(0, escritos));
  }
  switch (resultado) {
    case Resultado_Acrescimo::Gravado:
      anota_fim(caminho, conhecido, inicio ? std::optional(*inicio + conteudo.size()) : std::nullopt);
      break;
    case Resultado_Acrescimo::Nao_Gravado:
      anota_fim(caminho, conhecido, inicio);
      break;
    case Resultado_Acrescimo::Danificado:
      anota_fim(caminho, conhecido, std::nullopt);
      break;
  }
  return resultado;
}

void Esquece_Fins() { std::vector<Fim_Conhecido>().swap(fins()); }

bool Termina_Em_Linha(const std::string& caminho) {
  const Descritor arquivo = Abre_Para_Ler(caminho);
  if (arquivo == Sem_Descritor) return !Arquivo_Existe(caminho);
  std::uint64_t tamanho = 0;
  char ultimo = '\n';
  std::size_t lidos = 0;
  const bool termina =
      Tamanho_Regular(arquivo, tamanho) &&
      (tamanho == 0 || (Le_Em(arquivo, &ultimo, 1, tamanho - 1, lidos) && lidos == 1 && ultimo == '\n'));
  Fecha(arquivo);
  return termina;
}

void Falha_Na_Escrita(int n, std::size_t apos_bytes) {
  falhas().acrescimos_ate_falha = n;
  falhas().bytes_antes_da_falha = apos_bytes;
}

void Escritas_Irregulares(std::size_t maximo, bool interrompidas) {
  falhas().maximo_por_escrita = maximo;
  falhas().interrompidas = interrompidas;
  falhas().interrompeu = false;
}

void Falha_No_Fechamento(int n, std::size_t perdidos) {
  falhas().fechamentos_ate_falha = n;
  falhas().perdidos_no_fechamento = perdidos;
}

void Falha_No_Corte(bool falha) { falhas().corte_falha = falha; }

void Desarma_Falhas() { falhas() = Falhas{}; }

}  // namespace quillbook::platform
