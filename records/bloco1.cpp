// Block 1: the other information of the period: exports, ICMS credits,
// fuel, values per municipality, electricity bills and card operations.
#include "records/registro.h"

using namespace quillbook;

extern "C" {

// 1100: export register.
QB_API int32_t QB_CALL Registro1100(const char* IND_DOC, const char* NRO_DE, const char* DT_DE, const char* NAT_EXP,
                                    const char* NRO_RE, const char* DT_RE, const char* CHC_EMB, const char* DT_CHC,
                                    const char* DT_AVB, const char* TP_CHC, const char* PAIS) {
  return Escreve_Registro("1100", " REGISTRO 1100", 120, [&](Registro& r) {
    const auto& ind_doc = r.numero(IND_DOC, 1, "Informe o tipo de documento:");
    r.numero(NRO_DE, 11, "Número da declaração");
    const auto& dt_de = r.data(DT_DE, "Data da declaração (DDMMAAAA)");
    r.numero(NAT_EXP, 1, "Preencher com:");
    r.numero(NRO_RE, 12, "Nº do registro de Exportação");
    const auto& dt_re = r.data(DT_RE, "Data do Registro de Exportação (DDMMAAAA)");
    r.texto(CHC_EMB, 16, "Nº do conhecimento de embarque");
    const auto& dt_chc = r.data(DT_CHC, "Data do conhecimento de embarque (DDMMAAAA)");
    const auto& dt_avb = r.data(DT_AVB, "Data da averbação da Declaração de exportação (ddmmaaaa)");
    const auto& tp_chc = r.numero(TP_CHC, 2,
                                  "Informação do tipo de conhecimento de transporte (Preencher conforme tabela de tipo "
                                  "de documento de carga do SISCOMEX)");
    r.numero(PAIS, 3, "Código do país de destino da mercadoria (Preencher conforme tabela do SISCOMEX)");
    r.valida_data(dt_de, "-1   Data Final Inválida (AAAAMMDD) : ");
    r.valida_data(dt_re, "-2   Data Final Inválida (AAAAMMDD) : ");
    r.valida_data(dt_chc, "-3   Data Final Inválida (AAAAMMDD) : ");
    r.valida_data(dt_avb, "-4   Data Final Inválida (AAAAMMDD) : ");
    r.valida(vIND_DOC_Informe_tipo_documento, ind_doc, "-5   Informe o tipo de documento: ");
    r.valida(vTP_CHC, tp_chc, "-6   Informação do tipo de conhecimento de transporte inválido ");
  });
}

// 1105: export invoice of an export register.
QB_API int32_t QB_CALL Registro1105(const char* COD_MOD, const char* SERIE, const char* NUM_DOC, const char* CHV_NFE,
                                    const char* DT_DOC, const char* COD_ITEM) {
  return Escreve_Registro("1105", " REGISTRO 1105", 120, [&](Registro& r) {
    const auto& cod_mod = r.texto(COD_MOD, 2, "Código do modelo da NF, conforme tabela 4.1.1");
    r.texto(SERIE, 3, "Série da Nota Fiscal");
    r.numero(NUM_DOC, 9, "Número de Nota Fiscal de Exportação emitida pelo Exportador");
    r.numero(CHV_NFE, 44, "Chave da Nota Fiscal Eletrônica");
    const auto& dt_doc = r.data(DT_DOC, "Data da emissão da NF de exportação");
    r.texto(COD_ITEM, 255, "Código do item (campo 02 do Registro 0200)");
    r.valida_data(dt_doc, "-1   Data Final Inválida (AAAAMMDD) : ");
    r.valida(vCod_modelo_documento_fiscal_4_1_1, cod_mod,
             "-2   Código do modelo da NF, conforme tabela 4.1.1 inválido ");
  });
}

// 1110: goods bought for export.
QB_API int32_t QB_CALL Registro1110(const char* COD_PART, const char* COD_MOD, const char* SER, const char* NUM_DOC,
                                    const char* DT_DOC, const char* CHV_NFE, const char* NR_MEMO, const char* QTD,
                                    const char* UNID) {
  return Escreve_Registro("1110", " REGISTRO 1110", 120, [&](Registro& r) {
    r.texto(COD_PART, 60,
            "Código do participante-Fornecedor da Mercadoria destinada à exportação (campo 02 do Registro 0150)");
    const auto& cod_mod = r.texto(COD_MOD, 2, "Código do documento fiscal, conforme a Tabela 4.1.1");
    r.texto(SER, 4, "Série do documento fiscal recebido com fins específicos de exportação.");
    r.numero(NUM_DOC, 9, "Número do documento fiscal recebido com fins específicos de exportação.");
    const auto& dt_doc =
        r.data(DT_DOC, "Data da emissão do documento fiscal recebido com fins específicos de exportação");
    r.numero(CHV_NFE, 44, "Chave da Nota Fiscal Eletrônica");
    r.numero(NR_MEMO, 255, "Número do Memorando de Exportação");
    r.numero(QTD, 255, "Quantidade do item efetivamente exportado.");
    r.texto(UNID, 6, "Unidade do item  (Campo 02 do registro 0190)");
    r.valida_data(dt_doc, "-1   Data Final Inválida (AAAAMMDD) : ");
    r.valida(vCod_modelo_documento_fiscal_4_1_1, cod_mod,
             "-2   Código do documento fiscal, conforme a Tabela 4.1.1 inválido ");
  });
}

// 1200: control of ICMS credits.
QB_API int32_t QB_CALL Registro1200(const char* COD_AJ_APUR, const char* SLD_CRED, const char* CRED_APR,
                                    const char* CRED_RECEB, const char* CRED_UTIL, const char* SLD_CRED_FIM) {
  return Escreve_Registro("1200", " REGISTRO 1200", 120, [&](Registro& r) {
    r.texto(COD_AJ_APUR, 8, "Código de ajuste, conforme informado na Tabela indicada no item 5.1.1.");
    r.numero(SLD_CRED, 255, "Saldo de créditos fiscais de períodos anteriores");
    r.numero(CRED_APR, 255, "Total de crédito apropriado no mês");
    r.numero(CRED_RECEB, 255, "Total de créditos recebidos por transferência");
    r.numero(CRED_UTIL, 255, "Total de créditos utilizados no período");
    r.numero(SLD_CRED_FIM, 255, "Saldo de crédito fiscal acumulado a transportar para o período seguinte");
  });
}

// 1210: use of ICMS credits.
QB_API int32_t QB_CALL Registro1210(const char* TIPO_UTIL, const char* NR_DOC, const char* VL_CRED_UTIL) {
  return Escreve_Registro("1210", " REGISTRO 1210", 120, [&](Registro& r) {
    r.numero(TIPO_UTIL, 1, "Tipo de utilização do crédito:");
    r.texto(NR_DOC, 255, "Número do documento utilizado na baixa de créditos");
    r.numero(VL_CRED_UTIL, 255, "Total de crédito utilizado");
  });
}

// 1300: daily fuel movement per product.
QB_API int32_t QB_CALL Registro1300(const char* COD_ITEM, const char* DT_FECH, const char* ESTQ_ABERT,
                                    const char* VOL_ENTR, const char* VOL_DISP, const char* VOL_SAIDAS,
                                    const char* ESTQ_ESCR, const char* VAL_AJ_PERDA, const char* VAL_AJ_GANHO,
                                    const char* FECH_FISICO) {
  return Escreve_Registro("1300", " REGISTRO 1300", 218, [&](Registro& r) {
    r.texto(COD_ITEM, 255, "Código do Produto, constante do registro 0200");
    const auto& dt_fech = r.data(DT_FECH, "Data do fechamento da movimentação");
    r.numero(ESTQ_ABERT, 255, "Estoque no inicio do dia, em litros");
    r.numero(VOL_ENTR, 255, "Volume Recebido no dia (em litros)");
    r.numero(VOL_DISP, 255, "Volume Disponível (04 + 05), em litros");
    r.numero(VOL_SAIDAS, 255, "Volume Total das Saídas, em litros");
    r.numero(ESTQ_ESCR, 255, "Estoque Escritural (06 - 07), litros");
    r.numero(VAL_AJ_PERDA, 255, "Valor da Perda, em litros");
    r.numero(VAL_AJ_GANHO, 255, "Valor do ganho, em litros");
    r.numero(FECH_FISICO, 255, "Estoque de Fechamento, em litros");
    r.valida_data(dt_fech, "-1   Data Inicial Inválida (DDMMAAAA) :: ");
  });
}

// 1310: daily fuel movement per tank.
QB_API int32_t QB_CALL Registro1310(const char* NUM_TANQUE, const char* ESTQ_ABERT, const char* VOL_ENTR,
                                    const char* VOL_DISP, const char* VOL_SAIDAS, const char* ESTQ_ESCR,
                                    const char* VAL_AJ_PERDA, const char* VAL_AJ_GANHO, const char* FECH_FISICO) {
  return Escreve_Registro("1310", " REGISTRO 1310", 218, [&](Registro& r) {
    r.numero(NUM_TANQUE, 255, "Tanque que armazena o combustível.");
    r.numero(ESTQ_ABERT, 255, "Estoque no inicio do dia, em litros");
    r.numero(VOL_ENTR, 255, "Volume Recebido no dia (em litros)");
    r.numero(VOL_DISP, 255, "Volume Disponível (03 + 04), em litros");
    r.numero(VOL_SAIDAS, 255, "Volume Total das Saídas, em litros");
    r.numero(ESTQ_ESCR, 255, "Estoque Escritural(05 - 06), litros");
    r.numero(VAL_AJ_PERDA, 255, "Valor da Perda, em litros");
    r.numero(VAL_AJ_GANHO, 255, "Valor do ganho, em litros");
    r.numero(FECH_FISICO, 255, "Volume aferido no tanque, em litros. Estoque de fechamento físico do tanque.");
  });
}

// 1320: meter readings per fuel nozzle.
QB_API int32_t QB_CALL Registro1320(const char* NUM_BICO, const char* NR_INTERV, const char* MOT_INTERV,
                                    const char* NOM_INTERV, const char* CNPJ_INTERV, const char* CPF_INTERV,
                                    const char* VAL_FECHA, const char* VAL_ABERT, const char* VOL_AFERI,
                                    const char* VOL_VENDAS) {
  return Escreve_Registro("1320", " REGISTRO 1320", 218, [&](Registro& r) {
    r.numero(NUM_BICO, 255, "Bico Ligado à Bomba");
    r.numero(NR_INTERV, 255, "Número da intervenção");
    r.texto(MOT_INTERV, 50, "Motivo da Intervenção");
    r.texto(NOM_INTERV, 30, "Nome do Interventor");
    const auto& cnpj_interv = r.numero(CNPJ_INTERV, 14, "CNPJ da empresa responsável pela intervenção");
    const auto& cpf_interv = r.numero(CPF_INTERV, 11, "CPF do técnico responsável pela intervenção");
    r.numero(VAL_FECHA, 255, "Valor da leitura final do contador, no fechamento do bico.");
    r.numero(VAL_ABERT, 255, "Valor da leitura inicial do contador, na abertura do bico.");
    r.numero(VOL_AFERI, 255, "Aferições da Bomba, em litros");
    r.numero(VOL_VENDAS, 255, "Vendas (08 - 09 - 10 ) do bico , em litros");
    r.cnpj(cnpj_interv, "-1   CNPJ Inválido :: ");
    r.cpf(cpf_interv, "-2   CPF Inválido :: ");
  });
}

// 1350: fuel pump.
QB_API int32_t QB_CALL Registro1350(const char* SERIE, const char* FABRICANTE, const char* MODELO,
                                    const char* TIPO_MEDICAO) {
  return Escreve_Registro("1350", " REGISTRO 1350", 54, [&](Registro& r) {
    r.texto(SERIE, 255, "Número de Série da Bomba");
    r.texto(FABRICANTE, 60, "Nome do Fabricante da Bomba");
    r.texto(MODELO, 255, "Modelo da Bomba");
    const auto& tipo_medicao = r.texto(TIPO_MEDICAO, 1, "Identificador de medição: 0 - analógico; 1 - digital");
    r.valida(vTIPO_MEDICAO, tipo_medicao, "-1   Identificador de medição: inválido ");
  });
}

// 1360: seal of a fuel pump.
QB_API int32_t QB_CALL Registro1360(const char* NUM_LACRE, const char* DT_APLICACAO) {
  return Escreve_Registro("1360", " REGISTRO 1360", 54, [&](Registro& r) {
    r.texto(NUM_LACRE, 20, "Número do Lacre associado na Bomba");
    const auto& dt_aplicacao = r.data(DT_APLICACAO, "Data de aplicação do Lacre");
    r.valida_data(dt_aplicacao, "-1   Data Inicial Inválida (DDMMAAAA) :: ");
  });
}

// 1370: nozzle of a fuel pump.
QB_API int32_t QB_CALL Registro1370(const char* NUM_BICO, const char* COD_ITEM, const char* NUM_TANQUE) {
  return Escreve_Registro("1370", " REGISTRO 1370", 54, [&](Registro& r) {
    r.numero(NUM_BICO, 3, "Número seqüencial do bico ligado a bomba");
    r.texto(COD_ITEM, 60, "Código do Produto, constante do registro 0200");
    r.numero(NUM_TANQUE, 255, "Tanque que armazena o combustível.");
  });
}

// 1400: value of an item per municipality.
QB_API int32_t QB_CALL Registro1400(const char* COD_ITEM, const char* MUN, const char* VALOR) {
  return Escreve_Registro("1400", " REGISTRO 1400", 120, [&](Registro& r) {
    r.texto(COD_ITEM, 60, "Código do item (campo 02 do Registro 0200)");
    const auto& mun = r.numero(MUN, 7, "Código do Município de origem");
    r.numero(VALOR, 255, "Valor mensal correspondente ao município");
    r.valida(vCod_Municipio, mun, "-1   Código do Município de origem : ");
  });
}

// 1500: electricity bill.
QB_API int32_t QB_CALL Registro1500(const char* IND_OPER, const char* IND_EMIT, const char* COD_PART,
                                    const char* COD_MOD, const char* COD_SIT, const char* SER, const char* SUB,
                                    const char* COD_CONS, const char* NUM_DOC, const char* DT_DOC, const char* DT_E_S,
                                    const char* VL_DOC, const char* VL_DESC, const char* VL_FORN,
                                    const char* VL_SERV_NT, const char* VL_TERC, const char* VL_DA,
                                    const char* VL_BC_ICMS, const char* VL_ICMS, const char* VL_BC_ICMS_ST,
                                    const char* VL_ICMS_ST, const char* COD_INF, const char* VL_PIS,
                                    const char* VL_COFINS) {
  return Escreve_Registro("1500", " REGISTRO 1500", 146, [&](Registro& r) {
    const auto& ind_oper = r.texto(IND_OPER, 1, "Indicador do tipo de operação:");
    const auto& ind_emit = r.texto(IND_EMIT, 1, "Indicador do emitente do documento fiscal:");
    r.texto(COD_PART, 60, "Código do participante (campo 02 do Registro 0150):");
    const auto& cod_mod = r.texto(COD_MOD, 2, "Código do modelo do documento fiscal, conforme a Tabela 4.1.1");
    const auto& cod_sit = r.numero(COD_SIT, 2, "Código da situação do documento fiscal, conforme a Tabela 4.1.2");
    r.texto(SER, 4, "Série do documento fiscal");
    r.numero(SUB, 3, "Subsérie do documento fiscal");
    r.numero(COD_CONS, 2,
             "Código de classe de consumo de energia elétrica, conforme a Tabela 4.4.5 ou Código da classe de consumo "
             "de gás canalizado conforme Tabela 4.4.3.");
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
    r.texto(COD_INF, 6, "Código da informação complementar do documento fiscal (campo 02 do Registro 0450)");
    r.numero(VL_PIS, 255, "Valor do PIS");
    r.numero(VL_COFINS, 255, "Valor da COFINS");
    r.valida(vInd_tipo_operacao, ind_oper, "-1   Indicador do tipo de operação : ");
    r.valida(vInd_emitente_documento_fiscal, ind_emit, "-2   Indicador do emitente do documento fiscal: : ");
    r.valida(vCod_modelo_documento_fiscal_4_1_1, cod_mod,
             "-3   Código do modelo do documento fiscal, conforme a Tabela 4.1.1 : ");
    r.valida(vCod_situacao_documento_fiscal, cod_sit,
             "-4   Código da situação do documento fiscal, conforme a Tabela 4.1.2 : ");
    r.valida_data(dt_doc, "-5   Data Final Inválida (AAAAMMDD) : ");
    r.valida_data(dt_e_s, "-6   Data Final Inválida (AAAAMMDD) : ");
  });
}

// 1510: item of an electricity bill.
QB_API int32_t QB_CALL Registro1510(const char* NUM_ITEM, const char* COD_ITEM, const char* COD_CLASS, const char* QTD,
                                    const char* UNID, const char* VL_ITEM, const char* VL_DESC, const char* CST_ICMS,
                                    const char* CFOP, const char* VL_BC_ICMS, const char* ALIQ_ICMS,
                                    const char* VL_ICMS, const char* VL_BC_ICMS_ST, const char* ALIQ_ST,
                                    const char* VL_ICMS_ST, const char* IND_REC, const char* COD_PART,
                                    const char* VL_PIS, const char* VL_COFINS, const char* COD_CTA) {
  return Escreve_Registro("1510", " REGISTRO 1510", 146, [&](Registro& r) {
    r.numero(NUM_ITEM, 3, "Número seqüencial do item no documento fiscal");
    r.texto(COD_ITEM, 60, "Código do item (campo 02 do Registro 0200)");
    r.numero(COD_CLASS, 4, "Código de classificação do item de energia elétrica, conforme a Tabela 4.4.1");
    r.numero(QTD, 255, "Quantidade do item");
    r.texto(UNID, 6, "Unidade do item (Campo 02 do registro 0190)");
    r.numero(VL_ITEM, 255, "Valor do item");
    r.numero(VL_DESC, 255, "Valor total do desconto");
    r.numero(CST_ICMS, 3, "Código da Situação Tributária, conforme a Tabela indicada no item 4.3.1");
    const auto& cfop = r.numero(CFOP, 4, "Código Fiscal de Operação e Prestação");
    r.numero(VL_BC_ICMS, 255, "Valor da base de cálculo do ICMS");
    r.numero(ALIQ_ICMS, 6, "Alíquota do ICMS");
    r.numero(VL_ICMS, 255, "Valor do ICMS creditado/debitado");
    r.numero(VL_BC_ICMS_ST, 255, "Valor da base de cálculo referente à substituição tributária");
    r.numero(ALIQ_ST, 255, "Alíquota do ICMS da substituição tributária na unidade da federação de destino");
    r.numero(VL_ICMS_ST, 255, "Valor do ICMS referente à substituição tributária");
    const auto& ind_rec = r.texto(IND_REC, 1, "Indicador do tipo de receita:");
    r.texto(COD_PART, 60,
            "Código do participante receptor da receita, terceiro da operação (campo 02 do Registro 0150)");
    r.numero(VL_PIS, 255, "Valor do PIS");
    r.numero(VL_COFINS, 255, "Valor da COFINS");
    r.texto(COD_CTA, 255, "Código da conta analítica contábil debitada/creditada");
    r.valida(vCOD_CFOP, cfop, "-1   Numero de CFOP inválido: ");
    r.valida(vInd_tipo_receita, ind_rec, "-2   Indicador do tipo de receita: ");
  });
}

// 1600: card operations per card administrator.
QB_API int32_t QB_CALL Registro1600(const char* COD_PART, const char* TOT_CREDITO, const char* TOT_DEBITO) {
  return Escreve_Registro("1600", " REGISTRO 1600", 113, [&](Registro& r) {
    r.texto(COD_PART, 60,
            "Código do participante (campo 02 do Registro 0150): identificação da administradora do cartão de "
            "débito/crédito");
    r.numero(TOT_CREDITO, 255, "Valor total das operações realizadas no período referente a  Cartão de Crédito");
    r.numero(TOT_DEBITO, 255, "Valor total das operações realizadas no período referente a Cartão de Débito");
  });
}

}  // extern "C"
