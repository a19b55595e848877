// Block D: communication and telecommunication service bills, their
// consolidations, and those kept in a master file.
#include "records/registro.h"

using namespace quillbook;

extern "C" {

// D500: a communication or telecommunication service bill.
QB_API int32_t QB_CALL RegistroD500(const char* IND_OPER, const char* IND_EMIT, const char* COD_PART,
                                    const char* COD_MOD, const char* COD_SIT, const char* SER, const char* SUB,
                                    const char* NUM_DOC, const char* DT_DOC, const char* DT_A_P, const char* VL_DOC,
                                    const char* VL_DESC, const char* VL_SERV, const char* VL_SERV_NT,
                                    const char* VL_TERC, const char* VL_DA, const char* VL_BC_ICMS, const char* VL_ICMS,
                                    const char* COD_INF, const char* VL_PIS, const char* VL_COFINS,
                                    const char* COD_CTA) {
  return Escreve_Registro("D500", " REGISTRO D500", 66, [&](Registro& r) {
    const auto& ind_oper = r.texto(IND_OPER, 1, "Indicador do tipo de operação:");
    const auto& ind_emit = r.texto(IND_EMIT, 1, "Indicador do emitente do documento fiscal:");
    r.texto(COD_PART, 60, "Código do participante (campo 02 do Registro 0150):");
    const auto& cod_mod = r.texto(COD_MOD, 2, "Código do modelo do documento fiscal, conforme a Tabela 4.1.1");
    r.numero(COD_SIT, 2, "Çódigo da situação do documento fiscal, conforme a Tabela 4.1.2");
    r.texto(SER, 4, "Série do documento fiscal");
    r.numero(SUB, 3, "Subsérie do documento fiscal");
    r.numero(NUM_DOC, 9, "Número do documento fiscal");
    const auto& dt_doc = r.data(DT_DOC, "Data da emissão do documento fiscal");
    const auto& dt_a_p = r.data(DT_A_P, "Data da entrada (aquisição) ou da saída (prestação do serviço)");
    r.numero(VL_DOC, 255, "Valor total do documento fiscal");
    r.numero(VL_DESC, 255, "Valor total do desconto");
    r.numero(VL_SERV, 255, "Valor da prestação de serviços");
    r.numero(VL_SERV_NT, 255, "Valor total dos serviços não-tributados pelo ICMS");
    r.numero(VL_TERC, 255, "Valores cobrados em nome de terceiros");
    r.numero(VL_DA, 255, "Valor de outras despesas indicadas no documento fiscal");
    r.numero(VL_BC_ICMS, 255, "Valor da base de cálculo do ICMS");
    r.numero(VL_ICMS, 255, "Valor do ICMS");
    r.texto(COD_INF, 6, "Código da informação complementar (campo 02 do Registro 0450)");
    r.numero(VL_PIS, 255, "Valor do PIS");
    r.numero(VL_COFINS, 255, "Valor da COFINS");
    r.texto(COD_CTA, 255, "Código da conta analítica contábil debitada/creditada");
    r.valida(vInd_tipo_operacao, ind_oper, "-1   Indicador do tipo de operação : ");
    r.valida(vInd_emitente_documento_fiscal, ind_emit, "-2   Indicador do emitente do documento fiscal : ");
    r.valida_data(dt_doc, "-3   Data Final Inválida (AAAAMMDD) : ");
    r.valida_data(dt_a_p, "-4   Data Final Inválida (AAAAMMDD) : ");
    r.valida(vCod_modelo_documento_fiscal_4_1_1, cod_mod, "-5   Codigo do modelo do documento fiscal 4.1.1 inválido: ");
  });
}

// D510: an item of a communication service bill.
QB_API int32_t QB_CALL RegistroD510(const char* NUM_ITEM, const char* COD_ITEM, const char* COD_CLASS, const char* QTD,
                                    const char* UNID, const char* VL_ITEM, const char* VL_DESC, const char* CST_ICMS,
                                    const char* CFOP, const char* VL_BC_ICMS, const char* ALIQ_ICMS,
                                    const char* VL_ICMS, const char* VL_BC_ICMS_ST, const char* VL_ICMS_ST,
                                    const char* IND_REC, const char* COD_PART, const char* VL_PIS,
                                    const char* VL_COFINS, const char* COD_CTA) {
  return Escreve_Registro("D510", " REGISTRO D510", 106, [&](Registro& r) {
    r.numero(NUM_ITEM, 3, "Número seqüencial do item no documento fiscal");
    r.texto(COD_ITEM, 60, "Código do item (campo 02 do Registro 0200)");
    r.numero(
        COD_CLASS, 4,
        "Código de classificação do item do serviço de comunicação ou de telecomunicação, conforme a Tabela 4.4.1");
    r.numero(QTD, 255, "Quantidade do item");
    r.texto(UNID, 6, "Unidade do item  (Campo 02 do registro 0190)");
    r.numero(VL_ITEM, 255, "Valor do item");
    r.numero(VL_DESC, 255, "Valor total do desconto");
    r.numero(CST_ICMS, 3, "Código da Situação Tributária, conforme a Tabela indicada no item 4.3.1");
    const auto& cfop = r.numero(CFOP, 4, "Código Fiscal de Operação e Prestação");
    r.numero(VL_BC_ICMS, 255, "Valor da base de cálculo do ICMS");
    r.numero(ALIQ_ICMS, 6, "Alíquota do ICMS");
    r.numero(VL_ICMS, 255, "Valor do ICMS creditado/debitado");
    r.numero(VL_BC_ICMS_ST, 255, "Valor da base de cálculo do ICMS substituição tributária");
    r.numero(VL_ICMS_ST, 255, "Valor do ICMS retido por substituição tributária");
    const auto& ind_rec = r.texto(IND_REC, 1, "Indicador do tipo de receita:");
    r.texto(COD_PART, 60,
            "Código do participante (campo 02 do Registro 0150) receptor da receita, terceiro da operação, se houver.");
    r.numero(VL_PIS, 255, "Valor do PIS");
    r.numero(VL_COFINS, 255, "Valor da COFINS");
    r.texto(COD_CTA, 255, "Código da conta analítica contábil debitada/creditada");
    r.valida(vCOD_CFOP, cfop, "-1   Numero de CFOP inválido: ");
    r.valida(vIND_REC, ind_rec, "-2   Indicador do tipo de receita: ");
  });
}

// D530: a billed terminal of a communication service bill.
QB_API int32_t QB_CALL RegistroD530(const char* IND_SERV, const char* DT_INI_SERV, const char* DT_FIN_SERV,
                                    const char* PER_FISCAL, const char* COD_AREA, const char* TERMINAL) {
  return Escreve_Registro("D530", " REGISTRO D530", 106, [&](Registro& r) {
    const auto& ind_serv = r.texto(IND_SERV, 1, "Indicador do tipo de serviço prestado:");
    const auto& dt_ini_serv = r.data(DT_INI_SERV, "Data em que se iniciou a prestação do serviço");
    const auto& dt_fin_serv = r.data(DT_FIN_SERV, "Data em que se encerrou a prestação do serviço");
    r.numero(PER_FISCAL, 6, "Período fiscal da prestação do serviço (MMAAAA)");
    r.texto(COD_AREA, 255, "Código de área do terminal faturado, próprio da prestadora");
    r.numero(TERMINAL, 255, "Identificação do terminal faturado");
    r.valida(vInd_tipo_servico_prestado, ind_serv, "-1   Indicador do tipo de serviço prestado : ");
    r.valida_data(dt_ini_serv, "-3   Data Inicial Inválida (DDMMAAAA) : ");
    r.valida_data(dt_fin_serv, "-4   Data Final Inválida (DDMMAAAA) : ");
  });
}

// D590: analytical totals of a communication service bill.
QB_API int32_t QB_CALL RegistroD590(const char* CST_ICMS, const char* CFOP, const char* ALIQ_ICMS, const char* VL_OPR,
                                    const char* VL_BC_ICMS, const char* VL_ICMS, const char* VL_BC_ICMS_ST,
                                    const char* VL_ICMS_ST, const char* VL_RED_BC, const char* COD_OBS) {
  return Escreve_Registro("D590", " REGISTRO D590", 150, [&](Registro& r) {
    r.numero(CST_ICMS, 3, "Código da Situação Tributária, conforme a tabela indicada no item 4.3.1");
    const auto& cfop =
        r.numero(CFOP, 4, "Código Fiscal de Operação e Prestação, conforme a tabela indicada no item 4.2.2");
    r.numero(ALIQ_ICMS, 6, "Alíquota do ICMS");
    r.numero(VL_OPR, 255,
             "Valor da operação correspondente à combinação de CST_ICMS, CFOP, e alíquota do ICMS, incluídas as "
             "despesas acessórias e acréscimos");
    r.numero(VL_BC_ICMS, 255,
             "Parcela correspondente ao \"Valor da base de cálculo do ICMS\" referente à combinação CST_ICMS, CFOP, e "
             "alíquota do ICMS");
    r.numero(VL_ICMS, 255,
             "Parcela correspondente ao \"Valor do ICMS\" referente à combinação CST_ICMS,  CFOP, e alíquota do ICMS");
    r.numero(VL_BC_ICMS_ST, 255,
             "Parcela correspondente ao \"Valor da base de cálculo do ICMS\" da substituição tributária referente à "
             "combinação de CST_ICMS, CFOP e alíquota do ICMS.");
    r.numero(VL_ICMS_ST, 255,
             "Parcela correspondente ao valor creditado/debitado do ICMS da substituição tributária, referente à "
             "combinação de CST_ICMS, CFOP, e alíquota do ICMS.");
    r.numero(VL_RED_BC, 255,
             "Valor não tributado em função da redução da base de cálculo do ICMS, referente à combinação de CST_ICMS, "
             "CFOP e alíquota do ICMS.");
    r.largura(149);
    r.texto(COD_OBS, 255, "Código da observação  (campo 02 do Registro 0460)");
    r.valida(vCOD_CFOP, cfop, "-1   Numero de CFOP inválido: ");
  });
}

// D600: consolidation of communication service bills.
QB_API int32_t QB_CALL RegistroD600(const char* COD_MOD, const char* COD_MUN, const char* SER, const char* SUB,
                                    const char* COD_CONS, const char* QTD_CONS, const char* DT_DOC, const char* VL_DOC,
                                    const char* VL_DESC, const char* VL_SERV, const char* VL_SERV_NT,
                                    const char* VL_TERC, const char* VL_DA, const char* VL_BC_ICMS, const char* VL_ICMS,
                                    const char* VL_PIS, const char* VL_COFINS) {
  return Escreve_Registro("D600", " REGISTRO D600", 150, [&](Registro& r) {
    const auto& cod_mod = r.texto(COD_MOD, 2, "Código do modelo do documento fiscal, conforme a Tabela 4.1.1");
    const auto& cod_mun = r.numero(COD_MUN, 7, "Código do município dos terminais faturados, conforme a tabela IBGE");
    r.texto(SER, 4, "Série do documento fiscal");
    r.numero(SUB, 3, "Subsérie do documento fiscal");
    r.numero(COD_CONS, 2,
             "Código de classe de consumo dos serviços de comunicação ou de telecomunicação, conforme a Tabela 4.4.4");
    r.numero(QTD_CONS, 255, "Quantidade de documentos consolidados neste registro");
    const auto& dt_doc = r.data(DT_DOC, "Data dos documentos consolidados");
    r.numero(VL_DOC, 255, "Valor total acumulado dos documentos fiscais");
    r.numero(VL_DESC, 255, "Valor acumulado dos descontos");
    r.numero(VL_SERV, 255, "Valor acumulado das prestações de serviços tributados pelo ICMS");
    r.numero(VL_SERV_NT, 255, "Valor acumulado dos serviços não-tributados pelo ICMS");
    r.numero(VL_TERC, 255, "Valores cobrados em nome de terceiros");
    r.numero(VL_DA, 255, "Valor acumulado das despesas acessórias");
    r.numero(VL_BC_ICMS, 255, "Valor acumulado da base de cálculo do ICMS");
    r.numero(VL_ICMS, 255, "Valor acumulado do ICMS");
    r.numero(VL_PIS, 255, "Valor do PIS");
    r.numero(VL_COFINS, 255, "Valor da COFINS");
    r.valida(vCod_modelo_documento_fiscal_4_1_1, cod_mod,
             "-1   Código do modelo do documento fiscal, conforme a Tabela 4.1.1 : ");
    r.valida(vCod_Municipio, cod_mun, "-2   Código do município dos terminais faturados, conforme a tabela IBGE : ");
    r.valida_data(dt_doc, "-3   Data Final Inválida (AAAAMMDD) : ");
  });
}

// D610: an item of a consolidation of communication service bills. Its class
// code is held against the two-character item class table, so a four-digit
// code fails.
QB_API int32_t QB_CALL RegistroD610(const char* COD_CLASS, const char* COD_ITEM, const char* QTD, const char* UNID,
                                    const char* VL_ITEM, const char* VL_DESC, const char* CST_ICMS, const char* CFOP,
                                    const char* ALIQ_ICMS, const char* VL_BC_ICMS, const char* VL_ICMS,
                                    const char* VL_BC_ICMS_ST, const char* VL_ICMS_ST, const char* VL_RED_BC,
                                    const char* VL_PIS, const char* VL_COFINS, const char* COD_CTA) {
  return Escreve_Registro("D610", " REGISTRO D610", 151, [&](Registro& r) {
    const auto& cod_class = r.numero(
        COD_CLASS, 4,
        "Código de classificação do item do serviço de comunicação ou de telecomunicação, conforme a Tabela 4.4.1");
    r.texto(COD_ITEM, 60, "Código do item (campo 02 do Registro 0200)");
    r.numero(QTD, 255, "Quantidade acumulada do item");
    r.texto(UNID, 6, "Unidade do item (Campo 02 do registro 0190)");
    r.numero(VL_ITEM, 255, "Valor acumulado do item");
    r.numero(VL_DESC, 255, "Valor acumulado dos descontos");
    r.numero(CST_ICMS, 3, "Código da Situação Tributária, conforme a Tabela indicada no item 4.3.1");
    const auto& cfop =
        r.numero(CFOP, 4, "Código Fiscal de Operação e Prestação conforme tabela indicada no item 4.2.2");
    r.numero(ALIQ_ICMS, 6, "Alíquota do ICMS");
    r.numero(VL_BC_ICMS, 255, "Valor acumulado da base de cálculo do ICMS");
    r.numero(VL_ICMS, 255, "Valor acumulado do ICMS debitado");
    r.numero(VL_BC_ICMS_ST, 255, "Valor da base de cálculo do ICMS substituição tributária");
    r.numero(VL_ICMS_ST, 255, "Valor do ICMS retido por substituição tributária");
    r.numero(VL_RED_BC, 255,
             "Valor não tributado em função da redução da base de cálculo do ICMS, referente à combinação de CST_ICMS, "
             "CFOP e alíquota do ICMS.");
    r.numero(VL_PIS, 255, "Valor acumulado do PIS");
    r.numero(VL_COFINS, 255, "Valor acumulado da COFINS");
    r.texto(COD_CTA, 255, "Código da conta analítica contábil debitada/creditada");
    r.valida(vCOD_CFOP, cfop, "-1   Numero de CFOP inválido: ");
    r.valida(vCod_classific_item_4_4_2, cod_class,
             "-2   Código de classificação do item do serviço de comunicação ou de telecomunicação, conforme a Tabela "
             "4.4.1: ");
  });
}

// D690: analytical totals of a consolidation of communication service bills.
QB_API int32_t QB_CALL RegistroD690(const char* CST_ICMS, const char* CFOP, const char* ALIQ_ICMS, const char* VL_OPR,
                                    const char* VL_BC_ICMS, const char* VL_ICMS, const char* VL_BC_ICMS_ST,
                                    const char* VL_ICMS_ST, const char* VL_RED_BC, const char* COD_OBS) {
  return Escreve_Registro("D690", " REGISTRO D690", 151, [&](Registro& r) {
    r.numero(CST_ICMS, 3, "Código da Situação Tributária, conforme a tabela indicada no item 4.3.1");
    const auto& cfop =
        r.numero(CFOP, 4, "Código Fiscal de Operação e Prestação, conforme a tabela indicada no item 4.2.2");
    r.numero(ALIQ_ICMS, 6, "Alíquota do ICMS");
    r.numero(VL_OPR, 255,
             "Valor da operação correspondente à combinação de CST_ICMS, CFOP, e alíquota do ICMS, incluídas as "
             "despesas acessórias e acréscimos");
    r.numero(VL_BC_ICMS, 255,
             "Parcela correspondente ao \"Valor da base de cálculo do ICMS\" referente à combinação CST_ICMS,  CFOP, e "
             "alíquota do ICMS");
    r.numero(VL_ICMS, 255,
             "Parcela correspondente ao \"Valor do ICMS\" referente à combinação CST_ICMS,  CFOP, e alíquota do ICMS");
    r.numero(VL_BC_ICMS_ST, 255,
             "Parcela correspondente ao \"Valor da base de cálculo do ICMS\" da substituição tributária referente à "
             "combinação de CST_ICMS, CFOP e alíquota do ICMS.");
    r.numero(VL_ICMS_ST, 255,
             "Parcela correspondente ao valor creditado/debitado do ICMS da substituição tributária, referente à "
             "combinação de CST_ICMS,  CFOP, e alíquota do ICMS.");
    r.numero(VL_RED_BC, 255,
             "Valor não tributado em função da redução da base de cálculo do ICMS, referente à combinação de CST_ICMS, "
             "CFOP e alíquota do ICMS.");
    r.texto(COD_OBS, 6, "Código da observação do lançamento fiscal (campo 02 do Registro 0460)");
    r.valida(vCOD_CFOP, cfop, "-1   Numero de CFOP inválido: ");
  });
}

// D695: consolidation of communication service bills kept in a master file.
QB_API int32_t QB_CALL RegistroD695(const char* COD_MOD, const char* SER, const char* NRO_ORD_INI,
                                    const char* NRO_ORD_FIN, const char* DT_DOC_INI, const char* DT_DOC_FIN,
                                    const char* NOM_MEST, const char* CHV_COD_DIG) {
  return Escreve_Registro("D695", " REGISTRO D695", 151, [&](Registro& r) {
    const auto& cod_mod = r.texto(COD_MOD, 2, "Código do modelo do documento fiscal, conforme a Tabela 4.1.1");
    r.texto(SER, 4, "Série do documento fiscal");
    r.numero(NRO_ORD_INI, 9, "Número de ordem inicial");
    r.numero(NRO_ORD_FIN, 9, "Número de ordem final");
    const auto& dt_doc_ini =
        r.data(DT_DOC_INI, "Data de emissão inicial dos documentos / Data inicial de vencimento da fatura");
    const auto& dt_doc_fin =
        r.data(DT_DOC_FIN, "Data de emissão final dos documentos / Data final do vencimento da fatura");
    r.texto(NOM_MEST, 15, "Nome do Volume do arquivo Mestre de Documento Fiscal");
    r.texto(CHV_COD_DIG, 32, "Chave de codificação digital do arquivo Mestre de Documento Fiscal");
    r.valida_data(dt_doc_ini, "-1   Data Inicial Inválida (DDMMAAAA) : ");
    r.valida_data(dt_doc_fin, "-2   Data Final Inválida (DDMMAAAA) : ");
    r.valida(vCod_modelo_documento_fiscal_4_1_1, cod_mod,
             "-3   Código do modelo do documento fiscal, conforme a Tabela 4.1.1 : ");
  });
}

// D696: analytical totals of a master-file consolidation of communication bills.
QB_API int32_t QB_CALL RegistroD696(const char* CST_ICMS, const char* CFOP, const char* ALIQ_ICMS, const char* VL_OPR,
                                    const char* VL_BC_ICMS, const char* VL_ICMS, const char* VL_BC_ICMS_ST,
                                    const char* VL_ICMS_ST, const char* VL_RED_BC, const char* COD_OBS) {
  return Escreve_Registro("D696", " REGISTRO D696", 151, [&](Registro& r) {
    r.numero(CST_ICMS, 3, "Código da Situação Tributária, conforme a tabela indicada no item 4.3.1");
    const auto& cfop =
        r.numero(CFOP, 4, "Código Fiscal de Operação e Prestação, conforme a tabela indicada no item 4.2.2");
    r.numero(ALIQ_ICMS, 6, "Alíquota do ICMS");
    r.numero(VL_OPR, 255,
             "Valor da operação correspondente à combinação de CST_ICMS, CFOP, e alíquota do ICMS, incluídas as "
             "despesas acessórias e acréscimos");
    r.numero(VL_BC_ICMS, 255,
             "Parcela correspondente ao \"Valor da base de cálculo do ICMS\" referente à combinação CST_ICMS,  CFOP, e "
             "alíquota do ICMS");
    r.numero(VL_ICMS, 255,
             "Parcela correspondente ao \"Valor do ICMS\" referente à combinação CST_ICMS,  CFOP, e alíquota do ICMS");
    r.numero(VL_BC_ICMS_ST, 255, "Valor da base de cálculo do ICMS substituição tributária");
    r.numero(VL_ICMS_ST, 255, "Valor do ICMS retido por substituição tributária");
    r.numero(VL_RED_BC, 255,
             "Valor não tributado em função da redução da base de cálculo do ICMS, referente à combinação de CST_ICMS, "
             "CFOP e alíquota do ICMS.");
    r.texto(COD_OBS, 6, "Código da observação do lançamento fiscal (campo 02 do Registro 0460)");
    r.valida(vCOD_CFOP, cfop, "-1   Numero de CFOP inválido: ");
  });
}

// D697: withheld ST amounts of a master-file total, per state.
QB_API int32_t QB_CALL RegistroD697(const char* UF, const char* VL_BC_ICMS_ST, const char* VL_ICMS_ST) {
  return Escreve_Registro("D697", " REGISTRO D697", 151, [&](Registro& r) {
    const auto& uf = r.texto(UF, 2, "Sigla da unidade da federação a que se refere a retenção ST");
    r.numero(VL_BC_ICMS_ST, 255, "Valor da base de cálculo do ICMS substituição tributária");
    r.numero(VL_ICMS_ST, 255, "Valor do ICMS retido por substituição tributária");
    r.valida(vUF, uf, "-1   Sigla da unidade da federação a que se refere a retenção ST : ");
  });
}
}  // extern "C"
