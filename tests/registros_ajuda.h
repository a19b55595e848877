// Record calls observed one at a time: what each call returned and what it
// added to "sped.txt" and "erro.txt".
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>

#include "tests/ajuda.h"

namespace quillbook::teste {

struct Chamada {
  int32_t resultado;
  std::string sped;  // the bytes this call appended
  std::string erro;
};

// Lines joined, each followed by CR LF.
std::string linhas(std::initializer_list<std::string> conteudo);

// A log line of a captured field: tab, caption padded to `largura`, tab,
// the value as passed, " -> " and the captured field.
std::string log_campo(const std::string& rotulo, std::size_t largura, const std::string& passado,
                      const std::string& capturado);

// The error section of a call's block: its heading and error lines, without
// the observations that may follow; empty when the call was not rejected.
std::string erros(const Chamada& chamada);

class Registros_Teste : public Geracao_Teste {
 protected:
  Chamada chama(const std::function<int32_t()>& registro) const;
  // The opening records that every test file starts from, all accepted.
  void abre_arquivo() const;
};

}  // namespace quillbook::teste
