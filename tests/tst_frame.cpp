// The program frame: when activation handlers run, single screens, the
// navigation between screens, ending the program and the failure path.
#include "TestSupport.h"
#include "calibration/Form2.h"
#include "drawing/Form4.h"
#include "pages/DocumentView.h"
#include "pages/Form1.h"
#include "parameters/Form3.h"
#include "runtime/Screen.h"
#include "runtime/Single.h"
#include "view3d/View3D.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

namespace {
class CountingScreen : public Screen {
public:
    explicit CountingScreen(const QString &caption, bool maximised = false)
        : Screen(caption, QSize(3000, 2000), maximised) {}
    void Form_Activate() override { ++activations; }
    int activations = 0;
};

void showAndWait(Screen &screen)
{
    screen.Show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    QCoreApplication::processEvents();
}

void clickInto(QWidget &window)
{
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCoreApplication::processEvents();
}
}

class FrameTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void showRunsActivationOnce();
    void showAgainWhileVisible();
    void clickingIntoAnotherScreen();
    void otherWindowsAreNotScreens();
    void closeControlKeepsTheScreen();
    void screensAreSingleAndCreatedOnFirstUse();
    void navigation();
    void closingTheIntroScreenDoesNotEndTheProgram();
    void buttonsAtTheirDesignPlaces_data();
    void buttonsAtTheirDesignPlaces();
    void introFocusAndRepeatedAvanti();
    void windowsCarryTheProgramIcon_data();
    void windowsCarryTheProgramIcon();

private:
    std::unique_ptr<Answers> m_program;
};

void FrameTest::init()
{
    m_program = std::make_unique<Answers>();
}

void FrameTest::cleanup()
{
    Single::destroyAll();
    m_program.reset();
}

void FrameTest::showRunsActivationOnce()
{
    CountingScreen a(QStringLiteral("A"), true);
    showAndWait(a);
    QCOMPARE(a.activations, 1);
    QVERIFY(a.isMaximized());
    QTRY_COMPARE(QApplication::activeWindow(), &a);

    // The window system's own activation of the screen just shown.
    clickInto(a);
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&a, &activate);
    QCOMPARE(a.activations, 1);
}

void FrameTest::showAgainWhileVisible()
{
    CountingScreen a(QStringLiteral("A"));
    showAndWait(a);
    a.Show();
    QCOMPARE(a.activations, 2);
    a.Show();
    QCOMPARE(a.activations, 3);
}

void FrameTest::clickingIntoAnotherScreen()
{
    CountingScreen a(QStringLiteral("A"));
    CountingScreen b(QStringLiteral("B"));
    showAndWait(a);
    showAndWait(b);
    QCOMPARE(a.activations, 1);
    QCOMPARE(b.activations, 1);

    clickInto(a);
    QCOMPARE(a.activations, 2);
    clickInto(b);
    QCOMPARE(b.activations, 2);

    // Coming back from another application to the same screen.
    QEvent deactivate(QEvent::WindowDeactivate);
    QCoreApplication::sendEvent(&b, &deactivate);
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&b, &activate);
    QCOMPARE(b.activations, 2);
    QCOMPARE(a.activations, 2);
}

void FrameTest::otherWindowsAreNotScreens()
{
    CountingScreen a(QStringLiteral("A"));
    showAndWait(a);

    // A message box (or any window that is not a screen) takes the focus and gives it back.
    QWidget box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    clickInto(box);
    box.close();
    clickInto(a);
    QCOMPARE(a.activations, 1);
    QTRY_COMPARE(QApplication::activeWindow(), &a);
}

void FrameTest::closeControlKeepsTheScreen()
{
    Form2 &calibration = Single::instance<Form2>();
    showAndWait(calibration);
    control<QScrollBar>(calibration, "HScroll1")->setValue(5);
    QVERIFY(calibration.close());
    QVERIFY(!calibration.isVisible());
    QVERIFY(Single::exists<Form2>());
    QCOMPARE(control<QScrollBar>(calibration, "HScroll1")->value(), 5);

    showAndWait(calibration);
    QVERIFY(calibration.isVisible());
    QCOMPARE(&Single::instance<Form2>(), &calibration);
    QCOMPARE(control<QScrollBar>(calibration, "HScroll1")->value(), 5);
    QCOMPARE(calibration.Incr, 0.51);
}

