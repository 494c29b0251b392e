// Ending the program: "ESCI" on each screen that has one, and a failure no handler catches, which
// says what it was first. Each case ends the program for good, so CTest runs each in a process
// of its own; the status is the one the program's event loop returns.
#include "TestSupport.h"
#include "calibration/Form2.h"
#include "drawing/Form4.h"
#include "parameters/Form3.h"
#include "runtime/Failure.h"
#include "runtime/Program.h"
#include "runtime/Single.h"

#include <QtTest>

namespace {
// The status the event loop ends with once action has run in it; 99 if it never ends.
int statusAfter(const std::function<void()> &action)
{
    QTimer::singleShot(0, qApp, action);
    QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(99); });
    return QCoreApplication::exec();
}
}

class EndingTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { Single::destroyAll(); }

    void esciEndsTheProgram_data();
    void esciEndsTheProgram();
    void failureEndsTheProgramAfterAMessage();
};

void EndingTest::esciEndsTheProgram_data()
{
    QTest::addColumn<int>("screen");
    QTest::newRow("calibration") << 2;
    QTest::newRow("parameters") << 3;
    QTest::newRow("drawing") << 4;
}

void EndingTest::esciEndsTheProgram()
{
    QFETCH(int, screen);
    Answers answers;
    Form3 &parameters = Single::instance<Form3>();
    Screen &shown = screen == 2 ? static_cast<Screen &>(Single::instance<Form2>())
                  : screen == 3 ? static_cast<Screen &>(parameters)
                                : static_cast<Screen &>(Single::instance<Form4>());
    shown.Show();
    QVERIFY(QTest::qWaitForWindowExposed(&shown));
    auto *esci = control<QPushButton>(shown, screen == 3 ? "Command1" : "Command3");
    QCOMPARE(esci->text(), QStringLiteral("ESCI"));
    QCOMPARE(statusAfter([esci] { esci->click(); }), 0);
    QVERIFY(!shown.isVisible());

    // Once ending, no further handler runs: a refused field would show its message.
    control<QLineEdit>(parameters, "Text1")->setText(QStringLiteral("x"));
    control<QPushButton>(parameters, "Command2")->click();
    QVERIFY(answers.messages.isEmpty());
    QCOMPARE(control<QLineEdit>(parameters, "Text1")->text(), QStringLiteral("x"));
}

void EndingTest::failureEndsTheProgramAfterAMessage()
{
    Answers answers;
    int ran = 0;
    QCOMPARE(statusAfter([&] {
                 Program::handle([&] {
                     ++ran;
                     throw Failure::overflow();
                 });
             }),
             1);
    QCOMPARE(ran, 1);
    QCOMPARE(answers.messages, QStringList{QStringLiteral("Errore di esecuzione: Overflow")});

    Program::handle([&] { ++ran; });
    QCOMPARE(ran, 1);
}

QTEST_MAIN(EndingTest)
#include "tst_ending.moc"
