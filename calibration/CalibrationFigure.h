#pragma once
// The calibration figure's constants, in the user units of its surface.

namespace CalibrationFigure {
// The single-precision value nearest to 146367.36.
constexpr float surfaceWidth = 146367.359375f;
// How far right of the middle of the surface the centre lies.
constexpr float centreShift = 20000.0f;
// The single-precision value nearest to 36367.363, used as a double.
constexpr double radius = 36367.36328125;
constexpr double angleStep = 0.1;
constexpr int circleColour = 4;
}
