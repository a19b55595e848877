// Block 0: the taxpayer's identification and the register tables that the
// rest of the file points to.
#include <optional>

#include "frame/texto.h"
#include "records/registro.h"

using namespace quillbook;

extern "C" {

// 0000: the file's first line: layout version, purpose, period and the
// taxpayer. The CNPJ is taken when passed (blanks count as passed), else
// the CPF; the other identity column stays bare.
QB_API int32_t QB_CALL Registro0000(const char* COD_VER, const char* COD_FIN, const char* DT_INI, const char* DT_FIN,
                                    const char* NOME, const char* CNPJ, const char* CPF, const char* UF, const char* IE,
                                    const char* COD_MUN, const char* IM, const char* SUFRAMA, const char* IND_PERFIL,
                                    const char* IND_ATIV) {
  const bool forma_cnpj = !Texto(CNPJ).empty();
  return Escreve_Registro("0000", "REGISTRO 0000 LFPD", 54, [&](Registro& r) {
    const auto& cod_ver = r.numero(COD_VER, 3, "Código da versão do leiaute:");
    const auto& cod_fin = r.numero(COD_FIN, 1, "Código da finalidade do arquivo:");
    const auto& dt_ini = r.data(DT_INI, "Data inicial:");
    const auto& dt_fin = r.data(DT_FIN, "Data final:");
    r.texto(NOME, 100, "Nome empresarial do contribuinte:");
    std::optional<Capturado> cnpj, cpf;
    if (forma_cnpj) {
      cnpj = r.numero(CNPJ, 14, "Número de inscrição da entidade no CNPJ:");
      r.coluna_vazia();
    } else {
      r.coluna_vazia();
      cpf = r.numero(CPF, 11, "Número de inscrição da entidade no CPF:");
    }
    const auto& uf = r.texto(UF, 2, "Sigla da unidade da federação:");
    r.texto(IE, 14, "Inscrição Estadual do contribuinte:");
    const auto& cod_mun = r.numero(COD_MUN, 7, "Código do município do domicílio fiscal:");
    r.texto(IM, 255, "Inscrição Municipal do contribuinte:");
    r.texto(SUFRAMA, 9, "Inscrição da entidade na SUFRAMA:");
    const auto& ind_perfil = r.texto(IND_PERFIL, 1, "Perfil de apresentação do arquivo fiscal:");
    const auto& ind_ativ = r.numero(IND_ATIV, 1, "Indicador de tipo de atividade:");
    r.unico();
    if (cnpj) r.cnpj(*cnpj, "-2   CNPJ Inválido : ");
    if (cpf) r.cpf(*cpf, "-3   CPF Inválido : ");
    r.valida(vUF, uf, "-4   Unidade da Federação Inválida : ");
    r.valida_data(dt_ini, "-6   Data Inicial Inválida (DDMMAAAA) : ");
    r.valida_data(dt_fin, "-7   Data Final Inválida (DDMMAAAA) : ");
    r.valida(vCod_Leiaute, cod_ver, "-8   Código da versão do leiaute Inválido : ");
    r.valida(vCod_Municipio, cod_mun, "-9   Código do município do domicílio fiscal Inválido : ");
    r.valida(vIND_PERFIL, ind_perfil, "-10  Perfil de apresentação do arquivo fiscal Inválido : ");
    r.valida(vIND_ATIV, ind_ativ, "-11  Indicador de tipo de atividade Inválido : ");
    r.valida(vCOD_FIN, cod_fin, "-12  Código da finalidade do arquivo Inválido : ");
  });
}

// 0005: complementary data of the taxpayer
QB_API int32_t QB_CALL Registro0005(const char* FANTASIA, const char* CEP, const char* END, const char* NUM,
                                    const char* COMPL, const char* BAIRRO, const char* FONE, const char* FAX,
                                    const char* EMAIL) {
  return Escreve_Registro("0005", "REGISTRO 0005", 39, [&](Registro& r) {
    r.texto(FANTASIA, 60, "Nome de fantasia associado:");
    const auto& cep = r.numero(CEP, 8, "Código de Endereçamento Postal:");
    r.texto(END, 60, "Logradouro e endereço do imóvel:");
    r.texto(NUM, 255, "Número do imóvel:");
    r.texto(COMPL, 60, "Dados complementares do endereço:");
    r.texto(BAIRRO, 60, "Bairro em que o imóvel está situado:");
    r.texto(FONE, 10, "Número do telefone:");
    r.texto(FAX, 10, "Número do fax:");
    r.texto(EMAIL, 255, "Endereço do correio eletrônico:");
    r.unico();
    r.valida(vCEP, cep, "-2   Código de Endereçamento Postal Inválida: ");
  });
}

// 0015: registration as substitute taxpayer in another state
QB_API int32_t QB_CALL Registro0015(const char* UF_ST, const char* IE_ST) {
  return Escreve_Registro("0015", "REGISTRO 0015", 30, [&](Registro& r) {
    const auto& uf_st = r.texto(UF_ST, 2, "Sigla da unidade da federação:");
    r.texto(IE_ST, 14, "Inscrição Estadual:");
    r.valida(vUF, uf_st, "-2   UF Inválida : ");
  });
}

// 0100: accountant
QB_API int32_t QB_CALL Registro0100(const char* NOME, const char* CPF, const char* CRC, const char* CNPJ,
                                    const char* CEP, const char* END, const char* NUM, const char* COMPL,
                                    const char* BAIRRO, const char* FONE, const char* FAX, const char* EMAIL,
                                    const char* COD_MUN) {
  return Escreve_Registro("0100", "REGISTRO 0100", 48, [&](Registro& r) {
    const auto& nome = r.texto(NOME, 60, "Nome do contabilista/escritório:");
    const auto& cpf = r.numero(CPF, 11, "Número de inscrição do contabilista no CPF:");
    r.texto(CRC, 15, "Número de inscrição no Conselho Regional:");
    const auto& cnpj = r.numero(CNPJ, 14, "CNPJ do escritório de contabilidade, se houver:");
    const auto& cep = r.numero(CEP, 8, "Código de Endereçamento Postal:");
    r.texto(END, 60, "Logradouro e endereço do imóvel:");
    r.texto(NUM, 255, "Número do imóvel:");
    r.texto(COMPL, 60, "Dados complementares do endereço:");
    r.texto(BAIRRO, 60, "Bairro em que o imóvel está situado:");
    r.texto(FONE, 10, "Número do telefone:");
    r.texto(FAX, 10, "Número do fax:");
    r.texto(EMAIL, 255, "Endereço do correio eletrônico:");
    r.numero(COD_MUN, 7, "Código do município, conforme tabela IBGE:");
    r.unico();
    r.cnpj_simples(cnpj, "-2   CNPJ Inválido : ");
    r.cpf_simples(cpf, "-3   Número de inscrição no CPF Inválida: ");
    r.obrigatorio(nome, "-4   Nome do Contribuinte Inválido: Preenchimento Obrigatório");
    r.valida(vCEP, cep, "-5   Código de Endereçamento Postal Inválida: ");
  });
}

// 0150: participant. Identified by CNPJ or by CPF, never both: the
// parameters as passed choose the form, and the other column stays bare.
QB_API int32_t QB_CALL Registro0150(const char* COD_PART, const char* NOME, const char* COD_PAIS, const char* CNPJ,
                                    const char* CPF, const char* IE, const char* COD_MUN, const char* SUFRAMA,
                                    const char* END, const char* NUM, const char* COMPL, const char* BAIRRO) {
  const bool forma_cpf = Texto(CNPJ).empty() && !Texto(CPF).empty();
  return Escreve_Registro("0150", "REGISTRO 0150", 63, [&](Registro& r) {
    r.texto(COD_PART, 60, "Código de identificação do participante:");
    r.texto(NOME, 100, "Nome pessoal ou empresarial:");
    const auto& cod_pais = r.numero(COD_PAIS, 5, "Código do país do participante:");
    r.largura(61);
    std::optional<Capturado> cnpj, cpf;
    if (forma_cpf) {
      r.coluna_vazia();
      cpf = r.numero(CPF, 11, "CPF do participante na unidade da federação do destinatário:");
    } else {
      cnpj = r.numero(CNPJ, 14, "CNPJ do participante:");
      r.coluna_vazia();
    }
    r.largura(64);
    r.texto(IE, 14, "Inscrição Estadual do participante:");
    const auto& cod_mun = r.numero(COD_MUN, 7, "Código do município:");
    r.texto(SUFRAMA, 9, "Número de inscrição na Suframa:");
    r.texto(END, 60, "Logradouro e endereço do imóvel:");
    r.texto(NUM, 255, "Número do imóvel:");
    r.texto(COMPL, 255, "Dados complementares do endereço:");
    r.texto(BAIRRO, 60, "Bairro em que o imóvel está situado:");
    if (cnpj) r.cnpj_obrigatorio(*cnpj, "-1   CNPJ Inválido : ");
    if (cpf) r.cpf_simples(*cpf, "-2   CPF Inválido : ");
    r.valida(vCod_Municipio, cod_mun, "-3   Código do município do domicílio fiscal : ");
    r.valida(vCOD_PAIS, cod_pais, "-4   Código do país do participante : ");
  });
}

// 0175: change of a participant's register
QB_API int32_t QB_CALL Registro0175(const char* DT_ALT, const char* NR_CAMPO, const char* CONT_ANT) {
  return Escreve_Registro("0175", "REGISTRO 0175", 51, [&](Registro& r) {
    const auto& dt_alt = r.data(DT_ALT, "Data de alteração do cadastro:");
    r.texto(NR_CAMPO, 2, "Número do campo alterado (Somente campos 03 a 13):");
    r.texto(CONT_ANT, 255, "Conteúdo anterior do campo:");
    r.valida_data(dt_alt, "-1   Data de alteração do cadastro(AAAAMMDD): ");
  });
}

// 0190: unit of measure
QB_API int32_t QB_CALL Registro0190(const char* UNID, const char* DESCR) {
  return Escreve_Registro("0190", "REGISTRO 0190", 31, [&](Registro& r) {
    r.texto(UNID, 6, "Código da unidade de medida:");
    r.texto(DESCR, 255, "Descrição da unidade de medida:");
  });
}

// 0200: item
QB_API int32_t QB_CALL Registro0200(const char* COD_ITEM, const char* DESCR_ITEM, const char* COD_BARRA,
                                    const char* COD_ANT_ITEM, const char* UNID_INV, const char* TIPO_ITEM,
                                    const char* COD_NCM, const char* EX_IPI, const char* COD_GEN, const char* COD_LST,
                                    const char* ALIQ_ICMS) {
  return Escreve_Registro("0200", "REGISTRO 0200", 48, [&](Registro& r) {
    r.texto(COD_ITEM, 60, "Código do item:");
    r.texto(DESCR_ITEM, 255, "Descrição do item:");
    r.texto(COD_BARRA, 255, "Código de barra do produto, se houver:");
    r.texto(COD_ANT_ITEM, 60, "Código anterior do item (ultima apresentado):");
    r.texto(UNID_INV, 6, "Unidade de medida do estoque:");
    const auto& tipo_item = r.numero(TIPO_ITEM, 2, "Tipo Item - Ativ. Ind, Com e Serviços:");
    r.texto(COD_NCM, 8, "Código da Nomenclatura Comum do Mercosul:");
    r.texto(EX_IPI, 3, "Código EX, conforme a TIPI:");
    r.numero(COD_GEN, 2, "Código gênero item, tabela indicada item 4.2.1:");
    r.numero(COD_LST, 4, "Código serviço Anexo I - Lei nº116/03:");
    r.numero(ALIQ_ICMS, 6, "Alíquota ICMS aplicável (operações internas):");
    r.valida(vTIPO_ITEM, tipo_item, "-1   Tipo Item - Ativ. Ind, Com e Serviços: ");
  });
}

// 0205: previous description of an item
QB_API int32_t QB_CALL Registro0205(const char* DESCR_ANT_ITEM, const char* DT_INI, const char* DT_FIM) {
  return Escreve_Registro("0205", "REGISTRO 0205", 41, [&](Registro& r) {
    r.texto(DESCR_ANT_ITEM, 255, "Descrição anterior do item:");
    const auto& dt_ini = r.data(DT_INI, "Data inicial de utilização do código:");
    const auto& dt_fim = r.data(DT_FIM, "Data final de utilização do código:");
    r.valida_data(dt_ini, "-1   Data Inicial Inválida (AAAAMMDD) : ");
    r.valida_data(dt_fim, "-2   Data Final Inválida (AAAAMMDD) : ");
  });
}

// 0206: fuel code of an item
QB_API int32_t QB_CALL Registro0206(const char* COD_COMB) {
  return Escreve_Registro("0206", "REGISTRO 0206", 59, [&](Registro& r) {
    r.texto(COD_COMB, 255, "Código do combustível, conforme tabela publicada pela ANP:");
  });
}

// 0220: unit conversion factor
QB_API int32_t QB_CALL Registro0220(const char* UNID_CONV, const char* FAT_CONV) {
  return Escreve_Registro("0220", "REGISTRO 0220", 76, [&](Registro& r) {
    r.texto(UNID_CONV, 6, "Unidade comercial a ser convertida na unidade de estoque, referida em 0200:");
    r.numero(FAT_CONV, 255, "Fator de conversão:");
  });
}

// 0400: nature of operation
QB_API int32_t QB_CALL Registro0400(const char* COD_NAT, const char* DESCR_NAT) {
  return Escreve_Registro("0400", "REGISTRO 0400", 41, [&](Registro& r) {
    r.texto(COD_NAT, 10, "Código da natureza:");
    r.texto(DESCR_NAT, 255, "Descrição da natureza:");
  });
}

// 0450: complementary information of documents
QB_API int32_t QB_CALL Registro0450(const char* COD_INF, const char* TXT) {
  return Escreve_Registro("0450", "REGISTRO 0450", 55, [&](Registro& r) {
    r.texto(COD_INF, 6, "Código da informação complementar do documento fiscal:");
    r.largura(40);
    r.texto(TXT, 255, "Texto livre:");
  });
}

// 0460: observation of the fiscal entry
QB_API int32_t QB_CALL Registro0460(const char* COD_OBS, const char* TXT) {
  return Escreve_Registro("0460", "REGISTRO 0460", 57, [&](Registro& r) {
    r.texto(COD_OBS, 6, "Código da Observação do lançamento fiscal:");
    r.texto(TXT, 255, "Descrição da observação vinculada ao lançamento  fiscal:");
  });
}

}  // extern "C"
