#pragma once
// The intro page: what the figure is, with its three defining formulas.

#include "pages/Page.h"

const Page &introPage();
