#pragma once
// A picture made on the command line, without a window on screen: the curves drawn by the drawing
// screen's own code, or seen by the 3D view's, and written by the same writers as the save dialog.

#include "app/CommandLine.h"

namespace Export {
// Makes and writes the picture; says on standard error what it refused or what failed. The exit
// status: 0 written, 1 a value or file refused or the file not written, 2 options that do not
// go together.
int run(const CommandLine::ExportRequest &request);
}
