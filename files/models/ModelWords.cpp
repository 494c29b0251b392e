#include "files/models/ModelWords.h"
#include "picture/MachineForm.h"
#include "picture/Picture.h"

QList<std::pair<QString, QString>> ModelWords::entries(const PictureDocument &document, const WordKeys &keys)
{
    return {
        {QString::fromLatin1(keys.title), PictureWords::title()},
        {QString::fromLatin1(keys.maker), PictureWords::maker()},
        {QString::fromLatin1(keys.description), PictureWords::description(document)},
        {QString::fromLatin1(keys.form), QString::fromLatin1(MachineForm::write(document))},
    };
}

std::optional<FileWords> ModelWords::read(const QHash<QString, QString> &texts, const WordKeys &keys)
{
    const QString maker = QString::fromLatin1(keys.maker);
    const QString form = QString::fromLatin1(keys.form);
    if (!texts.contains(maker) && !texts.contains(form))
        return std::nullopt;
    FileWords words;
    if (texts.contains(form))
        words.machineForm = texts.value(form).toLatin1();
    words.maker = texts.value(maker);
    words.curves = texts.value(QString::fromLatin1(keys.description));
    return words;
}
