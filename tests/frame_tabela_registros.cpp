#include <fstream>
#include <map>
#include <set>

#include "frame/tabela_registros.h"
#include "tests/ajuda.h"

namespace quillbook::teste {
namespace {

TEST(Tabela_Registros, LocalizaPeloCodigoExato) {
  Preenche_Tabela();
  struct Caso {
    const char* codigo;
    int32_t linha;
  };
  for (auto [codigo, linha] : {Caso{"0000", 1},
                               {"0990", 16},
                               {"C001", 17},
                               {"C100", 18},
                               {"D990", 107},
                               {"E001", 108},
                               {"H001", 127},
                               {"1001", 131},
                               {"9900", 149},
                               {"9999", 151},
                               {"c100", 0},
                               {"C10", 0},
                               {" C100", 0},
                               {"C100 ", 0},
                               {"C1000", 0},
                               {"", 0}})
    EXPECT_EQ(Localiza_Registro(codigo), linha) << codigo;
}

// A record function has its row from the compiler: the row that the filled
// table gives its code.
TEST(Tabela_Registros, LinhaFixaIgualALinhaDaTabelaPreenchida) {
  static_assert(Linha_Fixa("0000") == 1 && Linha_Fixa("C100") == 18 && Linha_Fixa("9999") == 151);
  static_assert(Codigo_Registro("9900").linha == 149);
  Preenche_Tabela();
  for (int i = 0; i < Total_Registros; ++i) EXPECT_EQ(Localiza_Registro(Tipos_Registro[i].codigo), i + 1);
}

TEST(Tabela_Registros, PreenchidaComoOLeiaute) {
  Tabela& tabela = Tabela_Registros();
  tabela[18].Qtd_OK = tabela[0].Qtd_Erros = tabela[151].Qtd_Obs = 5;
  Preenche_Tabela();
  std::set<std::string> codigos, obrigatorios;
  std::map<std::string, int> classes;
  std::string blocos;
  for (const auto& r : tabela) {
    EXPECT_EQ(r.Qtd_OK + r.Qtd_Erros + r.Qtd_Obs, 0) << r.Codigo;
    codigos.insert(r.Codigo);
    if (r.Obrigatorio) obrigatorios.insert(r.Codigo);
    ++classes[r.Ocorrencia];
    if (!r.Bloco.empty() && (blocos.empty() || blocos.back() != r.Bloco[0])) blocos += r.Bloco;
    EXPECT_EQ(r.Bloco, r.Codigo.substr(0, 1));
  }
  EXPECT_EQ(codigos.size(), 152u);
  EXPECT_EQ(obrigatorios,
            (std::set<std::string>{"0000", "0001", "0005", "0990", "C001", "C990", "D001", "D990", "E001", "E990",
                                   "H001", "H990", "1001", "1990", "9001", "9900", "9990", "9999"}));
  EXPECT_EQ(classes, (std::map<std::string, int>{{"", 1}, {"1", 18}, {"V", 21}, {"1:1", 18}, {"1:N", 94}}));
  EXPECT_EQ(blocos, "0CDEH19");
  Linha_Registro("C001").Qtd_OK = 1, Linha_Registro("C990").Qtd_OK = 2, Linha_Registro("D100").Qtd_OK = 4;
  EXPECT_EQ(Linhas_Do_Bloco('C'), 3);
  EXPECT_EQ(Linhas_Do_Bloco('D'), 4);
  EXPECT_EQ(Linhas_Do_Bloco('9'), 0);
}

// Every record type of the table has its writer among the library's exports.
TEST(Tabela_Registros, CadaTipoTemSeuRegistroExportado) {
  Preenche_Tabela();
  std::ifstream lista(QB_NAMES_FILE);
  std::set<std::string> exportados;
  for (std::string nome; std::getline(lista, nome);) exportados.insert(nome);
  ASSERT_FALSE(exportados.empty());
  const Tabela& tabela = Tabela_Registros();
  for (std::size_t i = 1; i < tabela.size(); ++i)
    EXPECT_EQ(exportados.count("Registro" + tabela[i].Codigo), 1u) << tabela[i].Codigo;
}

}  // namespace
}  // namespace quillbook::teste
