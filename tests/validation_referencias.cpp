#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "exports/quillbook.h"
#include "platform/mensagem.h"
#include "tests/ajuda_sistema.h"

namespace {

namespace fs = std::filesystem;
using Validador = uint8_t(QB_CALL*)(const char*);

const char* const Tabelas[] = {"cfop.res", "municipio.res", "ncm.res", "pais.res"};

void Escreve(const fs::path& caminho, const std::string& conteudo) {
  std::ofstream(caminho, std::ios::binary | std::ios::trunc) << conteudo;
}

class Referencias : public testing::Test {
 protected:
  void SetUp() override {
    raiz_ = quillbook::teste::cria_diretorio_temporario();
    ASSERT_FALSE(raiz_.empty());
    fs::create_directory(raiz_ / "saida");
    fs::create_directory(raiz_ / "entrada");
    for (const char* tabela : Tabelas) Escreve(raiz_ / "entrada" / tabela, "cabeçalho\n");
    quillbook::platform::Define_Observador_Mensagens([this](std::string_view m) { mensagens_.emplace_back(m); });
    ASSERT_EQ(Inicia_SPED((raiz_ / "saida").string().c_str(), (raiz_ / "entrada").string().c_str()), 0);
  }
  void TearDown() override {
    Finaliza_SPED();
    quillbook::platform::Define_Observador_Mensagens({});
    fs::remove_all(raiz_);
  }
  fs::path Tabela(const char* nome) const { return raiz_ / "entrada" / nome; }

