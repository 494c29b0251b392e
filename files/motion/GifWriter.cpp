#include "files/motion/GifComments.h"
#include "files/motion/GifFile.h"
#include "files/motion/GifFrameImage.h"
#include "files/motion/GifGlobalTable.h"
#include "files/motion/GifQuantizer.h"

#include <QIODevice>
#include <cstring>
#include <vector>

namespace {
constexpr std::uint8_t unchanged = GifFrameImage::unchanged;
constexpr int longestDelay = 0xFFFF;

class GifWriter final : public AnimationWriter {
public:
    GifWriter(QIODevice &out, QSize size, const AnimationWords &words, bool loops);
    ~GifWriter() override;

private:
    bool encode(const QImage &frame, int delayCentiseconds) override;
    bool close() override;
    static int put(GifFileType *gif, const GifByteType *bytes, int length);
    // After giflib refused a step: why, in Italian.
    bool stopped();
    bool failedWriting();
    bool start();
    bool putComment(const QByteArray &text);
    template<class Rows>
    QRect changed(const QImage &frame, Rows rows) const;
    bool exact(const QImage &frame, const QRect &rect, bool transparency);
    bool exactly(const QImage &frame, const QRect &rect);
    bool prepare(const QImage &frame);
    bool reduce(const QImage &frame, const QRect &rect);
    bool put(int delay);

