#pragma once
// The program's icon, for the windows that show it.

#include <QIcon>

QIcon programIcon();
