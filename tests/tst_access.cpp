// What a screen reader finds, read through the toolkit's accessibility
// interfaces: the pages' text letter for letter as the documents quote it, the
// fields' names, the calibration bar's value and the calibration figure.
#include "PictureSupport.h"
#include "TestSupport.h"
#include "calibration/Form2.h"
#include "drawing/Form4.h"
#include "pages/DocumentView.h"
#include "pages/Form1.h"
#include "parameters/Form3.h"
#include "runtime/Single.h"
#include "runtime/SurfaceFigure.h"

#include <QAccessible>
#include <QLineEdit>
#include <QScrollBar>
#include <QtTest>

namespace {
QAccessibleInterface *accessible(QObject *object)
{
    QAccessibleInterface *interface = QAccessible::queryAccessibleInterface(object);
    if (!interface)
        qFatal("no accessible interface");
    return interface;
}

QString wholeText(QObject *object)
{
    QAccessibleTextInterface *text = accessible(object)->textInterface();
    return text ? text->text(0, text->characterCount()) : QStringLiteral("(no text interface)");
}

// The intro document's words and formulas, each formula on the line of the
// words before it; the prime is the upright apostrophe the formulas set, the
// subscript follows its letter, and the fraction reads "over" as a slash.
const QString introText = QStringList{
    QStringLiteral("PROGRAMMA: Elica"),
    QStringLiteral(u"ELICA + CHICCIOLA   ") + QStringLiteral(u"OA cos γ1 = q cos μ + q' υ cos ρ") + QStringLiteral("; ")
        + QStringLiteral(u"OA cos γ = m sin μ + m' υ sin ρ") + QStringLiteral("; ") + QStringLiteral(u"OA cos γ = b μ + b υ"),
    QStringLiteral(u"Ad ogni valore di ρ abbiamo ") + QStringLiteral(u"0 ≤ μ ≤ 360°"),
    QStringLiteral(u"Il valore tra i due angoli è dato da   ") + QStringLiteral(u"υ/η = d") + QStringLiteral("; ")
        + QStringLiteral(u"υ = η d"),
}.join(u'\n');

const QString helpText = QStringList{
    QStringLiteral("I valori PROSPETTICI ASSONOMETRICI sono quelli che danno movimento alla figura:sono fissi e "
                   "normalmente non si variano."),
    QStringLiteral(u"Essi sono nell’ordine dall’alto: 45-45."),
    QStringLiteral("Tuttavia possono essere variati per migliorare la prospettiva."),
    QStringLiteral("Provare con valori delle costanti indicati."),
    QStringLiteral(u"La longitudine è la larghezza.  La latitudine è l’ altezza "),
}.join(u'\n');
}

class AccessTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { Single::destroyAll(); }

    void pageText_data();
    void pageText();
    void fieldNames_data();
    void fieldNames();
    void calibrationBarSpeaksTheFactor();
    void calibrationFigureDescribesItself_data();
    void calibrationFigureDescribesItself();
    void pictureDescribesItsCurves();
    void focusShownOnArrival_data();
    void focusShownOnArrival();
};

void AccessTest::pageText_data()
{
    QTest::addColumn<bool>("intro");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::newRow("intro") << true << QStringLiteral("Pagina introduttiva") << introText;
    QTest::newRow("help") << false << QStringLiteral("Pagina di aiuto") << helpText;
}

void AccessTest::pageText()
{
    QFETCH(bool, intro);
    QFETCH(QString, name);
    QFETCH(QString, text);
    DocumentView *view = intro ? control<DocumentView>(Single::instance<Form1>(), "OLE1") : control<DocumentView>(Single::instance<Form3>(), "OLE1");
    QAccessibleInterface *page = accessible(view);
    QCOMPARE(page->role(), QAccessible::Document);
    QCOMPARE(page->text(QAccessible::Name), name);
    QVERIFY(page->state().readOnly);
    QVERIFY(page->state().focusable);
    QCOMPARE(wholeText(view), text);
    // A reader asks for pieces too: the second line on its own.
    QAccessibleTextInterface *reader = page->textInterface();
    const int start = int(text.indexOf(u'\n')) + 1;
    const int end = int(text.indexOf(u'\n', start));
    QCOMPARE(reader->text(start, end), text.mid(start, end - start));
}

