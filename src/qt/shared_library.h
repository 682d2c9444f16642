// A system library opened when it is first needed rather than at start-up,
// its functions looked up by name with the types its own header gives them.
#pragma once

#include <dlfcn.h>

namespace qtview {

class SharedLibrary {
 public:
  // Never closed: the speech engine must not be unloaded and started again.
  explicit SharedLibrary(const char* soname) : handle_(dlopen(soname, RTLD_NOW | RTLD_LOCAL)) {}

  // Sets `function` to the library's function of that name; false when the
  // library or the function is missing.
  template <class F>
  bool bind(F& function, const char* name) const {
    function = handle_ ? reinterpret_cast<F>(dlsym(handle_, name)) : nullptr;
    return function != nullptr;
  }

 private:
  void* handle_;
};

}  // namespace qtview
