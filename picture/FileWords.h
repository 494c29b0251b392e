#pragma once
// What a picture file says of itself: the exact machine form that this version writes, and the
// words that every version writes (the program, one caption per curve). One reader per format,
// each refusing a file that is not a sound file of its format.

#include <QByteArray>
#include <QString>
#include <optional>
#include <variant>

class QIODevice;

struct FileWords {
    std::optional<QByteArray> machineForm;
    // "Elica 1.1.0"
    QString maker;
    // One caption per curve, a line each.
    QString curves;
};

// The words, or in Italian why the file cannot be read.
using WordsReading = std::variant<FileWords, QString>;

namespace FileWordsReader {
WordsReading png(QIODevice &device);
WordsReading svg(QIODevice &device);
WordsReading pdf(QIODevice &device);
}
