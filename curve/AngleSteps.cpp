#include "curve/AngleSteps.h"
#include "runtime/SinglePrecision.h"

#include <cmath>

AngleSteps::AngleSteps(int16_t last, int16_t step) : m_last(last), m_step(step) {}

const std::vector<AngleStep> &AngleSteps::forP1(float P1)
{
    if (!m_steps.empty() && P1 == m_P1)
        return m_steps;
    m_P1 = P1;
    m_steps.clear();
    for (int16_t angle = 0; angle <= m_last; angle += m_step) {
        // The exact product, rounded once.
        const float radians = toSingle(double(angle) * double(P1));
        m_steps.push_back({radians, std::cos(double(radians)), std::sin(double(radians))});
    }
    return m_steps;
}
