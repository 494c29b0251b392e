#include "view3d/Turntable.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {
double radians(double degrees)
{
    return degrees * std::numbers::pi / 180;
}

// From 0 up to 360.
double roundTurn(double degrees)
{
    const double turned = std::fmod(degrees, 360.0);
    return turned < 0 ? turned + 360 : turned;
}
}

double Turntable::openingElevation()
{
    return std::asin(std::tan(radians(30))) * 180 / std::numbers::pi;
}

void Turntable::setTurned(const Turn &turn)
{
    m_turn = {roundTurn(turn.azimuth), std::clamp(turn.elevation, -ViewAngles::steepest - m_base.elevation, ViewAngles::steepest - m_base.elevation)};
}

void Turntable::turn(double azimuthDegrees, double elevationDegrees)
{
    setTurned({m_turn.azimuth + azimuthDegrees, m_turn.elevation + elevationDegrees});
}

double Turntable::azimuth() const
{
    return roundTurn(m_base.azimuth + m_turn.azimuth);
}

double Turntable::elevation() const
{
    return std::clamp(m_base.elevation + m_turn.elevation, -ViewAngles::steepest, ViewAngles::steepest);
}

void Turntable::setAngles(const ViewAngles &angles)
{
    m_base = {roundTurn(angles.azimuth), std::clamp(angles.elevation, -ViewAngles::steepest, ViewAngles::steepest)};
    m_turn = {};
}

// The eye looks at the origin from (cos e cos a, cos e sin a, sin e); the screen's right is
// (-sin a, cos a, 0) and its up (-sin e cos a, -sin e sin a, cos e).
Turntable::Axes Turntable::axes() const
{
    const double a = radians(azimuth());
    const double e = radians(elevation());
    return {-std::sin(a), std::cos(a), std::sin(e) * std::cos(a), std::sin(e) * std::sin(a), -std::cos(e),
            std::cos(e) * std::cos(a), std::cos(e) * std::sin(a), std::sin(e)};
}
