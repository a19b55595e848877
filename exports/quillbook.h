/*
 * Quillbook 1.0: writes the EFD ICMS/IPI file record by record.
 *
 * Call order. One generation per process at a time, driven from one thread:
 *   1. Inicia_SPED(output directory, input directory);
 *   2. the records of blocks 0, C, D, E, H and 1 in the order of the layout,
 *      each block opened by its X001 record and closed by its X990 record;
 *   3. Registro9001, Registro9900, Registro9990, Registro9999;
 *   4. Finaliza_SPED, after which a new generation may start.
 * The output directory receives sped.txt (the accepted lines), erro.txt
 * (rejected records, their errors and observations, block by block) and
 * log.txt (counts per record type).
 *
 * Results. Inicia_SPED and every record function return 0 (done) or -1
 * (refused or rejected: the reason is in erro.txt, in the record's block,
 * or, for a failure of the generation itself, on standard error, or in a
 * message box on Windows). A record whose line could not be written to
 * sped.txt (a write, or the close after it, failed) answers -1 too and
 * counts as rejected; sped.txt then holds nothing of it, unless even
 * undoing the write failed, which its own message says. Validators return
 * one byte, 1 (valid) or 0.
 *
 * Records are not tested against one another as they come: a rejected
 * record does not reject the records that follow it. A host skips the
 * children of a record answered -1 (the C170 and C190 of a rejected C100),
 * which would otherwise be accepted and read as the previous parent's.
 *
 * Texts. Every parameter is a NUL-terminated 8-bit text in Windows-1252,
 * the code page of the files written; a NULL pointer is the empty text. The
 * library reads a text during the call only: it never keeps, changes or
 * frees it. Amounts and quantities have "," as the decimal mark and no
 * thousands separator (a numeric field keeps only digits and ","); dates
 * are in the user's regional short date format (in its order, with "/"
 * between the numbers where the format puts no one-byte separator after
 * its first one, as Japanese and Arabic settings do), never DDMMYYYY, but for
 * DT_DOC of C460 and of D180, which are kept as plain numbers and take the
 * eight digits DDMMYYYY, day first, under any regional setting
 * ("31122009"); codes are as the layout's tables give them.
 *
 * ABI. Every name below is exported undecorated, by name, and nothing else
 * is; the calling convention is __stdcall on 32-bit Windows, the platform's
 * default elsewhere.
 */
#ifndef QUILLBOOK_H
#define QUILLBOOK_H

#include <stdint.h>

#if defined(_WIN32)
#  if defined(QUILLBOOK_BUILDING)
#    define QB_API __declspec(dllexport)
#  else
#    define QB_API __declspec(dllimport)
#  endif
#  if !defined(_WIN64)
#    define QB_CALL __stdcall
#  else
#    define QB_CALL
#  endif
#else
#  define QB_API __attribute__((visibility("default")))
#  define QB_CALL
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Generation ------------------------------------------------------- */

/* Starts a generation writing into Diretorio_Saida and reading the four
 * reference tables (cfop.res, municipio.res, ncm.res, pais.res; names are
 * case-sensitive) from Diretorio_Entrada. Returns 0 when started; -1 when a
 * generation is already running (silently) or a directory or table is
 * missing (after a message, and keeping nothing); an empty or NULL
 * directory counts as missing. Old sped.txt, erro.txt and log.txt are replaced, and each replacement is
 * noted at the head of erro.txt. */
QB_API int32_t QB_CALL Inicia_SPED(const char *Diretorio_Saida, const char *Diretorio_Entrada);

/* Closes the generation: writes log.txt with the counts of every record
 * type, and gives back all the memory the library holds. Harmless when no
 * generation is running; safe from an exit handler (atexit), whenever it
 * was registered. Unloading the library (dlclose, FreeLibrary) with a
 * generation still open gives back its memory too, and writes nothing. */
QB_API void QB_CALL Finaliza_SPED(void);

/* Appends one finished line (plus CR LF) to sped.txt, unchanged. Record
 * writers call it for their accepted lines; a host rarely needs it. */
QB_API void QB_CALL Trata_SPED(const char *Linha);

/* The library's version number: 106. */
QB_API int32_t QB_CALL Info_Versao(void);

/* ---- Validators ------------------------------------------------------- */

/* Each takes a field value, normally a captured field ending in "|" (NULL
 * is the empty text), and returns 1 when it is valid, 0 otherwise. All but
 * the four look-ups keep no state and may be called at any time. */

/* Coded indicators read as an integer (leading blanks, a sign or "$"/"0x"
 * hexadecimal allowed): of the value less its last byte ("5|" is 5, "5"
 * reads nothing), of the value less its final "|" (alike with or without
 * it), or of its digits only ("01|" is 1, "1,0|" reads nothing). */
QB_API uint8_t QB_CALL vCod_situacao_documento_fiscal(const char *Valor);
QB_API uint8_t QB_CALL vInd_tipo_transporte(const char *Valor);
QB_API uint8_t QB_CALL vInd_origem(const char *Valor);
QB_API uint8_t QB_CALL vInd_tipo_receita(const char *Valor);
QB_API uint8_t QB_CALL vIND_REC(const char *Valor);
QB_API uint8_t QB_CALL vInd_emitente_documento_fiscal(const char *Valor);
QB_API uint8_t QB_CALL vIND_OPER(const char *Valor);
QB_API uint8_t QB_CALL vTIPO_MEDICAO(const char *Valor);

/* Coded indicators read on their first digit: blanks, signs, letters and
 * "|" before it are passed over ("-9" reads 9). */
QB_API uint8_t QB_CALL vInd_origem_processo(const char *Valor);
QB_API uint8_t QB_CALL vInd_natureza_frete(const char *Valor);
QB_API uint8_t QB_CALL vInd_tipo_frete(const char *Valor);
QB_API uint8_t QB_CALL vIND_MOV(const char *Valor);
QB_API uint8_t QB_CALL vIND_APUR(const char *Valor);
QB_API uint8_t QB_CALL vIND_TFA(const char *Valor);
QB_API uint8_t QB_CALL vIND_MOV_ST(const char *Valor);
QB_API uint8_t QB_CALL vIND_AJ(const char *Valor);
QB_API uint8_t QB_CALL vIND_DOC(const char *Valor);

/* Coded indicators read on their first byte as passed: " 1" is invalid,
 * "1x" valid; a value of blanks and control characters only is invalid. */
QB_API uint8_t QB_CALL vInd_emitente_titulo(const char *Valor);
QB_API uint8_t QB_CALL vInd_tipo_operacao(const char *Valor);
QB_API uint8_t QB_CALL vInd_tipo_referencia_base(const char *Valor);
QB_API uint8_t QB_CALL vInd_tipo_veiculo_transportador(const char *Valor);
QB_API uint8_t QB_CALL vInd_tipo_transporte_carga_coletada(const char *Valor);
QB_API uint8_t QB_CALL vInd_tipo_servico_prestado(const char *Valor);
QB_API uint8_t QB_CALL vIND_PGTO(const char *Valor);
QB_API uint8_t QB_CALL vCOD_DOC_IMP(const char *Valor);
QB_API uint8_t QB_CALL vTP_PROD(const char *Valor);
QB_API uint8_t QB_CALL vIND_ARM(const char *Valor);
QB_API uint8_t QB_CALL vIND_VEIC_OPER(const char *Valor);
QB_API uint8_t QB_CALL vIND_FRT_RED(const char *Valor);
QB_API uint8_t QB_CALL vIND_NAV(const char *Valor);
QB_API uint8_t QB_CALL vIND_PROP(const char *Valor);
QB_API uint8_t QB_CALL vIND_DOC_Informe_tipo_documento(const char *Valor);
QB_API uint8_t QB_CALL vMovimento(const char *Valor);
QB_API uint8_t QB_CALL vIND_ATIV(const char *Valor);
QB_API uint8_t QB_CALL vCOD_FIN(const char *Valor);
QB_API uint8_t QB_CALL vIND_PERFIL(const char *Valor);

