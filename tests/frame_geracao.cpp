#include <algorithm>

#include "exports/quillbook.h"
#include "frame/geracao.h"
#include "frame/saida.h"
#include "frame/tabela_registros.h"
#include "frame/texto.h"
#include "tests/ajuda.h"
#include "tests/ajuda_sistema.h"

namespace quillbook::teste {
namespace {

using Inicio = Diretorios_Teste;

const std::string Guarda = "-0   Função Inicia_SPED não chamada";
const std::string Notas = "\r\n\r\n\tObservação do Registro:\r\n";
const std::string Nota_SPED =
    "\t  \tO arquivo de SPED previamente existente foi substituído pelo novo arquivo gerado.\r\n";
const std::string Nota_Erro =
    "\t  \tO arquivo de ERRO previamente existente foi substituído pelo novo arquivo gerado.\r\n";
const std::string Nota_Log =
    "\t  \tO arquivo de LOG previamente existente foi substituído pelo novo arquivo gerado.\r\n";

TEST_F(Inicio, SegundoInicioRecusadoEmSilencioSemTocarNaGeracao) {
  ASSERT_EQ(inicia(), 0);
  Linha_Registro("C100").Qtd_OK = 7;
  Estado().Lista_Log = {"REGISTRO C100"};
  EXPECT_EQ(Inicia_SPED((raiz / "x").string().c_str(), nullptr), -1);
  EXPECT_TRUE(mensagens.empty());
  EXPECT_EQ(Estado().Caminho_SPED, (saida / "sped.txt").string());
  EXPECT_EQ(Estado().Lista_Log, Lista{"REGISTRO C100"});
  EXPECT_EQ(Linha_Registro("C100").Qtd_OK, 7);
  EXPECT_EQ(Info_Versao(), 106);
}

// Only the first failing test is told; a failed start deletes and creates no
// file, keeps the counts of the generation before it and starts nothing.
TEST_F(Inicio, FalhaMostraOPrimeiroTesteEPreservaTudo) {
  enum Forma { Falta, Diretorio, Fifo, Caixa_Alta };
  const std::string S = Separador;
  struct Caso {
    const char* saida;
    const char* entrada;
    const char* tabela;
    Forma forma;
    std::string mensagem;
    std::string caminho;
  };
  // clang-format off
  const Caso casos[] = {
      {"x", "y", "", Falta, "Erro. Diretório de saída informado inexistente. ", "x" + S},
      {"saida", "y", "", Falta, "Erro. Diretório de entrada informado inexistente. ", "y" + S},
      {"saida", "entrada", "cfop.res", Falta, "Erro. O arquivo de entrada CFOP.RES não foi encontrado em ", "entrada" + S + "cfop.res"},
      {"saida", "entrada", "municipio.res", Diretorio, "Erro. O arquivo de entrada MUNICIPIO.RES não foi encontrado em ", "entrada" + S + "municipio.res"},
      {"saida", "entrada", "ncm.res", Fifo, "Erro. O arquivo de entrada NCM.RES não foi encontrado em ", "entrada" + S + "ncm.res"},
      {"saida", "entrada", "pais.res", Caixa_Alta, "Erro. O arquivo de entrada PAIS.RES não foi encontrado em ", "entrada" + S + "pais.res"},
  };
  // clang-format on
  const std::vector<std::string> tabelas = {"cfop.res", "municipio.res", "ncm.res", "pais.res"};
  ASSERT_EQ(inicia(), 0);
  Linha_Registro("0000").Qtd_OK = 1;
  Finaliza_SPED();
  for (const auto& caso : casos) {
    SCOPED_TRACE(caso.caminho);
    grava(saida / "sped.txt", "antigo");
    // The table of the case and every one after it are spoiled.
    for (auto t = std::find(tabelas.begin(), tabelas.end(), caso.tabela); t != tabelas.end(); ++t) {
      fs::remove(entrada / *t);
      if (caso.forma == Diretorio) fs::create_directory(entrada / *t);
      // Where the file system has no FIFO, the table is simply missing.
      if (caso.forma == Fifo) cria_fifo(entrada / *t);
      if (caso.forma == Caixa_Alta) grava(entrada / Maiusculas(*t), "");
    }
    // A file system that ignores case (Windows) finds the table all the same.
    const bool mesmo_nome = caso.forma == Caixa_Alta && fs::exists(entrada / caso.tabela);
    mensagens.clear();
    if (!mesmo_nome) {
      EXPECT_EQ(Inicia_SPED((raiz / caso.saida).string().c_str(), (raiz / caso.entrada).string().c_str()), -1);
      Trata_SPED("z");
      EXPECT_EQ(mensagens, (std::vector<std::string>{caso.mensagem + raiz.string() + S + caso.caminho, Guarda}));
    }
    EXPECT_EQ(le("sped.txt"), "antigo");
    EXPECT_FALSE(existe("erro.txt"));
    EXPECT_EQ(Estado().Caminho_Municipio, "");  // a refused start keeps none of the paths it built
    EXPECT_EQ(Linha_Registro("0000").Qtd_OK, 1);
    for (const auto& t : tabelas) fs::remove(entrada / t);
    cria_tabelas();
  }
}

// An empty directory is no directory: the files would land at the root of
// the file system. NULL is the empty text.
TEST_F(Inicio, DiretorioVazioOuNuloFalhaComoInexistente) {
  const std::string sem_saida = "Erro. Diretório de saída informado inexistente. " + Separador;
  const std::string sem_entrada = "Erro. Diretório de entrada informado inexistente. " + Separador;
  const std::string dir_saida = saida.string(), dir_entrada = entrada.string();
  const bool raiz_tinha_sped = fs::exists("/sped.txt");
  grava(saida / "sped.txt", "antigo");
  struct Caso {
    const char* saida;
    const char* entrada;
    std::string mensagem;
  };
  const Caso casos[] = {
      {nullptr, nullptr, sem_saida},
      {"", dir_entrada.c_str(), sem_saida},
      {nullptr, dir_entrada.c_str(), sem_saida},
      {dir_saida.c_str(), "", sem_entrada},
      {dir_saida.c_str(), nullptr, sem_entrada},
  };
  for (const auto& caso : casos) {
    mensagens.clear();
    EXPECT_EQ(Inicia_SPED(caso.saida, caso.entrada), -1);
    EXPECT_EQ(mensagens, std::vector<std::string>{caso.mensagem});
    EXPECT_FALSE(Estado().Iniciado);
  }
  EXPECT_EQ(le("sped.txt"), "antigo");
  EXPECT_FALSE(existe("erro.txt"));
  EXPECT_EQ(fs::exists("/sped.txt"), raiz_tinha_sped);
}

TEST_F(Inicio, DiretoriosUsadosComoPassados) {
  for (std::string nome : {"com brancos ", " brancos antes", "ação", "barra/"}) {
    SCOPED_TRACE(nome);
    std::string dir = raiz.string() + Separador + nome;
    fs::create_directories(caminho_do_texto(dir));
    // Windows drops the blanks that end a name when it makes the directory.
    const auto feitos = fs::directory_iterator(raiz);
    if (nome.back() == ' ' &&
        std::none_of(fs::begin(feitos), fs::end(feitos), [&](const auto& d) { return d.path().filename() == nome; }))
      continue;
    ASSERT_EQ(Inicia_SPED(dir.c_str(), (entrada.string() + Separador).c_str()), 0);
    EXPECT_EQ(Estado().Caminho_SPED, dir + Separador + "sped.txt");
    EXPECT_EQ(Estado().Caminho_Pais, entrada.string() + Separador + Separador + "pais.res");
    Trata_SPED("L");
    Finaliza_SPED();
    EXPECT_EQ(le_arquivo(caminho_do_texto(dir + Separador + "sped.txt")), "L\r\n");
  }
  EXPECT_TRUE(mensagens.empty());
}

TEST_F(Inicio, SaidasAntigasSubstituidasENotadas) {
  struct Caso {
    std::vector<const char*> antigos;
    std::string erro;
    long restantes;
  };
  const Caso casos[] = {
      {{"sped.txt", "erro.txt", "log.txt"}, Notas + Nota_SPED + Nota_Erro + Nota_Log, 1},
      {{"log.txt"}, Notas + Nota_Log, 1},
      {{"erro.txt", "sped.txt/"}, Notas + Nota_Erro, 2},  // a directory named sped.txt is no output
      {{}, "", 0},                                        // an empty output directory gets no file
  };
  for (const auto& caso : casos) {
    SCOPED_TRACE(caso.erro);
    fs::remove_all(saida);
    fs::create_directory(saida);
    for (std::string antigo : caso.antigos) {
      if (antigo.back() == '/')
        fs::create_directory(saida / antigo);
      else
        grava(saida / antigo, "antigo\r\n");
    }
    ASSERT_EQ(inicia(), 0);
    EXPECT_EQ(le("erro.txt"), caso.erro);
    EXPECT_FALSE(fs::is_regular_file(saida / "sped.txt") || existe("log.txt"));
    EXPECT_EQ(std::distance(fs::directory_iterator(saida), {}), caso.restantes);
    EXPECT_EQ(fs::is_directory(saida / "sped.txt"), caso.restantes == 2);
    Finaliza_SPED();
  }
  EXPECT_TRUE(mensagens.empty());
}

// Where an old output cannot be deleted it is emptied, so that the new
// generation never appends to the old one; where that fails too, it is told
// and not noted as replaced.
TEST_F(Inicio, SaidaQueNaoSeApagaEEsvaziada) {
  for (const char* nome : {"sped.txt", "erro.txt", "log.txt"}) grava(saida / nome, "antigo\r\n");
  if (!protege(saida) || !protege(saida / "log.txt")) GTEST_SKIP() << "the file system cannot protect files";
  ASSERT_EQ(inicia(), 0);
  EXPECT_EQ(mensagens, std::vector<std::string>{falha_escrita("log.txt")});
  EXPECT_EQ(le("sped.txt"), "");
  EXPECT_EQ(le("log.txt"), "antigo\r\n");
  EXPECT_EQ(le("erro.txt"), Notas + Nota_SPED + Nota_Erro);
  Trata_SPED("L");
  EXPECT_EQ(le("sped.txt"), "L\r\n");
}

TEST_F(Inicio, GuardaSemGeracao) {
  auto chamadas = [this] {
    mensagens.clear();
    Estado().Lista_Erros = {"-1   erro"};
    Trata_SPED("L");
    Grava_Erros(Estado().Lista_Erros);
    Finaliza_SPED();
    EXPECT_EQ(mensagens, (std::vector<std::string>{Guarda, Guarda}));
    EXPECT_EQ(Estado().Lista_Erros, Lista{"-1   erro"});
    EXPECT_FALSE(existe("sped.txt") || existe("erro.txt") || existe("log.txt"));
  };
  chamadas();  // never started
  ASSERT_EQ(Inicia_SPED(saida.string().c_str(), "inexistente"), -1);
  chamadas();  // after a failed start
  ASSERT_EQ(inicia(), 0);
  Finaliza_SPED();
  fs::remove(saida / "log.txt");
  chamadas();  // after the close
}

}  // namespace
}  // namespace quillbook::teste
