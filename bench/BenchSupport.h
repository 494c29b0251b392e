#pragma once
// What the benchmarks share: the drawing screen on a maximised screen of 1280 x 1005 pixels,
// calibrated to square units, having drawn the default curve; curves by the dozen; and the peak
// memory of the command that saves a full turn.

#include "calibration/Form2.h"
#include "drawing/Form4.h"
#include "parameters/Form3.h"
#include "runtime/Single.h"
#include "view3d/AnimationSave.h"

#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <optional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

inline const QSize maximised(1280, 1005);

inline Form4 &drawingScreen()
{
    Form3 &set = Single::instance<Form3>();
    set.VALa = 20.0;
    set.VALb = 15.0;
    set.VALc = 10.0;
    set.VALd = 5.0;
    set.VALe = 3.0;
    set.VALp = 1.0;
    set.AA = 45.0;
    set.AB = 45.0;
    Single::instance<Form2>().Incr = 1005.0 / 1280.0;
    Form4 &form = Single::instance<Form4>();
    form.surface().resize(maximised, 1.0, 96.0);
    form.Form_Activate();
    return form;
}

// As many curves as asked, each with values of its own, in the colours the counter gives.
inline PictureCurves benchCurves(int count)
{
    PictureCurves curves;
    for (int k = 0; k < count; ++k)
        curves.push_back({k % 15 + 1, {20.0 + k * 0.25, 15, 10 - k * 0.05, 5, 3.0 + k % 4, 1, 45, 45}, 1005.0 / 1280.0});
    return curves;
}

// The program's command that saves a full turn of the curves to path, at size, with more options.
inline QStringList turnExport(const QString &path, QSize size, int curves, const QStringList &more = {})
{
    QStringList arguments{QStringLiteral(ELICA_BINARY), "--export", path, "--turn", "--size",
                          QStringLiteral("%1x%2").arg(size.width()).arg(size.height())};
    for (const PictureCurve &curve : benchCurves(curves))
        arguments << "--curve" << QStringLiteral("%1;%2;%3;%4;%5;%6;%7;%8")
                                      .arg(curve.values.a).arg(curve.values.b).arg(curve.values.c).arg(curve.values.d)
                                      .arg(curve.values.ratio).arg(curve.values.step).arg(curve.values.alpha).arg(curve.values.beta);
    return arguments + more;
}

// The peak resident memory of a command, in KiB, as the kernel counts it for the child; none if
// the command fails. It runs without a display, as from a terminal.
inline std::optional<long> peakKiB(const QStringList &arguments)
{
    std::vector<QByteArray> texts;
    for (const QString &argument : arguments)
        texts.push_back(argument.toLocal8Bit());
    std::vector<char *> argv;
    for (QByteArray &text : texts)
        argv.push_back(text.data());
    argv.push_back(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        unsetenv("DISPLAY");
        unsetenv("QT_QPA_PLATFORM");
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    return usage.ru_maxrss;
}

// The whole save of a motion as "Salva animazione…" makes it (frames drawn, encoded and written)
// into folder, in the format, as often as the bench asks; the file's size goes into the counter
// bytes. The file's path.
inline QString timedSave(benchmark::State &state, const MotionScene &scene, const QTemporaryDir &folder, PictureFormats::Format format)
{
    const PictureFormats::Entry &entry = PictureFormats::of(format);
    const QString path = folder.filePath(QStringLiteral("giro.") + QLatin1String(entry.extension));
    for (auto _ : state)
        if (const std::optional<QString> failure = AnimationSave::write(scene, path, entry).failure)
            state.SkipWithError(qPrintable(*failure));
    state.counters["bytes"] = double(QFileInfo(path).size());
    return path;
}

// The command that saves a full turn of 10 curves at 2560 x 1440 to a file of this extension: its
// peak resident memory, in the counter peakMiB.
inline void countTurnPeak(benchmark::State &state, const QString &extension, const QStringList &more = {})
{
    QTemporaryDir folder;
    const QStringList arguments = turnExport(folder.filePath(QStringLiteral("grande.") + extension), QSize(2560, 1440), 10, more);
    long peak = 0;
    for (auto _ : state) {
        const std::optional<long> used = peakKiB(arguments);
        if (!used)
            state.SkipWithError("the command failed");
        peak = std::max(peak, used.value_or(0));
    }
    state.counters["peakMiB"] = double(peak) / 1024;
}
