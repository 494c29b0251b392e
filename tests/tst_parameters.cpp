// The parameter screen: the validation chain, its messages, the emptied red
// field, what the parameter set holds before, at and after a stop, the colour
// counter, and the layout the user sees.
#include "TestSupport.h"
#include "calibration/Form2.h"
#include "curve/CurveChecks.h"
#include "curve/PictureNews.h"
#include "drawing/Form4.h"
#include "parameters/Form3.h"
#include "picture/CurveCaption.h"
#include "picture/LegacyWords.h"
#include "picture/MachineForm.h"
#include "runtime/NumberText.h"
#include "runtime/Palette.h"
#include "runtime/Single.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {
QColor backColor(const QLineEdit *field)
{
    return field->palette().color(QPalette::Base);
}

QList<QLineEdit *> fields(Form3 &form)
{
    return {control<QLineEdit>(form, "Text1"), control<QLineEdit>(form, "Text2"), control<QLineEdit>(form, "Text3"), control<QLineEdit>(form, "Text4"), control<QLineEdit>(form, "Text5"), control<QLineEdit>(form, "Text6"), control<QLineEdit>(form, "Text7"), control<QLineEdit>(form, "Text8")};
}

QList<ParamValue *> variables(Form3 &form)
{
    return {&form.VALa, &form.VALb, &form.VALc, &form.VALd, &form.VALe, &form.VALp, &form.AA, &form.AB};
}

const QColor red(255, 0, 0);
const QColor white(255, 255, 255);
}

class ParametersTest : public QObject {
    Q_OBJECT
private slots:
    // The drawing screen scales itself by the calibration's factor.
    void init() { Single::instance<Form2>().Incr = 0.75; }
    void cleanup() { Single::destroyAll(); }

    void captionsAndDefaults();
    void eachValueThroughEveryUse_data();
    void eachValueThroughEveryUse();
    void firstAvantiWithTheDefaults();
    void firstBadFieldStopsTheChain_data();
    void firstBadFieldStopsTheChain();
    void onlyTheFirstBadFieldIsReported();
    void ratioMustNotBeZero_data();
    void ratioMustNotBeZero();
    void correctedFieldStaysRedUntilActivation();
    void counterNormalisation_data();
    void counterNormalisation();
    void avantiWithTheDrawingOpenDrawsAgain();
    void stepKeys_data();
    void stepKeys();
    void previewChecksAsAvanti_data();
    void previewChecksAsAvanti();
};

