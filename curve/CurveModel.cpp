#include "curve/CurveModel.h"

namespace {
constexpr int16_t rhoLast = 720;
constexpr int16_t muLast = 360;
constexpr int16_t angleStep = 5;
}

CurveModel::CurveModel() : m_rhoSteps(rhoLast, angleStep), m_muSteps(muLast, angleStep) {}

std::vector<CurveModel::Point> CurveModel::points(const CurveValues &values, float P1)
{
    std::vector<Point> out;
    out.reserve(pointCount);
    run(values, P1, [&out](double X, double Y, double Z) { out.push_back({X, Y, Z}); });
    return out;
}
