#include "keeping/PicturePrint.h"
#include "picture/Picture.h"

#include <QPainter>
#include <QPrinter>
#include <algorithm>

void PicturePrint::prepare(QPrinter &printer, const Picture &picture)
{
    printer.setPageOrientation(picture.size.width() > picture.size.height() ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer.setDocName(PictureWords::title());
    printer.setCreator(PictureWords::maker());
}

bool PicturePrint::print(QPrinter &printer, const Picture &picture)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QSizeF size = picture.size;
    const QSizeF area(printer.width(), printer.height());
    const double scale = std::min(area.width() / size.width(), area.height() / size.height());
    painter.translate((area.width() - size.width() * scale) / 2, (area.height() - size.height() * scale) / 2);
    painter.scale(scale, scale);
    picture.paint(painter);
    return painter.end();
}
