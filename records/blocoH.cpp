// Block H: the physical inventory.
#include "records/registro.h"

using namespace quillbook;

extern "C" {

// H005: inventory date and total value
QB_API int32_t QB_CALL RegistroH005(const char* DT_INV, const char* VL_INV) {
  return Escreve_Registro("H005", " REGISTRO H005", 23, [&](Registro& r) {
    const auto& dt_inv = r.data(DT_INV, "Data do inventário:");
    r.numero(VL_INV, 255, "Valor total do estoque:");
    r.valida_data(dt_inv, "-1   Data Final Inválida (AAAAMMDD) : ");
  });
}

// H010: inventory item
QB_API int32_t QB_CALL RegistroH010(const char* COD_ITEM, const char* UNID, const char* QTD, const char* VL_UNIT,
                                    const char* VL_ITEM, const char* IND_PROP, const char* COD_PART,
                                    const char* TXT_COMPL, const char* COD_CTA) {
  return Escreve_Registro("H010", " REGISTRO H010", 213, [&](Registro& r) {
    r.texto(COD_ITEM, 60, "Código do item (campo 02 do Registro 0200)");
    r.texto(UNID, 6, "Unidade do item");
    r.numero(QTD, 255, "Quantidade do item");
    r.numero(VL_UNIT, 255, "Valor unitário do item");
    r.numero(VL_ITEM, 255, "Valor do item");
    const auto& ind_prop = r.texto(IND_PROP, 1,
                                   "Indicador de propriedade/posse do item: 0- Item de propriedade do informante e em "
                                   "seu poder; 1- Item de propriedade do informante em posse de terceiros; 2- Item de "
                                   "propriedade de terceiros em posse do informante");
    r.texto(COD_PART, 60,
            "Código do participante (campo 02 do Registro 0150): proprietário/possuidor que não seja o informante do "
            "arquivo");
    r.texto(TXT_COMPL, 255, "Descrição complementar.");
    r.texto(COD_CTA, 255, "Código da conta analítica contábil debitada/creditada");
    r.valida(vIND_PROP, ind_prop, "-1   Indicador de propriedade/posse do item: inválido: ");
  });
}

}  // extern "C"
