// The drawing screen's picture menu: where it opens, its shortcuts, the toolkit's save and print
// dialogs, a failed save; none of them runs a screen's activation or touches the picture.
#include "PictureSupport.h"
#include "TestSupport.h"
#include "keeping/LastFolder.h"
#include "keeping/PictureMenu.h"
#include "keeping/SaveFlow.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QMenu>
#include <QMimeData>
#include <QPrintDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {
Form4 &shownDrawingScreen()
{
    setParameters();
    Single::instance<Form2>().Incr = 0.75;
    Form4 &form = Single::instance<Form4>();
    form.Show();
    if (!QTest::qWaitForWindowActive(&form))
        qWarning("the drawing screen did not become active");
    QCoreApplication::processEvents();
    return form;
}

// The colour counter, the curves and the picture, to compare after coming back to the screen.
struct State {
    int16_t colour;
    PictureCurves curves;
    QImage picture;
    bool operator==(const State &) const = default;
};
State stateOf(Form4 &form)
{
    form.activateWindow();
    if (!QTest::qWaitForWindowActive(&form))
        qWarning("the drawing screen did not become active again");
    QCoreApplication::processEvents();
    return {Single::instance<Form3>().Miocolor, form.curves(), form.surface().image()};
}
}

class PictureMenuTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup();

    void menuOpens_data();
    void menuOpens();
    void shortcutsWhateverHasTheFocus();
    void saveDialog_data();
    void saveDialog();
    void failedSaveKeepsEverything_data();
    void failedSaveKeepsEverything();
    void printDialogCancelled();
    void suggestedName();
};

void PictureMenuTest::cleanup()
{
    Single::destroyAll();
}

void PictureMenuTest::menuOpens_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("opens");
    QTest::newRow("right click on the picture") << "mouse" << true;
    QTest::newRow("right click on a button") << "button" << false;
    QTest::newRow("Menu key") << "keyboard" << true;
    QTest::newRow("Shift+F10") << "shift+f10" << true;
}

void PictureMenuTest::menuOpens()
{
    QFETCH(QString, how);
    QFETCH(bool, opens);
    Form4 &form = shownDrawingScreen();
    const State before = stateOf(form);
    QMenu *menu = menuOf(form).menu();
    if (how == QLatin1String("shift+f10")) {
        QTest::keyClick(form.focusWidget(), Qt::Key_F10, Qt::ShiftModifier);
    } else {
        const bool keyboard = how == QLatin1String("keyboard");
        const QPoint at = how == QLatin1String("button") ? control<QPushButton>(form, "Command2")->geometry().center() : QPoint(900, 600);
        QWidget *target = keyboard ? form.focusWidget() : form.childAt(at) ? form.childAt(at) : &form;
        QContextMenuEvent event(keyboard ? QContextMenuEvent::Keyboard : QContextMenuEvent::Mouse,
                                target->mapFrom(&form, at), form.mapToGlobal(at));
        QApplication::sendEvent(target, &event);
    }
    QCOMPARE(menu->isVisible(), opens);
    QStringList entries;
    for (const QAction *action : menu->actions())
        entries << action->text() + QLatin1Char('\t') + action->shortcut().toString();
    QCOMPARE(entries, (QStringList{QStringLiteral("Apri immagine…\tCtrl+O"), QStringLiteral("Salva immagine…\tCtrl+S"),
                                   QStringLiteral("Copia immagine\tCtrl+C"), QStringLiteral("Stampa…\tCtrl+P"),
                                   QStringLiteral("\t"), QStringLiteral("Vista 3D\tCtrl+3")}));
    menu->close();
    QVERIFY(stateOf(form) == before);
}

void PictureMenuTest::shortcutsWhateverHasTheFocus()
{
    Form4 &form = shownDrawingScreen();
    const State before = stateOf(form);
    int saves = 0, prints = 0;
    Answers recorder;
    const Step cancelSave = [&saves](QWidget *dialog) {
        saves += dialog->windowTitle() == QStringLiteral("Salva immagine");
        QTest::keyClick(dialog, Qt::Key_Escape);
    };
    const Step cancelPrint = [&prints](QWidget *dialog) {
        prints += qobject_cast<QPrintDialog *>(dialog) != nullptr;
        QTest::keyClick(dialog, Qt::Key_Escape);
    };
    recorder.then({cancelSave, cancelPrint, cancelSave, cancelPrint});
    for (QPushButton *button : {control<QPushButton>(form, "Command3"), control<QPushButton>(form, "Command1")}) {
        button->setFocus();
        QGuiApplication::clipboard()->clear();
        // The window's shortcuts work in the active window: the user comes back to it once each
        // dialog is gone.
        for (const Qt::Key key : {Qt::Key_S, Qt::Key_P, Qt::Key_C}) {
            form.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&form));
            QTest::keyClick(button, key, Qt::ControlModifier);
        }
        const QMimeData *copied = QGuiApplication::clipboard()->mimeData();
        QVERIFY(copied && copied->hasImage());
        QCOMPARE(qvariant_cast<QImage>(copied->imageData()).size(), form.size());
        QVERIFY(copied->data(QStringLiteral("image/svg+xml")).contains("<desc>"));
    }
    QCOMPARE(saves, 2);
    QCOMPARE(prints, 2);
    QVERIFY(stateOf(form) == before);
}

