#include "picture/ModelWords.h"
#include "picture/MachineForm.h"
#include "picture/Picture.h"

namespace {
const QString title = QStringLiteral("title");
const QString maker = QStringLiteral("maker");
const QString description = QStringLiteral("description");
QString formKey()
{
    return QString::fromLatin1(MachineForm::keyword());
}
}

QList<std::pair<QString, QString>> ModelWords::entries(const PictureDocument &document)
{
    return {
        {title, PictureWords::title()},
        {maker, PictureWords::maker()},
        {description, PictureWords::description(document)},
        {formKey(), QString::fromLatin1(MachineForm::write(document))},
    };
}

std::optional<FileWords> ModelWords::read(const QHash<QString, QString> &texts)
{
    if (!texts.contains(maker) && !texts.contains(formKey()))
        return std::nullopt;
    FileWords words;
    if (texts.contains(formKey()))
        words.machineForm = texts.value(formKey()).toLatin1();
    words.maker = texts.value(maker);
    words.curves = texts.value(description);
    return words;
}
