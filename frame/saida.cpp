#include "frame/saida.h"

#include <algorithm>

#include "exports/quillbook.h"
#include "frame/borda.h"
#include "frame/texto.h"
#include "platform/arquivos.h"
#include "platform/mensagem.h"

namespace quillbook {
namespace {

void acrescenta_secao(Lista& bloco, const char* titulo, const Lista& itens) {
  bloco.emplace_back();
  bloco.emplace_back(titulo);
  for (const auto& item : itens) bloco.push_back("\t  " + item);
}

Lista abre_bloco() {
  Lista bloco{""};
  const Lista& log = Estado().Lista_Log;
  bloco.insert(bloco.end(), log.begin(), log.end());
  return bloco;
}

// True when written; otherwise the message for the user, and false.
bool Mostra_Resultado(const std::string& caminho, platform::Resultado_Acrescimo resultado) {
  switch (resultado) {
    case platform::Resultado_Acrescimo::Gravado:
      return true;
    case platform::Resultado_Acrescimo::Nao_Gravado:
      platform::Mostra_Mensagem("Erro ao tentar escrever no arquivo " + caminho);
      return false;
    case platform::Resultado_Acrescimo::Danificado:
      break;
  }
  platform::Mostra_Mensagem("Erro ao tentar desfazer a escrita incompleta no arquivo " + caminho);
  return false;
}

// Every append to a file of the generation. A failed append is undone, but
// where it could not be, the file may be left holding part of it; the next
// line would then be glued to that part, and a line accepted then would
// not be a line of the file. So after such damage the next append looks at
// the file's last byte, and begins with CR LF when it is not a line's end:
// the part stays on a line of its own, and a file left whole (a close that
// failed after every byte went in) gets no empty line. The look is owed
// until an append has gone in whole.
bool Acrescenta(const std::string& caminho, std::string_view conteudo) {
  Lista& abertos = Estado().Fragmentos_Abertos;
  const auto aberto = std::find(abertos.begin(), abertos.end(), caminho);
  platform::Resultado_Acrescimo resultado;
  if (aberto == abertos.end() || platform::Termina_Em_Linha(caminho)) {
    resultado = platform::Acrescenta_Texto(caminho, conteudo);
  } else {
    std::string fechado;
    fechado.reserve(conteudo.size() + 2);
    fechado.append("\r\n").append(conteudo);
    resultado = platform::Acrescenta_Texto(caminho, fechado);
  }
  if (aberto == abertos.end()) {
    if (resultado == platform::Resultado_Acrescimo::Danificado) abertos.push_back(caminho);
  } else if (resultado == platform::Resultado_Acrescimo::Gravado) {
    abertos.erase(aberto);
  }
  return Mostra_Resultado(caminho, resultado);
}

}  // namespace

bool Grava_Linhas(const std::string& caminho, const Lista& linhas) {
  return Acrescenta(caminho, platform::Junta_Linhas(linhas));
}

// Laid out where record lines are built, in memory kept from call to call.
bool Trata_Linha(std::string_view linha) {
  if (!Verifica_Inicio()) return false;
  std::string& terminada = Estado().Linha;
  terminada.assign(linha).append("\r\n");
  return Trata_Linha_Terminada(terminada);
}

bool Trata_Linha_Terminada(std::string_view linha_crlf) {
  if (!Verifica_Inicio()) return false;
  Geracao& g = Estado();
  const bool gravada = Acrescenta(g.Caminho_SPED, linha_crlf);
  if (!g.Lista_Observacoes.empty()) {
    Lista bloco = abre_bloco();
    acrescenta_secao(bloco, "\tObservação do Registro:", g.Lista_Observacoes);
    Grava_Linhas(g.Caminho_Erro, bloco);
  }
  Esvazia_Listas();
  return gravada;
}

void Grava_Erros(const Lista& erros) {
  if (!Verifica_Inicio()) return;
  Geracao& g = Estado();
  if (!erros.empty() || !g.Lista_Observacoes.empty()) {
    Lista bloco = abre_bloco();
    if (!erros.empty()) acrescenta_secao(bloco, "\tErro(s) do Registro:", erros);
    if (!g.Lista_Observacoes.empty()) acrescenta_secao(bloco, "\tObservação do Registro:", g.Lista_Observacoes);
    Grava_Linhas(g.Caminho_Erro, bloco);
  }
  Esvazia_Listas();
}

}  // namespace quillbook

extern "C" QB_API void QB_CALL Trata_SPED(const char* Linha) {
  quillbook::Na_Borda([&] { quillbook::Trata_Linha(quillbook::Texto(Linha)); });
}
