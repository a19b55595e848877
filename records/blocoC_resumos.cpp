// Block C: consumer sales notes summarised per day or issued one by one, and
// fiscal printers with their daily Z reductions.
#include "records/registro.h"

using namespace quillbook;

extern "C" {

// C300: summary of the day of consumer sales notes
QB_API int32_t QB_CALL RegistroC300(const char* COD_MOD, const char* SER, const char* SUB, const char* NUM_DOC_INI,
                                    const char* NUM_DOC_FIN, const char* DT_DOC, const char* VL_DOC, const char* VL_PIS,
                                    const char* VL_COFINS, const char* COD_CTA) {
  return Escreve_Registro("C300", " REGISTRO C300", 64, [&](Registro& r) {
    const auto& cod_mod = r.texto(COD_MOD, 2, "Código do modelo do documento fiscal, conforme a Tabela 4.1.1");
    r.texto(SER, 4, "Série do documento fiscal");
    r.texto(SUB, 3, "Subsérie do documento fiscal");
    r.numero(NUM_DOC_INI, 6, "Número do documento fiscal inicial");
    r.numero(NUM_DOC_FIN, 6, "Número do documento fiscal final");
    const auto& dt_doc = r.data(DT_DOC, "Data da emissão dos documentos fiscais");
    r.numero(VL_DOC, 255, "Valor total dos documentos");
    r.numero(VL_PIS, 255, "Valor total do PIS");
    r.numero(VL_COFINS, 255, "Valor total da COFINS");
    r.texto(COD_CTA, 255, "Código   da   conta   analítica   contábil debitada/creditada");
    r.valida_data(dt_doc, "-1   Data Inválida (DDMMAAAA) :: ");
    r.valida(vCod_modelo_documento_fiscal_4_1_1, cod_mod,
             "-2   Código do modelo do documento fiscal, conforme a Tabela 4.1.1 : ");
  });
}

// C310: number of a cancelled consumer sales note
QB_API int32_t QB_CALL RegistroC310(const char* NUM_DOC_CANC) {
  return Escreve_Registro("C310", " REGISTRO C310", 38,
                          [&](Registro& r) { r.numero(NUM_DOC_CANC, 255, "Número do documento fiscal cancelado"); });
}

// C320: analytical totals of a day summary
QB_API int32_t QB_CALL RegistroC320(const char* CST_ICMS, const char* CFOP, const char* ALIQ_ICMS, const char* VL_OPR,
                                    const char* VL_BC_ICMS, const char* VL_ICMS, const char* VL_RED_BC,
                                    const char* COD_OBS) {
  return Escreve_Registro("C320", " REGISTRO C320", 167, [&](Registro& r) {
    r.numero(CST_ICMS, 3, "Código   da   Situação   Tributária,   conforme   a Tabela indicada no item 4.3.1");
    r.numero(CFOP, 4, "Código Fiscal de Operação e Prestação");
    r.numero(ALIQ_ICMS, 6, "Alíquota do ICMS");
    r.numero(VL_OPR, 255,
             "Valor   total   acumulado   das   operações correspondentes   à   combinação   de  CST_ICMS, CFOP e "
             "alíquota do ICMS, incluídas as despesas acessórias e acréscimos.");
    r.numero(
        VL_BC_ICMS, 255,
        "Valor  acumulado da base de cálculo do  ICMS, referente à combinação de CST_ICMS, CFOP, e alíquota do ICMS.");
    r.numero(VL_ICMS, 255,
             "Valor   acumulado   do   ICMS,   referente   à combinação de CST_ICMS, CFOP e alíquota do ICMS.");
    r.numero(VL_RED_BC, 255,
             "Valor   não   tributado   em  função   da   redução   da base de cálculo do ICMS, referente à combinação "
             "de CST_ICMS, CFOP, e alíquota do ICMS.");
    r.texto(COD_OBS, 6, "Código   da   observação   do   lançamento   fiscal (campo 02 do Registro 0460)");
  });
}

// C321: items of the analytical totals of a day summary
QB_API int32_t QB_CALL RegistroC321(const char* COD_ITEM, const char* QTD, const char* UNID, const char* VL_ITEM,
                                    const char* VL_DESC, const char* VL_BC_ICMS, const char* VL_ICMS,
                                    const char* VL_PIS, const char* VL_COFINS) {
  return Escreve_Registro("C321", " REGISTRO C321", 94, [&](Registro& r) {
    r.texto(COD_ITEM, 60, "Código do item (campo 02 do Registro 0200)");
    r.numero(QTD, 255, "Quantidade acumulada do item");
    r.texto(UNID, 6, "Unidade do item (Campo 02 do registro 0190)");
    r.numero(VL_ITEM, 255, "Valor acumulado do item");
    r.numero(VL_DESC, 255, "Valor do desconto acumulado");
    r.numero(VL_BC_ICMS, 255, "Valor acumulado da base de cálculo do ICMS");
    r.numero(VL_ICMS, 255, "Valor acumulado do ICMS debitado");
    r.numero(VL_PIS, 255, "Valor acumulado do PIS");
    r.numero(VL_COFINS, 255, "Valor acumulado da COFINS");
  });
}

// C350: consumer sales note
QB_API int32_t QB_CALL RegistroC350(const char* SER, const char* SUB_SER, const char* NUM_DOC, const char* DT_DOC,
                                    const char* CNPJ_CPF, const char* VL_MERC, const char* VL_DOC, const char* VL_DESC,
                                    const char* VL_PIS, const char* VL_COFINS, const char* COD_CTA) {
  return Escreve_Registro("C350", " REGISTRO C350", 94, [&](Registro& r) {
    r.texto(SER, 2, "Série do documento fiscal");
    r.texto(SUB_SER, 255, "Subsérie do documento fiscal");
    r.texto(NUM_DOC, 255, "Número do documento fiscal");
    const auto& dt_doc = r.data(DT_DOC, "Data da emissão do documento fiscal");
    const auto& cnpj_cpf = r.numero(CNPJ_CPF, 14, "CNPJ ou CPF do destinatário");
    r.numero(VL_MERC, 255, "Valor das mercadorias constantes no documento fiscal");
    r.numero(VL_DOC, 255, "Valor total do documento fiscal");
    r.numero(VL_DESC, 255, "Valor total do desconto");
    r.numero(VL_PIS, 255, "Valor total do PIS");
    r.numero(VL_COFINS, 255, "Valor total da COFINS");
    r.texto(COD_CTA, 255, "Código da conta analítica contábil debitada/creditada");
    r.cnpj_ou_cpf(cnpj_cpf, "-1   CNPJ ou CPF Inválido : ");
    r.valida_data(dt_doc, "-2   Data Final Inválida (AAAAMMDD) : ");
  });
}

// C370: item of a consumer sales note
QB_API int32_t QB_CALL RegistroC370(const char* NUM_ITEM, const char* COD_ITEM, const char* QTD, const char* UNID,
                                    const char* VL_ITEM, const char* VL_DESC) {
  return Escreve_Registro("C370", " REGISTRO C370", 94, [&](Registro& r) {
    r.numero(NUM_ITEM, 3, "Número seqüencial do item no documento fiscal");
    r.texto(COD_ITEM, 60, "Código do Item (campo 02 do registro 0200)");
    r.numero(QTD, 255, "Quantidade do item");
    r.texto(UNID, 6, "Unidade do item (campo 02 do registro 0190)");
    r.numero(VL_ITEM, 255, "Valor total do item");
    r.numero(VL_DESC, 255, "Valor total do desconto no item");
  });
}

// C390: analytical totals of a consumer sales note
QB_API int32_t QB_CALL RegistroC390(const char* CST_ICMS, const char* CFOP, const char* ALIQ_ICMS, const char* VL_OPR,
                                    const char* VL_BC_ICMS, const char* VL_ICMS, const char* VL_RED_BC,
                                    const char* COD_OBS) {
  return Escreve_Registro("C390", " REGISTRO C390", 151, [&](Registro& r) {
    r.numero(CST_ICMS, 3, "Código da Situação Tributária, conforme a Tabela indicada no item 4.3.1");
    const auto& cfop = r.numero(CFOP, 4, "Código Fiscal de Operação e Prestação");
    r.numero(ALIQ_ICMS, 6, "Alíquota do ICMS");
    r.numero(VL_OPR, 255,
             "Valor total acumulado das operações correspondentes à combinação de CST_ICMS, CFOP e alíquota do ICMS, "
             "incluídas as despesas acessórias e acréscimos.");
    r.numero(
        VL_BC_ICMS, 255,
        "Valor acumulado da base de cálculo do ICMS, referente à combinação de CST_ICMS, CFOP, e alíquota do ICMS.");
    r.numero(VL_ICMS, 255, "Valor acumulado do ICMS, referente à combinação de CST_ICMS, CFOP e alíquota do ICMS.");
    r.numero(VL_RED_BC, 255,
             "Valor não tributado em função da redução da base de cálculo do ICMS, referente à combinação de CST_ICMS, "
             "CFOP, e alíquota do ICMS.");
    r.texto(COD_OBS, 6, "Código da observação do lançamento fiscal (campo 02 do Registro 0460)");
    r.valida(vCOD_CFOP, cfop, "-1   Numero de CFOP inválido: ");
  });
}

// C400: fiscal printer
QB_API int32_t QB_CALL RegistroC400(const char* COD_MOD, const char* ECF_MOD, const char* ECF_FAB, const char* ECF_CX) {
  return Escreve_Registro("C400", " REGISTRO C400", 73, [&](Registro& r) {
    const auto& cod_mod =
        r.texto(COD_MOD, 2, "Código   do   modelo   do   documento   fiscal, conforme a Tabela 4.1.1");
    r.texto(ECF_MOD, 20, "Modelo do equipamento");
    r.texto(ECF_FAB, 20, "Número de série de fabricação do ECF");
    r.numero(ECF_CX, 3, "Número do caixa atribuído ao ECF");
    r.valida(vCod_modelo_documento_fiscal_4_1_1, cod_mod,
             "-1   Codigo do domodelo do documento fiscal 4.1.1 inválido: ");
  });
}

// C405: daily Z reduction of a fiscal printer
QB_API int32_t QB_CALL RegistroC405(const char* DT_DOC, const char* CRO, const char* CRZ, const char* NUM_COO_FIN,
                                    const char* GT_FIN, const char* VL_BRT) {
  return Escreve_Registro("C405", " REGISTRO C405", 106, [&](Registro& r) {
    const auto& dt_doc = r.data(DT_DOC, "Data do movimento a que se refere a Redução Z");
    r.numero(CRO, 3, "Posição do Contador de Reinício de Operação");
    r.numero(CRZ, 6, "Posição do Contador de Redução Z");
    r.numero(
        NUM_COO_FIN, 6,
        "Número do Contador de Ordem de Operação do último documento emitido no dia. (Número do COO na Redução Z)");
    r.largura(101);
    r.numero(GT_FIN, 255, "Valor do Grande Total final");
    r.largura(94);
    r.numero(VL_BRT, 255, "Valor da venda bruta");
    r.valida_data(dt_doc, "-1   Data Inválida (DDMMAAAA) :: ");
  });
}

// C410: PIS and COFINS of a Z reduction
QB_API int32_t QB_CALL RegistroC410(const char* VL_PIS, const char* VL_COFINS) {
  return Escreve_Registro("C410", " REGISTRO C410", 151, [&](Registro& r) {
    r.numero(VL_PIS, 255, "Valor total do PIS");
    r.numero(VL_COFINS, 255, "Valor total da COFINS");
  });
}

// C420: partial totaliser of a Z reduction
QB_API int32_t QB_CALL RegistroC420(const char* COD_TOT_PAR, const char* VLR_ACUM_TOT, const char* NR_TOT,
                                    const char* DESCR_NR_TOT) {
  return Escreve_Registro("C420", " REGISTRO C420", 130, [&](Registro& r) {
    r.texto(COD_TOT_PAR, 7, "Código do totalizador, conforme Tabela 4.4.6");
    r.numero(VLR_ACUM_TOT, 255, "Valor acumulado no totalizador, relativo à respectiva Redução Z.");
    r.numero(NR_TOT, 2,
             "Número do totalizador quando ocorrer mais de uma situação com a mesma carga tributária efetiva.");
    r.texto(DESCR_NR_TOT, 255,
            "Descrição da situação tributária relativa ao totalizador parcial, quando houver mais de um com a mesma "
            "carga tributária efetiva.");
  });
}

// C425: item summary of a partial totaliser
QB_API int32_t QB_CALL RegistroC425(const char* COD_ITEM, const char* QTD, const char* UNID, const char* VL_ITEM,
                                    const char* VL_BC_ICMS, const char* VL_ICMS) {
  return Escreve_Registro("C425", " REGISTRO C425", 43, [&](Registro& r) {
    r.texto(COD_ITEM, 60, "Código do item (campo 02 do Registro 0200):");
    r.numero(QTD, 255, "Quantidade acumulada do item:");
    r.texto(UNID, 6, "Unidade do item:");
    r.numero(VL_ITEM, 255, "Valor acumulado do item:");
    r.numero(VL_BC_ICMS, 255, "Valor acumulado da base de cálculo do ICMS:");
    r.numero(VL_ICMS, 255, "Valor acumulado do ICMS:");
  });
}

// C460: document issued by a fiscal printer. Its date is taken as a
// number: the digits passed are written as they stand, untested.
QB_API int32_t QB_CALL RegistroC460(const char* COD_MOD, const char* COD_SIT, const char* NUM_DOC, const char* DT_DOC,
                                    const char* VL_DOC, const char* VL_PIS, const char* VL_COFINS, const char* CPF_CNPJ,
                                    const char* NOM_ADQ) {
  return Escreve_Registro("C460", " REGISTRO C460", 130, [&](Registro& r) {
    const auto& cod_mod =
        r.texto(COD_MOD, 2, "Código   do   modelo   do   documento   fiscal, conforme a Tabela 4.1.1");
    r.numero(COD_SIT, 2, "Código   da   situação   do   documento   fiscal, conforme a Tabela 4.1.2");
    r.numero(NUM_DOC, 6, "Número do documento fiscal (COO)");
    r.numero(DT_DOC, 8, "Data da emissão do documento fiscal");
    r.numero(VL_DOC, 255, "Valor total do documento fiscal");
    r.numero(VL_PIS, 255, "Valor do PIS");
    r.numero(VL_COFINS, 255, "Valor da COFINS");
    const auto& cpf_cnpj = r.numero(CPF_CNPJ, 14, "CPF ou CNPJ do adquirente");
    r.texto(NOM_ADQ, 60, "Nome do adquirente");
    r.cnpj_ou_cpf(cpf_cnpj, "-1   CPF ou CNPJ do adquirente inválido : ");
    r.valida(vCod_modelo_documento_fiscal_4_1_1, cod_mod, "-2   Codigo do modelo do documento fiscal 4.1.1 inválido: ");
  });
}

// C470: item of a fiscal printer document
QB_API int32_t QB_CALL RegistroC470(const char* COD_ITEM, const char* QTD, const char* QTD_CANC, const char* UNID,
                                    const char* VL_ITEM, const char* CST_ICMS, const char* CFOP, const char* ALIQ_ICMS,
                                    const char* VL_PIS, const char* VL_COFINS) {
  return Escreve_Registro("C470", " REGISTRO C470", 130, [&](Registro& r) {
    r.texto(COD_ITEM, 60, "Código do item (campo 02 do Registro 0200)");
    r.numero(QTD, 255, "Quantidade do item");
    r.numero(QTD_CANC, 255, "Quantidade cancelada,  no caso de cancelamento parcial de item");
    r.texto(UNID, 6, "Unidade do item (Campo 02 do registro 0190)");
    r.numero(VL_ITEM, 255, "Valor total do item");
    r.numero(CST_ICMS, 3, "Código da Situação Tributária, conforme a Tabela indicada no item 4.3.1.");
    const auto& cfop = r.numero(CFOP, 4, "Código Fiscal de Operação e Prestação");
    r.numero(ALIQ_ICMS, 6, "Alíquota do ICMS - Carga tributária efetiva em percentual");
    r.numero(VL_PIS, 255, "Valor do PIS");
    r.numero(VL_COFINS, 255, "Valor da COFINS");
    r.valida(vCOD_CFOP, cfop, "-1   Código Fiscal de Operação e Prestação inválido: ");
  });
}

// C490: analytical totals of the day of a fiscal printer
QB_API int32_t QB_CALL RegistroC490(const char* CST_ICMS, const char* CFOP, const char* ALIQ_ICMS, const char* VL_OPR,
                                    const char* VL_BC_ICMS, const char* VL_ICMS, const char* COD_OBS) {
  return Escreve_Registro("C490", " REGISTRO C490", 151, [&](Registro& r) {
    r.numero(CST_ICMS, 3, "Código da Situação Tributária, conforme a Tabela indicada no item 4.3.1");
    const auto& cfop = r.numero(CFOP, 4, "Código Fiscal de Operação e Prestação");
    r.numero(ALIQ_ICMS, 6, "Alíquota do ICMS");
    r.numero(VL_OPR, 255,
             "Valor da operação correspondente à combinação de CST_ICMS, CFOP, e alíquota do ICMS, incluídas as "
             "despesas acessórias e acréscimos");
    r.numero(
        VL_BC_ICMS, 255,
        "Valor acumulado da base de cálculo do ICMS, referente à combinação de CST_ICMS, CFOP, e alíquota do ICMS.");
    r.numero(VL_ICMS, 255, "Valor acumulado do ICMS, referente à combinação de CST_ICMS, CFOP e alíquota do ICMS.");
    r.texto(COD_OBS, 6, "Código da observação do lançamento fiscal (campo 02 do Registro 0460)");
    r.valida(vCOD_CFOP, cfop, "-1   Código Fiscal de Operação e Prestação inválido: ");
  });
}

// C495: item summary of the day by ICMS rate
QB_API int32_t QB_CALL RegistroC495(const char* ALIQ_ICMS, const char* COD_ITEM, const char* QTD, const char* QTD_CANC,
                                    const char* UNID, const char* VL_ITEM, const char* VL_DESC, const char* VL_CANC,
                                    const char* VL_ACMO, const char* VL_BC_ICMS, const char* VL_ICMS,
                                    const char* VL_ISEN, const char* VL_NT, const char* VL_ICMS_ST) {
  return Escreve_Registro("C495", " REGISTRO C495", 151, [&](Registro& r) {
    r.numero(ALIQ_ICMS, 255, "Alíquota do ICMS");
    r.texto(COD_ITEM, 60, "Código do item (campo 02 do Registro 0200)");
    r.numero(QTD, 255, "Quantidade acumulada do item");
    r.numero(QTD_CANC, 255, "Quantidade cancelada acumulada, no caso de cancelamento parcial de item");
    r.texto(UNID, 6, "Unidade do item  (Campo 02 do registro 0190)");
    r.numero(VL_ITEM, 255, "Valor acumulado do item");
    r.numero(VL_DESC, 255, "Valor acumulado dos descontos");
    r.numero(VL_CANC, 255, "Valor acumulado dos cancelamentos");
    r.numero(VL_ACMO, 255, "Valor acumulado dos acréscimos");
    r.numero(VL_BC_ICMS, 255, "Valor acumulado da base de cálculo do ICMS");
    r.numero(VL_ICMS, 255, "Valor acumulado do ICMS");
    r.numero(VL_ISEN, 255, "Valor das saídas isentas do ICMS");
    r.numero(VL_NT, 255, "Valor das saídas sob não-incidência ou não-tributadas pelo ICMS");
    r.numero(VL_ICMS_ST, 255, "Valor das saídas de mercadorias adquiridas com substituição tributária do ICMS");
  });
}

}  // extern "C"
