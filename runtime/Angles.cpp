#include "runtime/Angles.h"

float Angles::P1()
{
    constexpr float singlePi = 3.14159274f;
    return float(double(singlePi) / 180.0);
}
