#include "picture/Picture.h"
#include "picture/CurveCaption.h"
#include "picture/MachineForm.h"
#include "runtime/About.h"
#include "runtime/MarkRecord.h"

#include <QFont>
#include <QPainter>
#include <cmath>

std::vector<std::pair<QString, QString>> Picture::texts(const WordKeys &keys) const
{
    return {{QString::fromLatin1(keys.title), PictureWords::title()},
            {QString::fromLatin1(keys.maker), PictureWords::maker()},
            {QString::fromLatin1(keys.description), PictureWords::description(document)},
            {QString::fromLatin1(keys.form), QString::fromLatin1(MachineForm::write(document))}};
}

QImage Picture::shownImage() const
{
    if (!image.isNull())
        return image;
    QImage blank(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    blank.fill(background);
    return blank;
}

QImage Picture::imageWithWords(const WordKeys &keys) const
{
    QImage out = shownImage();
    for (const auto &[key, text] : texts(keys))
        out.setText(key, text);
    return out;
}

void Picture::paint(QPainter &painter) const
{
    const QRectF area(QPointF(0, 0), QSizeF(size));
    painter.fillRect(area, background);
    if (!underlay.isNull())
        painter.drawImage(area, underlay);
    if (marks) {
        std::vector<QLineF> lines;
        std::vector<QRectF> squares;
        for (const MarkRecord::Run &run : marks->runs()) {
            const QColor colour = QColor::fromRgb(run.colour);
            if (run.kind == MarkRecord::Kind::Lines) {
                lines.clear();
                for (std::uint32_t i = run.first; i < run.first + run.count; i += 2)
                    lines.emplace_back(marks->point(i), marks->point(i + 1));
                painter.setPen(QPen(colour, run.penWidth, Qt::SolidLine, Qt::SquareCap));
                painter.setBrush(Qt::NoBrush);
                painter.drawLines(lines.data(), int(lines.size()));
            } else {
                squares.clear();
                // Dots off the picture are left out: a PDF has no way to write a number as large
                // as some of their places.
                for (std::uint32_t i = run.first; i < run.first + run.count; ++i) {
                    const QRectF square = MarkRecord::square(marks->point(i), run.penWidth);
                    if (square.intersects(area))
                        squares.push_back(square);
                }
                painter.setPen(Qt::NoPen);
                painter.setBrush(colour);
                painter.drawRects(squares.data(), int(squares.size()));
            }
        }
    }
    for (const PictureFill &fill : fills)
        painter.fillRect(fill.rect, QColor::fromRgba(fill.colour));
    for (const PictureLabel &label : labels) {
        QFont font(PictureWords::labelFamily());
        font.setPixelSize(std::max(1, int(std::lround(label.pixelSize))));
        painter.setFont(font);
        painter.setPen(QColor::fromRgb(label.colour));
        painter.drawText(label.baseline, label.text);
    }
}

QString PictureWords::title()
{
    return QStringLiteral("ELICA + CHICCIOLA");
}

QString PictureWords::maker()
{
    return About::name() + QLatin1Char(' ') + About::version();
}

QString PictureWords::description(const PictureDocument &document)
{
    QStringList lines = CurveCaption::captions(document.curves);
    if (document.view) {
        QString view = CurveCaption::viewWords(*document.view);
        if (document.look != ViewLook::dots || document.section)
            view += QStringLiteral("; ") + ViewLooks::spoken(document.look, document.section);
        lines << view;
    }
    return lines.join(QLatin1Char('\n'));
}

QString PictureWords::labelFamily()
{
    return QStringLiteral("Liberation Sans");
}
