// Block 9: the 9900 counts, 9990, and the file tests of 9999.
#include <functional>
#include <map>
#include <set>
#include <sstream>

#include "exports/quillbook.h"
#include "frame/tabela_registros.h"
#include "platform/arquivos.h"
#include "platform/mensagem.h"
#include "records/bloco9.h"
#include "tests/registros_ajuda.h"

namespace quillbook::teste {
namespace {

class Bloco9 : public Registros_Teste {
 protected:
  // The listed appends from now fail (1 is the next one), each with none of
  // its bytes written: the seam holds one failure at a time, so the next is
  // armed when the one before is told.
  void falha_nos_acrescimos(std::vector<int> ordens) {
    auto arma = [this, ordens, anterior = 0]() mutable {
      if (ordens.empty()) return;
      platform::Falha_Na_Escrita(ordens.front() - anterior);
      anterior = ordens.front();
      ordens.erase(ordens.begin());
    };
    arma();
    platform::Define_Observador_Mensagens([this, arma](std::string_view texto) mutable {
      mensagens.emplace_back(texto);
      arma();
    });
  }

  // Every mandatory record but those of block 9 after 9001.
  void obrigatorios() const {
    abre_arquivo();
    ASSERT_EQ(Registro0005("", "01310100", "", "", "", "", "", "", ""), 0);
    ASSERT_EQ(Registro0990(), 0);
    for (auto abre : {RegistroC001, RegistroD001, RegistroE001, RegistroH001, Registro1001}) ASSERT_EQ(abre("1"), 0);
    for (auto encerra : {RegistroC990, RegistroD990, RegistroE990, RegistroH990, Registro1990}) ASSERT_EQ(encerra(), 0);
    ASSERT_EQ(Registro9001("0"), 0);
  }
};

TEST_F(Bloco9, Totals9900ListTypesInLayoutOrderThenThemselves) {
  abre_arquivo();
  ASSERT_EQ(Registro9001("0"), 0);
  ASSERT_EQ(Registro0990(), 0);
  Chamada c = chama([] { return Registro9900(); });
  EXPECT_EQ(c.resultado, 0);
  EXPECT_EQ(c.sped, linhas({"|9900|0000|1|", "|9900|0001|1|", "|9900|0990|1|", "|9900|9001|1|", "|9900|9900|7|",
                            "|9900|9990|1|", "|9900|9999|1|"}));
  EXPECT_EQ(c.erro, "");
  EXPECT_EQ(Linha_Registro("9900").Qtd_OK, 6);
  EXPECT_EQ(chama([] { return Registro9990(); }).sped, linhas({"|9990|10|"}));
}

TEST_F(Bloco9, Totals9900WithNothingWrittenHoldOnlyTheFixedLines) {
  EXPECT_EQ(chama([] { return Registro9900(); }).sped, linhas({"|9900|9900|2|", "|9900|9990|1|", "|9900|9999|1|"}));
  EXPECT_EQ(Linha_Registro("9900").Qtd_OK, 1);
}

TEST_F(Bloco9, Totals9900CountOnlyAcceptedLines) {
  for (int i = 0; i < 12; ++i) ASSERT_EQ(Registro0015("SP", ""), 0);
  for (int i = 0; i < 3; ++i) ASSERT_EQ(Registro0015("XX", ""), -1);
  EXPECT_EQ(chama([] { return Registro9900(); }).sped.substr(0, 15), "|9900|0015|12|\r");
}

// The second walk finds row 9900 above 0 and raises it once more.
TEST_F(Bloco9, Totals9900CalledTwiceWriteASecondSet) {
  ASSERT_EQ(Registro9900(), 0);
  EXPECT_EQ(chama([] { return Registro9900(); }).sped, linhas({"|9900|9900|4|", "|9900|9990|1|", "|9900|9999|1|"}));
}

TEST_F(Bloco9, FileWithOnlyMandatoryRecordsLacksE100UnderE001) {
  obrigatorios();
  ASSERT_EQ(Registro9900(), 0);
  ASSERT_EQ(Registro9990(), 0);
  Chamada c = chama([] { return Registro9999(); });
  EXPECT_EQ(c.resultado, -1);
  EXPECT_EQ(c.erro.substr(0, c.erro.find("\r\n\r\n") + 4),
            linhas({"", "\tQuantidade total de linhas do arquivo digital:\t35 -> 35|", ""}));
  EXPECT_EQ(erros(c), linhas({"\tErro(s) do Registro:",
                              "\t  -0Deve haver 1 ou mais RegistrosE100 para cada RegistroE001 - "
                              "Total de RegistrosE001 = 1 - Total de RegistrosE100 = 0"}));
}

TEST_F(Bloco9, ClosingLineCountsTheWholeFileOnceEveryTestPasses) {
  obrigatorios();
  ASSERT_EQ(RegistroE100("01/11/2026", "30/11/2026"), 0);
  ASSERT_EQ(RegistroE110("", "", "", "", "", "", "", "", "", "", "", "", "", ""), 0);
  ASSERT_EQ(Registro9900(), 0);
  ASSERT_EQ(Registro9990(), 0);
  Chamada c = chama([] { return Registro9999(); });
  EXPECT_EQ(c.resultado, 0);
  const std::string sped = le("sped.txt");
  const auto linhas_no_arquivo = std::count(sped.begin(), sped.end(), '\n');
  EXPECT_EQ(c.sped, "|9999|" + std::to_string(linhas_no_arquivo) + "|\r\n");
  EXPECT_EQ(Registro9999(), -1);
  EXPECT_NE(le("erro.txt")
                .find("\t  -1   Só deve haver 1(um) Registro9999 no arquivo do SPED : Função Registro9999 chamada "
                      "mais de 1(uma) vez\r\n"),
            std::string::npos);
}

TEST_F(Bloco9, MissingMandatoryTypesCarryTheirRowPlusOne) {
  Chamada c = chama([] { return Registro9999(); });
  std::string esperado = "\tErro(s) do Registro:\r\n";
  for (const char* linha :
       {"-2 Registro 0000", "-3 Registro 0001", "-4 Registro 0005", "-17 Registro 0990", "-18 Registro C001",
        "-71 Registro C990", "-72 Registro D001", "-108 Registro D990", "-109 Registro E001", "-127 Registro E990",
        "-128 Registro H001", "-131 Registro H990", "-132 Registro 1001", "-148 Registro 1990", "-149 Registro 9001",
        "-150 Registro 9900", "-151 Registro 9990"})
    esperado +=
        "\t  " + std::string(linha) + " obrigatório : O arquivo deve conter pelo menos 1 registro deste tipo\r\n";
  EXPECT_EQ(erros(c), esperado);
}

TEST_F(Bloco9, PairsOfOneChildNeedEqualCounts) {
  obrigatorios();
  ASSERT_EQ(Registro9900(), 0);
  ASSERT_EQ(Registro9990(), 0);
  for (int i = 0; i < 2; ++i) ASSERT_EQ(RegistroE100("01/11/2026", "30/11/2026"), 0);
  ASSERT_EQ(RegistroE110("", "", "", "", "", "", "", "", "", "", "", "", "", ""), 0);
  EXPECT_EQ(erros(chama([] { return Registro9999(); })),
            linhas({"\tErro(s) do Registro:",
                    "\t  -0Deve haver 1 RegistroE110 para cada RegistroE100 - Total de "
                    "RegistrosE100 = 2 - Total de RegistrosE110 = 1"}));
  ASSERT_EQ(RegistroE110("", "", "", "", "", "", "", "", "", "", "", "", "", ""), 0);
  EXPECT_EQ(Registro9999(), 0);
}

TEST_F(Bloco9, PairErrorsAreNumberedFromZeroBesideTheOtherNumberings) {
  abre_arquivo();
  ASSERT_EQ(Registro0150("A", "", "1058", "11222333000181", "", "", "3550308", "", "", "", "", ""), 0);
  ASSERT_EQ(Registro0200("I", "", "", "", "", "00", "", "", "", "", ""), 0);
  Chamada c = chama([] { return Registro9999(); });
  const std::string e = erros(c);
  EXPECT_NE(
      e.find("\t  -0Deve haver 1 ou mais Registros0175 para cada Registro0150 - Total de Registros0150 = 1 - Total "
             "de Registros0175 = 0\r\n\t  -1Deve haver 1 ou mais Registros0220 para cada Registro0200 - Total de "
             "Registros0200 = 1 - Total de Registros0220 = 0\r\n"),
      std::string::npos);
  EXPECT_NE(e.find("\t  -4 Registro 0005 obrigatório"), std::string::npos);
}

// 9900 counts only the lines it wrote: a type line that failed is missing
// from the file and from the count of 9900 lines, and 9990 still counts
// block 9 exactly.
TEST_F(Bloco9, Totals9900CountOnlyTheLinesWritten) {
  abre_arquivo();
  ASSERT_EQ(Registro9001("0"), 0);
  ASSERT_EQ(Registro0990(), 0);
  platform::Falha_Na_Escrita(2, 5);  // the line of 0001
  Chamada c = chama([] { return Registro9900(); });
  EXPECT_EQ(c.resultado, -1);
  EXPECT_EQ(c.sped, linhas({"|9900|0000|1|", "|9900|0990|1|", "|9900|9001|1|", "|9900|9900|6|", "|9900|9990|1|",
                            "|9900|9999|1|"}));
  EXPECT_EQ(mensagens, std::vector<std::string>{falha_escrita("sped.txt")});
  EXPECT_EQ(Linha_Registro("9900").Qtd_OK, 5);
  EXPECT_EQ(Linha_Registro("9900").Qtd_Erros, 1);
  EXPECT_EQ(chama([] { return Registro9990(); }).sped, linhas({"|9990|9|"}));
}

// Whatever lines fail, row 9900 ends one below the 9900 lines in the file,
// the rule 9990 and 9999 count by, and never below where it stood.
TEST_F(Bloco9, Totals9900RowFollowsTheLinesInTheFile) {
  struct Caso {
    std::vector<int> falhas;  // appends of the call that fail
    int32_t linha_propria;
  };
  // Appends 1 to 3: the lines of 0000, 0001 and 9001; 4 to 6: the fixed ones.
  const Caso casos[] = {{{}, 5}, {{4}, 4}, {{5, 6}, 3}, {{1, 2, 3}, 2}, {{1, 2, 3, 4, 5}, 0}, {{1, 2, 3, 4, 5, 6}, 0}};
  for (const auto& caso : casos) {
    SCOPED_TRACE(::testing::PrintToString(caso.falhas));
    TearDown();
    SetUp();
    mensagens.clear();
    abre_arquivo();
    ASSERT_EQ(Registro9001("0"), 0);
    const std::size_t antes = le("sped.txt").size();
    falha_nos_acrescimos(caso.falhas);
    const int32_t resultado = Registro9900();
    const std::string escritas = le("sped.txt").substr(antes);
    const auto linhas_9900 = std::count(escritas.begin(), escritas.end(), '\n');
    EXPECT_EQ(resultado, caso.falhas.empty() ? 0 : -1);
    EXPECT_EQ(linhas_9900, 6 - static_cast<long>(caso.falhas.size()));
    EXPECT_EQ(Linha_Registro("9900").Qtd_OK, caso.linha_propria);
    EXPECT_EQ(mensagens.size(), caso.falhas.size());
  }
}

// A whole file, call by call, for the generations whose writes fail.
struct Chamada_Arquivo {
  const char* codigo;
  std::function<int32_t()> registro;
};

std::vector<Chamada_Arquivo> arquivo_completo() {
  return {
      {"0000",
       [] {
         return Registro0000("002", "0", "01/11/2026", "30/11/2026", "Empresa", "11222333000181", "", "SP", "",
                             "3550308", "", "", "A", "1");
       }},
      {"0001", [] { return Registro0001("0"); }},
      {"0005", [] { return Registro0005("", "01310100", "", "", "", "", "", "", ""); }},
      {"0150",
       [] {
         return Registro0150("F001", "Fornecedor", "1058", "11222333000181", "", "", "3550308", "", "Rua da Praia", "1",
                             "", "Centro");
       }},
      {"0175", [] { return Registro0175("10/11/2026", "03", "Antigo"); }},
      {"0190", [] { return Registro0190("UN", "Unidade"); }},
      {"0190", [] { return Registro0190("CX", "Caixa"); }},
      {"0990", [] { return Registro0990(); }},
      {"C001", [] { return RegistroC001("1"); }},
      {"C990", [] { return RegistroC990(); }},
      {"D001", [] { return RegistroD001("1"); }},
      {"D990", [] { return RegistroD990(); }},
      {"E001", [] { return RegistroE001("0"); }},
      {"E100", [] { return RegistroE100("01/11/2026", "30/11/2026"); }},
      {"E110", [] { return RegistroE110("", "", "", "", "", "", "", "", "", "", "", "", "", ""); }},
      {"E990", [] { return RegistroE990(); }},
      {"H001", [] { return RegistroH001("1"); }},
      {"H990", [] { return RegistroH990(); }},
      {"1001", [] { return Registro1001("1"); }},
      {"1990", [] { return Registro1990(); }},
      {"9001", [] { return Registro9001("0"); }},
      {"9900", [] { return Registro9900(); }},
      {"9990", [] { return Registro9990(); }},
      {"9999", [] { return Registro9999(); }},
  };
}

// The closing records' figures against the lines that are in the file:
// every line whole, each block's closer, each 9900 count, 9990 and 9999.
void confere_contagens(const std::string& sped) {
  std::vector<std::vector<std::string>> linhas;
  std::map<std::string, long> por_tipo;
  std::map<char, long> por_bloco;
  for (std::size_t inicio = 0, fim; inicio < sped.size(); inicio = fim + 2) {
    fim = sped.find("\r\n", inicio);
    ASSERT_NE(fim, std::string::npos) << "torn last line: " << sped.substr(inicio);
    const std::string linha = sped.substr(inicio, fim - inicio);
    ASSERT_TRUE(linha.size() >= 6 && linha.front() == '|' && linha.back() == '|' && linha[5] == '|') << linha;
    std::vector<std::string> campos;
    std::stringstream leitura(linha.substr(1));
    for (std::string campo; std::getline(leitura, campo, '|');) campos.push_back(campo);
    linhas.push_back(campos);
    ++por_tipo[campos[0]];
    ++por_bloco[campos[0][0]];
  }
  long fechamentos = 0;
  for (const auto& campos : linhas) {
    const std::string& tipo = campos[0];
    const bool conta = tipo == "9900" || tipo == "9999" || tipo.substr(1) == "990";
    if (!conta) continue;
    ASSERT_GE(campos.size(), tipo == "9900" ? 3u : 2u) << tipo;
    SCOPED_TRACE(tipo + "|" + campos[1]);
    if (tipo == "9900")
      EXPECT_EQ(std::stol(campos[2]), por_tipo[campos[1]]);
    else if (tipo == "9999")
      EXPECT_EQ(std::stol(campos[1]), static_cast<long>(linhas.size()));
    else
      EXPECT_EQ(std::stol(campos[1]), por_bloco[tipo[0]]);
    ++fechamentos;
  }
  // The six block closers, 9990, 9999 and every 9900 line were checked.
  EXPECT_EQ(fechamentos, 8 + por_tipo["9900"]);
}

class Arquivo_Com_Falhas : public Bloco9 {
 protected:
  // Writes the whole file; before each call `antes` may arm a failure, and
  // a call that answers -1 is made again when `refaz` says so. Returns the
  // codes of the calls that answered -1 the first time.
  std::vector<std::string> escreve(const std::function<void(std::size_t)>& antes,
                                   const std::function<bool(const std::string&)>& refaz) {
    std::vector<std::string> falhas;
    const auto chamadas = arquivo_completo();
    for (std::size_t i = 0; i < chamadas.size(); ++i) {
      antes(i);
      const int32_t resultado = chamadas[i].registro();
      platform::Desarma_Falhas();
      if (resultado == 0) continue;
      falhas.emplace_back(chamadas[i].codigo);
      if (refaz(chamadas[i].codigo)) {
        EXPECT_EQ(chamadas[i].registro(), 0) << chamadas[i].codigo;
      }
    }
    return falhas;
  }
};

// Writes that fail part-way, some calls made again and some not: whatever
// is in the file, the closing records count it exactly.
TEST_F(Arquivo_Com_Falhas, WritesFailingPartWayLeaveExactFigures) {
  // clang-format off
  const std::map<std::size_t, std::pair<int, std::size_t>> falhas = {
      {3, {1, 9}},   // 0150, made again
      {6, {1, 3}},   // the second 0190, not made again
      {7, {1, 1}},   // 0990, made again
      {9, {1, 5}},   // C990, made again
      {14, {1, 20}}, // E110, made again
      {21, {3, 4}},  // the line of 0005 in 9900
      {22, {1, 2}},  // 9990, made again
      {23, {1, 6}},  // 9999, made again: its own line failed, it answered -1
  };
  // clang-format on
  const auto respostas = escreve(
      [&](std::size_t i) {
        if (auto f = falhas.find(i); f != falhas.end()) platform::Falha_Na_Escrita(f->second.first, f->second.second);
      },
      [](const std::string& codigo) { return codigo != "0190" && codigo != "9900"; });
  EXPECT_EQ(respostas, (std::vector<std::string>{"0150", "0190", "0990", "C990", "E110", "9900", "9990", "9999"}));
  EXPECT_EQ(mensagens, std::vector<std::string>(8, falha_escrita("sped.txt")));
  const std::string sped = le("sped.txt");
  confere_contagens(sped);
  EXPECT_EQ(sped.find("|0190|CX|"), std::string::npos);
  EXPECT_EQ(sped.find("|9900|0005|"), std::string::npos);
  EXPECT_NE(sped.find("|9900|0190|1|"), std::string::npos);
  EXPECT_EQ(Linha_Registro("0190").Qtd_Erros, 1);
  EXPECT_EQ(Linha_Registro("9999").Qtd_OK, 1);
}

// The output folder goes away for some calls and comes back with what it
// held: the calls in between answer -1, and the file is counted exactly.
TEST_F(Arquivo_Com_Falhas, OutputFolderGoneForAWhile) {
  const fs::path fora = raiz / "fora";
  const auto respostas = escreve(
      [&](std::size_t i) {
        if (i == 5) fs::rename(saida, fora);
        if (i == 7) fs::rename(fora, saida);
      },
      [](const std::string&) { return false; });
  EXPECT_EQ(respostas, (std::vector<std::string>{"0190", "0190"}));
  EXPECT_EQ(mensagens, std::vector<std::string>(2, falha_escrita("sped.txt")));
  confere_contagens(le("sped.txt"));
  EXPECT_EQ(Linha_Registro("0190").Qtd_Erros, 2);
}

// Read-only (unchangeable for root) for one call: the folder and the file.
TEST_F(Arquivo_Com_Falhas, ReadOnlyOutputForAWhile) {
  bool protegido = true;
  const auto respostas = escreve(
      [&](std::size_t i) {
        if (i == 6) protegido = protege(saida / "sped.txt") && protege(saida);
        if (i == 7) {
          libera(saida);
          libera(saida / "sped.txt");
        }
      },
      [](const std::string&) { return false; });
  if (!protegido) GTEST_SKIP() << "the file system cannot protect files";
  EXPECT_EQ(respostas, std::vector<std::string>{"0190"});
  EXPECT_EQ(mensagens, std::vector<std::string>{falha_escrita("sped.txt")});
  const std::string sped = le("sped.txt");
  confere_contagens(sped);
  EXPECT_NE(sped.find("|9900|0190|1|"), std::string::npos);
}

// A sped.txt that leads to a full device takes nothing: no record is
// written and none is counted, down to 9999 finding every mandatory type
// missing.
TEST_F(Arquivo_Com_Falhas, SpedLeadingToAFullDevice) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  fs::create_symlink("/dev/full", saida / "sped.txt");
  const auto respostas = escreve([](std::size_t) {}, [](const std::string&) { return false; });
  EXPECT_EQ(respostas.size(), arquivo_completo().size());
  for (const auto& linha : Tabela_Registros()) EXPECT_EQ(linha.Qtd_OK, 0) << linha.Codigo;
  EXPECT_EQ(Linha_Registro("0190").Qtd_Erros, 2);
  EXPECT_NE(le("erro.txt").find("\t  -150 Registro 9900 obrigatório"), std::string::npos);
}

TEST(Pares_Pai_Filho, HoldEightyPairsOfKnownTypes) {
  Preenche_Tabela();
  std::set<std::pair<std::string, std::string>> distintos;
  int um = 0;
  for (const auto& par : Pares_Pai_Filho) {
    EXPECT_NE(Localiza_Registro(par.pai), 0) << par.pai;
    EXPECT_NE(Localiza_Registro(par.filho), 0) << par.filho;
    distintos.insert({par.pai, par.filho});
    um += par.regra == Filhos::Um;
  }
  EXPECT_EQ(distintos.size(), 80u);
  EXPECT_EQ(um, 14);
}

}  // namespace
}  // namespace quillbook::teste
