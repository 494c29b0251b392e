#include "runtime/ProgramIcon.h"

#include <QImageReader>
#include <QPixmap>

// Read by the built-in PNG reader alone: left to find its format, the reader would load every
// image plugin (SVG, JPEG, ...) before the first frame.
QIcon programIcon()
{
    QImageReader reader(QStringLiteral(":/elica.png"), "png");
    reader.setAutoDetectImageFormat(false);
    return QIcon(QPixmap::fromImage(reader.read()));
}
