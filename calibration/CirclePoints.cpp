#include "calibration/CirclePoints.h"
#include "calibration/CalibrationFigure.h"

#include <cmath>

const std::vector<CirclePoint> &CirclePoints::forP1(float P1)
{
    if (!m_points.empty() && P1 == m_P1)
        return m_points;
    m_P1 = P1;
    m_points.clear();
    // It passes 359.9 and ends just above 360, so no point is made at 360.
    for (double I = 0; I <= 360; I += CalibrationFigure::angleStep)
        m_points.push_back({std::cos(I * double(P1)) * CalibrationFigure::radius,
                            std::sin(I * double(P1)) * CalibrationFigure::radius});
    return m_points;
}
