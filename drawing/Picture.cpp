#include "drawing/Picture.h"
#include "runtime/About.h"
#include "runtime/Surface.h"

#include <QPainter>
#include <cmath>
#include <vector>

QSize Picture::size(const Surface &surface)
{
    return surface.scale().clientSize().toSize().expandedTo(QSize(1, 1));
}

QImage Picture::image(const Surface &surface)
{
    const qreal dpr = surface.devicePixelRatio();
    const QSize logical = size(surface);
    const QRect device(0, 0, int(std::ceil(logical.width() * dpr)), int(std::ceil(logical.height() * dpr)));
    QImage picture;
    if (surface.image().isNull()) {
        picture = QImage(device.size(), QImage::Format_RGB32);
        picture.fill(surface.background());
    } else {
        picture = surface.image().copy(device);
    }
    picture.setDevicePixelRatio(dpr);
    picture.setText(QStringLiteral("Title"), title());
    picture.setText(QStringLiteral("Software"), maker());
    picture.setText(QStringLiteral("Description"), curves(surface));
    return picture;
}

void Picture::paint(QPainter &painter, const Surface &surface)
{
    const QRectF picture(QPointF(0, 0), size(surface));
    painter.fillRect(picture, surface.background());
    const PictureRecord &record = surface.record();
    std::vector<QLineF> lines;
    std::vector<QRectF> squares;
    for (const PictureRecord::Run &run : record.runs()) {
        const QColor colour = QColor::fromRgb(run.colour);
        if (run.kind == PictureRecord::Kind::Lines) {
            lines.clear();
            for (std::uint32_t i = run.first; i < run.first + run.count; i += 2)
                lines.emplace_back(record.point(i), record.point(i + 1));
            painter.setPen(QPen(colour, run.penWidth, Qt::SolidLine, Qt::SquareCap));
            painter.setBrush(Qt::NoBrush);
            painter.drawLines(lines.data(), int(lines.size()));
        } else {
            squares.clear();
            // Dots off the picture are left out: a PDF has no way to write a number as large
            // as some of their places.
            for (std::uint32_t i = run.first; i < run.first + run.count; ++i) {
                const QRectF square = PictureRecord::square(record.point(i), run.penWidth);
                if (square.intersects(picture))
                    squares.push_back(square);
            }
            painter.setPen(Qt::NoPen);
            painter.setBrush(colour);
            painter.drawRects(squares.data(), int(squares.size()));
        }
    }
}

QString Picture::title()
{
    return QStringLiteral("ELICA + CHICCIOLA");
}

QString Picture::maker()
{
    return About::name() + QLatin1Char(' ') + About::version();
}

QString Picture::curves(const Surface &surface)
{
    return surface.record().curves().join(QLatin1Char('\n'));
}
