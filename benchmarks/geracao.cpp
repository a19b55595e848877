// A whole generation against its I/O floor. The benchmark makes reference
// tables of realistic size (600 CFOP, 13,000 NCM, 5,570 municipality and
// 250 country codes, CR LF lines with descriptions), then writes a
// document-heavy file through the exported functions: participants, items,
// and documents of one C100, ten C170 and two C190. The floor is the same
// file written the cheapest way the design allows: every line appended by
// open, write and close, every look-up made by open, one read, a scan of
// the lines and close, on the same tables and codes.
//
//   quillbook_geracao [--breve] [--rodadas N] [--antes OUTRA_BIBLIOTECA.so]
//
// Each measurement runs in a process of its own (the library loaded there
// with dlopen, as a host loads it), so the peak memory it reports is its
// own; the rounds alternate floor and libraries, and the fastest round of
// each counts. --antes measures a second build of the library in the same
// run, for a before-and-after table. Each library's column also shows the
// heap allocations that its calls made over the whole generation, from
// Inicia_SPED to Finaliza_SPED, per line of "sped.txt".
#include <dlfcn.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "exports/quillbook.h"

extern char** environ;

// ---------------------------------------------------------------- heap

// The allocations made inside the library's calls: malloc, calloc and
// realloc are taken over for the whole process, the dlopen'ed library and
// its operator new included, and counted while a call runs. The C
// library's own entry points do the work (glibc exports them).
namespace {
bool Contando = false;
long Alocacoes = 0;
}  // namespace

extern "C" {
void* __libc_malloc(std::size_t tamanho);
void* __libc_calloc(std::size_t quantos, std::size_t tamanho);
void* __libc_realloc(void* antigo, std::size_t tamanho);

void* malloc(std::size_t tamanho) noexcept {
  if (Contando) ++Alocacoes;
  return __libc_malloc(tamanho);
}
void* calloc(std::size_t quantos, std::size_t tamanho) noexcept {
  if (Contando) ++Alocacoes;
  return __libc_calloc(quantos, tamanho);
}
void* realloc(void* antigo, std::size_t tamanho) noexcept {
  if (Contando) ++Alocacoes;
  return __libc_realloc(antigo, tamanho);
}
}

