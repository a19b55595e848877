// Capture of the fields of a record: filtered, cut to the field's maximum
// (the cut noted as an observation), closed with "|" and logged.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quillbook {

// Control characters (codes 0 to 31), "!" and "|" never reach a text field.
bool Caractere_Permitido(char c);
// Digits and "," are all that a numeric field keeps.
bool Caractere_Numerico(char c);

std::string Remove_Especiais(std::string_view origem);
std::string Somente_Numeros(std::string_view origem);

// Both rewrite `campo` into its captured form and add its log line (and
// its observation when cut) to the generation's lists. `rotulo` is the
// field's caption, already padded.
void Captura_Texto(std::string& campo, int32_t maximo, std::string_view rotulo);
void Captura_Numero(std::string& campo, uint8_t maximo, std::string_view rotulo);

// The same captures without the log line, for the record road, which
// builds it with Linha_Log only when the record goes to "erro.txt". The
// captured form of `valor` is appended to `linha`, the record line being
// built; `rotulo` is padded with blanks to `largura` where the observation
// of a cut shows it.
void Captura_Texto(std::string& linha, std::string_view valor, int32_t maximo, std::string_view rotulo,
                   std::size_t largura);
void Captura_Numero(std::string& linha, std::string_view valor, uint8_t maximo, std::string_view rotulo,
                    std::size_t largura);

// The log line of a captured field: a tab, the caption padded to
// `largura`, a tab, the value as passed, " -> " and the captured field.
std::string Linha_Log(std::string_view rotulo, std::size_t largura, std::string_view original,
                      std::string_view capturado);

}  // namespace quillbook
