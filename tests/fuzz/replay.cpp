// Runs saved fuzz inputs through the fuzz target without a fuzzing engine,
// so that every ordinary build compiles the target and the test suite
// replays its corpus: each argument is a file or a folder of files.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, std::size_t tamanho);

namespace {

namespace fs = std::filesystem;

void repete(const fs::path& caminho) {
  std::ifstream arquivo(caminho, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(arquivo), std::istreambuf_iterator<char>()};
  LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

}  // namespace

int main(int argc, char** argv) {
  std::size_t repetidos = 0;
  for (int i = 1; i < argc; ++i) {
    std::vector<fs::path> arquivos;
    if (fs::is_directory(argv[i])) {
      for (const auto& entrada : fs::directory_iterator(argv[i]))
        if (entrada.is_regular_file()) arquivos.push_back(entrada.path());
      std::sort(arquivos.begin(), arquivos.end());
    } else {
      arquivos.emplace_back(argv[i]);
    }
    for (const auto& arquivo : arquivos) repete(arquivo);
    repetidos += arquivos.size();
  }
  std::cout << repetidos << " inputs replayed\n";
  // An empty corpus proves nothing: a wrong path must not pass for a test.
  return repetidos > 0 ? 0 : 1;
}
