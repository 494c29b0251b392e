#pragma once
// Degrees to radians as the screens do it: by the single-precision pi over 180,
// itself stored in single precision.

namespace Angles {
float P1();
}