/* Codes of the layout's tables, compared exactly (case included): layout
 * version, credit title, item classification and type, document model
 * (its first two bytes), state (any case, blanks around it), fuel control. */
QB_API uint8_t QB_CALL vCod_Leiaute(const char *Valor);
QB_API uint8_t QB_CALL vInd_tipo_titulo_credito(const char *Valor);
QB_API uint8_t QB_CALL vCod_classific_item_4_4_2(const char *Valor);
QB_API uint8_t QB_CALL vCod_modelo_documento_fiscal_4_1_1(const char *Valor);
QB_API uint8_t QB_CALL vUF(const char *Valor);
QB_API uint8_t QB_CALL vTIPO_ITEM(const char *Valor);
QB_API uint8_t QB_CALL vTP_CHC(const char *Valor);

/* Taxpayer numbers by their check digits (punctuation ignored; a short
 * number is padded with zeros on the right; an empty CNPJ is valid, an
 * empty CPF is not), the postal code by its form, and the state
 * registration, which is always 1. */
QB_API uint8_t QB_CALL vCPF(const char *Valor);
QB_API uint8_t QB_CALL vCNPJ(const char *Valor);
QB_API uint8_t QB_CALL vCEP(const char *Valor);
QB_API uint8_t QB_CALL vInscEst(const char *IE, const char *UF);

/* Look-ups of the code (the value less its last byte, as it is) in the
 * reference tables of the running generation, read afresh at every call;
 * 1 when found. Without a generation: the guard's message and 0. */
QB_API uint8_t QB_CALL vCOD_CFOP(const char *Valor);
QB_API uint8_t QB_CALL vCOD_NCM(const char *Valor);
QB_API uint8_t QB_CALL vCOD_PAIS(const char *Valor);
QB_API uint8_t QB_CALL vCod_Municipio(const char *Valor);

/* ---- Records ----------------------------------------------------------
 * One function per record type, named Registro + the record's code, whose
 * parameters are the record's fields in layout order, all texts (NULL is
 * empty). Returns 0 when the line went to sped.txt, -1 when no generation
 * is running or the record was rejected (its errors then go to erro.txt).
 * The block closers and block 9 take no fields: they count what was
 * written. Registro9999 accepts the file only when every mandatory record
 * type was written and every parent record written has at least one record
 * of each of its child types (exactly one for some pairs); the README lists
 * the pairs. */

/* Block 0 */
/* 0000: opening of the file: layout version, purpose, period, taxpayer (mandatory).
 * COD_VER is one of the layout versions "001" and "002"; any other is rejected. */
QB_API int32_t QB_CALL Registro0000(const char *COD_VER, const char *COD_FIN, const char *DT_INI, const char *DT_FIN,
                                    const char *NOME, const char *CNPJ, const char *CPF, const char *UF, const char *IE,
                                    const char *COD_MUN, const char *IM, const char *SUFRAMA, const char *IND_PERFIL,
                                    const char *IND_ATIV);
/* 0001: opening of block 0 (mandatory). */
QB_API int32_t QB_CALL Registro0001(const char *IND_MOV);
/* 0005: complementary data of the taxpayer (mandatory). */
QB_API int32_t QB_CALL Registro0005(const char *FANTASIA, const char *CEP, const char *END, const char *NUM,
                                    const char *COMPL, const char *BAIRRO, const char *FONE, const char *FAX,
                                    const char *EMAIL);
/* 0015: registration as substitute taxpayer in another state. */
QB_API int32_t QB_CALL Registro0015(const char *UF_ST, const char *IE_ST);
/* 0100: accountant. */
QB_API int32_t QB_CALL Registro0100(const char *NOME, const char *CPF, const char *CRC, const char *CNPJ,
                                    const char *CEP, const char *END, const char *NUM, const char *COMPL,
                                    const char *BAIRRO, const char *FONE, const char *FAX, const char *EMAIL,
                                    const char *COD_MUN);
/* 0150: participant: supplier, customer, carrier. */
QB_API int32_t QB_CALL Registro0150(const char *COD_PART, const char *NOME, const char *COD_PAIS, const char *CNPJ,
                                    const char *CPF, const char *IE, const char *COD_MUN, const char *SUFRAMA,
                                    const char *END, const char *NUM, const char *COMPL, const char *BAIRRO);
/* 0175: change of a participant's register. */
QB_API int32_t QB_CALL Registro0175(const char *DT_ALT, const char *NR_CAMPO, const char *CONT_ANT);
/* 0190: unit of measure. */
QB_API int32_t QB_CALL Registro0190(const char *UNID, const char *DESCR);
/* 0200: item: goods and services. */
QB_API int32_t QB_CALL Registro0200(const char *COD_ITEM, const char *DESCR_ITEM, const char *COD_BARRA,
                                    const char *COD_ANT_ITEM, const char *UNID_INV, const char *TIPO_ITEM,
                                    const char *COD_NCM, const char *EX_IPI, const char *COD_GEN, const char *COD_LST,
                                    const char *ALIQ_ICMS);
/* 0205: previous description of an item. */
QB_API int32_t QB_CALL Registro0205(const char *DESCR_ANT_ITEM, const char *DT_INI, const char *DT_FIM);
/* 0206: fuel code of an item. */
QB_API int32_t QB_CALL Registro0206(const char *COD_COMB);
/* 0220: unit conversion factor of an item. */
QB_API int32_t QB_CALL Registro0220(const char *UNID_CONV, const char *FAT_CONV);
/* 0400: nature of operation. */
QB_API int32_t QB_CALL Registro0400(const char *COD_NAT, const char *DESCR_NAT);
/* 0450: complementary information of documents. */
QB_API int32_t QB_CALL Registro0450(const char *COD_INF, const char *TXT);
/* 0460: observation of the fiscal entry. */
QB_API int32_t QB_CALL Registro0460(const char *COD_OBS, const char *TXT);
/* 0990: closing of block 0: its line count (mandatory). */
QB_API int32_t QB_CALL Registro0990(void);

/* Block C */
/* C001: opening of block C (mandatory). */
QB_API int32_t QB_CALL RegistroC001(const char *IND_MOV);
/* C100: goods fiscal document (NF, NF-e). */
QB_API int32_t QB_CALL RegistroC100(const char *IND_OPER, const char *IND_EMIT, const char *COD_PART,
                                    const char *COD_MOD, const char *COD_SIT, const char *SER, const char *NUM_DOC,
                                    const char *CHV_NFE, const char *DT_DOC, const char *DT_E_S, const char *VL_DOC,
                                    const char *IND_PGTO, const char *VL_DESC, const char *VL_ABAT_NT,
                                    const char *VL_MERC, const char *IND_FRT, const char *VL_FRT, const char *VL_SEG,
                                    const char *VL_OUT_DA, const char *VL_BC_ICMS, const char *VL_ICMS,
                                    const char *VL_BC_ICMS_ST, const char *VL_ICMS_ST, const char *VL_IPI,
                                    const char *VL_PIS, const char *VL_COFINS, const char *VL_PIS_ST,
                                    const char *VL_COFINS_ST);
