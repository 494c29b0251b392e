#pragma once
// The colour counter: one less than the palette index of the next curve.

#include <cstdint>

namespace ColourCounter {
// Before a drawing started from the parameter screen: below 0 becomes 0, then above 6 becomes 0.
int16_t normalised(int16_t counter);
// At the start of each curve: one more, and after 15, the last palette entry, 1 again.
int16_t advanced(int16_t counter);
// The palette index that the next "AVANTI" draws in, after a counter.
int16_t next(int16_t counter);
}
