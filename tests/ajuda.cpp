#include "tests/ajuda.h"

#include <fstream>
#include <iterator>

#include "exports/quillbook.h"
#include "platform/arquivos.h"
#include "platform/mensagem.h"
#include "tests/ajuda_sistema.h"

namespace quillbook::teste {

void grava(const fs::path& caminho, std::string_view conteudo) { std::ofstream(caminho, std::ios::binary) << conteudo; }

std::string le_arquivo(const fs::path& caminho) {
  std::ifstream arquivo(caminho, std::ios::binary);
  return {std::istreambuf_iterator<char>(arquivo), std::istreambuf_iterator<char>()};
}

void Diretorios_Teste::SetUp() {
  raiz = cria_diretorio_temporario();
  ASSERT_FALSE(raiz.empty());
  saida = raiz / "saida";
  entrada = raiz / "entrada";
  fs::create_directory(saida);
  fs::create_directory(entrada);
  cria_tabelas();
  platform::Define_Observador_Mensagens([this](std::string_view texto) { mensagens.emplace_back(texto); });
}

void Diretorios_Teste::cria_tabelas() const {
  grava(entrada / "cfop.res", "CFOP\r\n5102 Venda\r\n1102 Compra\r\n");
  grava(entrada / "municipio.res", "MUNICIPIO\r\n3550308 Sao Paulo\r\n3304557 Rio de Janeiro\r\n");
  grava(entrada / "ncm.res", "NCM\r\n22030000 Cerveja\r\n");
  grava(entrada / "pais.res", "PAIS\r\n1058 Brasil\r\n0132 Afeganistao\r\n");
}

void Diretorios_Teste::TearDown() {
  Finaliza_SPED();
  platform::Desarma_Falhas();
  platform::Define_Observador_Mensagens({});
  for (const auto& caminho : protegidos) libera(caminho);
  std::error_code erro;
  fs::remove_all(raiz, erro);
}

int Diretorios_Teste::inicia() const { return Inicia_SPED(saida.string().c_str(), entrada.string().c_str()); }

bool Diretorios_Teste::protege(const fs::path& caminho) {
  protegidos.push_back(caminho);
  return protege_arquivo(caminho, true);
}

void Diretorios_Teste::libera(const fs::path& caminho) { protege_arquivo(caminho, false); }

void Geracao_Teste::SetUp() {
  Diretorios_Teste::SetUp();
  ASSERT_EQ(inicia(), 0);
}

}  // namespace quillbook::teste
