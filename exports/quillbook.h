/*
 * Quillbook: writes the EFD ICMS/IPI file record by record.
 *
 * ABI: every name below is exported undecorated, by name. Texts passed in
 * are NUL-terminated 8-bit strings in Windows-1252; a NULL pointer is read
 * as the empty text. The library never keeps, changes or frees a text of
 * the host beyond the call. Generation operations and record writers return
 * 0 (done) or -1 (refused or rejected); validators return one byte, 1
 * (valid) or 0 (invalid). Calls come from one thread at a time.
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
 * missing (after a message). Old sped.txt, erro.txt and log.txt are
 * replaced, and the replacement is noted at the head of erro.txt. */
QB_API int32_t QB_CALL Inicia_SPED(const char *Diretorio_Saida, const char *Diretorio_Entrada);

/* Closes the generation: writes log.txt with the counts of every record
 * type. Harmless when no generation is running. */
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
 * One writer per record type, named Registro + the record's code, called in
 * the order of the layout. Every field is a text (NULL is empty); amounts
 * and dates too, dates in the user's regional short format. Returns 0 when
 * the line went to sped.txt, -1 when no generation is running or the record
 * was rejected (its errors then go to erro.txt). The block closers and block
 * 9 take no fields: they count what was written. */

/* Block 0 */
QB_API int32_t QB_CALL Registro0000(const char *COD_VER, const char *COD_FIN, const char *DT_INI, const char *DT_FIN,
                                    const char *NOME, const char *CNPJ, const char *CPF, const char *UF, const char *IE,
                                    const char *COD_MUN, const char *IM, const char *SUFRAMA, const char *IND_PERFIL,
                                    const char *IND_ATIV);
QB_API int32_t QB_CALL Registro0001(const char *IND_MOV);
QB_API int32_t QB_CALL Registro0005(const char *FANTASIA, const char *CEP, const char *END, const char *NUM,
                                    const char *COMPL, const char *BAIRRO, const char *FONE, const char *FAX,
                                    const char *EMAIL);
QB_API int32_t QB_CALL Registro0015(const char *UF_ST, const char *IE_ST);
QB_API int32_t QB_CALL Registro0100(const char *NOME, const char *CPF, const char *CRC, const char *CNPJ,
                                    const char *CEP, const char *END, const char *NUM, const char *COMPL,
                                    const char *BAIRRO, const char *FONE, const char *FAX, const char *EMAIL,
                                    const char *COD_MUN);
QB_API int32_t QB_CALL Registro0150(const char *COD_PART, const char *NOME, const char *COD_PAIS, const char *CNPJ,
                                    const char *CPF, const char *IE, const char *COD_MUN, const char *SUFRAMA,
                                    const char *END, const char *NUM, const char *COMPL, const char *BAIRRO);
QB_API int32_t QB_CALL Registro0175(const char *DT_ALT, const char *NR_CAMPO, const char *CONT_ANT);
QB_API int32_t QB_CALL Registro0190(const char *UNID, const char *DESCR);
QB_API int32_t QB_CALL Registro0200(const char *COD_ITEM, const char *DESCR_ITEM, const char *COD_BARRA,
                                    const char *COD_ANT_ITEM, const char *UNID_INV, const char *TIPO_ITEM,
                                    const char *COD_NCM, const char *EX_IPI, const char *COD_GEN, const char *COD_LST,
                                    const char *ALIQ_ICMS);
QB_API int32_t QB_CALL Registro0205(const char *DESCR_ANT_ITEM, const char *DT_INI, const char *DT_FIM);
QB_API int32_t QB_CALL Registro0206(const char *COD_COMB);
QB_API int32_t QB_CALL Registro0220(const char *UNID_CONV, const char *FAT_CONV);
QB_API int32_t QB_CALL Registro0400(const char *COD_NAT, const char *DESCR_NAT);
QB_API int32_t QB_CALL Registro0450(const char *COD_INF, const char *TXT);
QB_API int32_t QB_CALL Registro0460(const char *COD_OBS, const char *TXT);
QB_API int32_t QB_CALL Registro0990(void);

/* Block C */
QB_API int32_t QB_CALL RegistroC001(const char *IND_MOV);
QB_API int32_t QB_CALL RegistroC990(void);

/* Block D */
QB_API int32_t QB_CALL RegistroD001(const char *IND_MOV);
QB_API int32_t QB_CALL RegistroD990(void);

/* Block E */
QB_API int32_t QB_CALL RegistroE001(const char *IND_MOV);
QB_API int32_t QB_CALL RegistroE100(const char *DT_INI, const char *DT_FIN);
QB_API int32_t QB_CALL RegistroE110(const char *VL_TOT_DEBITOS, const char *VL_AJ_DEBITOS,
                                    const char *VL_TOT_AJ_DEBITOS, const char *VL_ESTORNOS_CRED,
                                    const char *VL_TOT_CREDITOS, const char *VL_AJ_CREDITOS,
                                    const char *VL_TOT_AJ_CREDITOS, const char *VL_ESTORNOS_DEB,
                                    const char *VL_SLD_CREDOR_ANT, const char *VL_SLD_APURADO, const char *VL_TOT_DED,
                                    const char *VL_ICMS_RECOLHER, const char *VL_SLD_CREDOR_TRANSPORTAR,
                                    const char *DEB_ESP);
QB_API int32_t QB_CALL RegistroE990(void);

/* Block H */
QB_API int32_t QB_CALL RegistroH001(const char *IND_MOV);
QB_API int32_t QB_CALL RegistroH990(void);

/* Block 1 */
QB_API int32_t QB_CALL Registro1001(const char *IND_MOV);
QB_API int32_t QB_CALL Registro1990(void);

/* Block 9 */
QB_API int32_t QB_CALL Registro9001(const char *IND_MOV);
QB_API int32_t QB_CALL Registro9900(void);
QB_API int32_t QB_CALL Registro9990(void);
QB_API int32_t QB_CALL Registro9999(void);

#ifdef __cplusplus
}
#endif

#endif
