#pragma once
// The three formulas of the intro page, each placed at the end of its line.

#include "pages/Formula.h"

const QList<Formula> &introFormulas();
