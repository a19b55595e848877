// What each platform's own layer supplies to the shared part of platform/,
// and what the shared part does for them.
#pragma once

#include <string_view>

#include "platform/regional.h"

namespace quillbook::platform {

// Shows a message of the generation to the user and returns once the user
// has seen it (the modal box closed, or the line written).
void Exibe_Mensagem(std::string_view texto);

// Whether a byte that a format puts after its first number can stand
// between the numbers a host passes: one printable byte, neither a blank,
// a letter nor a digit. What some formats put there is none: the first
// byte of a character of several ("%Y年%m月%d日"), a direction mark before
// the "/" of a Windows picture, the blank before a month's name.
bool Eh_Separador(char c);

// The parts of a short date format in the order they stand ('D', 'M', 'A'
// for day, month, year) and the byte after the first one (0 when none was
// found): the order and separator of the settings. An order that is none
// of the three known, or a byte that is no separator, keeps the one the
// settings hold, so that the numbers are still read in the format's order.
void Aplica_Formato_Data(std::string_view ordem, char separador, Configuracao_Regional& conf);

}  // namespace quillbook::platform