namespace {

// Counts the allocations of what it runs.
template <class Corpo>
auto Contado(Corpo&& corpo) {
  Contando = true;
  struct Para {
    ~Para() { Contando = false; }
  } para;
  return corpo();
}

namespace fs = std::filesystem;
using Relogio = std::chrono::steady_clock;

// ---------------------------------------------------------------- sizes

struct Tamanhos {
  int participantes = 1000;
  int itens = 5000;
  int documentos = 20000;
  int repeticoes_consulta = 200;  // per code position, in the look-up section
};

// ---------------------------------------------------------------- tables

enum Tabela { CFOP, NCM, Municipio, Pais, Total_Tabelas };

struct Forma_Tabela {
  const char* arquivo;
  int linhas;
  std::size_t colunas;
  bool aparada;
};

constexpr std::array<Forma_Tabela, Total_Tabelas> Tabelas{{
    {"cfop.res", 600, 4, false},
    {"ncm.res", 13000, 8, false},
    {"municipio.res", 5570, 7, false},
    {"pais.res", 250, 4, true},
}};

std::string Formata(const char* formato, long valor) {
  char texto[64];
  std::snprintf(texto, sizeof texto, formato, valor);
  return texto;
}

// The code on line `i` (from 0, after the heading) of a table.
std::string Codigo(Tabela t, int i) {
  switch (t) {
    case CFOP:
      return Formata("%04ld", 1101 + i * 11L);
    case NCM:
      return Formata("%08ld", 10000000 + i * 6917L);
    case Municipio:
      return Formata("%07ld", 1100015 + i * 1531L);
    default:
      return Formata("%04ld", 13 + i * 39L);
  }
}

// Codes spread over the whole table, so look-ups stop early, midway and late.
int Posicao(Tabela t, long n) { return static_cast<int>((n * 7919 + 13) % Tabelas[t].linhas); }

void Escreve_Tabelas(const fs::path& entrada) {
  static const char* const descricoes[] = {
      "Descrição resumida",
      "Descrição de exemplo da linha da tabela de referência",
      "Outra descrição, mais longa, com vírgulas, acentos e o que mais couber numa linha de tabela de referência",
  };
  for (int t = 0; t < Total_Tabelas; ++t) {
    std::ofstream arquivo(entrada / Tabelas[t].arquivo, std::ios::binary);
    arquivo << "CODIGO DESCRICAO\r\n";
    for (int i = 0; i < Tabelas[t].linhas; ++i)
      arquivo << Codigo(static_cast<Tabela>(t), i) << ' ' << descricoes[i % 3] << ' ' << i << "\r\n";
  }
}

// ---------------------------------------------------------------- records

// A CNPJ with its two check digits, from a base of eight digits.
std::string Cnpj(long base) {
  std::string d = Formata("%08ld", base % 100000000) + "0001";
  for (int volta = 0; volta < 2; ++volta) {
    int soma = 0;
    int peso = static_cast<int>(d.size()) - 7;
    for (char c : d) {
      soma += (c - '0') * peso;
      peso = peso == 2 ? 9 : peso - 1;
    }
    int resto = soma % 11;
    d += static_cast<char>('0' + (resto < 2 ? 0 : 11 - resto));
  }
  return d;
}

struct Tipo {
  const char* codigo;
  const char* rotulo;
};

// Record kinds timed on their own; the rest count together.
enum Tipo_Registro { T0150, T0200, TC100, TC170, TC190, TOutros, TFim, Total_Tipos };
constexpr std::array<Tipo, Total_Tipos> Tipos{{
    {"0150", "0150 participant (2 look-ups)"},
    {"0200", "0200 item"},
    {"C100", "C100 document"},
    {"C170", "C170 item (1 CFOP look-up)"},
    {"C190", "C190 total (1 CFOP look-up)"},
    {"", "other records"},
    {"", "Finaliza_SPED"},
}};

struct Consulta {
  Tabela tabela;
  std::string codigo;
};

// One call of a record function: its export name, its arguments, and the
// look-ups it makes.
struct Chamada {
  std::string funcao;
  Tipo_Registro tipo = TOutros;
  std::vector<std::string> campos;
  std::vector<Consulta> consultas;
  void limpa(const char* nome, Tipo_Registro t) {
    funcao = nome;
    tipo = t;
    campos.clear();
    consultas.clear();
  }
};

// The calls of the whole file, in order, handed one at a time to `visita`.
void Percorre(const Tamanhos& n, const std::function<void(const Chamada&)>& visita) {
  Chamada c;
  auto chamada = [&](const char* nome, Tipo_Registro t, std::initializer_list<std::string> campos) {
    c.limpa(nome, t);
    c.campos.assign(campos);
  };
  chamada("Registro0000", TOutros,
          {"002", "0", "01/11/2026", "30/11/2026", "Comercial Exemplo Ltda", "11.222.333/0001-81", "", "SP",
           "110042490114", Codigo(Municipio, 4014), "", "", "A", "1"});
  c.consultas = {{Municipio, Codigo(Municipio, 4014)}};
  visita(c);
  chamada("Registro0001", TOutros, {"0"});
  visita(c);
  chamada("Registro0005", TOutros,
          {"Exemplo", "01310-100", "Avenida Paulista", "1000", "Sala 10", "Bela Vista", "1132000000", "",
           "fiscal@exemplo.com.br"});
  visita(c);
  for (int p = 0; p < n.participantes; ++p) {
    const std::string pais = Codigo(Pais, Posicao(Pais, p));
    const std::string municipio = Codigo(Municipio, Posicao(Municipio, p));
    chamada("Registro0150", T0150,
            {Formata("P%05ld", p), "Participante Comercial " + std::to_string(p) + " Ltda", pais,
             Cnpj(10000000 + p * 37L), "", Formata("%012ld", 110000000000L + p), municipio, "", "Rua das Flores",
             std::to_string(p % 2000 + 1), "", "Centro"});
    c.consultas = {{Municipio, municipio}, {Pais, pais}};
    visita(c);
  }
  chamada("Registro0190", TOutros, {"UN", "Unidade"});
  visita(c);
  for (int i = 0; i < n.itens; ++i) {
    chamada("Registro0200", T0200,
            {Formata("I%06ld", i), "Mercadoria de exemplo número " + std::to_string(i), Formata("789%010ld", i), "",
             "UN", "00", Codigo(NCM, Posicao(NCM, i)), "", "22", "", "18,00"});
    visita(c);
  }
  chamada("Registro0990", TOutros, {});
  visita(c);
  chamada("RegistroC001", TOutros, {"0"});
  visita(c);
  long linha_item = 0;
  for (int d = 0; d < n.documentos; ++d) {
    const std::string num = std::to_string(d + 1);
    chamada("RegistroC100", TC100,
            {"0",
             "1",
             Formata("P%05ld", d % n.participantes),
             "55",
             "00",
             "1",
             num,
             Formata("3526110000000000000000550010000000001%07ld", d % 10000000),
             "05/11/2026",
             "06/11/2026",
             "1.250,00",
             "0",
             "0,00",
             "",
             "1.250,00",
             "9",
             "0,00",
             "0,00",
             "0,00",
             "1.250,00",
             "225,00",
             "0,00",
             "0,00",
             "0,00",
             "20,63",
             "95,00",
             "0,00",
             "0,00"});
    visita(c);
    for (int k = 0; k < 10; ++k, ++linha_item) {
      const std::string cfop = Codigo(CFOP, Posicao(CFOP, linha_item));
      chamada("RegistroC170", TC170,
              {std::to_string(k + 1),
               Formata("I%06ld", linha_item % n.itens),
               "",
               "1",
               "UN",
               "125,00",
               "0,00",
               "0",
               "000",
               cfop,
               "",
               "125,00",
               "18,00",
               "22,50",
               "0,00",
               "0,00",
               "0,00",
               "0",
               "",
               "",
               "0,00",
               "0,00",
               "0,00",
               "01",
               "125,00",
               "1,65",
               "",
               "",
               "2,06",
               "01",
               "125,00",
               "7,60",
               "",
               "",
               "9,50",
               "1.1.01"});
      c.consultas = {{CFOP, cfop}};
      visita(c);
    }
    for (int k = 0; k < 2; ++k) {
      const std::string cfop = Codigo(CFOP, Posicao(CFOP, linha_item + 7L * k));
      chamada("RegistroC190", TC190,
              {"000", cfop, "18,00", "625,00", "625,00", "112,50", "0,00", "0,00", "0,00", "0,00"});
      c.consultas = {{CFOP, cfop}};
      visita(c);
    }
  }
  chamada("RegistroC990", TOutros, {});
  visita(c);
  chamada("RegistroD001", TOutros, {"1"});
  visita(c);
  chamada("RegistroD990", TOutros, {});
  visita(c);
  chamada("RegistroE001", TOutros, {"0"});
  visita(c);
  chamada("RegistroE100", TOutros, {"01/11/2026", "30/11/2026"});
  visita(c);
  chamada(
      "RegistroE110", TOutros,
      {"0,00", "0,00", "0,00", "0,00", "0,00", "0,00", "0,00", "0,00", "0,00", "0,00", "0,00", "0,00", "0,00", "0,00"});
  visita(c);
  const std::pair<const char*, const char*> fechamento[] = {
      {"RegistroE990", nullptr}, {"RegistroH001", "1"},     {"RegistroH990", nullptr},
      {"Registro1001", "1"},     {"Registro1990", nullptr}, {"Registro9001", "0"},
      {"Registro9900", nullptr}, {"Registro9990", nullptr}, {"Registro9999", nullptr},
  };
  for (const auto& [nome, ind_mov] : fechamento) {
    chamada(nome, TOutros, {});
    if (ind_mov != nullptr) c.campos = {ind_mov};
    visita(c);
  }
}

// The look-up section: in each table, codes on the first, a quarter, the
// middle, three quarters and the last line, and one that is missing.
std::vector<std::string> Codigos_Consultados(Tabela t) {
  const int n = Tabelas[t].linhas;
  std::vector<std::string> codigos;
  for (int i : {0, n / 4, n / 2, 3 * n / 4, n - 1}) codigos.push_back(Codigo(t, i));
  codigos.push_back(std::string(Tabelas[t].colunas, '9'));
  return codigos;
}

// ---------------------------------------------------------------- results

struct Medida {
  std::array<double, Total_Tipos> ns{};
  std::array<long, Total_Tipos> linhas{};
  std::array<double, Total_Tabelas> ns_consulta{};
  long consultas_por_tabela = 0;
  long pico_kib = 0;
  int rejeitados = 0;
  long alocacoes = -1;  // in the generation's calls; -1 where not counted
  long linhas_escritas = 0;

