#pragma once
// The parameter help page, about the two viewing angles.

#include "pages/Page.h"

const Page &helpPage();
