#include "parameters/Form3.h"
#include "drawing/Form4.h"
#include "curve/PictureNews.h"
#include "pages/DocumentView.h"
#include "pages/HelpPage.h"
#include "parameters/ColourCounter.h"
#include "parameters/ValueStep.h"
#include "runtime/Controls.h"
#include "runtime/MessageBox.h"
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

QLineEdit *field(const QString &text, QWidget *parent)
{
    return new QLineEdit(text, parent);
}
}

Form3::Form3() : Screen(QStringLiteral("Form3"), QSize(11235, 9240), true)
{
    Frame5 = frame(QStringLiteral("Valori PROSPETTICI solo ASSONOMETRICI"), this);
    place(Frame5, 720, 240, 7815, 1335);
    Label1 = label(QStringLiteral("IMPOSTARE I VALORI DELLE COSTANTI"), this);
    Label1->setFont(Controls::sansSerif(13.5, true));
    Controls::setForeColor(Label1, Controls::red);
    place(Label1, 1560, 1920, 6135, 375);
    Frame1 = frame(QStringLiteral("ELLICA"), this);
    place(Frame1, 720, 2520, 2655, 2175);
    Frame2 = frame(QStringLiteral("SPIRALE"), this);
    place(Frame2, 3720, 2520, 2655, 2175);
    Frame3 = frame(QString(), this);
    place(Frame3, 6960, 2520, 3495, 1095);
    Frame4 = frame(QString(), this);
    place(Frame4, 6960, 3840, 3495, 855);
    Command1 = new QPushButton(QStringLiteral("ESCI"), this);
    place(Command1, 1680, 4920, 1935, 735);
    Command2 = new QPushButton(QStringLiteral("AVANTI"), this);
    place(Command2, 5160, 4920, 1935, 735);
    OLE1 = new DocumentView(helpPage(), this);
    place(OLE1, 690, 5970, 9975, 2055);
    OLE1->setAccessibleName(QStringLiteral("Pagina di aiuto"));

    Label2 = label(QStringLiteral(" Asse Maggiore"), Frame1);
    place(Label2, 240, 480, 1215, 255);
    Label3 = label(QStringLiteral("Asse Minore"), Frame1);
    place(Label3, 240, 1560, 1335, 255);
    Text1 = field(QStringLiteral("20"), Frame1);
    place(Text1, 1560, 360, 615, 495);
    Text2 = field(QStringLiteral("15"), Frame1);
    place(Text2, 1560, 1320, 615, 495);

    Text3 = field(QStringLiteral("10"), Frame2);
    place(Text3, 1440, 360, 615, 495);
    Text4 = field(QStringLiteral("5"), Frame2);
    place(Text4, 1440, 1440, 615, 495);
    Label4 = label(QStringLiteral("Asse Minore"), Frame2);
    place(Label4, 240, 1560, 1335, 255);
    Label5 = label(QStringLiteral(" Asse Maggiore"), Frame2);
    place(Label5, 240, 480, 1215, 255);

    Label6 = label(QStringLiteral("  Rapporto tra gli angoli Parametrici:          mi / ni = d           (provare con  0,3-1- 3-4-5)"),
                   Frame3);
    Label6->setWordWrap(true);
    Label6->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    place(Label6, 120, 120, 2295, 735);
    Text5 = field(QStringLiteral("3"), Frame3);
    place(Text5, 2520, 240, 615, 495);

    Label7 = label(QStringLiteral("PASSO"), Frame4);
    Label7->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    place(Label7, 120, 360, 2055, 375);
    Text6 = field(QStringLiteral("1"), Frame4);
    place(Text6, 2520, 240, 615, 495);

    Text7 = field(QStringLiteral("45"), Frame5);
    place(Text7, 3240, 600, 615, 495);
    Text8 = field(QStringLiteral("45"), Frame5);
    place(Text8, 6600, 600, 615, 495);
    Label9 = label(QStringLiteral("Angolo (beta) in gradi- latitudine dell'osservatore"), Frame5);
    Label9->setWordWrap(true);
    Label9->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    place(Label9, 4320, 600, 2055, 495);
    Label8 = label(QStringLiteral("Angolo (alfa) in gradi- longitudine dell'osservatore "), Frame5);
    Label8->setWordWrap(true);
    Label8->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    place(Label8, 480, 600, 2055, 495);

    nameFields();
    Controls::tabOrder({Command2, Command1, Text1, Text2, Text3, Text4, Text5, Text6, Text7, Text8, OLE1});

    onClick(Command2, [this] { Command2_Click(); });
    onClick(Command1, [this] { Command1_Click(); });

    for (const Field &field : fields()) {
        field.text->installEventFilter(this);
        connect(field.text, &QLineEdit::textEdited, this, [this] { tellPreview(); });
    }
}

