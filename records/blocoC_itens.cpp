// Block C: the transport, the items and the totals of a goods document.
#include "records/registro.h"

using namespace quillbook;

extern "C" {

// C160: carrier volumes
QB_API int32_t QB_CALL RegistroC160(const char* COD_PART, const char* VEIC_ID, const char* QTD_VOL,
                                    const char* PESO_BRT, const char* PESO_LIQ, const char* UF_ID) {
  return Escreve_Registro("C160", " REGISTRO C160", 56, [&](Registro& r) {
    r.texto(COD_PART, 60, "Código do participante (campo 02 do Registro 0150):");
    r.texto(VEIC_ID, 7, "Placa de identificação do veículo");
    r.numero(QTD_VOL, 255, "Quantidade de volumes transportados");
    r.numero(PESO_BRT, 255, "Peso bruto dos volumes transportados (em Kg)");
    r.numero(PESO_LIQ, 255, "Peso líquido dos volumes transportados (em Kg)");
    const auto& uf_id = r.texto(UF_ID, 2, "Sigla da UF da placa do veículo");
    r.valida(vUF, uf_id, "-1   Sigla da UF da placa do veículo : ");
  });
}

// C165: fuel transport. The driver's CPF must be given: an empty one fails.
QB_API int32_t QB_CALL RegistroC165(const char* COD_PART, const char* VEIC_ID, const char* COD_AUT,
                                    const char* NR_PASSE, const char* HORA, const char* TEMPER, const char* QTD_VOL,
                                    const char* PESO_BRT, const char* PESO_LIQ, const char* NOM_MOT, const char* CPF,
                                    const char* UF_ID) {
  return Escreve_Registro("C165", " REGISTRO C165", 86, [&](Registro& r) {
    r.texto(COD_PART, 60, "Código do participante (campo 02 do Registro 0150):");
    r.texto(VEIC_ID, 7, "Placa de identificação do veículo");
    r.texto(COD_AUT, 255, "Código da autorização fornecido pela SEFAZ (combustíveis)");
    r.texto(NR_PASSE, 255, "Número do Passe Fiscal");
    r.numero(HORA, 6, "Hora da saída das mercadorias");
    r.numero(TEMPER, 255, "Temperatura em graus Celsius utilizada para quantificação do volume de combustível");
    r.numero(QTD_VOL, 255, "Quantidade de volumes transportados");
    r.numero(PESO_BRT, 255, "Peso bruto dos volumes transportados (em Kg)");
    r.numero(PESO_LIQ, 255, "Peso líquido dos volumes transportados (em Kg)");
    r.texto(NOM_MOT, 60, "Nome do motorista");
    const auto& cpf = r.numero(CPF, 11, "CPF do motorista");
    const auto& uf_id = r.texto(UF_ID, 2, "Sigla da UF da placa do veículo");
    r.cpf_simples(cpf, "-1   CPF do motorista incorreto : ");
    r.valida(vUF, uf_id, "-2   Sigla da UF da placa do veículo incorreta : ");
  });
}

// C170: item of the document. The item's total value has a wider caption
// than the rest of the record.
QB_API int32_t QB_CALL RegistroC170(
    const char* NUM_ITEM, const char* COD_ITEM, const char* DESCR_COMPL, const char* QTD, const char* UNID,
    const char* VL_ITEM, const char* VL_DESC, const char* IND_MOV, const char* CST_ICMS, const char* CFOP,
    const char* COD_NAT, const char* VL_BC_ICMS, const char* ALIQ_ICMS, const char* VL_ICMS, const char* VL_BC_ICMS_ST,
    const char* ALIQ_ST, const char* VL_ICMS_ST, const char* IND_APUR, const char* CST_IPI, const char* COD_ENQ,
    const char* VL_BC_IPI, const char* ALIQ_IPI, const char* VL_IPI, const char* CST_PIS, const char* VL_BC_PIS,
    const char* ALIQ_PIS, const char* QUANT_BC_PIS, const char* ALIQ_PIS_QUANT, const char* VL_PIS,
    const char* CST_COFINS, const char* VL_BC_COFINS, const char* ALIQ_COFINS, const char* QUANT_BC_COFINS,
    const char* ALIQ_COFINS_QUANT, const char* VL_COFINS, const char* COD_CTA) {
  return Escreve_Registro("C170", " REGISTRO C170", 89, [&](Registro& r) {
    r.numero(NUM_ITEM, 3, "Número seqüencial do item no documento fiscal");
    r.texto(COD_ITEM, 60, "Código do item (campo 02 do Registro 0200)");
    r.texto(DESCR_COMPL, 255, "Descrição complementar do item como adotado no documento fiscal");
    r.numero(QTD, 5, "Quantidade do item");
    r.texto(UNID, 6, "Unidade do item(Campo 02 do registro 0190)");
    r.largura(115);
    r.numero(VL_ITEM, 255, "Valor total do item (mercadorias ou serviços)");
    r.largura(89);
    r.numero(VL_DESC, 255, "Valor do desconto comercial");
    const auto& ind_mov = r.texto(IND_MOV, 1, "Movimentação física do ITEM/PRODUTO:");
    r.numero(CST_ICMS, 3, "Código da Situação Tributária referente ao ICMS, conforme a Tabela indicada no item 4.3.1");
    const auto& cfop = r.numero(CFOP, 4, "Código Fiscal de Operação e Prestação");
    r.texto(COD_NAT, 10, "Código da natureza da operação (campo 02 do Registro 0400)");
    r.numero(VL_BC_ICMS, 255, "Valor da base de cálculo do ICMS");
    r.numero(ALIQ_ICMS, 6, "Alíquota do ICMS");
    r.numero(VL_ICMS, 255, "Valor do ICMS creditado/debitado");
    r.numero(VL_BC_ICMS_ST, 255, "Valor da base de cálculo referente à substituição tributária");
    r.numero(ALIQ_ST, 255, "Alíquota do ICMS da substituição tributária na unidade da federação de destino");
    r.numero(VL_ICMS_ST, 255, "Valor do ICMS referente à substituição tributária");
    const auto& ind_apur = r.texto(IND_APUR, 1, "Indicador de período de apuração do IPI:");
    r.texto(CST_IPI, 2, "Código da Situação Tributária referente ao IPI, conforme a Tabela indicada no item 4.3.2.");
    r.texto(COD_ENQ, 3, "Código de enquadramento legal do IPI, conforme tabela indicada no item 4.5.3.");
    r.numero(VL_BC_IPI, 255, "Valor da base de cálculo do IPI");
    r.numero(ALIQ_IPI, 6, "Alíquota do IPI");
    r.numero(VL_IPI, 255, "Valor do IPI creditado/debitado");
    r.numero(CST_PIS, 2, "Código da Situação Tributária referente ao PIS.");
    r.numero(VL_BC_PIS, 255, "Valor da base de cálculo do PIS");
    r.numero(ALIQ_PIS, 255, "Alíquota do PIS (em percentual)");
    r.numero(QUANT_BC_PIS, 255, "Quantidade - Base de cálculo PIS");
    r.numero(ALIQ_PIS_QUANT, 255, "Alíquota do PIS (em reais)");
    r.numero(VL_PIS, 255, "Valor do PIS");
    r.numero(CST_COFINS, 2, "Código da Situação Tributária referente ao COFINS.");
    r.numero(VL_BC_COFINS, 255, "Valor da base de cálculo da COFINS");
    r.numero(ALIQ_COFINS, 6, "Alíquota do COFINS (em percentual)");
    r.numero(QUANT_BC_COFINS, 255, "Quantidade - Base de cálculo COFINS");
    r.numero(ALIQ_COFINS_QUANT, 255, "Alíquota da COFINS (em reais)");
    r.numero(VL_COFINS, 255, "Valor da COFINS");
    r.texto(COD_CTA, 255, "Código da conta analítica contábil debitada/creditada");
    r.valida(vCOD_CFOP, cfop, "-1   Numero de CFOP inválido: ");
    r.valida(vIND_MOV, ind_mov, "-2   Movimentação física do ITEM/PRODUTO:  ");
    r.valida(vIND_APUR, ind_apur, "-3   Indicador de período de apuração do IPI: ");
  });
}

// C171: fuel storage of the item
QB_API int32_t QB_CALL RegistroC171(const char* NUM_TANQUE, const char* QTDE) {
  return Escreve_Registro("C171", " REGISTRO C171", 42, [&](Registro& r) {
    r.texto(NUM_TANQUE, 3, "Tanque onde foi armazenado o combustível");
    r.numero(QTDE, 255, "Quantidade ou volume armazenado");
  });
}

// C172: ISSQN of the item
QB_API int32_t QB_CALL RegistroC172(const char* VL_BC_ISSQN, const char* ALIQ_ISSQN, const char* VL_ISSQN) {
  return Escreve_Registro("C172", " REGISTRO C172", 42, [&](Registro& r) {
    r.numero(VL_BC_ISSQN, 255, "Valor da base de cálculo do ISSQN");
    r.numero(ALIQ_ISSQN, 6, "Alíquota do ISSQN");
    r.numero(VL_ISSQN, 255, "Valor do ISSQN");
  });
}

// C173: medicine of the item
QB_API int32_t QB_CALL RegistroC173(const char* LOTE_MED, const char* QTD_ITEM, const char* DT_FAB, const char* DT_VAL,
                                    const char* IND_MED, const char* TP_PROD, const char* VL_TAB_MAX) {
  return Escreve_Registro("C173", " REGISTRO C173", 90, [&](Registro& r) {
    r.texto(LOTE_MED, 255, "Número do lote de fabricação do medicamento");
    r.numero(QTD_ITEM, 255, "Quantidade de item por lote");
    const auto& dt_fab = r.data(DT_FAB, "Data de fabricação do medicamento");
    const auto& dt_val = r.data(DT_VAL, "Data de expiração da validade do medicamento");
    const auto& ind_med =
        r.texto(IND_MED, 1, "Indicador de tipo de referência da base de cálculo do ICMS (ST) do produto farmacêutico:");
    const auto& tp_prod = r.texto(TP_PROD, 1, "Tipo de produto:");
    r.numero(VL_TAB_MAX, 255, "Valor do preço tabelado ou valor do preço máximo");
    r.valida(vInd_tipo_referencia_base, ind_med, "-1   Indicador do tipo de referencia de base inválido : ");
    r.valida_data(dt_fab, "-2   Data Final Inválida (AAAAMMDD) : ");
    r.valida_data(dt_val, "-3   Data Final Inválida (AAAAMMDD) : ");
    r.valida(vTP_PROD, tp_prod, "-4   Tipo de produto inválido :");
  });
}

// C174: firearm of the item
QB_API int32_t QB_CALL RegistroC174(const char* IND_ARM, const char* NUM_ARM, const char* DESCR_COMPL) {
  return Escreve_Registro("C174", " REGISTRO C174", 253, [&](Registro& r) {
    const auto& ind_arm = r.texto(IND_ARM, 1, "Indicador do tipo da arma de fogo:");
    r.texto(NUM_ARM, 255, "Numeração de série de fabricação da arma");
    r.texto(DESCR_COMPL, 255,
            "Descrição da arma, compreendendo: número do cano, calibre, marca, capacidade de cartuchos, tipo de "
            "funcionamento, quantidade de canos, comprimento, tipo de alma, quantidade e sentido das raias e demais "
            "elementos que permitam sua perfeita identificação");
    r.valida(vIND_ARM, ind_arm, "-1   Indicador do tipo da arma de fogo inválido ");
  });
}

// C175: new vehicle operation
QB_API int32_t QB_CALL RegistroC175(const char* IND_VEIC_OPER, const char* CNPJ, const char* UF,
                                    const char* CHASSI_VEIC) {
  return Escreve_Registro("C175", " REGISTRO C175", 253, [&](Registro& r) {
    const auto& ind_veic_oper = r.texto(IND_VEIC_OPER, 1, "Indicador do tipo de operação com veículo:");
    const auto& cnpj = r.numero(CNPJ, 14, "CNPJ da Concessionária");
    const auto& uf = r.texto(UF, 2, "Sigla da unidade da federação da Concessionária");
    r.texto(CHASSI_VEIC, 17, "Chassi do veículo");
    r.cnpj(cnpj, "-1   CNPJ ou CPF Inválido : ");
    r.valida(vUF, uf, "-2   Sigla da UF da placa do veículo incorreta : ");
    r.valida(vIND_VEIC_OPER, ind_veic_oper, "-3   Indicador do tipo de operação com veículo: ");
  });
}

// C176: reimbursement of ICMS withheld by tax substitution
QB_API int32_t QB_CALL RegistroC176(const char* COD_MOD_ULT_E, const char* NUM_DOC_ULT_E, const char* SER_ULT_E,
                                    const char* DT_ULT_E, const char* COD_PART_ULT_E, const char* QUANT_ULT_E,
                                    const char* VL_UNIT_ULT_E, const char* VL_UNIT_BC_ST) {
  return Escreve_Registro("C176", " REGISTRO C176", 253, [&](Registro& r) {
    const auto& cod_mod_ult_e =
        r.texto(COD_MOD_ULT_E, 2, "Código do modelo do documento fiscal relativa a última entrada");
    r.numero(NUM_DOC_ULT_E, 9, "Número do documento fiscal relativa a última entrada");
    r.texto(SER_ULT_E, 3, "Série do documento fiscal relativa a última entrada");
    const auto& dt_ult_e = r.data(DT_ULT_E, "Data relativa a última entrada da mercadoria");
    r.texto(COD_PART_ULT_E, 60, "Código do participante (do emitente do documento relativa a última entrada)");
    r.numero(QUANT_ULT_E, 255, "Quantidade do item relativa a última entrada");
    r.numero(VL_UNIT_ULT_E, 255,
             "Valor unitário da mercadoria constante na NF relativa a última entrada inclusive despesas acessórias.");
    r.numero(VL_UNIT_BC_ST, 255, "Valor unitário da base de cálculo do imposto pago por substituição.");
    r.valida(vCod_modelo_documento_fiscal_4_1_1, cod_mod_ult_e,
             "-1   Código do modelo do documento fiscal 4.1.1 inválido : ");
    r.valida_data(dt_ult_e, "-2   Data Final Inválida (AAAAMMDD) : ");
  });
}

// C177: IPI control stamp
QB_API int32_t QB_CALL RegistroC177(const char* COD_SELO_IPI, const char* QT_SELO_IPI) {
  return Escreve_Registro("C177", " REGISTRO C177", 253, [&](Registro& r) {
    r.texto(COD_SELO_IPI, 6, "Código do selo de controle do IPI, conforme Tabela 4.5.2");
    r.numero(QT_SELO_IPI, 12, "Quantidade de selo de controle do IPI aplicada");
  });
}

// C178: IPI framework class
QB_API int32_t QB_CALL RegistroC178(const char* CL_ENQ, const char* VL_UNID, const char* QUANT_PAD) {
  return Escreve_Registro("C178", " REGISTRO C178", 253, [&](Registro& r) {
    r.texto(CL_ENQ, 5, "Código da classe de enquadramento do IPI, conforme Tabela 4.5.1.");
    r.numero(VL_UNID, 255, "Valor por unidade padrão de tributação");
    r.numero(QUANT_PAD, 255, "Quantidade total de produtos na unidade padrão de tributação");
  });
}

// C179: tax-substitution values of the item
QB_API int32_t QB_CALL RegistroC179(const char* BC_ST_ORIG_DEST, const char* ICMS_ST_REP, const char* ICMS_ST_COMPL,
                                    const char* BC_RET, const char* ICMS_RET) {
  return Escreve_Registro("C179", " REGISTRO C179", 86, [&](Registro& r) {
    r.numero(BC_ST_ORIG_DEST, 255, "Valor da base de cálculo ST na origem/destino e");
    r.numero(ICMS_ST_REP, 255, "Valor do ICMS-ST a repassar/deduzir em operaçõe");
    r.numero(ICMS_ST_COMPL, 255, "Valor do ICMS-ST a complementar à UF de destino");
    r.numero(BC_RET, 255, "Valor da BC de retenção em remessa promovida por Substituído intermediário");
    r.numero(ICMS_RET, 255, "Valor da parcela do imposto retido em remessa promovida por substituído intermediário");
  });
}

// C190: analytical totals of the document
QB_API int32_t QB_CALL RegistroC190(const char* CST_ICMS, const char* CFOP, const char* ALIQ_ICMS, const char* VL_OPR,
                                    const char* VL_BC_ICMS, const char* VL_ICMS, const char* VL_BC_ICMS_ST,
                                    const char* VL_ICMS_ST, const char* VL_RED_BC, const char* VL_IPI) {
  return Escreve_Registro("C190", " REGISTRO C190", 130, [&](Registro& r) {
    r.numero(CST_ICMS, 3, "Código da Situação Tributária, conforme a Tabela indicada no item 4.3.1");
    const auto& cfop = r.numero(CFOP, 4, "Código Fiscal de Operação e Prestação do agrupamento de itens");
    r.numero(ALIQ_ICMS, 6, "Alíquota do ICMS");
    r.numero(VL_OPR, 255,
             "Valor operação correspondente combinação de CST_ICMS, CFOP, e alíquota do ICMS, + despesas acessórias "
             "(frete, seguros etc) e IPI");
    r.numero(VL_BC_ICMS, 255,
             "Parcela \"Valor da base de cálculo do ICMS\" referente à combinação de CST_ICMS, CFOP e alíquota do "
             "ICMS.");
    r.numero(VL_ICMS, 255, "Parcela \"Valor do ICMS\" referente à combinação de CST_ICMS, CFOP e alíquota do ICMS.");
    r.numero(VL_BC_ICMS_ST, 255,
             "Parcela \"Valor da base de cálculo do ICMS\" da substituição tributária referente à combinação de "
             "CST_ICMS, CFOP e alíquota do ICMS.");
    r.numero(VL_ICMS_ST, 255,
             "Parcela valor creditado/debitado do ICMS da substituição tributária, referente à combinação de "
             "CST_ICMS, CFOP, e alíquota do ICMS.");
    r.numero(VL_RED_BC, 255,
             "Valor não tributado em função da redução da base de cálculo do ICMS, referente à combinação de "
             "CST_ICMS, CFOP e alíquota do ICMS.");
    r.numero(VL_IPI, 255,
             "Parcela correspondente ao \"Valor do IPI\" referente à combinação CST_ICMS, CFOP e alíquota do ICMS.");
    r.valida(vCOD_CFOP, cfop, "-1   Numero de CFOP inválido: ");
  });
}

// C195: observation of the fiscal entry
QB_API int32_t QB_CALL RegistroC195(const char* COD_OBS, const char* TXT_COMPL) {
  return Escreve_Registro("C195", " REGISTRO C195", 71, [&](Registro& r) {
    r.texto(COD_OBS, 255, "Código da observação do lançamento fiscal (campo 02 do Registro 0460)");
    r.texto(TXT_COMPL, 255, "Descrição complementar do código de observação.");
  });
}

// C197: adjustment arising from the document
QB_API int32_t QB_CALL RegistroC197(const char* COD_AJ, const char* DESCR_COMPL_AJ, const char* COD_ITEM,
                                    const char* VL_BC_ICMS, const char* ALIQ_ICMS, const char* VL_ICMS,
                                    const char* VL_OUTROS) {
  return Escreve_Registro("C197", " REGISTRO C197", 94, [&](Registro& r) {
    r.texto(COD_AJ, 10, "Código do ajustes/benefício/incentivo, conforme tabela indicada no item 5.3.");
    r.texto(DESCR_COMPL_AJ, 60,
            "Descrição complementar do ajuste da apuração, nos casos em que o código da tabela for “9999”");
    r.texto(COD_ITEM, 255, "Código do item (campo 02 do Registro 0200)");
    r.numero(VL_BC_ICMS, 255, "Base de cálculo do ICMS ou do ICMS ST");
    r.numero(ALIQ_ICMS, 6, "Alíquota do ICMS");
    r.numero(VL_ICMS, 255, "Valor do ICMS ou do ICMS ST");
    r.numero(VL_OUTROS, 255, "Outros valores");
  });
}

}  // extern "C"
