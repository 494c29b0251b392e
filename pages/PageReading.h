#pragma once
// A page as a screen reader reads it, from the same tables that lay it out:
// one line for each paragraph that shows something, its words as written,
// followed by the formulas that stand on its lines in their linear form.

#include "pages/Formula.h"
#include "pages/Paragraphs.h"

QString readPage(const QList<Paragraph> &paragraphs, const QList<Formula> &formulas = {});
