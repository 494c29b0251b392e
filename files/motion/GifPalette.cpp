#include "files/motion/GifPalette.h"

namespace {
constexpr QRgb opaque = 0xff000000u;
}

void GifPalette::clear()
{
    m_keys.fill(0);
    m_count = 0;
}

std::size_t GifPalette::slotOf(QRgb key) const
{
    // Fibonacci hashing: the top bits of the product spread neighbouring colours apart.
    std::size_t slot = (key * 0x9E3779B1u) >> 23;
    while (m_keys[slot] != 0 && m_keys[slot] != key)
        slot = (slot + 1) % slotCount;
    return slot;
}

int GifPalette::find(QRgb colour) const
{
    const std::size_t slot = slotOf(colour | opaque);
    return m_keys[slot] == 0 ? -1 : m_indices[slot];
}

int GifPalette::add(QRgb colour)
{
    const std::size_t slot = slotOf(colour | opaque);
    if (m_keys[slot] != 0)
        return m_indices[slot];
    if (m_count == most)
        return -1;
    m_keys[slot] = colour | opaque;
    m_indices[slot] = std::uint8_t(m_count);
    m_colours[std::size_t(m_count)] = colour | opaque;
    return m_count++;
}

GifPalette::Map GifPalette::map(int extra) const
{
    int entries = 2;
    while (entries < m_count + extra)
        entries *= 2;
    Map out(GifMakeMapObject(entries, nullptr));
    if (!out)
        return out;
    for (int i = 0; i < entries; ++i) {
        const QRgb c = i < m_count ? m_colours[std::size_t(i)] : 0;
        out->Colors[i] = {GifByteType(qRed(c)), GifByteType(qGreen(c)), GifByteType(qBlue(c))};
    }
    return out;
}
