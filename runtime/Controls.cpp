#include "runtime/Controls.h"
#include "runtime/Palette.h"

#include <QWidget>

void Controls::setBackColor(QWidget *field, unsigned bgr)
{
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, colorFromBgr(bgr));
    field->setPalette(palette);
}

void Controls::setForeColor(QWidget *control, unsigned bgr)
{
    QPalette palette = control->palette();
    palette.setColor(QPalette::WindowText, colorFromBgr(bgr));
    control->setPalette(palette);
}

QFont Controls::sansSerif(double points, bool bold)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void Controls::tabOrder(std::initializer_list<QWidget *> controls)
{
    QWidget *previous = nullptr;
    for (QWidget *control : controls) {
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
    if (controls.size() > 0)
        (*controls.begin())->setFocus(Qt::OtherFocusReason);
}