void ParametersTest::captionsAndDefaults()
{
    Form3 &form = Single::instance<Form3>();
    QCOMPARE(form.windowTitle(), QStringLiteral("Form3"));
    QCOMPARE(control<QGroupBox>(form, "Frame5")->title(), QStringLiteral("Valori PROSPETTICI solo ASSONOMETRICI"));
    QCOMPARE(control<QLabel>(form, "Label1")->text(), QStringLiteral("IMPOSTARE I VALORI DELLE COSTANTI"));
    QCOMPARE(control<QGroupBox>(form, "Frame1")->title(), QStringLiteral("ELLICA"));
    QCOMPARE(control<QGroupBox>(form, "Frame2")->title(), QStringLiteral("SPIRALE"));
    QVERIFY(control<QGroupBox>(form, "Frame3")->title().isEmpty() && control<QGroupBox>(form, "Frame4")->title().isEmpty());
    QCOMPARE(control<QLabel>(form, "Label2")->text(), QStringLiteral(" Asse Maggiore"));
    QCOMPARE(control<QLabel>(form, "Label5")->text(), QStringLiteral(" Asse Maggiore"));
    QCOMPARE(control<QLabel>(form, "Label3")->text(), QStringLiteral("Asse Minore"));
    QCOMPARE(control<QLabel>(form, "Label6")->text(),
             QStringLiteral("  Rapporto tra gli angoli Parametrici:          mi / ni = d           (provare con  0,3-1- 3-4-5)"));
    QCOMPARE(control<QLabel>(form, "Label7")->text(), QStringLiteral("PASSO"));
    QCOMPARE(control<QLabel>(form, "Label8")->text(), QStringLiteral("Angolo (alfa) in gradi- longitudine dell'osservatore "));
    QCOMPARE(control<QLabel>(form, "Label9")->text(), QStringLiteral("Angolo (beta) in gradi- latitudine dell'osservatore"));
    QCOMPARE(control<QPushButton>(form, "Command1")->text(), QStringLiteral("ESCI"));
    QCOMPARE(control<QPushButton>(form, "Command2")->text(), QStringLiteral("AVANTI"));
    QCOMPARE(control<QLabel>(form, "Label1")->palette().color(QPalette::WindowText), red);
    QVERIFY(control<QLabel>(form, "Label1")->font().bold());

    QStringList texts;
    for (QLineEdit *field : fields(form))
        texts << field->text();
    QCOMPARE(texts, (QStringList{"20", "15", "10", "5", "3", "1", "45", "45"}));
    for (ParamValue *value : variables(form))
        QVERIFY(value->isEmpty());

    // The fields sit in their frames: Text7 at 3240, 600 twips inside Frame5.
    QCOMPARE(control<QLineEdit>(form, "Text7")->parentWidget(), control<QGroupBox>(form, "Frame5"));
    QCOMPARE(control<QLineEdit>(form, "Text7")->geometry(), QRect(216, 40, 41, 33));

    // Tab order: AVANTI first, then ESCI, then the fields in order.
    form.Show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.focusWidget(), control<QPushButton>(form, "Command2"));
    QList<QWidget *> chain{control<QPushButton>(form, "Command2")};
    for (int i = 0; i < 10; ++i)
        chain << chain.last()->nextInFocusChain();
    QCOMPARE(chain.mid(1, 9), (QList<QWidget *>{control<QPushButton>(form, "Command1"), control<QLineEdit>(form, "Text1"), control<QLineEdit>(form, "Text2"), control<QLineEdit>(form, "Text3"), control<QLineEdit>(form, "Text4"),
                                                control<QLineEdit>(form, "Text5"), control<QLineEdit>(form, "Text6"), control<QLineEdit>(form, "Text7"), control<QLineEdit>(form, "Text8")}));
}

void ParametersTest::eachValueThroughEveryUse_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("name");
    int field = 0;
    for (const char *name : {"a", "b", "c", "d", "rapporto", "passo", "alfa", "beta"})
        QTest::newRow(name) << ++field << QString::fromLatin1(name);
}

// A value typed into its field reaches the drawn curve under its own name: in the caption, in its
// place in the machine form, read back from the caption; and a letter there is refused with the
// field's own message, on the screen and by the checks that the preview and the command line use.
void ParametersTest::eachValueThroughEveryUse()
{
    QFETCH(int, field);
    QFETCH(QString, name);
    Answers recorder;
    Form3 &form = Single::instance<Form3>();
    Form4 &drawing = Single::instance<Form4>();
    fields(form)[field - 1]->setText(QStringLiteral("7,25"));
    control<QPushButton>(form, "Command2")->click();
    QTRY_COMPARE(drawing.curves().size(), std::size_t(1));
    const PictureCurve &curve = drawing.curves().front();
    QCOMPARE(CurveFields::numbers(curve.values)[std::size_t(field - 1)], 7.25);
    const QString caption = CurveCaption::caption(1, curve);
    QVERIFY2(caption.contains(name + QStringLiteral(" 7,25;")) || caption.endsWith(name + QStringLiteral(" 7,25")), qPrintable(caption));
    QCOMPARE(MachineForm::write({{curve}, std::nullopt}).split('\n').value(1).split(' ').value(field + 1), QByteArray("7.25"));
    const auto legacy = LegacyWords::read(caption);
    QVERIFY(std::holds_alternative<PictureDocument>(legacy));
    QCOMPARE(std::get<PictureDocument>(legacy).curves.front().values, curve.values);

    std::array<QString, CurveFields::count> texts;
    for (int i = 0; i < CurveFields::count; ++i)
        texts[std::size_t(i)] = fields(form)[i]->text();
    texts[std::size_t(field - 1)] = QStringLiteral("x");
    fields(form)[field - 1]->setText(QStringLiteral("x"));
    control<QPushButton>(form, "Command2")->click();
    QCOMPARE(recorder.messages.size(), 1);
    QCOMPARE(std::get<QString>(CurveChecks::read(texts, NumberText::parse)), recorder.messages.front());
    QCOMPARE(std::get<QString>(CurveChecks::read(texts, NumberText::parseWritten)), recorder.messages.front());
    QVERIFY(std::holds_alternative<QString>(CurveChecks::read(form.fieldTexts(), NumberText::parse)));
}

