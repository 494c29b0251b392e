#include "drawing/Form4.h"
#include "calibration/Form2.h"
#include "drawing/CurveCaption.h"
#include "drawing/PictureMenu.h"
#include "drawing/Projection.h"
#include "parameters/ColourCounter.h"
#include "parameters/Form3.h"
#include "runtime/Angles.h"
#include "runtime/Controls.h"
#include "runtime/Palette.h"
#include "runtime/Program.h"
#include "runtime/Single.h"

#include <QPushButton>

namespace {
constexpr float surfaceWidth = 300.0f;
constexpr float centreShift = 10.0f;
constexpr int16_t rhoLast = 720;
constexpr int16_t muLast = 360;
constexpr int16_t angleStep = 5;
}

Form4::Form4()
    : Screen(QStringLiteral("Form4"), QSize(10605, 6780), true), m_rhoSteps(rhoLast, angleStep),
      m_muSteps(muLast, angleStep)
{
    Command1 = new QPushButton(QStringLiteral("RIPRENDI"), this);
    place(Command1, 960, 720, 1695, 615);
    Command2 = new QPushButton(QStringLiteral("Cancella e riprendi"), this);
    place(Command2, 3000, 720, 1695, 615);
    Command3 = new QPushButton(QStringLiteral("ESCI"), this);
    place(Command3, 960, 1800, 1695, 615);

    Controls::tabOrder({Command3, Command2, Command1});

    onClick(Command1, [this] { Command1_Click(); });
    onClick(Command2, [this] { Command2_Click(); });
    onClick(Command3, [this] { Command3_Click(); });

    // The picture's files are drawn again from what the surface records.
    surface().setRecording(true);
    new PictureMenu(*this);
    describePicture();
}

bool Form4::copyParameters()
{
    const Form3 &set = Single::instance<Form3>();
    // A set left incomplete by a failed validation (the user may click back into
    // this screen afterwards) is not drawn: the picture and the colour stay.
    for (const ParamValue *value : {&set.VALa, &set.VALb, &set.VALc, &set.VALd, &set.VALe, &set.VALp, &set.AA, &set.AB})
        if (!value->isNumber())
            return false;
    Va = set.VALa.number();
    Vb = set.VALb.number();
    Vc = set.VALc.number();
    Vd = set.VALd.number();
    Ve = set.VALe.number();
    Vp = set.VALp.number();
    AA = set.AA.number();
    AB = set.AB.number();
    return true;
}

void Form4::Form_Activate()
{
    P1 = Angles::P1();
    if (!copyParameters())
        return;

    const Projection::View view = Projection::view(AA, AB, P1);
    CA = view.CA;
    SA = view.SA;
    CB = view.CB;
    SB = view.SB;

    Surface &s = surface();
    s.setScaleMode(UserScale::Centimetre);
    s.setDrawWidth(2);
    s.setScaleWidth(surfaceWidth);
    s.setScaleHeight(float(double(s.ScaleWidth()) * Single::instance<Form2>().Incr));

    CX = s.ScaleWidth() / 2.0f + centreShift;
    CY = s.ScaleHeight() / 2.0f;

    s.Line(CX, 0, CX, CY);
    // The axis ends project the centre itself, with 0 in place of Z; the third
    // line exchanges M and N.
    X = CX;
    Y = CY;
    const Projection::Displacement axis = Projection::transform(X, Y, 0, view);
    M = axis.M;
    N = axis.N;
    s.Line(CX, CY, float(double(CX) + M), float(double(CY) + N));
    s.Line(CX, CY, float(double(CX) + N), float(double(CY) + M));

    CALCOLA();
    describePicture();
}

void Form4::CALCOLA()
{
    Form3 &set = Single::instance<Form3>();
    set.Miocolor = ColourCounter::advanced(set.Miocolor);
    PictureRecord &record = surface().record();
    record.beginCurve(CurveCaption::caption(int(record.curves().size()) + 1, set.Miocolor,
                                            {Va, Vb, Vc, Vd, Ve, Vp, AA, AB}));
    Surface::Dots dots(surface(), QBColor(set.Miocolor));
    // Every term that depends on mu alone is the same in each pass over rho:
    // worked out once per curve, in the same operations and order.
    struct MuTerms {
        double helixX, spiralX, helixY, spiralY, Z;
    };
    std::vector<MuTerms> muTerms;
    for (const AngleStep &mu : m_muSteps.forP1(P1)) {
        const double Ups = double(mu.radians) * Ve;
        muTerms.push_back({Va * mu.cos, Vc * Ups, Vb * mu.sin, Vd * Ups, Vp * (double(mu.radians) + Ups)});
    }
    const std::vector<AngleStep> &rhoSteps = m_rhoSteps.forP1(P1);
    dots.run([&](auto PSet) {
        for (const AngleStep &rho : rhoSteps) {
            for (const MuTerms &mu : muTerms) {
                X = mu.helixX + mu.spiralX * rho.cos;
                Y = mu.helixY + mu.spiralY * rho.sin;
                Z = mu.Z;
                TRASFORM();
                PSet(float(M + double(CX)), float(N + double(CY)));
            }
        }
    });
}

void Form4::describePicture()
{
    describeSurface(QStringLiteral("Disegno"), CurveCaption::pictureDescription(surface().record().curves()));
}

void Form4::Command1_Click()
{
    Single::instance<Form3>().Show();
}

void Form4::Command2_Click()
{
    surface().Cls();
    describePicture();
    Single::instance<Form3>().Show();
}

void Form4::Command3_Click()
{
    Program::end();
}
