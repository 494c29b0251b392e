#pragma once
// The calibration screen: the user moves the scroll bar until the test figure
// is a true circle, which fixes the aspect factor Incr of the drawing surface.

#include "calibration/CirclePoints.h"
#include "runtime/Screen.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

class Form2 : public Screen {
    Q_OBJECT
public:
    Form2();

    // Height per unit of width of a drawing surface, which the drawing screen reads; an empty
    // value reads as 0.
    double Incr = 0;

    void Form_Activate() override;

private:
    void HScroll1_Change();
    void Command1_Click();
    void Command3_Click();

    void COORDINATE();
    void TRACCIA();

    float P1 = 0;
    float CX = 0;
    float CY = 0;
    double XR = 0;
    double YR = 0;

    QLabel *Label1;
    QScrollBar *HScroll1;
    QPushButton *Command2;
    QLineEdit *Text1;
    QPushButton *Command1;
    QPushButton *Command3;

    // Tells a screen reader the factor the figure is drawn at, and whether the
    // earlier figures were cleared first.
    void describeFigure(bool cleared);

    CirclePoints m_circle;
};
