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

// E111: adjustment of the ICMS assessment.
QB_API int32_t QB_CALL RegistroE111(const char* COD_AJ_APUR, const char* DESCR_COMPL_AJ, const char* VL_AJ_APUR) {
  return Escreve_Registro("E111", " REGISTRO E111", 114, [&](Registro& r) {
    r.texto(COD_AJ_APUR, 8, "Código do ajuste da apuração e dedução, conforme a Tabela indicada no item 5.1.1.");
    r.texto(DESCR_COMPL_AJ, 255, "Descrição complementar do ajuste da apuração.");
    r.numero(VL_AJ_APUR, 255, "Valor do ajuste da apuração");
  });
}

// E112: collection document or process of an assessment adjustment.
QB_API int32_t QB_CALL RegistroE112(const char* NUM_DA, const char* NUM_PROC, const char* IND_PROC, const char* PROC,
                                    const char* TXT_COMPL) {
  return Escreve_Registro("E112", " REGISTRO E112", 114, [&](Registro& r) {
    r.texto(NUM_DA, 255, "Número do documento de arrecadação estadual, se houver");
    r.texto(NUM_PROC, 15, "Número do processo ao qual o ajuste está vinculado, se houver");
    const auto& ind_proc = r.texto(IND_PROC, 1, "Indicador da origem do processo:");
    r.texto(PROC, 255, "Descrição resumida do processo que embasou o lançamento");
    r.texto(TXT_COMPL, 255, "Descrição complementar");
    r.valida(vInd_origem_processo, ind_proc, "-1   Indicador da origem do processo : ");
  });
}

// E113: fiscal document of an assessment adjustment.
QB_API int32_t QB_CALL RegistroE113(const char* COD_PART, const char* COD_MOD, const char* SER, const char* SUB,
                                    const char* NUM_DOC, const char* DT_DOC, const char* COD_ITEM,
                                    const char* VL_AJ_ITEM) {
  return Escreve_Registro("E113", " REGISTRO E113", 114, [&](Registro& r) {
    r.texto(COD_PART, 60, "Código do participante (campo 02 do Registro 0150):");
    const auto& cod_mod = r.texto(COD_MOD, 2, "Código do modelo do documento fiscal, conforme a Tabela 4.1.1");
    r.texto(SER, 4, "Série do documento fiscal");
    r.numero(SUB, 3, "Subserie do documento fiscal");
    r.numero(NUM_DOC, 9, "Número do documento fiscal");
    const auto& dt_doc = r.data(DT_DOC, "Data da emissão do documento fiscal");
    r.texto(COD_ITEM, 60, "Código do item (campo 02 do Registro 0200)");
    r.numero(VL_AJ_ITEM, 255, "Valor do ajuste para a operação/item");
    r.valida(vCod_modelo_documento_fiscal_4_1_1, cod_mod,
             "-1   Código do modelo do documento fiscal, conforme a Tabela 4.1.1 : ");
    r.valida_data(dt_doc, "-2   Data Final Inválida (AAAAMMDD) : ");
  });
}

// E115: additional value of the ICMS assessment.
QB_API int32_t QB_CALL RegistroE115(const char* COD_INF_ADIC, const char* VL_INF_ADIC, const char* DESCR_COMPL_AJ) {
  return Escreve_Registro("E115", " REGISTRO E115", 114, [&](Registro& r) {
    r.numero(COD_INF_ADIC, 8,
             "Código da informação adicional conforme tabela a ser definida pelas SEFAZ, conforme tabela definida no "
             "item 5.2.");
    r.numero(VL_INF_ADIC, 255, "Valor referente à informação adicional");
    r.texto(DESCR_COMPL_AJ, 255, "Descrição complementar do ajuste");
  });
}

// E116: ICMS obligation to be paid.
QB_API int32_t QB_CALL RegistroE116(const char* COD_OR, const char* VL_OR, const char* DT_VCTO, const char* COD_REC,
                                    const char* NUM_PROC, const char* IND_PROC, const char* PROC,
                                    const char* TXT_COMPL) {
  return Escreve_Registro("E116", " REGISTRO E116", 105, [&](Registro& r) {
    r.texto(COD_OR, 3, "Código da obrigação a recolher, conforme a Tabela 5.4");
    r.numero(VL_OR, 255, "Valor da obrigação a recolher");
    const auto& dt_vcto = r.data(DT_VCTO, "Data de vencimento da obrigação");
    r.texto(COD_REC, 255,
            "Código de receita referente à obrigação, próprio da unidade da federação, conforme legislação estadual,");
    r.texto(NUM_PROC, 15, "Número do processo ou auto de infração ao qual a obrigação está vinculada, se houver.");
    r.texto(IND_PROC, 1, "Indicador da origem do processo:");
    r.texto(PROC, 255, "Descrição resumida do processo que embasou o lançamento");
    r.texto(TXT_COMPL, 255, "Descrição complementar das obrigações a recolher.");
    r.valida_data(dt_vcto, "-1   Data Final Inválida (AAAAMMDD) : ");
  });
}

