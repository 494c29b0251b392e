#pragma once
// The one way a window saves a picture, an animation or a model: a dated name in the last folder,
// the save dialog with the formats of the kind, the format that the name's extension or else the
// filter gives, the file written through SavedFile (replaced only once complete), then a failure
// named with the file and its reason, or the folder remembered. A caller gives only what differs:
// the question before the dialog, a dialog with rows of its own, the writer.

#include "files/PictureFormats.h"
#include "files/SavedFile.h"
#include "runtime/SaveDialog.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QDateTime;
class QWidget;

namespace SaveFlow {
struct Target {
    QString path;
    const PictureFormats::Entry *format;
};

// How the file is asked for, from the suggested path and the kind's filters.
using Ask = std::function<std::optional<SaveDialog::Choice>(const QString &suggested, const QStringList &filters)>;
// The toolkit's save dialog with this title.
Ask dialog(QWidget &window, const QString &title);

// The file to save in, or nothing when the user cancels.
std::optional<Target> ask(PictureFormats::Kind kind, const Ask &ask);

// How the save ended, told: nothing for a cancelled one; else one message with the failure, if
// any, and the notes (what the file left out), a line each; the folder remembered once written.
void tell(PictureFormats::Kind kind, const QString &path, const SavedFile::Outcome &outcome, const QStringList &notes = {});

// What a save written at once comes to, with the notes to tell.
struct Written {
    SavedFile::Outcome outcome;
    QStringList notes = {};
};
// Asked, written at once and told.
void run(PictureFormats::Kind kind, const Ask &ask, const std::function<Written(const Target &target)> &write);

// elica-2026-12-07-143005.png in the given folder, or with another extension.
QString suggestedPath(const QString &folder, const QDateTime &now, const QString &extension);
}
