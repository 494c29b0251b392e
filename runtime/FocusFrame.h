#pragma once
// A visible frame around a control while it has the keyboard focus, for the
// controls whose style shows no focus of its own (a scroll bar, a page view).

class QWidget;

namespace FocusFrame {
void follow(QWidget *control);
}
