#pragma once
// The program's file formats in one table, in the order the save dialogs offer them: extension,
// the dialog's filter, what the file holds (a still picture, the picture in motion, the figure as
// a 3D model) and how it is written, how a file is known by its first bytes, how its words are
// read back, and the names under which it keeps them.

#include "picture/AnimationWords.h"
#include "files/motion/AnimationWriter.h"
#include "picture/FileWords.h"

#include <QRgb>
#include <QSize>
#include <QStringList>
#include <array>
#include <memory>
#include <optional>
#include <vector>

class Model;
struct Picture;

namespace PictureFormats {
enum class Format { Png, Svg, Pdf, Gif, Webp, Stl, Glb, Ply, Mp4, Webm };
enum class Kind { Picture, Animation, Model };

struct Entry {
    Format format;
    const char *extension;
    // As messages name the format: "PNG".
    const char *name;
    const char *filter;
    Kind kind;
    WordKeys keys;
    // How a file of the kind is written: only the writer of its kind is set. An animation's
    // background is what a video pads an odd width or height with.
    QByteArray (*pictureWriter)(const Picture &picture, const WordKeys &keys);
    std::unique_ptr<AnimationWriter> (*animationWriter)(QIODevice &out, QSize size, const AnimationWords &words, bool loops,
                                                        QRgb background, const WordKeys &keys);
    QByteArray (*modelWriter)(const Model &model, const WordKeys &keys);
    // Whether a file's first bytes are of the format; not set for a format without a mark of its own.
    bool (*recognises)(const QByteArray &head);
    WordsReading (*reader)(QIODevice &device, const WordKeys &keys);

    QByteArray write(const Picture &picture) const { return pictureWriter(picture, keys); }
    std::unique_ptr<AnimationWriter> write(QIODevice &out, QSize size, const AnimationWords &words, bool loops,
                                           QRgb background = qRgb(255, 255, 255)) const
    {
        return animationWriter(out, size, words, loops, background, keys);
    }
    QByteArray write(const Model &model) const { return modelWriter(model, keys); }
    WordsReading read(QIODevice &device) const { return reader(device, keys); }
};

const std::array<Entry, 10> &all();
std::vector<const Entry *> ofKind(Kind kind);
const Entry &of(Format format);
// The format a file name's extension names, if it is one of the table's (of the kind, if given).
const Entry *ofPath(const QString &path, std::optional<Kind> kind = std::nullopt);
// The format that a file's first bytes show, if any.
const Entry *ofContent(const QByteArray &head);

// A save dialog's filters, one per format of the kind.
QStringList saveFilters(Kind kind);
// The file a save dialog chose and its format: the one of the kind that its extension names,
// else the filter chosen, whose extension a name without one takes.
struct Chosen {
    QString path;
    const Entry *format;
};
Chosen chosen(const QString &path, int filter, Kind kind);
// The open dialog's: every format that can be opened at once, then any file.
QStringList openFilters();

// The picture written in the format to path, replacing the file only once it is complete; on
// failure the reason, in Italian.
std::optional<QString> save(const Picture &picture, const QString &path, Format format);

// "Impossibile salvare l'immagine PATH: REASON" (the animation, the model), as every save that
// fails says it.
QString failedSave(Kind kind, const QString &path, const QString &reason);
}
