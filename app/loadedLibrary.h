#pragma once

#include <QLibrary>

// Inside a struct whose member `library` is a QLibrary declared before it: a
// member named after the library's C function, typed as its declaration and
// resolved at run time; null where the library or the function is missing.
#define LOADED_FUNCTION(name) decltype(&::name) name = reinterpret_cast<decltype(&::name)>(library.resolve(#name))
