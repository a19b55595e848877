// Block C: the goods fiscal document and the records that complement it.
#include "records/registro.h"

using namespace quillbook;

extern "C" {

// C100: goods fiscal document. Its dates are captured but not tested: one
// that cannot be read is written as an empty field.
QB_API int32_t QB_CALL RegistroC100(const char* IND_OPER, const char* IND_EMIT, const char* COD_PART,
                                    const char* COD_MOD, const char* COD_SIT, const char* SER, const char* NUM_DOC,
                                    const char* CHV_NFE, const char* DT_DOC, const char* DT_E_S, const char* VL_DOC,
                                    const char* IND_PGTO, const char* VL_DESC, const char* VL_ABAT_NT,
                                    const char* VL_MERC, const char* IND_FRT, const char* VL_FRT, const char* VL_SEG,
                                    const char* VL_OUT_DA, const char* VL_BC_ICMS, const char* VL_ICMS,
                                    const char* VL_BC_ICMS_ST, const char* VL_ICMS_ST, const char* VL_IPI,
                                    const char* VL_PIS, const char* VL_COFINS, const char* VL_PIS_ST,
                                    const char* VL_COFINS_ST) {
  return Escreve_Registro("C100", " REGISTRO C100", 81, [&](Registro& r) {
    const auto& ind_oper = r.texto(IND_OPER, 1, "Indicador do tipo de operação:");
    const auto& ind_emit = r.texto(IND_EMIT, 1, "Indicador do emitente do documento fiscal:");
    r.texto(COD_PART, 60, "Código do participante (campo 02 do Registro 0150):");
    const auto& cod_mod = r.texto(COD_MOD, 2, "Código do modelo do documento fiscal, conforme a Tabela 4.1.1");
    r.numero(COD_SIT, 2, "Código da situação do documento fiscal, conforme a Tabela 4.1.2");
    r.texto(SER, 3, "Série do documento fiscal");
    r.numero(NUM_DOC, 9, "Número do documento fiscal");
    r.numero(CHV_NFE, 44, "Chave da Nota Fiscal Eletrônica");
    r.data(DT_DOC, "Data da emissão do documento fiscal");
    r.data(DT_E_S, "Data da entrada ou da saída");
    r.numero(VL_DOC, 255, "Valor total do documento fiscal");
    const auto& ind_pgto = r.texto(IND_PGTO, 1, "Indicador do tipo de pagamento:");
    r.numero(VL_DESC, 255, "Valor total do desconto");
    r.numero(VL_ABAT_NT, 255, "Abatimento não tributado e não comercial Ex. desconto ICMS nas remessas para ZFM:");
    r.numero(VL_MERC, 255, "Valor total das mercadorias e serviços");
    const auto& ind_frt = r.texto(IND_FRT, 1, "Indicador do tipo do frete:");
    r.numero(VL_FRT, 255, "Valor do frete indicado no documento fiscal");
    r.numero(VL_SEG, 255, "Valor do seguro indicado no documento fiscal");
    r.numero(VL_OUT_DA, 255, "Valor de outras despesas acessórias");
    r.numero(VL_BC_ICMS, 255, "Valor da base de cálculo do ICMS");
    r.numero(VL_ICMS, 255, "Valor do ICMS");
    r.numero(VL_BC_ICMS_ST, 255, "Valor da base de cálculo do ICMS substituição tributária");
    r.numero(VL_ICMS_ST, 255, "Valor do ICMS retido por substituição tributária");
    r.numero(VL_IPI, 255, "Valor total do IPI");
    r.numero(VL_PIS, 255, "Valor total do PIS");
    r.numero(VL_COFINS, 255, "Valor total da COFINS");
    r.numero(VL_PIS_ST, 255, "Valor total do PIS retido por substituição tributária");
    r.numero(VL_COFINS_ST, 255, "Valor total da COFINS retido por substituição tributária");
    r.valida(vInd_emitente_documento_fiscal, ind_emit, "-3   Indicador do emitente do documento fiscal : ");
    r.valida(vInd_tipo_frete, ind_frt, "-4   Indicador do tipo de frete invaido : ");
    r.valida(vIND_OPER, ind_oper, "-5   Indicador do tipo de operação: ");
    r.valida(vIND_PGTO, ind_pgto, "-6   Indicador do tipo de pagamento: ");
    r.valida(vCod_modelo_documento_fiscal_4_1_1, cod_mod,
             "-7   Codigo do domodelo do documento fiscal 4.1.1 inválido: ");
  });
}

// C110: complementary information of the document
QB_API int32_t QB_CALL RegistroC110(const char* COD_INF, const char* TXT_COMPL) {
  return Escreve_Registro("C110", " REGISTRO C110", 91, [&](Registro& r) {
    r.texto(COD_INF, 6, "Código   da   informação   complementar   do documento fiscal (campo 02 do Registro 0450)");
    r.texto(TXT_COMPL, 255, "Descrição complementar do código de referência.");
  });
}

// C111: process referenced by the document
QB_API int32_t QB_CALL RegistroC111(const char* NUM_PROC, const char* IND_PROC) {
  return Escreve_Registro("C111", " REGISTRO C111", 46, [&](Registro& r) {
    r.texto(NUM_PROC, 15, "Identificação do processo ou ato concessório");
    const auto& ind_proc = r.texto(IND_PROC, 1, "Indicador da origem do processo:");
    r.valida(vInd_origem, ind_proc, "-1   Indicador da origem do processo: ");
  });
}

// C112: collection document referenced by the document
QB_API int32_t QB_CALL RegistroC112(const char* COD_DA, const char* UF, const char* NUM_DA, const char* COD_AUT,
                                    const char* VL_DA, const char* DT_VCTO, const char* DT_PGTO) {
  return Escreve_Registro("C112", " REGISTRO C112", 110, [&](Registro& r) {
    r.texto(COD_DA, 1, "Código do modelo do documento de arrecadação :");
    const auto& uf = r.texto(UF, 2, "Unidade federada beneficiária do recolhimento");
    r.texto(NUM_DA, 255, "Número do documento de arrecadação");
    r.texto(COD_AUT, 255, "Código completo da autenticação bancária");
    r.numero(VL_DA, 255,
             "Valor do total do documento de arrecadação (principal, atualização monetária, juros e multa)");
    const auto& dt_vcto = r.data(DT_VCTO, "Data de vencimento do documento de arrecadação");
    const auto& dt_pgto = r.data(DT_PGTO,
                                 "Data de pagamento do documento de arrecadação, ou data do vencimento, no caso de "
                                 "ICMS antecipado a recolher.");
    r.valida(vUF, uf, "-2   Unidade da Federação Inválida : ");
    r.valida_data(dt_vcto, "-3   Data Final Inválida (AAAAMMDD) : ");
    r.valida_data(dt_pgto, "-4   Data Final Inválida (AAAAMMDD) : ");
  });
}

// C113: fiscal document referenced by the document. Its date is captured
// but not tested, as in C100.
QB_API int32_t QB_CALL RegistroC113(const char* IND_OPER, const char* IND_EMIT, const char* COD_PART,
                                    const char* COD_MOD, const char* SER, const char* SUB, const char* NUM_DOC,
                                    const char* DT_DOC) {
  return Escreve_Registro("C113", " REGISTRO C113", 91, [&](Registro& r) {
    const auto& ind_oper =
        r.texto(IND_OPER, 1, "Indicador do tipo de operação: 0- Entrada/aquisição; 1- Saída/prestação;");
    const auto& ind_emit = r.texto(IND_EMIT, 1, "Indicador do emitente do título: 0- Emissão própria; 1- Terceiros");
    r.texto(COD_PART, 60, "Código do participante emitente (campo 02 do Registro 0150)  do documento referenciado.");
    const auto& cod_mod = r.texto(COD_MOD, 2, "Código do documento fiscal, conforme a Tabela 4.1.1");
    r.texto(SER, 4, "Série do documento fiscal");
    r.numero(SUB, 3, "Subsérie do documento fiscal");
    r.numero(NUM_DOC, 9, "Número do documento fiscal");
    r.data(DT_DOC, "Data da emissão do documento fiscal.");
    r.valida(vIND_OPER, ind_oper, "-2   Indicador do tipo de operação: ");
    r.valida(vInd_emitente_documento_fiscal, ind_emit, "-3   Indicador do emitente do documento fiscal : ");
    r.valida(vCod_modelo_documento_fiscal_4_1_1, cod_mod,
             "-4   Codigo do domodelo do documento fiscal 4.1.1 inválido: ");
  });
}

// C114: fiscal coupon referenced by the document
QB_API int32_t QB_CALL RegistroC114(const char* COD_MOD, const char* ECF_FAB, const char* ECF_CX, const char* NUM_DOC,
                                    const char* DT_DOC) {
  return Escreve_Registro("C114", " REGISTRO C114", 83, [&](Registro& r) {
    const auto& cod_mod =
        r.texto(COD_MOD, 2, "Código do modelo do documento fiscal, conforme a tabela indicada no item 4.1.1");
    r.texto(ECF_FAB, 20, "Número de série de fabricação do ECF");
    r.numero(ECF_CX, 3, "Número do caixa atribuído ao ECF");
    r.numero(NUM_DOC, 6, "Número do documento fiscal");
    const auto& dt_doc = r.data(DT_DOC, "Data da emissão do documento fiscal");
    r.valida(vCod_modelo_documento_fiscal_4_1_1, cod_mod,
             "-1   Codigo do domodelo do documento fiscal 4.1.1 inválido: ");
    r.valida_data(dt_doc, "-2   Data Final Inválida (AAAAMMDD) : ");
  });
}

// C115: places of collection and delivery. An empty CNPJ passes, since the
// CNPJ test itself accepts one; the delivery place's CPF is tested only when
// it has digits, so a place given by its CNPJ alone is accepted.
QB_API int32_t QB_CALL RegistroC115(const char* IND_CARGA, const char* CNPJ_COL, const char* IE_COL,
                                    const char* CPF_COL, const char* COD_MUN_COL, const char* CNPJ_ENTG,
                                    const char* IE_ENTG, const char* CPF_ENTG, const char* COD_MUN_ENTG) {
  return Escreve_Registro("C115", " REGISTRO C115", 60, [&](Registro& r) {
    const auto& ind_carga = r.numero(IND_CARGA, 1, "Indicador do tipo de transporte:");
    const auto& cnpj_col = r.numero(CNPJ_COL, 14, "Número do CNPJ do contribuinte do local de coleta");
    r.texto(IE_COL, 14, "Inscrição Estadual do contribuinte do local de coleta");
    r.numero(CPF_COL, 11, "CPF do contribuinte do local de coleta das mercadorias.");
    const auto& cod_mun_col = r.numero(COD_MUN_COL, 7, "Código do Município do local de coleta");
    const auto& cnpj_entg = r.numero(CNPJ_ENTG, 14, "Número do CNPJ do contribuinte do local de entrega");
    r.texto(IE_ENTG, 14, "Inscrição Estadual do contribuinte do local de entrega");
    const auto& cpf_entg = r.numero(CPF_ENTG, 11, "Cpf do contribuinte do local de entrega");
    const auto& cod_mun_entg = r.numero(COD_MUN_ENTG, 7, "Código do Município do local de entrega");
    r.cnpj_simples(cnpj_col, "-1   CNPJ Inválido : ");
    r.valida(vCod_Municipio, cod_mun_col, "-3   Código do município do domicílio fiscal Inválido : ");
    r.cnpj_simples(cnpj_entg, "-4   CNPJ ou CPF Inválido : ");
    r.valida(vCod_Municipio, cod_mun_entg, "-6   Código do município do domicílio fiscal Inválido : ");
    r.valida(vInd_tipo_transporte_carga_coletada, ind_carga, "-7   Indicador do tipo de transporte : ");
    r.cpf(cpf_entg, "-8   Número de inscrição no CPF Inválida: ");
  });
}

// C120: import operation
QB_API int32_t QB_CALL RegistroC120(const char* COD_DOC_IMP, const char* NUM_DOC_IMP, const char* PIS_IMP,
                                    const char* COFINS_IMP) {
  return Escreve_Registro("C120", " REGISTRO C120", 44, [&](Registro& r) {
    const auto& cod_doc_imp = r.texto(COD_DOC_IMP, 1, "Documento de importação:");
    r.texto(NUM_DOC_IMP, 10, "Número do documento de Importação.");
    r.numero(PIS_IMP, 255, "Valor pago de PIS na importação");
    r.numero(COFINS_IMP, 255, "Valor pago de COFINS na importação");
    r.valida(vCOD_DOC_IMP, cod_doc_imp, "-1   Documento de importação Inválida: ");
  });
}

// C130: ISSQN, IRRF and social security values of the document
QB_API int32_t QB_CALL RegistroC130(const char* VL_SERV_NT, const char* VL_BC_ISSQN, const char* VL_ISSQN,
                                    const char* VL_BC_IRRF, const char* VL_IRRF, const char* VL_BC_PREV,
                                    const char* VL_PREV) {
  return Escreve_Registro("C130", " REGISTRO C130", 70, [&](Registro& r) {
    r.numero(VL_SERV_NT, 255, "Valor dos serviços sob não-incidência ou não-tributados pelo ICMS");
    r.numero(VL_BC_ISSQN, 255, "Valor da base de cálculo do ISSQN");
    r.numero(VL_ISSQN, 255, "Valor do ISSQN");
    r.numero(VL_BC_IRRF, 255, "Valor da base de cálculo do Imposto de Renda Retido na Fonte");
    r.numero(VL_IRRF, 255, "Valor do Imposto de Renda - Retido na Fonte");
    r.numero(VL_BC_PREV, 255, "Valor da base de cálculo de retenção da Previdência Social");
    r.numero(VL_PREV, 255, "Valor destacado para retenção da Previdência Social");
  });
}

// C140: credit title of the document
QB_API int32_t QB_CALL RegistroC140(const char* IND_EMIT, const char* IND_TIT, const char* DESC_TIT,
                                    const char* NUM_TIT, const char* QTD_PARC, const char* VL_TIT) {
  return Escreve_Registro("C140", " REGISTRO C140", 63, [&](Registro& r) {
    const auto& ind_emit = r.texto(IND_EMIT, 1, "Indicador do emitente do título");
    const auto& ind_tit = r.texto(IND_TIT, 2, "Indicador do tipo de título de crédito:");
    r.texto(DESC_TIT, 255, "Descrição complementar do título de crédito");
    r.texto(NUM_TIT, 255, "Número ou código identificador do título de crédito");
    r.numero(QTD_PARC, 2, "Quantidade de parcelas a receber/pagar");
    r.numero(VL_TIT, 255, "Valor original dos títulos de créditos");
    r.valida(vInd_emitente_titulo, ind_emit, "-2   Indicador do emitente do título Inválido : ");
    r.valida(vInd_tipo_titulo_credito, ind_tit, "-3   Indicador do tipo de título de crédito : ");
  });
}

// C141: instalment of the credit title
QB_API int32_t QB_CALL RegistroC141(const char* NUM_PARC, const char* DT_VCTO, const char* VL_PARC) {
  return Escreve_Registro("C141", " REGISTRO C141", 38, [&](Registro& r) {
    r.numero(NUM_PARC, 2, "Número da parcela a receber/pagar");
    const auto& dt_vcto = r.data(DT_VCTO, "Data de vencimento da parcela");
    r.numero(VL_PARC, 255, "Valor da parcela a receber/pagar");
    r.valida_data(dt_vcto, "-1   Data Final Inválida (AAAAMMDD) : ");
  });
}

}  // extern "C"
