#pragma once
// The drawing surface of a screen's client area: a picture kept in an image of
// device pixels, drawn on with a user scale, lines, single points and clearing.
// The image is made on the first drawing; until then the surface is all background.

#include "runtime/Clip.h"
#include "runtime/MarkRecord.h"
#include "runtime/UserScale.h"

#include <QColor>
#include <QImage>
#include <functional>

class QPainter;

class Surface {
public:
    Surface();

    // Follows the client area; a larger area keeps the picture and adds background.
    // Until the first resize there is no picture.
    void resize(QSize logicalPixels, qreal devicePixelRatio, double dpi);
    // The picture in device pixels; all background while nothing was drawn.
    QImage image() const;
    // Paints the part of the picture under a rectangle of logical pixels.
    void paint(QPainter &painter, const QRectF &logicalRect) const;
    qreal devicePixelRatio() const { return m_dpr; }
    const UserScale &scale() const { return m_scale; }

    void setColors(const QColor &foreground, const QColor &background);
    QColor foreground() const { return m_foreground; }
    QColor background() const { return m_background; }

    // Called when the picture first changes after it was last shown (the screen
    // schedules a repaint); shown() marks it shown again.
    void onChanged(std::function<void()> callback) { m_changed = std::move(callback); }
    void shown() { m_dirty = false; }
    // What was drawn since the last clearing, for the picture's files.
    const MarkRecord &record() const { return m_record; }
    MarkRecord &record() { return m_record; }
    // Whether what is drawn from now on goes into the record (it costs a little on every dot).
    void setRecording(bool on) { m_recording = on; }
    bool recording() const { return m_recording; }

    int ScaleMode() const { return m_scale.scaleMode(); }
    void setScaleMode(int mode) { m_scale.setScaleMode(mode); }
    float ScaleWidth() const { return m_scale.scaleWidth(); }
    void setScaleWidth(float width) { m_scale.setScaleWidth(width); }
    float ScaleHeight() const { return m_scale.scaleHeight(); }
    void setScaleHeight(float height) { m_scale.setScaleHeight(height); }
    int DrawWidth() const { return m_drawWidth; }
    void setDrawWidth(int pixels);

    void Line(float x1, float y1, float x2, float y2);
    void PSet(float x, float y, const QColor &color);
    void Cls();

    // Plots dots of one colour as PSet does, with the colour, the pen width and the
    // scale taken once: for drawing many dots while the scale and width stay put.
    class Dots {
    public:
        Dots(Surface &surface, const QColor &color);
        ~Dots();
        Dots(const Dots &) = delete;
        Dots &operator=(const Dots &) = delete;
        void PSet(float x, float y);

        // Runs loop(PSet) once, PSet(x, y) plotting a dot as above. The loop is
        // compiled twice, with the record and without: without it nothing is kept,
        // and no branch on every dot asks whether to keep it.
        template <typename Loop>
        void run(Loop &&loop)
        {
            if (m_record)
                loop([this](float x, float y) { plot<true>(x, y); });
            else
                loop([this](float x, float y) { plot<false>(x, y); });
        }

    private:
        template <bool recording>
        void plot(float x, float y);

        Surface &m_surface;
        MarkRecord *m_record;
        QRgb m_rgb;
        int m_width;
        UserScale::Mapping m_mapping;
        qreal m_dpr;
        // What the record keeps is in logical pixels.
        double m_logicalPerDevice;
        float m_logicalWidth;
        QSize m_size;
        uchar *m_bits;
        qsizetype m_bytesPerLine;
        bool m_drawn = false;
    };

private:
    int devicePenWidth() const;
    QImage &picture();
    void changed();

    UserScale m_scale;
    // The picture's size in device pixels; the image itself exists once drawn on.
    QSize m_pictureSize;
    QImage m_image;
    qreal m_dpr = 1.0;
    int m_drawWidth = 1;
    QColor m_foreground = Qt::black;
    QColor m_background = Qt::white;
    std::function<void()> m_changed;
    bool m_dirty = false;
    MarkRecord m_record;
    bool m_recording = false;
};

inline void Surface::Dots::PSet(float x, float y)
{
    if (m_record)
        plot<true>(x, y);
    else
        plot<false>(x, y);
}

// Always inline: the curves plot thousands of dots in a row.
template <bool recording>
Q_ALWAYS_INLINE void Surface::Dots::plot(float x, float y)
{
    const double deviceX = m_mapping.x(x) * m_dpr;
    const double deviceY = m_mapping.y(y) * m_dpr;
    if constexpr (recording) {
        const double reach = (m_width - 1) / 2.0;
        m_record->dot(QPointF(std::floor(deviceX - reach) * m_logicalPerDevice,
                              std::floor(deviceY - reach) * m_logicalPerDevice),
                      m_rgb, m_logicalWidth);
    }
    const std::optional<QRect> covered = Clip::dot(deviceX, deviceY, m_width, m_size);
    if (!covered)
        return;
    for (int row = covered->top(); row <= covered->bottom(); ++row) {
        QRgb *line = reinterpret_cast<QRgb *>(m_bits + row * m_bytesPerLine);
        std::fill(line + covered->left(), line + covered->right() + 1, m_rgb);
    }
    m_drawn = true;
}