/* C110: complementary information of the document. */
QB_API int32_t QB_CALL RegistroC110(const char *COD_INF, const char *TXT_COMPL);
/* C111: process referenced by the document. */
QB_API int32_t QB_CALL RegistroC111(const char *NUM_PROC, const char *IND_PROC);
/* C112: collection document referenced by the document. */
QB_API int32_t QB_CALL RegistroC112(const char *COD_DA, const char *UF, const char *NUM_DA, const char *COD_AUT,
                                    const char *VL_DA, const char *DT_VCTO, const char *DT_PGTO);
/* C113: fiscal document referenced by the document. */
QB_API int32_t QB_CALL RegistroC113(const char *IND_OPER, const char *IND_EMIT, const char *COD_PART,
                                    const char *COD_MOD, const char *SER, const char *SUB, const char *NUM_DOC,
                                    const char *DT_DOC);
/* C114: fiscal coupon referenced by the document. */
QB_API int32_t QB_CALL RegistroC114(const char *COD_MOD, const char *ECF_FAB, const char *ECF_CX, const char *NUM_DOC,
                                    const char *DT_DOC);
/* C115: places of collection and delivery. */
QB_API int32_t QB_CALL RegistroC115(const char *IND_CARGA, const char *CNPJ_COL, const char *IE_COL,
                                    const char *CPF_COL, const char *COD_MUN_COL, const char *CNPJ_ENTG,
                                    const char *IE_ENTG, const char *CPF_ENTG, const char *COD_MUN_ENTG);
/* C120: import operation. */
QB_API int32_t QB_CALL RegistroC120(const char *COD_DOC_IMP, const char *NUM_DOC_IMP, const char *PIS_IMP,
                                    const char *COFINS_IMP);
/* C130: ISSQN, IRRF and social security of the document. */
QB_API int32_t QB_CALL RegistroC130(const char *VL_SERV_NT, const char *VL_BC_ISSQN, const char *VL_ISSQN,
                                    const char *VL_BC_IRRF, const char *VL_IRRF, const char *VL_BC_PREV,
                                    const char *VL_PREV);
/* C140: credit title of the document. */
QB_API int32_t QB_CALL RegistroC140(const char *IND_EMIT, const char *IND_TIT, const char *DESC_TIT,
                                    const char *NUM_TIT, const char *QTD_PARC, const char *VL_TIT);
/* C141: instalment of the credit title. */
QB_API int32_t QB_CALL RegistroC141(const char *NUM_PARC, const char *DT_VCTO, const char *VL_PARC);
/* C160: carrier volumes. */
QB_API int32_t QB_CALL RegistroC160(const char *COD_PART, const char *VEIC_ID, const char *QTD_VOL,
                                    const char *PESO_BRT, const char *PESO_LIQ, const char *UF_ID);
/* C165: fuel transport. */
QB_API int32_t QB_CALL RegistroC165(const char *COD_PART, const char *VEIC_ID, const char *COD_AUT,
                                    const char *NR_PASSE, const char *HORA, const char *TEMPER, const char *QTD_VOL,
                                    const char *PESO_BRT, const char *PESO_LIQ, const char *NOM_MOT, const char *CPF,
                                    const char *UF_ID);
/* C170: item of the document. */
QB_API int32_t QB_CALL RegistroC170(
    const char *NUM_ITEM, const char *COD_ITEM, const char *DESCR_COMPL, const char *QTD, const char *UNID,
    const char *VL_ITEM, const char *VL_DESC, const char *IND_MOV, const char *CST_ICMS, const char *CFOP,
    const char *COD_NAT, const char *VL_BC_ICMS, const char *ALIQ_ICMS, const char *VL_ICMS, const char *VL_BC_ICMS_ST,
    const char *ALIQ_ST, const char *VL_ICMS_ST, const char *IND_APUR, const char *CST_IPI, const char *COD_ENQ,
    const char *VL_BC_IPI, const char *ALIQ_IPI, const char *VL_IPI, const char *CST_PIS, const char *VL_BC_PIS,
    const char *ALIQ_PIS, const char *QUANT_BC_PIS, const char *ALIQ_PIS_QUANT, const char *VL_PIS,
    const char *CST_COFINS, const char *VL_BC_COFINS, const char *ALIQ_COFINS, const char *QUANT_BC_COFINS,
    const char *ALIQ_COFINS_QUANT, const char *VL_COFINS, const char *COD_CTA);
/* C171: fuel storage of the item. */
QB_API int32_t QB_CALL RegistroC171(const char *NUM_TANQUE, const char *QTDE);
/* C172: ISSQN of the item. */
QB_API int32_t QB_CALL RegistroC172(const char *VL_BC_ISSQN, const char *ALIQ_ISSQN, const char *VL_ISSQN);
/* C173: medicine of the item. */
QB_API int32_t QB_CALL RegistroC173(const char *LOTE_MED, const char *QTD_ITEM, const char *DT_FAB, const char *DT_VAL,
                                    const char *IND_MED, const char *TP_PROD, const char *VL_TAB_MAX);
/* C174: firearm of the item. */
QB_API int32_t QB_CALL RegistroC174(const char *IND_ARM, const char *NUM_ARM, const char *DESCR_COMPL);
/* C175: new vehicle operation of the item. */
QB_API int32_t QB_CALL RegistroC175(const char *IND_VEIC_OPER, const char *CNPJ, const char *UF,
                                    const char *CHASSI_VEIC);
/* C176: reimbursement of ICMS withheld by tax substitution. */
QB_API int32_t QB_CALL RegistroC176(const char *COD_MOD_ULT_E, const char *NUM_DOC_ULT_E, const char *SER_ULT_E,
                                    const char *DT_ULT_E, const char *COD_PART_ULT_E, const char *QUANT_ULT_E,
                                    const char *VL_UNIT_ULT_E, const char *VL_UNIT_BC_ST);
/* C177: IPI control stamp of the item. */
QB_API int32_t QB_CALL RegistroC177(const char *COD_SELO_IPI, const char *QT_SELO_IPI);
/* C178: IPI framework class of the item. */
QB_API int32_t QB_CALL RegistroC178(const char *CL_ENQ, const char *VL_UNID, const char *QUANT_PAD);
/* C179: tax-substitution values of the item. */
QB_API int32_t QB_CALL RegistroC179(const char *BC_ST_ORIG_DEST, const char *ICMS_ST_REP, const char *ICMS_ST_COMPL,
                                    const char *BC_RET, const char *ICMS_RET);
/* C190: analytical totals of the document. */
QB_API int32_t QB_CALL RegistroC190(const char *CST_ICMS, const char *CFOP, const char *ALIQ_ICMS, const char *VL_OPR,
                                    const char *VL_BC_ICMS, const char *VL_ICMS, const char *VL_BC_ICMS_ST,
                                    const char *VL_ICMS_ST, const char *VL_RED_BC, const char *VL_IPI);
