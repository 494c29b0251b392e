#include "view3d/SurfaceLight.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double darkerShare = 0.55;

SurfaceLight::Direction unit(double x, double y, double z)
{
    const double length = std::sqrt(x * x + y * y + z * z);
    return {x / length, y / length, z / length};
}

const SurfaceLight::Direction light = unit(-1, 1, 1.6);
// Halfway between the light and the eye, which looks along the depth.
const SurfaceLight::Direction halfway = unit(light.x, light.y, light.z + 1);

double dot(const SurfaceLight::Direction &a, const SurfaceLight::Direction &b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

// By squaring: the same bits wherever the program runs.
double narrow(double c)
{
    static_assert(SurfaceLight::shininess == 32);
    for (int i = 0; i < 5; ++i)
        c *= c;
    return c;
}
}

SurfaceLight::Direction SurfaceLight::direction()
{
    return light;
}

SurfaceLight::SurfaceLight(QRgb colour) : m_r(float(qRed(colour))), m_g(float(qGreen(colour))), m_b(float(qBlue(colour))) {}

SurfaceLight::Rgb SurfaceLight::lit(const Direction &normal, double share) const
{
    const double body = share * (ambient + diffuse * std::max(0.0, dot(normal, light)));
    const double white = 255 * highlight * share * narrow(std::max(0.0, dot(normal, halfway)));
    const auto channel = [&](float base) { return float(std::min(255.0, base * body + white)); };
    return {channel(m_r), channel(m_g), channel(m_b)};
}

SurfaceLight::Rgb SurfaceLight::outer(const Direction &normal) const
{
    return lit(normal, 1);
}

SurfaceLight::Rgb SurfaceLight::inner(const Direction &normal) const
{
    return lit({-normal.x, -normal.y, -normal.z}, innerShare);
}

QRgb SurfaceLight::darker(QRgb colour)
{
    const auto channel = [](int c) { return int(c * darkerShare + 0.5); };
    return qRgb(channel(qRed(colour)), channel(qGreen(colour)), channel(qBlue(colour)));
}
