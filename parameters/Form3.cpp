#include "parameters/Form3.h"
#include "curve/CurveChecks.h"
#include "curve/PictureNews.h"
#include "drawing/Form4.h"
#include "pages/DocumentView.h"
#include "pages/HelpPage.h"
#include "parameters/ColourCounter.h"
#include "parameters/ValueStep.h"
#include "runtime/Controls.h"
#include "runtime/Dialogs.h"
#include "runtime/NumberText.h"
#include "runtime/Program.h"
#include "runtime/Single.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
QGroupBox *frame(const QString &caption, QWidget *parent)
{
    return new QGroupBox(caption, parent);
}

QLabel *label(const QString &caption, QWidget *parent)
{
    return new QLabel(caption, parent);
}

// The field of the value at index in the curve's order, with its first text.
QLineEdit *field(int index, QWidget *parent)
{
    return new QLineEdit(QString::fromUtf8(CurveFields::all()[std::size_t(index)].initial), parent);
}
}

Form3::Form3() : Screen(QStringLiteral("Form3"), QSize(11235, 9240), true)
{
    Frame5 = frame(QStringLiteral("Valori PROSPETTICI solo ASSONOMETRICI"), this);
    place(Frame5, "Frame5", 720, 240, 7815, 1335);
    Label1 = label(QStringLiteral("IMPOSTARE I VALORI DELLE COSTANTI"), this);
    Label1->setFont(Controls::sansSerif(13.5, true));
    Controls::setForeColor(Label1, Controls::red);
    place(Label1, "Label1", 1560, 1920, 6135, 375);
    Frame1 = frame(QStringLiteral("ELLICA"), this);
    place(Frame1, "Frame1", 720, 2520, 2655, 2175);
    Frame2 = frame(QStringLiteral("SPIRALE"), this);
    place(Frame2, "Frame2", 3720, 2520, 2655, 2175);
    Frame3 = frame(QString(), this);
    place(Frame3, "Frame3", 6960, 2520, 3495, 1095);
    Frame4 = frame(QString(), this);
    place(Frame4, "Frame4", 6960, 3840, 3495, 855);
    Command1 = new QPushButton(QStringLiteral("ESCI"), this);
    place(Command1, "Command1", 1680, 4920, 1935, 735);
    Command2 = new QPushButton(QStringLiteral("AVANTI"), this);
    place(Command2, "Command2", 5160, 4920, 1935, 735);
    OLE1 = new DocumentView(helpPage(), this);
    place(OLE1, "OLE1", 690, 5970, 9975, 2055);
    OLE1->setAccessibleName(QStringLiteral("Pagina di aiuto"));

    Label2 = label(QStringLiteral(" Asse Maggiore"), Frame1);
    place(Label2, "Label2", 240, 480, 1215, 255);
    Label3 = label(QStringLiteral("Asse Minore"), Frame1);
    place(Label3, "Label3", 240, 1560, 1335, 255);
    Text1 = field(0, Frame1);
    place(Text1, "Text1", 1560, 360, 615, 495);
    Text2 = field(1, Frame1);
    place(Text2, "Text2", 1560, 1320, 615, 495);

    Text3 = field(2, Frame2);
    place(Text3, "Text3", 1440, 360, 615, 495);
    Text4 = field(3, Frame2);
    place(Text4, "Text4", 1440, 1440, 615, 495);
    Label4 = label(QStringLiteral("Asse Minore"), Frame2);
    place(Label4, "Label4", 240, 1560, 1335, 255);
    Label5 = label(QStringLiteral(" Asse Maggiore"), Frame2);
    place(Label5, "Label5", 240, 480, 1215, 255);

    Label6 = label(QStringLiteral("  Rapporto tra gli angoli Parametrici:          mi / ni = d           (provare con  0,3-1- 3-4-5)"),
                   Frame3);
    Label6->setWordWrap(true);
    Label6->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    place(Label6, "Label6", 120, 120, 2295, 735);
    Text5 = field(4, Frame3);
    place(Text5, "Text5", 2520, 240, 615, 495);

    Label7 = label(QStringLiteral("PASSO"), Frame4);
    Label7->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    place(Label7, "Label7", 120, 360, 2055, 375);
    Text6 = field(5, Frame4);
    place(Text6, "Text6", 2520, 240, 615, 495);

    Text7 = field(6, Frame5);
    place(Text7, "Text7", 3240, 600, 615, 495);
    Text8 = field(7, Frame5);
    place(Text8, "Text8", 6600, 600, 615, 495);
    Label9 = label(QStringLiteral("Angolo (beta) in gradi- latitudine dell'osservatore"), Frame5);
    Label9->setWordWrap(true);
    Label9->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    place(Label9, "Label9", 4320, 600, 2055, 495);
    Label8 = label(QStringLiteral("Angolo (alfa) in gradi- longitudine dell'osservatore "), Frame5);
    Label8->setWordWrap(true);
    Label8->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    place(Label8, "Label8", 480, 600, 2055, 495);

    nameFields();
    Controls::tabOrder({Command2, Command1, Text1, Text2, Text3, Text4, Text5, Text6, Text7, Text8, OLE1});

    onClick(Command2, [this] { Command2_Click(); });
    onClick(Command1, [this] { Command1_Click(); });

    for (const Field &field : fields()) {
        field.text->installEventFilter(this);
        connect(field.text, &QLineEdit::textEdited, this, [this] { tellPreview(); });
    }
}

