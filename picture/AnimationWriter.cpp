#include "picture/AnimationWriter.h"

#include <algorithm>

AnimationWriter::~AnimationWriter() = default;

int AnimationWriter::clampedDelay(int centiseconds)
{
    return std::max(shortestDelay, centiseconds);
}
