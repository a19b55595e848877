#include "platform/regional.h"

#include "platform/sistema.h"

namespace quillbook::platform {

void Aplica_Formato_Data(std::string_view ordem, char separador, Configuracao_Regional& conf) {
  if (ordem.starts_with("MD"))
    conf.ordem = Ordem_Data::MDA;
  else if (ordem.starts_with("A"))
    conf.ordem = Ordem_Data::AMD;
  else if (ordem.starts_with("D"))
    conf.ordem = Ordem_Data::DMA;
  if (separador != 0) conf.separador_data = separador;
}

}  // namespace quillbook::platform
