#include "drawing/Form4.h"
#include "calibration/Form2.h"
#include "curve/PictureNews.h"
#include "parameters/ColourCounter.h"
#include "parameters/Form3.h"
#include "picture/CurveCaption.h"
#include "keeping/PictureMenu.h"
#include "runtime/Angles.h"
#include "runtime/Controls.h"
#include "runtime/Palette.h"
#include "runtime/Program.h"
#include "runtime/Single.h"
#include "runtime/SinglePrecision.h"

#include <QMenu>
#include <QPushButton>
#include <cmath>

namespace {
constexpr float surfaceWidth = 300.0f;
constexpr float centreShift = 10.0f;
}

Form4::Form4() : Screen(QStringLiteral("Form4"), QSize(10605, 6780), true)
{
    Command1 = new QPushButton(QStringLiteral("RIPRENDI"), this);
    place(Command1, "Command1", 960, 720, 1695, 615);
    Command2 = new QPushButton(QStringLiteral("Cancella e riprendi"), this);
    place(Command2, "Command2", 3000, 720, 1695, 615);
    Command3 = new QPushButton(QStringLiteral("ESCI"), this);
    place(Command3, "Command3", 960, 1800, 1695, 615);

    Controls::tabOrder({Command3, Command2, Command1});

    onClick(Command1, [this] { Command1_Click(); });
    onClick(Command2, [this] { Command2_Click(); });
    onClick(Command3, [this] { Command3_Click(); });

    // The picture's files are drawn again from what the surface records.
    surface().setRecording(true);
    PictureNews &news = Single::instance<PictureNews>();
    auto *menu = new PictureMenu(*this, *this);
    menu->menu()->addSeparator();
    menu->addEntry(QStringLiteral("Vista 3D"), QKeySequence(QStringLiteral("Ctrl+3")), [&news] { emit news.viewRequested(); });
    connect(&news, &PictureNews::pictureOpened, this, &Form4::open);
    describeSurface(QStringLiteral("Disegno"), CurveCaption::pictureDescription(m_curves));
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
    // The colour counter moves on at the start of each curve.
    Form3 &set = Single::instance<Form3>();
    set.Miocolor = ColourCounter::advanced(set.Miocolor);
    drawCurve(set.Miocolor, {Va, Vb, Vc, Vd, Ve, Vp, AA, AB}, Single::instance<Form2>().Incr);
    pictureChanged(true);
}

void Form4::drawCurve(int colour, const CurveValues &values, double incr)
{
    P1 = Angles::P1();
    Va = values.a;
    Vb = values.b;
    Vc = values.c;
    Vd = values.d;
    Ve = values.ratio;
    Vp = values.step;
    AA = values.alpha;
    AB = values.beta;
    const Projection::View view = Projection::view(AA, AB, P1);
    CA = view.CA;
    SA = view.SA;
    CB = view.CB;
    SB = view.SB;

    Surface &s = surface();
    s.setScaleMode(UserScale::Centimetre);
    s.setDrawWidth(2);
    s.setScaleWidth(surfaceWidth);
    s.setScaleHeight(toSingle(double(s.ScaleWidth()) * incr));

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
    s.Line(CX, CY, toSingle(double(CX) + M), toSingle(double(CY) + N));
    s.Line(CX, CY, toSingle(double(CX) + N), toSingle(double(CY) + M));

    m_curves.push_back({colour, values, incr});
    CALCOLA();
}

void Form4::CALCOLA()
{
    const CurveValues values{Va, Vb, Vc, Vd, Ve, Vp, AA, AB};
    Surface::Dots dots(surface(), QBColor(m_curves.back().colour));
    dots.run([&](auto PSet) {
        m_model.run(values, P1, [&](double pointX, double pointY, double pointZ) {
            X = pointX;
            Y = pointY;
            Z = pointZ;
            TRASFORM();
            PSet(toSingle(M + double(CX)), toSingle(N + double(CY)));
        });
    });
}

void Form4::drawPicture(const PictureDocument &document, double incr)
{
    surface().Cls();
    m_curves.clear();
    for (const PictureCurve &curve : document.curves)
        drawCurve(curve.colour, curve.values, incr);
    pictureChanged(true);
}

void Form4::open(const PictureDocument &document)
{
    drawPicture(document, Single::instance<Form2>().Incr);
    Form3 &set = Single::instance<Form3>();
    set.Miocolor = int16_t(document.curves.back().colour);
    set.showValues(document.curves.back().values);
}

void Form4::pictureChanged(bool drawn)
{
    describeSurface(QStringLiteral("Disegno"), CurveCaption::pictureDescription(m_curves));
    Single::instance<PictureNews>().tellCurves(m_curves, drawn);
}

Picture Form4::picture()
{
    const Surface &s = surface();
    const qreal dpr = s.devicePixelRatio();
    const QSize logical = s.scale().clientSize().toSize().expandedTo(QSize(1, 1));
    // The surface keeps what a larger window showed before: only the part now shown is the picture.
    const QSize shown(int(std::ceil(logical.width() * dpr)), int(std::ceil(logical.height() * dpr)));
    QImage image = s.image();
    if (!image.isNull()) {
        if (image.size() != shown)
            image = image.copy(QRect(QPoint(0, 0), shown));
        image.setDevicePixelRatio(dpr);
    }
    return {logical, image, s.background(), {}, &s.record(), {}, {}, {m_curves, std::nullopt}};
}

void Form4::Command1_Click()
{
    Single::instance<Form3>().Show();
}

void Form4::Command2_Click()
{
    surface().Cls();
    m_curves.clear();
    pictureChanged(false);
    Single::instance<Form3>().Show();
}

void Form4::Command3_Click()
{
    Program::end();
}
