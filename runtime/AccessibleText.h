#pragma once
// Gives a widget that only paints text (a page, say) a read-only accessible
// text, so that a screen reader reads in order what the widget shows.

#include <QAccessible>
#include <QString>

class QWidget;

namespace AccessibleText {
// From now on the widget is read as this text, in the given role.
void expose(QWidget *widget, QAccessible::Role role, const QString &text);
}
