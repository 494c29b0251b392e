#include "runtime/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

double Twips::logicalDpi()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        return screen->logicalDotsPerInchX();
    return 96.0;
}

int Twips::toPixels(int twips, double dpi)
{
    return int(std::lround(twips * dpi / perInch));
}

QRect Twips::toPixels(int left, int top, int width, int height, double dpi)
{
    return QRect(toPixels(left, dpi), toPixels(top, dpi), toPixels(width, dpi), toPixels(height, dpi));
}

QSize Twips::toPixels(int width, int height, double dpi)
{
    return QSize(toPixels(width, dpi), toPixels(height, dpi));
}
