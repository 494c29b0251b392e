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
    if (!m_image.isNull() && device.width() <= m_image.width() && device.height() <= m_image.height())
        return;
    QImage grown(device.expandedTo(m_image.size()), QImage::Format_RGB32);
    grown.fill(m_background);
    if (!m_image.isNull())
        QPainter(&grown).drawImage(0, 0, m_image);
    m_image = grown;
    changed();
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

QPoint Surface::devicePixel(float x, float y) const
{
    return QPoint(int(std::floor(m_scale.toPixelX(x) * m_dpr)), int(std::floor(m_scale.toPixelY(y) * m_dpr)));
}

void Surface::Line(float x1, float y1, float x2, float y2)
{
    if (m_log)
        m_log->line(x1, y1, x2, y2);
    if (m_image.isNull())
        return;
    const int pen = devicePenWidth();
    const QRectF bounds = QRectF(m_image.rect()).adjusted(-pen, -pen, pen, pen);
    const std::optional<QLineF> visible =
        Clip::line(m_scale.toPixelX(x1) * m_dpr, m_scale.toPixelY(y1) * m_dpr,
                   m_scale.toPixelX(x2) * m_dpr, m_scale.toPixelY(y2) * m_dpr, bounds);
    if (!visible)
        return;
    m_record.line(visible->p1() / m_dpr, visible->p2() / m_dpr, m_foreground.rgb(), float(pen / m_dpr));
    QPainter painter(&m_image);
    painter.setPen(QPen(m_foreground, pen, Qt::SolidLine, Qt::SquareCap));
    painter.drawLine(*visible);
    changed();
}

void Surface::PSet(float x, float y, const QColor &color)
{
    if (m_log)
        m_log->dot(x, y, color);
    const int width = devicePenWidth();
    const double deviceX = m_scale.toPixelX(x) * m_dpr;
    const double deviceY = m_scale.toPixelY(y) * m_dpr;
    const QRgb rgb = color.rgb();
    const double reach = (width - 1) / 2.0;
    m_record.dot(QPointF(std::floor(deviceX - reach), std::floor(deviceY - reach)) / m_dpr, rgb, float(width / m_dpr));
    const std::optional<QRect> covered = Clip::dot(deviceX, deviceY, width, m_image.size());
    if (!covered)
        return;
    for (int row = covered->top(); row <= covered->bottom(); ++row) {
        QRgb *line = reinterpret_cast<QRgb *>(m_image.scanLine(row));
        std::fill(line + covered->left(), line + covered->right() + 1, rgb);
    }
    changed();
}

void Surface::Cls()
{
    if (m_log)
        m_log->cleared();
    m_record.clear();
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