void FrameTest::screensAreSingleAndCreatedOnFirstUse()
{
    QVERIFY(!Single::exists<Form3>());
    // Reading a variable creates the screen without showing it or running a handler.
    QCOMPARE(int(Single::instance<Form3>().Miocolor), 0);
    QVERIFY(Single::exists<Form3>());
    QVERIFY(!Single::instance<Form3>().isVisible());
    QCOMPARE(control<QLineEdit>(Single::instance<Form3>(), "Text1")->text(), QStringLiteral("20"));
    QCOMPARE(&Single::instance<Form3>(), &Single::instance<Form3>());
    QVERIFY(!Single::exists<Form4>());
    QVERIFY(Single::instance<Form2>().Incr == 0);
}

void FrameTest::navigation()
{
    Form1 &intro = Single::instance<Form1>();
    showAndWait(intro);
    QVERIFY(!Single::exists<Form2>());

    QTest::mouseClick(control<QPushButton>(intro, "Command1"), Qt::LeftButton);
    Form2 &calibration = Single::instance<Form2>();
    QVERIFY(QTest::qWaitForWindowExposed(&calibration));
    QTRY_COMPARE(control<QLineEdit>(calibration, "Text1")->text(), QStringLiteral("0,51"));
    QVERIFY(intro.isVisible());

    // Refused at 0.51, accepted once the bar is moved.
    QTest::mouseClick(control<QPushButton>(calibration, "Command1"), Qt::LeftButton);
    QCOMPARE(m_program->messages, QStringList{QStringLiteral("Impostare la risoluzione SCHERMO")});
    QVERIFY(!Single::exists<Form3>());
    control<QScrollBar>(calibration, "HScroll1")->setValue(2);
    QTest::mouseClick(control<QPushButton>(calibration, "Command1"), Qt::LeftButton);
    Form3 &parameters = Single::instance<Form3>();
    QVERIFY(QTest::qWaitForWindowExposed(&parameters));

    QTest::mouseClick(control<QPushButton>(parameters, "Command2"), Qt::LeftButton);
    Form4 &drawing = Single::instance<Form4>();
    QVERIFY(QTest::qWaitForWindowExposed(&drawing));
    QTRY_COMPARE(int(parameters.Miocolor), 1);

    QTest::mouseClick(control<QPushButton>(drawing, "Command1"), Qt::LeftButton);
    QTRY_COMPARE(QApplication::activeWindow(), &parameters);
    QTest::mouseClick(control<QPushButton>(drawing, "Command2"), Qt::LeftButton);
    QTRY_COMPARE(QApplication::activeWindow(), &parameters);

    // After a full walk all four screens are open; nothing ended the program.
    for (QWidget *screen : {static_cast<QWidget *>(&intro), static_cast<QWidget *>(&calibration),
                            static_cast<QWidget *>(&parameters), static_cast<QWidget *>(&drawing)})
        QVERIFY(screen->isVisible());
    QCOMPARE(m_program->messages.size(), 1);
}

void FrameTest::closingTheIntroScreenDoesNotEndTheProgram()
{
    Form1 &intro = Single::instance<Form1>();
    showAndWait(intro);
    control<QPushButton>(intro, "Command1")->click();
    QVERIFY(QTest::qWaitForWindowExposed(&Single::instance<Form2>()));

    bool runningWithoutIntro = false;
    QTimer::singleShot(0, &intro, [&] { intro.close(); });
    QTimer::singleShot(100, &intro, [&] {
        runningWithoutIntro = true;
        Single::instance<Form2>().close();
    });
    QTimer::singleShot(5000, &intro, [] { QCoreApplication::exit(99); });
    // The event loop ends when the last screen window is closed, not before.
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(runningWithoutIntro);
    QVERIFY(Single::exists<Form1>());
}

void FrameTest::buttonsAtTheirDesignPlaces_data()
{
    QTest::addColumn<int>("screen");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("twips");
    QTest::newRow("Form1 AVANTI") << 1 << "Command1" << "AVANTI" << QRect(3600, 5640, 2895, 855);
    QTest::newRow("Form2 OK") << 2 << "Command1" << "OK - continua" << QRect(3120, 2880, 1575, 615);
    QTest::newRow("Form2 instruction") << 2 << "Command2"
        << "KLICCARE  sulla barra di scorrimento fino a che la figura  risulti una CIRCONFERENZA"
        << QRect(360, 1560, 6255, 735);
    QTest::newRow("Form2 ESCI") << 2 << "Command3" << "ESCI" << QRect(360, 4080, 1695, 615);
    QTest::newRow("Form3 ESCI") << 3 << "Command1" << "ESCI" << QRect(1680, 4920, 1935, 735);
    QTest::newRow("Form3 AVANTI") << 3 << "Command2" << "AVANTI" << QRect(5160, 4920, 1935, 735);
    QTest::newRow("Form4 RIPRENDI") << 4 << "Command1" << "RIPRENDI" << QRect(960, 720, 1695, 615);
    QTest::newRow("Form4 Cancella") << 4 << "Command2" << "Cancella e riprendi" << QRect(3000, 720, 1695, 615);
    QTest::newRow("Form4 ESCI") << 4 << "Command3" << "ESCI" << QRect(960, 1800, 1695, 615);
}