void AccessTest::fieldNames_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("name");
    QTest::newRow("Text1") << 1 << QStringLiteral("ELLICA, Asse Maggiore");
    QTest::newRow("Text2") << 2 << QStringLiteral("ELLICA, Asse Minore");
    QTest::newRow("Text3") << 3 << QStringLiteral("SPIRALE, Asse Maggiore");
    QTest::newRow("Text4") << 4 << QStringLiteral("SPIRALE, Asse Minore");
    QTest::newRow("Text5") << 5 << QStringLiteral("Rapporto tra gli angoli");
    QTest::newRow("Text6") << 6 << QStringLiteral("PASSO");
    QTest::newRow("Text7") << 7 << QStringLiteral("Angolo alfa");
    QTest::newRow("Text8") << 8 << QStringLiteral("Angolo beta");
}

void AccessTest::fieldNames()
{
    QFETCH(int, field);
    QFETCH(QString, name);
    Form3 &form = Single::instance<Form3>();
    QLineEdit *fields[] = {control<QLineEdit>(form, "Text1"), control<QLineEdit>(form, "Text2"), control<QLineEdit>(form, "Text3"), control<QLineEdit>(form, "Text4"), control<QLineEdit>(form, "Text5"), control<QLineEdit>(form, "Text6"), control<QLineEdit>(form, "Text7"), control<QLineEdit>(form, "Text8")};
    QAccessibleInterface *interface = accessible(fields[field - 1]);
    QCOMPARE(interface->role(), QAccessible::EditableText);
    QCOMPARE(interface->text(QAccessible::Name), name);
}

void AccessTest::calibrationBarSpeaksTheFactor()
{
    Form2 &form = Single::instance<Form2>();
    form.Show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QAccessibleInterface *bar = accessible(control<QScrollBar>(form, "HScroll1"));
    QCOMPARE(bar->role(), QAccessible::ScrollBar);
    QCOMPARE(bar->text(QAccessible::Name), QStringLiteral("Calibrazione"));
    QCOMPARE(accessible(control<QLineEdit>(form, "Text1"))->text(QAccessible::Name), QStringLiteral("Fattore"));
    QAccessibleValueInterface *value = bar->valueInterface();
    QVERIFY(value);
    QCOMPARE(value->currentValue().toDouble(), 0.51);
    QCOMPARE(value->minimumValue().toDouble(), 0.53);
    QCOMPARE(value->maximumValue().toDouble(), 0.51 + 0.02 * 30);

    // Keyboard alone: the arrow keys move the bar a step the way they point.
    QCOMPARE(QApplication::focusWidget(), control<QScrollBar>(form, "HScroll1"));
    QTest::keyClick(control<QScrollBar>(form, "HScroll1"), Qt::Key_Right);
    QTest::keyClick(control<QScrollBar>(form, "HScroll1"), Qt::Key_Right);
    QTest::keyClick(control<QScrollBar>(form, "HScroll1"), Qt::Key_Right);
    QTest::keyClick(control<QScrollBar>(form, "HScroll1"), Qt::Key_Left);
    QCOMPARE(control<QScrollBar>(form, "HScroll1")->value(), 3);
    QCOMPARE(value->currentValue().toDouble(), form.Incr);
    QCOMPARE(control<QLineEdit>(form, "Text1")->text(), QStringLiteral("0,57"));
    // An assistive tool that sets a factor moves the bar to it.
    value->setCurrentValue(0.79);
    QCOMPARE(control<QScrollBar>(form, "HScroll1")->value(), 14);
    QCOMPARE(control<QLineEdit>(form, "Text1")->text(), QStringLiteral("0,79"));
    // Back on the screen the factor is 0,51 again while the bar stays.
    form.Form_Activate();
    QCOMPARE(value->currentValue().toDouble(), 0.51);
    QCOMPARE(control<QScrollBar>(form, "HScroll1")->value(), 14);
}

void AccessTest::calibrationFigureDescribesItself_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("description");
    QTest::newRow("up") << 2 << 5 << QStringLiteral(u"Fattore 0,61; la figura non è stata cancellata");
    QTest::newRow("down") << 5 << 2 << QStringLiteral(u"Fattore 0,55; la figura è stata cancellata");
}

