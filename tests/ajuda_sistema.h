// What the tests need from the system they run on; tests/posix and
// tests/windows each supply it.
#pragma once

#include <filesystem>
#include <string>

namespace quillbook::teste {

// A new, empty directory of its own under the system's temporary one.
std::filesystem::path cria_diretorio_temporario();

// Makes a file or directory unchangeable (no file created, deleted or
// written in it), or changeable again. False where the system cannot.
bool protege_arquivo(const std::filesystem::path& caminho, bool protegido);

// Makes a file append-only (a write lands only at its end, and nothing can
// cut it back), or normal again. False where the system cannot.
bool so_acrescimo(const std::filesystem::path& caminho, bool sim);

// The path that a host's 8-bit text names when passed to the library: the
// bytes themselves on POSIX, read in the ANSI code page on Windows (where
// std::filesystem would read them as UTF-8).
std::filesystem::path caminho_do_texto(const std::string& texto);

// Makes a FIFO at the path; false where the file system has none.
bool cria_fifo(const std::filesystem::path& caminho);

}  // namespace quillbook::teste
