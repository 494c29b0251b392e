// The drawing screen's picture menu: where it opens, its shortcuts, the format a saved name
// gets, a failed save, and the dialogs, after which no screen's activation runs.
#include "PictureSupport.h"
#include "TestSupport.h"
#include "drawing/PictureDialogs.h"
#include "drawing/PictureMenu.h"
#include "runtime/Palette.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDateTime>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
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

PictureMenu &menuOf(Form4 &form)
{
    return *form.findChild<PictureMenu *>();
}

// What a picture's action must leave alone: the colour counter, the curves and their dots.
struct Untouched {
    explicit Untouched(Form4 &form)
        : form(form), colour(Single::instance<Form3>().Miocolor), dots(form.surface().record().dotCount()),
          picture(form.surface().image())
    {
    }
    bool holds() const
    {
        return Single::instance<Form3>().Miocolor == colour && form.surface().record().dotCount() == dots
            && form.surface().image() == picture;
    }
    Form4 &form;
    int16_t colour;
    std::uint64_t dots;
    QImage picture;
};

// Closes whatever modal dialog comes up next, as Escape would.
void cancelNextDialog()
{
    auto *poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll] {
        if (QWidget *dialog = QApplication::activeModalWidget()) {
            QTest::keyClick(dialog, Qt::Key_Escape);
            poll->deleteLater();
        }
    });
    poll->start(20);
}

// Runs each step on the next modal window that comes up (a dialog, then a box over it, then the
// dialog again ...).
using Step = std::function<void(QWidget *)>;
void onDialogs(QList<Step> steps)
{
    auto *poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, steps, handled = QPointer<QWidget>(), next = 0]() mutable {
        QWidget *dialog = QApplication::activeModalWidget();
        if (!dialog || dialog == handled)
            return;
        handled = dialog;
        // Outside this slot: a step may open a box of its own and wait for it.
        QTimer::singleShot(0, dialog, [dialog, step = steps[next++]] { step(dialog); });
        if (next == steps.size())
            poll->deleteLater();
    });
    poll->start(20);
}

// In the toolkit's save dialog: the name field has the focus; picks a filter, types a name (none
// keeps the one suggested), Enter.
Step typeName(int filter, const QString &name)
{
    return [filter, name](QWidget *dialog) {
        auto *field = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        auto *types = dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
        QVERIFY(field && types);
        QVERIFY(QTest::qWaitFor([field] { return field->hasFocus(); }, 2000));
        for (int i = 0; i < filter; ++i)
            QTest::keyClick(types, Qt::Key_Down);
        if (!name.isEmpty())
            field->setText(name);
        QTest::keyClick(field, Qt::Key_Return);
    };
}

void press(QWidget *window, Qt::Key key)
{
    QTest::keyClick(window, key);
}

void comeBack(Form4 &form)
{
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCoreApplication::processEvents();
}
}

class PictureMenuTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup();

    void menuOpens_data();
    void menuOpens();
    void shortcutsWhateverHasTheFocus_data();
    void shortcutsWhateverHasTheFocus();
    void savedNameGetsItsFormat_data();
    void savedNameGetsItsFormat();
    void failedSaveKeepsEverything_data();
    void failedSaveKeepsEverything();
    void realSaveDialog_data();
    void realSaveDialog();
    void dialogsRunNoActivation_data();
    void dialogsRunNoActivation();
    void suggestedName();
};

void PictureMenuTest::cleanup()
{
    PictureDialogs::setSaveAsker({});
    PictureDialogs::setPrintAsker({});
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
    const Untouched before(form);
    QMenu *menu = menuOf(form).menu();
    if (how == QLatin1String("shift+f10")) {
        QTest::keyClick(form.focusWidget(), Qt::Key_F10, Qt::ShiftModifier);
    } else {
        const QPoint at = how == QLatin1String("button") ? form.Command2->geometry().center() : QPoint(900, 600);
        const auto reason = how == QLatin1String("keyboard") ? QContextMenuEvent::Keyboard : QContextMenuEvent::Mouse;
        QWidget *target = how == QLatin1String("keyboard") ? form.focusWidget() : form.childAt(at);
        target = target ? target : &form;
        QContextMenuEvent event(reason, target->mapFrom(&form, at), form.mapToGlobal(at));
        QApplication::sendEvent(target, &event);
    }
    QCOMPARE(menu->isVisible(), opens);
    if (opens) {
        QStringList entries;
        for (const QAction *action : menu->actions())
            entries << action->text() + QLatin1Char('\t') + action->shortcut().toString();
        QCOMPARE(entries, (QStringList{QStringLiteral("Salva immagine…\tCtrl+S"), QStringLiteral("Copia immagine\tCtrl+C"),
                                       QStringLiteral("Stampa…\tCtrl+P")}));
        menu->close();
    }
    comeBack(form);
    QVERIFY(before.holds());
}

