#include "parameters/ColourCounter.h"
#include "runtime/Int16.h"
#include "runtime/Palette.h"

int16_t ColourCounter::normalised(int16_t counter)
{
    if (counter < 0)
        counter = 0;
    if (counter > 6)
        counter = 0;
    return counter;
}

int16_t ColourCounter::advanced(int16_t counter)
{
    const int16_t next = Int16::add(counter, 1);
    return next > paletteSize - 1 ? int16_t(1) : next;
}

int16_t ColourCounter::next(int16_t counter)
{
    return advanced(normalised(counter));
}
