// Block E: the assessments of the period.
#include "records/registro.h"

using namespace quillbook;

extern "C" {

// E100: the period of the ICMS assessment.
QB_API int32_t QB_CALL RegistroE100(const char* DT_INI, const char* DT_FIN) {
  return Escreve_Registro("E100", " REGISTRO E100", 41, [&](Registro& r) {
    const auto& dt_ini = r.data(DT_INI, "Data inicial a que a apuração se refere:");
    const auto& dt_fin = r.data(DT_FIN, "Data final a que a apuração se refere:");
    r.valida_data(dt_ini, "-1   Data inicial Inválida (AAAAMMDD) : ");
    r.valida_data(dt_fin, "-2   Data Final Inválida (AAAAMMDD) : ");
  });
}

// E110: the ICMS assessment. Its balances are written as passed: nothing
// here computes or compares an amount.
QB_API int32_t QB_CALL RegistroE110(const char* VL_TOT_DEBITOS, const char* VL_AJ_DEBITOS,
                                    const char* VL_TOT_AJ_DEBITOS, const char* VL_ESTORNOS_CRED,
                                    const char* VL_TOT_CREDITOS, const char* VL_AJ_CREDITOS,
                                    const char* VL_TOT_AJ_CREDITOS, const char* VL_ESTORNOS_DEB,
                                    const char* VL_SLD_CREDOR_ANT, const char* VL_SLD_APURADO, const char* VL_TOT_DED,
                                    const char* VL_ICMS_RECOLHER, const char* VL_SLD_CREDOR_TRANSPORTAR,
                                    const char* DEB_ESP) {
  return Escreve_Registro("E110", " REGISTRO E110", 80, [&](Registro& r) {
    r.numero(VL_TOT_DEBITOS, 255, "Valor total dos débitos por \"Saídas e prestações com débito do imposto\"");
    r.numero(VL_AJ_DEBITOS, 255, "Valor total dos ajustes a débito decorrentes do documento fiscal.");
    r.numero(VL_TOT_AJ_DEBITOS, 255, "Valor total de \"Ajustes a débito\"");
    r.numero(VL_ESTORNOS_CRED, 255, "Valor total de Ajustes “Estornos de créditos”");
    r.numero(VL_TOT_CREDITOS, 255, "Valor total dos créditos por \"Entradas e aquisições com crédito do imposto\"");
    r.numero(VL_AJ_CREDITOS, 255, "Valor total dos ajustes a crédito decorrentes do documento fiscal.");
    r.numero(VL_TOT_AJ_CREDITOS, 255, "Valor total de \"Ajustes a crédito\"");
    r.numero(VL_ESTORNOS_DEB, 255, "Valor total de Ajustes “Estornos de Débitos”");
    r.numero(VL_SLD_CREDOR_ANT, 255, "Valor total de \"Saldo credor do período anterior\"");
    r.numero(VL_SLD_APURADO, 255, "Valor do saldo devedor apurado");
    r.numero(VL_TOT_DED, 255, "Valor total de \"Deduções\"");
    r.numero(VL_ICMS_RECOLHER, 255, "Valor total de \"ICMS a recolher (11-12)");
    r.numero(VL_SLD_CREDOR_TRANSPORTAR, 255, "Valor total de \"Saldo credor a transportar para o período seguinte”");
    r.numero(DEB_ESP, 255, "Valores recolhidos ou a recolher, extra-apuração.");
  });
}

}  // extern "C"
