#include "curve/CalibrationSteps.h"

#include <algorithm>
#include <cmath>

namespace {
// Room for the factor a file or a user writes with a few decimals.
constexpr double slack = 1e-9;
constexpr double lowestAccepted = 0.53;

int nearestStep(double incr)
{
    return int(std::lround((incr - CalibrationSteps::initial) / CalibrationSteps::perStep));
}
}

double CalibrationSteps::ofStep(int step)
{
    return step * perStep + initial;
}

bool CalibrationSteps::accepted(double incr)
{
    return incr > lowestAccepted;
}

bool CalibrationSteps::givenByCalibration(double incr)
{
    return incr >= initial - slack && incr <= ofStep(lastStep) + slack;
}

double CalibrationSteps::lowestAcceptedStep()
{
    int step = firstStep;
    while (!accepted(ofStep(step)))
        ++step;
    return ofStep(step);
}

std::optional<double> CalibrationSteps::acceptedStep(double incr)
{
    if (!std::isfinite(incr) || incr < initial - 1 || incr > ofStep(lastStep) + 1)
        return std::nullopt;
    const int step = nearestStep(incr);
    const double factor = ofStep(step);
    if (std::abs(factor - incr) > slack || !accepted(factor) || step > lastStep)
        return std::nullopt;
    return factor;
}

double CalibrationSteps::nearestAccepted(double proportion)
{
    int step = std::isfinite(proportion) ? std::clamp(nearestStep(proportion), firstStep, lastStep) : lastStep;
    if (!accepted(ofStep(step)))
        ++step;
    return ofStep(step);
}
