#include "pages/HelpPage.h"
#include "pages/PageReading.h"

namespace {
constexpr QSizeF size(176.09, 48.95);
const Style redCapitals{.color = QColor(255, 0, 0), .capitals = true};

const QList<Paragraph> paragraphs{
    // Two lines, the first up to "movimento"; no blank after "figura:".
    {0.0, {3.6, 8.5},
     {{"I valori PROSPETTICI ASSONOMETRICI sono quelli che danno movimento alla figura:"
       "sono fissi e normalmente non si variano."}}},
    {0.0, {13.3}, {{QStringLiteral(u"Essi sono nell’ordine dall’alto: 45-45.")}}},
    {0.0, {18.0}, {{"Tuttavia possono essere variati per migliorare la prospettiva."}}},
    {0.0, {22.9}, {{"Provare con "}, {"valori delle costanti", redCapitals}, {" indicati."}}},
    {0.0, {27.6}, {{QStringLiteral(u"La longitudine è la larghezza.  La latitudine è l’ altezza ")}}},
    {mmFromTwips(180), {32.4}, {}},
};
}

const Page &helpPage()
{
    static const Page page{size, readPage(paragraphs),
                           [](QPainter &painter) { drawParagraphs(painter, paragraphs, size.width()); }};
    return page;
}