/* C195: observation of the fiscal entry. */
QB_API int32_t QB_CALL RegistroC195(const char *COD_OBS, const char *TXT_COMPL);
/* C197: adjustment arising from the document. */
QB_API int32_t QB_CALL RegistroC197(const char *COD_AJ, const char *DESCR_COMPL_AJ, const char *COD_ITEM,
                                    const char *VL_BC_ICMS, const char *ALIQ_ICMS, const char *VL_ICMS,
                                    const char *VL_OUTROS);
/* C300: day summary of consumer sales notes. */
QB_API int32_t QB_CALL RegistroC300(const char *COD_MOD, const char *SER, const char *SUB, const char *NUM_DOC_INI,
                                    const char *NUM_DOC_FIN, const char *DT_DOC, const char *VL_DOC, const char *VL_PIS,
                                    const char *VL_COFINS, const char *COD_CTA);
/* C310: cancelled consumer sales note of a day summary. */
QB_API int32_t QB_CALL RegistroC310(const char *NUM_DOC_CANC);
/* C320: analytical totals of a day summary. */
QB_API int32_t QB_CALL RegistroC320(const char *CST_ICMS, const char *CFOP, const char *ALIQ_ICMS, const char *VL_OPR,
                                    const char *VL_BC_ICMS, const char *VL_ICMS, const char *VL_RED_BC,
                                    const char *COD_OBS);
/* C321: items of the analytical totals of a day summary. */
QB_API int32_t QB_CALL RegistroC321(const char *COD_ITEM, const char *QTD, const char *UNID, const char *VL_ITEM,
                                    const char *VL_DESC, const char *VL_BC_ICMS, const char *VL_ICMS,
                                    const char *VL_PIS, const char *VL_COFINS);
/* C350: consumer sales note. */
QB_API int32_t QB_CALL RegistroC350(const char *SER, const char *SUB_SER, const char *NUM_DOC, const char *DT_DOC,
                                    const char *CNPJ_CPF, const char *VL_MERC, const char *VL_DOC, const char *VL_DESC,
                                    const char *VL_PIS, const char *VL_COFINS, const char *COD_CTA);
/* C370: item of a consumer sales note. */
QB_API int32_t QB_CALL RegistroC370(const char *NUM_ITEM, const char *COD_ITEM, const char *QTD, const char *UNID,
                                    const char *VL_ITEM, const char *VL_DESC);
/* C390: analytical totals of a consumer sales note. */
QB_API int32_t QB_CALL RegistroC390(const char *CST_ICMS, const char *CFOP, const char *ALIQ_ICMS, const char *VL_OPR,
                                    const char *VL_BC_ICMS, const char *VL_ICMS, const char *VL_RED_BC,
                                    const char *COD_OBS);
/* C400: fiscal printer (ECF). */
QB_API int32_t QB_CALL RegistroC400(const char *COD_MOD, const char *ECF_MOD, const char *ECF_FAB, const char *ECF_CX);
/* C405: daily Z reduction of a fiscal printer. */
QB_API int32_t QB_CALL RegistroC405(const char *DT_DOC, const char *CRO, const char *CRZ, const char *NUM_COO_FIN,
                                    const char *GT_FIN, const char *VL_BRT);
/* C410: PIS and COFINS of a Z reduction. */
QB_API int32_t QB_CALL RegistroC410(const char *VL_PIS, const char *VL_COFINS);
/* C420: partial totaliser of a Z reduction. */
QB_API int32_t QB_CALL RegistroC420(const char *COD_TOT_PAR, const char *VLR_ACUM_TOT, const char *NR_TOT,
                                    const char *DESCR_NR_TOT);
/* C425: item summary of a partial totaliser. */
QB_API int32_t QB_CALL RegistroC425(const char *COD_ITEM, const char *QTD, const char *UNID, const char *VL_ITEM,
                                    const char *VL_BC_ICMS, const char *VL_ICMS);
/* C460: document issued by a fiscal printer. DT_DOC is the eight digits
 * DDMMYYYY ("31122009") whatever the regional settings: only its digits are
 * kept ("31/12/2009" gives the same, "12/31/2009" gives 12312009), and they
 * are not tested as a date. */
QB_API int32_t QB_CALL RegistroC460(const char *COD_MOD, const char *COD_SIT, const char *NUM_DOC, const char *DT_DOC,
                                    const char *VL_DOC, const char *VL_PIS, const char *VL_COFINS, const char *CPF_CNPJ,
                                    const char *NOM_ADQ);
/* C470: item of a fiscal printer document. */
QB_API int32_t QB_CALL RegistroC470(const char *COD_ITEM, const char *QTD, const char *QTD_CANC, const char *UNID,
                                    const char *VL_ITEM, const char *CST_ICMS, const char *CFOP, const char *ALIQ_ICMS,
                                    const char *VL_PIS, const char *VL_COFINS);
/* C490: analytical totals of the day of a fiscal printer. */
QB_API int32_t QB_CALL RegistroC490(const char *CST_ICMS, const char *CFOP, const char *ALIQ_ICMS, const char *VL_OPR,
                                    const char *VL_BC_ICMS, const char *VL_ICMS, const char *COD_OBS);
/* C495: item summary of the day by ICMS rate. */
QB_API int32_t QB_CALL RegistroC495(const char *ALIQ_ICMS, const char *COD_ITEM, const char *QTD, const char *QTD_CANC,
                                    const char *UNID, const char *VL_ITEM, const char *VL_DESC, const char *VL_CANC,
                                    const char *VL_ACMO, const char *VL_BC_ICMS, const char *VL_ICMS,
                                    const char *VL_ISEN, const char *VL_NT, const char *VL_ICMS_ST);
/* C500: electricity or piped-gas bill. */
QB_API int32_t QB_CALL RegistroC500(const char *IND_OPER, const char *IND_EMIT, const char *COD_PART,
                                    const char *COD_MOD, const char *COD_SIT, const char *SER, const char *SUB,
                                    const char *COD_CONS, const char *NUM_DOC, const char *DT_DOC, const char *DT_E_S,
                                    const char *VL_DOC, const char *VL_DESC, const char *VL_FORN,
                                    const char *VL_SERV_NT, const char *VL_TERC, const char *VL_DA,
                                    const char *VL_BC_ICMS, const char *VL_ICMS, const char *VL_BC_ICMS_ST,
                                    const char *VL_ICMS_ST, const char *COD_INF, const char *VL_PIS,
                                    const char *VL_COFINS);
/* C510: item of an electricity or piped-gas bill. */
QB_API int32_t QB_CALL RegistroC510(const char *NUM_ITEM, const char *COD_ITEM, const char *COD_CLASS, const char *QTD,
                                    const char *UNID, const char *VL_ITEM, const char *VL_DESC, const char *CST_ICMS,
                                    const char *CFOP, const char *VL_BC_ICMS, const char *ALIQ_ICMS,
                                    const char *VL_ICMS, const char *VL_BC_ICMS_ST, const char *ALIQ_ST,
                                    const char *VL_ICMS_ST, const char *IND_REC, const char *COD_PART,
                                    const char *VL_PIS, const char *VL_COFINS, const char *COD_CTA);
/* C590: analytical totals of an electricity or piped-gas bill. */
QB_API int32_t QB_CALL RegistroC590(const char *CST_ICMS, const char *CFOP, const char *ALIQ_ICMS, const char *VL_OPR,
                                    const char *VL_BC_ICMS, const char *VL_ICMS, const char *VL_BC_ICMS_ST,
                                    const char *VL_ICMS_ST, const char *VL_RED_BC, const char *COD_OBS);