// E200: state and period of the ICMS assessment by tax substitution.
QB_API int32_t QB_CALL RegistroE200(const char* UF, const char* DT_INI, const char* DT_FIN) {
  return Escreve_Registro("E200", " REGISTRO E200", 218, [&](Registro& r) {
    r.texto(UF, 2, "Sigla da unidade da federação a que se refere a apuração do ICMS ST");
    const auto& dt_ini = r.data(DT_INI, "Data inicial a que a apuração se refere");
    const auto& dt_fin = r.data(DT_FIN, "Data final a que a apuração se refere");
    r.valida_data(dt_ini, "-1   Data Inicial Inválida (DDMMAAAA) :: ");
    r.valida_data(dt_fin, "-2   Data Final Inválida (DDMMAAAA) :: ");
  });
}

// E210: the ICMS assessment by tax substitution.
QB_API int32_t QB_CALL RegistroE210(const char* IND_MOV_ST, const char* VL_SLD_CRED_ANT_ST, const char* VL_DEVOL_ST,
                                    const char* VL_RESSARC_ST, const char* VL_OUT_CRED_ST,
                                    const char* VL_AJ_CREDITOS_ST, const char* VL_RETENCAO_ST,
                                    const char* VL_OUT_DEB_ST, const char* VL_AJ_DEBITOS_ST,
                                    const char* VL_SLD_DEV_ANT_ST, const char* VL_DEDUCOES_ST,
                                    const char* VL_ICMS_RECOL_ST, const char* VL_SLD_CRED_ST_TRANSPORTAR,
                                    const char* DEB_ESP_ST) {
  return Escreve_Registro("E210", " REGISTRO E210", 218, [&](Registro& r) {
    const auto& ind_mov_st =
        r.texto(IND_MOV_ST, 1, "Indicador de movimento: 0 - Sem operações com ST; 1 - Com operações de ST");
    r.numero(VL_SLD_CRED_ANT_ST, 255, "Valor do \"Saldo credor de período anterior - Substituição Tributária\"");
    r.numero(VL_DEVOL_ST, 255, "Valor total do ICMS ST de devolução de mercadorias");
    r.numero(VL_RESSARC_ST, 255, "Valor total do ICMS ST de ressarcimentos");
    r.numero(VL_OUT_CRED_ST, 255, "Valor total de Ajustes \"Outros créditos ST\" e \"Estorno de débitos ST\"");
    r.numero(VL_AJ_CREDITOS_ST, 255,
             "Valor total dos ajustes a crédito de ICMS ST, provenientes de ajustes do documento fiscal.");
    r.numero(VL_RETENCAO_ST, 255, "Valor Total do ICMS retido por Substituição Tributária");
    r.numero(VL_OUT_DEB_ST, 255, "Valor Total dos ajustes \"Outros débitos ST\" e \"Estorno de créditos ST\"");
    r.numero(VL_AJ_DEBITOS_ST, 255,
             "Valor total dos ajustes a débito de ICMS ST, provenientes de ajustes do documento fiscal.");
    r.numero(VL_SLD_DEV_ANT_ST, 255,
             "Valor total de \"Saldo devedor antes das deduções\" = (08+09+10)-(03+04+05+06+07)]");
    r.numero(VL_DEDUCOES_ST, 255, "Valor total dos ajustes \"Deduções ST\"");
    r.numero(VL_ICMS_RECOL_ST, 255, "Imposto a recolher ST (11-12)");
    r.numero(VL_SLD_CRED_ST_TRANSPORTAR, 255,
             "Saldo credor de ST a transportar para o período seguinte [(03+04+05+06+07)– (08+09+10)].");
    r.numero(DEB_ESP_ST, 255, "Valores   recolhidos   ou   a   recolher,   extra-apuração.");
    r.valida(vIND_MOV_ST, ind_mov_st, "-1   Indicador de movimento invalido ");
  });
}

