#include "runtime/SurfaceFigure.h"
#include "runtime/GraphicRole.h"

SurfaceFigure::SurfaceFigure(QWidget *screen) : QWidget(screen)
{
    GraphicRole::give(QStringLiteral("SurfaceFigure"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(screen->rect());
    lower();
}
