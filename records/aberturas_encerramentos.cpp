// The opener of every block (its movement indicator) and the closers of
// blocks 0, C, D, E, H and 1 (the block's line count, their own line
// included). Each may be written once per file.
#include "records/registro.h"

using namespace quillbook;

namespace {

int32_t abertura(Codigo_Registro codigo, const char* cabecalho, std::size_t largura, Validador validador,
                 const char* mensagem, const char* IND_MOV, bool como_texto = false) {
  return Escreve_Registro(codigo, cabecalho, largura, [&](Registro& r) {
    const auto& ind_mov =
        como_texto ? r.texto(IND_MOV, 1, "Indicador de movimento:") : r.numero(IND_MOV, 1, "Indicador de movimento:");
    r.unico();
    r.valida(validador, ind_mov, mensagem);
  });
}

int32_t encerramento(Codigo_Registro codigo, const char* cabecalho, std::size_t largura, char bloco,
                     const char* rotulo) {
  return Escreve_Registro(codigo, cabecalho, largura, [&](Registro& r) {
    r.numero(Linhas_Com_Encerramento(bloco), 255, rotulo);
    r.unico();
  });
}

constexpr const char* Movimento = "-2   Indicador de movimento : ";

}  // namespace

extern "C" {

// clang-format off
QB_API int32_t QB_CALL Registro0001(const char* IND_MOV) { return abertura("0001", "REGISTRO 0001", 24, vMovimento, "-2   Indicador de movimento Inválido : ", IND_MOV); }
QB_API int32_t QB_CALL RegistroC001(const char* IND_MOV) { return abertura("C001", " REGISTRO C001", 24, vIND_MOV, Movimento, IND_MOV, true); }
QB_API int32_t QB_CALL RegistroD001(const char* IND_MOV) { return abertura("D001", " REGISTRO D001", 41, vIND_MOV, Movimento, IND_MOV); }
QB_API int32_t QB_CALL RegistroE001(const char* IND_MOV) { return abertura("E001", " REGISTRO E001", 23, vIND_MOV, Movimento, IND_MOV); }
QB_API int32_t QB_CALL RegistroH001(const char* IND_MOV) { return abertura("H001", " REGISTRO H001", 23, vIND_MOV, Movimento, IND_MOV); }
QB_API int32_t QB_CALL Registro1001(const char* IND_MOV) { return abertura("1001", " REGISTRO 1001", 23, vIND_MOV, Movimento, IND_MOV); }
QB_API int32_t QB_CALL Registro9001(const char* IND_MOV) { return abertura("9001", " REGISTRO 9001", 23, vIND_MOV, Movimento, IND_MOV); }

QB_API int32_t QB_CALL Registro0990(void) { return encerramento("0990", "REGISTRO 0990", 41, '0', "Quantidade total de linhas do Bloco 0:"); }
QB_API int32_t QB_CALL RegistroC990(void) { return encerramento("C990", "REGISTRO C990", 38, 'C', "Quantidade total de linhas do Bloco C:"); }
QB_API int32_t QB_CALL RegistroD990(void) { return encerramento("D990", "REGISTRO D990", 38, 'D', "Quantidade total de linhas do Bloco D:"); }
QB_API int32_t QB_CALL RegistroE990(void) { return encerramento("E990", " REGISTRO E990", 38, 'E', "Quantidade total de linhas do Bloco E:"); }
QB_API int32_t QB_CALL RegistroH990(void) { return encerramento("H990", " REGISTRO H990", 38, 'H', "Quantidade total de linhas do Bloco H:"); }
QB_API int32_t QB_CALL Registro1990(void) { return encerramento("1990", " REGISTRO 1990", 38, '1', "Quantidade total de linhas do Bloco 1:"); }
// clang-format on

}  // extern "C"
