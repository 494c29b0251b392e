#include "pages/IntroPage.h"
#include "pages/IntroFormulas.h"
#include "pages/PageReading.h"

namespace {
constexpr QSizeF size(180.06, 138.31);
constexpr double indent = mmFromTwips(600); // paragraphs 1 to 8

// Each formula ends its line, right after the text; see IntroFormulas.
const QList<Paragraph> paragraphs{
    {indent, {3.6}, {{"PROGRAMMA: "}, {"Elica"}}}, // the credit follows the colon
    {indent, {8.5}, {}},
    {indent, {13.3}, {}},
    {indent, {26.7}, {{"ELICA + CHICCIOLA   "}}},
    {indent, {40.6}, {}},
    {indent, {45.6}, {{QStringLiteral(u"Ad ogni valore di ρ abbiamo ")}}},
    {indent, {54.1}, {{QStringLiteral(u"Il valore tra i due angoli è dato da   ")}}},
    {indent, {62.7}, {}},
    {0.0, {67.5}, {}},
    {0.0, {72.3}, {}},
    {0.0, {77.1}, {}},
    {0.0, {81.9}, {}},
    {0.0, {86.7}, {}},
    {0.0, {91.5}, {}},
    {0.0, {96.3}, {{"\t"}}, mmFromTwips(3765)},
};
}

const Page &introPage()
{
    static const Page page{size, readPage(paragraphs, introFormulas()), [](QPainter &painter) {
                               drawParagraphs(painter, paragraphs, size.width());
                               for (const Formula &formula : introFormulas())
                                   drawFormula(painter, formula);
                           }};
    return page;
}
