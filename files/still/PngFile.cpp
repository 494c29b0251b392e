#include "files/still/StillFiles.h"
#include "picture/Picture.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>
#include <QtEndian>

namespace {
// Every chunk lies within the file and the last is the end chunk. A length that claims more
// bytes than the file has would have the decoder set aside that much memory before it found out.
bool chunksFit(QIODevice &device)
{
    const qint64 size = device.size();
    for (qint64 at = 8; at + 12 <= size;) {
        if (!device.seek(at))
            return false;
        const QByteArray head = device.read(8);
        if (head.size() != 8)
            return false;
        const quint32 length = qFromBigEndian<quint32>(head.constData());
        if (length > size - at - 12)
            return false;
        if (head.mid(4) == "IEND")
            return true;
        at += 12 + qint64(length);
    }
    return false;
}
}

bool StillFiles::isPng(const QByteArray &head)
{
    return head.startsWith("\x89PNG\r\n\x1a\n");
}

QByteArray StillFiles::png(const Picture &picture, const WordKeys &keys)
{
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    // The texts go into an image that only looks at the picture's pixels: set on the picture's own
    // image, which the surface shares, they would have every pixel copied first, at a cost greater
    // than the rest of the writing.
    const QImage shown = picture.shownImage();
    QImage withWords(shown.constBits(), shown.width(), shown.height(), shown.bytesPerLine(), shown.format());
    withWords.setDotsPerMeterX(shown.dotsPerMeterX());
    withWords.setDotsPerMeterY(shown.dotsPerMeterY());
    for (const auto &[key, text] : picture.texts(keys))
        withWords.setText(key, text);
    QImageWriter(&buffer, "png").write(withWords);
    return out;
}

// The whole image is decoded, not only the texts before it: a file cut short or damaged in its
// pixels is refused like any other damaged file.
WordsReading StillFiles::pngWords(QIODevice &device, const WordKeys &keys)
{
    if (!chunksFit(device) || !device.seek(0))
        return QStringLiteral("l'immagine PNG è danneggiata o incompleta (le sue parti non tornano con la sua lunghezza)");
    QImageReader reader(&device, "png");
    QImage image;
    if (!reader.read(&image))
        return QStringLiteral("l'immagine PNG è danneggiata o incompleta (%1)").arg(reader.errorString());
    FileWords words;
    const QString form = image.text(QString::fromLatin1(keys.form));
    if (!form.isEmpty())
        words.machineForm = form.toLatin1();
    words.maker = image.text(QString::fromLatin1(keys.maker));
    words.curves = image.text(QString::fromLatin1(keys.description));
    return words;
}
