#pragma once
// The folder the file dialogs open in: the one of the last file saved or opened while it still
// exists; at first the user's pictures folder, or home if there is none.

#include <QString>

namespace LastFolder {
QString get();
void rememberOf(const QString &path);
}
