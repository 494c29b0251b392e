#pragma once
// The calibration circle's points about its centre, made once for a given P1
// exactly as the figure makes them: the angle in degrees accumulates its step
// in double precision from 0 while it stays at or below 360.

#include <vector>

struct CirclePoint {
    double XR;
    double YR;
};

class CirclePoints {
public:
    // The points for P1, made again only when P1 differs from the last call's.
    const std::vector<CirclePoint> &forP1(float P1);

private:
    float m_P1 = 0;
    std::vector<CirclePoint> m_points;
};
