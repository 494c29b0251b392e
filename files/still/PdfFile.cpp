#include "files/still/PdfInfo.h"
#include "files/still/PdfModule.h"
#include "files/still/StillFiles.h"
#include "picture/MachineForm.h"
#include "picture/Picture.h"
#include "runtime/PrivateModule.h"

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace {
constexpr int logicalDpi = 96;
}

bool StillFiles::isPdf(const QByteArray &head)
{
    return head.startsWith("%PDF-");
}

QByteArray StillFiles::pdf(const Picture &picture, const WordKeys &keys)
{
    QByteArray out;
    {
        QBuffer buffer(&out);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(logicalDpi);
        // 1 logical pixel is 1/96 inch, 0.75 point.
        writer.setPageSize(QPageSize(QSizeF(picture.size) * 72.0 / logicalDpi, QPageSize::Point, QString(),
                                     QPageSize::ExactMatch));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setTitle(PictureWords::title());
        writer.setCreator(PictureWords::maker());
        QPainter painter(&writer);
        picture.paint(painter);
    }
    return PdfInfo::withInfo(out, {{keys.title, PictureWords::title()},
                                   {keys.description, PictureWords::description(picture.document)},
                                   {keys.maker, PictureWords::maker()},
                                   {keys.form, QString::fromLatin1(MachineForm::write(picture.document))}});
}

WordsReading StillFiles::pdfWords(QIODevice &device, const WordKeys &keys)
{
    static const auto read = reinterpret_cast<PdfModule::InfoReader>(PrivateModule::resolve(PdfModule::fileName, PdfModule::infoReaderName));
    if (!read)
        return QStringLiteral("manca il modulo che legge i PDF (%1)").arg(QLatin1String(PdfModule::fileName));
    const QStringList names = {QString::fromLatin1(keys.form), QString::fromLatin1(keys.maker), QString::fromLatin1(keys.description)};
    QStringList values;
    switch (read(&device, &names, &values)) {
    case PdfModule::Read:
        break;
    case PdfModule::Locked:
        return QStringLiteral("il PDF è protetto da una password");
    default:
        return QStringLiteral("il PDF è danneggiato o illeggibile");
    }
    FileWords words;
    if (!values.value(0).isEmpty())
        words.machineForm = values[0].toUtf8();
    words.maker = values.value(1);
    words.curves = values.value(2);
    return words;
}