void FrameTest::buttonsAtTheirDesignPlaces()
{
    QFETCH(int, screen);
    QFETCH(QString, control);
    QFETCH(QString, caption);
    QFETCH(QRect, twips);
    const QList<Screen *> screens{&Single::instance<Form1>(), &Single::instance<Form2>(), &Single::instance<Form3>(), &Single::instance<Form4>()};
    Screen *form = screens[screen - 1];
    QCOMPARE(form->windowTitle(), QStringLiteral("Form%1").arg(screen));
    const QList<QPushButton *> buttons = form->findChildren<QPushButton *>();
    QPushButton *button = nullptr;
    for (QPushButton *candidate : buttons)
        if (candidate->text() == caption)
            button = candidate;
    QVERIFY2(button, qPrintable(control));
    // 96 DPI offscreen: 15 twips a pixel.
    QCOMPARE(button->geometry(), QRect(twips.x() / 15, twips.y() / 15, qRound(twips.width() / 15.0),
                                       qRound(twips.height() / 15.0)));
}

void FrameTest::introFocusAndRepeatedAvanti()
{
    Form1 &intro = Single::instance<Form1>();
    QCOMPARE(intro.size(), QSize(778, 571));
    showAndWait(intro);
    QCOMPARE(intro.focusWidget(), static_cast<QWidget *>(control<DocumentView>(intro, "OLE1")));
    QCOMPARE(control<DocumentView>(intro, "OLE1")->nextInFocusChain(), static_cast<QWidget *>(control<QPushButton>(intro, "Command1")));

    // The button lies above the view's lower edge.
    const QPoint overlap = control<QPushButton>(intro, "Command1")->geometry().center();
    QVERIFY(control<DocumentView>(intro, "OLE1")->geometry().contains(overlap));
    QCOMPARE(intro.childAt(overlap), static_cast<QWidget *>(control<QPushButton>(intro, "Command1")));

    control<QPushButton>(intro, "Command1")->click();
    Form2 &calibration = Single::instance<Form2>();
    QVERIFY(QTest::qWaitForWindowExposed(&calibration));
    QTRY_COMPARE(calibration.Incr, 0.51);
    control<QScrollBar>(calibration, "HScroll1")->setValue(4);
    QCOMPARE(control<QLineEdit>(calibration, "Text1")->text(), QStringLiteral("0,59"));

    // A second press: the same screen, its calibration starting over.
    control<QPushButton>(intro, "Command1")->click();
    QCOMPARE(&Single::instance<Form2>(), &calibration);
    QCOMPARE(control<QLineEdit>(calibration, "Text1")->text(), QStringLiteral("0,51"));
    QCOMPARE(control<QScrollBar>(calibration, "HScroll1")->value(), 4);
}

void FrameTest::windowsCarryTheProgramIcon_data()
{
    QTest::addColumn<bool>("view");
    QTest::newRow("the intro screen") << false;
    QTest::newRow("the 3D view") << true;
}

void FrameTest::windowsCarryTheProgramIcon()
{
    QFETCH(bool, view);
    const QWidget &window = view ? static_cast<QWidget &>(Single::instance<View3D>()) : Single::instance<Form1>();
    // The icon rendered at build time: the curve's dark blue on a light tile.
    const QImage icon = window.windowIcon().pixmap(64, 64).toImage();
    QCOMPARE(icon.size(), QSize(64, 64));
    QCOMPARE(icon.pixelColor(4, 32), QColor(240, 240, 240));
    int blue = 0;
    for (int y = 0; y < icon.height(); ++y)
        for (int x = 0; x < icon.width(); ++x)
            blue += icon.pixelColor(x, y) == QColor(0, 0, 128);
    QVERIFY2(blue > 50, qPrintable(QString::number(blue)));
}

QTEST_MAIN(FrameTest)
#include "tst_frame.moc"
