// Fuzz target: the input bytes become a sequence of calls a host could make,
// in any order: starting and closing generations, record writers with NULL,
// empty, long, binary and well-formed fields, validators, raw lines, a write
// that fails, other regional settings, the output folder changed meanwhile. The library must answer each call
// without crashing, whatever came before it.
//
// Everything it writes stays in one temporary folder of its own, made at the
// first input and removed at exit; the output folder is emptied before each
// input so that every input runs from the same start.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "exports/quillbook.h"
#include "frame/geracao.h"
#include "frame/tabela_registros.h"
#include "platform/arquivos.h"
#include "platform/mensagem.h"
#include "platform/regional.h"
#include "tests/ajuda_sistema.h"
#include "tests/todos_registros.h"

namespace {

namespace fs = std::filesystem;
using quillbook::teste::Todos_Registros;

// clang-format off
constexpr std::array<uint8_t(QB_CALL*)(const char*), 50> Validadores = {
    &vCod_situacao_documento_fiscal, &vInd_tipo_transporte, &vInd_origem, &vInd_tipo_receita, &vIND_REC,
    &vInd_emitente_documento_fiscal, &vIND_OPER, &vTIPO_MEDICAO, &vInd_origem_processo, &vInd_natureza_frete,
    &vInd_tipo_frete, &vIND_MOV, &vIND_APUR, &vIND_TFA, &vIND_MOV_ST, &vIND_AJ, &vIND_DOC, &vInd_emitente_titulo,
    &vInd_tipo_operacao, &vInd_tipo_referencia_base, &vInd_tipo_veiculo_transportador,
    &vInd_tipo_transporte_carga_coletada, &vInd_tipo_servico_prestado, &vIND_PGTO, &vCOD_DOC_IMP, &vTP_PROD,
    &vIND_ARM, &vIND_VEIC_OPER, &vIND_FRT_RED, &vIND_NAV, &vIND_PROP, &vIND_DOC_Informe_tipo_documento,
    &vMovimento, &vIND_ATIV, &vCOD_FIN, &vIND_PERFIL, &vCod_Leiaute, &vInd_tipo_titulo_credito,
    &vCod_classific_item_4_4_2, &vCod_modelo_documento_fiscal_4_1_1, &vUF, &vTIPO_ITEM, &vTP_CHC, &vCPF, &vCNPJ,
    &vCEP, &vCOD_CFOP, &vCOD_NCM, &vCOD_PAIS, &vCod_Municipio};

// Values a host really passes: codes, dates, amounts, taxpayer numbers and
// the codes of the reference tables written below.
constexpr std::array<const char*, 64> Valores_Bons = {
    "0", "1", "2", "3", "4", "5", "9", "00", "01", "02", "04", "06", "08", "10", "22", "55", "57", "65", "002",
    "010", "017", "SP", "RJ", "MG", "UN", "CX", "A", "B", "C", "S", "N", "01/11/2026", "30/11/2026", "10/11/2026",
    "31/12/2026", "29/02/2024", "2026-11-01", "11/2026", "11222333000181", "11.222.333/0001-81",
    "33.444.555/0001-81", "529.982.247-25", "52998224725", "3550308", "3304557", "5102", "1102", "22030000",
    "1058", "0132", "01310-100", "01310100", "110042490114", "18,00", "0,00", "1.234,56", "-1,00", "12", "7,5",
    "12:30:00", "Empresa", "F001", "CERV350", "35261111222333000181550010000000011000000010"};
// clang-format on

// A broken promise of the library is a finding like a crash.
void confere(bool promessa, const char* descricao) {
  if (promessa) return;
  std::fprintf(stderr, "quillbook_fuzz: %s\n", descricao);
  std::abort();
}

// The size of the generation's "sped.txt", 0 before it exists; -1 when it
// cannot be told.
std::intmax_t tamanho_sped() {
  std::error_code erro;
  const fs::path caminho = quillbook::Estado().Caminho_SPED;
  if (!fs::exists(caminho, erro)) return erro ? -1 : 0;
  const auto tamanho = fs::file_size(caminho, erro);
  return erro ? -1 : static_cast<std::intmax_t>(tamanho);
}

// Whether what sped.txt gained after its first `antes` bytes is one whole
// line that begins a line of the file: right after a CR LF, or after the
// CR LF that ends a part left by a failed write.
bool linha_inteira(std::intmax_t antes) {
  std::ifstream arquivo(quillbook::Estado().Caminho_SPED, std::ios::binary);
  const std::intmax_t inicio = antes < 2 ? 0 : antes - 2;
  arquivo.seekg(inicio);
  const std::string fim{std::istreambuf_iterator<char>(arquivo), std::istreambuf_iterator<char>()};
  const std::string_view anterior = std::string_view(fim).substr(0, static_cast<std::size_t>(antes - inicio));
  std::string_view novo = std::string_view(fim).substr(anterior.size());
  if (!anterior.empty() && anterior != "\r\n") {
    if (novo.substr(0, 2) != "\r\n") return false;
    novo.remove_prefix(2);
  }
  return novo.size() > 2 && novo.find("\r\n") == novo.size() - 2;
}

// What the input has done that a check must allow for. All but the last
// three, which belong to one generation, hold for the rest of the input
// once set.
struct Condicoes {
  bool saida_mexida = false;    // the output folder changed behind the library
  bool escrita_falha = false;   // some write may fail, be short or interrupted
  bool corte_falha = false;     // a failed write may not be cut back
  bool linhas_avulsas = false;  // the host wrote raw lines in this generation
  // 9900 called in this generation, and called where the rule of its own
  // row leaves the file's count a line short: a second time (a second set
  // of count lines), or before any type above its row had a line.
  bool lista_9900 = false;
  bool contagem_curta = false;
};
Condicoes condicoes;

// The closing figure of "|9999|N|" at the end of `sped`; -1 when absent.
long total_declarado(const std::string& sped) {
  const std::size_t inicio = sped.rfind("|9999|");
  if (inicio == std::string::npos || sped.size() < 3 || sped.compare(sped.size() - 3, 3, "|\r\n") != 0) return -1;
  const std::string numero = sped.substr(inicio + 6, sped.size() - 3 - inicio - 6);
  if (numero.empty() || numero.find_first_not_of("0123456789") != std::string::npos) return -1;
  return std::stol(numero);
}

// Whether a type above row 9900 has a line: what makes the walk of 9900
// raise its own row.
bool tipo_acima_de_9900() {
  const quillbook::Tabela& tabela = quillbook::Tabela_Registros();
  const auto linha_9900 = quillbook::Localiza_Registro("9900");
  return std::any_of(tabela.begin(), tabela.begin() + linha_9900, [](const auto& tipo) { return tipo.Qtd_OK > 0; });
}

// One record call, then what its answer promises: a line in "sped.txt"
// exactly when accepted (block 9's list, 9900, may have written some of its
// lines when it answers -1), and a file whose 9999 counts its lines.
void registro(std::size_t indice, const std::vector<const char*>& campos) {
  const bool iniciado = quillbook::Estado().Iniciado;
  const std::intmax_t antes = tamanho_sped();
  const int32_t resultado = Todos_Registros[indice](campos);
  confere(resultado == 0 || resultado == -1, "a record writer answered neither 0 nor -1");
  confere(iniciado || resultado == -1, "a record was accepted with no generation running");
  const quillbook::Geracao& g = quillbook::Estado();
  confere(g.Lista_Log.empty() && g.Lista_Erros.empty() && g.Lista_Observacoes.empty(),
          "a record call left its lists filled");
  const bool lista_9900 = Todos_Registros[indice] == &quillbook::teste::Chama<Registro9900>;
  if (iniciado && lista_9900) {
    condicoes.contagem_curta = condicoes.contagem_curta || condicoes.lista_9900 || !tipo_acima_de_9900();
    condicoes.lista_9900 = true;
  }
  if (!iniciado || condicoes.saida_mexida) return;
  // Even after a part of a line that could not be cut back, an accepted
  // line starts a line of the file.
  if (resultado == 0 && !lista_9900 && antes >= 0) confere(linha_inteira(antes), "an accepted line is glued to a part");
  if (condicoes.corte_falha) return;
  const std::intmax_t depois = tamanho_sped();
  if (resultado == 0) confere(depois > antes, "a record answered 0 and sped.txt did not grow");
  if (resultado == -1 && !lista_9900) confere(depois == antes, "a record answered -1 and sped.txt changed");
  const bool fecho = Todos_Registros[indice] == &quillbook::teste::Chama<Registro9999>;
  if (fecho && resultado == 0 && !condicoes.linhas_avulsas && !condicoes.contagem_curta) {
    std::ifstream arquivo(g.Caminho_SPED, std::ios::binary);
    const std::string sped{std::istreambuf_iterator<char>(arquivo), std::istreambuf_iterator<char>()};
    long linhas = 0;
    for (std::size_t pos = sped.find("\r\n"); pos != std::string::npos; pos = sped.find("\r\n", pos + 2)) ++linhas;
    confere(total_declarado(sped) == linhas, "9999 does not count the lines of sped.txt");
  }
}

// A raw line of the host; it cannot answer, so only an undisturbed write is
// checked.
void linha_avulsa(const char* linha) {
  const bool iniciado = quillbook::Estado().Iniciado;
  const std::intmax_t antes = tamanho_sped();
  Trata_SPED(linha);
  if (!iniciado) return;
  condicoes.linhas_avulsas = true;
  if (condicoes.saida_mexida || condicoes.escrita_falha) return;
  const std::size_t acrescimo = (linha == nullptr ? 0 : std::string_view(linha).size()) + 2;
  confere(tamanho_sped() == antes + static_cast<std::intmax_t>(acrescimo),
          "Trata_SPED did not append the line and CR LF");
}

// The bytes of one input, read front to back; past the end every read is 0.
class Leitor {
 public:
  Leitor(const uint8_t* dados, std::size_t tamanho) : dados_(dados), tamanho_(tamanho) {}

