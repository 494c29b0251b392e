#pragma once
// Printing the picture: the page turned to its shape, the picture as large as the printable
// area allows, proportions kept, centred.

class QPrinter;
class Surface;

namespace PicturePrint {
// Orientation, document name and creator, set before the print dialog shows them.
void prepare(QPrinter &printer, const Surface &surface);
// Whether the printer took the page.
bool print(QPrinter &printer, const Surface &surface);
}
