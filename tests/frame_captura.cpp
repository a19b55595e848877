#include "frame/captura.h"

#include <vector>

#include "frame/geracao.h"
#include "tests/ajuda.h"

namespace quillbook::teste {
namespace {

const std::string Corte = "Rótulo: \tQuantidade de caracteres maior que o permitido - Permitido: ";

struct Captura {
  std::string campo;
  Lista log, obs;
};

Captura captura(bool numero, std::string campo, int maximo) {
  Esvazia_Listas();
  if (numero)
    Captura_Numero(campo, static_cast<uint8_t>(maximo), "Rótulo: ");
  else
    Captura_Texto(campo, maximo, "Rótulo: ");
  return {campo, Estado().Lista_Log, Estado().Lista_Observacoes};
}

// The capture of a host's text into `campo`, as a number or as a text,
// under the caption "Rótulo:" laid out to 8 columns.
void captura_do_host(bool numero, std::string& campo, const std::string& entrada, int maximo) {
  if (numero)
    Captura_Numero(campo, entrada, static_cast<uint8_t>(maximo), "Rótulo:", 8);
  else
    Captura_Texto(campo, entrada, maximo, "Rótulo:", 8);
}

TEST(Captura, FiltraCortaELogaCadaCampo) {
  struct Caso {
    bool numero;
    std::string entrada;
    int maximo;
    std::string campo;
    std::string obs;
  };
  const Caso casos[] = {
      {false, "  Rua A|B", 5, "Rua A|", Corte + "5; Passados: 6"},
      {false, "   ", 10, "|", ""},
      {false, "ABC  ", 5, "ABC  |", ""},
      {false, "ABC  ", 4, "ABC |", Corte + "4; Passados: 5"},
      {false, "\x01\t A\tB|C!\r\n", 3, "ABC|", ""},
      {false, "ação\x7F", 5, "ação\x7F|", ""},
      {true, "-12.345,67", 255, "12345,67|", ""},
      {true, " R$ 10", 8, "10|", ""},
      {true, "À1", 8, "1|", ""},
      {true, "abc", 8, "|", ""},
      {true, "123456789", 8, "12345678|", Corte + "8; Passados: 9"},
  };
  for (const auto& caso : casos) {
    Captura c = captura(caso.numero, caso.entrada, caso.maximo);
    EXPECT_EQ(c.campo, caso.campo) << caso.entrada;
    EXPECT_EQ(c.log, Lista{"\tRótulo: \t" + caso.entrada + " -> " + caso.campo});
    EXPECT_EQ(c.obs, caso.obs.empty() ? Lista{} : Lista{caso.obs});
  }
  for (bool numero : {false, true}) {  // a maximum of 0 drops the field whole
    Captura c = captura(numero, "123", 0);
    EXPECT_EQ(c.campo, "");
    EXPECT_TRUE(c.log.empty() && c.obs.empty());
  }
}

// The record road captures without the log line and builds it only for a
// record that goes to "erro.txt": both must come to the same bytes.
TEST(Captura, SemLogIgualAoCompletoComALinhaConstruidaDepois) {
  const std::string entradas[] = {
      "", "   ", "  Rua A|B", "ABC  ", "\x01\t A\tB|C!\r\n", "-12.345,67", "31/12/2009", std::string(300, 'z') + "9"};
  for (bool numero : {false, true}) {
    for (const std::string& entrada : entradas) {
      for (int maximo : {0, 1, 4, 5, 255}) {
        Captura completa = captura(numero, entrada, maximo);
        Esvazia_Listas();
        std::string campo;
        captura_do_host(numero, campo, entrada, maximo);
        EXPECT_EQ(campo, completa.campo) << entrada << " " << maximo;
        EXPECT_EQ(Estado().Lista_Observacoes, completa.obs) << entrada << " " << maximo;
        EXPECT_TRUE(Estado().Lista_Log.empty());
        const Lista log = maximo == 0 ? Lista{} : Lista{Linha_Log("Rótulo:", 8, entrada, campo)};
        EXPECT_EQ(log, completa.log);
      }
    }
  }
  // A caption as long as its width, or longer, is used as it is.
  EXPECT_EQ(Linha_Log("Rótulo:", 3, "a", "a|"), "\tRótulo:\ta -> a|");
  Esvazia_Listas();
}

// The record road's capture of a host's text, put together from its
// pieces where each field is captured, against the full capture: the same
// bytes and the same observation, for runs that end before, at and after
// each block of eight bytes and at the maximum, and for texts cut there.
TEST(Captura, DiretaIgualACompletaEmTodaForma) {
  const std::string recheios[] = {"", "7", "1.250,00", "Rua A", "  lead", "!|x", "a\tb", "é,9"};
  std::vector<std::string> entradas;
  for (const std::string& recheio : recheios) {
    for (std::size_t antes : {0, 1, 7, 8, 9, 15, 16, 17, 40, 254, 255, 256, 300}) {
      entradas.push_back(std::string(antes, '5') + recheio);
      entradas.push_back(recheio + std::string(antes, '5'));
    }
  }
  for (bool numero : {false, true}) {
    for (const std::string& entrada : entradas) {
      for (int maximo : {1, 2, 7, 8, 9, 16, 17, 60, 255}) {
        Esvazia_Listas();
        std::string completa;
        captura_do_host(numero, completa, entrada, maximo);
        const Lista obs_completa = Estado().Lista_Observacoes;
        Esvazia_Listas();
        std::string direta(static_cast<std::size_t>(maximo) + 1, '#');
        const auto* bytes = Bytes_Do_Host(entrada.c_str());
        const std::size_t escritos =
            numero ? Captura_Direta<Classe_Numerica>(direta.data(), bytes, maximo, "Rótulo:", 8)
                   : Captura_Direta<Classe_Permitida>(direta.data(), Sem_Brancos_Iniciais(bytes), maximo, "Rótulo:", 8);
        direta.resize(escritos);
        EXPECT_EQ(direta, completa) << numero << " '" << entrada << "' " << maximo;
        EXPECT_EQ(Estado().Lista_Observacoes, obs_completa) << numero << " '" << entrada << "' " << maximo;
      }
    }
  }
  Esvazia_Listas();
}

TEST(Captura, CampoDeUmMebibyte) {
  Captura c = captura(false, std::string(1 << 20, 'x') + "|!", 255);
  EXPECT_EQ(c.campo, std::string(255, 'x') + "|");
  EXPECT_EQ(c.obs, Lista{Corte + "255; Passados: 1048576"});
  EXPECT_EQ(Somente_Numeros(std::string(1 << 20, '7')).size(), 1u << 20);
}

TEST(Captura, CadaByteNosFiltros) {
  std::string todos, permitidos;
  for (int c = 0; c < 256; ++c) {
    todos += static_cast<char>(c);
    if (c >= 32 && c != '!' && c != '|') permitidos += static_cast<char>(c);
  }
  EXPECT_EQ(Remove_Especiais(todos), permitidos);
  EXPECT_EQ(Somente_Numeros(todos), ",0123456789");
  Captura c = captura(false, todos, 255);
  EXPECT_EQ(c.campo, permitidos.substr(1) + "|");  // the leading blank is trimmed
  EXPECT_EQ(c.obs, Lista{});
  EXPECT_EQ(captura(true, todos, 255).campo, ",0123456789|");
}

}  // namespace
}  // namespace quillbook::teste