void ParametersTest::firstAvantiWithTheDefaults()
{
    Answers recorder;
    Form3 &form = Single::instance<Form3>();
    control<QPushButton>(form, "Command2")->click();
    QVERIFY(recorder.messages.isEmpty());
    QList<double> numbers;
    for (ParamValue *value : variables(form))
        numbers << value->number();
    QCOMPARE(numbers, (QList<double>{20, 15, 10, 5, 3, 1, 45, 45}));
    QVERIFY(Single::exists<Form4>());
    QVERIFY(QTest::qWaitForWindowExposed(&Single::instance<Form4>()));
    QTRY_COMPARE(int(form.Miocolor), 1);
}

void ParametersTest::firstBadFieldStopsTheChain_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("Text1") << 1 << "" << QStringLiteral("Asse Magg.di A non è un numero");
    QTest::newRow("Text2") << 2 << "quindici" << QStringLiteral("Asse Min. di A non è un numero");
    QTest::newRow("Text3") << 3 << "1.5" << QStringLiteral("Asse Magg. di B non è un numero");
    QTest::newRow("Text4") << 4 << "nan" << QStringLiteral("Asse Min. di B non è un numero");
    QTest::newRow("Text5") << 5 << "d" << QStringLiteral("Rapporto non è un numero");
    QTest::newRow("Text6") << 6 << "1e400" << QStringLiteral("PASSO non è un numero");
    QTest::newRow("Text7") << 7 << "inf" << QStringLiteral("Angolo Alfa non è un numero");
    QTest::newRow("Text8") << 8 << " " << QStringLiteral("Angolo Beta non è un numero");
}

void ParametersTest::firstBadFieldStopsTheChain()
{
    QFETCH(int, field);
    QFETCH(QString, text);
    QFETCH(QString, message);
    // The message box comes first, while the field still shows the text.
    QString shownWhileMessage;
    Answers recorder;
    Form3 &form = Single::instance<Form3>();
    recorder.whileShown = [&] { shownWhileMessage = fields(form)[field - 1]->text(); };
    // An earlier chain left numbers (and, in the last field, a mark) behind.
    for (ParamValue *value : variables(form))
        *value = -1.0;
    form.AB = ParamValue::failureMark();
    form.Miocolor = 9;

    fields(form)[field - 1]->setText(text);
    control<QPushButton>(form, "Command2")->click();

    QCOMPARE(recorder.messages, QStringList{message});
    QCOMPARE(shownWhileMessage, text);
    QCOMPARE(fields(form)[field - 1]->text(), QString());
    QCOMPARE(backColor(fields(form)[field - 1]), red);
    const QList<double> defaults{20, 15, 10, 5, 3, 1, 45, 45};
    for (int i = 0; i < 8; ++i) {
        const ParamValue &value = *variables(form)[i];
        if (i < field - 1)
            QCOMPARE(value.number(), defaults[i]);
        else if (i == field - 1)
            QVERIFY(value.isFailureMark());
        else if (i == 7)
            QVERIFY(value.isFailureMark());
        else
            QCOMPARE(value.number(), -1.0);
    }
    QCOMPARE(int(form.Miocolor), 9);
    QVERIFY(!Single::exists<Form4>());
}

