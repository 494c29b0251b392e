#include "docs/HelpPage.h"

const Page &helpPage()
{
    static const Page page{QSizeF(176.09, 48.95), [](QPainter &) {}};
    return page;
}
