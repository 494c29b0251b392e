#pragma once
// The parameter help page, about the two viewing angles.

#include "docs/Page.h"

const Page &helpPage();
