#include "frame/datas.h"
#include "platform/relogio.h"
#include "tests/ajuda.h"

namespace quillbook::teste {
namespace {

// The year that a one- or two-digit year stands for: the first one, from
// fifty years ago on, that ends in those digits.
std::string janela(int curto) {
  int inicio = platform::Ano_Corrente() - 50;
  return std::to_string(inicio + ((curto - inicio) % 100 + 100) % 100);
}

std::string formata(std::string data) {
  Formata_Data(data);
  return data;
}

TEST(Datas, FormataDataBrasileira) {
  Regional_Local brasil;
  const int ano = platform::Ano_Corrente();
  struct Caso {
    std::string texto, data;
  };
  const Caso casos[] = {
      {"31/12/2009", "31122009"},
      {"1/2/09", "0102" + janela(9)},
      {"1/1/" + std::to_string((ano - 50) % 100), "0101" + std::to_string(ano - 50)},
      {"1/1/" + std::to_string((ano - 51) % 100), "0101" + std::to_string(ano + 49)},
      {"1/1/100", "01010100"},
      {"  1/2/2009 10:30  ", "01022009"},
      {"1/2/2009 10:30:15", "01022009"},
      {"1/2/2009 10 pm", "01022009"},
      {"31/12/2009/", "31122009"},
      {"31/12", "3112" + std::to_string(ano)},
      {"29/02/2008", "29022008"},
      {"10:30", "30121899"},
      {"   ", "   "},
  };
  for (const auto& [texto, data] : casos) EXPECT_EQ(formata(texto), data) << texto;
  for (const char* texto :
       {"31122009", "31/02/2009", "29/02/1900", "31-12-2009", "1/1/0000", "31/12/20091", "31/12/2009 25:00",
        "31/12/2009 10:60", "31/12/2009 13:00 PM", "31/12/2009 abc", "31", "abc"})
    EXPECT_EQ(formata(texto), "") << texto;
}

TEST(Datas, FormataDataNaOrdemRegional) {
  platform::Configuracao_Regional americana, iso;
  americana.ordem = platform::Ordem_Data::MDA, americana.texto_am = "AM", americana.texto_pm = "PM";
  iso.ordem = platform::Ordem_Data::AMD, iso.separador_data = '-', iso.separador_hora = '.';
  const std::string atual = std::to_string(platform::Ano_Corrente());
  struct Caso {
    const platform::Configuracao_Regional& regional;
    const char* texto;
    std::string data;
  };
  const Caso casos[] = {
      {americana, "12/31/2009", "31122009"},
      {americana, "2/1/09 11:59 PM", "0102" + janela(9)},
      {americana, "12/31", "3112" + atual},
      {americana, "31/12/2009", ""},
      {iso, "2009-12-31 23.59", "31122009"},
      {iso, "12-31", "3112" + atual},
      {iso, "31/12/2009", ""},
      {iso, "23.59.59", "30121899"},
  };
  for (const auto& [regional, texto, data] : casos) {
    Regional_Local local(regional);
    EXPECT_EQ(formata(texto), data) << texto;
  }
}

// The time of day after a date or on its own, and the digits of a year,
// read alike whichever of day and month comes first.
TEST(Datas, HoraEAnoNasDuasOrdens) {
  platform::Configuracao_Regional brasileira, americana;
  americana.ordem = platform::Ordem_Data::MDA, americana.texto_am = "AM", americana.texto_pm = "PM";
  const std::string atual = std::to_string(platform::Ano_Corrente());
  struct Caso {
    const char *dma, *mda;
    std::string data;
  };
  const Caso casos[] = {
      // An hour alone is a time of day: after the date, after its final
      // separator, or with no date at all.
      {"1/1/1/1", "1/1/1/1", "0101" + janela(1)},
      {"31/12/2009 10", "12/31/2009 10", "31122009"},
      {"31/12/2009 0", "12/31/2009 0", "31122009"},
      {"31/12/2009/23 ", "12/31/2009/23 ", "31122009"},
      {"31/12 7", "12/31 7", "3112" + atual},
      {"31/12/ 7", "12/31/ 7", "3112" + atual},
      {"10", "10", "30121899"},
      {" 0 ", " 0 ", "30121899"},
      {"24", "24", ""},
      // Digits alone, three or more of them, are a date without
      // separators, whatever their value, and no hour.
      {"00000000", "00000000", ""},
      {"00000023", "00000023", ""},
      {"  000000 ", "  000000 ", ""},
      {"000", "000", ""},
      {"31122009", "12312009", ""},
      {"311209", "123109", ""},
      {"023", "023", ""},
      {"31/12/2009 24", "12/31/2009 24", ""},
      {"31/12/2009 10 11", "12/31/2009 10 11", ""},
      {"31/12/2009 10/", "12/31/2009 10/", ""},
      // Hour, minutes and seconds, like day and month, are read as their
      // values: only their ranges limit them.
      {"31/12/2009 010", "12/31/2009 010", "31122009"},
      {"31/12/2009 00010:00030:00059", "12/31/2009 00010:00030:00059", "31122009"},
      {"31/12/2009 011:059 PM", "12/31/2009 011:059 PM", "31122009"},
      {"0023:0059", "0023:0059", "30121899"},
      {"31/12/2009 024", "12/31/2009 024", ""},
      {"31/12/2009 10:30:0060", "12/31/2009 10:30:0060", ""},
      {"31/12/2009 99999999999:30", "12/31/2009 99999999999:30", ""},
      // Before AM or PM the hour is 1 to 12.
      {"31/12/2009 12 AM", "12/31/2009 12 AM", "31122009"},
      {"31/12/2009 1pm", "12/31/2009 1pm", "31122009"},
      {"31/12/2009 0 AM", "12/31/2009 0 AM", ""},
      {"31/12/2009 13 PM", "12/31/2009 13 PM", ""},
      {"0:30 AM", "0:30 AM", ""},
      {"12:30 am", "12:30 am", "30121899"},
      // A year of three or more digits is the year as written, up to 9999.
      {"1/2/100", "2/1/100", "01020100"},
      {"1/2/0009", "2/1/0009", "01020009"},
      {"1/2/9999", "2/1/9999", "01029999"},
      {"1/2/02009", "2/1/02009", "01022009"},
      {"1/2/00000002009", "2/1/00000002009", "01022009"},
      {"1/2/10000", "2/1/10000", ""},
      {"1/2/99999999999", "2/1/99999999999", ""},
      // Day and month are read as their values, whatever their digits;
      // only the calendar limits them, also with no year written.
      {"001/002/09", "002/001/09", "0102" + janela(9)},
      {"0031/12/2009", "12/0031/2009", "31122009"},
      {"31/00000012", "00000012/31", "3112" + atual},
      {"032/12/2009", "12/032/2009", ""},
      {"31/013/2009", "013/31/2009", ""},
      {"1/99999999999/2009", "99999999999/1/2009", ""},
      // Blanks inside the date still break it.
      {"31/ 12/2009", "12/ 31/2009", ""},
      {"31 /12/2009", "12 /31/2009", ""},
      {"1/2/ 2009", "2/1/ 2009", ""},
  };
  for (const auto& [dma, mda, data] : casos) {
    {
      Regional_Local local(brasileira);
      EXPECT_EQ(formata(dma), data) << dma;
    }
    Regional_Local local(americana);
    EXPECT_EQ(formata(mda), data) << mda;
  }
}

// The usual shape, read in one pass, against the full reading: the same
// text behind a blank, which only the full reading takes, must come to the
// same date, in each order of the settings, for numbers of one to eleven
// digits, leading zeros, dates the calendar refuses and years of every
// length.
TEST(Datas, FormaUsualIgualALeituraCompleta) {
  platform::Configuracao_Regional brasileira, americana, iso;
  americana.ordem = platform::Ordem_Data::MDA;
  iso.ordem = platform::Ordem_Data::AMD, iso.separador_data = '-';
  const char* const numeros[] = {"0",    "1",    "01",   "001",  "0001",  "00001", "2",     "02",         "9",   "09",
                                 "12",   "13",   "28",   "29",   "30",    "31",    "032",   "99",         "100", "1899",
                                 "1900", "2000", "2008", "2009", "02009", "9999",  "10000", "99999999999"};
  for (const auto* regional : {&brasileira, &americana, &iso}) {
    Regional_Local local(*regional);
    const std::string s(1, regional->separador_data);
    for (const char* a : numeros) {
      for (const char* b : numeros) {
        for (const char* c : numeros) {
          const std::string texto = std::string(a) + s + b + s + c;
          ASSERT_EQ(formata(texto), formata(" " + texto)) << texto;
        }
        for (const std::string& texto : {std::string(a) + s + b, std::string(a) + s + b + s, std::string(a) + b})
          ASSERT_EQ(formata(texto), formata(" " + texto)) << texto;
      }
    }
  }
}

TEST(Datas, ValidaData) {
  for (const char* data : {"31122009|", "29022008|", "29022000", "01010001", "311220"})
    EXPECT_TRUE(Valida_Data(data)) << data;
  for (const char* data : {"29022009|", "29021900|", "00122009|", "31002009|", "31132009|", "01010000|", "3112200|",
                           "|", "", "   ", "-1122009", "ab122009"})
    EXPECT_FALSE(Valida_Data(data)) << data;
}

}  // namespace
}  // namespace quillbook::teste