/* C600: daily consolidation of electricity, water or piped-gas bills. */
QB_API int32_t QB_CALL RegistroC600(const char *COD_MOD, const char *COD_MUN, const char *SER, const char *SUB,
                                    const char *COD_CONS, const char *QTD_CONS, const char *QTD_CANC,
                                    const char *DT_DOC, const char *VL_DOC, const char *VL_DESC, const char *CONS,
                                    const char *VL_FORN, const char *VL_SERV_NT, const char *VL_TERC, const char *VL_DA,
                                    const char *VL_BC_ICMS, const char *VL_ICMS, const char *VL_BC_ICMS_ST,
                                    const char *VL_ICMS_ST, const char *VL_PIS, const char *VL_COFINS);
/* C601: cancelled document of a daily consolidation. */
QB_API int32_t QB_CALL RegistroC601(const char *NUM_DOC_CANC);
/* C610: item of a daily consolidation. */
QB_API int32_t QB_CALL RegistroC610(const char *COD_CLASS, const char *COD_ITEM, const char *QTD, const char *UNID,
                                    const char *VL_ITEM, const char *VL_DESC, const char *CST_ICMS, const char *CFOP,
                                    const char *ALIQ_ICMS, const char *VL_BC_ICMS, const char *VL_ICMS,
                                    const char *VL_BC_ICMS_ST, const char *VL_ICMS_ST, const char *VL_PIS,
                                    const char *VL_COFINS, const char *COD_CTA);
/* C690: analytical totals of a daily consolidation. */
QB_API int32_t QB_CALL RegistroC690(const char *CST_ICMS, const char *CFOP, const char *ALIQ_ICMS, const char *VL_OPR,
                                    const char *VL_BC_ICMS, const char *VL_ICMS, const char *VL_RED_BC,
                                    const char *VL_BC_ICMS_ST, const char *VL_ICMS_ST, const char *COD_OBS);
/* C700: consolidation of the documents kept in a master file. */
QB_API int32_t QB_CALL RegistroC700(const char *COD_MOD, const char *SER, const char *NRO_ORD_INI,
                                    const char *NRO_ORD_FIN, const char *DT_DOC_INI, const char *DT_DOC_FIN,
                                    const char *NOM_MEST, const char *CHV_COD_DIG);
/* C790: analytical totals of a master-file consolidation. */
QB_API int32_t QB_CALL RegistroC790(const char *CST_ICMS, const char *CFOP, const char *ALIQ_ICMS, const char *VL_OPR,
                                    const char *VL_BC_ICMS, const char *VL_ICMS, const char *VL_BC_ICMS_ST,
                                    const char *VL_ICMS_ST, const char *VL_RED_BC, const char *COD_OBS);
/* C791: withheld ST amounts of a master-file total, per state. */
QB_API int32_t QB_CALL RegistroC791(const char *UF, const char *VL_BC_ICMS_ST, const char *VL_ICMS_ST);
/* C990: closing of block C: its line count (mandatory). */
QB_API int32_t QB_CALL RegistroC990(void);

/* Block D */
/* D001: opening of block D (mandatory). */
QB_API int32_t QB_CALL RegistroD001(const char *IND_MOV);
/* D100: transport document (CT, CT-e and others). */
QB_API int32_t QB_CALL RegistroD100(const char *IND_OPER, const char *IND_EMIT, const char *COD_PART,
                                    const char *COD_MOD, const char *COD_SIT, const char *SER, const char *SUB,
                                    const char *NUM_DOC, const char *CHV_CTE, const char *DT_DOC, const char *DT_A_P,
                                    const char *TP_CT_e, const char *CHV_CTE_REF, const char *VL_DOC,
                                    const char *VL_DESC, const char *IND_FRT, const char *VL_SERV,
                                    const char *VL_BC_ICMS, const char *VL_ICMS, const char *VL_NT, const char *COD_INF,
                                    const char *COD_CTA);
/* D110: item of a transport service note. */
QB_API int32_t QB_CALL RegistroD110(const char *NUM_ITEM, const char *COD_ITEM, const char *VL_SERV,
                                    const char *VL_OUT);
/* D120: origin and destination of a transport service note. */
QB_API int32_t QB_CALL RegistroD120(const char *COD_MUN_ORIG, const char *COD_MUN_DEST, const char *VEIC_ID,
                                    const char *UF_ID);
/* D130: road freight complement. */
QB_API int32_t QB_CALL RegistroD130(const char *COD_PART_CONSG, const char *COD_PART_RED, const char *IND_FRT_RED,
                                    const char *COD_MUN_ORIG, const char *COD_MUN_DEST, const char *VEIC_ID,
                                    const char *VL_LIQ_FRT, const char *VL_SEC_CAT, const char *VL_DESP,
                                    const char *VL_PEDG, const char *VL_OUT, const char *VL_FRT, const char *UF_ID);
/* D140: waterway freight complement. */
QB_API int32_t QB_CALL RegistroD140(const char *COD_PART_CONSG, const char *COD_MUN_ORIG, const char *COD_MUN_DEST,
                                    const char *IND_VEIC, const char *VEIC_ID, const char *IND_NAV, const char *VIAGEM,
                                    const char *VL_FRT_LIQ, const char *VL_DESP_PORT, const char *VL_DESP_CAR_DESC,
                                    const char *VL_OUT, const char *VL_FRT_BRT, const char *VL_FRT_MM);
/* D150: air freight complement. */
QB_API int32_t QB_CALL RegistroD150(const char *COD_MUN_ORIG, const char *COD_MUN_DEST, const char *VEIC_ID,
                                    const char *VIAGEM, const char *IND_TFA, const char *VL_PESO_TX,
                                    const char *VL_TX_TERR, const char *VL_TX_RED, const char *VL_OUT,
                                    const char *VL_TX_ADV);
/* D160: cargo transported. */
QB_API int32_t QB_CALL RegistroD160(const char *DESPACHO, const char *CNPJ_CPF_REM, const char *IE_REM,
                                    const char *COD_MUN_ORI, const char *CNPJ_CPF_DEST, const char *IE_DEST,
                                    const char *COD_MUN_DEST);
/* D161: places of collection and delivery of the cargo. */
QB_API int32_t QB_CALL RegistroD161(const char *IND_CARGA, const char *CNPJ_CPF_COL, const char *IE_COL,
                                    const char *COD_MUN_COL, const char *CNPJ_CPF_ENTG, const char *IE_ENTG,
                                    const char *COD_MUN_ENTG);
/* D162: document of the goods transported. */
QB_API int32_t QB_CALL RegistroD162(const char *COD_MOD, const char *SER, const char *NUM_DOC, const char *DT_DOC,
                                    const char *VL_DOC, const char *VL_MERC, const char *QTD_VOL, const char *PESO_BRT,
                                    const char *PESO_LIQ);
/* D170: multimodal transport complement. */
QB_API int32_t QB_CALL RegistroD170(const char *COD_PART_CONSG, const char *COD_PART_RED, const char *COD_MUN_ORIG,
                                    const char *COD_MUN_DEST, const char *OTM, const char *IND_NAT_FRT,
                                    const char *VL_LIQ_FRT, const char *VL_GRIS, const char *VL_PDG, const char *VL_OUT,
                                    const char *VL_FRT, const char *VEIC_ID, const char *UF_ID);
/* D180: modal of a multimodal transport. DT_DOC is the eight digits
 * DDMMYYYY, as in C460. */
