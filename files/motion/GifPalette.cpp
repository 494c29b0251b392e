#include "files/motion/GifPalette.h"

#include <QImage>
#include <algorithm>
#include <limits>
#include <unordered_map>
#include <vector>

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

GifPalette GifPalette::commonest(const QImage &image, const QRect &region)
{
    std::unordered_map<QRgb, std::uint32_t> counts;
    for (int y = region.top(); y <= region.bottom(); ++y) {
        const QRgb *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = region.left(); x <= region.right(); ++x)
            ++counts[row[x] | opaque];
    }
    std::vector<std::pair<std::uint32_t, QRgb>> byCount;
    byCount.reserve(counts.size());
    for (const auto &[colour, count] : counts)
        byCount.emplace_back(count, colour);
    // Ties go to the lower colour, so that the same region always gives the same table.
    const auto kept = byCount.begin() + std::min<std::ptrdiff_t>(most, std::ssize(byCount));
    std::partial_sort(byCount.begin(), kept, byCount.end(),
                      [](const auto &a, const auto &b) { return a.first != b.first ? a.first > b.first : a.second < b.second; });
    GifPalette palette;
    for (auto it = byCount.begin(); it != kept; ++it)
        palette.add(it->second);
    return palette;
}

int GifPalette::nearest(QRgb colour) const
{
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (int i = 0; i < m_count; ++i) {
        const QRgb c = m_colours[std::size_t(i)];
        const int r = qRed(c) - qRed(colour), g = qGreen(c) - qGreen(colour), b = qBlue(c) - qBlue(colour);
        const int distance = r * r + g * g + b * b;
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
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