void ParametersTest::onlyTheFirstBadFieldIsReported()
{
    Answers recorder;
    Form3 &form = Single::instance<Form3>();
    control<QLineEdit>(form, "Text2")->setText(QStringLiteral("x"));
    control<QLineEdit>(form, "Text6")->setText(QStringLiteral("y"));
    control<QPushButton>(form, "Command2")->click();
    QCOMPARE(recorder.messages, QStringList{QStringLiteral("Asse Min. di A non è un numero")});
    QCOMPARE(control<QLineEdit>(form, "Text6")->text(), QStringLiteral("y"));
    QVERIFY(form.VALp.isEmpty());

    control<QLineEdit>(form, "Text2")->setText(QStringLiteral("15"));
    control<QPushButton>(form, "Command2")->click();
    QCOMPARE(recorder.messages.last(), QStringLiteral("PASSO non è un numero"));
    QCOMPARE(recorder.messages.size(), 2);
    QVERIFY(form.VALp.isFailureMark());
    QVERIFY(form.AA.isEmpty());
}

void ParametersTest::ratioMustNotBeZero_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("zero");
    QTest::newRow("0") << "0" << true;
    QTest::newRow("0,0") << "0,0" << true;
    QTest::newRow("-0") << "-0" << true;
    QTest::newRow("0e5") << "0e5" << true;
    QTest::newRow("0,3") << "0,3" << false;
    QTest::newRow("-4") << "-4" << false;
    QTest::newRow("1e-300") << "1e-300" << false;
}

void ParametersTest::ratioMustNotBeZero()
{
    QFETCH(QString, text);
    QFETCH(bool, zero);
    Answers recorder;
    Form3 &form = Single::instance<Form3>();
    control<QLineEdit>(form, "Text5")->setText(text);
    control<QPushButton>(form, "Command2")->click();
    if (zero) {
        QCOMPARE(recorder.messages, QStringList{QStringLiteral("Il Rapporto deve essere diverso da 0")});
        QCOMPARE(control<QLineEdit>(form, "Text5")->text(), QString());
        QCOMPARE(backColor(control<QLineEdit>(form, "Text5")), red);
        QVERIFY(form.VALe.isFailureMark());
    } else {
        QVERIFY(recorder.messages.isEmpty());
        QCOMPARE(control<QLineEdit>(form, "Text5")->text(), text);
        QVERIFY(form.VALe.isNumber() && form.VALe.number() != 0);
    }
}

void ParametersTest::correctedFieldStaysRedUntilActivation()
{
    Answers recorder;
    Form3 &form = Single::instance<Form3>();
    control<QLineEdit>(form, "Text4")->setText(QString());
    control<QPushButton>(form, "Command2")->click();
    QCOMPARE(backColor(control<QLineEdit>(form, "Text4")), red);

    control<QLineEdit>(form, "Text4")->setText(QStringLiteral("5"));
    control<QPushButton>(form, "Command2")->click();
    QCOMPARE(form.VALd.number(), 5.0);
    QCOMPARE(backColor(control<QLineEdit>(form, "Text4")), red);

    // Activation turns every field white and leaves the texts as they are.
    control<QLineEdit>(form, "Text1")->setText(QStringLiteral("7,5"));
    form.Form_Activate();
    for (QLineEdit *field : fields(form))
        QCOMPARE(backColor(field), white);
    QCOMPARE(control<QLineEdit>(form, "Text1")->text(), QStringLiteral("7,5"));
    QCOMPARE(recorder.messages.size(), 1);
}

void ParametersTest::counterNormalisation_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("drawnIn");
    QTest::newRow("0") << 0 << 1;
    QTest::newRow("6 stays") << 6 << 7;
    QTest::newRow("7 becomes 0") << 7 << 1;
    QTest::newRow("12 becomes 0") << 12 << 1;
    QTest::newRow("negative becomes 0") << -3 << 1;
}