  double total() const {
    double soma = 0;
    for (double v : ns) soma += v;
    return soma;
  }
  long total_linhas() const {
    long soma = 0;
    for (long v : linhas) soma += v;
    return soma;
  }
  void imprime(std::FILE* saida) const {
    for (int t = 0; t < Total_Tipos; ++t) std::fprintf(saida, "tipo %d %.0f %ld\n", t, ns[t], linhas[t]);
    for (int t = 0; t < Total_Tabelas; ++t) std::fprintf(saida, "consulta %d %.0f\n", t, ns_consulta[t]);
    std::fprintf(saida, "consultas %ld\npico %ld\nrejeitados %d\nalocacoes %ld %ld\n", consultas_por_tabela, pico_kib,
                 rejeitados, alocacoes, linhas_escritas);
  }
  static Medida le(const std::string& texto) {
    Medida m;
    std::istringstream entrada(texto);
    std::string chave;
    while (entrada >> chave) {
      if (chave == "tipo") {
        int t;
        entrada >> t;
        entrada >> m.ns[t] >> m.linhas[t];
      } else if (chave == "consulta") {
        int t;
        entrada >> t;
        entrada >> m.ns_consulta[t];
      } else if (chave == "consultas") {
        entrada >> m.consultas_por_tabela;
      } else if (chave == "pico") {
        entrada >> m.pico_kib;
      } else if (chave == "rejeitados") {
        entrada >> m.rejeitados;
      } else if (chave == "alocacoes") {
        entrada >> m.alocacoes >> m.linhas_escritas;
      }
    }
    return m;
  }
  // The fastest of two rounds, kind by kind.
  void melhor(const Medida& outra) {
    for (int t = 0; t < Total_Tipos; ++t) ns[t] = std::min(ns[t], outra.ns[t]);
    for (int t = 0; t < Total_Tabelas; ++t) ns_consulta[t] = std::min(ns_consulta[t], outra.ns_consulta[t]);
    pico_kib = std::max(pico_kib, outra.pico_kib);
    rejeitados = std::max(rejeitados, outra.rejeitados);
    alocacoes = std::max(alocacoes, outra.alocacoes);
  }
  double alocacoes_por_linha() const {
    return linhas_escritas > 0 ? static_cast<double>(alocacoes) / static_cast<double>(linhas_escritas) : 0;
  }
};

long Pico_KiB() {
  rusage uso{};
  getrusage(RUSAGE_SELF, &uso);
  return uso.ru_maxrss;
}

double Nanos(Relogio::time_point inicio) {
  return std::chrono::duration<double, std::nano>(Relogio::now() - inicio).count();
}

// The look-up section, in passes that go through every table in turn; the
// fastest pass of each table counts, scaled to all its calls, so that a
// moment of load elsewhere on the machine does not decide a ratio. False
// when a look-up answered other than expected.
template <class Consulta>
bool Mede_Consultas(const Tamanhos& n, Medida& m, Consulta consulta) {
  constexpr int Passadas = 5;
  const int por_passada = std::max(1, n.repeticoes_consulta / Passadas);
  bool certo = true;
  m.ns_consulta.fill(0);
  for (int passada = 0; passada < Passadas; ++passada) {
    for (int t = 0; t < Total_Tabelas; ++t) {
      const auto codigos = Codigos_Consultados(static_cast<Tabela>(t));
      std::vector<std::string> valores;
      for (const auto& codigo : codigos) valores.push_back(codigo + "|");
      int achados = 0;
      const auto inicio = Relogio::now();
      for (int r = 0; r < por_passada; ++r)
        for (std::size_t i = 0; i < codigos.size(); ++i)
          achados += consulta(static_cast<Tabela>(t), codigos[i], valores[i]);
      const double ns = Nanos(inicio) * Passadas;
      if (passada == 0 || ns < m.ns_consulta[t]) m.ns_consulta[t] = ns;
      if (achados != por_passada * static_cast<int>(codigos.size() - 1)) certo = false;
    }
  }
  m.consultas_por_tabela =
      static_cast<long>(por_passada) * Passadas * static_cast<long>(Codigos_Consultados(CFOP).size());
  return certo;
}

// ---------------------------------------------------------------- the library

// clang-format off
// (clang-format 14 lays this list out differently at every run)
#define QB_FUNCOES(X)                                                                       \
  X(Inicia_SPED) X(Finaliza_SPED)                                                           \
  X(vCOD_CFOP) X(vCOD_NCM) X(vCod_Municipio) X(vCOD_PAIS)                                   \
  X(Registro0000) X(Registro0001) X(Registro0005) X(Registro0150) X(Registro0190)           \
  X(Registro0200) X(Registro0990) X(RegistroC001) X(RegistroC100) X(RegistroC170)           \
  X(RegistroC190) X(RegistroC990) X(RegistroD001) X(RegistroD990) X(RegistroE001)           \
  X(RegistroE100) X(RegistroE110) X(RegistroE990) X(RegistroH001) X(RegistroH990)           \
  X(Registro1001) X(Registro1990) X(Registro9001) X(Registro9900) X(Registro9990)           \
  X(Registro9999)
// clang-format on

struct Biblioteca {
#define QB_MEMBRO(nome) decltype(&::nome) nome = nullptr;
  QB_FUNCOES(QB_MEMBRO)
#undef QB_MEMBRO
  std::map<std::string, std::function<int32_t(const std::vector<std::string>&)>> registros;

