#include "view3d/Turntable.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {
double radians(double degrees)
{
    return degrees * std::numbers::pi / 180;
}
}

double Turntable::openingElevation()
{
    return std::asin(std::tan(radians(30))) * 180 / std::numbers::pi;
}

void Turntable::setAngles(const ViewAngles &angles)
{
    double azimuth = std::fmod(angles.azimuth, 360.0);
    if (azimuth < 0)
        azimuth += 360;
    m_azimuth = azimuth == 360 ? 0 : azimuth;
    m_elevation = std::clamp(angles.elevation, -90.0, 90.0);
}

void Turntable::turn(double azimuthDegrees, double elevationDegrees)
{
    setAngles({m_azimuth + azimuthDegrees, m_elevation + elevationDegrees});
}

// The eye looks at the origin from (cos e cos a, cos e sin a, sin e); the screen's right is
// (-sin a, cos a, 0) and its up (-sin e cos a, -sin e sin a, cos e).
Turntable::Axes Turntable::axes() const
{
    const double a = radians(m_azimuth);
    const double e = radians(m_elevation);
    return {-std::sin(a), std::cos(a), std::sin(e) * std::cos(a), std::sin(e) * std::sin(a), -std::cos(e)};
}
