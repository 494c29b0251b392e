#pragma once
// A command button whose caption wraps over several lines, centred, when it is
// wider than the button; text() keeps the caption exactly as given.

#include <QPushButton>

class WrappingButton : public QPushButton {
    Q_OBJECT
public:
    WrappingButton(const QString &caption, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};
