#pragma once
// The light on the 3D view's surfaces, fixed to the viewer: it shines from above and left of the
// eye and turns with the view. A share of ambient light, so that nothing is black, a diffuse share
// and a small highlight (Blinn-Phong). The inner side is lit by its own normal, the outer one's
// reversed, a little darker, so that it reads as inside.

#include <QRgb>

class SurfaceLight {
public:
    static constexpr double ambient = 0.35;
    static constexpr double diffuse = 0.65;
    static constexpr double highlight = 0.3;
    // The highlight's narrowness: the power of the cosine at the halfway direction.
    static constexpr int shininess = 32;
    static constexpr double innerShare = 0.8;

    // In view space: right, up, towards the viewer.
    struct Direction {
        double x, y, z;
    };
    // Where the light comes from, of unit length.
    static Direction direction();

    // Channels from 0 to 255.
    struct Rgb {
        float r, g, b;
    };

    explicit SurfaceLight(QRgb colour);

    // For a normal of unit length in view space.
    Rgb outer(const Direction &normal) const;
    Rgb inner(const Direction &normal) const;

    // The shade of the dots and the section's edges drawn over a surface of this colour.
    static QRgb darker(QRgb colour);

private:
    Rgb lit(const Direction &normal, double share) const;

    float m_r, m_g, m_b;
};
