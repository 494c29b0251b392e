#include "runtime/SpokenValue.h"

#include <QAbstractSlider>
#include <QAccessibleWidget>
#include <cmath>

namespace {
constexpr char valueKey[] = "elicaSpokenValue";
constexpr char offsetKey[] = "elicaSpokenOffset";
constexpr char stepKey[] = "elicaSpokenStep";

class SpokenSlider : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit SpokenSlider(QAbstractSlider *slider) : QAccessibleWidget(slider, QAccessible::ScrollBar) {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QVariant currentValue() const override { return slider()->property(valueKey); }
    // A value asked for by an assistive tool moves the bar to the nearest position.
    void setCurrentValue(const QVariant &value) override
    {
        slider()->setValue(int(std::lround((value.toDouble() - offset()) / step())));
    }
    QVariant minimumValue() const override { return offset() + step() * slider()->minimum(); }
    QVariant maximumValue() const override { return offset() + step() * slider()->maximum(); }
    QVariant minimumStepSize() const override { return step(); }

private:
    QAbstractSlider *slider() const { return static_cast<QAbstractSlider *>(widget()); }
    double offset() const { return slider()->property(offsetKey).toDouble(); }
    double step() const { return slider()->property(stepKey).toDouble(); }
};

QAccessibleInterface *factory(const QString &, QObject *object)
{
    if (auto *slider = qobject_cast<QAbstractSlider *>(object); slider && slider->property(stepKey).isValid())
        return new SpokenSlider(slider);
    return nullptr;
}
}

void SpokenValue::attach(QAbstractSlider *slider, double offset, double step)
{
    static const bool installed = (QAccessible::installFactory(factory), true);
    Q_UNUSED(installed);
    slider->setProperty(offsetKey, offset);
    slider->setProperty(stepKey, step);
    slider->setProperty(valueKey, offset + step * slider->value());
    // The bar's own interface may have been made already, by an event of its
    // construction; the next question then gets this one.
    QAccessibleInterface *made = QAccessible::queryAccessibleInterface(slider);
    if (!dynamic_cast<SpokenSlider *>(made))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

void SpokenValue::set(QAbstractSlider *slider, double value)
{
    slider->setProperty(valueKey, value);
    QAccessibleValueChangeEvent event(slider, value);
    QAccessible::updateAccessibility(&event);
}
