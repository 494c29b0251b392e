#pragma once
// The aspect factor Incr, user units of height per unit of width, as the calibration gives it:
// 0,51 when the calibration starts, then 0,51 + 0,02 for each step of its bar, from 1 to 30,
// that is 0,53 to 1,11; only a factor above 0,53 is taken.

#include <optional>

namespace CalibrationSteps {
constexpr double initial = 0.51;
constexpr double perStep = 0.02;
constexpr int firstStep = 1;
constexpr int lastStep = 30;

// step × 0,02 + 0,51, in double precision in this order.
double ofStep(int step);
bool accepted(double incr);
// The smallest factor of a step that is taken.
double lowestAcceptedStep();
// From 0,51 to the last step's factor, to a hair: what a picture drawn after a calibration can carry.
bool givenByCalibration(double incr);
// The accepted step's factor that incr stands for, if it stands for one.
std::optional<double> acceptedStep(double incr);
// The accepted step's factor nearest to a height over a width.
double nearestAccepted(double proportion);
}