// E220: adjustment of the assessment by tax substitution.
QB_API int32_t QB_CALL RegistroE220(const char* COD_AJ_APUR, const char* DESCR_COMPL_AJ, const char* VL_AJ_APUR) {
  return Escreve_Registro("E220", " REGISTRO E220", 82, [&](Registro& r) {
    r.texto(COD_AJ_APUR, 8, "Código do ajuste da apuração e dedução, conforme a Tabela indicada no item 5.1.1");
    r.texto(DESCR_COMPL_AJ, 255, "Descrição complementar do ajuste da apuração");
    r.numero(VL_AJ_APUR, 255, "Valor do ajuste da apuração");
  });
}

// E230: collection document or process of a substitution adjustment.
QB_API int32_t QB_CALL RegistroE230(const char* NUM_DA, const char* NUM_PROC, const char* IND_PROC, const char* PROC,
                                    const char* TXT_COMPL) {
  return Escreve_Registro("E230", " REGISTRO E230", 82, [&](Registro& r) {
    r.texto(NUM_DA, 255, "Número do documento de arrecadação estadual, se houver");
    r.texto(NUM_PROC, 14, "Número do processo ao qual o ajuste está vinculado, se houver");
    const auto& ind_proc = r.numero(IND_PROC, 1, "Indicador da origem do processo:");
    r.texto(PROC, 255, "Descrição resumida do processo que embasou o lançamento");
    r.texto(TXT_COMPL, 255, "Descrição complementar");
    r.valida(vInd_origem_processo, ind_proc, "-1   Indicador da origem do processo : ");
  });
}

// E240: fiscal document of a substitution adjustment.
QB_API int32_t QB_CALL RegistroE240(const char* COD_PART, const char* COD_MOD, const char* SER, const char* SUB,
                                    const char* NUM_DOC, const char* DT_DOC, const char* COD_ITEM,
                                    const char* VL_AJ_ITEM) {
  return Escreve_Registro("E240", " REGISTRO E240", 82, [&](Registro& r) {
    r.texto(COD_PART, 60, "Código do participante (campo 02 do Registro 0150):");
    const auto& cod_mod = r.texto(COD_MOD, 2, "Código do modelo do documento fiscal, conforme a Tabela 4.1.1");
    r.texto(SER, 4, "Série do documento fiscal");
    r.numero(SUB, 3, "Subserie do documento fiscal");
    r.numero(NUM_DOC, 9, "Número do documento fiscal");
    const auto& dt_doc = r.data(DT_DOC, "Data da emissão do documento fiscal");
    r.texto(COD_ITEM, 60, "Código do item (campo 02 do Registro 0200)");
    r.numero(VL_AJ_ITEM, 255, "Valor do ajuste para a operação/item");
    r.valida_data(dt_doc, "-1   Data Final Inválida (AAAAMMDD) : ");
    r.valida(vCod_modelo_documento_fiscal_4_1_1, cod_mod, "-2   Codigo do modelo do documento fiscal 4.1.1 inválido: ");
  });
}

// E250: ICMS obligation to be paid by tax substitution.
QB_API int32_t QB_CALL RegistroE250(const char* COD_OR, const char* VL_OR, const char* DT_VCTO, const char* COD_REC,
                                    const char* NUM_PROC, const char* IND_PROC, const char* PROC,
                                    const char* TXT_COMPL) {
  return Escreve_Registro("E250", " REGISTRO E250", 218, [&](Registro& r) {
    r.texto(COD_OR, 3, "Código da obrigação a recolher, conforme a Tabela 5.4");
    r.numero(VL_OR, 255, "Valor da obrigação ICMS ST a recolher");
    const auto& dt_vcto = r.data(DT_VCTO, "Data de vencimento da obrigação");
    r.largura(212);
    r.texto(COD_REC, 255, "Código de receita referente   à   obrigação,   próprio da unidade da federação");
    r.largura(218);
    r.texto(NUM_PROC, 15, "Número do processo ou auto de infração ao qual a obrigação está vinculada, se houver");
    const auto& ind_proc = r.texto(
        IND_PROC, 1, "Indicador da origem do processo: 0- Sefaz; 1- Justiça Federal; 2- Justiça Estadual; 9- Outros");
    r.texto(PROC, 255, "Descrição resumida do processo que embasou o lançamento");
    r.texto(TXT_COMPL, 255, "Descrição complementar das obrigações a recolher");
    r.valida_data(dt_vcto, "-1   Data Inicial Inválida (DDMMAAAA) :: ");
    r.valida(vInd_origem_processo, ind_proc, "-2   Indicador da origem do processo inválido: ");
  });
}

