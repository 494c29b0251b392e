#pragma once
// What a drawing surface drew since it was last cleared, in logical pixels and in drawing order:
// lines and dots with their colour and pen width, and the curve each dot belongs to.

#include <QPointF>
#include <QRectF>
#include <QRgb>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <vector>

class PictureRecord {
public:
    enum class Kind : std::uint8_t { Lines, Dots };

    // Consecutive marks of one kind, colour, pen width and curve; a line takes two points
    // (its ends), a dot one (the top-left corner of the square it covers).
    struct Run {
        Kind kind;
        QRgb colour;
        float penWidth;
        int curve; // index into curves(); -1 for lines
        std::uint32_t first;
        std::uint32_t count;
    };

    // Lines as far as they were drawn on the surface; every dot asked for, on the surface or
    // off it, unless single precision cannot hold its place.
    void line(QPointF from, QPointF to, QRgb colour, float penWidth);
    void dot(QPointF corner, QRgb colour, float penWidth);
    void clear();

    // The dots that follow belong to a new curve, named by its caption.
    void beginCurve(const QString &caption);
    const QStringList &curves() const { return m_curves; }

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

    void append(Kind kind, QRgb colour, float penWidth, int curve, std::uint32_t points);
    void push(QPointF p);

    std::vector<std::unique_ptr<Point[]>> m_chunks;
    std::uint32_t m_points = 0;
    std::vector<Run> m_runs;
    std::uint64_t m_dots = 0;
    QStringList m_curves;
};
