#include "runtime/Surface.h"
#include "runtime/Clip.h"
#include "runtime/Failure.h"

#include <QPainter>
#include <cmath>

Surface::Surface() = default;

void Surface::resize(QSize logicalPixels, qreal devicePixelRatio, double dpi)
{
    m_dpr = devicePixelRatio;
    m_scale.setClientSize(QSizeF(logicalPixels), dpi);
    const QSize device(std::max(1, int(std::ceil(logicalPixels.width() * m_dpr))),
                       std::max(1, int(std::ceil(logicalPixels.height() * m_dpr))));
    const QSize grown = device.expandedTo(m_pictureSize);
    if (grown == m_pictureSize)
        return;
    m_pictureSize = grown;
    if (!m_image.isNull()) {
        QImage larger(grown, QImage::Format_RGB32);
        larger.fill(m_background);
        QPainter(&larger).drawImage(0, 0, m_image);
        m_image = larger;
    }
    changed();
}

QImage Surface::image() const
{
    if (!m_image.isNull() || m_pictureSize.isEmpty())
        return m_image;
    QImage blank(m_pictureSize, QImage::Format_RGB32);
    blank.fill(m_background);
    return blank;
}

QImage &Surface::picture()
{
    if (m_image.isNull() && !m_pictureSize.isEmpty()) {
        m_image = QImage(m_pictureSize, QImage::Format_RGB32);
        m_image.fill(m_background);
    }
    return m_image;
}

void Surface::paint(QPainter &painter, const QRectF &logicalRect) const
{
    if (m_image.isNull())
        painter.fillRect(logicalRect, m_background);
    else
        painter.drawImage(logicalRect, m_image, QRectF(logicalRect.topLeft() * m_dpr, logicalRect.size() * m_dpr));
}

void Surface::setColors(const QColor &foreground, const QColor &background)
{
    m_foreground = foreground;
    m_background = background;
}

void Surface::setDrawWidth(int pixels)
{
    if (pixels < 1 || pixels > 32767)
        throw Failure::invalidProperty();
    m_drawWidth = pixels;
}

int Surface::devicePenWidth() const
{
    return std::max(1, int(std::lround(m_drawWidth * m_dpr)));
}

void Surface::Line(float x1, float y1, float x2, float y2)
{
    if (m_pictureSize.isEmpty())
        return;
    const int pen = devicePenWidth();
    const QRectF bounds = QRectF(QPointF(0, 0), QSizeF(m_pictureSize)).adjusted(-pen, -pen, pen, pen);
    const std::optional<QLineF> visible =
        Clip::line(m_scale.toPixelX(x1) * m_dpr, m_scale.toPixelY(y1) * m_dpr,
                   m_scale.toPixelX(x2) * m_dpr, m_scale.toPixelY(y2) * m_dpr, bounds);
    if (!visible)
        return;
    if (m_recording)
        m_record.line(visible->p1() / m_dpr, visible->p2() / m_dpr, m_foreground.rgb(), float(pen / m_dpr));
    QPainter painter(&picture());
    painter.setPen(QPen(m_foreground, pen, Qt::SolidLine, Qt::SquareCap));
    painter.drawLine(*visible);
    changed();
}

void Surface::PSet(float x, float y, const QColor &color)
{
    Dots(*this, color).PSet(x, y);
}

void Surface::Cls()
{
    m_record.clear();
    // A surface not yet drawn on has no image: it is all background already.
    if (!m_image.isNull())
        m_image.fill(m_background);
    changed();
}

void Surface::changed()
{
    if (m_dirty)
        return;
    m_dirty = true;
    if (m_changed)
        m_changed();
}

Surface::Dots::Dots(Surface &surface, const QColor &color)
    : m_surface(surface), m_record(surface.m_recording ? &surface.m_record : nullptr), m_rgb(color.rgb()), m_width(surface.devicePenWidth()),
      m_mapping(surface.m_scale.mapping()), m_dpr(surface.m_dpr),
      m_logicalPerDevice(1.0 / surface.m_dpr), m_logicalWidth(float(m_width / surface.m_dpr)),
      m_size(surface.m_pictureSize)
{
    QImage &picture = surface.picture();
    m_bits = picture.isNull() ? nullptr : picture.bits();
    m_bytesPerLine = picture.bytesPerLine();
}

Surface::Dots::~Dots()
{
    if (m_drawn)
        m_surface.changed();
}
