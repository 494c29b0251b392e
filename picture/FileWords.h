#pragma once
// What a picture file says of itself: the exact machine form that this version writes, and the
// words that every version writes (the program, one caption per curve); and the names under which
// a format keeps them.

#include <QByteArray>
#include <QString>
#include <optional>
#include <variant>

struct FileWords {
    std::optional<QByteArray> machineForm;
    // "Elica 1.1.0"
    QString maker;
    // One caption per curve, a line each.
    QString curves;
};

// The words, or in Italian why the file cannot be read.
using WordsReading = std::variant<FileWords, QString>;

// Where a file keeps the picture's words: the names of its title, of the program that made it,
// of the curves' captions and of the exact machine form, and the namespace of the form where the
// format has namespaces. Each format's writer and reader take them from the table of formats.
struct WordKeys {
    const char *title;
    const char *maker;
    const char *description;
    const char *form;
    const char *formNamespace;
};
