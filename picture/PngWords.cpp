#include "picture/FileWords.h"

#include <QImageReader>
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

// The whole image is decoded, not only the texts before it: a file cut short or damaged in its
// pixels is refused like any other damaged file.
WordsReading FileWordsReader::png(QIODevice &device, const WordKeys &keys)
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
