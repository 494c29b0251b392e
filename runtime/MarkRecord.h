#pragma once
// What a drawing surface drew since it was last cleared, in logical pixels and in drawing order:
// lines and dots with their colour and pen width.

#include <QPointF>
#include <QRectF>
#include <QRgb>
#include <cmath>
#include <cstdint>
#include <memory>
#include <vector>

class MarkRecord {
public:
    enum class Kind : std::uint8_t { Lines, Dots };

    // Consecutive marks of one kind, colour and pen width; a line takes two points (its ends), a
    // dot one (the top-left corner of the square it covers).
    struct Run {
        Kind kind;
        QRgb colour;
        float penWidth;
        std::uint32_t first;
        std::uint32_t count;
    };

    // Lines as far as they were drawn on the surface; every dot asked for, on the surface or
    // off it, unless single precision cannot hold its place.
    void line(QPointF from, QPointF to, QRgb colour, float penWidth);
    void dot(QPointF corner, QRgb colour, float penWidth);
    void clear();

    const std::vector<Run> &runs() const { return m_runs; }
    QPointF point(std::uint32_t index) const;
    std::uint64_t dotCount() const { return m_dots; }
    // The square a dot covers, a pen width wide.
    static QRectF square(QPointF corner, float penWidth) { return QRectF(corner, QSizeF(penWidth, penWidth)); }

    // Memory held for the marks.
    std::size_t bytes() const;

private:
    struct Point {
        float x, y;
    };
    // Points are kept in fixed chunks: growing never copies, and at most one chunk is spare.
    static constexpr std::uint32_t chunkBits = 14;
    static constexpr std::uint32_t chunkSize = 1u << chunkBits;

    void append(Kind kind, QRgb colour, float penWidth, std::uint32_t points);
    void push(float x, float y);
    void newChunk();

    std::vector<std::unique_ptr<Point[]>> m_chunks;
    // Where the next point goes in the last chunk, and that chunk's end.
    Point *m_next = nullptr;
    Point *m_chunkEnd = nullptr;
    std::uint32_t m_points = 0;
    std::vector<Run> m_runs;
    std::uint64_t m_dots = 0;
};

// Inline: a curve records thousands of dots in a row, nearly all continuing the last run.
inline void MarkRecord::dot(QPointF corner, QRgb colour, float penWidth)
{
    const float x = float(corner.x());
    const float y = float(corner.y());
    if (!std::isfinite(x) || !std::isfinite(y))
        return;
    append(Kind::Dots, colour, penWidth, 1);
    push(x, y);
    ++m_dots;
}

inline void MarkRecord::push(float x, float y)
{
    if (m_next == m_chunkEnd)
        newChunk();
    *m_next++ = {x, y};
    ++m_points;
}

inline void MarkRecord::append(Kind kind, QRgb colour, float penWidth, std::uint32_t points)
{
    if (!m_runs.empty()) {
        Run &last = m_runs.back();
        if (last.kind == kind && last.colour == colour && last.penWidth == penWidth) {
            last.count += points;
            return;
        }
    }
    m_runs.push_back({kind, colour, penWidth, m_points, points});
}