std::array<Form3::Field, CurveFields::count> Form3::fields() const
{
    const std::array<QLineEdit *, CurveFields::count> texts = {Text1, Text2, Text3, Text4, Text5, Text6, Text7, Text8};
    const std::array<ParamValue Form3::*, CurveFields::count> variables = {&Form3::VALa, &Form3::VALb, &Form3::VALc, &Form3::VALd,
                                                                          &Form3::VALe, &Form3::VALp, &Form3::AA, &Form3::AB};
    std::array<Field, CurveFields::count> out;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const std::size_t typedIn = std::size_t(CurveFields::all()[i].field - 1);
        out[i] = {texts[typedIn], variables[typedIn]};
    }
    return out;
}

void Form3::nameFields()
{
    // A field is named by what stands beside it and by its frame, so that a
    // listener tells the two "Asse Maggiore" fields apart; the longer labels
    // become the fields' descriptions.
    const auto inFrame = [](QLineEdit *field, const QGroupBox *frame, const QLabel *label) {
        field->setAccessibleName(frame->title() + QStringLiteral(", ") + label->text().trimmed());
    };
    inFrame(Text1, Frame1, Label2);
    inFrame(Text2, Frame1, Label3);
    inFrame(Text3, Frame2, Label5);
    inFrame(Text4, Frame2, Label4);
    Text5->setAccessibleName(QStringLiteral("Rapporto tra gli angoli"));
    Text6->setAccessibleName(Label7->text());
    Text7->setAccessibleName(QStringLiteral("Angolo alfa"));
    Text8->setAccessibleName(QStringLiteral("Angolo beta"));
    Text5->setAccessibleDescription(Label6->text().simplified());
    Text7->setAccessibleDescription(Label8->text().simplified());
    Text8->setAccessibleDescription(Label9->text().simplified());
}

void Form3::Form_Activate()
{
    for (QLineEdit *text : {Text1, Text2, Text3, Text4, Text5, Text6, Text7, Text8})
        Controls::setBackColor(text, Controls::white);
}

void Form3::reject(QLineEdit *field, ParamValue &variable, const QString &message)
{
    Dialogs::message(message);
    field->setText(QString());
    Controls::setBackColor(field, Controls::red);
    variable = ParamValue::failureMark();
}

void Form3::validate(int index)
{
    const Field field = fields()[std::size_t(index)];
    ParamValue &variable = this->*field.variable;
    const std::variant<double, QString> checked = CurveChecks::check(index, field.text->text(), NumberText::parse);
    if (const double *number = std::get_if<double>(&checked))
        variable = *number;
    else
        reject(field.text, variable, std::get<QString>(checked));
}

void Form3::LeggiText1() { validate(0); }
void Form3::LeggiText2() { validate(1); }
void Form3::LeggiText3() { validate(2); }
void Form3::LeggiText4() { validate(3); }
void Form3::LeggiText5() { validate(4); }
void Form3::LeggiText6() { validate(5); }
void Form3::LeggiText7() { validate(6); }
void Form3::LeggiText8() { validate(7); }

void Form3::Command2_Click()
{
    const std::array<void (Form3::*)(), 8> chain = {&Form3::LeggiText1, &Form3::LeggiText2, &Form3::LeggiText3,
                                                    &Form3::LeggiText4, &Form3::LeggiText5, &Form3::LeggiText6,
                                                    &Form3::LeggiText7, &Form3::LeggiText8};
    const std::array<Field, CurveFields::count> checked = fields();
    for (std::size_t i = 0; i < chain.size(); ++i) {
        (this->*chain[i])();
        if ((this->*checked[i].variable).isFailureMark())
            return;
    }
    Miocolor = ColourCounter::normalised(Miocolor);
    Single::instance<Form4>().Show();
}

void Form3::Command1_Click()
{
    Program::end();
}

std::optional<CurveValues> Form3::fieldValues() const
{
    const std::variant<CurveValues, QString> read = CurveChecks::read(fieldTexts(), NumberText::parse);
    if (const CurveValues *values = std::get_if<CurveValues>(&read))
        return *values;
    return std::nullopt;
}

int Form3::nextColour() const
{
    return ColourCounter::next(Miocolor);
}

void Form3::showValues(const CurveValues &values)
{
    const std::array<double, CurveFields::count> numbers = CurveFields::numbers(values);
    const std::array<Field, CurveFields::count> shown = fields();
    for (std::size_t i = 0; i < shown.size(); ++i) {
        shown[i].text->setText(NumberText::fromDouble(numbers[i]));
        Controls::setBackColor(shown[i].text, Controls::white);
        this->*shown[i].variable = numbers[i];
    }
}

void Form3::tellPreview()
{
    Single::instance<PictureNews>().tellPreview({fieldValues(), nextColour()});
}

// Up and Down step the value of the field that has the focus, Shift by ten units; a text that is
// no number stays as it is.
bool Form3::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return Screen::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    if ((key->key() != Qt::Key_Up && key->key() != Qt::Key_Down)
        || (modifiers != Qt::NoModifier && modifiers != Qt::ShiftModifier))
        return Screen::eventFilter(watched, event);
    auto *field = static_cast<QLineEdit *>(watched);
    const int units = (key->key() == Qt::Key_Up ? 1 : -1) * (modifiers == Qt::ShiftModifier ? 10 : 1);
    if (const std::optional<QString> stepped = ValueStep::stepped(field->text(), units))
        typeInto(field, *stepped);
    return true;
}

// As typing would: the change can be undone, and the preview follows it.
void Form3::typeInto(QLineEdit *field, const QString &text)
{
    field->selectAll();
    field->insert(text);
    tellPreview();
}

void Form3::typeValue(int index, double value)
{
    typeInto(fields()[std::size_t(index)].text, NumberText::fromDouble(value));
}

std::array<QString, CurveFields::count> Form3::fieldTexts() const
{
    std::array<QString, CurveFields::count> texts;
    const std::array<Field, CurveFields::count> typed = fields();
    for (std::size_t i = 0; i < typed.size(); ++i)
        texts[i] = typed[i].text->text();
    return texts;
}
