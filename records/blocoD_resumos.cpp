// Block D: summaries of transport tickets, the fiscal printers that issue
// them, and the daily movement of sales agencies.
#include "records/registro.h"

using namespace quillbook;

extern "C" {

// D300: summary of transport tickets of one model, series and sub-series
QB_API int32_t QB_CALL RegistroD300(const char* COD_MOD, const char* SER, const char* SUB, const char* NUM_DOC_INI,
                                    const char* NUM_DOC_FIN, const char* CST_ICMS, const char* CFOP,
                                    const char* ALIQ_ICMS, const char* DT_DOC, const char* VL_OPR, const char* VL_DESC,
                                    const char* VL_SERV, const char* VL_SEG, const char* VL_OUT_DESP,
                                    const char* VL_BC_ICMS, const char* VL_ICMS, const char* VL_RED_BC,
                                    const char* COD_OBS, const char* COD_CTA) {
  return Escreve_Registro("D300", " REGISTRO D300", 218, [&](Registro& r) {
    const auto& cod_mod = r.texto(COD_MOD, 2, "Código do modelo do documento fiscal, conforme a Tabela 4.1.1");
    r.texto(SER, 4, "Série do documento fiscal");
    r.numero(SUB, 3, "Subsérie do documento fiscal");
    r.numero(NUM_DOC_INI, 6, "Número do primeiro documento fiscal emitido (mesmo modelo, série e subsérie)");
    r.numero(NUM_DOC_FIN, 255, "Número do último documento fiscal emitido (mesmo modelo, série e subsérie)");
    r.numero(CST_ICMS, 3, "Código da Situação Tributária, conforme a Tabela indicada no item 4.3.1");
    r.numero(CFOP, 4, "Código Fiscal de Operação e Prestação conforme tabela indicada no item 4.2.2");
    r.numero(ALIQ_ICMS, 6, "Alíquota do ICMS");
    const auto& dt_doc = r.data(DT_DOC, "Data da emissão dos documentos fiscais");
    r.numero(VL_OPR, 255,
             "Valor total acumulado das operações correspondentes à combinação de CST_ICMS, CFOP e alíquota do ICMS, "
             "incluídas as despesas acessórias e acréscimos.");
    r.numero(VL_DESC, 255, "Valor total dos descontos");
    r.numero(VL_SERV, 255, "Valor total da prestação de serviço");
    r.numero(VL_SEG, 255, "Valor de seguro");
    r.numero(VL_OUT_DESP, 255, "Valor de outras despesas");
    r.numero(VL_BC_ICMS, 255, "Valor total da base de cálculo do ICMS");
    r.numero(VL_ICMS, 255, "Valor total do ICMS");
    r.numero(VL_RED_BC, 255,
             "Valor não tributado em função da redução da base de cálculo do ICMS, referente à combinação de "
             "CST_ICMS, CFOP e alíquota do ICMS.");
    r.texto(COD_OBS, 6, "Código da observação do lançamento fiscal (campo 02 do Registro 0460)");
    r.texto(COD_CTA, 255, "Código da conta analítica contábil debitada/creditada");
    r.valida_data(dt_doc, "-1   Data Inicial Inválida (DDMMAAAA) :: ");
    r.valida(vCod_modelo_documento_fiscal_4_1_1, cod_mod, "-2   Codigo do modelo do documento fiscal 4.1.1 inválido: ");
  });
}

// D301: cancelled ticket of a ticket summary
QB_API int32_t QB_CALL RegistroD301(const char* NUM_DOC_CANC) {
  return Escreve_Registro("D301", " REGISTRO D301", 151,
                          [&](Registro& r) { r.numero(NUM_DOC_CANC, 255, "Número do documento fiscal cancelado"); });
}

// D310: services of a ticket summary per municipality of origin
QB_API int32_t QB_CALL RegistroD310(const char* COD_MUN_ORIG, const char* VL_SERV, const char* VL_BC_ICMS,
                                    const char* VL_ICMS) {
  return Escreve_Registro("D310", " REGISTRO D310", 218, [&](Registro& r) {
    const auto& cod_mun_orig =
        r.numero(COD_MUN_ORIG, 7, "Código do município de origem do serviço, conforme a tabela IBGE");
    r.numero(VL_SERV, 255, "Valor total da prestação de serviço");
    r.numero(VL_BC_ICMS, 255, "Valor total da base de cálculo do ICMS");
    r.numero(VL_ICMS, 255, "Valor total do ICMS");
    r.valida(vCod_Municipio, cod_mun_orig, "-1   Código do município de origem do serviço, conforme a tabela IBGE : ");
  });
}

// D350: fiscal printer that issues transport tickets
QB_API int32_t QB_CALL RegistroD350(const char* COD_MOD, const char* ECF_MOD, const char* ECF_FAB, const char* ECF_CX) {
  return Escreve_Registro("D350", " REGISTRO D350", 218, [&](Registro& r) {
    const auto& cod_mod = r.texto(COD_MOD, 2, "Código do modelo do documento fiscal, conforme a Tabela 4.1.1");
    r.texto(ECF_MOD, 20, "Modelo do equipamento");
    r.texto(ECF_FAB, 20, "Número de série de fabricação do ECF");
    r.numero(ECF_CX, 3, "Número do caixa atribuído ao ECF");
    r.valida(vCod_modelo_documento_fiscal_4_1_1, cod_mod, "-1   Codigo do modelo do documento fiscal 4.1.1 inválido: ");
  });
}

// D355: Z reduction of a fiscal printer
QB_API int32_t QB_CALL RegistroD355(const char* DT_DOC, const char* CRO, const char* CRZ, const char* NUM_COO_FIN,
                                    const char* GT_FIN, const char* VL_BRT) {
  return Escreve_Registro("D355", " REGISTRO D355", 151, [&](Registro& r) {
    const auto& dt_doc = r.data(DT_DOC, "Data do movimento a que se refere a Redução Z");
    r.numero(CRO, 3, "Posição do Contador de Reinício de Operação");
    r.numero(CRZ, 6, "Posição do Contador de Redução Z");
    r.numero(NUM_COO_FIN, 6,
             "Número do Contador de Ordem de Operação do último documento emitido no dia. (Número do COO na Redução "
             "Z)");
    r.numero(GT_FIN, 255, "Valor do Grande Total final");
    r.numero(VL_BRT, 255, "Valor da venda bruta");
    r.valida_data(dt_doc, "-1   Data Final Inválida (AAAAMMDD) : ");
  });
}

// D360: PIS and COFINS of a Z reduction
QB_API int32_t QB_CALL RegistroD360(const char* VL_PIS, const char* VL_COFINS) {
  return Escreve_Registro("D360", " REGISTRO D360", 218, [&](Registro& r) {
    r.numero(VL_PIS, 255, "Valor total do PIS");
    r.numero(VL_COFINS, 255, "Valor total da COFINS");
  });
}

// D365: partial totaliser of a Z reduction
QB_API int32_t QB_CALL RegistroD365(const char* COD_TOT_PAR, const char* VLR_ACUM_TOT, const char* NR_TOT,
                                    const char* DESCR_NR_TOT) {
  return Escreve_Registro("D365", " REGISTRO D365", 151, [&](Registro& r) {
    r.texto(COD_TOT_PAR, 7, "Código do totalizador, conforme Tabela 4.4.6");
    r.numero(VLR_ACUM_TOT, 255, "Valor acumulado no totalizador, relativo à respectiva Redução Z.");
    r.numero(NR_TOT, 2,
             "Número do totalizador quando ocorrer mais de uma situação com a mesma carga tributária efetiva.");
    r.texto(DESCR_NR_TOT, 255,
            "Descrição da situação tributária relativa ao totalizador parcial, quando houver mais de um com a mesma "
            "carga tributária efetiva.");
  });
}

// D370: services of a partial totaliser per municipality of origin
QB_API int32_t QB_CALL RegistroD370(const char* COD_MUN_ORIG, const char* VL_SERV, const char* QTD_BILH,
                                    const char* VL_BC_ICMS, const char* VL_ICMS) {
  return Escreve_Registro("D370", " REGISTRO D370", 218, [&](Registro& r) {
    r.numero(COD_MUN_ORIG, 7, "Código   do  município   de   origem  do   serviço, conforme a tabela IBGE");
    r.numero(VL_SERV, 255, "Valor total da prestação de serviço");
    r.numero(QTD_BILH, 255, "Quantidade de bilhetes emitidos");
    r.numero(VL_BC_ICMS, 255, "Valor total da base de cálculo do ICMS");
    r.numero(VL_ICMS, 255, "Valor total do ICMS");
  });
}

// D390: analytical totals of a Z reduction
QB_API int32_t QB_CALL RegistroD390(const char* CST_ICMS, const char* CFOP, const char* ALIQ_ICMS, const char* VL_OPR,
                                    const char* VL_BC_ISSQN, const char* ALIQ_ISSQN, const char* VL_ISSQN,
                                    const char* VL_BC_ICMS, const char* VL_ICMS, const char* COD_OBS) {
  return Escreve_Registro("D390", " REGISTRO D390", 151, [&](Registro& r) {
    r.numero(CST_ICMS, 3, "Código da Situação Tributária, conforme a Tabela indicada no item 4.3.1.");
    const auto& cfop = r.numero(CFOP, 4, "Código Fiscal de Operação e Prestação");
    r.numero(ALIQ_ICMS, 6, "Alíquota do ICMS");
    r.numero(VL_OPR, 255,
             "Valor da operação correspondente à combinação de CST_ICMS, CFOP, e alíquota do ICMS, incluídas as "
             "despesas acessórias e acréscimos");
    r.numero(VL_BC_ISSQN, 255, "Valor da base de cálculo do ISSQN");
    r.numero(ALIQ_ISSQN, 6, "Alíquota do ISSQN");
    r.numero(VL_ISSQN, 255, "Valor do ISSQN");
    r.numero(VL_BC_ICMS, 255, "Base de cálculo do ICMS acumulada relativa à alíquota informada");
    r.numero(VL_ICMS, 255, "Valor do ICMS acumulado relativo à alíquota informada");
    r.texto(COD_OBS, 6, "Código da observação do lançamento fiscal (campo 02 do Registro 0460)");
    r.valida(vCOD_CFOP, cfop, "-1   Numero de CFOP inválido: ");
  });
}

// D400: daily movement summary of an agency, branch or post
QB_API int32_t QB_CALL RegistroD400(const char* COD_PART, const char* COD_MOD, const char* COD_SIT, const char* SER,
                                    const char* SUB, const char* NUM_DOC, const char* DT_DOC, const char* VL_DOC,
                                    const char* VL_DESC, const char* VL_SERV, const char* VL_BC_ICMS,
                                    const char* VL_ICMS, const char* VL_PIS, const char* VL_COFINS,
                                    const char* COD_CTA) {
  return Escreve_Registro("D400", " REGISTRO D400", 218, [&](Registro& r) {
    r.texto(COD_PART, 60, "Código do participante (campo 02 do Registro 0150): - agência, filial ou posto");
    const auto& cod_mod = r.texto(COD_MOD, 2, "Código do modelo do documento fiscal, conforme a Tabela 4.1.1");
    r.numero(COD_SIT, 2, "Código da situação do documento fiscal, conforme a Tabela 4.1.2");
    r.texto(SER, 4, "Série do documento fiscal");
    r.numero(SUB, 3, "Subsérie do documento fiscal");
    r.numero(NUM_DOC, 6, "Número do documento fiscal resumo.");
    const auto& dt_doc = r.data(DT_DOC, "Data da emissão do documento fiscal");
    r.numero(VL_DOC, 255, "Valor total do documento fiscal");
    r.numero(VL_DESC, 255, "Valor acumulado dos descontos");
    r.numero(VL_SERV, 255, "Valor acumulado da prestação de serviço");
    r.numero(VL_BC_ICMS, 255, "Valor total da base de cálculo do ICMS");
    r.numero(VL_ICMS, 255, "Valor total do ICMS");
    r.numero(VL_PIS, 255, "Valor do PIS");
    r.numero(VL_COFINS, 255, "Valor da COFINS");
    r.texto(COD_CTA, 255, "Código da conta analítica contábil debitada/creditada");
    r.valida_data(dt_doc, "-1   Data Inicial Inválida (DDMMAAAA) :: ");
    r.valida(vCod_modelo_documento_fiscal_4_1_1, cod_mod, "-2   Codigo do modelo do documento fiscal 4.1.1 inválido: ");
  });
}

// D410: documents of an agency's movement summary
QB_API int32_t QB_CALL RegistroD410(const char* COD_MOD, const char* SER, const char* SUB, const char* NUM_DOC_INI,
                                    const char* NUM_DOC_FIN, const char* DT_DOC, const char* CST_ICMS, const char* CFOP,
                                    const char* ALIQ_ICMS, const char* VL_OPR, const char* VL_DESC, const char* VL_SERV,
                                    const char* VL_BC_ICMS, const char* VL_ICMS) {
  return Escreve_Registro("D410", " REGISTRO D410", 151, [&](Registro& r) {
    const auto& cod_mod = r.texto(COD_MOD, 2, "Código do modelo do documento fiscal , conforme a Tabela 4.1.1");
    r.texto(SER, 4, "Série do documento fiscal");
    r.numero(SUB, 3, "Subsérie do documento fiscal");
    r.numero(NUM_DOC_INI, 6, "Número do documento fiscal inicial (mesmo modelo, série e subsérie)");
    r.numero(NUM_DOC_FIN, 255, "Número do documento fiscal final(mesmo modelo, série e subsérie)");
    const auto& dt_doc = r.data(DT_DOC, "Data da emissão dos documentos fiscais");
    r.numero(CST_ICMS, 3, "Código da Situação Tributária, conforme a Tabela indicada no item 4.3.1");
    const auto& cfop = r.numero(CFOP, 4, "Código Fiscal de Operação e Prestação");
    r.numero(ALIQ_ICMS, 6, "Alíquota do ICMS");
    r.numero(VL_OPR, 255,
             "Valor total acumulado das operações correspondentes à combinação de CST_ICMS, CFOP e alíquota do ICMS, "
             "incluídas as despesas acessórias e acréscimos.");
    r.numero(VL_DESC, 255, "Valor acumulado dos descontos");
    r.numero(VL_SERV, 255, "Valor acumulado da prestação de serviço");
    r.numero(VL_BC_ICMS, 255, "Valor acumulado da base de cálculo do ICMS");
    r.numero(VL_ICMS, 255, "Valor acumulado do ICMS");
    r.valida(vCOD_CFOP, cfop, "-1   Numero de CFOP inválido: ");
    r.valida(vCod_modelo_documento_fiscal_4_1_1, cod_mod,
             "-2   Código do modelo do documento fiscal , conforme a Tabela 4.1.1 ");
    r.valida_data(dt_doc, "-3   Data Final Inválida (AAAAMMDD) : ");
  });
}

// D411: cancelled document of an agency's movement summary
QB_API int32_t QB_CALL RegistroD411(const char* NUM_DOC_CANC) {
  return Escreve_Registro("D411", " REGISTRO D411", 151,
                          [&](Registro& r) { r.numero(NUM_DOC_CANC, 255, "Número do documento fiscal cancelado"); });
}

// D420: services of an agency's movement per municipality of origin
QB_API int32_t QB_CALL RegistroD420(const char* COD_MUN_ORIG, const char* VL_SERV, const char* VL_BC_ICMS,
                                    const char* VL_ICMS) {
  return Escreve_Registro("D420", " REGISTRO D420", 66, [&](Registro& r) {
    const auto& cod_mun_orig =
        r.numero(COD_MUN_ORIG, 7, "Código do município de origem do serviço, conforme a tabela IBGE");
    r.numero(VL_SERV, 255, "Valor total da prestação de serviço");
    r.numero(VL_BC_ICMS, 255, "Valor total da base de cálculo do ICMS");
    r.numero(VL_ICMS, 255, "Valor total do ICMS");
    r.valida(vCod_Municipio, cod_mun_orig, "-1   Código do município de origem do serviço, conforme a tabela IBGE : ");
  });
}

}  // extern "C"