QB_API int32_t QB_CALL RegistroD180(const char *NUM_SEQ, const char *IND_EMIT, const char *CNPJ_CPF_EMIT,
                                    const char *UF_EMIT, const char *IE_EMIT, const char *COD_MUN_ORIG,
                                    const char *CNPJ_CPF_TOM, const char *UF_TOM, const char *IE_TOM,
                                    const char *COD_MUN_DEST, const char *COD_MOD, const char *SER, const char *SUB,
                                    const char *NUM_DOC, const char *DT_DOC, const char *VL_DOC);
/* D190: analytical totals of a transport document. */
QB_API int32_t QB_CALL RegistroD190(const char *CST_ICMS, const char *CFOP, const char *ALIQ_ICMS, const char *VL_OPR,
                                    const char *VL_BC_ICMS, const char *VL_ICMS, const char *VL_RED_BC,
                                    const char *COD_OBS);
/* D300: summary of transport tickets of one model, series and sub-series. */
QB_API int32_t QB_CALL RegistroD300(const char *COD_MOD, const char *SER, const char *SUB, const char *NUM_DOC_INI,
                                    const char *NUM_DOC_FIN, const char *CST_ICMS, const char *CFOP,
                                    const char *ALIQ_ICMS, const char *DT_DOC, const char *VL_OPR, const char *VL_DESC,
                                    const char *VL_SERV, const char *VL_SEG, const char *VL_OUT_DESP,
                                    const char *VL_BC_ICMS, const char *VL_ICMS, const char *VL_RED_BC,
                                    const char *COD_OBS, const char *COD_CTA);
/* D301: cancelled ticket of a ticket summary. */
QB_API int32_t QB_CALL RegistroD301(const char *NUM_DOC_CANC);
/* D310: services of a ticket summary per municipality of origin. */
QB_API int32_t QB_CALL RegistroD310(const char *COD_MUN_ORIG, const char *VL_SERV, const char *VL_BC_ICMS,
                                    const char *VL_ICMS);
/* D350: fiscal printer that issues transport tickets. */
QB_API int32_t QB_CALL RegistroD350(const char *COD_MOD, const char *ECF_MOD, const char *ECF_FAB, const char *ECF_CX);
/* D355: Z reduction of a transport fiscal printer. */
QB_API int32_t QB_CALL RegistroD355(const char *DT_DOC, const char *CRO, const char *CRZ, const char *NUM_COO_FIN,
                                    const char *GT_FIN, const char *VL_BRT);
/* D360: PIS and COFINS of a Z reduction. */
QB_API int32_t QB_CALL RegistroD360(const char *VL_PIS, const char *VL_COFINS);
/* D365: partial totaliser of a Z reduction. */
QB_API int32_t QB_CALL RegistroD365(const char *COD_TOT_PAR, const char *VLR_ACUM_TOT, const char *NR_TOT,
                                    const char *DESCR_NR_TOT);
/* D370: services of a partial totaliser per municipality of origin. */
QB_API int32_t QB_CALL RegistroD370(const char *COD_MUN_ORIG, const char *VL_SERV, const char *QTD_BILH,
                                    const char *VL_BC_ICMS, const char *VL_ICMS);
/* D390: analytical totals of a Z reduction. */
QB_API int32_t QB_CALL RegistroD390(const char *CST_ICMS, const char *CFOP, const char *ALIQ_ICMS, const char *VL_OPR,
                                    const char *VL_BC_ISSQN, const char *ALIQ_ISSQN, const char *VL_ISSQN,
                                    const char *VL_BC_ICMS, const char *VL_ICMS, const char *COD_OBS);
/* D400: daily movement summary of an agency, branch or post. */
QB_API int32_t QB_CALL RegistroD400(const char *COD_PART, const char *COD_MOD, const char *COD_SIT, const char *SER,
                                    const char *SUB, const char *NUM_DOC, const char *DT_DOC, const char *VL_DOC,
                                    const char *VL_DESC, const char *VL_SERV, const char *VL_BC_ICMS,
                                    const char *VL_ICMS, const char *VL_PIS, const char *VL_COFINS,
                                    const char *COD_CTA);
/* D410: documents of an agency's movement summary. */
QB_API int32_t QB_CALL RegistroD410(const char *COD_MOD, const char *SER, const char *SUB, const char *NUM_DOC_INI,
                                    const char *NUM_DOC_FIN, const char *DT_DOC, const char *CST_ICMS, const char *CFOP,
                                    const char *ALIQ_ICMS, const char *VL_OPR, const char *VL_DESC, const char *VL_SERV,
                                    const char *VL_BC_ICMS, const char *VL_ICMS);
/* D411: cancelled document of an agency's movement summary. */
QB_API int32_t QB_CALL RegistroD411(const char *NUM_DOC_CANC);
/* D420: services of an agency's movement per municipality of origin. */
QB_API int32_t QB_CALL RegistroD420(const char *COD_MUN_ORIG, const char *VL_SERV, const char *VL_BC_ICMS,
                                    const char *VL_ICMS);
/* D500: communication or telecommunication service bill. */
QB_API int32_t QB_CALL RegistroD500(const char *IND_OPER, const char *IND_EMIT, const char *COD_PART,
                                    const char *COD_MOD, const char *COD_SIT, const char *SER, const char *SUB,
                                    const char *NUM_DOC, const char *DT_DOC, const char *DT_A_P, const char *VL_DOC,
                                    const char *VL_DESC, const char *VL_SERV, const char *VL_SERV_NT,
                                    const char *VL_TERC, const char *VL_DA, const char *VL_BC_ICMS, const char *VL_ICMS,
                                    const char *COD_INF, const char *VL_PIS, const char *VL_COFINS,
                                    const char *COD_CTA);
/* D510: item of a communication service bill. */
QB_API int32_t QB_CALL RegistroD510(const char *NUM_ITEM, const char *COD_ITEM, const char *COD_CLASS, const char *QTD,
                                    const char *UNID, const char *VL_ITEM, const char *VL_DESC, const char *CST_ICMS,
                                    const char *CFOP, const char *VL_BC_ICMS, const char *ALIQ_ICMS,
                                    const char *VL_ICMS, const char *VL_BC_ICMS_ST, const char *VL_ICMS_ST,
                                    const char *IND_REC, const char *COD_PART, const char *VL_PIS,
                                    const char *VL_COFINS, const char *COD_CTA);
/* D530: billed terminal of a communication service bill. */
QB_API int32_t QB_CALL RegistroD530(const char *IND_SERV, const char *DT_INI_SERV, const char *DT_FIN_SERV,
                                    const char *PER_FISCAL, const char *COD_AREA, const char *TERMINAL);
/* D590: analytical totals of a communication service bill. */
QB_API int32_t QB_CALL RegistroD590(const char *CST_ICMS, const char *CFOP, const char *ALIQ_ICMS, const char *VL_OPR,
                                    const char *VL_BC_ICMS, const char *VL_ICMS, const char *VL_BC_ICMS_ST,
                                    const char *VL_ICMS_ST, const char *VL_RED_BC, const char *COD_OBS);
/* D600: consolidation of communication service bills. */
QB_API int32_t QB_CALL RegistroD600(const char *COD_MOD, const char *COD_MUN, const char *SER, const char *SUB,
                                    const char *COD_CONS, const char *QTD_CONS, const char *DT_DOC, const char *VL_DOC,
                                    const char *VL_DESC, const char *VL_SERV, const char *VL_SERV_NT,
                                    const char *VL_TERC, const char *VL_DA, const char *VL_BC_ICMS, const char *VL_ICMS,
                                    const char *VL_PIS, const char *VL_COFINS);
