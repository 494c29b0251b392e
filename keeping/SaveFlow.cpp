#include "keeping/SaveFlow.h"
#include "keeping/LastFolder.h"
#include "runtime/Dialogs.h"

#include <QDateTime>
#include <QDir>

SaveFlow::Ask SaveFlow::dialog(QWidget &window, const QString &title)
{
    return [&window, title](const QString &suggested, const QStringList &filters) {
        return SaveDialog(&window, title, suggested, filters).ask();
    };
}

std::optional<SaveFlow::Target> SaveFlow::ask(PictureFormats::Kind kind, const Ask &ask)
{
    // The dated name takes the extension of the first format offered.
    const QString extension = QLatin1String(PictureFormats::ofKind(kind).front()->extension);
    const std::optional<SaveDialog::Choice> choice =
        ask(suggestedPath(LastFolder::get(), QDateTime::currentDateTime(), extension), PictureFormats::saveFilters(kind));
    if (!choice)
        return std::nullopt;
    const auto [path, format] = PictureFormats::chosen(choice->path, choice->filter, kind);
    return Target{path, format};
}

void SaveFlow::tell(PictureFormats::Kind kind, const QString &path, const SavedFile::Outcome &outcome, const QStringList &notes)
{
    if (outcome.cancelled)
        return;
    // Why nothing was written comes first; the notes may say why a file would have been empty.
    QStringList told = notes;
    if (outcome.failure)
        told.prepend(PictureFormats::failedSave(kind, path, *outcome.failure));
    else
        LastFolder::rememberOf(path);
    if (!told.isEmpty())
        Dialogs::message(told.join(QLatin1Char('\n')));
}

void SaveFlow::run(PictureFormats::Kind kind, const Ask &ask, const std::function<Written(const Target &target)> &write)
{
    const std::optional<Target> target = SaveFlow::ask(kind, ask);
    if (!target)
        return;
    const Written written = write(*target);
    tell(kind, target->path, written.outcome, written.notes);
}

QString SaveFlow::suggestedPath(const QString &folder, const QDateTime &now, const QString &extension)
{
    return QDir(folder).filePath(now.toString(QStringLiteral("'elica-'yyyy-MM-dd-HHmmss'.")) + extension);
}
