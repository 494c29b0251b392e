#include "runtime/SurfaceFigure.h"

#include <QAccessibleWidget>

namespace {
QAccessibleInterface *factory(const QString &className, QObject *object)
{
    if (className == QLatin1String("SurfaceFigure"))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Graphic);
    return nullptr;
}
}

SurfaceFigure::SurfaceFigure(QWidget *screen) : QWidget(screen)
{
    static const bool installed = (QAccessible::installFactory(factory), true);
    Q_UNUSED(installed);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(screen->rect());
    lower();
}
