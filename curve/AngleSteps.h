#pragma once
// The cosines and sines of the curve's angle steps, made once for a given P1
// exactly as the curve makes them: the 16-bit angle in degrees times the
// single-precision P1, rounded to single precision, then widened to double.

#include <cstdint>
#include <vector>

struct AngleStep {
    float radians;
    double cos;
    double sin;
};

class AngleSteps {
public:
    // The angles 0, step, 2 step, ... up to last degrees.
    AngleSteps(int16_t last, int16_t step);

    // The steps for P1, made again only when P1 differs from the last call's.
    const std::vector<AngleStep> &forP1(float P1);

private:
    int16_t m_last;
    int16_t m_step;
    float m_P1 = 0;
    std::vector<AngleStep> m_steps;
};
