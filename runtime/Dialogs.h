#pragma once
// The program's message boxes and the toolkit's dialogs for opening a file and for printing, as
// every window asks with them: modal, titled and worded in Italian. Saving asks with SaveDialog.

#include <QString>
#include <QStringList>
#include <optional>

class QPrinter;
class QWidget;

namespace Dialogs {
// A message with one OK button, titled "Elica", modal.
void message(const QString &prompt);
// Whether the user answered "Sì"; "No" is the default and what Escape gives.
bool question(const QString &question);

// The file chosen for opening, or nothing when the user cancels.
std::optional<QString> askOpen(QWidget *parent, const QString &title, const QString &folder, const QStringList &filters);
// Whether the user asked to print.
bool askPrint(QWidget *parent, QPrinter &printer);
}
