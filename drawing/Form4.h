#pragma once
// The drawing screen: on every activation it takes the parameter set and the
// aspect factor, scales its surface, draws the three axis lines and the curve
// in the next palette colour over the current picture.

#include "drawing/AngleSteps.h"
#include "drawing/Projection.h"
#include "runtime/Screen.h"

class QPushButton;

class Form4 : public Screen {
    Q_OBJECT
public:
    Form4();

    float P1 = 0;
    double Va = 0, Vb = 0, Vc = 0, Vd = 0, Ve = 0, Vp = 0;
    double AA = 0, AB = 0;
    double CA = 0, SA = 0, CB = 0, SB = 0;
    float CX = 0, CY = 0;
    double X = 0, Y = 0, Z = 0;
    double M = 0, N = 0;

    void Form_Activate() override;
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

    // Inline: the curve projects thousands of points in a row.
    void TRASFORM()
    {
        const Projection::Displacement d = Projection::transform(X, Y, Z, {CA, SA, CB, SB});
        M = d.M;
        N = d.N;
    }
    void CALCOLA();

    QPushButton *Command1;
    QPushButton *Command2;
    QPushButton *Command3;

private:
    bool copyParameters();
    // Tells a screen reader what the picture now holds.
    void describePicture();

    AngleSteps m_rhoSteps;
    AngleSteps m_muSteps;
};
