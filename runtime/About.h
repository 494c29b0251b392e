#pragma once
// The program's name and version, as its files, window titles and command line give them.

#include <QString>

namespace About {
inline QString name() { return QStringLiteral("Elica"); }
inline QString version() { return QStringLiteral(ELICA_VERSION); }
}
