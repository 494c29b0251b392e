#pragma once
// The program's own modules: parts kept apart because the libraries they link would cost every
// start time and memory. Each is found beside the program (as it is built) or where the package
// installs it, and loaded the first time it is needed; it stays loaded until the program ends.

#include <QFunctionPointer>

namespace PrivateModule {
// The function the module exports under that name, or null when the module cannot be loaded.
QFunctionPointer resolve(const char *fileName, const char *symbol);
}
