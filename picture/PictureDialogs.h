#pragma once
// The dialogs of the picture's menus: the toolkit's own file and print dialogs, or stand-ins that
// the tests set (as they do for the message box); and the folder they open in, the one of the last
// picture saved or opened.

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QPrinter;
class QWidget;

namespace PictureDialogs {
struct SaveChoice {
    QString path;
    int filter; // index into the filters offered
};
using SaveAsker = std::function<std::optional<SaveChoice>(QWidget *parent, const QString &suggested,
                                                          const QStringList &filters)>;
using OpenAsker = std::function<std::optional<QString>(QWidget *parent, const QString &folder, const QStringList &filters)>;
using PrintAsker = std::function<bool(QWidget *parent, QPrinter &printer)>;

// Nothing when the user cancels; the first filter is chosen when the dialog opens.
std::optional<SaveChoice> askSave(QWidget *parent, const QString &suggested, const QStringList &filters);
// The file chosen, or nothing when the user cancels.
std::optional<QString> askOpen(QWidget *parent, const QString &folder, const QStringList &filters);
// Whether the user asked to print.
bool askPrint(QWidget *parent, QPrinter &printer);

// The folder of the last picture saved or opened while it still exists; at first the user's
// pictures folder, or home if there is none.
QString folder();
void rememberFolderOf(const QString &path);

// An empty stand-in restores the toolkit's dialog.
void setSaveAsker(SaveAsker asker);
void setOpenAsker(OpenAsker asker);
void setPrintAsker(PrintAsker asker);
}
