#pragma once
// Where a GIF keeps Elica's words: in comment extensions before the first frame. The first holds
// the title, the program and the description, a line each (the description may take several);
// another holds the machine form alone, and starts with its keyword.

#include "picture/AnimationWords.h"
#include "picture/FileWords.h"

#include <QByteArray>

namespace GifComments {
// A comment is written and read in sub-blocks of at most this many bytes.
constexpr int subBlock = 255;

QByteArray wordsComment(const AnimationWords &words);
bool isForm(const QByteArray &comment);
// The program and the description from a words comment.
void readWords(const QByteArray &comment, FileWords &words);
}
