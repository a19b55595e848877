#include "frame/datas.h"

#include <array>
#include <optional>
#include <vector>

#include "frame/texto.h"
#include "platform/regional.h"
#include "platform/relogio.h"

namespace quillbook {
namespace {

struct Data {
  int dia = 0;
  int mes = 0;
  int ano = 0;
};

bool bissexto(int ano) { return (ano % 4 == 0 && ano % 100 != 0) || ano % 400 == 0; }

int dias_do_mes(int mes, int ano) {
  static const int dias[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return mes == 2 && bissexto(ano) ? 29 : dias[mes - 1];
}

bool existe(const Data& d) {
  return d.ano >= 1 && d.ano <= 9999 && d.mes >= 1 && d.mes <= 12 && d.dia >= 1 && d.dia <= dias_do_mes(d.mes, d.ano);
}

// A year of one or two digits falls in the hundred years that begin fifty
// years before the current one.
int ano_da_janela(int ano_curto) {
  int inicio = platform::Ano_Corrente() - 50;
  int ano = inicio / 100 * 100 + ano_curto;
  return ano < inicio ? ano + 100 : ano;
}

class Leitura {
 public:
  explicit Leitura(std::string_view texto) : texto_(texto) {}

  bool fim() const { return pos_ >= texto_.size(); }
  char atual() const { return fim() ? '\0' : texto_[pos_]; }
  bool consome(char c) {
    if (atual() != c || fim()) return false;
    ++pos_;
    return true;
  }
  void pula_brancos() {
    while (!fim() && texto_[pos_] == ' ') ++pos_;
  }
  // A run of digits: its value and its length (0 when none).
  std::size_t numero(int& valor) {
    std::size_t inicio = pos_;
    valor = 0;
    while (!fim() && texto_[pos_] >= '0' && texto_[pos_] <= '9') {
      // Saturates instead of overflowing: every test of a date part
      // refuses a value this large, and leading zeros still count as none.
      valor = valor < Saturado / 10 ? valor * 10 + (texto_[pos_] - '0') : Saturado;
      ++pos_;
    }
    return pos_ - inicio;
  }
  bool consome_texto(std::string_view alvo) {
    if (alvo.empty() || texto_.size() - pos_ < alvo.size()) return false;
    if (Maiusculas(texto_.substr(pos_, alvo.size())) != Maiusculas(alvo)) return false;
    pos_ += alvo.size();
    return true;
  }
  std::size_t posicao() const { return pos_; }
  void volta(std::size_t pos) { pos_ = pos; }

 private:
  static constexpr int Saturado = 1'000'000'000;
  std::string_view texto_;
  std::size_t pos_ = 0;
};

// An hour, then minutes and seconds after the time separator, then AM or
// PM (the regional texts or the letters): accepted and dropped. An hour
// alone is a time too. The hour runs 0 to 23, or 1 to 12 before AM or PM.
// Like the date's parts, each is read as its value, however many digits it
// is written with ('010:030'): only its range limits it.
bool le_hora(Leitura& l) {
  const auto& regional = platform::Regional();
  int hora = 0, minuto = 0, segundo = 0;
  if (l.numero(hora) == 0) return false;
  if (l.consome(regional.separador_hora)) {
    if (l.numero(minuto) == 0 || minuto > 59) return false;
    if (l.consome(regional.separador_hora) && (l.numero(segundo) == 0 || segundo > 59)) return false;
  }
  l.pula_brancos();
  bool meio_dia = false;
  for (std::string_view marca : {std::string_view(regional.texto_am), std::string_view(regional.texto_pm),
                                 std::string_view("AM"), std::string_view("PM")}) {
    if (l.consome_texto(marca)) {
      meio_dia = true;
      break;
    }
  }
  if (meio_dia ? hora < 1 || hora > 12 : hora > 23) return false;
  l.pula_brancos();
  return l.fim();
}

// Two or three numbers read, in the order that the settings give them,
// as a date that the calendar has.
std::optional<Data> data_lida(const int (&numeros)[3], const std::size_t (&digitos)[3], int quantos,
                              const platform::Configuracao_Regional& regional) {
  // Day and month are read as their values, however many digits they are
  // written with ('001/002/09'): only the calendar test limits them.
  Data d;
  if (quantos == 3) {
    int ia = 0, im = 0, id = 0;
    switch (regional.ordem) {
      case platform::Ordem_Data::DMA:
        id = 0, im = 1, ia = 2;
        break;
      case platform::Ordem_Data::MDA:
        im = 0, id = 1, ia = 2;
        break;
      case platform::Ordem_Data::AMD:
        ia = 0, im = 1, id = 2;
        break;
    }
    d.dia = numeros[id];
    d.mes = numeros[im];
    // A year of three or more digits is the year as written ('02009' is
    // 2009); the calendar test refuses one above 9999.
    d.ano = digitos[ia] <= 2 ? ano_da_janela(numeros[ia]) : numeros[ia];
  } else {
    bool dia_primeiro = regional.ordem == platform::Ordem_Data::DMA;
    d.dia = numeros[dia_primeiro ? 0 : 1];
    d.mes = numeros[dia_primeiro ? 1 : 0];
    d.ano = platform::Ano_Corrente();
  }
  if (!existe(d)) return std::nullopt;
  return d;
}

// The usual shape of a date, three runs of one to four digits split by the
// date separator and nothing more, read in one pass: false for any other
// text, which the full reading takes. Read either way, such a text gives
// the same three numbers.
bool le_forma_usual(std::string_view texto, char separador, int (&numeros)[3], std::size_t (&digitos)[3]) {
  // Two, two and four digits, the commonest of all, read without a loop.
  if (texto.size() == 10 && texto[2] == separador && texto[5] == separador) {
    unsigned d[10];
    bool todos = true;
    for (std::size_t i : {0, 1, 3, 4, 6, 7, 8, 9}) {
      d[i] = static_cast<unsigned char>(texto[i]) - unsigned{'0'};
      todos = todos && d[i] <= 9;
    }
    if (todos) {
      numeros[0] = static_cast<int>(d[0] * 10 + d[1]);
      numeros[1] = static_cast<int>(d[3] * 10 + d[4]);
      numeros[2] = static_cast<int>(d[6] * 1000 + d[7] * 100 + d[8] * 10 + d[9]);
      digitos[0] = 2, digitos[1] = 2, digitos[2] = 4;
      return true;
    }
  }
  const char* c = texto.data();
  const char* const fim = c + texto.size();
  for (int i = 0; i < 3; ++i) {
    if (i > 0) {
      if (c == fim || *c != separador) return false;
      ++c;
    }
    const char* const inicio = c;
    const char* const limite = fim - c > 4 ? c + 4 : fim;
    unsigned valor = 0;
    for (unsigned digito; c != limite && (digito = static_cast<unsigned char>(*c) - unsigned{'0'}) <= 9; ++c)
      valor = valor * 10 + digito;
    if (c == inicio) return false;
    numeros[i] = static_cast<int>(valor);
    digitos[i] = static_cast<std::size_t>(c - inicio);
  }
  return c == fim;
}

std::optional<Data> converte(std::string_view texto, const platform::Configuracao_Regional& regional) {
  Leitura l(texto);
  l.pula_brancos();
  std::size_t inicio = l.posicao();

  int numeros[3] = {0, 0, 0};
  std::size_t digitos[3] = {0, 0, 0};
  int quantos = 0;
  while (quantos < 3) {
    std::size_t antes = l.posicao();
    digitos[quantos] = l.numero(numeros[quantos]);
    if (digitos[quantos] == 0) {
      l.volta(antes);
      break;
    }
    ++quantos;
    if (!l.consome(regional.separador_data)) break;
  }

  if (quantos < 2) {
    // No date at all: a lone time of day is day zero, 30 December 1899.
    // But a run of three or more digits and nothing else is no hour: it is
    // a date written without separators ('31122009', or the '00000000'
    // that many hosts hold for no date), which must not be filed as 1899.
    if (quantos == 1 && digitos[0] > 2 && Apara(texto).size() == digitos[0]) return std::nullopt;
    l.volta(inicio);
    if (le_hora(l)) return Data{30, 12, 1899};
    return std::nullopt;
  }

  std::optional<Data> d = data_lida(numeros, digitos, quantos, regional);
  if (!d) return std::nullopt;
  l.pula_brancos();
  if (!l.fim() && !le_hora(l)) return std::nullopt;
  return d;
}

// The two digits of a value below 100.
void escreve_dois(char* destino, int valor) {
  static constexpr auto pares = [] {
    std::array<char, 200> p{};
    for (int i = 0; i < 100; ++i)
      p[2 * i] = static_cast<char>('0' + i / 10), p[2 * i + 1] = static_cast<char>('0' + i % 10);
    return p;
  }();
  destino[0] = pares[2 * valor];
  destino[1] = pares[2 * valor + 1];
}

}  // namespace

std::string_view Formata_Data(std::string_view data, char* digitos) {
  const platform::Configuracao_Regional& regional = platform::Regional();
  int numeros[3];
  std::size_t digitos_lidos[3];
  std::optional<Data> d;
  if (le_forma_usual(data, regional.separador_data, numeros, digitos_lidos)) {
    d = data_lida(numeros, digitos_lidos, 3, regional);
  } else {
    if (Apara(data).empty()) return data;
    d = converte(data, regional);
  }
  if (!d) return {};
  // Day, month and year are within their ranges here: two, two and four
  // digits, with leading zeros.
  escreve_dois(digitos, d->dia);
  escreve_dois(digitos + 2, d->mes);
  escreve_dois(digitos + 4, d->ano / 100);
  escreve_dois(digitos + 6, d->ano % 100);
  return {digitos, 8};
}

void Formata_Data(std::string& data) {
  char digitos[8];
  if (!Apara(data).empty()) data.assign(Formata_Data(data, digitos));
}

bool Valida_Data(std::string_view data) {
  if (Apara(data).empty()) return false;
  auto dia = Converte_Inteiro(Trecho(data, 0, 2));
  auto mes = Converte_Inteiro(Trecho(data, 2, 2));
  auto ano = Converte_Inteiro(Trecho(data, 4, 4));
  if (!dia || !mes || !ano) return false;
  return existe(Data{*dia, *mes, *ano});
}

}  // namespace quillbook
