#include "runtime/Int16.h"
#include "runtime/Failure.h"

#include <limits>

int16_t Int16::add(int16_t a, int b)
{
    const long long sum = static_cast<long long>(a) + b;
    if (sum < std::numeric_limits<int16_t>::min() || sum > std::numeric_limits<int16_t>::max())
        throw Failure::overflow();
    return static_cast<int16_t>(sum);
}
