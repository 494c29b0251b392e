// Damaged files of every format that opens, thousands of them from a fixed seed, read in memory:
// bits flipped, files cut short, chunks and elements repeated or inserted, hostile words, the
// lengths of a video's boxes and elements made to lie. Reading each must end within
// a second, never crash, and either give a picture that passes every check or one reason. (That a
// refusal changes nothing in the windows is for the tests of opening.)
#include "PictureSupport.h"
#include "picture/MachineForm.h"
#include "files/models/Model.h"
#include "picture/PictureCheck.h"
#include "files/PictureFormats.h"
#include "files/PictureReader.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QtEndian>
#include <QtTest>
#include <random>

namespace {
using PictureFormats::Format;
constexpr int casesPerFormat = 3400;


class Damage {
public:
    explicit Damage(std::uint32_t seed) : m_random(seed) {}

    int below(int n) { return int(std::uniform_int_distribution<int>(0, std::max(0, n - 1))(m_random)); }

    QByteArray flipBits(QByteArray bytes, qsizetype from, qsizetype to)
    {
        for (int flips = 1 + below(8); flips > 0 && to > from; --flips)
            bytes[from + below(int(to - from))] ^= char(1 << below(8));
        return bytes;
    }

    // The form with a token put in place of another, or a line repeated or dropped.
    QByteArray hostileForm(const QByteArray &form)
    {
        static const QList<QByteArray> tokens = {"nan", "inf", "-inf", "1e999", "-0", "0", "16", "-1", "", "x", "1e308",
                                                 "curve", "view", "elica-picture", "2", "0x10", "+5", "1,5", "\xff"};
        QList<QByteArray> lines = form.split('\n');
        const int line = below(int(lines.size()));
        QList<QByteArray> words = lines[line].split(' ');
        switch (below(3)) {
        case 0:
            words[below(int(words.size()))] = tokens[below(int(tokens.size()))];
            lines[line] = words.join(' ');
            break;
        case 1:
            lines.insert(line, lines[line].repeated(1 + below(3)));
            break;
        default:
            lines.removeAt(line);
        }
        return lines.join('\n');
    }

private:
    std::mt19937 m_random;
};

// PNG chunks: length, type, data, CRC.
struct Chunk {
    qsizetype at;
    qsizetype size;
};
QList<Chunk> chunksOf(const QByteArray &png)
{
    QList<Chunk> chunks;
    for (qsizetype at = 8; at + 12 <= png.size();) {
        const quint32 length = quint32(uchar(png[at])) << 24 | quint32(uchar(png[at + 1])) << 16 | quint32(uchar(png[at + 2])) << 8
            | uchar(png[at + 3]);
        chunks.append({at, qsizetype(length) + 12});
        at += qsizetype(length) + 12;
    }
    return chunks;
}

// The checksum PNG chunks carry (CRC-32, as in zlib).
quint32 crc32(const QByteArray &bytes)
{
    quint32 crc = 0xFFFFFFFF;
    for (const char byte : bytes) {
        crc ^= uchar(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

QByteArray pngChunk(const QByteArray &type, const QByteArray &data)
{
    QByteArray chunk;
    for (int shift = 24; shift >= 0; shift -= 8)
        chunk += char((data.size() >> shift) & 0xFF);
    chunk += type + data;
    const quint32 crc = crc32(chunk.mid(4));
    for (int shift = 24; shift >= 0; shift -= 8)
        chunk += char((crc >> shift) & 0xFF);
    return chunk;
}

// A video's box (MP4: its size before its type) or element (WebM: the first byte of its size after
// its ID) found by its mark, and its length made to lie.
QByteArray lyingLength(Damage &damage, const QByteArray &sound, Format format)
{
    static const QList<QByteArray> marks[] = {
        {"moov", "mvhd", "trak", "tkhd", "mdia", "hdlr", "stbl", "stsd", "avcC", "stsz", "stco", "meta", "keys", "ilst", "mdat"},
        {"\x18\x53\x80\x67", "\x15\x49\xA9\x66", "\x16\x54\xAE\x6B", "\xAE", "\xE0", "\x12\x54\xC3\x67", "\x73\x73", "\x67\xC8",
         "\x1F\x43\xB6\x75", "\x1C\x53\xBB\x6B"}};
    const QList<QByteArray> &ours = marks[format == Format::Mp4 ? 0 : 1];
    const QByteArray &mark = ours[damage.below(int(ours.size()))];
    QList<qsizetype> places;
    for (qsizetype at = sound.indexOf(mark, 4); at >= 0 && at + 8 < sound.size() && places.size() < 64; at = sound.indexOf(mark, at + 1))
        places << at;
    if (places.isEmpty())
        return sound;
    const qsizetype at = places[damage.below(int(places.size()))];
    QByteArray lying = sound;
    if (format == Format::Webm) {
        lying[at + mark.size()] = char(damage.below(256));
        return lying;
    }
    const quint32 size = qFromBigEndian<quint32>(sound.constData() + at - 4);
    const quint32 lies[] = {0, 1, 7, size - 1, size + 1, size * 2, 0xFFFFFFFF, quint32(damage.below(1 << 30))};
    qToBigEndian(lies[damage.below(8)], lying.data() + at - 4);
    return lying;
}

// A damaged copy of a sound file of the format.
QByteArray damaged(Damage &damage, const QByteArray &sound, const PictureFormats::Entry &entry)
{
    const Format format = entry.format;
    if ((format == Format::Mp4 || format == Format::Webm) && damage.below(7) == 0)
        return lyingLength(damage, sound, format);
    const QByteArray form = MachineForm::write({{{15, {12.5, -7.25, 3.75, -2, 0.3, 0.5, 30, 60}, 0.75}}, std::nullopt});
    const WordKeys &keys = entry.keys;
    const qsizetype words = std::max<qsizetype>(0, sound.indexOf(format == Format::Pdf ? "/Title" : "elica-picture"));
    switch (damage.below(6)) {
    case 0:
        return damage.flipBits(sound, 0, sound.size());
    case 1:
        return damage.flipBits(sound, words, std::min(sound.size(), words + 400));
    case 2:
        return sound.left(damage.below(int(sound.size())));
    case 3: {
        // A piece repeated: a chunk, an element, or any stretch of the other formats.
        if (format == Format::Png) {
            const QList<Chunk> chunks = chunksOf(sound);
            const Chunk c = chunks[damage.below(int(chunks.size()))];
            return QByteArray(sound).insert(c.at + c.size, sound.mid(c.at, c.size));
        }
        const qsizetype from = format == Format::Svg ? sound.indexOf('<', damage.below(int(sound.size()))) : damage.below(int(sound.size()));
        const qsizetype to = format == Format::Svg ? sound.indexOf('>', from) + 1 : from + damage.below(2000);
        return from < 0 || to <= from ? sound : QByteArray(sound).insert(to, sound.mid(from, to - from));
    }
    case 4: {
        // Words of its own inserted where the format keeps words; in the other formats, the
        // form's own bytes overwritten in place, so that the file's lengths still hold.
        const QByteArray hostile = damage.hostileForm(form);
        if (format == Format::Png) {
            const QList<Chunk> chunks = chunksOf(sound);
            return QByteArray(sound).insert(chunks[1 + damage.below(int(chunks.size()) - 2)].at,
                                            pngChunk("tEXt", QByteArray(keys.form) + '\0' + hostile));
        }
        if (format == Format::Svg) {
            const QByteArray element = "<metadata><" + QByteArray(keys.form) + " xmlns=\"" + keys.formNamespace + "\">" + hostile + "</"
                + keys.form + "></metadata>";
            return QByteArray(sound).insert(sound.indexOf("<title>"), element);
        }
        if (format == Format::Pdf)
            return QByteArray(sound).insert(sound.lastIndexOf("/Creator"), "/" + QByteArray(keys.form) + " (" + hostile + ")\n");
        return QByteArray(sound).replace(words, std::min(hostile.size(), sound.size() - words), hostile.left(sound.size() - words));
    }
    default: {
        // The file's own form made hostile where it lies unpacked.
        const qsizetype at = sound.indexOf(format == Format::Pdf ? "/" + QByteArray(keys.form) + " <" : QByteArray("elica-picture 1"));
        if (format != Format::Svg || at < 0)
            return damage.flipBits(sound, words, std::min(sound.size(), words + 4000));
        const qsizetype end = sound.indexOf('<', at);
        return QByteArray(sound).replace(at, end - at, damage.hostileForm(sound.mid(at, end - at)));
    }
    }
}

// A sound file of the format, of a picture of two curves seen from the 3D view: the picture itself,
// three frames of it turning, or the model.
QByteArray soundFile(const PictureFormats::Entry &entry, const Picture &picture)
{
    PictureDocument document = picture.document;
    document.view = ViewAngles{30, 20};
    switch (entry.kind) {
    case PictureFormats::Kind::Picture:
        return entry.write(picture);
    case PictureFormats::Kind::Model:
        return entry.write(Model(document));
    case PictureFormats::Kind::Animation:
        break;
    }
    document.motion = Motion{Turn{}, std::nullopt};
    QByteArray bytes;
    QBuffer out(&bytes);
    out.open(QIODevice::WriteOnly);
    const std::unique_ptr<AnimationWriter> writer = entry.write(out, picture.image.size(), AnimationWords::of(document), true);
    for (int frame = 0; frame < 3; ++frame)
        writer->addFrame(picture.image.mirrored(frame == 1, frame == 2), 4);
    writer->finish();
    return bytes;
}
}

class OpenFuzzTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { Single::destroyAll(); }
    void damagedFiles_data();
    void damagedFiles();
};

void OpenFuzzTest::damagedFiles_data()
{
    QTest::addColumn<Format>("format");
    for (const PictureFormats::Entry &entry : PictureFormats::all())
        if (entry.recognises)
            QTest::newRow(entry.extension) << entry.format;
}

void OpenFuzzTest::damagedFiles()
{
    QFETCH(Format, format);
    // The image decoder tells of every flaw it meets; the refusals say enough.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.gui.imageio=false"));
    Form4 &form = drawingScreen(QSize(160, 120));
    Single::instance<Form3>().Miocolor = 14;
    setParameters(12.5, -7.25, 3.75, -2, 0.3, 0.5, 30, 60);
    form.Form_Activate();
    setParameters(-20, 15, 10, 5, -1.5, 1, 45, 45);
    form.Form_Activate();
    const PictureFormats::Entry &entry = PictureFormats::of(format);
    const QByteArray sound = soundFile(entry, form.picture());
    const QString name = QStringLiteral("danneggiato.") + QLatin1String(entry.extension);

    Damage damage(20261207u + std::uint32_t(format));
    int refused = 0;
    qint64 slowest = 0;
    for (int n = 0; n < casesPerFormat; ++n) {
        QByteArray bytes = damaged(damage, sound, entry);
        QBuffer file(&bytes);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QElapsedTimer timer;
        timer.start();
        const PictureReader::Reading reading = PictureReader::read(file, name);
        slowest = std::max(slowest, timer.elapsed());
        if (const QString *why = std::get_if<QString>(&reading)) {
            QVERIFY2(!why->isEmpty() && !why->contains(u'\n'), qPrintable(QStringLiteral("case %1: %2").arg(n).arg(*why)));
            ++refused;
        } else {
            const std::optional<QString> problem = PictureCheck::problem(std::get<PictureDocument>(reading));
            QVERIFY2(!problem, qPrintable(QStringLiteral("case %1: %2").arg(n).arg(problem.value_or(QString()))));
        }
    }
    qInfo("%d damaged files: %d refused, %d read; the slowest took %lld ms", casesPerFormat, refused, casesPerFormat - refused,
          slowest);
    QVERIFY(slowest < 1000);
    QVERIFY(refused > casesPerFormat / 3);
}

QTEST_MAIN(OpenFuzzTest)
#include "tst_openfuzz.moc"
