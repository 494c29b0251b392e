#pragma once
// Widgets that a screen reader finds as an image (a picture drawn on the screen) rather than as
// an unnamed filler.

class QString;

namespace GraphicRole {
// From now on every widget whose class is named so is an image to a screen reader.
void give(const QString &className);
}
