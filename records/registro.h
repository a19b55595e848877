// The road that every record writer takes: generation guard, header line,
// captures in parameter order, the record's tests, then the record line to
// "sped.txt" or the record's block to "erro.txt", with the counts of its
// row. A record function only says what is particular to it:
//
//   return Escreve_Registro("0005", "REGISTRO 0005", 39, [&](Registro& r) {
//     r.texto(FANTASIA, 60, "Nome de fantasia associado:");
//     const auto& cep = r.numero(CEP, 8, "Código de Endereçamento Postal:");
//     ...
//     r.unico();
//     r.valida(vCEP, cep, "-2   Código de Endereçamento Postal Inválida: ");
//   });
//
// The line is built where the generation keeps it from call to call, each
// field captured straight onto its end, so that an accepted record without
// observations takes no memory once the first calls have sized it; only
// what goes to "erro.txt" is built as separate lines.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "exports/quillbook.h"
#include "frame/borda.h"
#include "frame/captura.h"
#include "frame/geracao.h"
#include "frame/tabela_registros.h"

namespace quillbook {

using Validador = uint8_t(QB_CALL*)(const char*);

// A captured field as the record's tests see it: its place in the record
// line, which is read again at each look since the line may move as it
// grows.
class Capturado {
 public:
  Capturado(const std::string& linha, std::size_t inicio, std::size_t tamanho)
      : linha_(&linha), inicio_(inicio), tamanho_(tamanho) {}
  operator std::string_view() const { return std::string_view(linha_->data() + inicio_, tamanho_); }

 private:
  const std::string* linha_;
  std::size_t inicio_;
  std::size_t tamanho_;
};

// One record call's line, built in the generation's kept memory: only one
// Registro is at work at a time.
class Registro {
 public:
  // `largura`: the width to which the record's captions are padded with
  // blanks (0 leaves them as they are). `cabecalho`: the header line that
  // opens the record's log in "erro.txt" (none when empty).
  Registro(Codigo_Registro codigo, std::size_t largura, std::string_view cabecalho = {});

  // Captures, in parameter order, each straight onto the end of the line;
  // each returns the captured field. The value and the caption are looked
  // at again when the record goes to "erro.txt", so both must live until
  // conclui(): a host's texts live through its call, and captions are
  // fixed texts. A value that the record made itself is copied.
  [[gnu::always_inline]] Capturado texto(const char* valor, int32_t maximo, std::string_view rotulo) {
    const std::size_t inicio = tamanho_;
    if (captura_direta<Classe_Permitida>(Sem_Brancos_Iniciais(Bytes_Do_Host(valor)), maximo, rotulo, valor))
      return capturado(inicio);
    return texto_completo(valor, maximo, rotulo);
  }
  [[gnu::always_inline]] Capturado numero(const char* valor, uint8_t maximo, std::string_view rotulo) {
    const std::size_t inicio = tamanho_;
    if (captura_direta<Classe_Numerica>(Bytes_Do_Host(valor), maximo, rotulo, valor)) return capturado(inicio);
    return numero_completo(valor, maximo, rotulo);
  }
  Capturado numero(std::string_view feito_pelo_registro, uint8_t maximo, std::string_view rotulo);
  // A regional date rewritten as DDMMYYYY, then captured as a number of 8.
  Capturado data(const char* valor, std::string_view rotulo);
  // A column of the line that holds no field: a bare "|".
  void coluna_vazia() { coluna({}); }
  // A column that the record fills itself, shown in no log: the value and "|".
  void coluna(std::string_view valor);
  // The captions that follow are padded to another width.
  void largura(std::size_t nova) { largura_ = nova; }

  // Tests, in the record's order. Each failure appends its line: the
  // message followed by the captured field (the field's "|" included).
  void unico();
  void valida(Validador validador, std::string_view campo, std::string_view mensagem);
  void valida_data(std::string_view campo, std::string_view mensagem);
  // The identity kinds: the first three let a field without digits pass.
  void cnpj(std::string_view campo, std::string_view mensagem);
  void cpf(std::string_view campo, std::string_view mensagem);
  void cnpj_ou_cpf(std::string_view campo, std::string_view mensagem);
  void cnpj_simples(std::string_view campo, std::string_view mensagem);
  void cpf_simples(std::string_view campo, std::string_view mensagem);
  // A CNPJ that must be given: a field without digits fails too.
  void cnpj_obrigatorio(std::string_view campo, std::string_view mensagem);
  // Fails when the field, less its "|" and trimmed, is empty; the line is
  // written as given, with no value after it.
  void obrigatorio(std::string_view campo, std::string_view linha);
  // A failed test of the record's own: the line as given.
  void erro(std::string linha);
  void falha_se(bool falhou, std::string_view mensagem, std::string_view campo) {
    if (falhou) falha(mensagem, campo);
  }

