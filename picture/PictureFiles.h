#pragma once
// The picture written as a PNG (its pixels), an SVG or a PDF (vectors), each file carrying the
// picture's title, the program, the curves in words and in their exact machine form, under the
// names its format keeps them by.

#include "picture/FileWords.h"

#include <QByteArray>

struct Picture;

namespace PictureFiles {
QByteArray png(const Picture &picture, const WordKeys &keys);
QByteArray svg(const Picture &picture, const WordKeys &keys);
QByteArray pdf(const Picture &picture, const WordKeys &keys);
}
