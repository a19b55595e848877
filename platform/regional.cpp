#include "platform/regional.h"

#include "platform/sistema.h"

namespace quillbook::platform {

bool Eh_Separador(char c) {
  const auto b = static_cast<unsigned char>(c);
  const bool alfanumerico = (b >= '0' && b <= '9') || (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z');
  return b > ' ' && b < 0x7F && !alfanumerico;
}

void Aplica_Formato_Data(std::string_view ordem, char separador, Configuracao_Regional& conf) {
  if (ordem.starts_with("MD"))
    conf.ordem = Ordem_Data::MDA;
  else if (ordem.starts_with("A"))
    conf.ordem = Ordem_Data::AMD;
  else if (ordem.starts_with("D"))
    conf.ordem = Ordem_Data::DMA;
  if (Eh_Separador(separador)) conf.separador_data = separador;
}

}  // namespace quillbook::platform