  bool acabou() const { return pos_ >= tamanho_; }
  uint8_t byte() { return pos_ < tamanho_ ? dados_[pos_++] : 0; }
  std::string bytes(std::size_t n) {
    n = std::min(n, tamanho_ - std::min(pos_, tamanho_));
    std::string texto(reinterpret_cast<const char*>(dados_ + pos_), n);
    pos_ += n;
    return texto;
  }

 private:
  const uint8_t* dados_;
  std::size_t tamanho_;
  std::size_t pos_ = 0;
};

// One call's fields: the texts live until the call is over.
class Campos {
 public:
  explicit Campos(Leitor& leitor) : leitor_(leitor) {}

  const char* campo() {
    switch (leitor_.byte() % 8) {
      case 0:
        return nullptr;
      case 1:
        return "";
      case 2:
      case 3:
        return Valores_Bons[leitor_.byte() % Valores_Bons.size()];
      case 4: {  // well-formed, then spoiled; read in this order under every compiler
        std::string estragado = Valores_Bons[leitor_.byte() % Valores_Bons.size()];
        return guarda(estragado + leitor_.bytes(leitor_.byte() % 8));
      }
      case 5: {  // long: one byte repeated, up to 4 KiB and now and then past 64 KiB
        const char c = static_cast<char>(leitor_.byte());
        const uint8_t medida = leitor_.byte();
        return guarda(std::string(medida == 255 ? 70000 : medida * 16u + 1, c == 0 ? '9' : c));
      }
      default:  // binary, as given
        return guarda(leitor_.bytes(leitor_.byte() % 48));
    }
  }

