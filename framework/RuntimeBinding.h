// System libraries the program binds at run time, when first needed, rather
// than importing them and paying for their load at every start.
#pragma once

#include "framework/Win32.h"

// The function `name` of a loaded module, or nullptr when the module or the
// function is missing. The cast goes through the generic function type, which
// every function pointer converts to and from.
template <typename Proc>
Proc ProcAddress(HMODULE module, const char* name) {
    return module != nullptr
               ? reinterpret_cast<Proc>(reinterpret_cast<void (*)()>(::GetProcAddress(module, name)))
               : nullptr;
}