std::array<Form3::Field, 8> Form3::fields() const
{
    return {{{Text1, &Form3::VALa}, {Text2, &Form3::VALb}, {Text3, &Form3::VALc}, {Text4, &Form3::VALd},
             {Text5, &Form3::VALe}, {Text6, &Form3::VALp}, {Text7, &Form3::AA}, {Text8, &Form3::AB}}};
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
    showMessage(message);
    field->setText(QString());
    Controls::setBackColor(field, Controls::red);
    variable = ParamValue::failureMark();
}

void Form3::validate(QLineEdit *field, ParamValue &variable, const QString &message)
{
    if (NumberText::isNumeric(field->text()))
        variable = NumberText::toDouble(field->text());
    else
        reject(field, variable, message);
}

void Form3::LeggiText1() { validate(Text1, VALa, QStringLiteral("Asse Magg.di A non è un numero")); }
void Form3::LeggiText2() { validate(Text2, VALb, QStringLiteral("Asse Min. di A non è un numero")); }
void Form3::LeggiText3() { validate(Text3, VALc, QStringLiteral("Asse Magg. di B non è un numero")); }
void Form3::LeggiText4() { validate(Text4, VALd, QStringLiteral("Asse Min. di B non è un numero")); }

void Form3::LeggiText5()
{
    validate(Text5, VALe, QStringLiteral("Rapporto non è un numero"));
    if (VALe.isNumber() && VALe.number() == 0)
        reject(Text5, VALe, QStringLiteral("Il Rapporto deve essere diverso da 0"));
}

void Form3::LeggiText6() { validate(Text6, VALp, QStringLiteral("PASSO non è un numero")); }
void Form3::LeggiText7() { validate(Text7, AA, QStringLiteral("Angolo Alfa non è un numero")); }
void Form3::LeggiText8() { validate(Text8, AB, QStringLiteral("Angolo Beta non è un numero")); }

void Form3::Command2_Click()
{
    const std::array<void (Form3::*)(), 8> chain = {&Form3::LeggiText1, &Form3::LeggiText2, &Form3::LeggiText3,
                                                    &Form3::LeggiText4, &Form3::LeggiText5, &Form3::LeggiText6,
                                                    &Form3::LeggiText7, &Form3::LeggiText8};
    const std::array<Field, 8> checked = fields();
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
    std::array<double, 8> values;
    const std::array<Field, 8> checked = fields();
    for (std::size_t i = 0; i < checked.size(); ++i) {
        const std::optional<double> value = NumberText::parse(checked[i].text->text());
        if (!value || (checked[i].text == Text5 && *value == 0))
            return std::nullopt;
        values[i] = *value;
    }
    return CurveValues{values[0], values[1], values[2], values[3], values[4], values[5], values[6], values[7]};
}

int Form3::nextColour() const
{
    return ColourCounter::advanced(ColourCounter::normalised(Miocolor));
}

void Form3::showValues(const CurveValues &values)
{
    const std::array<double, 8> numbers = {values.a, values.b, values.c, values.d,
                                           values.ratio, values.step, values.alpha, values.beta};
    const std::array<Field, 8> shown = fields();
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
    if (const std::optional<QString> stepped = ValueStep::stepped(field->text(), units)) {
        // As typing would: the step can be undone.
        field->selectAll();
        field->insert(*stepped);
        tellPreview();
    }
    return true;
}
