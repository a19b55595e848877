// Block C: electricity, water and gas bills, their daily consolidations,
// and the consolidations of documents kept in a master file.
#include "records/registro.h"

using namespace quillbook;

extern "C" {

// C500: an electricity or piped-gas bill.
QB_API int32_t QB_CALL RegistroC500(const char* IND_OPER, const char* IND_EMIT, const char* COD_PART,
                                    const char* COD_MOD, const char* COD_SIT, const char* SER, const char* SUB,
                                    const char* COD_CONS, const char* NUM_DOC, const char* DT_DOC, const char* DT_E_S,
                                    const char* VL_DOC, const char* VL_DESC, const char* VL_FORN,
                                    const char* VL_SERV_NT, const char* VL_TERC, const char* VL_DA,
                                    const char* VL_BC_ICMS, const char* VL_ICMS, const char* VL_BC_ICMS_ST,
                                    const char* VL_ICMS_ST, const char* COD_INF, const char* VL_PIS,
                                    const char* VL_COFINS) {
  return Escreve_Registro("C500", " REGISTRO C500", 156, [&](Registro& r) {
    r.texto(IND_OPER, 1, "Indicador do tipo de operação: 0- Entrada; 1- Saída");
    r.texto(IND_EMIT, 1, "Indicador do emitente do documento fiscal: 0- Emissão própria; 1- Terceiros");
    r.texto(COD_PART, 255,
            "Código do participante (campo 02 do Registro 0150): - do adquirente, no caso das saídas; - do fornecedor "
            "no caso de entradas");
    const auto& cod_mod = r.texto(COD_MOD, 2, "Código do modelo do documento fiscal, conforme a Tabela 4.1.1");
    r.numero(COD_SIT, 2, "Código   da   situação   do   documento   fiscal, conforme a Tabela 4.1.2");
    r.texto(SER, 255, "Série do documento fiscal");
    r.numero(SUB, 255, "Subsérie do documento fiscal");
    r.numero(COD_CONS, 2,
             "Código de classe de consumo de energia elétrica, conforme a Tabela 4.4.5 ou Código da classe de "
             "consumo   de   gás   canalizado   conforme   Tabela 4.4.3.");
    r.numero(NUM_DOC, 9, "Número do documento fiscal");
    const auto& dt_doc = r.data(DT_DOC, "Data da emissão do documento fiscal");
    const auto& dt_e_s = r.data(DT_E_S, "Data da entrada ou da saída");
    r.numero(VL_DOC, 255, "Valor total do documento fiscal");
    r.numero(VL_DESC, 255, "Valor total do desconto");
    r.numero(VL_FORN, 255, "Valor total fornecido/consumido");
    r.numero(VL_SERV_NT, 255, "Valor total dos serviços não-tributados pelo ICMS");
    r.numero(VL_TERC, 255, "Valor total cobrado em nome de terceiros");
    r.numero(VL_DA, 255, "Valor total de despesas acessórias indicadas no documento fiscal");
    r.numero(VL_BC_ICMS, 255, "Valor acumulado da base de cálculo do ICMS");
    r.numero(VL_ICMS, 255, "Valor acumulado do ICMS");
    r.numero(VL_BC_ICMS_ST, 255, "Valor acumulado da base de cálculo do ICMS substituição tributária");
    r.numero(VL_ICMS_ST, 255, "Valor acumulado do ICMS retido por substituição tributária");
    r.texto(COD_INF, 255, "Código da informação complementar do documento fiscal (campo 02 do Registro 0450)");
    r.numero(VL_PIS, 255, "Valor do PIS");
    r.numero(VL_COFINS, 255, "Valor da COFINS");
    r.valida_data(dt_doc, "-1   Data Inválida (DDMMAAAA) :: ");
    r.valida_data(dt_e_s, "-2   Data Inválida (DDMMAAAA) :: ");
    r.valida(vCod_modelo_documento_fiscal_4_1_1, cod_mod,
             "-3   Codigo do domodelo do documento fiscal 4.1.1 inválido: ");
  });
}

// C510: an item of an electricity or piped-gas bill.
QB_API int32_t QB_CALL RegistroC510(const char* NUM_ITEM, const char* COD_ITEM, const char* COD_CLASS, const char* QTD,
                                    const char* UNID, const char* VL_ITEM, const char* VL_DESC, const char* CST_ICMS,
                                    const char* CFOP, const char* VL_BC_ICMS, const char* ALIQ_ICMS,
                                    const char* VL_ICMS, const char* VL_BC_ICMS_ST, const char* ALIQ_ST,
                                    const char* VL_ICMS_ST, const char* IND_REC, const char* COD_PART,
                                    const char* VL_PIS, const char* VL_COFINS, const char* COD_CTA) {
  return Escreve_Registro("C510", " REGISTRO C510", 156, [&](Registro& r) {
    r.numero(NUM_ITEM, 3, "Número seqüencial do item no documento fiscal");
    r.texto(COD_ITEM, 60, "Código do item (campo 02 do Registro 0200)");
    r.numero(COD_CLASS, 4, "Código   de   classificação   do   item   de   energia elétrica, conforme a Tabela 4.4.1");
    r.numero(QTD, 255, "Quantidade do item");
    r.texto(UNID, 6, "Unidade do item (Campo 02 do registro 0190)");
    r.numero(VL_ITEM, 255, "Valor do item");
    r.numero(VL_DESC, 255, "Valor total do desconto");
    r.numero(CST_ICMS, 3, "Código   da   Situação   Tributária,   conforme   a Tabela indicada no item 4.3.1");
    const auto& cfop = r.numero(CFOP, 4, "Código Fiscal de Operação e Prestação");
    r.numero(VL_BC_ICMS, 255, "Valor da base de cálculo do ICMS");
    r.numero(ALIQ_ICMS, 6, "Alíquota do ICMS");
    r.numero(VL_ICMS, 255, "Valor do ICMS creditado/debitado");
    r.numero(VL_BC_ICMS_ST, 255, "Valor da base de cálculo referente à substituição tributária");
    r.numero(ALIQ_ST, 6, "Alíquota do  ICMS da substituição  tributária na unidade da federação de destino");
    r.numero(VL_ICMS_ST, 255, "Valor do ICMS referente à substituição tributária");
    r.texto(IND_REC, 1, "Indicador do tipo de receita:0- Receita própria;1- Receita de terceiros");
    r.largura(149);
    r.texto(
        COD_PART, 60,
        "Código do participante receptor  da   receita, terceiro   da   operação   (campo   02   do   Registro 0150)");
    r.largura(156);
    r.numero(VL_PIS, 255, "Valor do PIS");
    r.numero(VL_COFINS, 255, "Valor da COFINS");
    r.texto(COD_CTA, 255, "Código   da   conta   analítica   contábil debitada/creditada");
    r.valida(vCOD_CFOP, cfop, "-1   Código Fiscal de Operação e Prestação inválido: ");
  });
}

// C590: analytical totals of an electricity or piped-gas bill.
QB_API int32_t QB_CALL RegistroC590(const char* CST_ICMS, const char* CFOP, const char* ALIQ_ICMS, const char* VL_OPR,
                                    const char* VL_BC_ICMS, const char* VL_ICMS, const char* VL_BC_ICMS_ST,
                                    const char* VL_ICMS_ST, const char* VL_RED_BC, const char* COD_OBS) {
  return Escreve_Registro("C590", " REGISTRO C590", 173, [&](Registro& r) {
    r.numero(CST_ICMS, 3, "Código da Situação Tributária, conforme a Tabela indicada no item 4.3.1.");
    const auto& cfop = r.numero(CFOP, 4, "Código   Fiscal   de   Operação   e   Prestação   do agrupamento de itens");
    r.numero(ALIQ_ICMS, 6, "Alíquota do ICMS");
    r.numero(VL_OPR, 255, "Valor  da operação correspondente à combinação de CST_ICMS, CFOP, e alíquota do ICMS.");
    r.numero(VL_BC_ICMS, 255,
             "Parcela   correspondente   ao   \"Valor   da   base   de cálculo   do   ICMS\"   referente   à   "
             "combinação   de CST_ICMS, CFOP e alíquota do ICMS.");
    r.numero(VL_ICMS, 255,
             "Parcela   correspondente   ao   \"Valor   do   ICMS\" referente à combinação de CST_ICMS,  CFOP e "
             "alíquota do ICMS.");
    r.numero(VL_BC_ICMS_ST, 255,
             "Parcela   correspondente   ao   \"Valor   da   base   de cálculo   do   ICMS\"   da   substituição   "
             "tributária referente à combinação de CST_ICMS,  CFOP e alíquota do ICMS.");
    r.numero(VL_ICMS_ST, 255,
             "Parcela   correspondente   ao   valor creditado/debitado   do   ICMS   da   substituição tributária, "
             "referente à combinação de CST_ICMS, CFOP, e alíquota do ICMS.");
    r.numero(VL_RED_BC, 255,
             "Valor não tributado em função da redução da base de cálculo do  ICMS,   referente à combinação de "
             "CST_ICMS, CFOP e alíquota do ICMS.");
    r.texto(COD_OBS, 6, "Código da observação do lançamento fiscal (campo 02 do Registro 0460)");
    r.valida(vCOD_CFOP, cfop, "-1   Código Fiscal de Operação e Prestação inválido: ");
  });
}

// C600: daily consolidation of electricity, water or piped-gas bills.
QB_API int32_t QB_CALL RegistroC600(const char* COD_MOD, const char* COD_MUN, const char* SER, const char* SUB,
                                    const char* COD_CONS, const char* QTD_CONS, const char* QTD_CANC,
                                    const char* DT_DOC, const char* VL_DOC, const char* VL_DESC, const char* CONS,
                                    const char* VL_FORN, const char* VL_SERV_NT, const char* VL_TERC, const char* VL_DA,
                                    const char* VL_BC_ICMS, const char* VL_ICMS, const char* VL_BC_ICMS_ST,
                                    const char* VL_ICMS_ST, const char* VL_PIS, const char* VL_COFINS) {
  return Escreve_Registro("C600", " REGISTRO C600", 218, [&](Registro& r) {
    const auto& cod_mod = r.texto(COD_MOD, 2, "Código do modelo do documento fiscal, conforme a Tabela 4.1.1");
    r.numero(COD_MUN, 7, "Código do município dos pontos de consumo, conforme a tabela IBGE");
    r.texto(SER, 4, "Série do documento fiscal");
    r.numero(SUB, 3, "Subsérie do documento fiscal");
    r.numero(COD_CONS, 2,
             "Código de classe de consumo de energia elétrica, conforme a Tabela 4.4.5, ou Código de Consumo de   "
             "Fornecimento   D´água   -   Tabela   4.4.2   ou Código da classe de consumo de gás canalizado conforme "
             "Tabela 4.4.3.");
    r.numero(QTD_CONS, 255, "Quantidade de documentos consolidados neste registro");
    r.numero(QTD_CANC, 255, "Quantidade de documentos cancelados");
    const auto& dt_doc = r.data(DT_DOC, "Data dos documentos consolidados");
    r.numero(VL_DOC, 255, "Valor total dos documentos");
    r.numero(VL_DESC, 255, "Valor acumulado dos descontos");
    r.numero(CONS, 255, "Consumo total acumulado, em kWh (Código 06)");
    r.numero(VL_FORN, 255, "Valor acumulado do fornecimento");
    r.numero(VL_SERV_NT, 255, "Valor acumulado dos serviços não-tributados pelo ICMS");
    r.numero(VL_TERC, 255, "Valores cobrados em nome de terceiros");
    r.numero(VL_DA, 255, "Valor acumulado das despesas acessórias");
    r.numero(VL_BC_ICMS, 255, "Valor acumulado da base de cálculo do ICMS");
    r.numero(VL_ICMS, 255, "Valor acumulado do ICMS");
    r.numero(VL_BC_ICMS_ST, 255, "Valor acumulado da base de  cálculo do  ICMS substituição");
    r.numero(VL_ICMS_ST, 255, "Valor acumulado do ICMS retido por substituição tributária");
    r.numero(VL_PIS, 255, "Valor acumulado do PIS");
    r.numero(VL_COFINS, 255, "Valor acumulado COFINS");
    r.valida_data(dt_doc, "-1   Data Inicial Inválida (DDMMAAAA) :: ");
    r.valida(vCod_modelo_documento_fiscal_4_1_1, cod_mod, "-2   Codigo do modelo do documento fiscal 4.1.1 inválido: ");
  });
}

// C601: a cancelled document of a daily consolidation.
QB_API int32_t QB_CALL RegistroC601(const char* NUM_DOC_CANC) {
  return Escreve_Registro("C601", " REGISTRO C601", 46,
                          [&](Registro& r) { r.numero(NUM_DOC_CANC, 9, "Número do documento fiscal cancelado"); });
}

// C610: an item of a daily consolidation. Its class code is held against
// the two-character item class table, so a four-digit code fails.
QB_API int32_t QB_CALL RegistroC610(const char* COD_CLASS, const char* COD_ITEM, const char* QTD, const char* UNID,
                                    const char* VL_ITEM, const char* VL_DESC, const char* CST_ICMS, const char* CFOP,
                                    const char* ALIQ_ICMS, const char* VL_BC_ICMS, const char* VL_ICMS,
                                    const char* VL_BC_ICMS_ST, const char* VL_ICMS_ST, const char* VL_PIS,
                                    const char* VL_COFINS, const char* COD_CTA) {
  return Escreve_Registro("C610", " REGISTRO C610", 80, [&](Registro& r) {
    const auto& cod_class =
        r.numero(COD_CLASS, 4, "Código de classificação do item de energia elétrica, conforme Tabela 4.4.1");
    r.texto(COD_ITEM, 60, "Código do item (campo 02 do Registro 0200)");
    r.numero(QTD, 255, "Quantidade acumulada do item");
    r.texto(UNID, 6, "Unidade do item  (Campo 02 do registro 0190)");
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
    r.numero(VL_PIS, 255, "Valor do PIS");
    r.numero(VL_COFINS, 255, "Valor da COFINS");
    r.texto(COD_CTA, 255, "Código da conta analítica contábil debitada/creditada");
    r.valida(vCOD_CFOP, cfop, "-1   Numero de CFOP inválido: ");
    r.valida(vCod_classific_item_4_4_2, cod_class, "-2   Código de classificação do item, conforme Tabela 4.4.2 ");
  });
}

// C690: analytical totals of a daily consolidation.
QB_API int32_t QB_CALL RegistroC690(const char* CST_ICMS, const char* CFOP, const char* ALIQ_ICMS, const char* VL_OPR,
                                    const char* VL_BC_ICMS, const char* VL_ICMS, const char* VL_RED_BC,
                                    const char* VL_BC_ICMS_ST, const char* VL_ICMS_ST, const char* COD_OBS) {
  return Escreve_Registro("C690", " REGISTRO C690", 151, [&](Registro& r) {
    r.numero(CST_ICMS, 3, "Código da Situação Tributária, conforme a tabela indicada no item 4.3.1");
    const auto& cfop =
        r.numero(CFOP, 4, "Código Fiscal de Operação e Prestação, conforme a tabela indicada no item 4.2.2");
    r.numero(ALIQ_ICMS, 6, "Alíquota do ICMS");
    r.numero(VL_OPR, 255, "Valor da operação correspondente à combinação de CST_ICMS, CFOP, e alíquota do ICMS.");
    r.numero(VL_BC_ICMS, 255,
             "Parcela correspondente ao \"Valor da base de cálculo do ICMS\" referente à combinação CST_ICMS, CFOP  e "
             "alíquota do ICMS");
    r.numero(VL_ICMS, 255,
             "Parcela correspondente ao \"Valor do ICMS\" referente à combinação CST_ICMS, CFOP e alíquota do ICMS");
    r.numero(VL_RED_BC, 255,
             "Valor não tributado em função da redução da base de cálculo do ICMS, referente à combinação de CST_ICMS, "
             "CFOP e alíquota do ICMS.");
    r.numero(VL_BC_ICMS_ST, 255, "Valor da base de cálculo do ICMS substituição tributária");
    r.numero(VL_ICMS_ST, 255, "Valor do ICMS retido por substituição tributária");
    r.texto(COD_OBS, 6, "Código da observação do lançamento fiscal (campo 02 do Registro 0460)");
    r.valida(vCOD_CFOP, cfop, "-1   Numero de CFOP inválido: ");
  });
}

// C700: consolidation of the documents kept in a master file.
QB_API int32_t QB_CALL RegistroC700(const char* COD_MOD, const char* SER, const char* NRO_ORD_INI,
                                    const char* NRO_ORD_FIN, const char* DT_DOC_INI, const char* DT_DOC_FIN,
                                    const char* NOM_MEST, const char* CHV_COD_DIG) {
  return Escreve_Registro("C700", " REGISTRO C700", 218, [&](Registro& r) {
    const auto& cod_mod = r.texto(COD_MOD, 2, "Código do modelo do documento fiscal, conforme a Tabela 4.1.1");
    r.texto(SER, 4, "Série do documento fiscal");
    r.numero(NRO_ORD_INI, 9, "Número de ordem inicial");
    r.numero(NRO_ORD_FIN, 9, "Número de ordem final");
    const auto& dt_doc_ini =
        r.data(DT_DOC_INI, "Data de emissão inicial dos documentos / Data inicial de vencimento da fatura");
    const auto& dt_doc_fin =
        r.data(DT_DOC_FIN, "Data de emissão final dos documentos /Data final do vencimento da fatura");
    r.texto(NOM_MEST, 15, "Nome do arquivo Mestre de Documento Fiscal");
    r.texto(CHV_COD_DIG, 32, "Chave de codificação digital  do arquivo Mestre de Documento Fiscal");
    r.valida_data(dt_doc_ini, "-1   Data Inicial Inválida (DDMMAAAA) :: ");
    r.valida_data(dt_doc_fin, "-2   Data Final Inválida (DDMMAAAA) :: ");
    r.valida(vCod_modelo_documento_fiscal_4_1_1, cod_mod, "-3   Codigo do modelo do documento fiscal 4.1.1 inválido: ");
  });
}

// C790: analytical totals of a master-file consolidation.
QB_API int32_t QB_CALL RegistroC790(const char* CST_ICMS, const char* CFOP, const char* ALIQ_ICMS, const char* VL_OPR,
                                    const char* VL_BC_ICMS, const char* VL_ICMS, const char* VL_BC_ICMS_ST,
                                    const char* VL_ICMS_ST, const char* VL_RED_BC, const char* COD_OBS) {
  return Escreve_Registro("C790", " REGISTRO C790", 151, [&](Registro& r) {
    r.numero(CST_ICMS, 3, "Código da Situação Tributária, conforme a tabela indicada no item 4.3.1");
    const auto& cfop =
        r.numero(CFOP, 4, "Código Fiscal de Operação e Prestação, conforme a tabela indicada no item 4.2.2");
    r.numero(ALIQ_ICMS, 6, "Alíquota do ICMS");
    r.numero(VL_OPR, 255, "Valor da operação correspondente à combinação de CST_ICMS, CFOP, e alíquota do ICMS.");
    r.numero(VL_BC_ICMS, 255,
             "Parcela correspondente ao \"Valor da base de cálculo do ICMS\" referente à combinação CST_ICMS, CFOP, e "
             "alíquota do ICMS");
    r.numero(VL_ICMS, 255,
             "Parcela correspondente ao \"Valor do ICMS\" referente à combinação CST_ICMS,  CFOP e alíquota do ICMS");
    r.numero(VL_BC_ICMS_ST, 255, "Valor da base de cálculo do ICMS substituição tributária");
    r.numero(VL_ICMS_ST, 255, "Valor do ICMS retido por substituição tributária");
    r.numero(VL_RED_BC, 255,
             "Valor não tributado em função da redução da base de cálculo do ICMS, referente à combinação de CST_ICMS, "
             "CFOP e alíquota do ICMS.");
    r.texto(COD_OBS, 6, "Código da observação do lançamento fiscal (campo 02 do Registro 0460)");
    r.valida(vCOD_CFOP, cfop, "-1   Numero de CFOP inválido: ");
  });
}

// C791: withheld ST amounts of a master-file total, per state.
QB_API int32_t QB_CALL RegistroC791(const char* UF, const char* VL_BC_ICMS_ST, const char* VL_ICMS_ST) {
  return Escreve_Registro("C791", " REGISTRO C791", 151, [&](Registro& r) {
    const auto& uf = r.texto(UF, 2, "Sigla da unidade da federação a que se refere a retenção ST");
    r.numero(VL_BC_ICMS_ST, 255, "Valor da base de cálculo do ICMS substituição tributária");
    r.numero(VL_ICMS_ST, 255, "Valor do ICMS retido por substituição tributária");
    r.valida(vUF, uf, "-1   Unidade da Federação Inválida : ");
  });
}
}  // extern "C"
