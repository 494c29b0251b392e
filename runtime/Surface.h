#pragma once
// The drawing surface of a screen's client area: a picture kept in an image of
// device pixels, drawn on with a user scale, lines, single points and clearing.

#include "runtime/PictureRecord.h"
#include "runtime/UserScale.h"

#include <QColor>
#include <QImage>
#include <functional>

// What is asked of a surface, in its user units, as it is asked: a way to
// follow a drawing dot by dot.
class SurfaceLog {
public:
    virtual ~SurfaceLog() = default;
    virtual void line(float x1, float y1, float x2, float y2) = 0;
    virtual void dot(float x, float y, const QColor &color) = 0;
    virtual void cleared() = 0;
};

class Surface {
public:
    Surface();

    // Follows the client area; a larger area keeps the picture and adds background.
    // Until the first resize there is no picture.
    void resize(QSize logicalPixels, qreal devicePixelRatio, double dpi);
    const QImage &image() const { return m_image; }
    qreal devicePixelRatio() const { return m_dpr; }
    const UserScale &scale() const { return m_scale; }

    void setColors(const QColor &foreground, const QColor &background);
    QColor foreground() const { return m_foreground; }
    QColor background() const { return m_background; }

    // Called when the picture first changes after it was last shown (the screen
    // schedules a repaint); shown() marks it shown again.
    void onChanged(std::function<void()> callback) { m_changed = std::move(callback); }
    void shown() { m_dirty = false; }
    void setLog(SurfaceLog *log) { m_log = log; }
    // What was drawn since the last clearing, for the picture's files.
    const PictureRecord &record() const { return m_record; }
    PictureRecord &record() { return m_record; }

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

    // Device pixel that a user point falls in (for checking what was drawn).
    QPoint devicePixel(float x, float y) const;

private:
    int devicePenWidth() const;
    void changed();

    UserScale m_scale;
    QImage m_image;
    qreal m_dpr = 1.0;
    int m_drawWidth = 1;
    QColor m_foreground = Qt::black;
    QColor m_background = Qt::white;
    std::function<void()> m_changed;
    bool m_dirty = false;
    SurfaceLog *m_log = nullptr;
    PictureRecord m_record;
};
