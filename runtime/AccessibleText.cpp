#include "runtime/AccessibleText.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace {
constexpr char textKey[] = "elicaAccessibleText";
constexpr char roleKey[] = "elicaAccessibleRole";

class ReadOnlyText : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ReadOnlyText(QWidget *widget)
        : QAccessibleWidget(widget, QAccessible::Role(widget->property(roleKey).toInt()))
    {
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.multiLine = true;
        return state;
    }

    QString text(int startOffset, int endOffset) const override
    {
        return whole().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(whole().size()); }
    int cursorPosition() const override { return m_cursor; }
    void setCursorPosition(int position) override { m_cursor = position; }

    // Nothing can be selected, and the characters have no place of their own on
    // the screen: the page is a picture.
    void selection(int, int *startOffset, int *endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

private:
    QString whole() const { return widget()->property(textKey).toString(); }
    int m_cursor = 0;
};

QAccessibleInterface *factory(const QString &, QObject *object)
{
    if (auto *widget = qobject_cast<QWidget *>(object); widget && widget->property(textKey).isValid())
        return new ReadOnlyText(widget);
    return nullptr;
}
}

void AccessibleText::expose(QWidget *widget, QAccessible::Role role, const QString &text)
{
    static const bool installed = (QAccessible::installFactory(factory), true);
    Q_UNUSED(installed);
    widget->setProperty(roleKey, int(role));
    widget->setProperty(textKey, text);
    // An interface made before, by an event of the widget's construction, gives
    // way to this one.
    QAccessibleInterface *made = QAccessible::queryAccessibleInterface(widget);
    if (!dynamic_cast<ReadOnlyText *>(made))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}
