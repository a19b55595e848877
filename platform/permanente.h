// State of the library that an export may touch, kept for the life of the
// process. A static object is destroyed at exit in the reverse order of its
// construction, among the host's own exit handlers: one built after the
// host registered a handler that calls Finaliza_SPED would be gone when
// that handler runs. So every such piece of state is built in place and
// never destroyed, and holds no memory of the heap once a generation is
// closed (Finaliza_SPED gives it back), so that a library unloaded and
// loaded again loses nothing.
#pragma once

#include <new>
#include <utility>

namespace quillbook::platform {

template <class T>
class Permanente {
 public:
  template <class... Argumentos>
  explicit Permanente(Argumentos&&... argumentos) {
    ::new (static_cast<void*>(bytes_)) T(std::forward<Argumentos>(argumentos)...);
  }
  Permanente(const Permanente&) = delete;
  Permanente& operator=(const Permanente&) = delete;

  T& operator*() { return *std::launder(reinterpret_cast<T*>(bytes_)); }
  T* operator->() { return &**this; }

 private:
  // No destructor of T is ever called: the holder's own is trivial, so
  // nothing is registered to run at exit.
  alignas(T) unsigned char bytes_[sizeof(T)];
};

}  // namespace quillbook::platform
