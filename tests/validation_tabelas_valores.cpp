#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "exports/quillbook.h"

namespace {

using Validador = uint8_t(QB_CALL*)(const char*);

struct Lista {
  const char* nome;
  Validador testa;
  std::vector<std::string> codigos;
};

#define LISTA(nome, ...)         \
  Lista {                        \
#    nome, nome, { __VA_ARGS__ } \
  }

const Lista Listas[] = {
    LISTA(vCod_Leiaute, "001", "002"),
    LISTA(vInd_tipo_titulo_credito, "00", "01", "02", "03", "99"),
    LISTA(vCod_classific_item_4_4_2, "00", "01", "02", "03", "04", "18", "19", "20", "21", "22", "23", "24", "25", "39",
          "40", "41", "59"),
    LISTA(vCod_modelo_documento_fiscal_4_1_1, "01", "1B", "02", "2D", "2E", "04", "06", "07", "08", "8B", "09", "10",
          "11", "13", "14", "15", "17", "16", "18", "19", "20", "21", "22", "23", "24", "25", "26", "27", "28", "29",
          "30", "55"),
    LISTA(vUF, "MG", "SP", "RJ", "AL", "AM", "BA", "DF", "MS", "MT", "TO", "AC", "MA", "RO", "RR", "PE", "RS", "PA",
          "PB", "CE", "GO", "SC", "ES", "AP", "PI", "RN", "SE", "PR", "EX"),
    LISTA(vTIPO_ITEM, "00", "01", "02", "03", "04", "05", "06", "07", "08", "09", "10", "99"),
    LISTA(vTP_CHC, "01", "02", "03", "04", "06", "07", "08", "09", "10", "11", "12", "13", "14", "16", "17", "18", "19",
          "20", "91", "92", "93", "99"),
};

bool Consta(const Lista& lista, const std::string& codigo) {
  for (const auto& c : lista.codigos) {
    if (c == codigo) return true;
  }
  return false;
}

// Every code of the list with its "|" is valid; every other code of the
// same form (three digits for the layout, two characters for the rest)
// is not.
TEST(TabelasValores, AceitamExatamenteSuasListas) {
  const std::string alfabeto = "0123456789ABDEXZ";
  for (const Lista& lista : Listas) {
    std::vector<std::string> candidatos;
    for (char a : alfabeto) {
      for (char b : alfabeto)
        candidatos.push_back(lista.codigos[0].size() == 3 ? std::string{'0', a, b} : std::string{a, b});
    }
    for (const auto& uf : lista.codigos) candidatos.push_back(uf);
    for (const auto& codigo : candidatos) {
      EXPECT_EQ(lista.testa((codigo + "|").c_str()), Consta(lista, codigo) ? 1 : 0) << lista.nome << " " << codigo;
    }
  }
}

// Every text of one to three bytes, with and without its "|", against a
// plain walk through each list of two-byte codes: every code and every
// near miss (a case, a byte or a length away) is answered as the list says.
TEST(TabelasValores, TabelaDeDoisBytesIgualAListaEmTodoPar) {
  for (const Lista& lista : Listas) {
    if (lista.codigos[0].size() != 2) continue;
    for (int a = 1; a < 256; ++a) {
      for (int b = 1; b < 256; ++b) {
        const std::string codigo{static_cast<char>(a), static_cast<char>(b)};
        const bool consta = Consta(lista, codigo);
        // Only the two-byte readings can tell the pair; the others see
        // "|" or the pair's bytes around it.
        if (lista.testa == vCod_modelo_documento_fiscal_4_1_1) {
          ASSERT_EQ(lista.testa((codigo + "|").c_str()), consta ? 1 : 0) << lista.nome << " " << a << " " << b;
          ASSERT_EQ(lista.testa((codigo + "x").c_str()), consta ? 1 : 0) << lista.nome << " " << a << " " << b;
        } else if (lista.testa == vInd_tipo_titulo_credito || lista.testa == vCod_classific_item_4_4_2) {
          ASSERT_EQ(lista.testa((codigo + "|").c_str()), consta ? 1 : 0) << lista.nome << " " << a << " " << b;
          ASSERT_EQ(lista.testa(codigo.c_str()), b == '|' ? 0 : consta ? 1 : 0) << lista.nome << " " << a << " " << b;
        }
      }
    }
    for (const std::string& codigo : lista.codigos) {
      EXPECT_EQ(lista.testa((codigo.substr(0, 1) + "|").c_str()), 0) << lista.nome << " " << codigo;
      // Only the readings of the first two bytes or digits take a longer value.
      const bool dois_primeiros = lista.testa == vCod_modelo_documento_fiscal_4_1_1 || lista.testa == vTIPO_ITEM;
      EXPECT_EQ(lista.testa((codigo + "0|").c_str()), dois_primeiros ? 1 : 0) << lista.nome << " " << codigo;
    }
  }
}

TEST(TabelasValores, ValorVazioNuncaValido) {
  const std::string grande(1 << 20, ' ');
  for (const Lista& lista : Listas) {
    for (const char* valor : {static_cast<const char*>(nullptr), "", "|", "  |", "\t\x01", grande.c_str()})
      EXPECT_EQ(lista.testa(valor), 0) << lista.nome;
  }
}

struct Caso {
  Validador testa;
  std::string valor;
  uint8_t esperado;
};

// Each list's own reading of the value.
TEST(TabelasValores, BordasDeCadaLeitura) {
  const Caso casos[] = {
      {vCod_Leiaute, "001", 1},
      {vCod_Leiaute, "1|", 0},
      {vCod_Leiaute, " 001|", 0},
      {vCod_Leiaute, "001 |", 0},
      {vCod_Leiaute, "001||", 0},
      {vInd_tipo_titulo_credito, "9|", 0},
      {vInd_tipo_titulo_credito, "99", 1},
      {vCod_classific_item_4_4_2, "0101|", 0},
      {vCod_modelo_documento_fiscal_4_1_1, "55", 1},
      {vCod_modelo_documento_fiscal_4_1_1, "55xyz", 1},
      {vCod_modelo_documento_fiscal_4_1_1, "1b|", 0},
      {vCod_modelo_documento_fiscal_4_1_1, "5|", 0},
      {vCod_modelo_documento_fiscal_4_1_1, " 55|", 0},
      {vCod_modelo_documento_fiscal_4_1_1, "55" + std::string(1 << 20, '9'), 1},
      {vUF, "df|", 1},
      {vUF, "SP", 1},
      {vUF, " Sp ", 1},
      {vUF, "\x01s!p|\x02", 1},
      {vUF, "S P|", 0},
      {vUF, "sé|", 0},
      {vUF, std::string(1 << 20, ' ') + "rj|" + std::string(100, ' '), 1},
      {vTIPO_ITEM, "001", 1},
      {vTIPO_ITEM, "1|", 0},
      {vTIPO_ITEM, "x9a9|", 1},
      {vTIPO_ITEM, "0,1|", 0},
      {vTIPO_ITEM, "10" + std::string(1 << 20, '7'), 1},
      {vTP_CHC, "011|", 0},
      {vTP_CHC, "1|", 0},
      {vTP_CHC, "-9-1-|", 1},
      {vTP_CHC, "91" + std::string(1 << 20, '0'), 0},
  };
  for (const Caso& caso : casos) EXPECT_EQ(caso.testa(caso.valor.c_str()), caso.esperado) << caso.valor.substr(0, 20);
}

}  // namespace
