#include "runtime/ArrowKeys.h"

#include <QKeyEvent>
#include <QScrollBar>

namespace {
class Pointer : public QObject {
public:
    explicit Pointer(QScrollBar *bar) : QObject(bar) { bar->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->modifiers() != Qt::NoModifier && key->modifiers() != Qt::KeypadModifier)
            return false;
        auto *bar = static_cast<QScrollBar *>(watched);
        if (key->key() == Qt::Key_Right)
            bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        else if (key->key() == Qt::Key_Left)
            bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
        else
            return false;
        return true;
    }
};
}

void ArrowKeys::pointTheWay(QScrollBar *bar)
{
    new Pointer(bar);
}
