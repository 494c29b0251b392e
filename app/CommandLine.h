#pragma once
// The program's own options, read after the toolkit has taken its (-platform, -style, ...):
// --help and --version answer in Italian; --export and its companions ask for a picture made
// without a window; anything else is an error of usage.

#include "curve/PictureDocument.h"
#include "files/PictureFormats.h"

#include <QSize>
#include <QStringList>
#include <optional>
#include <vector>

namespace CommandLine {
// The largest side of a picture made on the command line, in logical pixels.
constexpr int largestSide = 16384;
// The picture's size when none is given: the drawing screen's, and the 3D view's.
constexpr QSize drawingSize(1280, 960);
constexpr QSize viewSize(1280, 720);

// " (elica --help elenca le opzioni)": how every error of usage ends.
QString usageHint();
// "png, svg, pdf; gif, webp; stl, glb, ply": what the table writes, kind by kind, or of one kind.
QString extensions(std::optional<PictureFormats::Kind> only = std::nullopt);

// Where the picture's curves come from, in the order the options give them.
struct Source {
    enum Kind { Curve, File } kind;
    // The eight values as typed ("22;14,5;8;6,25;0,3;1,5;30;60"), or the file's path.
    QString text;
};

struct ExportRequest {
    QString path;
    const PictureFormats::Entry *format = nullptr;
    std::vector<Source> sources;
    // As typed; checked when the picture is made.
    std::optional<QString> aspect;
    std::optional<QSize> size;
    std::optional<ViewAngles> view;
    bool legend = false;
    std::optional<int> dotSize;
    // For the 3D view: how it draws the curves.
    std::optional<ViewLook> look;
    bool section = false;
    // For a 3D model: its largest side in millimetres.
    std::optional<double> modelSize;
    // For an animation: what moves.
    std::optional<Turn> turn;
    std::optional<Sweep> sweep;
};

struct Reading {
    bool start = true; // no option asked for an answer or a picture: open the windows
    int status = 0;    // the exit status when not starting
    std::optional<ExportRequest> exportRequest;
};

// Whether the arguments ask for a picture without a window (the program then needs no display).
bool asksForExport(int argc, char *argv[]);

// Reads the arguments (the program's path first); prints the answer or the error itself, the
// answer on standard output, the error as one line on standard error.
Reading read(const QStringList &arguments);
}
