#pragma once
// The drawing screen: on every activation it takes the parameter set and the aspect factor,
// scales its surface, draws the three axis lines and the curve in the next palette colour over
// the current picture. Every drawing, a picture opened from a file and one made on the command
// line, goes the same way. It keeps the picture's curves as values and tells of every change
// through the picture news.

#include "curve/CurveModel.h"
#include "curve/Projection.h"
#include "keeping/PictureHost.h"
#include "runtime/Screen.h"

class QPushButton;

class Form4 : public Screen, public PictureHost {
    Q_OBJECT
public:
    Form4();

    void Form_Activate() override;

    // The picture cleared, then each of the document's curves drawn in its own colour at incr.
    void drawPicture(const PictureDocument &document, double incr);

    // The curves drawn since the picture was last cleared, in drawing order.
    const PictureCurves &curves() const { return m_curves; }
    Picture picture() override;

private:
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
    // Plots the curve of Va ... Vp in the colour of the picture's last curve, the one being drawn.
    void CALCOLA();

    // One drawing over the picture: the values in, the view coefficients, the scale for the aspect
    // factor, the centre, the three axis lines, then the curve in the palette colour given.
    void drawCurve(int colour, const CurveValues &values, double incr);
    bool copyParameters();
    // A picture opened from a file, drawn at the current calibration; the parameter screen then
    // shows its last curve and the next "AVANTI" goes on from its last colour.
    void open(const PictureDocument &document);
    // Tells a screen reader and the picture news what the picture now holds.
    void pictureChanged(bool drawn);

    float P1 = 0;
    double Va = 0, Vb = 0, Vc = 0, Vd = 0, Ve = 0, Vp = 0;
    double AA = 0, AB = 0;
    double CA = 0, SA = 0, CB = 0, SB = 0;
    float CX = 0, CY = 0;
    double X = 0, Y = 0, Z = 0;
    double M = 0, N = 0;

    QPushButton *Command1;
    QPushButton *Command2;
    QPushButton *Command3;

    CurveModel m_model;
    PictureCurves m_curves;
};
