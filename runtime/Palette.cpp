#include "runtime/Palette.h"
#include "runtime/Failure.h"

#include <array>

QColor QBColor(int index)
{
    static constexpr std::array<unsigned, paletteSize> bgr = {
        0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
        0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
    };
    if (index < 0 || index >= int(bgr.size()))
        throw Failure::invalidArgument();
    return colorFromBgr(bgr[index]);
}

QColor colorFromBgr(unsigned bgr)
{
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}
