#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "exports/quillbook.h"
#include "platform/arquivos.h"
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

// The plain reading of a table, line by line: cut at the first 0x1A,
// split at LF with the heading left out, each line as the reader offers it
// (no more than its first `bloco` bytes), less its CRs, then its code
// columns, trimmed for the country table.
bool Consta_Simples(std::string tabela, std::string_view codigo, std::size_t colunas, bool aparada, std::size_t bloco) {
  tabela = tabela.substr(0, tabela.find('\x1A'));
  std::vector<std::string> linhas;
  for (std::size_t inicio = 0; inicio < tabela.size();) {
    const std::size_t lf = std::min(tabela.find('\n', inicio), tabela.size());
    linhas.push_back(tabela.substr(inicio, lf - inicio));
    inicio = lf + 1;
  }
  for (std::size_t i = 1; i < linhas.size(); ++i) {
    std::string parte;
    for (char c : linhas[i].substr(0, bloco))
      if (c != '\r' && parte.size() < colunas) parte += c;
    if (aparada) {
      while (!parte.empty() && static_cast<unsigned char>(parte.back()) <= 32) parte.pop_back();
      while (!parte.empty() && static_cast<unsigned char>(parte.front()) <= 32) parte.erase(0, 1);
    }
    if (parte == codigo) return true;
  }
  return false;
}

std::string Visivel(std::string_view texto) {
  std::string saida;
  for (unsigned char c : texto.substr(0, 200)) {
    if (c >= 32 && c < 127 && c != '\\') {
      saida += static_cast<char>(c);
    } else {
      const char digitos[] = "0123456789ABCDEF";
      saida += {'\\', 'x', digitos[c >> 4], digitos[c & 15]};
    }
  }
  return saida;
}

// Random tables of every shape, around the size of the reader's buffer
// (made small) and of its default size, through both scans: every look-up
// answers as the plain reading does. The bytes favour what the scans treat
// apart: LF, CR, 0x1A, NUL, blanks and control bytes, and the two bytes
// next to LF and 0x1A in the scan's test (0x0B, 0x1B).
TEST_F(Referencias, VarreduraIgualALeituraSimples) {
  struct Forma {
    const char* tabela;
    Validador procura;
    std::size_t colunas;
    bool aparada;
  };
  const Forma formas[] = {{"cfop.res", vCOD_CFOP, 4, false},
                          {"ncm.res", vCOD_NCM, 8, false},
                          {"municipio.res", vCod_Municipio, 7, false},
                          {"pais.res", vCOD_PAIS, 4, true}};
  struct Restaura {
    ~Restaura() {
      quillbook::platform::Tamanho_Bloco_Leitura(0);
      quillbook::platform::Varredura_Por_Palavras(false);
    }
  } restaura;
  std::mt19937 aleatorio(20261209);
  auto ate = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n)(aleatorio); };
  const std::string bytes = {'0', '1', '2',  '3',    '\n',   '\n',   '\n', '\n', '\r', '\r',
                             ' ', ' ', '\t', '\x1A', '\x0B', '\x1B', '\0', 'a',  'z',  '\xE9'};
  auto byte = [&] { return bytes[ate(bytes.size() - 1)]; };
  auto texto = [&](std::size_t n) {
    std::string t;
    for (std::size_t i = 0; i < n; ++i) t += byte();
    return t;
  };
  for (int caso = 0; caso < 2400; ++caso) {
    const Forma& forma = formas[caso % 4];
    const bool palavras = caso % 8 >= 4;
    // One table in fifty is around the default buffer.
    const std::size_t bloco = caso % 50 == 49 ? 256 * 1024 : 8 + ate(40);
    const std::size_t tamanho = bloco - std::min(bloco, std::size_t{8}) + ate(bloco * 2 + 16);
    // Lines mostly of digits and a few bytes more, their ends given by
    // the bytes drawn; once in a while a long run without a LF.
    std::string tabela;
    while (tabela.size() < tamanho) {
      if (ate(30) == 0) tabela += std::string(ate(bloco * 2), 'x');
      for (std::size_t i = ate(forma.colunas + 2); i > 0; --i) tabela += static_cast<char>('0' + ate(2));
      tabela += ate(3) == 0 ? texto(ate(6)) : "\n";
      if (ate(4) == 0) tabela += "\r\n";
    }
    if (ate(3) != 0) tabela.erase(std::min(tabela.size(), tamanho));
    if (ate(10) == 0) tabela.erase(std::remove(tabela.begin(), tabela.end(), '\x1A'), tabela.end());
    Escreve(Tabela(forma.tabela), tabela);
    quillbook::platform::Tamanho_Bloco_Leitura(bloco);
    quillbook::platform::Varredura_Por_Palavras(palavras);
    // Codes taken from the start of a line of the table, and drawn.
    std::vector<std::string> codigos;
    for (int i = 0; i < 6; ++i) {
      const std::size_t inicio = ate(tabela.size());
      const std::size_t lf = tabela.find('\n', inicio);
      std::string codigo = lf == std::string::npos ? texto(ate(3)) : tabela.substr(lf + 1, ate(forma.colunas));
      codigo.erase(std::remove(codigo.begin(), codigo.end(), '\r'), codigo.end());
      codigos.push_back(codigo);
    }
    codigos.push_back(texto(ate(forma.colunas + 1)));
    codigos.push_back("");
    for (std::string& codigo : codigos) {
      codigo.erase(std::remove(codigo.begin(), codigo.end(), '\0'), codigo.end());  // a C text ends at NUL
      const bool esperado = Consta_Simples(tabela, codigo, forma.colunas, forma.aparada, bloco);
      ASSERT_EQ(forma.procura((codigo + "|").c_str()), esperado ? 1 : 0)
          << "case " << caso << ", " << forma.tabela << ", buffer " << bloco << (palavras ? ", words" : "")
          << ", code [" << Visivel(codigo) << "], table [" << Visivel(tabela) << "]";
    }
  }
  EXPECT_TRUE(mensagens_.empty());
}

// The buffer read into is kept from one look-up to the next and freed at
// the end of the generation.
TEST_F(Referencias, BufferGuardadoAteFinalizar) {
  Escreve(Tabela("cfop.res"), "CFOP\n5102\n");
  EXPECT_EQ(vCOD_CFOP("5102|"), 1);
  EXPECT_GT(quillbook::platform::Bloco_Leitura_Guardado(), 0u);
  EXPECT_EQ(vCOD_CFOP("6102|"), 0);
  Finaliza_SPED();
  EXPECT_EQ(quillbook::platform::Bloco_Leitura_Guardado(), 0u);
}

}  // namespace