void ParametersTest::counterNormalisation()
{
    QFETCH(int, before);
    QFETCH(int, drawnIn);
    Answers recorder;
    Form3 &form = Single::instance<Form3>();
    form.Miocolor = int16_t(before);
    control<QPushButton>(form, "Command2")->click();
    QVERIFY(QTest::qWaitForWindowExposed(&Single::instance<Form4>()));
    QTRY_COMPARE(int(form.Miocolor), drawnIn);
}

void ParametersTest::avantiWithTheDrawingOpenDrawsAgain()
{
    Answers recorder;
    Form3 &form = Single::instance<Form3>();
    form.Show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    control<QPushButton>(form, "Command2")->click();
    Form4 &drawing = Single::instance<Form4>();
    QVERIFY(QTest::qWaitForWindowExposed(&drawing));
    QTRY_COMPARE(int(form.Miocolor), 1);

    const MarkRecord &record = drawing.surface().record();
    control<QLineEdit>(form, "Text1")->setText(QStringLiteral("30"));
    control<QPushButton>(form, "Command2")->click();
    QCOMPARE(int(form.Miocolor), 2);
    QCOMPARE(record.dotCount(), std::uint64_t(2 * 145 * 73));
    QCOMPARE(record.runs().back().colour, QBColor(2).rgb());
    QCOMPARE(drawing.curves().size(), std::size_t(2));
    QCOMPARE(drawing.curves().back().values.a, 30.0);
    QTRY_COMPARE(QApplication::activeWindow(), &drawing);

    // RIPRENDI: the parameter screen again, texts as left, all white.
    control<QLineEdit>(form, "Text3")->setText(QString());
    control<QPushButton>(form, "Command2")->click();
    QCOMPARE(backColor(control<QLineEdit>(form, "Text3")), red);
    control<QPushButton>(drawing, "Command1")->click();
    QTRY_COMPARE(QApplication::activeWindow(), &form);
    QCOMPARE(backColor(control<QLineEdit>(form, "Text3")), white);
    QCOMPARE(control<QLineEdit>(form, "Text1")->text(), QStringLiteral("30"));

    // Clicking into the drawing with the mark in VALc: nothing is drawn, nothing ends.
    drawing.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&drawing));
    QCOMPARE(record.dotCount(), std::uint64_t(2 * 145 * 73));
    QCOMPARE(int(form.Miocolor), 2);

    // Cancella e riprendi clears; the next AVANTI draws on a clean surface.
    control<QPushButton>(drawing, "Command2")->click();
    QCOMPARE(record.dotCount(), std::uint64_t(0));
    QVERIFY(drawing.curves().empty());
    control<QLineEdit>(form, "Text3")->setText(QStringLiteral("10"));
    control<QPushButton>(form, "Command2")->click();
    QCOMPARE(int(form.Miocolor), 3);
    QCOMPARE(record.dotCount(), std::uint64_t(145 * 73));
    QCOMPARE(drawing.curves().size(), std::size_t(1));
}

void ParametersTest::stepKeys_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("shift");
    QTest::addColumn<QString>("stepped");
    const int up = Qt::Key_Up;
    const int down = Qt::Key_Down;
    QTest::newRow("20 up") << "20" << up << false << "21";
    QTest::newRow("0,3 up") << "0,3" << up << false << "0,4";
    QTest::newRow("2,75 up") << "2,75" << up << false << "2,76";
    QTest::newRow("-0,5 up") << "-0,5" << up << false << "-0,4";
    QTest::newRow("9 up") << "9" << up << false << "10";
    QTest::newRow("0 up") << "0" << up << false << "1";
    QTest::newRow("-0,1 up to zero, no minus") << "-0,1" << up << false << "0,0";
    QTest::newRow("1 down") << "1" << down << false << "0";
    QTest::newRow("0,05 shift down") << "0,05" << down << true << "-0,05";
    QTest::newRow("20 shift up") << "20" << up << true << "30";
    QTest::newRow("exponent kept") << "1,5e3" << up << false << "1,6e3";
    QTest::newRow("1e308 would overflow") << "1e308" << up << false << "1e308";
    QTest::newRow("9e307 up") << "9e307" << up << false << "10e307";
    QTest::newRow("not a number") << "abc" << up << false << "abc";
    QTest::newRow("empty") << "" << down << false << "";
}

