// Common ground of the tests: fresh output and input directories (the input
// one holding the four reference tables), the message texts shown, whole
// files read back, and the Brazilian regional settings in force.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/arquivos.h"
#include "platform/regional.h"

namespace quillbook::teste {

namespace fs = std::filesystem;

// What the library puts between a directory and a file name.
inline const std::string Separador(1, platform::Separador_Diretorio);

void grava(const fs::path& caminho, std::string_view conteudo);
// The whole file; empty when it cannot be read.
std::string le_arquivo(const fs::path& caminho);

// Puts regional settings in force for a scope (the Brazilian ones by default)
// and restores those it found.
class Regional_Local {
 public:
  explicit Regional_Local(platform::Configuracao_Regional conf = {})
      : anterior_(platform::Troca_Regional(std::move(conf))) {}
  ~Regional_Local() { platform::Troca_Regional(anterior_); }
  Regional_Local(const Regional_Local&) = delete;
  Regional_Local& operator=(const Regional_Local&) = delete;

 private:
  platform::Configuracao_Regional anterior_;
};

// Directories and tables ready, no generation started. Teardown closes any
// generation, disarms the write fault and removes everything.
class Diretorios_Teste : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  void cria_tabelas() const;
  int inicia() const;  // Inicia_SPED on saida and entrada
  std::string le(const char* nome) const { return le_arquivo(saida / nome); }
  bool existe(const char* nome) const { return fs::exists(saida / nome); }
  // The message of a failed write to an output file.
  std::string falha_escrita(const char* nome) const {
    return "Erro ao tentar escrever no arquivo " + (saida / nome).string();
  }
  // Makes a file or directory unchangeable (no file created, deleted or
  // written in it) until teardown: immutable for root, read-only otherwise.
  // False where the file system cannot do it.
  bool protege(const fs::path& caminho);
  // Makes it changeable again, before teardown.
  void libera(const fs::path& caminho);

  fs::path raiz, saida, entrada;
  std::vector<std::string> mensagens;
  std::vector<fs::path> protegidos;
  Regional_Local regional;
};

// As above, with a generation started in them.
class Geracao_Teste : public Diretorios_Teste {
 protected:
  void SetUp() override;
};

}  // namespace quillbook::teste
