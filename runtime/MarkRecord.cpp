#include "runtime/MarkRecord.h"

void MarkRecord::line(QPointF from, QPointF to, QRgb colour, float penWidth)
{
    append(Kind::Lines, colour, penWidth, 2);
    push(float(from.x()), float(from.y()));
    push(float(to.x()), float(to.y()));
}

void MarkRecord::clear()
{
    // The first chunk stays for the next drawing: a cleared picture is soon drawn on again.
    m_chunks.resize(std::min<std::size_t>(m_chunks.size(), 1));
    m_next = m_chunks.empty() ? nullptr : m_chunks.front().get();
    m_chunkEnd = m_chunks.empty() ? nullptr : m_next + chunkSize;
    m_points = 0;
    m_runs.clear();
    m_dots = 0;
}

QPointF MarkRecord::point(std::uint32_t index) const
{
    const Point &p = m_chunks[index >> chunkBits][index & (chunkSize - 1)];
    return QPointF(p.x, p.y);
}

std::size_t MarkRecord::bytes() const
{
    return m_chunks.size() * (chunkSize * sizeof(Point) + sizeof(m_chunks[0]))
        + m_runs.capacity() * sizeof(Run);
}

void MarkRecord::newChunk()
{
    m_chunks.push_back(std::make_unique_for_overwrite<Point[]>(chunkSize));
    m_next = m_chunks.back().get();
    m_chunkEnd = m_next + chunkSize;
}
