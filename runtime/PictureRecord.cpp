#include "runtime/PictureRecord.h"

#include <cmath>

void PictureRecord::line(QPointF from, QPointF to, QRgb colour, float penWidth)
{
    append(Kind::Lines, colour, penWidth, -1, 2);
    push(from);
    push(to);
}

void PictureRecord::dot(QPointF corner, QRgb colour, float penWidth)
{
    if (!std::isfinite(float(corner.x())) || !std::isfinite(float(corner.y())))
        return;
    append(Kind::Dots, colour, penWidth, int(m_curves.size()) - 1, 1);
    push(corner);
    ++m_dots;
}

void PictureRecord::clear()
{
    m_chunks.clear();
    m_points = 0;
    m_runs.clear();
    m_dots = 0;
    m_curves.clear();
}

void PictureRecord::beginCurve(const QString &caption)
{
    m_curves << caption;
}

QPointF PictureRecord::point(std::uint32_t index) const
{
    const Point &p = m_chunks[index >> chunkBits][index & (chunkSize - 1)];
    return QPointF(p.x, p.y);
}

std::size_t PictureRecord::bytes() const
{
    return m_chunks.size() * (chunkSize * sizeof(Point) + sizeof(m_chunks[0]))
        + m_runs.capacity() * sizeof(Run);
}

void PictureRecord::append(Kind kind, QRgb colour, float penWidth, int curve, std::uint32_t points)
{
    if (!m_runs.empty()) {
        Run &last = m_runs.back();
        if (last.kind == kind && last.colour == colour && last.penWidth == penWidth && last.curve == curve) {
            last.count += points;
            return;
        }
    }
    m_runs.push_back({kind, colour, penWidth, curve, m_points, points});
}

void PictureRecord::push(QPointF p)
{
    if ((m_points & (chunkSize - 1)) == 0)
        m_chunks.push_back(std::make_unique<Point[]>(chunkSize));
    m_chunks.back()[m_points & (chunkSize - 1)] = {float(p.x()), float(p.y())};
    ++m_points;
}
