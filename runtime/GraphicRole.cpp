#include "runtime/GraphicRole.h"

#include <QAccessibleWidget>
#include <QSet>
#include <QWidget>

namespace {
QSet<QString> &classes()
{
    static QSet<QString> names;
    return names;
}

QAccessibleInterface *factory(const QString &className, QObject *object)
{
    if (classes().contains(className))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Graphic);
    return nullptr;
}
}

void GraphicRole::give(const QString &className)
{
    if (classes().isEmpty())
        QAccessible::installFactory(factory);
    classes().insert(className);
}
