#pragma once
// The drawing screen: on every activation it takes the parameter set and the
// aspect factor, scales its surface, draws the three axis lines and the curve
// in the next palette colour over the current picture. It keeps the picture's
// curves as values, and tells of every change through the picture news.

#include "curve/CurveModel.h"
#include "curve/Projection.h"
#include "picture/PictureHost.h"
#include "runtime/Screen.h"

class PictureMenu;
class QPushButton;

class Form4 : public Screen, public PictureHost {
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

    // The curves drawn since the picture was last cleared, in drawing order.
    const PictureCurves &curves() const { return m_curves; }
    PictureMenu &pictureMenu() const { return *m_menu; }

    Picture picture() override;
    bool holdsCurves() const override { return !m_curves.empty(); }
    // Clears the picture and draws each curve of the document as an activation would, in its
    // own colour; the parameter screen then shows the last curve's values.
    void open(const PictureDocument &document) override;

private:
    bool copyParameters();
    // From the view coefficients to the curve: what each drawing does once the values are in.
    void draw();
    // Tells a screen reader and the picture news what the picture now holds.
    void pictureChanged(bool drawn);

    CurveModel m_model;
    PictureCurves m_curves;
    PictureMenu *m_menu;
};