  // The record line so far: "|", the code, "|", then the captured fields.
  std::string_view linha() const { return std::string_view(g_.Linha.data(), tamanho_); }
  // Lists the header and the log lines of the captured fields when the
  // record has errors or observations, that is when "erro.txt" will show
  // them; conclui() does it, a caller that writes the line itself with
  // escreve() does it first.
  void lista_log();
  // Writes the line to "sped.txt" as it stands, the record's observations
  // to "erro.txt", and empties the lists; true when the line is in the file.
  bool escreve();
  // A record that writes several lines starts the next one; the header
  // line went with the first.
  void nova_linha();
  // Observation count, then rejection (-1) or the record line (0 when it
  // was written to "sped.txt", -1 when it was not).
  int32_t conclui();

  // The room a capture takes at most, the maximum and its "|", is kept
  // ahead for a maximum up to this; a larger one takes the value's length.
  static constexpr std::size_t Maior_Espaco_Fixo = 256;

 private:
  // Room for `bytes` more at the end of the line, and one byte beyond,
  // which the line grows to when it has not that much: what a capture
  // writes goes there. The byte beyond stays free after any capture, so
  // that a field at the end of the line can be ended with a NUL where it
  // lies, and the line never moves once the tests have begun.
  bool tem_espaco(std::size_t bytes) const { return g_.Linha.size() - tamanho_ > bytes; }
  char* espaco(std::size_t bytes) {
    if (!tem_espaco(bytes)) cresce(bytes);
    return g_.Linha.data() + tamanho_;
  }
  void cresce(std::size_t bytes);
  // The line of a failed test: the message and the captured field.
  void falha(std::string_view mensagem, std::string_view campo);
  // A host's text captured on the short road, as usual. Written here,
  // where the record's functions see it, so that their fields take it with
  // their maximum and caption known: a usual field costs the copy of its
  // bytes and the few words of its slot. False, with nothing changed, for a
  // maximum outside 1 to 255 or when the line or the slots must grow: the
  // full road takes those.
  template <const Classe_Caracteres& Passa>
  [[gnu::always_inline]] bool captura_direta(const unsigned char* bytes, int64_t maximo, std::string_view rotulo,
                                             const char* original) {
    if (maximo <= 0 || static_cast<uint64_t>(maximo) >= Maior_Espaco_Fixo || !tem_espaco(maximo + 1) ||
        total_campos_ == g_.Campos.size())
      return false;
    const std::size_t escritos = Captura_Direta<Passa>(g_.Linha.data() + tamanho_, bytes, maximo, rotulo, largura_);
    anota(tamanho_, escritos, rotulo, original, Campo_Registro::Origem::Host);
    return true;
  }
  // The slot of the field just written from `inicio`, `escritos` bytes;
  // there is one free.
  void anota(std::size_t inicio, std::size_t escritos, std::string_view rotulo, const char* original,
             Campo_Registro::Origem origem) {
    Campo_Registro& campo = g_.Campos[total_campos_++];
    campo.inicio = inicio;
    campo.fim = inicio + escritos;
    campo.rotulo = rotulo;
    campo.largura = static_cast<uint32_t>(largura_);
    campo.original = original;
    campo.origem = origem;
    tamanho_ = inicio + escritos;
  }
  Capturado texto_completo(const char* valor, int32_t maximo, std::string_view rotulo);
  Capturado numero_completo(const char* valor, uint8_t maximo, std::string_view rotulo);
  Capturado campo_do_host(std::size_t inicio, std::string_view rotulo, const char* valor);
  // The field that a capture has just written, from `inicio` to the end of
  // the line.
  Campo_Registro& novo_campo(std::size_t inicio, std::string_view rotulo);
  Capturado capturado(std::size_t inicio) const { return {g_.Linha, inicio, tamanho_ - inicio}; }
  // Runs `teste` on the field as a text ending in NUL, as a validator takes
  // it. A field of the line is ended where it lies, the byte after it put
  // back afterwards; any other is copied out.
  template <class Teste>
  bool terminado(std::string_view campo, Teste&& teste);

  Geracao& g_;
  Codigo_Registro codigo_;
  std::string_view cabecalho_;
  std::size_t largura_;
  std::size_t tamanho_ = 0;  // of the line in g_.Linha
  std::size_t total_campos_ = 0;
};

// The road of one call: -1 without a generation, else the body's captures
// and tests, and the end of the road.
template <class Corpo>
int32_t Escreve_Registro(Codigo_Registro codigo, std::string_view cabecalho, std::size_t largura, Corpo&& corpo) {
  return Na_Borda(-1, [&]() -> int32_t {
    if (!Verifica_Inicio()) return -1;
    Registro registro(codigo, largura, cabecalho);
    corpo(registro);
    return registro.conclui();
  });
}

// Lines written so far of a block, plus one for the closer itself.
std::string Linhas_Com_Encerramento(char bloco);

}  // namespace quillbook