  explicit Biblioteca(const char* caminho) {
    void* lib = dlopen(caminho, RTLD_NOW | RTLD_LOCAL);
    if (lib == nullptr) {
      std::fprintf(stderr, "%s\n", dlerror());
      std::exit(2);
    }
#define QB_CARREGA(nome)                                         \
  nome = reinterpret_cast<decltype(&::nome)>(dlsym(lib, #nome)); \
  if (nome == nullptr) {                                         \
    std::fprintf(stderr, "%s: %s missing\n", caminho, #nome);    \
    std::exit(2);                                                \
  }
    QB_FUNCOES(QB_CARREGA)
#undef QB_CARREGA
#define QB_REGISTRO(nome) registros[#nome] = [f = nome](const std::vector<std::string>& c) { return chama(f, c); };
    QB_REGISTRO(Registro0000)
    QB_REGISTRO(Registro0001)
    QB_REGISTRO(Registro0005)
    QB_REGISTRO(Registro0150)
    QB_REGISTRO(Registro0190)
    QB_REGISTRO(Registro0200)
    QB_REGISTRO(Registro0990)
    QB_REGISTRO(RegistroC001)
    QB_REGISTRO(RegistroC100)
    QB_REGISTRO(RegistroC170)
    QB_REGISTRO(RegistroC190)
    QB_REGISTRO(RegistroC990)
    QB_REGISTRO(RegistroD001)
    QB_REGISTRO(RegistroD990)
    QB_REGISTRO(RegistroE001)
    QB_REGISTRO(RegistroE100)
    QB_REGISTRO(RegistroE110)
    QB_REGISTRO(RegistroE990)
    QB_REGISTRO(RegistroH001)
    QB_REGISTRO(RegistroH990)
    QB_REGISTRO(Registro1001)
    QB_REGISTRO(Registro1990)
    QB_REGISTRO(Registro9001)
    QB_REGISTRO(Registro9900)
    QB_REGISTRO(Registro9990)
    QB_REGISTRO(Registro9999)
#undef QB_REGISTRO
  }

  template <class... A>
  static int32_t chama(int32_t (*f)(A...), const std::vector<std::string>& campos) {
    return chama(f, campos, std::index_sequence_for<A...>{});
  }
  template <class F, std::size_t... I>
  static int32_t chama(F f, const std::vector<std::string>& campos, std::index_sequence<I...>) {
    if (campos.size() != sizeof...(I)) std::abort();
    return f(campos[I].c_str()...);
  }

  uint8_t consulta(Tabela t, const char* valor) const {
    switch (t) {
      case CFOP:
        return vCOD_CFOP(valor);
      case NCM:
        return vCOD_NCM(valor);
      case Municipio:
        return vCod_Municipio(valor);
      default:
        return vCOD_PAIS(valor);
    }
  }
};

int Mede_Biblioteca(const char* caminho, const fs::path& entrada, const fs::path& saida, const Tamanhos& n) {
  Biblioteca lib(caminho);
  Medida m;
  m.alocacoes = 0;
  Alocacoes = 0;
  if (Contado([&] { return lib.Inicia_SPED(saida.c_str(), entrada.c_str()); }) != 0) return 2;
  Percorre(n, [&](const Chamada& c) {
    const auto& registro = lib.registros.at(c.funcao);
    const auto inicio = Relogio::now();
    const int32_t resultado = Contado([&] { return registro(c.campos); });
    m.ns[c.tipo] += Nanos(inicio);
    ++m.linhas[c.tipo];
    // The final tests ask for records that this file leaves out (C110 and
    // others for every C100), so 9999 alone is rejected, as a host sees it.
    if (resultado != 0 && c.funcao != "Registro9999") {
      ++m.rejeitados;
      std::fprintf(stderr, "%s rejected\n", c.funcao.c_str());
    }
  });
  const long alocacoes_registros = Alocacoes;
  if (!Mede_Consultas(n, m, [&](Tabela t, const std::string&, const std::string& valor) {
        return lib.consulta(t, valor.c_str()) != 0;
      }))
    ++m.rejeitados;
  Alocacoes = alocacoes_registros;
  const auto inicio = Relogio::now();
  Contado([&] { lib.Finaliza_SPED(); });
  m.ns[TFim] = Nanos(inicio);
  m.linhas[TFim] = 1;
  m.alocacoes = Alocacoes;
  std::ifstream sped(saida / "sped.txt", std::ios::binary);
  m.linhas_escritas = std::count(std::istreambuf_iterator<char>(sped), {}, '\n');
  m.pico_kib = Pico_KiB();
  m.imprime(stdout);
  return 0;
}

// ---------------------------------------------------------------- the floor

class Piso {
 public:
  explicit Piso(const fs::path& entrada) {
    std::size_t maior = 0;
    for (int t = 0; t < Total_Tabelas; ++t) {
      caminhos_[t] = (entrada / Tabelas[t].arquivo).string();
      maior = std::max<std::size_t>(maior, fs::file_size(caminhos_[t]));
    }
    bloco_.assign(maior + 1, 0);
  }

  bool consulta(Tabela t, std::string_view codigo) {
    const int fd = ::open(caminhos_[t].c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    const ssize_t lido = ::read(fd, bloco_.data(), bloco_.size());
    ::close(fd);
    if (lido <= 0) return false;
    const char* p = bloco_.data();
    const char* const fim = p + lido;
    bool cabecalho = true;
    while (p < fim) {
      const char* lf = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(fim - p)));
      const char* fim_linha = lf != nullptr ? lf : fim;
      if (!cabecalho) {
        std::string_view linha(p, static_cast<std::size_t>(fim_linha - p));
        if (!linha.empty() && linha.back() == '\r') linha.remove_suffix(1);
        linha = linha.substr(0, Tabelas[t].colunas);
        if (Tabelas[t].aparada) {
          while (!linha.empty() && linha.front() == ' ') linha.remove_prefix(1);
          while (!linha.empty() && linha.back() == ' ') linha.remove_suffix(1);
        }
        if (linha == codigo) return true;
      }
      cabecalho = false;
      p = fim_linha + 1;
    }
    return false;
  }

 private:
  std::array<std::string, Total_Tabelas> caminhos_;
  std::vector<char> bloco_;
};

bool Acrescenta(const std::string& caminho, std::string_view linha) {
  const int fd = ::open(caminho.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  const bool escrito = ::write(fd, linha.data(), linha.size()) == static_cast<ssize_t>(linha.size());
  return ::close(fd) == 0 && escrito;
}

// The lines of `referencia` (a "sped.txt" the library wrote), each with
// its CR LF, are appended again in call order with the look-ups of their
// call; a call stands for as many lines as carry its code.
int Mede_Piso(const fs::path& referencia, const fs::path& entrada, const fs::path& saida, const Tamanhos& n) {
  std::string texto;
  {
    std::ifstream arquivo(referencia, std::ios::binary);
    std::ostringstream conteudo;
    conteudo << arquivo.rdbuf();
    texto = conteudo.str();
  }
  std::size_t pos = 0;
  Piso piso(entrada);
  Medida m;
  const std::string destino = (saida / "sped.txt").string();
  Percorre(n, [&](const Chamada& c) {
    const std::string codigo = "|" + c.funcao.substr(8) + "|";
    const auto inicio = Relogio::now();
    while (pos < texto.size() && texto.compare(pos, codigo.size(), codigo) == 0) {
      const std::size_t fim = texto.find('\n', pos) + 1;
      if (!Acrescenta(destino, std::string_view(texto).substr(pos, fim - pos))) ++m.rejeitados;
      pos = fim;
    }
    for (const auto& consulta : c.consultas)
      if (!piso.consulta(consulta.tabela, consulta.codigo)) ++m.rejeitados;
    m.ns[c.tipo] += Nanos(inicio);
    ++m.linhas[c.tipo];
  });
  if (pos != texto.size()) ++m.rejeitados;
  if (!Mede_Consultas(
          n, m, [&](Tabela t, const std::string& codigo, const std::string&) { return piso.consulta(t, codigo); }))
    ++m.rejeitados;
  // The close writes "log.txt" once: the floor writes the library's own.
  std::ifstream arquivo_log(referencia.parent_path() / "log.txt", std::ios::binary);
  const std::string log(std::istreambuf_iterator<char>(arquivo_log), {});
  const auto inicio = Relogio::now();
  if (!Acrescenta((saida / "log.txt").string(), log)) ++m.rejeitados;
  m.ns[TFim] = Nanos(inicio);
  m.linhas[TFim] = 1;
  m.pico_kib = Pico_KiB();
  m.imprime(stdout);
  return 0;
}

// ---------------------------------------------------------------- the runs

// Runs this program again in `modo` and reads what it prints.
bool Executa(const std::vector<std::string>& argumentos, Medida& medida) {
  std::vector<char*> argv;
  for (const auto& a : argumentos) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  int tubo[2];
  if (pipe(tubo) != 0) return false;
  posix_spawn_file_actions_t acoes;
  posix_spawn_file_actions_init(&acoes);
  posix_spawn_file_actions_adddup2(&acoes, tubo[1], 1);
  posix_spawn_file_actions_addclose(&acoes, tubo[0]);
  pid_t filho;
  const int erro = posix_spawn(&filho, "/proc/self/exe", &acoes, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&acoes);
  ::close(tubo[1]);
  std::string saida;
  char bloco[4096];
  ssize_t lido;
  while ((lido = ::read(tubo[0], bloco, sizeof bloco)) > 0) saida.append(bloco, static_cast<std::size_t>(lido));
  ::close(tubo[0]);
  if (erro != 0) return false;
  int estado = 0;
  waitpid(filho, &estado, 0);
  if (!WIFEXITED(estado) || WEXITSTATUS(estado) != 0) return false;
  medida = Medida::le(saida);
  return true;
}

std::vector<std::string> Argumentos_Tamanho(const Tamanhos& n) {
  return {std::to_string(n.participantes), std::to_string(n.itens), std::to_string(n.documentos),
          std::to_string(n.repeticoes_consulta)};
}

// A child run by hand (see --tabelas) may be given any sizes: each must be
// a whole number, and the participants and items at least 1, since every
// document names one of each by its number modulo theirs. Anything else
// ends the child before any work, with status 2.
Tamanhos Le_Tamanhos(char** argv) {
  Tamanhos n;
  const struct {
    const char* nome;
    int minimo;
    int& valor;
  } tamanhos[] = {{"participants", 1, n.participantes},
                  {"items", 1, n.itens},
                  {"documents", 0, n.documentos},
                  {"look-up repetitions", 0, n.repeticoes_consulta}};
  for (std::size_t i = 0; i < std::size(tamanhos); ++i) {
    const auto& t = tamanhos[i];
    const char* fim = argv[i] + std::strlen(argv[i]);
    const auto [parou, erro] = std::from_chars(argv[i], fim, t.valor);
    if (erro != std::errc{} || parou != fim || t.valor < t.minimo) {
      std::fprintf(stderr, "the number of %s must be a whole number of at least %d, not \"%s\"\n", t.nome, t.minimo,
                   argv[i]);
      std::exit(2);
    }
  }
  return n;
}

struct Coluna {
  std::string nome;
  Medida medida;
};

void Imprime_Tabela(const Medida& piso, const std::vector<Coluna>& colunas) {
  std::printf("\n%-32s %9s %12s", "per line (us)", "lines", "floor");
  for (const auto& c : colunas) std::printf(" %12s %7s", c.nome.c_str(), "ratio");
  std::printf("\n");
  auto linha = [&](const char* rotulo, long linhas, double ns_piso, auto ns_de) {
    const double por = linhas > 0 ? 1e-3 / static_cast<double>(linhas) : 0;
    std::printf("%-32s %9ld %12.2f", rotulo, linhas, ns_piso * por);
    for (const auto& c : colunas) {
      const double ns = ns_de(c.medida);
      std::printf(" %12.2f %6.2fx", ns * por, ns_piso > 0 ? ns / ns_piso : 0.0);
    }
    std::printf("\n");
  };
  for (int t = 0; t < Total_Tipos; ++t)
    linha(Tipos[t].rotulo, piso.linhas[t], piso.ns[t], [t](const Medida& m) { return m.ns[t]; });
  linha("whole file", piso.total_linhas(), piso.total(), [](const Medida& m) { return m.total(); });
  std::printf("\n%-32s %9s %12s", "per look-up (us)", "calls", "floor");
  for (const auto& c : colunas) std::printf(" %12s %7s", c.nome.c_str(), "ratio");
  std::printf("\n");
  for (int t = 0; t < Total_Tabelas; ++t) {
    const std::string rotulo = std::string(Tabelas[t].arquivo) + " (" + std::to_string(Tabelas[t].linhas) + " lines)";
    linha(rotulo.c_str(), piso.consultas_por_tabela, piso.ns_consulta[t],
          [t](const Medida& m) { return m.ns_consulta[t]; });
  }
  std::printf("\n%-32s %9ld %12s", "heap allocations per line", colunas.front().medida.linhas_escritas, "");
  for (const auto& c : colunas) std::printf(" %12.3f %7s", c.medida.alocacoes_por_linha(), "");
  std::printf("\n(made by the library's calls of the whole generation, per line of sped.txt)\n");
  std::printf("\n%-32s %9s %12ld", "peak memory (KiB)", "", piso.pico_kib);
  for (const auto& c : colunas) std::printf(" %12ld %7s", c.medida.pico_kib, "");
  std::printf("\n(the floor's peak holds the whole reference file in memory)\n");
}

fs::path Diretorio_Temporario() {
  std::string modelo = (fs::temp_directory_path() / "qb_geracao_XXXXXX").string();
  if (mkdtemp(modelo.data()) == nullptr) {
    std::perror("mkdtemp");
    std::exit(2);
  }
  return modelo;
}

}  // namespace

int main(int argc, char** argv) {
  // Children: one measurement each.
  if (argc == 9 && std::strcmp(argv[1], "--filho-biblioteca") == 0)
    return Mede_Biblioteca(argv[2], argv[3], argv[4], Le_Tamanhos(argv + 5));
  if (argc == 9 && std::strcmp(argv[1], "--filho-piso") == 0)
    return Mede_Piso(argv[2], argv[3], argv[4], Le_Tamanhos(argv + 5));

  // For a profiler: the tables alone, then a child run by hand.
  if (argc == 3 && std::strcmp(argv[1], "--tabelas") == 0) {
    Escreve_Tabelas(argv[2]);
    return 0;
  }
  Tamanhos n;
  int rodadas = 3;
  std::vector<Coluna> colunas{{"library", {}}};
  std::vector<std::string> bibliotecas{QB_BIBLIOTECA};
  for (int i = 1; i < argc; ++i) {
    const std::string_view a = argv[i];
    if (a == "--breve") {
      n = {100, 500, 200, 20};
      rodadas = 1;
    } else if (a == "--rodadas" && i + 1 < argc) {
      rodadas = std::max(1, std::atoi(argv[++i]));
    } else if (a == "--documentos" && i + 1 < argc) {
      n.documentos = std::max(1, std::atoi(argv[++i]));
    } else if (a == "--antes" && i + 1 < argc) {
      bibliotecas.insert(bibliotecas.begin(), argv[++i]);
      colunas.insert(colunas.begin(), {"before", {}});
      colunas.back().nome = "after";
    } else {
      std::fprintf(stderr, "usage: %s [--breve] [--rodadas N] [--documentos N] [--antes LIBRARY.so]\n", argv[0]);
      return 2;
    }
  }
  // Dates are written day/month/year: the Brazilian settings, which the
  // library takes for the C locale.
  setenv("LC_ALL", "C", 1);

  const fs::path raiz = Diretorio_Temporario();
  const fs::path entrada = raiz / "entrada";
  fs::create_directory(entrada);
  Escreve_Tabelas(entrada);
  const std::string programa = argv[0];
  int corrida = 0;
  auto saida_nova = [&] {
    const fs::path saida = raiz / ("saida" + std::to_string(corrida++));
    fs::create_directory(saida);
    return saida;
  };
  auto mede = [&](const std::vector<std::string>& inicio, const fs::path& saida, Medida& m) {
    std::vector<std::string> argumentos = inicio;
    argumentos.push_back(entrada.string());
    argumentos.push_back(saida.string());
    for (auto& a : Argumentos_Tamanho(n)) argumentos.push_back(a);
    return Executa(argumentos, m);
  };

  // The reference file: the library's own, which every library must
  // reproduce byte for byte.
  const fs::path referencia_dir = saida_nova();
  Medida aquecimento;
  bool ok = mede({programa, "--filho-biblioteca", bibliotecas.back()}, referencia_dir, aquecimento) &&
            aquecimento.rejeitados == 0;
  if (!ok) std::fprintf(stderr, "the reference generation failed or rejected records\n");
  const fs::path referencia = referencia_dir / "sped.txt";

  Medida piso;
  for (int r = 0; ok && r < rodadas; ++r) {
    Medida m;
    const fs::path saida = saida_nova();
    ok = mede({programa, "--filho-piso", referencia.string()}, saida, m) && m.rejeitados == 0;
    if (!ok) std::fprintf(stderr, "the floor failed\n");
    r == 0 ? void(piso = m) : piso.melhor(m);
    fs::remove_all(saida);
    for (std::size_t b = 0; ok && b < bibliotecas.size(); ++b) {
      const fs::path saida_lib = saida_nova();
      ok = mede({programa, "--filho-biblioteca", bibliotecas[b]}, saida_lib, m) && m.rejeitados == 0;
      for (const char* arquivo : {"sped.txt", "erro.txt"}) {
        const std::string cmp =
            "cmp -s '" + (referencia_dir / arquivo).string() + "' '" + (saida_lib / arquivo).string() + "'";
        if (ok && std::system(cmp.c_str()) != 0) {
          std::fprintf(stderr, "%s wrote another %s\n", bibliotecas[b].c_str(), arquivo);
          ok = false;
        }
      }
      r == 0 ? void(colunas[b].medida = m) : colunas[b].medida.melhor(m);
      fs::remove_all(saida_lib);
    }
  }
  fs::remove_all(raiz);
  if (!ok) return 1;
  std::printf("%d participants, %d items, %d documents (C100 + 10 C170 + 2 C190); best of %d round(s)\n",
              n.participantes, n.itens, n.documentos, rodadas);
  Imprime_Tabela(piso, colunas);
  return 0;
}
