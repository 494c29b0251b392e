#include "drawing/PicturePrint.h"
#include "drawing/Picture.h"
#include "runtime/Surface.h"

#include <QPainter>
#include <QPrinter>
#include <algorithm>

void PicturePrint::prepare(QPrinter &printer, const Surface &surface)
{
    const QSize size = Picture::size(surface);
    printer.setPageOrientation(size.width() > size.height() ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer.setDocName(Picture::title());
    printer.setCreator(Picture::maker());
}

bool PicturePrint::print(QPrinter &printer, const Surface &surface)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QSizeF size = Picture::size(surface);
    const QSizeF area(printer.width(), printer.height());
    const double scale = std::min(area.width() / size.width(), area.height() / size.height());
    painter.translate((area.width() - size.width() * scale) / 2, (area.height() - size.height() * scale) / 2);
    painter.scale(scale, scale);
    Picture::paint(painter, surface);
    return painter.end();
}