  fs::path raiz_;
  std::vector<std::string> mensagens_;
};

struct Caso {
  const char* tabela;
  Validador procura;
  std::string conteudo;
  const char* valor;
  uint8_t esperado;
};

TEST_F(Referencias, ProcuraNasColunasDoCodigo) {
  const std::string longa(1 << 20, 'x');
  const Caso casos[] = {
      {"cfop.res", vCOD_CFOP, "CFOP\n5102 Venda\n", "5102|", 1},
      {"cfop.res", vCOD_CFOP, "CFOP\n5102 Venda\n", " 5102|", 0},
      {"cfop.res", vCOD_CFOP, "CFOP\n5102 Venda\n", "5102", 0},  // sought as 510
      {"cfop.res", vCOD_CFOP, "CFOP\n5102 Venda\n", "51020|", 0},
      {"cfop.res", vCOD_CFOP, "CFOP\n5102 Venda\n", "510|", 0},
      {"cfop.res", vCOD_CFOP, "5102 no cabeçalho\n6102\n", "5102|", 0},
      {"cfop.res", vCOD_CFOP, "", "5102|", 0},
      {"cfop.res", vCOD_CFOP, "CFOP\n", "|", 0},
      {"cfop.res", vCOD_CFOP, "CFOP", "|", 0},
      {"cfop.res", vCOD_CFOP, "CFOP\n1102\n5102", "5102|", 1},
      {"cfop.res", vCOD_CFOP, "CFOP\r\n1102\r\n5102\r\n", "5102|", 1},
      {"cfop.res", vCOD_CFOP, "CFOP\r1102\r5102\r", "5102|", 0},  // one line: the heading
      {"cfop.res", vCOD_CFOP, "CFOP\n51\r02\n", "5102|", 1},
      {"cfop.res", vCOD_CFOP,
       "CFOP\n1102\n\x1A"
       "5102\n",
       "5102|", 0},
      {"cfop.res", vCOD_CFOP,
       "CFOP\n1102\n\x1A"
       "5102\n",
       "1102|", 1},
      {"cfop.res", vCOD_CFOP,
       "CFOP\n51\x1A"
       "02\n",
       "51|", 1},
      {"cfop.res", vCOD_CFOP, "CFOP\n5102\n", "|", 0},
      {"cfop.res", vCOD_CFOP, "CFOP\n5102\n\n", "|", 1},
      {"cfop.res", vCOD_CFOP, "CFOP\n\n", nullptr, 1},
      {"cfop.res", vCOD_CFOP, "CFOP\n5102" + longa + "\n6102\n", "6102|", 1},
      {"cfop.res", vCOD_CFOP, "CFOP\n5102" + longa + "\n6102\n", "5102|", 1},
      {"cfop.res", vCOD_CFOP, "5102" + longa + "\n6102", "6102|", 1},
      {"cfop.res", vCOD_CFOP, "CFOP\n" + longa + "\n", longa.c_str(), 0},
      {"ncm.res", vCOD_NCM, "NCM\n01012100 Cavalos\n", "01012100|", 1},
      {"ncm.res", vCOD_NCM, "NCM\n01012100 Cavalos\n", "0101210|", 0},
      {"ncm.res", vCOD_NCM, "NCM\n0101\n", "0101|", 1},  // a short line gives all of it
      {"municipio.res", vCod_Municipio, "MUN\n3550308São Paulo\n", "3550308|", 1},
      {"municipio.res", vCod_Municipio, "MUN\n3550308São Paulo\n", "3550308S|", 0},
      {"municipio.res", vCod_Municipio, "MUN\né355030\n", "é355030|", 1},
      {"municipio.res", vCod_Municipio, "MUN\n 355030\n", "355030|", 0},
      {"pais.res", vCOD_PAIS, "PAIS\n 105 Brasil\n", "105|", 1},
      {"pais.res", vCOD_PAIS, "PAIS\n 105 Brasil\n", " 105|", 0},
      {"pais.res", vCOD_PAIS, "PAIS\n\t105\n", "105|", 1},
      {"pais.res", vCOD_PAIS, "PAIS\n01058\n", "01058|", 0},
      {"pais.res", vCOD_PAIS, "PAIS\n01058\n", "0105|", 1},
      {"pais.res", vCOD_PAIS, "PAIS\n    Sem código\n", "|", 1},
      {"pais.res", vCOD_PAIS, "PAIS\nabcd\n", "ABCD|", 0},
      // A CR among the code columns counts for nothing, in any table.
      {"pais.res", vCOD_PAIS, "PAIS\n10\r58 Brasil\n", "1058|", 1},
      {"pais.res", vCOD_PAIS, "PAIS\n\r 105\r\n", "105|", 1},
      {"municipio.res", vCod_Municipio, "MUN\n3550\r308 São Paulo\r\n", "3550308|", 1},
      {"municipio.res", vCod_Municipio, "MUN\n3550\r308 São Paulo\r\n", "3550\r30|", 0},
      // Far into a table, past the first stretch looked at for 0x1A.
      {"cfop.res", vCOD_CFOP, "CFOP\n" + std::string(20000, '-') + "\n5102\n\x1A", "5102|", 1},
      {"cfop.res", vCOD_CFOP, "CFOP\n" + std::string(20000, '-') + "\x1A\n5102\n", "5102|", 0},
      {"cfop.res", vCOD_CFOP, "CFOP\n" + std::string(20000, '-') + "\n51\x1A" + "02\n", "51|", 1},
  };
  for (const Caso& caso : casos) {
    Escreve(Tabela(caso.tabela), caso.conteudo);
    EXPECT_EQ(caso.procura(caso.valor), caso.esperado) << caso.tabela << " [" << caso.conteudo.substr(0, 24) << "] "
                                                       << (caso.valor ? std::string(caso.valor).substr(0, 24) : "NULL");
    Escreve(Tabela(caso.tabela), "cabeçalho\n");
  }
  EXPECT_TRUE(mensagens_.empty());
}

TEST_F(Referencias, TabelaLidaACadaChamada) {
  EXPECT_EQ(vCOD_CFOP("5102|"), 0);
  Escreve(Tabela("cfop.res"), "CFOP\n5102\n");
  EXPECT_EQ(vCOD_CFOP("5102|"), 1);

  fs::remove(Tabela("cfop.res"));
  EXPECT_EQ(vCOD_CFOP("5102|"), 0);
  fs::create_directory(Tabela("cfop.res"));
  EXPECT_EQ(vCOD_CFOP("5102|"), 0);
  EXPECT_TRUE(mensagens_.empty());
}

TEST_F(Referencias, SemGeracaoMensagemEZero) {
  Finaliza_SPED();
  for (const char* tabela : Tabelas) Escreve(Tabela(tabela), "h\n\n");
  for (Validador procura : {vCOD_CFOP, vCOD_NCM, vCOD_PAIS, vCod_Municipio}) {
    mensagens_.clear();
    EXPECT_EQ(procura("|"), 0);
    EXPECT_EQ(mensagens_, std::vector<std::string>{"-0   Função Inicia_SPED não chamada"});
  }
}

}  // namespace
