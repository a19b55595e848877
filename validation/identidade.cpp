// Taxpayer numbers, postal code and state registration.
#include <array>
#include <cstddef>

#include "exports/quillbook.h"
#include "frame/borda.h"
#include "frame/texto.h"
#include "validation/leituras.h"

namespace quillbook {
namespace {

// A check digit of the weighted sum: 0 when the rest by 11 is 0 or 1,
// 11 less the rest otherwise.
int Digito_Verificador(int soma) {
  const int resto = soma % 11;
  return resto < 2 ? 0 : 11 - resto;
}

// A number of N digits whose last two check the others: the first check
// digit weighs the N-2 leading digits, the second weighs them and the
// computed first check digit.
template <std::size_t N>
struct Regra_Verificacao {
  std::array<int, N - 2> pesos_primeiro;
  std::array<int, N - 1> pesos_segundo;
};

constexpr Regra_Verificacao<11> CPF{{10, 9, 8, 7, 6, 5, 4, 3, 2}, {11, 10, 9, 8, 7, 6, 5, 4, 3, 2}};
constexpr Regra_Verificacao<14> CNPJ{{5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2}, {6, 5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2}};

// The number is read from the first N digits and commas of the value,
// padded with "0" on the right; a comma among them fails it. An empty
// value gives `vazio`.
template <std::size_t N>
bool Confere(std::string_view valor, const Regra_Verificacao<N>& regra, bool vazio) {
  const Filtrado numeros = Numeros(valor, N);
  const std::string_view lidos = numeros.texto();
  if (lidos.empty()) return vazio;
  std::array<int, N> digitos{};
  for (std::size_t i = 0; i < lidos.size(); ++i) {
    if (lidos[i] == ',') return false;
    digitos[i] = lidos[i] - '0';
  }
  int soma_primeiro = 0;
  int soma_segundo = 0;
  for (std::size_t i = 0; i < N - 2; ++i) {
    soma_primeiro += regra.pesos_primeiro[i] * digitos[i];
    soma_segundo += regra.pesos_segundo[i] * digitos[i];
  }
  const int primeiro = Digito_Verificador(soma_primeiro);
  const int segundo = Digito_Verificador(soma_segundo + regra.pesos_segundo[N - 2] * primeiro);
  return primeiro == digitos[N - 2] && segundo == digitos[N - 1];
}

// Eight characters of which the first three, a prefix from 10 to 999, and
// the whole convert as integers; the whole exceeds one million and the
// last three are not blank. The code itself is not looked up anywhere.
bool CEP(std::string_view valor) {
  // A blank code, or a bare "|", never converts.
  const std::string_view cep = Trecho(valor, 0, 8);
  const auto prefixo = Converte_Inteiro(Trecho(cep, 0, 3));
  const auto numero = Converte_Inteiro(cep);
  return prefixo && numero && *numero > 1'000'000 && Apara(Trecho(cep, 5, 3)).size() == 3 && *prefixo >= 10 &&
         *prefixo <= 999;
}

}  // namespace
}  // namespace quillbook

extern "C" {

QB_API uint8_t QB_CALL vCPF(const char* Valor) {
  return quillbook::Na_Borda(uint8_t{0}, [&] {
    return quillbook::Resposta(quillbook::Confere(quillbook::Texto(Valor), quillbook::CPF, false));
  });
}

// An empty CNPJ is valid; an empty CPF is not.
QB_API uint8_t QB_CALL vCNPJ(const char* Valor) {
  return quillbook::Na_Borda(uint8_t{0}, [&] {
    return quillbook::Resposta(quillbook::Confere(quillbook::Texto(Valor), quillbook::CNPJ, true));
  });
}

QB_API uint8_t QB_CALL vCEP(const char* Valor) {
  return quillbook::Na_Borda(uint8_t{0}, [&] { return quillbook::Resposta(quillbook::CEP(quillbook::Texto(Valor))); });
}

// The state registration is not tested: every pair is valid.
QB_API uint8_t QB_CALL vInscEst(const char*, const char*) { return 1; }
}