void PictureMenuTest::shortcutsWhateverHasTheFocus_data()
{
    QTest::addColumn<int>("focus");
    QTest::newRow("ESCI has the focus") << 3;
    QTest::newRow("RIPRENDI has the focus") << 1;
}

void PictureMenuTest::shortcutsWhateverHasTheFocus()
{
    QFETCH(int, focus);
    Form4 &form = shownDrawingScreen();
    QPushButton *button = focus == 3 ? form.Command3 : form.Command1;
    button->setFocus();
    int saves = 0, prints = 0;
    PictureDialogs::setSaveAsker([&saves](QWidget *, const QString &, const QStringList &) {
        ++saves;
        return std::nullopt;
    });
    PictureDialogs::setPrintAsker([&prints](QWidget *, QPrinter &) {
        ++prints;
        return false;
    });
    QGuiApplication::clipboard()->clear();

    QTest::keyClick(button, Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(button, Qt::Key_P, Qt::ControlModifier);
    QTest::keyClick(button, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(saves, 1);
    QCOMPARE(prints, 1);
    const QMimeData *copied = QGuiApplication::clipboard()->mimeData();
    QVERIFY(copied && copied->hasImage());
    QCOMPARE(qvariant_cast<QImage>(copied->imageData()).size(), form.size());
    QVERIFY(copied->data(QStringLiteral("image/svg+xml")).contains("<desc>"));
}

void PictureMenuTest::savedNameGetsItsFormat_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("filter");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QByteArray>("start");
    QTest::newRow("no extension, PNG filter") << "a" << 0 << "a.png" << QByteArray("\x89PNG");
    QTest::newRow("no extension, SVG filter") << "b" << 1 << "b.svg" << QByteArray("<?xml");
    QTest::newRow("no extension, PDF filter") << "c" << 2 << "c.pdf" << QByteArray("%PDF");
    QTest::newRow("typed extension wins") << "d.PDF" << 0 << "d.PDF" << QByteArray("%PDF");
    QTest::newRow("unknown extension kept") << "e.v2" << 1 << "e.v2" << QByteArray("<?xml");
}

void PictureMenuTest::savedNameGetsItsFormat()
{
    QFETCH(QString, typed);
    QFETCH(int, filter);
    QFETCH(QString, written);
    QFETCH(QByteArray, start);
    QTemporaryDir folder;
    Form4 &form = drawingScreen();
    setParameters();
    form.Form_Activate();
    ProgramRecorder recorder;
    PictureDialogs::setSaveAsker([&](QWidget *, const QString &, const QStringList &filters) {
        [&] { QCOMPARE(filters.size(), 3); }();
        return PictureDialogs::SaveChoice{folder.filePath(typed), filter};
    });
    menuOf(form).save();
    QFile file(folder.filePath(written));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().startsWith(start));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files).size(), 1);
    QVERIFY(recorder.messages.isEmpty());
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
    const QByteArray old("the picture saved before");
    const bool existing = !name.contains(QLatin1Char('/'));
    if (existing) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(old);
    }
    Form4 &form = shownDrawingScreen();
    const Untouched before(form);
    ProgramRecorder recorder;
    PictureDialogs::setSaveAsker([&](QWidget *, const QString &, const QStringList &) {
        return PictureDialogs::SaveChoice{path, 0};
    });
    menuOf(form).save();

    QCOMPARE(recorder.messages.size(), 1);
    const QString prefix = QStringLiteral("Impossibile salvare l'immagine %1: ").arg(path);
    QVERIFY2(recorder.messages[0].startsWith(prefix + reason), qPrintable(recorder.messages[0]));
    QVERIFY(recorder.messages[0].size() > prefix.size());
    QVERIFY(recorder.endings.isEmpty());
    if (existing) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), old);
    }
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files).size(), existing ? 1 : 0);
    comeBack(form);
    QVERIFY(before.holds());
}

