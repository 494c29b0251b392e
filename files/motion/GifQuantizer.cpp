#include "files/motion/GifQuantizer.h"

#include <array>
#include <libimagequant.h>
#include <memory>
#include <omp.h>

namespace {
struct Free {
    void operator()(liq_attr *attr) const { liq_attr_destroy(attr); }
    void operator()(liq_image *image) const { liq_image_destroy(image); }
    void operator()(liq_result *result) const { liq_result_destroy(result); }
};
template<class T>
using Owned = std::unique_ptr<T, Free>;

// The rectangle's pixels row after row as libimagequant takes them: red, green, blue, alpha.
std::vector<liq_color> pixelsOf(const QImage &frame, const QRect &rect)
{
    std::vector<liq_color> pixels;
    pixels.reserve(std::size_t(rect.width()) * std::size_t(rect.height()));
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        const QRgb *row = reinterpret_cast<const QRgb *>(frame.constScanLine(y)) + rect.left();
        for (int x = 0; x < rect.width(); ++x)
            pixels.push_back({std::uint8_t(qRed(row[x])), std::uint8_t(qGreen(row[x])), std::uint8_t(qBlue(row[x])), 255});
    }
    return pixels;
}
}

bool GifQuantizer::reduce(const QImage &frame, const QRect &rect, GifFrameImage &out)
{
    // libimagequant adds up the work of its threads in an order that depends on how many there
    // are: one thread, on this thread alone, gives the same bytes on every machine, and leaves
    // the other core to the drawing of the next frame.
    omp_set_num_threads(1);
    const Owned<liq_attr> attr(liq_attr_create());
    if (!attr || liq_set_speed(attr.get(), speed) != LIQ_OK || liq_set_quality(attr.get(), leastQuality, mostQuality) != LIQ_OK)
        return false;
    const std::vector<liq_color> pixels = pixelsOf(frame, rect);
    const Owned<liq_image> image(liq_image_create_rgba(attr.get(), pixels.data(), rect.width(), rect.height(), 0));
    liq_result *made = nullptr;
    if (!image || liq_image_quantize(image.get(), attr.get(), &made) != LIQ_OK)
        return false;
    const Owned<liq_result> result(made);
    out.rect = rect;
    out.hasUnchanged = false;
    out.indices.resize(pixels.size());
    if (liq_set_dithering_level(result.get(), dithering) != LIQ_OK
        || liq_write_remapped_image(result.get(), image.get(), out.indices.data(), out.indices.size()) != LIQ_OK)
        return false;

    // The table as it stands after the remapping; two entries may round to one colour, which the
    // GIF table takes once.
    const liq_palette *palette = liq_get_palette(result.get());
    std::array<std::uint8_t, GifPalette::most> toTable{};
    out.colours.clear();
    for (unsigned i = 0; i < palette->count; ++i) {
        const liq_color c = palette->entries[i];
        toTable[i] = std::uint8_t(out.colours.add(qRgb(c.r, c.g, c.b)));
    }
    for (std::uint8_t &index : out.indices)
        index = toTable[index];
    return true;
}
