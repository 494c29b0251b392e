#pragma once
// Small services on the screens' controls: colours given as 24-bit
// blue-green-red numbers, the fonts the designs ask for, and the tab order.

#include <QFont>
#include <initializer_list>

class QWidget;

namespace Controls {
constexpr unsigned red = 255;
constexpr unsigned white = 0xFFFFFF;

// Background of a text field.
void setBackColor(QWidget *field, unsigned bgr);
// Text colour of a label or frame.
void setForeColor(QWidget *control, unsigned bgr);

// The sans-serif face the labels are designed in, at a point size.
QFont sansSerif(double points, bool bold = false);

// Chains the keyboard focus through the controls in the given order and puts
// the focus on the first.
void tabOrder(std::initializer_list<QWidget *> controls);
}