void AccessTest::calibrationFigureDescribesItself()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, description);
    Form2 &form = Single::instance<Form2>();
    form.Show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    SurfaceFigure *figure = form.findChild<SurfaceFigure *>();
    QVERIFY(figure);
    QAccessibleInterface *interface = accessible(figure);
    QCOMPARE(interface->role(), QAccessible::Graphic);
    QCOMPARE(interface->text(QAccessible::Name), QStringLiteral("Figura di calibrazione"));
    QCOMPARE(interface->text(QAccessible::Description), QStringLiteral(u"Fattore 0,51; la figura non è stata cancellata"));

    control<QScrollBar>(form, "HScroll1")->setValue(from);
    control<QScrollBar>(form, "HScroll1")->setValue(to);
    QCOMPARE(interface->text(QAccessible::Description), description);
    // It covers the surface but the controls above it still take the clicks.
    QCOMPARE(figure->geometry(), form.rect());
    QCOMPARE(form.childAt(form.rect().center() + QPoint(200, 200)), nullptr);
    QCOMPARE(form.childAt(control<QScrollBar>(form, "HScroll1")->geometry().center()), control<QScrollBar>(form, "HScroll1"));
}

void AccessTest::pictureDescribesItsCurves()
{
    Answers recorder;
    setParameters();
    Single::instance<Form2>().Incr = 0.75;
    Form4 &form = Single::instance<Form4>();
    QAccessibleInterface *figure = accessible(form.findChild<SurfaceFigure *>());
    QCOMPARE(figure->text(QAccessible::Name), QStringLiteral("Disegno"));
    QCOMPARE(figure->text(QAccessible::Description), QStringLiteral(u"Il disegno è vuoto"));

    form.Show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QString first = QStringLiteral("Curva 1, blu scuro: a 20; b 15; c 10; d 5; rapporto 3; passo 1; alfa 45; beta 45");
    QCOMPARE(figure->text(QAccessible::Description), QStringLiteral("1 curva. ") + first);

    setParameters(20, 15, 10, 5, 0.5, 1, 45, 30);
    form.Show();
    QCOMPARE(figure->text(QAccessible::Description),
             QStringLiteral("2 curve. ") + first
                 + QStringLiteral(". Curva 2, verde scuro: a 20; b 15; c 10; d 5; rapporto 0,5; passo 1; alfa 45; beta 30"));

    control<QPushButton>(form, "Command2")->click();
    QCOMPARE(figure->text(QAccessible::Description), QStringLiteral(u"Il disegno è vuoto"));
    QVERIFY(recorder.messages.isEmpty());
}

void AccessTest::focusShownOnArrival_data()
{
    QTest::addColumn<int>("screen");
    QTest::addColumn<QString>("focused");
    QTest::newRow("Form1") << 1 << QStringLiteral("Pagina introduttiva");
    QTest::newRow("Form2") << 2 << QStringLiteral("Calibrazione");
    QTest::newRow("Form3") << 3 << QStringLiteral("AVANTI");
}

void AccessTest::focusShownOnArrival()
{
    QFETCH(int, screen);
    QFETCH(QString, focused);
    Screen *form = screen == 1 ? static_cast<Screen *>(&Single::instance<Form1>())
                 : screen == 2 ? static_cast<Screen *>(&Single::instance<Form2>())
                               : static_cast<Screen *>(&Single::instance<Form3>());
    form->Show();
    QVERIFY(QTest::qWaitForWindowActive(form));
    QCOMPARE(accessible(form)->role(), QAccessible::Window);
    QCOMPARE(accessible(form)->text(QAccessible::Name), QStringLiteral("Form%1").arg(screen));
    // The style marks the focused control only in a window whose focus last
    // moved by the keyboard: a screen arrives as if it had.
    QVERIFY(form->testAttribute(Qt::WA_KeyboardFocusChange));
    QCOMPARE(accessible(QApplication::focusWidget())->text(QAccessible::Name), focused);
}

QTEST_MAIN(AccessTest)
#include "tst_access.moc"
