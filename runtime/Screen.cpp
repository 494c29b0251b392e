#include "runtime/Screen.h"
#include "runtime/Controls.h"
#include "runtime/Program.h"
#include "runtime/ScreenFlow.h"
#include "runtime/SurfaceFigure.h"
#include "runtime/Twips.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QPaintEvent>
#include <QPainter>

namespace {
// A screen is a window to a screen reader, announced by its title when it
// comes to the front; a plain widget would be an unnamed filler.
QAccessibleInterface *windowFactory(const QString &, QObject *object)
{
    if (auto *screen = qobject_cast<Screen *>(object))
        return new QAccessibleWidget(screen, QAccessible::Window);
    return nullptr;
}
}

Screen::Screen(const QString &caption, QSize clientTwips, bool opensMaximised)
    : m_opensMaximised(opensMaximised)
{
    static const bool installed = (QAccessible::installFactory(windowFactory), true);
    Q_UNUSED(installed);
    setWindowTitle(caption);
    // The designs are laid out for an 8-point sans-serif face.
    setFont(Controls::sansSerif(8));
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_surface.setColors(palette().color(QPalette::ButtonText), palette().color(QPalette::Button));
    m_surface.onChanged([this] { update(); });
    resize(Twips::toPixels(clientTwips.width(), clientTwips.height()));
    m_surface.resize(size(), devicePixelRatioF(), Twips::logicalDpi());
    ScreenFlow::instance().track(this, opensMaximised, [this] { Form_Activate(); });
}

Screen::~Screen()
{
    ScreenFlow::instance().forget(this);
}

void Screen::Show()
{
    // The style marks the focused control only after a focus change by the
    // keyboard; a screen shown by the program has its first control focused
    // already, and a keyboard user must see which.
    ScreenFlow::instance().show(*this);
    setAttribute(Qt::WA_KeyboardFocusChange);
}

void Screen::describeSurface(const QString &name, const QString &description)
{
    if (!m_figure) {
        m_figure = new SurfaceFigure(this);
        m_figure->show();
    }
    m_figure->setAccessibleName(name);
    m_figure->setAccessibleDescription(description);
}

void Screen::place(QWidget *control, const char *name, int left, int top, int width, int height)
{
    control->setObjectName(QLatin1String(name));
    control->setGeometry(Twips::toPixels(left, top, width, height));
}

void Screen::onClick(QAbstractButton *button, std::function<void()> handler)
{
    connect(button, &QAbstractButton::clicked, this, [handler = std::move(handler)] { Program::handle(handler); });
}

void Screen::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    m_surface.paint(painter, event->rect());
    m_surface.shown();
}

void Screen::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_figure)
        m_figure->setGeometry(rect());
    m_surface.resize(size(), devicePixelRatioF(), Twips::logicalDpi());
}
