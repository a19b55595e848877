// Block D: transport documents and their complements.
#include "records/registro.h"

using namespace quillbook;

extern "C" {

// D100: transport document
QB_API int32_t QB_CALL RegistroD100(const char* IND_OPER, const char* IND_EMIT, const char* COD_PART,
                                    const char* COD_MOD, const char* COD_SIT, const char* SER, const char* SUB,
                                    const char* NUM_DOC, const char* CHV_CTE, const char* DT_DOC, const char* DT_A_P,
                                    const char* TP_CT_e, const char* CHV_CTE_REF, const char* VL_DOC,
                                    const char* VL_DESC, const char* IND_FRT, const char* VL_SERV,
                                    const char* VL_BC_ICMS, const char* VL_ICMS, const char* VL_NT, const char* COD_INF,
                                    const char* COD_CTA) {
  return Escreve_Registro("D100", " REGISTRO D100", 218, [&](Registro& r) {
    const auto& ind_oper = r.texto(IND_OPER, 1, "Indicador do tipo de operação: 0- Aquisição; 1- Prestação");
    const auto& ind_emit =
        r.texto(IND_EMIT, 1, "Indicador do emitente do documento fiscal: 0- Emissão própria; 1- Terceiros");
    r.texto(COD_PART, 60,
            "Código do participante (campo 02 do Registro 0150): - do prestador de serviço, no caso de aquisição de "
            "serviço; - do tomador do serviço, no caso de prestação de serviços.");
    const auto& cod_mod = r.texto(COD_MOD, 2, "Código do modelo do documento fiscal, conforme a Tabela 4.1.1");
    r.numero(COD_SIT, 2, "Código da situação do documento fiscal, conforme a Tabela 4.1.2");
    r.texto(SER, 4, "Série do documento fiscal");
    r.texto(SUB, 3, "Subsérie do documento fiscal");
    r.numero(NUM_DOC, 9, "Número do documento fiscal");
    r.numero(CHV_CTE, 44, "Chave do Conhecimento de Transporte Eletrônico");
    const auto& dt_doc = r.data(DT_DOC, "Data da emissão do documento fiscal");
    const auto& dt_a_p = r.data(DT_A_P, "Data da aquisição ou da prestação do serviço");
    r.numero(TP_CT_e, 1,
             "Tipo de Conhecimento de Transporte Eletrônico conforme definido no Manual de Integração do CT-e");
    r.numero(CHV_CTE_REF, 44,
             "Chave do CT-e de referência cujos valores foram complementados (opção “1” do campo anterior) ou cujo "
             "débito foi anulado(opção “2” do campo anterior).");
    r.numero(VL_DOC, 255, "Valor total do documento fiscal");
    r.numero(VL_DESC, 255, "Valor total do desconto");
    const auto& ind_frt = r.texto(IND_FRT, 1,
                                  "Indicador do tipo do frete: 0- Por conta de terceiros; 1- Por conta do emitente; 2- "
                                  "Por conta do destinatário; 9- Sem frete");
    r.numero(VL_SERV, 255, "Valor total da prestação de serviço");
    r.numero(VL_BC_ICMS, 255, "Valor da base de cálculo do ICMS");
    r.numero(VL_ICMS, 255, "Valor do ICMS");
    r.numero(VL_NT, 255, "Valor não-tributado");
    r.texto(COD_INF, 6, "Código da informação complementar do documento fiscal (campo 02 do Registro 0450)");
    r.texto(COD_CTA, 255, "Código da conta analítica contábil debitada/creditada");
    r.valida_data(dt_doc, "-1   Data Inicial Inválida (DDMMAAAA) :: ");
    r.valida_data(dt_a_p, "-2   Data Final Inválida (DDMMAAAA) :: ");
    r.valida(vInd_tipo_frete, ind_frt, "-3   Indicador do tipo de frete invaido : ");
    r.valida(vIND_OPER, ind_oper, "-4   Indicador do tipo de operação : ");
    r.valida(vInd_emitente_documento_fiscal, ind_emit, "-5   Indicador do emitente do documento fiscal: ");
    r.valida(vCod_modelo_documento_fiscal_4_1_1, cod_mod, "-6   Codigo do modelo do documento fiscal 4.1.1 inválido: ");
  });
}

// D110: item of a transport service note
QB_API int32_t QB_CALL RegistroD110(const char* NUM_ITEM, const char* COD_ITEM, const char* VL_SERV,
                                    const char* VL_OUT) {
  return Escreve_Registro("D110", " REGISTRO D110", 218, [&](Registro& r) {
    r.numero(NUM_ITEM, 3, "Número seqüencial do item no documento fiscal");
    r.texto(COD_ITEM, 60, "Código do item (campo 02 do Registro 0200)");
    r.numero(VL_SERV, 255, "Valor do serviço");
    r.numero(VL_OUT, 255, "Outros valores");
  });
}

// D120: origin and destination of a transport service note
QB_API int32_t QB_CALL RegistroD120(const char* COD_MUN_ORIG, const char* COD_MUN_DEST, const char* VEIC_ID,
                                    const char* UF_ID) {
  return Escreve_Registro("D120", " REGISTRO D120", 218, [&](Registro& r) {
    r.numero(COD_MUN_ORIG, 7, "Código do município de origem do serviço, conforme a tabela IBGE");
    r.numero(COD_MUN_DEST, 7, "Código do município de destino, conforme a tabela IBGE");
    r.texto(VEIC_ID, 7, "Placa de identificação do veículo");
    r.texto(UF_ID, 2, "Sigla da UF da placa do veículo");
  });
}

// D130: road freight complement
QB_API int32_t QB_CALL RegistroD130(const char* COD_PART_CONSG, const char* COD_PART_RED, const char* IND_FRT_RED,
                                    const char* COD_MUN_ORIG, const char* COD_MUN_DEST, const char* VEIC_ID,
                                    const char* VL_LIQ_FRT, const char* VL_SEC_CAT, const char* VL_DESP,
                                    const char* VL_PEDG, const char* VL_OUT, const char* VL_FRT, const char* UF_ID) {
  return Escreve_Registro("D130", " REGISTRO D130", 151, [&](Registro& r) {
    r.texto(COD_PART_CONSG, 60, "Código do participante (campo 02 do Registro 0150): consignatário, se houver");
    r.texto(COD_PART_RED, 60, "Código do participante (campo 02 do Registro 0150): redespachado, se houver");
    const auto& ind_frt_red = r.texto(IND_FRT_RED, 1, "Indicador do tipo do frete da operação de redespacho:");
    r.numero(COD_MUN_ORIG, 7, "Código do município de origem do serviço, conforme a tabela IBGE");
    r.numero(COD_MUN_DEST, 7, "Código do município de destino, conforme a tabela IBGE");
    r.texto(VEIC_ID, 7, "Placa de identificação do veículo");
    r.numero(VL_LIQ_FRT, 255, "Valor líquido do frete");
    r.numero(VL_SEC_CAT, 255, "Soma de valores de Sec/Cat (serviços de coleta/custo adicional de transporte)");
    r.numero(VL_DESP, 255, "Soma de valores de despacho");
    r.numero(VL_PEDG, 255, "Soma dos valores de pedágio");
    r.numero(VL_OUT, 255, "Outros valores");
    r.numero(VL_FRT, 255, "Valor total do frete");
    const auto& uf_id = r.texto(UF_ID, 2, "Sigla da UF da placa do veículo");
    r.valida(vUF, uf_id, "-1   Unidade da Federação Inválida : ");
    r.valida(vIND_FRT_RED, ind_frt_red, "-2   Indicador do tipo do frete da operação de redespacho: ");
  });
}

// D140: waterway freight complement
QB_API int32_t QB_CALL RegistroD140(const char* COD_PART_CONSG, const char* COD_MUN_ORIG, const char* COD_MUN_DEST,
                                    const char* IND_VEIC, const char* VEIC_ID, const char* IND_NAV, const char* VIAGEM,
                                    const char* VL_FRT_LIQ, const char* VL_DESP_PORT, const char* VL_DESP_CAR_DESC,
                                    const char* VL_OUT, const char* VL_FRT_BRT, const char* VL_FRT_MM) {
  return Escreve_Registro("D140", " REGISTRO D140", 151, [&](Registro& r) {
    r.texto(COD_PART_CONSG, 60, "Código do participante (campo 02 do Registro 0150)- consignatário, se houver");
    r.numero(COD_MUN_ORIG, 7, "Código do município de origem do serviço, conforme a tabela IBGE");
    r.numero(COD_MUN_DEST, 7, "Código do município de destino, conforme a tabela IBGE");
    const auto& ind_veic = r.texto(IND_VEIC, 1, "Indicador do tipo do veículo transportador:");
    r.texto(VEIC_ID, 255, "Identificação da embarcação (IRIM ou Registro CPP)");
    const auto& ind_nav = r.texto(IND_NAV, 1, "Indicador do tipo da navegação:");
    r.numero(VIAGEM, 255, "Número da viagem");
    r.numero(VL_FRT_LIQ, 255, "Valor líquido do frete");
    r.numero(VL_DESP_PORT, 255, "Valor das despesas portuárias");
    r.numero(VL_DESP_CAR_DESC, 255, "Valor das despesas com carga e descarga");
    r.numero(VL_OUT, 255, "Outros valores");
    r.numero(VL_FRT_BRT, 255, "Valor bruto do frete");
    r.numero(VL_FRT_MM, 255, "Valor adicional do frete para renovação da Marinha Mercante");
    r.valida(vInd_tipo_veiculo_transportador, ind_veic, "-1   Indicador do tipo do veículo transportador inválido : ");
    r.valida(vIND_NAV, ind_nav, "-2   Indicador do tipo da navegação inválido: ");
  });
}

// D150: air freight complement
QB_API int32_t QB_CALL RegistroD150(const char* COD_MUN_ORIG, const char* COD_MUN_DEST, const char* VEIC_ID,
                                    const char* VIAGEM, const char* IND_TFA, const char* VL_PESO_TX,
                                    const char* VL_TX_TERR, const char* VL_TX_RED, const char* VL_OUT,
                                    const char* VL_TX_ADV) {
  return Escreve_Registro("D150", " REGISTRO D150", 218, [&](Registro& r) {
    r.numero(COD_MUN_ORIG, 7, "Código do município de origem do serviço, conforme a tabela IBGE");
    r.numero(COD_MUN_DEST, 7, "Código do município de destino, conforme a tabela IBGE");
    r.texto(VEIC_ID, 255, "Identificação da aeronave (DAC)");
    r.numero(VIAGEM, 255, "Número do vôo.");
    const auto& ind_tfa =
        r.texto(IND_TFA, 1, "Indicador do tipo de tarifa aplicada: 0- Exp.; 1- Enc.; 2- C.I.; 9- Outra");
    r.numero(VL_PESO_TX, 255, "Peso taxado");
    r.numero(VL_TX_TERR, 255, "Valor da taxa terrestre");
    r.numero(VL_TX_RED, 255, "Valor da taxa de redespacho");
    r.numero(VL_OUT, 255, "Outros valores");
    r.numero(VL_TX_ADV, 255, "Valor da taxa \"ad valorem\"");
    r.valida(vIND_TFA, ind_tfa, "-1   Indicador do tipo de tarifa aplicada inválido: ");
  });
}

// D160: cargo transported
QB_API int32_t QB_CALL RegistroD160(const char* DESPACHO, const char* CNPJ_CPF_REM, const char* IE_REM,
                                    const char* COD_MUN_ORI, const char* CNPJ_CPF_DEST, const char* IE_DEST,
                                    const char* COD_MUN_DEST) {
  return Escreve_Registro("D160", " REGISTRO D160", 218, [&](Registro& r) {
    r.texto(DESPACHO, 255, "Identificação do número do despacho");
    const auto& cnpj_cpf_rem =
        r.numero(CNPJ_CPF_REM, 14, "CNPJ ou CPF do remetente das mercadorias que constam na nota fiscal.");
    r.texto(IE_REM, 14, "Inscrição Estadual do remetente das mercadorias que constam na nota fiscal.");
    r.numero(COD_MUN_ORI, 7, "Código do Município de origem, conforme tabela IBGE");
    const auto& cnpj_cpf_dest =
        r.numero(CNPJ_CPF_DEST, 14, "CNPJ ou CPF do destinatário das mercadorias que constam na nota fiscal.");
    r.texto(IE_DEST, 14, "Inscrição Estadual do destinatário das mercadorias que constam na nota fiscal.");
    r.numero(COD_MUN_DEST, 7, "Código do Município de destino, conforme tabela IBGE");
    r.cnpj_ou_cpf(cnpj_cpf_rem, "-1   CNPJ ou CPF do remetente das mercadorias que constam na nota fiscal: ");
    r.cnpj_ou_cpf(cnpj_cpf_dest, "-2   CNPJ ou CPF do destinatário das mercadorias que constam na nota fiscal: ");
  });
}

// D161: places of collection and delivery of the cargo. Its CNPJ or CPF
// fields are captured as text: their punctuation stays in the field,
// counts towards its 14 characters, and reaches the test as captured.
QB_API int32_t QB_CALL RegistroD161(const char* IND_CARGA, const char* CNPJ_CPF_COL, const char* IE_COL,
                                    const char* COD_MUN_COL, const char* CNPJ_CPF_ENTG, const char* IE_ENTG,
                                    const char* COD_MUN_ENTG) {
  return Escreve_Registro("D161", " REGISTRO D161", 70, [&](Registro& r) {
    const auto& ind_carga = r.numero(IND_CARGA, 1, "Indicador do tipo de transporte da carga coletada:");
    const auto& cnpj_cpf_col = r.texto(CNPJ_CPF_COL, 14, "Número do CNPJ ou CPF do local da coleta");
    r.texto(IE_COL, 14, "Inscrição Estadual do contribuinte do local de coleta");
    const auto& cod_mun_col = r.numero(COD_MUN_COL, 7, "Código do Município do local de coleta, conforme tabela IBGE");
    const auto& cnpj_cpf_entg = r.texto(CNPJ_CPF_ENTG, 14, "Número do CNPJ ou CPF do local da entrega");
    r.texto(IE_ENTG, 14, "Inscrição Estadual do contribuinte do local de entrega");
    const auto& cod_mun_entg =
        r.numero(COD_MUN_ENTG, 7, "Código do Município do local de entrega, conforme tabela IBGE");
    r.valida(vInd_tipo_transporte_carga_coletada, ind_carga,
             "-1   Indicador do tipo de transporte da carga coletada : ");
    r.cnpj_ou_cpf(cnpj_cpf_col, "-3   CNPJ ou CPF Inválido : ");
    r.valida(vCod_Municipio, cod_mun_col, "-4   Código do Município do local de coleta, conforme tabela IBGE : ");
    r.cnpj_ou_cpf(cnpj_cpf_entg, "-5   Número do CNPJ do contribuinte do local de entrega: ");
    r.valida(vCod_Municipio, cod_mun_entg, "-6   Código do Município do local de entrega, conforme tabela IBGE : ");
  });
}

// D162: document of the goods transported
QB_API int32_t QB_CALL RegistroD162(const char* COD_MOD, const char* SER, const char* NUM_DOC, const char* DT_DOC,
                                    const char* VL_DOC, const char* VL_MERC, const char* QTD_VOL, const char* PESO_BRT,
                                    const char* PESO_LIQ) {
  return Escreve_Registro("D162", " REGISTRO D162", 218, [&](Registro& r) {
    const auto& cod_mod = r.texto(COD_MOD, 2, "Código do modelo do documento fiscal, conforme a Tabela 4.1.1");
    r.texto(SER, 4, "Série do documento fiscal");
    r.numero(NUM_DOC, 9, "Número do documento fiscal");
    const auto& dt_doc = r.data(DT_DOC, "Data da emissão do documento fiscal");
    r.numero(VL_DOC, 255, "Valor total do documento fiscal");
    r.numero(VL_MERC, 255, "Valor das mercadorias constantes no documento fiscal");
    r.numero(QTD_VOL, 255, "Quantidade de volumes transportados");
    r.numero(PESO_BRT, 255, "Peso bruto dos volumes transportados (em Kg)");
    r.numero(PESO_LIQ, 255, "Peso líquido dos volumes transportados (em Kg)");
    r.valida_data(dt_doc, "-1   Data Inicial Inválida (DDMMAAAA) :: ");
    r.valida(vCod_modelo_documento_fiscal_4_1_1, cod_mod, "-2   Codigo do modelo do documento fiscal 4.1.1 inválido: ");
  });
}

// D170: multimodal transport complement
QB_API int32_t QB_CALL RegistroD170(const char* COD_PART_CONSG, const char* COD_PART_RED, const char* COD_MUN_ORIG,
                                    const char* COD_MUN_DEST, const char* OTM, const char* IND_NAT_FRT,
                                    const char* VL_LIQ_FRT, const char* VL_GRIS, const char* VL_PDG, const char* VL_OUT,
                                    const char* VL_FRT, const char* VEIC_ID, const char* UF_ID) {
  return Escreve_Registro("D170", " REGISTRO D170", 119, [&](Registro& r) {
    r.texto(COD_PART_CONSG, 60, "Código do participante (campo 02 do Registro 0150): - consignatário, se houver");
    r.texto(COD_PART_RED, 60, "Código do participante (campo 02 do Registro 0150): - redespachante, se houver");
    r.numero(COD_MUN_ORIG, 7, "Código do município de origem do serviço, conforme a tabela IBGE");
    r.numero(COD_MUN_DEST, 7, "Código do município de destino, conforme a tabela IBGE");
    r.texto(OTM, 255, "Registro do operador de transporte multimodal");
    const auto& ind_nat_frt = r.texto(IND_NAT_FRT, 1, "Indicador da natureza do frete:");
    r.numero(VL_LIQ_FRT, 255, "Valor líquido do frete");
    r.numero(VL_GRIS, 255, "Valor do gris (gerenciamento de risco):");
    r.numero(VL_PDG, 255, "Somatório dos valores de pedágio:");
    r.numero(VL_OUT, 255, "Outros valores:");
    r.numero(VL_FRT, 255, "Valor total do frete:");
    r.texto(VEIC_ID, 7, "Placa de identificação do veículo:");
    const auto& uf_id = r.texto(UF_ID, 2, "Sigla da UF da placa do veículo:");
    r.valida(vInd_natureza_frete, ind_nat_frt, "-1   Indicador da natureza do frete: ");
    r.valida(vUF, uf_id, "-2   Sigla da UF da placa do veículo: ");
  });
}

// D180: modal of a multimodal transport. Its captions follow two widths,
// and its issue date is taken as a plain number: no regional date is read
// from it and no date test is made.
QB_API int32_t QB_CALL RegistroD180(const char* NUM_SEQ, const char* IND_EMIT, const char* CNPJ_CPF_EMIT,
                                    const char* UF_EMIT, const char* IE_EMIT, const char* COD_MUN_ORIG,
                                    const char* CNPJ_CPF_TOM, const char* UF_TOM, const char* IE_TOM,
                                    const char* COD_MUN_DEST, const char* COD_MOD, const char* SER, const char* SUB,
                                    const char* NUM_DOC, const char* DT_DOC, const char* VL_DOC) {
  return Escreve_Registro("D180", " REGISTRO D180", 218, [&](Registro& r) {
    r.numero(NUM_SEQ, 255, "Número de ordem seqüencial do modal");
    const auto& ind_emit =
        r.texto(IND_EMIT, 1, "Indicador do emitente do documento fiscal: 0- Emissão própria; 1- Terceiros");
    const auto& cnpj_cpf_emit = r.numero(CNPJ_CPF_EMIT, 14, "CNPJ ou CPF do participante emitente do modal");
    const auto& uf_emit = r.texto(UF_EMIT, 2, "Sigla da unidade da federação do participante emitente do modal");
    r.texto(IE_EMIT, 14, "Inscrição Estadual do participante emitente do modal");
    r.largura(93);
    r.numero(COD_MUN_ORIG, 7, "Código do município de origem do serviço conforme a tabela IBGE");
    const auto& cnpj_cpf_tom = r.numero(CNPJ_CPF_TOM, 14, "CNPJ/CPF do participante tomador do serviço");
    r.texto(UF_TOM, 2, "Sigla da unidade da federação do participante tomador do serviço");
    r.texto(IE_TOM, 14, "Inscrição Estadual do participante tomador do serviço");
    r.numero(COD_MUN_DEST, 7,
             "Código do município de destino conforme a tabela IBGE(Preencher com 9999999, se Exterior)");
    const auto& cod_mod = r.texto(COD_MOD, 2, "Código do modelo do documento fiscal conforme a Tabela 4.1.1");
    r.texto(SER, 4, "Série do documento fiscal");
    r.numero(SUB, 3, "Subsérie do documento fiscal");
    r.numero(NUM_DOC, 9, "Número do documento fiscal");
    r.numero(DT_DOC, 8, "Data da emissão do documento fiscal");
    r.numero(VL_DOC, 255, "Valor total do documento fiscal");
    r.cnpj_ou_cpf(cnpj_cpf_emit, "-1   CNPJ ou CPF Inválido : ");
    r.valida(vUF, uf_emit, "-2   Unidade da Federação Inválida :: ");
    r.valida(vInd_emitente_documento_fiscal, ind_emit, "-4   Indicador do emitente do documento fiscal: ");
    r.cnpj_ou_cpf(cnpj_cpf_tom, "-5   CNPJ ou CPF do participante tomador do serviço Inválido: ");
    r.valida(vCod_modelo_documento_fiscal_4_1_1, cod_mod, "-6   Codigo do modelo do documento fiscal 4.1.1 inválido: ");
  });
}

// D190: analytical totals of a transport document
QB_API int32_t QB_CALL RegistroD190(const char* CST_ICMS, const char* CFOP, const char* ALIQ_ICMS, const char* VL_OPR,
                                    const char* VL_BC_ICMS, const char* VL_ICMS, const char* VL_RED_BC,
                                    const char* COD_OBS) {
  return Escreve_Registro("D190", " REGISTRO D190", 218, [&](Registro& r) {
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
    r.numero(VL_RED_BC, 255,
             "Valor não tributado em função da redução da base de cálculo do ICMS, referente à combinação de "
             "CST_ICMS, CFOP e alíquota do ICMS.");
    r.texto(COD_OBS, 6, "Código da observação do lançamento fiscal (campo 02 do Registro 0460)");
    r.valida(vCOD_CFOP, cfop, "-1   Numero de CFOP inválido: ");
  });
}

}  // extern "C"
