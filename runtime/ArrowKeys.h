#pragma once
// Left and Right arrow keys that move a horizontal scroll bar the way they
// point. The toolkit's scroll bar turns them round (it inverts its keys so
// that Up scrolls up on a vertical bar), which on the calibration bar would
// make Right lower the factor.

class QScrollBar;

namespace ArrowKeys {
void pointTheWay(QScrollBar *bar);
}
