#pragma once
// A GIF colour table made from a frame's own colours, at most 256, each found again through a
// small hash: the view's dots are drawn in far fewer, so their frames keep their colours exactly.
// A frame of more takes the table GifQuantizer makes for it.

#include <QRgb>
#include <array>
#include <cstdint>
#include <gif_lib.h>
#include <memory>

class GifPalette {
public:
    static constexpr int most = 256;

    void clear();
    int size() const { return m_count; }
    QRgb colour(int index) const { return m_colours[std::size_t(index)]; }
    // The colour's index, or -1.
    int find(QRgb colour) const;
    // The colour's index, the colour added if new; -1 if the table is full.
    int add(QRgb colour);

    struct MapFree {
        void operator()(ColorMapObject *map) const { GifFreeMapObject(map); }
    };
    using Map = std::unique_ptr<ColorMapObject, MapFree>;
    // The colours, and extra entries beyond them (for a transparent index), as giflib writes a
    // table: a power of two of entries, at least two; null if memory runs out.
    Map map(int extra) const;

private:
    static constexpr std::size_t slotCount = 2 * most;
    std::size_t slotOf(QRgb key) const;

    // Keys carry an opaque alpha, so 0 marks an empty slot.
    std::array<QRgb, slotCount> m_keys{};
    std::array<std::uint8_t, slotCount> m_indices{};
    std::array<QRgb, most> m_colours{};
    int m_count = 0;
};
