#pragma once
// The coordinate system of a drawing surface: which units span the client
// area, and where a point given in them lies in logical pixels.

#include <QSizeF>

class UserScale {
public:
    enum Mode { User = 0, Twip = 1, Centimetre = 7 };

    explicit UserScale(double dpi = 96.0);

    void setClientSize(QSizeF logicalPixels, double dpi);
    QSizeF clientSize() const { return m_client; }

    int scaleMode() const { return m_mode; }
    // 0 keeps the current scale as user units; 1 and 7 follow the client size.
    void setScaleMode(int mode);

    float scaleWidth() const;
    float scaleHeight() const;
    // Either switches to user units; the other extent keeps its current value.
    void setScaleWidth(float width);
    void setScaleHeight(float height);

    // The proportions of the current scale, taken once to map many points.
    struct Mapping {
        double clientWidth;
        double scaleWidth;
        double clientHeight;
        double scaleHeight;
        double x(float x) const { return double(x) * clientWidth / scaleWidth; }
        double y(float y) const { return double(y) * clientHeight / scaleHeight; }
    };
    Mapping mapping() const;

    double toPixelX(float x) const { return mapping().x(x); }
    double toPixelY(float y) const { return mapping().y(y); }

private:
    double unitsPerPixel() const;

    QSizeF m_client;
    double m_dpi;
    int m_mode = Twip;
    float m_userWidth = 0;
    float m_userHeight = 0;
};
