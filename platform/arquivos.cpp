// The append that is the same on every platform: the bytes built once, all
// of them written, and a write that fails part-way undone, so that a file
// of the generation never holds a torn line. The platform's layer supplies
// only the primitives.
#include "platform/arquivos.h"

#include <algorithm>

namespace quillbook::platform {
namespace {

struct Falhas {
  int acrescimos_ate_falha = 0;
  std::size_t bytes_antes_da_falha = 0;
  std::size_t maximo_por_escrita = 0;
  bool interrompidas = false;
  bool corte_falha = false;
  // The append now running is the one that fails; what it may still write.
  bool acrescimo_condenado = false;
  std::size_t restam = 0;
  bool interrompeu = false;
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
  const std::size_t escritos = arquivo == Sem_Descritor ? 0 : escreve_tudo(arquivo, conteudo.data(), conteudo.size());
  falhas().acrescimo_condenado = false;  // the seam fails no write but this append's
  if (arquivo == Sem_Descritor) return Resultado_Acrescimo::Nao_Gravado;
  if (escritos == conteudo.size()) {
    // A failed close may hide a delayed write that never reached the file,
    // and there is no file left to cut back.
    return Fecha(arquivo) ? Resultado_Acrescimo::Gravado : Resultado_Acrescimo::Danificado;
  }
  const bool cortado = escritos == 0 || (!falhas().corte_falha && Corta_Final(arquivo, escritos));
  const bool fechado = Fecha(arquivo);
  if (escritos == 0 || (cortado && fechado)) return Resultado_Acrescimo::Nao_Gravado;
  return Resultado_Acrescimo::Danificado;
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

void Falha_No_Corte(bool falha) { falhas().corte_falha = falha; }

void Desarma_Falhas() { falhas() = Falhas{}; }

}  // namespace quillbook::platform
