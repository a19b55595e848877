// The one edge every export goes through: no C++ exception may cross into
// the host, so any that escapes becomes the export's failure result.
#pragma once

#include <type_traits>
#include <utility>

namespace quillbook {

template <class Corpo>
std::invoke_result_t<Corpo> Na_Borda(std::type_identity_t<std::invoke_result_t<Corpo>> falha, Corpo&& corpo) noexcept {
  try {
    return std::forward<Corpo>(corpo)();
  } catch (...) {
    return falha;
  }
}

template <class Corpo>
void Na_Borda(Corpo&& corpo) noexcept {
  try {
    std::forward<Corpo>(corpo)();
  } catch (...) {
  }
}

}  // namespace quillbook
