#include "calibration/Form2.h"
#include "calibration/CalibrationFigure.h"
#include "curve/CalibrationSteps.h"
#include "parameters/Form3.h"
#include "runtime/Angles.h"
#include "runtime/ArrowKeys.h"
#include "runtime/Controls.h"
#include "runtime/FocusFrame.h"
#include "runtime/Dialogs.h"
#include "runtime/NumberText.h"
#include "runtime/Palette.h"
#include "runtime/Program.h"
#include "runtime/Single.h"
#include "runtime/SinglePrecision.h"
#include "runtime/SpokenValue.h"
#include "runtime/WrappingButton.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

Form2::Form2() : Screen(QStringLiteral("Form2"), QSize(9855, 6840), true)
{
    Label1 = new QLabel(QStringLiteral("Per calibrare l' impostazione corretta della risoluzione dello SCHERMO"), this);
    Label1->setFont(Controls::sansSerif(13.5));
    Controls::setForeColor(Label1, Controls::red);
    place(Label1, "Label1", 360, 240, 9135, 495);

    HScroll1 = new QScrollBar(Qt::Horizontal, this);
    HScroll1->setRange(CalibrationSteps::firstStep, CalibrationSteps::lastStep);
    HScroll1->setSingleStep(1);
    HScroll1->setPageStep(1);
    HScroll1->setValue(CalibrationSteps::firstStep);
    HScroll1->setFocusPolicy(Qt::StrongFocus);
    place(HScroll1, "HScroll1", 480, 1080, 5895, 255);
    HScroll1->setAccessibleName(QStringLiteral("Calibrazione"));
    SpokenValue::attach(HScroll1, CalibrationSteps::initial, CalibrationSteps::perStep);
    FocusFrame::follow(HScroll1);
    ArrowKeys::pointTheWay(HScroll1);

    Command2 = new WrappingButton(
        QStringLiteral("KLICCARE  sulla barra di scorrimento fino a che la figura  risulti una CIRCONFERENZA"), this);
    place(Command2, "Command2", 360, 1560, 6255, 735);

    Text1 = new QLineEdit(QStringLiteral("Text1"), this);
    place(Text1, "Text1", 360, 2880, 735, 375);
    Text1->setAccessibleName(QStringLiteral("Fattore"));

    Command1 = new QPushButton(QStringLiteral("OK - continua"), this);
    place(Command1, "Command1", 3120, 2880, 1575, 615);

    Command3 = new QPushButton(QStringLiteral("ESCI"), this);
    place(Command3, "Command3", 360, 4080, 1695, 615);

    Controls::tabOrder({HScroll1, Text1, Command1, Command2, Command3});

    connect(HScroll1, &QScrollBar::valueChanged, this, [this] { Program::handle([this] { HScroll1_Change(); }); });
    onClick(Command1, [this] { Command1_Click(); });
    onClick(Command3, [this] { Command3_Click(); });
}

void Form2::Form_Activate()
{
    P1 = Angles::P1();
    Incr = CalibrationSteps::initial;
    Text1->setText(NumberText::fromDouble(Incr));
    COORDINATE();
    TRACCIA();
    describeFigure(false);
}

void Form2::HScroll1_Change()
{
    const bool clears = Incr > CalibrationSteps::ofStep(HScroll1->value());
    if (clears)
        surface().Cls();
    Incr = CalibrationSteps::ofStep(HScroll1->value());
    Text1->setText(NumberText::fromDouble(Incr));
    COORDINATE();
    TRACCIA();
    describeFigure(clears);
}

void Form2::describeFigure(bool cleared)
{
    SpokenValue::set(HScroll1, Incr);
    describeSurface(QStringLiteral("Figura di calibrazione"),
                    QStringLiteral("Fattore %1; la figura %2 stata cancellata")
                        .arg(NumberText::fromDouble(Incr), cleared ? QStringLiteral("è") : QStringLiteral("non è")));
}

void Form2::Command1_Click()
{
    if (CalibrationSteps::accepted(Incr))
        Single::instance<Form3>().Show();
    else
        Dialogs::message(QStringLiteral("Impostare la risoluzione SCHERMO"));
}

void Form2::Command3_Click()
{
    Program::end();
}

void Form2::COORDINATE()
{
    Surface &s = surface();
    s.setScaleMode(UserScale::User);
    s.setDrawWidth(1);
    s.setScaleWidth(CalibrationFigure::surfaceWidth);
    s.setScaleHeight(toSingle(double(s.ScaleWidth()) * Incr));
    CX = s.ScaleWidth() / 2.0f + CalibrationFigure::centreShift;
    CY = s.ScaleHeight() / 2.0f;
    s.Line(CX, 0, CX, s.ScaleHeight());
    s.Line(0, CY, s.ScaleWidth(), CY);
    TRACCIA();
}

void Form2::TRACCIA()
{
    Surface &s = surface();
    s.setDrawWidth(1);
    Surface::Dots dots(s, QBColor(CalibrationFigure::circleColour));
    const std::vector<CirclePoint> &circle = m_circle.forP1(P1);
    dots.run([&](auto PSet) {
        for (const CirclePoint &point : circle) {
            XR = point.XR;
            YR = point.YR;
            PSet(toSingle(double(CX) + XR), toSingle(double(CY) + YR));
        }
    });
}
