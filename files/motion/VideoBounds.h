#pragma once
// What the readers of videos hold a file's headers to, beside the bounds of every animation
// (AnimationBounds), before FFmpeg reads any of it: Elica writes one track, and headers that hold
// the words and an index of frames far under these.

#include <QtGlobal>

namespace VideoBounds {
constexpr int mostTracks = 8;
// The MP4 index, the WebM tags: the longest words three times over, and the index of the most
// frames a motion makes.
constexpr qint64 largestHeader = qint64(16) << 20;
// Boxes or elements at the top of a file: Elica writes four, and a WebM a cluster every few
// seconds of the longest motion.
constexpr int mostTopLevel = 1024;
// Boxes or elements nested in each other.
constexpr int deepest = 16;
}
