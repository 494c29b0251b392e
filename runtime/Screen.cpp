#include "runtime/Screen.h"
#include "runtime/Controls.h"
#include "runtime/Program.h"
#include "runtime/ScreenFlow.h"
#include "runtime/Twips.h"

#include <QAbstractButton>
#include <QPaintEvent>
#include <QPainter>

Screen::Screen(const QString &caption, QSize clientTwips, bool opensMaximised)
    : m_opensMaximised(opensMaximised)
{
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
    ScreenFlow::instance().show(*this);
}

void Screen::place(QWidget *control, int left, int top, int width, int height)
{
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
    m_surface.resize(size(), devicePixelRatioF(), Twips::logicalDpi());
}