// E500: period of the IPI assessment and its kind.
QB_API int32_t QB_CALL RegistroE500(const char* IND_APUR, const char* DT_INI, const char* DT_FIN) {
  return Escreve_Registro("E500", " REGISTRO E500", 43, [&](Registro& r) {
    const auto& ind_apur = r.texto(IND_APUR, 1, "Indicador de período de apuração do IPI:");
    const auto& dt_ini = r.data(DT_INI, "Data inicial a que a apuração se refere");
    const auto& dt_fin = r.data(DT_FIN, "Data final a que a apuração se refere");
    r.valida_data(dt_ini, "-1   Data Final Inválida (AAAAMMDD) : ");
    r.valida_data(dt_fin, "-2   Data Final Inválida (AAAAMMDD) : ");
    r.valida(vIND_APUR, ind_apur, "-3   Indicador de período de apuração do IPI: ");
  });
}

// E510: IPI values per CFOP and IPI tax code.
QB_API int32_t QB_CALL RegistroE510(const char* CFOP, const char* CST_IPI, const char* VL_CONT_IPI,
                                    const char* VL_BC_IPI, const char* VL_IPI) {
  return Escreve_Registro("E510", " REGISTRO E510", 62, [&](Registro& r) {
    const auto& cfop = r.texto(CFOP, 4, "Código Fiscal de Operação e Prestação do agrupamento de itens:");
    r.numero(CST_IPI, 2, "Código de Tributação do IPI creditado/debitado:");
    r.numero(VL_CONT_IPI, 255, "Parcela correspondente ao \"Valor Contábil\":");
    r.numero(VL_BC_IPI, 255, "Parcela correspondente ao \"Valor da base de cálculo do IPI\":");
    r.numero(VL_IPI, 255, "Parcela correspondente ao \"Valor do IPI\":");
    r.valida(vCOD_CFOP, cfop, "-1   Numero de CFOP inválido : ");
  });
}

// E520: the IPI assessment.
QB_API int32_t QB_CALL RegistroE520(const char* VL_SD_ANT_IPI, const char* VL_DEB_IPI, const char* VL_CRED_IPI,
                                    const char* VL_OD_IPI, const char* VL_OC_IPI, const char* VL_SC_IPI,
                                    const char* VL_SD_IPI) {
  return Escreve_Registro("E520", " REGISTRO E520", 76, [&](Registro& r) {
    r.numero(VL_SD_ANT_IPI, 255, "Saldo credor do IPI transferido do per íodo anterior:");
    r.numero(VL_DEB_IPI, 255, "Valor total dos débitos por \"Saídas com débito do imposto\":");
    r.numero(VL_CRED_IPI, 255, "Valor total dos créditos por \"Entradas e aquisições com crédito do imposto\":");
    r.numero(VL_OD_IPI, 255, "Valor de \"Outros débitos\" do IPI (inclusive estornos de crédito):");
    r.numero(VL_OC_IPI, 255, "Valor de \"Outros cr éditos\" do IPI (inclusive estornos de crédito):");
    r.numero(VL_SC_IPI, 255, "Valor do saldo credor do IPI a transportar para o per íodo seguinte:");
    r.numero(VL_SD_IPI, 255, "Valor do saldo devedor do IPI a recolher:");
  });
}

// E530: adjustment of the IPI assessment.
QB_API int32_t QB_CALL RegistroE530(const char* IND_AJ, const char* VL_AJ, const char* COD_AJ, const char* IND_DOC,
                                    const char* NUM_DOC, const char* DESCR_AJ) {
  return Escreve_Registro("E530", " REGISTRO E530", 218, [&](Registro& r) {
    const auto& ind_aj = r.texto(IND_AJ, 1, "Indicador do tipo de ajuste: 0- Ajuste a débito; 1- Ajuste a crédito");
    r.numero(VL_AJ, 255, "Valor do ajuste");
    r.texto(COD_AJ, 3, "Código do ajuste da apuração, conforme a Tabela indicada no item 4.5.4.");
    const auto& ind_doc = r.texto(IND_DOC, 1,
                                  "Indicador da origem do documento vinculado ao ajuste: 0 - Processo Judicial; 1 - "
                                  "Processo Administrativo; 2 - PER/DCOMP; 9 - Outros.");
    r.texto(NUM_DOC, 255, "Número do documento / processo / declaração ao qual o ajuste está vinculado, se houver");
    r.texto(DESCR_AJ, 255, "Descrição resumida do ajuste.");
    r.valida(vIND_AJ, ind_aj, "-1   Indicador do tipo de ajuste: ");
    r.valida(vIND_DOC, ind_doc, "-2   Indicador da origem do documento vinculado ao ajuste: ");
  });
}

}  // extern "C"
