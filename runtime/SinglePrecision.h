#pragma once
// A double rounded to single precision, where the drawings' numbers call for it: the value leaves
// as the float itself, which the optimiser may not replace by the double it came from, however
// the expressions around it are merged or reordered.

inline float toSingle(double value)
{
    float single = float(value);
#if defined(__GNUC__) && defined(__SSE2__)
    __asm__("" : "+x"(single));
#elif defined(__GNUC__)
    __asm__("" : "+m"(single));
#endif
    return single;
}
