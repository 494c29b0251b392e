#include "files/motion/AnimationBounds.h"
#include "files/motion/GifComments.h"
#include "files/motion/GifFile.h"

#include <QIODevice>
#include <gif_lib.h>
#include <variant>

namespace {
constexpr int extensionsBesideFrames = 16;

int take(GifFileType *gif, GifByteType *bytes, int length)
{
    return int(static_cast<QIODevice *>(gif->UserData)->read(reinterpret_cast<char *>(bytes), length));
}

struct Closer {
    void operator()(GifFileType *gif) const { DGifCloseFile(gif, nullptr); }
};

QString damaged()
{
    return QStringLiteral("l'immagine GIF è danneggiata o incompleta");
}

QString tooLarge(int width, int height)
{
    return QStringLiteral("l'immagine GIF è troppo grande (%1 × %2 pixel; al massimo %3 per lato)")
        .arg(width)
        .arg(height)
        .arg(AnimationBounds::largestSide);
}

QString tooLong()
{
    return QStringLiteral("l'immagine GIF ha parole troppo lunghe per essere un'immagine di Elica");
}

// An extension block: its code, and its text if it is a comment.
struct Extension {
    int code = 0;
    QByteArray comment;
};

// The extension that starts here, walked to its end; or why the file is refused. The bytes of
// every extension so far are counted in walked: a file of words far longer than any Elica writes
// is refused before they are all kept.
std::variant<Extension, QString> extension(GifFileType *gif, qsizetype &walked)
{
    Extension out;
    GifByteType *block = nullptr;
    if (DGifGetExtension(gif, &out.code, &block) == GIF_ERROR)
        return damaged();
    while (block) {
        walked += block[0];
        if (walked > 2 * AnimationBounds::longestWords)
            return tooLong();
        if (out.code == COMMENT_EXT_FUNC_CODE) {
            if (out.comment.size() + block[0] > AnimationBounds::longestWords)
                return tooLong();
            out.comment.append(reinterpret_cast<const char *>(block + 1), block[0]);
        }
        if (DGifGetExtensionNext(gif, &block) == GIF_ERROR)
            return damaged();
    }
    return out;
}

// The compressed pixels are passed over a sub-block at a time, never inflated.
bool skipPixels(GifFileType *gif)
{
    int codeSize = 0;
    GifByteType *block = nullptr;
    if (DGifGetCode(gif, &codeSize, &block) == GIF_ERROR)
        return false;
    while (block)
        if (DGifGetCodeNext(gif, &block) == GIF_ERROR)
            return false;
    return true;
}
}

bool GifFile::isGif(const QByteArray &head)
{
    return head.startsWith("GIF87a") || head.startsWith("GIF89a");
}

// Every block is walked to the trailer, so that a file cut short or damaged in its structure is
// refused like any other damaged file; each step takes bytes from the file, so none can go on
// for ever.
WordsReading GifFile::words(QIODevice &device)
{
    int error = 0;
    const std::unique_ptr<GifFileType, Closer> gif(DGifOpen(&device, take, &error));
    if (!gif)
        return error == D_GIF_ERR_NOT_GIF_FILE ? QStringLiteral("il file non è un'immagine GIF") : damaged();
    if (gif->SWidth > AnimationBounds::largestSide || gif->SHeight > AnimationBounds::largestSide)
        return tooLarge(gif->SWidth, gif->SHeight);
    FileWords words;
    bool seenWords = false;
    int frames = 0;
    // A frame comes after one extension of its own (its delay); the words and the loop are three
    // more. A file of empty extensions by the million is no animation of Elica's.
    int extensions = 0;
    qsizetype extensionBytes = 0;
    for (;;) {
        GifRecordType type = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif.get(), &type) == GIF_ERROR)
            return damaged();
        if (type == TERMINATE_RECORD_TYPE)
            break;
        if (type == IMAGE_DESC_RECORD_TYPE) {
            if (DGifGetImageHeader(gif.get()) == GIF_ERROR)
                return damaged();
            const GifImageDesc &image = gif->Image;
            if (image.Width > AnimationBounds::largestSide || image.Height > AnimationBounds::largestSide)
                return tooLarge(image.Width, image.Height);
            if (image.Width == 0 || image.Height == 0 || image.Left + image.Width > gif->SWidth
                || image.Top + image.Height > gif->SHeight || (!image.ColorMap && !gif->SColorMap))
                return damaged();
            if (++frames > AnimationBounds::mostFrames)
                return QStringLiteral("l'immagine GIF ha più di %1 fotogrammi").arg(AnimationBounds::mostFrames);
            if (!skipPixels(gif.get()))
                return damaged();
            continue;
        }
        if (++extensions > frames + extensionsBesideFrames)
            return damaged();
        const std::variant<Extension, QString> read = extension(gif.get(), extensionBytes);
        if (const QString *why = std::get_if<QString>(&read))
            return *why;
        const Extension &found = std::get<Extension>(read);
        if (found.code != COMMENT_EXT_FUNC_CODE)
            continue;
        if (GifComments::isForm(found.comment)) {
            if (words.machineForm)
                return damaged();
            words.machineForm = found.comment;
        } else if (!seenWords) {
            GifComments::readWords(found.comment, words);
            seenWords = true;
        }
    }
    if (frames == 0)
        return damaged();
    return words;
}
