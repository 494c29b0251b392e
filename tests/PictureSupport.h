#pragma once
// What the picture tests share: the drawing screen with a parameter set drawn on a surface of
// a given size, and running the command-line tools that read PDF files.

#include "calibration/Form2.h"
#include "drawing/Form4.h"
#include "parameters/Form3.h"
#include "runtime/Single.h"

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