/* D610: item of a consolidation of communication service bills. */
QB_API int32_t QB_CALL RegistroD610(const char *COD_CLASS, const char *COD_ITEM, const char *QTD, const char *UNID,
                                    const char *VL_ITEM, const char *VL_DESC, const char *CST_ICMS, const char *CFOP,
                                    const char *ALIQ_ICMS, const char *VL_BC_ICMS, const char *VL_ICMS,
                                    const char *VL_BC_ICMS_ST, const char *VL_ICMS_ST, const char *VL_RED_BC,
                                    const char *VL_PIS, const char *VL_COFINS, const char *COD_CTA);
/* D690: analytical totals of a consolidation of communication service bills. */
QB_API int32_t QB_CALL RegistroD690(const char *CST_ICMS, const char *CFOP, const char *ALIQ_ICMS, const char *VL_OPR,
                                    const char *VL_BC_ICMS, const char *VL_ICMS, const char *VL_BC_ICMS_ST,
                                    const char *VL_ICMS_ST, const char *VL_RED_BC, const char *COD_OBS);
/* D695: consolidation of communication service bills kept in a master file. */
QB_API int32_t QB_CALL RegistroD695(const char *COD_MOD, const char *SER, const char *NRO_ORD_INI,
                                    const char *NRO_ORD_FIN, const char *DT_DOC_INI, const char *DT_DOC_FIN,
                                    const char *NOM_MEST, const char *CHV_COD_DIG);
/* D696: analytical totals of a master-file consolidation of communication bills. */
QB_API int32_t QB_CALL RegistroD696(const char *CST_ICMS, const char *CFOP, const char *ALIQ_ICMS, const char *VL_OPR,
                                    const char *VL_BC_ICMS, const char *VL_ICMS, const char *VL_BC_ICMS_ST,
                                    const char *VL_ICMS_ST, const char *VL_RED_BC, const char *COD_OBS);
/* D697: withheld ST amounts of a master-file total, per state. */
QB_API int32_t QB_CALL RegistroD697(const char *UF, const char *VL_BC_ICMS_ST, const char *VL_ICMS_ST);
/* D990: closing of block D: its line count (mandatory). */
QB_API int32_t QB_CALL RegistroD990(void);

/* Block E */
/* E001: opening of block E (mandatory). */
QB_API int32_t QB_CALL RegistroE001(const char *IND_MOV);
/* E100: period of the ICMS assessment. */
QB_API int32_t QB_CALL RegistroE100(const char *DT_INI, const char *DT_FIN);
/* E110: the ICMS assessment. */
QB_API int32_t QB_CALL RegistroE110(const char *VL_TOT_DEBITOS, const char *VL_AJ_DEBITOS,
                                    const char *VL_TOT_AJ_DEBITOS, const char *VL_ESTORNOS_CRED,
                                    const char *VL_TOT_CREDITOS, const char *VL_AJ_CREDITOS,
                                    const char *VL_TOT_AJ_CREDITOS, const char *VL_ESTORNOS_DEB,
                                    const char *VL_SLD_CREDOR_ANT, const char *VL_SLD_APURADO, const char *VL_TOT_DED,
                                    const char *VL_ICMS_RECOLHER, const char *VL_SLD_CREDOR_TRANSPORTAR,
                                    const char *DEB_ESP);
/* E111: adjustment of the ICMS assessment. */
QB_API int32_t QB_CALL RegistroE111(const char *COD_AJ_APUR, const char *DESCR_COMPL_AJ, const char *VL_AJ_APUR);
/* E112: collection document or process of an assessment adjustment. */
QB_API int32_t QB_CALL RegistroE112(const char *NUM_DA, const char *NUM_PROC, const char *IND_PROC, const char *PROC,
                                    const char *TXT_COMPL);
/* E113: fiscal document of an assessment adjustment. */
QB_API int32_t QB_CALL RegistroE113(const char *COD_PART, const char *COD_MOD, const char *SER, const char *SUB,
                                    const char *NUM_DOC, const char *DT_DOC, const char *COD_ITEM,
                                    const char *VL_AJ_ITEM);
/* E115: additional value of the ICMS assessment. */
QB_API int32_t QB_CALL RegistroE115(const char *COD_INF_ADIC, const char *VL_INF_ADIC, const char *DESCR_COMPL_AJ);
/* E116: ICMS obligation to be paid. */
QB_API int32_t QB_CALL RegistroE116(const char *COD_OR, const char *VL_OR, const char *DT_VCTO, const char *COD_REC,
                                    const char *NUM_PROC, const char *IND_PROC, const char *PROC,
                                    const char *TXT_COMPL);
/* E200: state and period of the ICMS assessment by tax substitution. */
QB_API int32_t QB_CALL RegistroE200(const char *UF, const char *DT_INI, const char *DT_FIN);
/* E210: the ICMS assessment by tax substitution. */
QB_API int32_t QB_CALL RegistroE210(const char *IND_MOV_ST, const char *VL_SLD_CRED_ANT_ST, const char *VL_DEVOL_ST,
                                    const char *VL_RESSARC_ST, const char *VL_OUT_CRED_ST,
                                    const char *VL_AJ_CREDITOS_ST, const char *VL_RETENCAO_ST,
                                    const char *VL_OUT_DEB_ST, const char *VL_AJ_DEBITOS_ST,
                                    const char *VL_SLD_DEV_ANT_ST, const char *VL_DEDUCOES_ST,
                                    const char *VL_ICMS_RECOL_ST, const char *VL_SLD_CRED_ST_TRANSPORTAR,
                                    const char *DEB_ESP_ST);
/* E220: adjustment of the assessment by tax substitution. */
QB_API int32_t QB_CALL RegistroE220(const char *COD_AJ_APUR, const char *DESCR_COMPL_AJ, const char *VL_AJ_APUR);
/* E230: collection document or process of a substitution adjustment. */
QB_API int32_t QB_CALL RegistroE230(const char *NUM_DA, const char *NUM_PROC, const char *IND_PROC, const char *PROC,
                                    const char *TXT_COMPL);
/* E240: fiscal document of a substitution adjustment. */
QB_API int32_t QB_CALL RegistroE240(const char *COD_PART, const char *COD_MOD, const char *SER, const char *SUB,
                                    const char *NUM_DOC, const char *DT_DOC, const char *COD_ITEM,
                                    const char *VL_AJ_ITEM);
/* E250: ICMS obligation to be paid by tax substitution. */
QB_API int32_t QB_CALL RegistroE250(const char *COD_OR, const char *VL_OR, const char *DT_VCTO, const char *COD_REC,
                                    const char *NUM_PROC, const char *IND_PROC, const char *PROC,
                                    const char *TXT_COMPL);
/* E500: period of the IPI assessment and its kind. */
QB_API int32_t QB_CALL RegistroE500(const char *IND_APUR, const char *DT_INI, const char *DT_FIN);
/* E510: IPI values per CFOP and IPI tax code. */
QB_API int32_t QB_CALL RegistroE510(const char *CFOP, const char *CST_IPI, const char *VL_CONT_IPI,
                                    const char *VL_BC_IPI, const char *VL_IPI);
