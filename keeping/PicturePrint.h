#pragma once
// Printing the picture: the page turned to its shape, the picture as large as the printable
// area allows, proportions kept, centred.

class QPrinter;
struct Picture;

namespace PicturePrint {
// Orientation, document name and creator, set before the print dialog shows them.
void prepare(QPrinter &printer, const Picture &picture);
// Whether the printer took the page.
bool print(QPrinter &printer, const Picture &picture);
}
