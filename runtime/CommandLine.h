#pragma once
// The program's own options, read after the toolkit has taken its (-platform,
// -style, ...): --help and --version answer in Italian, anything else is an error.

#include <QStringList>

namespace CommandLine {
struct Reading {
    bool start = true; // no option asked for an answer: open the windows
    int status = 0;    // the exit status when not starting
};

// Reads the arguments (the program's path first); prints the answer or the
// error itself, the answer on standard output, the error as one line on
// standard error.
Reading read(const QStringList &arguments);
}
