#include "picture/FileWords.h"
#include "picture/MachineForm.h"

#include <QImageReader>

// The whole image is decoded, not only the texts before it: a file cut short or damaged in its
// pixels is refused like any other damaged file.
WordsReading FileWordsReader::png(QIODevice &device)
{
    QImageReader reader(&device, "png");
    QImage image;
    if (!reader.read(&image))
        return QStringLiteral("l'immagine PNG è danneggiata o incompleta (%1)").arg(reader.errorString());
    FileWords words;
    const QString form = image.text(QString::fromLatin1(MachineForm::keyword()));
    if (!form.isEmpty())
        words.machineForm = form.toLatin1();
    words.title = image.text(QStringLiteral("Title"));
    words.maker = image.text(QStringLiteral("Software"));
    words.curves = image.text(QStringLiteral("Description"));
    return words;
}