  std::vector<const char*> lista(std::size_t quantos) {
    std::vector<const char*> lista;
    for (std::size_t i = 0; i < quantos; ++i) lista.push_back(campo());
    return lista;
  }

 private:
  const char* guarda(std::string texto) { return textos_.emplace_back(std::move(texto)).c_str(); }

  Leitor& leitor_;
  std::deque<std::string> textos_;
};

struct Pastas {
  fs::path raiz, saida, entrada, vazia;
};

void grava(const fs::path& caminho, std::string_view conteudo) { std::ofstream(caminho, std::ios::binary) << conteudo; }

fs::path raiz_criada;

void remove_raiz() {
  std::error_code erro;
  fs::remove_all(raiz_criada, erro);
}

const Pastas& pastas() {
  static const Pastas p = [] {
    raiz_criada = quillbook::teste::cria_diretorio_temporario();
    if (raiz_criada.empty()) std::abort();
    std::atexit(remove_raiz);
    Pastas novas{raiz_criada, raiz_criada / "saida", raiz_criada / "entrada", raiz_criada / "vazia"};
    fs::create_directory(novas.entrada);
    fs::create_directory(novas.vazia);
    grava(novas.entrada / "cfop.res", "CFOP\r\n5102 Venda\r\n1102 Compra\r\n");
    grava(novas.entrada / "municipio.res", "MUNICIPIO\r\n3550308 Sao Paulo\r\n3304557 Rio de Janeiro\r\n");
    grava(novas.entrada / "ncm.res", "NCM\r\n22030000 Cerveja\r\n");
    grava(novas.entrada / "pais.res", "PAIS\r\n1058 Brasil\r\n0132 Afeganistao\r\n");
    return novas;
  }();
  return p;
}

// The opening a host makes, well-formed, so that inputs reach the records
// that need an open file.
void abre_arquivo(Leitor& leitor) {
  Registro0000("002", "0", "01/11/2026", "30/11/2026", "Empresa", "11222333000181", "", "SP", "", "3550308", "", "",
               "A", "1");
  if (leitor.byte() % 2 == 0) Registro0001("0");
}

// The failures the file layer can be made to meet: an append that fails
// to open, after some of its bytes or in its close, short and interrupted
// writes, a cut-back that fails.
void arma_falha(Leitor& leitor) {
  namespace platform = quillbook::platform;
  const uint8_t escolha = leitor.byte();
  switch (escolha % 4) {
    case 0:
      condicoes.escrita_falha = true;
      if (escolha & 0x80)
        platform::Falha_No_Fechamento(escolha / 4 % 6);
      else
        platform::Falha_Na_Escrita(escolha / 4 % 6, leitor.byte());
      break;
    case 1: {
      constexpr std::array<std::size_t, 5> maximos = {0, 1, 3, 100, 4096};
      condicoes.escrita_falha = true;
      platform::Escritas_Irregulares(maximos[escolha / 4 % maximos.size()], escolha & 0x80);
      break;
    }
    case 2:
      condicoes.corte_falha = condicoes.corte_falha || (escolha & 0x80) != 0;
      platform::Falha_No_Corte(escolha & 0x80);
      break;
    default:
      platform::Desarma_Falhas();
      break;
  }
}

void troca_regional(Leitor& leitor) {
  quillbook::platform::Configuracao_Regional conf;
  const uint8_t escolha = leitor.byte();
  conf.ordem = static_cast<quillbook::platform::Ordem_Data>(escolha % 3);
  conf.separador_data = "/-. "[escolha / 3 % 4];
  conf.separador_hora = escolha & 0x80 ? '.' : ':';
  if (escolha & 0x40) {
    conf.separador_decimal = ".";
    conf.separador_milhar = ",";
  }
  if (escolha & 0x20) {
    conf.texto_am = "AM";
    conf.texto_pm = "PM";
  }
  quillbook::platform::Troca_Regional(std::move(conf));
}

// The output folder changing under a running generation: gone, back, or
// an output file's name taken by a folder.
void mexe_na_saida(Leitor& leitor) {
  const fs::path& saida = pastas().saida;
  condicoes.saida_mexida = true;
  std::error_code erro;
  switch (leitor.byte() % 5) {
    case 0:
      fs::remove_all(saida, erro);
      break;
    case 1:
      fs::create_directory(saida, erro);
      break;
    default: {
      const std::array<const char*, 3> nomes = {"sped.txt", "erro.txt", "log.txt"};
      const fs::path arquivo = saida / nomes[leitor.byte() % nomes.size()];
      fs::remove(arquivo, erro);
      fs::create_directory(arquivo, erro);
    }
  }
}

void inicia_em_outro_lugar(Leitor& leitor) {
  const Pastas& p = pastas();
  // Never an empty or a caller-made output path: the library must not be
  // led to write outside the fuzzer's own folder.
  const std::array<std::string, 5> saidas = {p.saida.string(), p.saida.string() + "/", p.entrada.string(),
                                             (p.raiz / "falta").string(), (p.entrada / "cfop.res").string()};
  const std::array<std::string, 5> entradas = {p.entrada.string(), p.vazia.string(), (p.raiz / "falta").string(), "",
                                               (p.saida / "..").string()};
  const uint8_t escolha = leitor.byte();
  const std::string& entrada = entradas[escolha / 5 % entradas.size()];
  Inicia_SPED(saidas[escolha % saidas.size()].c_str(), escolha & 0x80 ? nullptr : entrada.c_str());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, std::size_t tamanho) {
  const Pastas& p = pastas();
  std::error_code erro;
  fs::remove_all(p.saida, erro);
  fs::create_directory(p.saida);
  quillbook::platform::Define_Observador_Mensagens([](std::string_view) {});
  condicoes = {};
  const quillbook::platform::Configuracao_Regional regional = quillbook::platform::Regional();

  Leitor leitor(dados, tamanho);
  for (int chamadas = 0; !leitor.acabou() && chamadas < 256; ++chamadas) {
    Campos campos(leitor);
    const bool iniciado = quillbook::Estado().Iniciado;
    switch (leitor.byte() % 13) {
      case 0:
        Inicia_SPED(p.saida.string().c_str(), p.entrada.string().c_str());
        break;
      case 1:
        inicia_em_outro_lugar(leitor);
        break;
      case 2:
        Finaliza_SPED();
        break;
      case 3:
      case 4:
      case 5: {
        const std::size_t indice = leitor.byte() % Todos_Registros.size();
        registro(indice, campos.lista(leitor.byte() % 40));
        break;
      }
      case 6: {
        const auto validador = Validadores[leitor.byte() % Validadores.size()];
        confere(validador(campos.campo()) <= 1, "a validator answered neither 1 nor 0");
        break;
      }
      case 7: {
        const char* ie = campos.campo();
        confere(vInscEst(ie, campos.campo()) <= 1, "a validator answered neither 1 nor 0");
        break;
      }
      case 8:
        linha_avulsa(campos.campo());
        break;
      case 9:
        abre_arquivo(leitor);
        break;
      case 10:
        arma_falha(leitor);
        break;
      case 11:
        troca_regional(leitor);
        break;
      default:
        mexe_na_saida(leitor);
        break;
    }
    if (!iniciado && quillbook::Estado().Iniciado) {
      condicoes.linhas_avulsas = false;
      condicoes.lista_9900 = condicoes.contagem_curta = false;
    }
  }

  Finaliza_SPED();
  quillbook::platform::Desarma_Falhas();
  quillbook::platform::Troca_Regional(regional);
  quillbook::platform::Define_Observador_Mensagens({});
  return 0;
}
