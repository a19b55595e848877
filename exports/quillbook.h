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

#ifdef __cplusplus
}
#endif

#endif