void PictureMenuTest::realSaveDialog_data()
{
    QTest::addColumn<int>("filter");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("replace"); // whether the user confirms replacing an existing file
    QTest::addColumn<QString>("written");
    QTest::addColumn<QByteArray>("start");
    QTest::newRow("SVG filter, no extension") << 1 << "curva" << false << "curva.svg" << QByteArray("<?xml");
    QTest::newRow("PDF filter, PNG typed") << 2 << "curva.png" << false << "curva.png" << QByteArray("\x89PNG");
    QTest::newRow("suggested name, PDF filter") << 2 << "" << false << "*.pdf" << QByteArray("%PDF");
    QTest::newRow("existing file, replacing refused") << 0 << "vecchia" << false << "vecchia.png" << QByteArray("old");
    QTest::newRow("existing file, replacing confirmed") << 0 << "vecchia" << true << "vecchia.png" << QByteArray("\x89PNG");
}

void PictureMenuTest::realSaveDialog()
{
    QFETCH(int, filter);
    QFETCH(QString, typed);
    QFETCH(bool, replace);
    QFETCH(QString, written);
    QFETCH(QByteArray, start);
    QTemporaryDir folder;
    qputenv("HOME", folder.path().toUtf8());
    const bool existing = typed == QLatin1String("vecchia");
    if (existing) {
        QFile old(folder.filePath(written));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old");
    }
    Form4 &form = shownDrawingScreen();
    const Untouched before(form);
    ProgramRecorder recorder;
    QList<Step> steps{typeName(filter, typed.isEmpty() ? typed : folder.filePath(typed))};
    if (existing && replace)
        steps << [](QWidget *box) { press(box, Qt::Key_Y); };
    if (existing && !replace)
        steps << [](QWidget *box) { press(box, Qt::Key_Escape); } << [](QWidget *dialog) { press(dialog, Qt::Key_Escape); };
    onDialogs(steps);
    menuOf(form).save();

    const QStringList files = QDir(folder.path()).entryList({written}, QDir::Files);
    QCOMPARE(files.size(), 1);
    QFile file(folder.filePath(files[0]));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().startsWith(start));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files).size(), 1);
    QVERIFY(recorder.messages.isEmpty());
    comeBack(form);
    QVERIFY(before.holds());
}

void PictureMenuTest::dialogsRunNoActivation_data()
{
    QTest::addColumn<QString>("action");
    QTest::newRow("save dialog, cancelled") << "save";
    QTest::newRow("print dialog, cancelled") << "print";
    QTest::newRow("copy") << "copy";
}

void PictureMenuTest::dialogsRunNoActivation()
{
    QFETCH(QString, action);
    Form4 &form = shownDrawingScreen();
    QCOMPARE(Single::instance<Form3>().Miocolor, int16_t(1));
    const Untouched before(form);
    ProgramRecorder recorder;
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    PictureMenu &menu = menuOf(form);
    if (action == QLatin1String("save")) {
        cancelNextDialog();
        menu.save();
    } else if (action == QLatin1String("print")) {
        cancelNextDialog();
        menu.print();
    } else {
        menu.copy();
    }
    comeBack(form);
    QVERIFY(before.holds());
    QCOMPARE(form.surface().record().curves().size(), 1);
    QVERIFY(recorder.messages.isEmpty());
    QCOMPARE(QDir(home.path()).entryList(QDir::Files), QStringList());
}

void PictureMenuTest::suggestedName()
{
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    const QDateTime when(QDate(2026, 12, 7), QTime(14, 30, 5));
    QCOMPARE(PictureMenu::suggestedPath(when), home.filePath(QStringLiteral("elica-2026-12-07-143005.png")));
    QVERIFY(QDir(home.path()).mkpath(QStringLiteral("Pictures")));
    QCOMPARE(PictureMenu::suggestedPath(when), home.filePath(QStringLiteral("Pictures/elica-2026-12-07-143005.png")));
}

QTEST_MAIN(PictureMenuTest)
#include "tst_picturemenu.moc"