    QIODevice &m_out;
    AnimationWords m_words;
    bool m_loops;
    GifFileType *m_gif = nullptr;
    bool m_writeFailed = false;
    // What a viewer shows after the frames so far, a row after another.
    std::vector<QRgb> m_shown;
    // Whether a frame was reduced; from then on the last frame given, which the shown pixels
    // stand for where they were reduced. Until then what is shown is the last frame itself.
    bool m_reduced = false;
    QImage m_previous;
    // Made from the first frame (see GifGlobalTable), with a transparent index after its colours if
    // there is room.
    GifPalette m_global;
    int m_globalTransparent = -1;
    GifFrameImage m_frame;
};

GifWriter::GifWriter(QIODevice &out, QSize size, const AnimationWords &words, bool loops)
    : AnimationWriter(size), m_out(out), m_words(words), m_loops(loops)
{
    if (size.width() < 1 || size.height() < 1 || size.width() > 0xFFFF || size.height() > 0xFFFF) {
        fail(QStringLiteral("una GIF non può avere le dimensioni %1 × %2").arg(size.width()).arg(size.height()));
        return;
    }
    int error = 0;
    m_gif = EGifOpen(this, put, &error);
    if (!m_gif)
        fail(QStringLiteral("memoria insufficiente per scrivere la GIF"));
}

GifWriter::~GifWriter()
{
    if (m_gif)
        EGifCloseFile(m_gif, nullptr);
}

int GifWriter::put(GifFileType *gif, const GifByteType *bytes, int length)
{
    auto *self = static_cast<GifWriter *>(gif->UserData);
    const qint64 written = self->m_out.write(reinterpret_cast<const char *>(bytes), length);
    if (written != length)
        self->m_writeFailed = true;
    return int(std::max<qint64>(written, 0));
}

bool GifWriter::stopped()
{
    if (!failedWriting())
        fail(QStringLiteral("giflib non è riuscita a scrivere la GIF (errore %1)").arg(m_gif ? m_gif->Error : 0));
    return false;
}

// giflib does not look at every write's result: a failed write shows here.
bool GifWriter::failedWriting()
{
    if (m_writeFailed)
        fail(QStringLiteral("impossibile scrivere la GIF (%1)").arg(m_out.errorString()));
    return failed();
}

bool GifWriter::putComment(const QByteArray &text)
{
    if (text.isEmpty())
        return true;
    if (EGifPutExtensionLeader(m_gif, COMMENT_EXT_FUNC_CODE) == GIF_ERROR)
        return false;
    for (qsizetype at = 0; at < text.size(); at += GifComments::subBlock) {
        const int length = int(std::min<qsizetype>(GifComments::subBlock, text.size() - at));
        if (EGifPutExtensionBlock(m_gif, length, text.constData() + at) == GIF_ERROR)
            return false;
    }
    return EGifPutExtensionTrailer(m_gif) != GIF_ERROR;
}

// The screen with the global table; the loop, when there is one, comes first, where every viewer
// looks for it; then the words.
bool GifWriter::start()
{
    const int room = m_global.size() < GifPalette::most ? 1 : 0;
    m_globalTransparent = room ? m_global.size() : -1;
    const GifPalette::Map map = m_global.map(room);
    if (!map)
        return fail(QStringLiteral("memoria insufficiente per scrivere la GIF"));
    EGifSetGifVersion(m_gif, true);
    if (EGifPutScreenDesc(m_gif, size().width(), size().height(), 8, 0, map.get()) == GIF_ERROR)
        return false;
    if (m_loops) {
        static const char application[] = "NETSCAPE2.0";
        static const GifByteType forEver[] = {1, 0, 0};
        if (EGifPutExtensionLeader(m_gif, APPLICATION_EXT_FUNC_CODE) == GIF_ERROR
            || EGifPutExtensionBlock(m_gif, sizeof application - 1, application) == GIF_ERROR
            || EGifPutExtensionBlock(m_gif, sizeof forEver, forEver) == GIF_ERROR || EGifPutExtensionTrailer(m_gif) == GIF_ERROR)
            return false;
    }
    return putComment(GifComments::wordsComment(m_words)) && putComment(m_words.machineForm);
}

// The smallest rectangle holding every pixel that differs from rows (row y at rows(y)); a frame
// that changes nothing still needs a pixel to carry its delay.
template<class Rows>
QRect GifWriter::changed(const QImage &frame, Rows rows) const
{
    const int width = size().width();
    int top = -1, bottom = -1, left = width, right = -1;
    for (int y = 0; y < size().height(); ++y) {
        const QRgb *row = reinterpret_cast<const QRgb *>(frame.constScanLine(y));
        const QRgb *against = rows(y);
        if (std::memcmp(row, against, std::size_t(width) * sizeof(QRgb)) == 0)
            continue;
        if (top < 0)
            top = y;
        bottom = y;
        int l = 0;
        while (row[l] == against[l])
            ++l;
        int r = width - 1;
        while (row[r] == against[r])
            --r;
        left = std::min(left, l);
        right = std::max(right, r);
    }
    return top < 0 ? QRect(0, 0, 1, 1) : QRect(QPoint(left, top), QPoint(right, bottom));
}

// Every colour of the rectangle's changed pixels (or of all of them) kept exactly: false when
// there are too many for one table.
bool GifWriter::exact(const QImage &frame, const QRect &rect, bool transparency)
{
    GifFrameImage &f = m_frame;
    f.rect = rect;
    f.colours.clear();
    f.hasUnchanged = false;
    f.indices.resize(std::size_t(rect.width()) * std::size_t(rect.height()));
    const int limit = transparency ? int(unchanged) : GifPalette::most;
    std::uint8_t *out = f.indices.data();
    QRgb last = 0;
    int lastIndex = -1;
    std::uint8_t previous = unchanged;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        const QRgb *row = reinterpret_cast<const QRgb *>(frame.constScanLine(y)) + rect.left();
        const QRgb *shown = transparency ? m_shown.data() + std::size_t(y) * std::size_t(size().width()) + rect.left() : nullptr;
        for (int x = 0; x < rect.width(); ++x) {
            const QRgb colour = row[x];
            // An unchanged pixel may take either index: it goes on with the run before it, which
            // the compression likes best.
            if (shown && colour == shown[x] && (previous == unchanged || colour != last)) {
                *out++ = previous = unchanged;
                f.hasUnchanged = true;
                continue;
            }
            if (lastIndex < 0 || colour != last) {
                lastIndex = f.colours.add(colour);
                if (lastIndex < 0 || lastIndex >= limit)
                    return false;
                last = colour;
            }
            *out++ = previous = std::uint8_t(lastIndex);
        }
    }
    return true;
}

