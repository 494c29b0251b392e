#include "curve/Projection.h"

#include <cmath>

Projection::View Projection::view(double alphaDegrees, double betaDegrees, float P1)
{
    View v;
    v.CA = std::cos(double(P1) * alphaDegrees);
    v.SA = std::cos(double(P1) * alphaDegrees);
    v.CB = std::cos(double(P1) * betaDegrees);
    v.SB = std::cos(double(P1) * betaDegrees);
    return v;
}
