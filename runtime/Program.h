#pragma once
// Running the program's handlers and ending the program.

#include <functional>

namespace Program {
// Runs one event handler. A failure it does not catch ends the program after a
// message box that names the error. Once the program is ending, runs nothing.
void handle(const std::function<void()> &handler);

// Ends the program at once with the given exit status; no further handler runs.
void end(int status = 0);
}
