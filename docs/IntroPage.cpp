#include "docs/IntroPage.h"

const Page &introPage()
{
    static const Page page{QSizeF(180.06, 138.31), [](QPainter &) {}};
    return page;
}
