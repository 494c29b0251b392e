#include "runtime/Angles.h"
#include "runtime/SinglePrecision.h"

float Angles::P1()
{
    constexpr float singlePi = 3.14159274f;
    return toSingle(double(singlePi) / 180.0);
}
