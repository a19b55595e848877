#include "tests/registros_ajuda.h"

#include "exports/quillbook.h"

namespace quillbook::teste {

std::string linhas(std::initializer_list<std::string> conteudo) {
  std::string resultado;
  for (const auto& linha : conteudo) resultado += linha + "\r\n";
  return resultado;
}

std::string log_campo(const std::string& rotulo, std::size_t largura, const std::string& passado,
                      const std::string& capturado) {
  std::string padded = rotulo;
  if (padded.size() < largura) padded.resize(largura, ' ');
  return "\t" + padded + "\t" + passado + " -> " + capturado;
}

std::string erros(const Chamada& chamada) {
  const std::size_t inicio = chamada.erro.find("\tErro(s) do Registro:\r\n");
  if (inicio == std::string::npos) return {};
  const std::size_t fim = chamada.erro.find("\r\n\r\n", inicio);
  return chamada.erro.substr(inicio, fim == std::string::npos ? std::string::npos : fim + 2 - inicio);
}

Chamada Registros_Teste::chama(const std::function<int32_t()>& registro) const {
  const std::size_t sped = le("sped.txt").size();
  const std::size_t erro = le("erro.txt").size();
  const int32_t resultado = registro();
  return {resultado, le("sped.txt").substr(sped), le("erro.txt").substr(erro)};
}

void Registros_Teste::abre_arquivo() const {
  ASSERT_EQ(Registro0000("002", "0", "01/11/2026", "30/11/2026", "Empresa", "11222333000181", "", "SP", "", "3550308",
                         "", "", "A", "1"),
            0);
  ASSERT_EQ(Registro0001("0"), 0);
}

}  // namespace quillbook::teste