// The frame's indices written in the global table when it holds all its colours, else in a
// table of its own; then what is shown follows.
bool GifWriter::put(int delay)
{
    GifFrameImage &f = m_frame;
    std::array<std::uint8_t, GifPalette::most> toGlobal{};
    bool global = !f.hasUnchanged || m_globalTransparent >= 0;
    for (int i = 0; global && frames() > 0 && i < f.colours.size(); ++i) {
        const int index = m_global.find(f.colours.colour(i));
        global = index >= 0;
        toGlobal[std::size_t(i)] = std::uint8_t(index);
    }
    const int transparent = !f.hasUnchanged ? NO_TRANSPARENT_COLOR : global ? m_globalTransparent : f.colours.size();
    // Without unchanged pixels, 255 may be a colour of the frame's own.
    if (f.hasUnchanged)
        toGlobal[unchanged] = std::uint8_t(transparent);
    if (global && frames() > 0) {
        for (std::uint8_t &index : f.indices)
            index = toGlobal[index];
    } else if (f.hasUnchanged) {
        for (std::uint8_t &index : f.indices)
            if (index == unchanged)
                index = std::uint8_t(transparent);
    }

    GraphicsControlBlock control{DISPOSE_DO_NOT, false, std::min(delay, longestDelay), transparent};
    GifByteType extension[4];
    EGifGCBToExtension(&control, extension);
    const GifPalette::Map local = global ? nullptr : f.colours.map(f.hasUnchanged ? 1 : 0);
    if (!global && !local)
        return fail(QStringLiteral("memoria insufficiente per scrivere la GIF"));
    if (EGifPutExtension(m_gif, GRAPHICS_EXT_FUNC_CODE, sizeof extension, extension) == GIF_ERROR
        || EGifPutImageDesc(m_gif, f.rect.left(), f.rect.top(), f.rect.width(), f.rect.height(), false, local.get()) == GIF_ERROR)
        return false;
    const int width = f.rect.width();
    for (int y = 0; y < f.rect.height(); ++y)
        if (EGifPutLine(m_gif, f.indices.data() + std::size_t(y) * std::size_t(width), width) == GIF_ERROR)
            return false;
    // giflib keeps a copy of the frame's own table, and loses it if the next frame has none.
    GifFreeMapObject(m_gif->Image.ColorMap);
    m_gif->Image.ColorMap = nullptr;

    const GifPalette &table = global ? m_global : f.colours;
    const std::uint8_t *index = f.indices.data();
    for (int y = f.rect.top(); y <= f.rect.bottom(); ++y) {
        QRgb *shown = m_shown.data() + std::size_t(y) * std::size_t(size().width()) + f.rect.left();
        for (int x = 0; x < width; ++x, ++index)
            if (*index != transparent)
                shown[x] = table.colour(*index);
    }
    return true;
}

// With a transparent index for the unchanged pixels if it fits, else without.
bool GifWriter::exactly(const QImage &frame, const QRect &rect)
{
    const bool transparency = !m_shown.empty();
    return exact(frame, rect, transparency) || (transparency && exact(frame, rect, false));
}

// The frame as it is put: exactly where what changed fits in one table, else reduced. Once a
// frame is reduced, what is shown differs from the frames wherever they were, and stays where the
// frames themselves did not change: only what changed since the frame before is drawn again.
// False if the reduction fails.
bool GifWriter::prepare(const QImage &frame)
{
    if (m_shown.empty())
        return exactly(frame, frame.rect()) || reduce(frame, frame.rect());
    const std::size_t width = std::size_t(size().width());
    const QRect rect = changed(frame, [this, width](int y) { return m_shown.data() + std::size_t(y) * width; });
    if (exactly(frame, rect))
        return true;
    if (m_previous.isNull())
        return reduce(frame, rect);
    const QRect moved = changed(frame, [this](int y) { return reinterpret_cast<const QRgb *>(m_previous.constScanLine(y)); });
    return exactly(frame, moved) || reduce(frame, moved);
}

bool GifWriter::reduce(const QImage &frame, const QRect &rect)
{
    m_reduced = true;
    return GifQuantizer::reduce(frame, rect, m_frame);
}

bool GifWriter::encode(const QImage &image, int delayCentiseconds)
{
    if (!prepare(image))
        return fail(QStringLiteral("libimagequant non è riuscita a ridurre i colori di un fotogramma"));
    if (m_reduced)
        m_previous = image;
    if (frames() == 0) {
        m_global = GifGlobalTable::of(m_frame.colours, m_frame.indices);
        m_shown.resize(std::size_t(size().width()) * std::size_t(size().height()));
        if (!start())
            return stopped();
    }
    if (!put(delayCentiseconds))
        return stopped();
    return !failedWriting();
}

bool GifWriter::close()
{
    const int closed = EGifCloseFile(m_gif, nullptr);
    m_gif = nullptr;
    if (closed == GIF_ERROR)
        return stopped();
    return !failedWriting();
}
}

std::unique_ptr<AnimationWriter> GifFile::writer(QIODevice &out, QSize size, const AnimationWords &words, bool loops)
{
    return std::make_unique<GifWriter>(out, size, words, loops);
}