/* E520: the IPI assessment. */
QB_API int32_t QB_CALL RegistroE520(const char *VL_SD_ANT_IPI, const char *VL_DEB_IPI, const char *VL_CRED_IPI,
                                    const char *VL_OD_IPI, const char *VL_OC_IPI, const char *VL_SC_IPI,
                                    const char *VL_SD_IPI);
/* E530: adjustment of the IPI assessment. */
QB_API int32_t QB_CALL RegistroE530(const char *IND_AJ, const char *VL_AJ, const char *COD_AJ, const char *IND_DOC,
                                    const char *NUM_DOC, const char *DESCR_AJ);
/* E990: closing of block E: its line count (mandatory). */
QB_API int32_t QB_CALL RegistroE990(void);

/* Block H */
/* H001: opening of block H (mandatory). */
QB_API int32_t QB_CALL RegistroH001(const char *IND_MOV);
/* H005: inventory date and total value. */
QB_API int32_t QB_CALL RegistroH005(const char *DT_INV, const char *VL_INV);
/* H010: inventory item. */
QB_API int32_t QB_CALL RegistroH010(const char *COD_ITEM, const char *UNID, const char *QTD, const char *VL_UNIT,
                                    const char *VL_ITEM, const char *IND_PROP, const char *COD_PART,
                                    const char *TXT_COMPL, const char *COD_CTA);
/* H990: closing of block H: its line count (mandatory). */
QB_API int32_t QB_CALL RegistroH990(void);

/* Block 1 */
/* 1001: opening of block 1 (mandatory). */
QB_API int32_t QB_CALL Registro1001(const char *IND_MOV);
/* 1100: export register. */
QB_API int32_t QB_CALL Registro1100(const char *IND_DOC, const char *NRO_DE, const char *DT_DE, const char *NAT_EXP,
                                    const char *NRO_RE, const char *DT_RE, const char *CHC_EMB, const char *DT_CHC,
                                    const char *DT_AVB, const char *TP_CHC, const char *PAIS);
/* 1105: export invoice of an export register. */
QB_API int32_t QB_CALL Registro1105(const char *COD_MOD, const char *SERIE, const char *NUM_DOC, const char *CHV_NFE,
                                    const char *DT_DOC, const char *COD_ITEM);
/* 1110: goods bought for export. */
QB_API int32_t QB_CALL Registro1110(const char *COD_PART, const char *COD_MOD, const char *SER, const char *NUM_DOC,
                                    const char *DT_DOC, const char *CHV_NFE, const char *NR_MEMO, const char *QTD,
                                    const char *UNID);
/* 1200: control of ICMS credits. */
QB_API int32_t QB_CALL Registro1200(const char *COD_AJ_APUR, const char *SLD_CRED, const char *CRED_APR,
                                    const char *CRED_RECEB, const char *CRED_UTIL, const char *SLD_CRED_FIM);
/* 1210: use of ICMS credits. */
QB_API int32_t QB_CALL Registro1210(const char *TIPO_UTIL, const char *NR_DOC, const char *VL_CRED_UTIL);
/* 1300: daily fuel movement per product. */
QB_API int32_t QB_CALL Registro1300(const char *COD_ITEM, const char *DT_FECH, const char *ESTQ_ABERT,
                                    const char *VOL_ENTR, const char *VOL_DISP, const char *VOL_SAIDAS,
                                    const char *ESTQ_ESCR, const char *VAL_AJ_PERDA, const char *VAL_AJ_GANHO,
                                    const char *FECH_FISICO);
/* 1310: daily fuel movement per tank. */
QB_API int32_t QB_CALL Registro1310(const char *NUM_TANQUE, const char *ESTQ_ABERT, const char *VOL_ENTR,
                                    const char *VOL_DISP, const char *VOL_SAIDAS, const char *ESTQ_ESCR,
                                    const char *VAL_AJ_PERDA, const char *VAL_AJ_GANHO, const char *FECH_FISICO);
/* 1320: meter readings per fuel nozzle. */
QB_API int32_t QB_CALL Registro1320(const char *NUM_BICO, const char *NR_INTERV, const char *MOT_INTERV,
                                    const char *NOM_INTERV, const char *CNPJ_INTERV, const char *CPF_INTERV,
                                    const char *VAL_FECHA, const char *VAL_ABERT, const char *VOL_AFERI,
                                    const char *VOL_VENDAS);
/* 1350: fuel pump. */
QB_API int32_t QB_CALL Registro1350(const char *SERIE, const char *FABRICANTE, const char *MODELO,
                                    const char *TIPO_MEDICAO);
/* 1360: seal of a fuel pump. */
QB_API int32_t QB_CALL Registro1360(const char *NUM_LACRE, const char *DT_APLICACAO);
/* 1370: nozzle of a fuel pump. */
QB_API int32_t QB_CALL Registro1370(const char *NUM_BICO, const char *COD_ITEM, const char *NUM_TANQUE);
/* 1400: value of an item per municipality. */
QB_API int32_t QB_CALL Registro1400(const char *COD_ITEM, const char *MUN, const char *VALOR);
/* 1500: electricity bill (block 1). */
QB_API int32_t QB_CALL Registro1500(const char *IND_OPER, const char *IND_EMIT, const char *COD_PART,
                                    const char *COD_MOD, const char *COD_SIT, const char *SER, const char *SUB,
                                    const char *COD_CONS, const char *NUM_DOC, const char *DT_DOC, const char *DT_E_S,
                                    const char *VL_DOC, const char *VL_DESC, const char *VL_FORN,
                                    const char *VL_SERV_NT, const char *VL_TERC, const char *VL_DA,
                                    const char *VL_BC_ICMS, const char *VL_ICMS, const char *VL_BC_ICMS_ST,
                                    const char *VL_ICMS_ST, const char *COD_INF, const char *VL_PIS,
                                    const char *VL_COFINS);
/* 1510: item of an electricity bill (block 1). */
QB_API int32_t QB_CALL Registro1510(const char *NUM_ITEM, const char *COD_ITEM, const char *COD_CLASS, const char *QTD,
                                    const char *UNID, const char *VL_ITEM, const char *VL_DESC, const char *CST_ICMS,
                                    const char *CFOP, const char *VL_BC_ICMS, const char *ALIQ_ICMS,
                                    const char *VL_ICMS, const char *VL_BC_ICMS_ST, const char *ALIQ_ST,
                                    const char *VL_ICMS_ST, const char *IND_REC, const char *COD_PART,
                                    const char *VL_PIS, const char *VL_COFINS, const char *COD_CTA);
/* 1600: card operations per card administrator. */
QB_API int32_t QB_CALL Registro1600(const char *COD_PART, const char *TOT_CREDITO, const char *TOT_DEBITO);
/* 1990: closing of block 1: its line count (mandatory). */
QB_API int32_t QB_CALL Registro1990(void);

/* Block 9 */
/* 9001: opening of block 9 (mandatory). */
QB_API int32_t QB_CALL Registro9001(const char *IND_MOV);
/* 9900: one line per record type written, with its count (mandatory). */
QB_API int32_t QB_CALL Registro9900(void);
/* 9990: closing of block 9: its line count (mandatory). */
QB_API int32_t QB_CALL Registro9990(void);
/* 9999: closing of the file: its line count, after the file tests (mandatory). */
QB_API int32_t QB_CALL Registro9999(void);

#ifdef __cplusplus
}
#endif

#endif