// The keys step the text of the field with the focus and nothing else: no check, no message,
// no colour; the preview follows.
void ParametersTest::stepKeys()
{
    QFETCH(QString, typed);
    QFETCH(int, key);
    QFETCH(bool, shift);
    QFETCH(QString, stepped);
    Answers recorder;
    Form3 &form = Single::instance<Form3>();
    control<QLineEdit>(form, "Text5")->setText(typed);
    QTest::keyClick(control<QLineEdit>(form, "Text5"), Qt::Key(key), shift ? Qt::ShiftModifier : Qt::NoModifier);
    QCOMPARE(control<QLineEdit>(form, "Text5")->text(), stepped);
    QVERIFY(form.VALe.isEmpty());
    QCOMPARE(backColor(control<QLineEdit>(form, "Text5")), white);
    QVERIFY(recorder.messages.isEmpty());
    const std::optional<Preview> preview = Single::instance<PictureNews>().preview();
    QCOMPARE(preview.has_value(), stepped != typed);
    if (preview) {
        const std::variant<CurveValues, QString> read = CurveChecks::read(form.fieldTexts(), NumberText::parse);
        QCOMPARE(preview->values, std::holds_alternative<CurveValues>(read) ? std::optional(std::get<CurveValues>(read)) : std::nullopt);
    }
}

void ParametersTest::previewChecksAsAvanti_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("text");
    QTest::newRow("decimal") << 1 << "1,5";
    QTest::newRow("thousands") << 2 << "1.000";
    QTest::newRow("letters") << 3 << "abc";
    QTest::newRow("infinite") << 4 << "inf";
    QTest::newRow("ratio 0") << 5 << "0";
    QTest::newRow("ratio 0,0") << 5 << "0,0";
    QTest::newRow("ratio -0") << 5 << "-0";
    QTest::newRow("negative step") << 6 << "-2";
    QTest::newRow("large angle") << 7 << "1e15";
    QTest::newRow("empty") << 8 << "";
}

// Typed, a text tells the preview what "AVANTI" would then find, without a message, a red field
// or a change of colour; "AVANTI" draws the curve that the preview showed.
void ParametersTest::previewChecksAsAvanti()
{
    QFETCH(int, field);
    QFETCH(QString, text);
    Answers recorder;
    Form3 &form = Single::instance<Form3>();
    form.Miocolor = 3;
    // The last key typed is a Backspace, so that an empty text is typed too.
    QLineEdit *edited = fields(form)[field - 1];
    edited->setText(text + QLatin1Char('9'));
    edited->end(false);
    QTest::keyClick(edited, Qt::Key_Backspace);
    QCOMPARE(edited->text(), text);
    const std::optional<Preview> preview = Single::instance<PictureNews>().preview();
    QVERIFY(preview);
    QCOMPARE(preview->colour, 4);
    QVERIFY(recorder.messages.isEmpty());
    QCOMPARE(int(form.Miocolor), 3);
    for (QLineEdit *f : fields(form))
        QCOMPARE(backColor(f), white);

    control<QPushButton>(form, "Command2")->click();
    QCOMPARE(preview->values.has_value(), recorder.messages.isEmpty());
    if (!preview->values)
        return;
    const CurveValues &v = *preview->values;
    QCOMPARE((QList<double>{v.a, v.b, v.c, v.d, v.ratio, v.step, v.alpha, v.beta}),
             (QList<double>{form.VALa.number(), form.VALb.number(), form.VALc.number(), form.VALd.number(), form.VALe.number(),
                            form.VALp.number(), form.AA.number(), form.AB.number()}));
    Form4 &drawing = Single::instance<Form4>();
    QTRY_COMPARE(drawing.curves().size(), std::size_t(1));
    QCOMPARE(drawing.curves().back().colour, preview->colour);
    QVERIFY(!Single::instance<PictureNews>().preview());
}

QTEST_MAIN(ParametersTest)
#include "tst_parameters.moc"
