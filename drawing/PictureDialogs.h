#pragma once
// The two dialogs of the picture's menu: the toolkit's own file and print dialogs, or stand-ins
// that the tests set (as they do for the message box).

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
using PrintAsker = std::function<bool(QWidget *parent, QPrinter &printer)>;

// Nothing when the user cancels; the first filter is chosen when the dialog opens.
std::optional<SaveChoice> askSave(QWidget *parent, const QString &suggested, const QStringList &filters);
// Whether the user asked to print.
bool askPrint(QWidget *parent, QPrinter &printer);

// An empty stand-in restores the toolkit's dialog.
void setSaveAsker(SaveAsker asker);
void setPrintAsker(PrintAsker asker);
}
