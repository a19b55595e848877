// The road every record writer takes, seen through a few writers and
// through the test kinds directly.
#include <cstdlib>
#include <functional>
#include <map>
#include <new>

#include "exports/quillbook.h"
#include "frame/geracao.h"
#include "frame/tabela_registros.h"
#include "platform/arquivos.h"
#include "records/registro.h"
#include "tests/registros_ajuda.h"

// The heap that this program takes through operator new, as the library's
// texts and lists take theirs, counted while a test asks for it.
namespace {
bool Contando = false;
long Alocacoes = 0;

void* aloca(std::size_t tamanho) {
  if (Contando) ++Alocacoes;
  if (void* p = std::malloc(tamanho == 0 ? 1 : tamanho)) return p;
  throw std::bad_alloc();
}
}  // namespace

void* operator new(std::size_t tamanho) { return aloca(tamanho); }
void* operator new[](std::size_t tamanho) { return aloca(tamanho); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

namespace quillbook::teste {
namespace {

using Road = Registros_Teste;

// The allocations that `corpo` makes.
template <class Corpo>
long alocacoes(Corpo&& corpo) {
  const long antes = Alocacoes;
  Contando = true;
  corpo();
  Contando = false;
  return Alocacoes - antes;
}
using Sem_Geracao = Diretorios_Teste;

TEST_F(Sem_Geracao, RecordWriterRefusesWithGuardMessageAndWritesNothing) {
  EXPECT_EQ(Registro0005("A", "01310100", "", "", "", "", "", "", ""), -1);
  EXPECT_EQ(Registro9900(), -1);
  EXPECT_EQ(Registro9999(), -1);
  EXPECT_EQ(mensagens,
            (std::vector<std::string>{"-0   Função Inicia_SPED não chamada", "-0   Função Inicia_SPED não chamada",
                                      "-0   Função Inicia_SPED não chamada"}));
  EXPECT_FALSE(existe("sped.txt"));
  EXPECT_FALSE(existe("erro.txt"));
  EXPECT_TRUE(Estado().Lista_Log.empty());
}

TEST_F(Road, EmptyAndNullFieldsAreBareBars) {
  EXPECT_EQ(chama([] { return Registro0190("", nullptr); }).sped, linhas({"|0190|||"}));
  EXPECT_EQ(chama([] { return Registro0400(nullptr, nullptr); }).sped, linhas({"|0400|||"}));
  EXPECT_FALSE(existe("erro.txt"));
}

TEST_F(Road, SecondUniqueRecordIsRejectedWithItsLogAndTheUniquenessLine) {
  auto registro = [] { return Registro0005("Loja", "01310100", "Rua A", "1", "", "Centro", "", "", ""); };
  ASSERT_EQ(registro(), 0);
  Chamada segunda = chama(registro);
  EXPECT_EQ(segunda.resultado, -1);
  EXPECT_EQ(segunda.sped, "");
  EXPECT_EQ(
      segunda.erro,
      linhas({"", "REGISTRO 0005", "\tNome de fantasia associado:            \tLoja -> Loja|",
              "\tCódigo de Endereçamento Postal:        \t01310100 -> 01310100|",
              "\tLogradouro e endereço do imóvel:       \tRua A -> Rua A|",
              "\tNúmero do imóvel:                      \t1 -> 1|", "\tDados complementares do endereço:      \t -> |",
              "\tBairro em que o imóvel está situado:   \tCentro -> Centro|",
              "\tNúmero do telefone:                    \t -> |", "\tNúmero do fax:                         \t -> |",
              "\tEndereço do correio eletrônico:        \t -> |", "", "\tErro(s) do Registro:",
              "\t  -1   Só deve haver 1(um) Registro0005 no arquivo do SPED : Função Registro0005 chamada mais de "
              "1(uma) vez"}));
  const Info_Registro& linha = Linha_Registro("0005");
  EXPECT_EQ(linha.Qtd_OK, 1);
  EXPECT_EQ(linha.Qtd_Erros, 1);
  EXPECT_EQ(linha.Qtd_Obs, 0);
}

TEST_F(Road, CutFieldOfAcceptedRecordIsWrittenAndObserved) {
  Chamada c = chama([] { return Registro0190("  UNIDADES", "Unidade"); });
  EXPECT_EQ(c.resultado, 0);
  EXPECT_EQ(c.sped, linhas({"|0190|UNIDAD|Unidade|"}));
  EXPECT_EQ(c.erro, linhas({"", "REGISTRO 0190", "\tCódigo da unidade de medida:   \t  UNIDADES -> UNIDAD|",
                            "\tDescrição da unidade de medida:\tUnidade -> Unidade|", "", "\tObservação do Registro:",
                            "\t  Código da unidade de medida:   \tQuantidade de caracteres maior que o permitido - "
                            "Permitido: 6; Passados: 8"}));
  const Info_Registro& linha = Linha_Registro("0190");
  EXPECT_EQ(linha.Qtd_OK, 1);
  EXPECT_EQ(linha.Qtd_Obs, 1);
}

TEST_F(Road, CutFieldOfRejectedRecordComesAfterItsErrors) {
  Chamada c = chama([] { return Registro0015("XXX", "123"); });
  EXPECT_EQ(c.resultado, -1);
  EXPECT_EQ(c.sped, "");
  EXPECT_EQ(c.erro, linhas({"", "REGISTRO 0015", "\tSigla da unidade da federação:\tXXX -> XX|",
                            "\tInscrição Estadual:           \t123 -> 123|", "",
                            "\tErro(s) do Registro:", "\t  -2   UF Inválida : XX|", "", "\tObservação do Registro:",
                            "\t  Sigla da unidade da federação:\tQuantidade de caracteres maior que o permitido - "
                            "Permitido: 2; Passados: 3"}));
  const Info_Registro& linha = Linha_Registro("0015");
  EXPECT_EQ(linha.Qtd_Erros, 1);
  EXPECT_EQ(linha.Qtd_Obs, 1);
  EXPECT_EQ(linha.Qtd_OK, 0);
}

TEST_F(Road, EveryTestRunsAndReportsInTheRecordsOrder) {
  Chamada c = chama([] {
    return Registro0000("003", "7", "2026-11-01", "31/11/2026", "Empresa", "11222333000180", "", "XX", "", "9999999",
                        "", "", "D", "5");
  });
  EXPECT_EQ(c.resultado, -1);
  EXPECT_EQ(
      erros(c),
      linhas({"\tErro(s) do Registro:", "\t  -2   CNPJ Inválido : 11222333000180|",
              "\t  -4   Unidade da Federação Inválida : XX|", "\t  -6   Data Inicial Inválida (DDMMAAAA) : |",
              "\t  -7   Data Final Inválida (DDMMAAAA) : |", "\t  -8   Código da versão do leiaute Inválido : 003|",
              "\t  -9   Código do município do domicílio fiscal Inválido : 9999999|",
              "\t  -10  Perfil de apresentação do arquivo fiscal Inválido : D|",
              "\t  -11  Indicador de tipo de atividade Inválido : 5|",
              "\t  -12  Código da finalidade do arquivo Inválido : 7|"}));
}

TEST_F(Road, RejectedRecordMayBeWrittenByALaterCall) {
  EXPECT_EQ(Registro0005("", "123", "", "", "", "", "", "", ""), -1);
  EXPECT_EQ(Registro0005("", "01310100", "", "", "", "", "", "", ""), 0);
  EXPECT_EQ(Linha_Registro("0005").Qtd_OK, 1);
  EXPECT_EQ(Linha_Registro("0005").Qtd_Erros, 1);
}

// A record of more fields than any record has, the odd ones made by the
// record itself, as counts are.
int32_t Quarenta_E_Cinco_Campos(bool rejeitado) {
  // Texts that live through the call, as a host's do.
  static const std::vector<std::string> rotulos = [] {
    std::vector<std::string> r;
    for (int i = 0; i < 45; ++i) r.push_back("Campo " + std::to_string(i) + ":");
    return r;
  }();
  static const std::vector<std::string> valores = [] {
    std::vector<std::string> v;
    for (int i = 0; i < 45; ++i) v.push_back(std::to_string(i));
    return v;
  }();
  return Escreve_Registro("0190", "REGISTRO 0190", 10, [&](Registro& r) {
    for (int i = 0; i < 45; ++i) {
      if (i % 2 == 0)
        r.texto(valores[i].c_str(), 60, rotulos[i]);
      else
        r.numero(std::to_string(i), 8, rotulos[i]);
    }
    if (rejeitado) r.erro("-1   Rejeitado");
  });
}

// More fields than any record has: all follow in order, in the line and in
// the log of a rejected record.
TEST_F(Road, EveryFieldKeepsItsPlaceHoweverMany) {
  static const std::vector<std::string> rotulos = [] {
    std::vector<std::string> r;
    for (int i = 0; i < 45; ++i) r.push_back("Campo " + std::to_string(i) + ":");
    return r;
  }();
  auto registro = Quarenta_E_Cinco_Campos;
  std::string linha = "|0190|";
  std::vector<std::string> bloco = {"", "REGISTRO 0190"};
  for (int i = 0; i < 45; ++i) {
    linha += std::to_string(i) + "|";
    bloco.push_back(log_campo(rotulos[i], 10, std::to_string(i), std::to_string(i) + "|"));
  }
  EXPECT_EQ(chama([&] { return registro(false); }).sped, linhas({linha}));
  bloco.insert(bloco.end(), {"", "\tErro(s) do Registro:", "\t  -1   Rejeitado"});
  std::string esperado;
  for (const auto& l : bloco) esperado += l + "\r\n";
  EXPECT_EQ(chama([&] { return registro(true); }).erro, esperado);
}

// What one call built in is the next call's to build in: a record of few
// fields after one of many, an accepted record after a rejected one, show
// nothing of the call before.
TEST_F(Road, ACallShowsNothingOfTheCallBefore) {
  ASSERT_EQ(Quarenta_E_Cinco_Campos(true), -1);
  EXPECT_EQ(chama([] { return Registro0190("UN", "Unidade"); }).sped, linhas({"|0190|UN|Unidade|"}));
  ASSERT_EQ(Quarenta_E_Cinco_Campos(false), 0);
  Chamada c = chama([] { return Registro0015("SP", ""); });
  EXPECT_EQ(c.sped, linhas({"|0015|SP||"}));
  EXPECT_EQ(c.erro, "");
  ASSERT_EQ(Registro0015("XXX", "123"), -1);
  c = chama([] { return Registro0015("SP", "1"); });
  EXPECT_EQ(c.resultado, 0);
  EXPECT_EQ(c.sped, linhas({"|0015|SP|1|"}));
  EXPECT_EQ(c.erro, "");
  c = chama([] { return Registro0015("SPX", "1"); });
  EXPECT_EQ(c.erro, linhas({"", "REGISTRO 0015", "\tSigla da unidade da federação:\tSPX -> SP|",
                            "\tInscrição Estadual:           \t1 -> 1|", "", "\tObservação do Registro:",
                            "\t  Sigla da unidade da federação:\tQuantidade de caracteres maior que o permitido - "
                            "Permitido: 2; Passados: 3"}));
  EXPECT_EQ(chama([] { return Registro0015("SP", "2"); }).erro, "");
}

// Once the first records have sized the line and its fields, an accepted
// record without observations takes nothing from the heap: block closers
// and block 9 included.
TEST_F(Road, AcceptedRecordsTakeNoMemoryOnceSized) {
  abre_arquivo();
  ASSERT_EQ(Registro0005("Loja", "01310100", "Rua A", "1", "", "Centro", "", "", ""), 0);
  std::vector<int32_t> resultados;
  resultados.reserve(64);
  const long tomadas = alocacoes([&] {
    for (int i = 0; i < 20; ++i) resultados.push_back(Registro0190("UN", "Unidade"));
    resultados.push_back(Registro0990());
    for (auto abre : {RegistroC001, RegistroD001, RegistroE001, RegistroH001, Registro1001})
      resultados.push_back(abre("1"));
    resultados.push_back(RegistroE100("01/11/2026", "30/11/2026"));
    resultados.push_back(RegistroE110("", "", "", "", "", "", "", "", "", "", "", "", "", ""));
    for (auto encerra : {RegistroC990, RegistroD990, RegistroE990, RegistroH990, Registro1990})
      resultados.push_back(encerra());
    resultados.push_back(Registro9001("0"));
    resultados.push_back(Registro9900());
    resultados.push_back(Registro9990());
    resultados.push_back(Registro9999());
  });
  EXPECT_EQ(resultados, std::vector<int32_t>(resultados.size(), 0));
  EXPECT_EQ(tomadas, 0);
}

// A document of many fields, one of them longer than a short text: its
// first call sizes the line, the others take nothing.
TEST_F(Road, DocumentsTakeNoMemoryAfterTheFirst) {
  auto documento = [] {
    return RegistroC100("0", "1", "P00001", "55", "00", "1", "123", "35261100000000000000005500100000000010000001",
                        "05/11/2026", "06/11/2026", "1.250,00", "0", "0,00", "", "1.250,00", "9", "0,00", "0,00",
                        "0,00", "1.250,00", "225,00", "0,00", "0,00", "0,00", "20,63", "95,00", "0,00", "0,00");
  };
  ASSERT_EQ(documento(), 0);
  ASSERT_EQ(Quarenta_E_Cinco_Campos(false), 0);
  int32_t resultados = 0;
  EXPECT_EQ(alocacoes([&] {
              for (int i = 0; i < 10; ++i) resultados += documento();
              resultados += Quarenta_E_Cinco_Campos(false);
            }),
            0);
  EXPECT_EQ(resultados, 0);
  // The count sees what the library takes: a rejected record's log is built.
  EXPECT_GT(alocacoes([] { Quarenta_E_Cinco_Campos(true); }), 0);
}

// A value that the record made itself shows in the log as it was made:
// read back from the line when it passed whole, kept apart when it did
// not. The fields that validators saw, each ended with a NUL where it lies
// in the line, the last one included, are in the line as captured.
TEST_F(Road, OwnValuesAndValidatedFieldsKeepTheirBytes) {
  auto registro = [](const char* uf) {
    return [uf] {
      return Escreve_Registro("0190", "REGISTRO 0190", 10, [uf](Registro& r) {
        r.numero(std::string("1.234"), 255, "Feito:");
        const auto& inteiro = r.numero(std::string("55"), 255, "Inteiro:");
        const auto& sigla = r.texto(uf, 2, "Sigla:");
        r.valida(vCod_modelo_documento_fiscal_4_1_1, inteiro, "-1   Modelo: ");
        r.valida(vUF, sigla, "-2   UF: ");
        r.cnpj_ou_cpf(sigla, "-3   CNPJ ou CPF: ");
      });
    };
  };
  Chamada aceito = chama(registro("SP"));
  EXPECT_EQ(aceito.resultado, 0);
  EXPECT_EQ(aceito.sped, linhas({"|0190|1234|55|SP|"}));
  Chamada rejeitado = chama(registro("XX"));
  EXPECT_EQ(rejeitado.resultado, -1);
  EXPECT_EQ(rejeitado.erro, linhas({"", "REGISTRO 0190", log_campo("Feito:", 10, "1.234", "1234|"),
                                    log_campo("Inteiro:", 10, "55", "55|"), log_campo("Sigla:", 10, "XX", "XX|"), "",
                                    "\tErro(s) do Registro:", "\t  -2   UF: XX|"}));
}

// The close gives back all that the records built in, and the next
// generation builds afresh, with its own counts.
TEST_F(Road, CloseGivesBackWhatRecordsBuiltIn) {
  ASSERT_EQ(Registro0005("Loja", "01310100", "", "", "", "", "", "", ""), 0);
  ASSERT_EQ(Quarenta_E_Cinco_Campos(true), -1);
  ASSERT_GT(Estado().Linha.capacity(), std::string().capacity());
  Finaliza_SPED();
  const Geracao& g = Estado();
  EXPECT_EQ(g.Linha.capacity(), std::string().capacity());
  EXPECT_EQ(g.Valor_Testado.capacity(), std::string().capacity());
  EXPECT_EQ(g.Valores_Proprios.capacity(), std::string().capacity());
  EXPECT_EQ(g.Campos.capacity(), 0u);
  EXPECT_EQ(g.Lista_Log.capacity() + g.Lista_Erros.capacity() + g.Lista_Observacoes.capacity(), 0u);
  ASSERT_EQ(inicia(), 0);
  EXPECT_EQ(chama([] { return Registro0005("Loja", "01310100", "", "", "", "", "", "", ""); }).sped,
            linhas({"|0005|Loja|01310100||||||||"}));
  EXPECT_EQ(Linha_Registro("0005").Qtd_OK, 1);
  EXPECT_EQ(Linha_Registro("0005").Qtd_Erros, 0);
}

// A record reads its row's counts as they stand at each call.
TEST_F(Road, UniquenessReadsTheRowAsItStands) {
  auto registro = [] { return Registro0001("0"); };
  ASSERT_EQ(registro(), 0);
  EXPECT_EQ(registro(), -1);
  Linha_Registro("0001").Qtd_OK = 0;
  EXPECT_EQ(registro(), 0);
  EXPECT_EQ(Linha_Registro("0001").Qtd_OK, 1);
  EXPECT_EQ(Linha_Registro("0001").Qtd_Erros, 1);
  EXPECT_EQ(le("sped.txt"), linhas({"|0001|0|", "|0001|0|"}));
}

TEST_F(Road, HostTextIsNeverChanged) {
  char nome[] = "  Nome!|";
  EXPECT_EQ(Registro0190(nome, nome), 0);
  EXPECT_STREQ(nome, "  Nome!|");
  EXPECT_EQ(le("sped.txt"), linhas({"|0190|Nome|Nome|"}));
}

// A line that did not reach "sped.txt" is not in the file: the call answers
// -1 and counts as rejected; its observations still go to "erro.txt", and a
// later call may write the line.
TEST_F(Road, LineThatWasNotWrittenCountsAsRejected) {
  auto registro = [] { return Registro0190("  UNIDADES", "Unidade"); };
  const std::string observacao =
      linhas({"", "REGISTRO 0190", "\tCódigo da unidade de medida:   \t  UNIDADES -> UNIDAD|",
              "\tDescrição da unidade de medida:\tUnidade -> Unidade|", "", "\tObservação do Registro:",
              "\t  Código da unidade de medida:   \tQuantidade de caracteres maior que o permitido - "
              "Permitido: 6; Passados: 8"});
  platform::Falha_Na_Escrita(1, 7);
  Chamada c = chama(registro);
  EXPECT_EQ(c.resultado, -1);
  EXPECT_EQ(c.sped, "");
  EXPECT_EQ(c.erro, observacao);
  EXPECT_EQ(mensagens, std::vector<std::string>{falha_escrita("sped.txt")});
  const Info_Registro& linha = Linha_Registro("0190");
  EXPECT_EQ(linha.Qtd_OK, 0);
  EXPECT_EQ(linha.Qtd_Erros, 1);
  EXPECT_EQ(linha.Qtd_Obs, 1);
  EXPECT_EQ(chama(registro).sped, linhas({"|0190|UNIDAD|Unidade|"}));
  EXPECT_EQ(linha.Qtd_OK, 1);
  Finaliza_SPED();
  EXPECT_NE(le("log.txt").find("\r\nRegistro 0190\t1\t2\t1\t50,00%\t2\r\n"), std::string::npos);
}

TEST_F(Road, TornLineThatCannotBeCutBackIsToldAndNotCounted) {
  platform::Falha_No_Corte(true);
  platform::Falha_Na_Escrita(1, 3);
  EXPECT_EQ(Registro0190("UN", "Unidade"), -1);
  EXPECT_EQ(mensagens, std::vector<std::string>{"Erro ao tentar desfazer a escrita incompleta no arquivo " +
                                                (saida / "sped.txt").string()});
  EXPECT_EQ(le("sped.txt"), "|01");
  EXPECT_EQ(Linha_Registro("0190").Qtd_OK, 0);
  EXPECT_EQ(Linha_Registro("0190").Qtd_Erros, 1);
}

// The error block and the record line fail apart: a rejected record whose
// block was not written stays rejected, with one message.
TEST_F(Road, RejectedRecordWhoseBlockFailsStaysRejected) {
  platform::Falha_Na_Escrita(1, 10);
  EXPECT_EQ(Registro0015("XX", ""), -1);
  EXPECT_EQ(mensagens, std::vector<std::string>{falha_escrita("erro.txt")});
  EXPECT_EQ(le("erro.txt"), "");
  EXPECT_EQ(Linha_Registro("0015").Qtd_Erros, 1);
  EXPECT_EQ(Linha_Registro("0015").Qtd_OK, 0);
}

// The identity kinds, each on the values at its edges: a test kind fails
// where the expectation says "falha".
struct Caso_Identidade {
  const char* tipo;
  const char* campo;
  bool falha;
};

class Tipos_De_Teste : public Registros_Teste, public ::testing::WithParamInterface<Caso_Identidade> {};

TEST_P(Tipos_De_Teste, FailOnlyWhereTheirRuleSays) {
  const Caso_Identidade& caso = GetParam();
  const std::map<std::string, std::function<void(Registro&, const std::string&)>> tipos = {
      {"cnpj", [](Registro& r, const std::string& c) { r.cnpj(c, "X "); }},
      {"cpf", [](Registro& r, const std::string& c) { r.cpf(c, "X "); }},
      {"cnpj_ou_cpf", [](Registro& r, const std::string& c) { r.cnpj_ou_cpf(c, "X "); }},
      {"cnpj_simples", [](Registro& r, const std::string& c) { r.cnpj_simples(c, "X "); }},
      {"cpf_simples", [](Registro& r, const std::string& c) { r.cpf_simples(c, "X "); }},
      {"cnpj_obrigatorio", [](Registro& r, const std::string& c) { r.cnpj_obrigatorio(c, "X "); }},
      {"obrigatorio", [](Registro& r, const std::string& c) { r.obrigatorio(c, "X"); }},
  };
  Registro r("0190", 0);
  tipos.at(caso.tipo)(r, caso.campo);
  EXPECT_EQ(Estado().Lista_Erros.size(), caso.falha ? 1u : 0u) << caso.tipo << " on '" << caso.campo << "'";
  Esvazia_Listas();
}

INSTANTIATE_TEST_SUITE_P(
    Road, Tipos_De_Teste,
    ::testing::Values(
        Caso_Identidade{"cnpj", "|", false}, Caso_Identidade{"cnpj", "AB|", false},
        Caso_Identidade{"cnpj", "11222333000181|", false}, Caso_Identidade{"cnpj", "11222333000182|", true},
        Caso_Identidade{"cpf", "|", false}, Caso_Identidade{"cpf", "11144477735|", false},
        Caso_Identidade{"cpf", "11144477736|", true}, Caso_Identidade{"cnpj_ou_cpf", "|", false},
        Caso_Identidade{"cnpj_ou_cpf", "11144477735|", false}, Caso_Identidade{"cnpj_ou_cpf", "11222333000181|", false},
        Caso_Identidade{"cnpj_ou_cpf", "11222333000182|", true}, Caso_Identidade{"cnpj_simples", "|", false},
        Caso_Identidade{"cnpj_simples", "1,2|", true}, Caso_Identidade{"cpf_simples", "|", true},
        Caso_Identidade{"cpf_simples", "11144477735|", false}, Caso_Identidade{"cnpj_obrigatorio", "|", true},
        Caso_Identidade{"cnpj_obrigatorio", "11222333000181|", false}, Caso_Identidade{"obrigatorio", "|", true},
        Caso_Identidade{"obrigatorio", " \t|", true}, Caso_Identidade{"obrigatorio", "A|", false}),
    [](const auto& caso) { return std::string(caso.param.tipo) + "_" + std::to_string(caso.index); });

}  // namespace
}  // namespace quillbook::teste