void PictureMenuTest::saveDialog_data()
{
    QTest::addColumn<int>("filter");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QList<Step>>("then"); // after Enter in the dialog
    QTest::addColumn<QString>("written");
    QTest::addColumn<QByteArray>("start");
    const QList<Step> nothing;
    QTest::newRow("SVG filter, no extension") << 1 << "curva" << nothing << "curva.svg" << QByteArray("<?xml");
    QTest::newRow("PDF filter, PNG typed") << 2 << "curva.png" << nothing << "curva.png" << QByteArray("\x89PNG");
    QTest::newRow("SVG filter, unknown extension") << 1 << "curva.v2" << nothing << "curva.v2" << QByteArray("<?xml");
    QTest::newRow("suggested name, PDF filter") << 2 << "" << nothing << "*.pdf" << QByteArray("%PDF");
    QTest::newRow("existing file, replacing refused, dialog cancelled")
        << 0 << "vecchia" << QList<Step>{press(Qt::Key_Escape), press(Qt::Key_Escape)} << "vecchia.png" << QByteArray("old");
    QTest::newRow("existing file, replacing confirmed")
        << 0 << "vecchia" << QList<Step>{press(Qt::Key_Y)} << "vecchia.png" << QByteArray("\x89PNG");
}

void PictureMenuTest::saveDialog()
{
    QFETCH(int, filter);
    QFETCH(QString, typed);
    QFETCH(QList<Step>, then);
    QFETCH(QString, written);
    QFETCH(QByteArray, start);
    QTemporaryDir folder;
    qputenv("HOME", folder.path().toUtf8());
    if (typed == QLatin1String("vecchia")) {
        QFile old(folder.filePath(written));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old");
    }
    Form4 &form = shownDrawingScreen();
    const State before = stateOf(form);
    Answers recorder;
    recorder.then(QList<Step>{typeName(filter, typed.isEmpty() ? typed : folder.filePath(typed))} + then);
    menuOf(form).save();

    const QStringList files = QDir(folder.path()).entryList(QDir::Files);
    QCOMPARE(files.size(), 1);
    QVERIFY(QDir::match(written, files[0]));
    QFile file(folder.filePath(files[0]));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().startsWith(start));
    QVERIFY(recorder.messages.isEmpty());
    QVERIFY(stateOf(form) == before);
}

void PictureMenuTest::failedSaveKeepsEverything_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reason");
    QTest::newRow("folder that does not exist") << "manca/curva.png" << "la cartella";
    // The temporary file beside it cannot be made: its name would be too long.
    QTest::newRow("existing file, no room for the temporary") << QString(251, QLatin1Char('x')) + ".png" << "";
}

void PictureMenuTest::failedSaveKeepsEverything()
{
    QFETCH(QString, name);
    QFETCH(QString, reason);
    QTemporaryDir folder;
    const QString path = folder.filePath(name);
    const bool existing = !name.contains(QLatin1Char('/'));
    if (existing) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("old");
    }
    Form4 &form = shownDrawingScreen();
    const State before = stateOf(form);
    Answers recorder;
    recorder.then({typeName(0, path)});
    // Replacing the file there is confirmed.
    if (existing)
        recorder.then({press(Qt::Key_Y)});
    menuOf(form).save();

    QCOMPARE(recorder.messages.size(), 1);
    const QString prefix = QStringLiteral("Impossibile salvare l'immagine %1: ").arg(path);
    QVERIFY2(recorder.messages[0].startsWith(prefix + reason), qPrintable(recorder.messages[0]));
    QVERIFY(recorder.messages[0].size() > prefix.size());
    QFile file(path);
    QCOMPARE(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("none"), existing ? "old" : "none");
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files).size(), existing ? 1 : 0);
    QVERIFY(stateOf(form) == before);
}

void PictureMenuTest::printDialogCancelled()
{
    Form4 &form = shownDrawingScreen();
    const State before = stateOf(form);
    Answers recorder;
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    recorder.then({press(Qt::Key_Escape)});
    menuOf(form).print();
    QVERIFY(stateOf(form) == before);
    QCOMPARE(before.curves.size(), 1);
    QVERIFY(recorder.messages.isEmpty());
    QCOMPARE(QDir(home.path()).entryList(QDir::Files), QStringList());
}

void PictureMenuTest::suggestedName()
{
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    const QDateTime when(QDate(2026, 12, 7), QTime(14, 30, 5));
    const QString png = QStringLiteral("png");
    QCOMPARE(SaveFlow::suggestedPath(LastFolder::get(), when, png), home.filePath(QStringLiteral("elica-2026-12-07-143005.png")));
    QVERIFY(QDir(home.path()).mkpath(QStringLiteral("Pictures")));
    QCOMPARE(SaveFlow::suggestedPath(LastFolder::get(), when, png),
             home.filePath(QStringLiteral("Pictures/elica-2026-12-07-143005.png")));
    // Once a picture is saved or opened, its folder.
    LastFolder::rememberOf(home.filePath(QStringLiteral("elica.png")));
    QCOMPARE(LastFolder::get(), home.path());
}

QTEST_MAIN(PictureMenuTest)
#include "tst_picturemenu.moc"
