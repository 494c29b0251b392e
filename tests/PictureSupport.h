#pragma once
// What the picture tests share: the drawing screen with a parameter set drawn on a surface of
// a given size, all that opening a file may change, and running the command-line tools that
// read PDF files.

#include "TestSupport.h"
#include "calibration/Form2.h"
#include "curve/PictureNews.h"
#include "drawing/Form4.h"
#include "parameters/Form3.h"
#include "keeping/PictureMenu.h"
#include "runtime/Single.h"
#include "view3d/View3D.h"
#include "view3d/ViewArea.h"

#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QUrl>
#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

inline void setParameters(double a = 20, double b = 15, double c = 10, double d = 5, double e = 3, double p = 1,
                          double alpha = 45, double beta = 45)
{
    Form3 &set = Single::instance<Form3>();
    set.VALa = a;
    set.VALb = b;
    set.VALc = c;
    set.VALd = d;
    set.VALe = e;
    set.VALp = p;
    set.AA = alpha;
    set.AB = beta;
}

inline Form4 &drawingScreen(QSize pixels = QSize(1280, 960), double incr = 0.75)
{
    Single::instance<Form2>().Incr = incr;
    Form4 &form = Single::instance<Form4>();
    form.surface().resize(pixels, 1.0, 96.0);
    return form;
}

// A window's picture menu and the 3D view's parts, as the windows name them.
inline PictureMenu &menuOf(const QWidget &window)
{
    return *window.findChild<PictureMenu *>(QStringLiteral("PictureMenu"));
}
inline ViewArea &areaOf(const View3D &view)
{
    return *view.findChild<ViewArea *>(QStringLiteral("ViewArea"));
}
inline QString statusOf(const View3D &view)
{
    return view.findChild<QLabel *>(QStringLiteral("status"))->text();
}

// The 3D view shown as the drawing screen's "Vista 3D" asks for it.
inline View3D &presentedView()
{
    View3D::answerRequests();
    emit Single::instance<PictureNews>().viewRequested();
    return Single::instance<View3D>();
}

// A file dropped on a window, as from a file manager; opened once the drop is over.
inline void dropFile(QWidget &window, const QString &path)
{
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &drop);
    QCoreApplication::processEvents();
}

// Everything a refused file must leave as it was: the curves, the colour counter, the fields'
// texts and colours, the picture and the 3D view's angles.
struct OpenedState {
    PictureCurves curves;
    int colour;
    QStringList fields;
    QImage picture;
    ViewAngles view;
    bool operator==(const OpenedState &) const = default;
};
inline OpenedState openedState(Form4 &form)
{
    Form3 &set = Single::instance<Form3>();
    QStringList fields;
    for (const char *name : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text8"}) {
        const QLineEdit *field = control<QLineEdit>(set, name);
        fields << field->text() + QLatin1Char('/') + field->palette().color(QPalette::Base).name();
    }
    return {form.curves(), set.Miocolor, fields, form.surface().image(), areaOf(Single::instance<View3D>()).turntable().angles()};
}

// The tool's standard output; empty when it is missing or fails.
inline QByteArray runTool(const QString &tool, const QStringList &arguments)
{
    if (QStandardPaths::findExecutable(tool).isEmpty())
        return {};
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return process.readAllStandardOutput();
}
