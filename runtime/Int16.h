#pragma once
// 16-bit signed integer arithmetic with overflow detection.

#include <cstdint>

namespace Int16 {
// a + b, or Failure::overflow() when the sum leaves the 16-bit range.
int16_t add(int16_t a, int b);
}
