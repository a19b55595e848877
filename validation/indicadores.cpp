// The coded indicators: one-digit (or one-letter) codes of a short list.
// Each validator is one reading of the value and the codes it accepts,
// written as the characters of the codes ("0129" is 0 to 2 or 9).
#include "exports/quillbook.h"
#include "frame/borda.h"
#include "frame/texto.h"
#include "validation/leituras.h"

namespace quillbook {
namespace {

// A plain walk: a list is a few characters long, shorter than the call
// that a search through it would cost.
bool Aceito(unsigned char lido, std::string_view aceitos) {
  for (char aceito : aceitos) {
    if (static_cast<unsigned char>(aceito) == lido) return true;
  }
  return false;
}

// Every accepted number is a single digit.
bool Aceito(int32_t lido, std::string_view aceitos) {
  return lido >= 0 && lido <= 9 && Aceito(static_cast<unsigned char>('0' + lido), aceitos);
}

template <auto Leitura>
uint8_t Indicador(const char* valor, std::string_view aceitos) {
  return Na_Borda(uint8_t{0}, [&] {
    const auto lido = Leitura(Texto(valor));
    return Resposta(lido && Aceito(*lido, aceitos));
  });
}

}  // namespace
}  // namespace quillbook

using quillbook::Indicador;
using quillbook::Primeiro_Caractere;
using quillbook::Primeiro_Digito;
using quillbook::Valor_Numerico;
using quillbook::Valor_Sem_Barra;
using quillbook::Valor_Sem_Ultimo;

// clang-format off
extern "C" {

QB_API uint8_t QB_CALL vCod_situacao_documento_fiscal(const char* Valor)      { return Indicador<Valor_Sem_Ultimo>(Valor, "012345678"); }
QB_API uint8_t QB_CALL vInd_tipo_transporte(const char* Valor)                { return Indicador<Valor_Sem_Ultimo>(Valor, "0123459"); }
QB_API uint8_t QB_CALL vInd_origem(const char* Valor)                         { return Indicador<Valor_Sem_Ultimo>(Valor, "0123"); }

QB_API uint8_t QB_CALL vInd_tipo_receita(const char* Valor)                   { return Indicador<Valor_Sem_Barra>(Valor, "01"); }
QB_API uint8_t QB_CALL vIND_REC(const char* Valor)                            { return Indicador<Valor_Sem_Barra>(Valor, "0123459"); }

QB_API uint8_t QB_CALL vInd_emitente_documento_fiscal(const char* Valor)      { return Indicador<Valor_Numerico>(Valor, "01"); }
QB_API uint8_t QB_CALL vIND_OPER(const char* Valor)                           { return Indicador<Valor_Numerico>(Valor, "01"); }
QB_API uint8_t QB_CALL vTIPO_MEDICAO(const char* Valor)                       { return Indicador<Valor_Numerico>(Valor, "01"); }

QB_API uint8_t QB_CALL vInd_origem_processo(const char* Valor)                { return Indicador<Primeiro_Digito>(Valor, "0129"); }
QB_API uint8_t QB_CALL vInd_natureza_frete(const char* Valor)                 { return Indicador<Primeiro_Digito>(Valor, "01"); }
QB_API uint8_t QB_CALL vInd_tipo_frete(const char* Valor)                     { return Indicador<Primeiro_Digito>(Valor, "0129"); }
QB_API uint8_t QB_CALL vIND_MOV(const char* Valor)                            { return Indicador<Primeiro_Digito>(Valor, "01"); }
QB_API uint8_t QB_CALL vIND_APUR(const char* Valor)                           { return Indicador<Primeiro_Digito>(Valor, "01"); }
QB_API uint8_t QB_CALL vIND_TFA(const char* Valor)                            { return Indicador<Primeiro_Digito>(Valor, "0129"); }
QB_API uint8_t QB_CALL vIND_MOV_ST(const char* Valor)                         { return Indicador<Primeiro_Digito>(Valor, "01"); }
QB_API uint8_t QB_CALL vIND_AJ(const char* Valor)                             { return Indicador<Primeiro_Digito>(Valor, "01"); }
QB_API uint8_t QB_CALL vIND_DOC(const char* Valor)                            { return Indicador<Primeiro_Digito>(Valor, "0129"); }

QB_API uint8_t QB_CALL vInd_emitente_titulo(const char* Valor)                { return Indicador<Primeiro_Caractere>(Valor, "01"); }
QB_API uint8_t QB_CALL vInd_tipo_operacao(const char* Valor)                  { return Indicador<Primeiro_Caractere>(Valor, "01"); }
QB_API uint8_t QB_CALL vInd_tipo_referencia_base(const char* Valor)           { return Indicador<Primeiro_Caractere>(Valor, "0123"); }
QB_API uint8_t QB_CALL vInd_tipo_veiculo_transportador(const char* Valor)     { return Indicador<Primeiro_Caractere>(Valor, "01"); }
QB_API uint8_t QB_CALL vInd_tipo_transporte_carga_coletada(const char* Valor) { return Indicador<Primeiro_Caractere>(Valor, "0123459"); }
QB_API uint8_t QB_CALL vInd_tipo_servico_prestado(const char* Valor)          { return Indicador<Primeiro_Caractere>(Valor, "012349"); }
QB_API uint8_t QB_CALL vIND_PGTO(const char* Valor)                           { return Indicador<Primeiro_Caractere>(Valor, "019"); }
QB_API uint8_t QB_CALL vCOD_DOC_IMP(const char* Valor)                        { return Indicador<Primeiro_Caractere>(Valor, "01"); }
QB_API uint8_t QB_CALL vTP_PROD(const char* Valor)                            { return Indicador<Primeiro_Caractere>(Valor, "012"); }
QB_API uint8_t QB_CALL vIND_ARM(const char* Valor)                            { return Indicador<Primeiro_Caractere>(Valor, "01"); }
QB_API uint8_t QB_CALL vIND_VEIC_OPER(const char* Valor)                      { return Indicador<Primeiro_Caractere>(Valor, "01239"); }
QB_API uint8_t QB_CALL vIND_FRT_RED(const char* Valor)                        { return Indicador<Primeiro_Caractere>(Valor, "0129"); }
QB_API uint8_t QB_CALL vIND_NAV(const char* Valor)                            { return Indicador<Primeiro_Caractere>(Valor, "01"); }
QB_API uint8_t QB_CALL vIND_PROP(const char* Valor)                           { return Indicador<Primeiro_Caractere>(Valor, "012"); }
QB_API uint8_t QB_CALL vIND_DOC_Informe_tipo_documento(const char* Valor)     { return Indicador<Primeiro_Caractere>(Valor, "01"); }
QB_API uint8_t QB_CALL vMovimento(const char* Valor)                          { return Indicador<Primeiro_Caractere>(Valor, "01"); }
QB_API uint8_t QB_CALL vIND_ATIV(const char* Valor)                           { return Indicador<Primeiro_Caractere>(Valor, "01"); }
QB_API uint8_t QB_CALL vCOD_FIN(const char* Valor)                            { return Indicador<Primeiro_Caractere>(Valor, "01"); }
QB_API uint8_t QB_CALL vIND_PERFIL(const char* Valor)                         { return Indicador<Primeiro_Caractere>(Valor, "ABC"); }

}
// clang-format on
