// Every record writer of the library as one kind of callable, so that tests
// and fuzz targets can walk them all or pick one by number.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "exports/quillbook.h"

namespace quillbook::teste {

// A writer's fields taken from a list of texts, in order; the fields the
// list lacks are NULL.
using Registro_Qualquer = int32_t (*)(const std::vector<const char*>& campos);

namespace detalhe {

template <class... Campos, std::size_t... I>
int32_t chama(int32_t(QB_CALL* registro)(Campos...), const std::vector<const char*>& campos,
              std::index_sequence<I...>) {
  return registro((I < campos.size() ? campos[I] : nullptr)...);
}

template <class... Campos>
int32_t chama(int32_t(QB_CALL* registro)(Campos...), const std::vector<const char*>& campos) {
  return chama(registro, campos, std::index_sequence_for<Campos...>{});
}

}  // namespace detalhe

template <auto Registro>
int32_t Chama(const std::vector<const char*>& campos) {
  return detalhe::chama(Registro, campos);
}

// In the order of the record table.
// clang-format off
inline constexpr std::array<Registro_Qualquer, 151> Todos_Registros = {
    &Chama<Registro0000>, &Chama<Registro0001>, &Chama<Registro0005>, &Chama<Registro0015>,
    &Chama<Registro0100>, &Chama<Registro0150>, &Chama<Registro0175>, &Chama<Registro0190>,
    &Chama<Registro0200>, &Chama<Registro0205>, &Chama<Registro0206>, &Chama<Registro0220>,
    &Chama<Registro0400>, &Chama<Registro0450>, &Chama<Registro0460>, &Chama<Registro0990>,
    &Chama<RegistroC001>, &Chama<RegistroC100>, &Chama<RegistroC110>, &Chama<RegistroC111>,
    &Chama<RegistroC112>, &Chama<RegistroC113>, &Chama<RegistroC114>, &Chama<RegistroC115>,
    &Chama<RegistroC120>, &Chama<RegistroC130>, &Chama<RegistroC140>, &Chama<RegistroC141>,
    &Chama<RegistroC160>, &Chama<RegistroC165>, &Chama<RegistroC170>, &Chama<RegistroC171>,
    &Chama<RegistroC172>, &Chama<RegistroC173>, &Chama<RegistroC174>, &Chama<RegistroC175>,
    &Chama<RegistroC176>, &Chama<RegistroC177>, &Chama<RegistroC178>, &Chama<RegistroC179>,
    &Chama<RegistroC190>, &Chama<RegistroC195>, &Chama<RegistroC197>, &Chama<RegistroC300>,
    &Chama<RegistroC310>, &Chama<RegistroC320>, &Chama<RegistroC321>, &Chama<RegistroC350>,
    &Chama<RegistroC370>, &Chama<RegistroC390>, &Chama<RegistroC400>, &Chama<RegistroC405>,
    &Chama<RegistroC410>, &Chama<RegistroC420>, &Chama<RegistroC425>, &Chama<RegistroC460>,
    &Chama<RegistroC470>, &Chama<RegistroC490>, &Chama<RegistroC495>, &Chama<RegistroC500>,
    &Chama<RegistroC510>, &Chama<RegistroC590>, &Chama<RegistroC600>, &Chama<RegistroC601>,
    &Chama<RegistroC610>, &Chama<RegistroC690>, &Chama<RegistroC700>, &Chama<RegistroC790>,
    &Chama<RegistroC791>, &Chama<RegistroC990>, &Chama<RegistroD001>, &Chama<RegistroD100>,
    &Chama<RegistroD110>, &Chama<RegistroD120>, &Chama<RegistroD130>, &Chama<RegistroD140>,
    &Chama<RegistroD150>, &Chama<RegistroD160>, &Chama<RegistroD161>, &Chama<RegistroD162>,
    &Chama<RegistroD170>, &Chama<RegistroD180>, &Chama<RegistroD190>, &Chama<RegistroD300>,
    &Chama<RegistroD301>, &Chama<RegistroD310>, &Chama<RegistroD350>, &Chama<RegistroD355>,
    &Chama<RegistroD360>, &Chama<RegistroD365>, &Chama<RegistroD370>, &Chama<RegistroD390>,
    &Chama<RegistroD400>, &Chama<RegistroD410>, &Chama<RegistroD411>, &Chama<RegistroD420>,
    &Chama<RegistroD500>, &Chama<RegistroD510>, &Chama<RegistroD530>, &Chama<RegistroD590>,
    &Chama<RegistroD600>, &Chama<RegistroD610>, &Chama<RegistroD690>, &Chama<RegistroD695>,
    &Chama<RegistroD696>, &Chama<RegistroD697>, &Chama<RegistroD990>, &Chama<RegistroE001>,
    &Chama<RegistroE100>, &Chama<RegistroE110>, &Chama<RegistroE111>, &Chama<RegistroE112>,
    &Chama<RegistroE113>, &Chama<RegistroE115>, &Chama<RegistroE116>, &Chama<RegistroE200>,
    &Chama<RegistroE210>, &Chama<RegistroE220>, &Chama<RegistroE230>, &Chama<RegistroE240>,
    &Chama<RegistroE250>, &Chama<RegistroE500>, &Chama<RegistroE510>, &Chama<RegistroE520>,
    &Chama<RegistroE530>, &Chama<RegistroE990>, &Chama<RegistroH001>, &Chama<RegistroH005>,
    &Chama<RegistroH010>, &Chama<RegistroH990>, &Chama<Registro1001>, &Chama<Registro1100>,
    &Chama<Registro1105>, &Chama<Registro1110>, &Chama<Registro1200>, &Chama<Registro1210>,
    &Chama<Registro1300>, &Chama<Registro1310>, &Chama<Registro1320>, &Chama<Registro1350>,
    &Chama<Registro1360>, &Chama<Registro1370>, &Chama<Registro1400>, &Chama<Registro1500>,
    &Chama<Registro1510>, &Chama<Registro1600>, &Chama<Registro1990>, &Chama<Registro9001>,
    &Chama<Registro9900>, &Chama<Registro9990>, &Chama<Registro9999>
};
// clang-format on

}  // namespace quillbook::teste
