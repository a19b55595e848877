// The road that every record writer takes: generation guard, header line,
// captures in parameter order, the record's tests, then the record line to
// "sped.txt" or the record's block to "erro.txt", with the counts of its
// row. A record function only says what is particular to it:
//
//   return Escreve_Registro("0005", "REGISTRO 0005", 39, [&](Registro& r) {
//     r.texto(FANTASIA, 60, "Nome de fantasia associado:");
//     auto& cep = r.numero(CEP, 8, "Código de Endereçamento Postal:");
//     ...
//     r.unico();
//     r.valida(vCEP, cep, "-2   Código de Endereçamento Postal Inválida: ");
//   });
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>

#include "exports/quillbook.h"
#include "frame/borda.h"
#include "frame/geracao.h"

namespace quillbook {

using Validador = uint8_t(QB_CALL*)(const char*);

class Registro {
 public:
  // `largura`: the width to which the record's captions are padded with
  // blanks (0 leaves them as they are).
  Registro(std::string_view codigo, std::size_t largura) : codigo_(codigo), largura_(largura) {}

  // Captures, in parameter order; each returns the captured field. The
  // value and the caption are looked at again when the record goes to
  // "erro.txt", so both must live until conclui(): a host's texts live
  // through its call, and captions are fixed texts.
  const std::string& texto(const char* valor, int32_t maximo, std::string_view rotulo);
  const std::string& numero(const char* valor, uint8_t maximo, std::string_view rotulo);
  const std::string& numero(std::string valor, uint8_t maximo, std::string_view rotulo);
  // A regional date rewritten as DDMMYYYY, then captured as a number of 8.
  const std::string& data(const char* valor, std::string_view rotulo);
  // A column of the line that holds no field: a bare "|".
  void coluna_vazia();
  // The captions that follow are padded to another width.
  void largura(std::size_t nova) { largura_ = nova; }

  // Tests, in the record's order. Each failure appends its line: the
  // message followed by the captured field (the field's "|" included).
  void unico();
  void valida(Validador validador, const std::string& campo, std::string_view mensagem);
  void valida_data(const std::string& campo, std::string_view mensagem);
  // The identity kinds: the first three let a field without digits pass.
  void cnpj(const std::string& campo, std::string_view mensagem);
  void cpf(const std::string& campo, std::string_view mensagem);
  void cnpj_ou_cpf(const std::string& campo, std::string_view mensagem);
  void cnpj_simples(const std::string& campo, std::string_view mensagem);
  void cpf_simples(const std::string& campo, std::string_view mensagem);
  // A CNPJ that must be given: a field without digits fails too.
  void cnpj_obrigatorio(const std::string& campo, std::string_view mensagem);
  // Fails when the field, less its "|" and trimmed, is empty; the line is
  // written as given, with no value after it.
  void obrigatorio(const std::string& campo, std::string_view linha);
  // A failed test of the record's own: the line as given.
  void erro(std::string linha);
  void falha_se(bool falhou, std::string_view mensagem, const std::string& campo);

  // The record line: "|", the code, "|", then the captured fields.
  std::string linha() const;
  // Lists the log lines of the captured fields when the record has errors
  // or observations, that is when "erro.txt" will show them; conclui()
  // does it, a caller that writes linha() itself does it first.
  void lista_log() const;
  // Observation count, then rejection (-1) or the record line (0 when it
  // was written to "sped.txt", -1 when it was not).
  int32_t conclui();

 private:
  // A captured field and what its log line needs, should the record go to
  // "erro.txt": an accepted record without observations never shows its
  // log, so it is not built for it.
  struct Campo {
    std::string valor;          // the captured form
    std::string_view original;  // the value as passed to the capture
    std::string proprio;        // that value, when the record made it (a date rewritten)
    std::string_view rotulo;    // captions are fixed texts
    std::size_t largura = 0;
    bool logado = false;
  };

  Campo& novo_campo(std::string_view rotulo);
  std::string monta_linha(std::string_view fim) const;
  template <class Funcao>
  void para_cada_campo(Funcao&& funcao) const;

  std::string codigo_;
  std::size_t largura_;
  // Stable references for the tests; no record has more fields than fit
  // here, and the rest would go to the deque.
  std::array<Campo, 40> campos_;
  std::deque<Campo> mais_campos_;
  std::size_t total_campos_ = 0;
};

// The road of one call: -1 without a generation, else the header line,
// the body's captures and tests, and the end of the road.
template <class Corpo>
int32_t Escreve_Registro(std::string_view codigo, std::string_view cabecalho, std::size_t largura, Corpo&& corpo) {
  return Na_Borda(-1, [&]() -> int32_t {
    if (!Verifica_Inicio()) return -1;
    if (!cabecalho.empty()) Estado().Lista_Log.emplace_back(cabecalho);
    Registro registro(codigo, largura);
    corpo(registro);
    return registro.conclui();
  });
}

// Lines written so far of a block, plus one for the closer itself.
std::string Linhas_Com_Encerramento(char bloco);

}  // namespace quillbook
