// Generated texts against the numeric test and the text-to-number conversion,
// and through the checks of the parameter screen's fields: whatever the user
// types, the test and the conversion agree, only finite numbers get through,
// and a field either passes with its number or ends empty, red and marked.
//
// The texts come from a seeded generator; the seed is printed, and
// ELICA_FUZZ_SEED=<seed> replays a run.
#include "TestSupport.h"
#include "calibration/Form2.h"
#include "curve/CurveChecks.h"
#include "parameters/Form3.h"
#include "runtime/Failure.h"
#include "runtime/NumberText.h"
#include "runtime/Single.h"

#include <QLineEdit>
#include <QtTest>
#include <bit>
#include <cmath>
#include <optional>
#include <random>

namespace {
quint64 seed = 0;

// Texts a user could type or paste: raw bytes, numbers written every way the
// two locales might read them, foreign digits, words, and very long texts.
class TextGenerator {
public:
    explicit TextGenerator(quint64 seed) : m_random(seed) {}

    QString next()
    {
        // Long texts take long to read: one in 400.
        if (below(400) == 0)
            return veryLong();
        switch (below(20)) {
        case 0:
        case 1:
        case 2:
            return randomBytes();
        case 3:
            return foreignDigits();
        case 4:
            return word();
        case 5:
        case 6:
        case 7:
            return mutated(number());
        default:
            return number();
        }
    }

    double finiteDouble()
    {
        for (;;) {
            const double value = std::bit_cast<double>(quint64(m_random()));
            if (std::isfinite(value) && std::abs(value) < 1e308)
                return value;
        }
    }

    int below(int n) { return int(m_random() % quint64(n)); }

private:
    bool chance(int percent) { return below(100) < percent; }

    QChar pick(const QString &choices) { return choices.at(below(int(choices.size()))); }

    QString digits(int count)
    {
        QString text;
        for (int i = 0; i < count; ++i)
            text += QChar(u'0' + below(10));
        return text;
    }

    QString blanks()
    {
        QString text;
        for (int n = below(3); n > 0; --n)
            text += pick(QStringLiteral(" \t\u00A0\u202F"));
        return chance(70) ? QString() : text;
    }

    QString randomBytes()
    {
        QByteArray bytes;
        for (int n = below(24); n > 0; --n)
            bytes += char(below(256));
        return QString::fromUtf8(bytes);
    }

    // A number built from parts: sign, digit groups with a separator between
    // them, a decimal part after either separator, an exponent, blanks around.
    QString number()
    {
        static const QString separators = QStringLiteral(".,'_ \u00A0\u202F\u2019");
        QString text = blanks();
        if (chance(30))
            text += pick(QStringLiteral("+-\u2212"));
        if (chance(3))
            text += pick(QStringLiteral("+- "));
        const QChar group = pick(separators);
        text += digits(below(4) + (chance(10) ? 0 : 1));
        for (int n = chance(30) ? below(4) : 0; n > 0; --n)
            text += group + digits(chance(85) ? 3 : below(5));
        if (chance(50))
            text += pick(QStringLiteral(".,")) + digits(below(6));
        if (chance(25)) {
            text += pick(QStringLiteral("eEdD"));
            if (chance(50))
                text += pick(QStringLiteral("+-"));
            text += digits(below(4) + (chance(10) ? 0 : 1));
        }
        return text + blanks();
    }

    QString mutated(QString text)
    {
        static const QString alphabet = QStringLiteral("0123456789.,+-eE \t\u00A0x%$\u20AC");
        for (int n = below(3) + 1; n > 0; --n) {
            const int at = text.isEmpty() ? 0 : below(int(text.size()) + 1);
            switch (below(3)) {
            case 0:
                text.insert(at, pick(alphabet));
                break;
            case 1:
                if (at < text.size())
                    text.remove(at, 1);
                break;
            default:
                if (at < text.size())
                    text[at] = pick(alphabet);
                break;
            }
        }
        return text;
    }

    // Digits of other scripts, alone or mixed with ASCII digits.
    QString foreignDigits()
    {
        static const char16_t zeros[] = {u'\u0660', u'\u06F0', u'\u0966', u'\u09E6', u'\u0E50', u'\uFF10', u'\u1040'};
        const char16_t zero = zeros[below(int(std::size(zeros)))];
        QString text = number();
        for (QChar &c : text) {
            if (c.isDigit() && c.unicode() < 128 && chance(70))
                c = QChar(char16_t(zero + (c.unicode() - u'0')));
        }
        return text;
    }

    QString word()
    {
        static const QStringList words = {
            "nan", "NaN", "-nan", "inf", "-inf", "+inf", "Inf", "infinity", "-Infinity", "INF",
            "0x10", "0x1p3", "1e", "e1", "1e+", ",", ".", "-", "+", "", " ", "1,,2", "1..2", "--1",
            "1-", "1+", "½", "²", "1e99999", "-1e99999", "1e-99999", "٫", "1٫5", "0b101", "1_000"};
        QString text = words.at(below(int(words.size())));
        return chance(50) ? text : blanks() + text + blanks();
    }

    // Long runs: huge and tiny numbers written out, long groups, long blanks;
    // some longer than a field holds.
    QString veryLong()
    {
        const int length = 500 + below(40000);
        switch (below(5)) {
        case 0:
            return digits(length);
        case 1:
            return QStringLiteral("0,") + QString(length, u'0') + QStringLiteral("1");
        case 2:
            return QStringLiteral("0.") + QString(length, u'0') + QStringLiteral("1");
        case 3: {
            QString text = digits(1 + below(3));
            const QChar group = pick(QStringLiteral(".,"));
            while (text.size() < length)
                text += group + digits(3);
            return text;
        }
        default:
            return QString(length, u' ') + number() + QString(length, u' ');
        }
    }

    std::mt19937_64 m_random;
};

QString shown(const QString &text)
{
    QString escaped;
    for (const QChar c : text.left(60))
        escaped += c.unicode() >= 32 && c.unicode() < 127 ? QString(c) : QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QChar(u'0'));
    if (text.size() > 60)
        escaped += QStringLiteral("... (%1 characters)").arg(text.size());
    return QStringLiteral("\"%1\" (seed %2)").arg(escaped).arg(seed);
}

std::optional<double> converted(const QString &text)
{
    try {
        return NumberText::toDouble(text);
    } catch (const Failure &) {
        return std::nullopt;
    }
}

void addLocales()
{
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("Italian") << QLocale(QLocale::Italian, QLocale::Italy);
    QTest::newRow("C") << QLocale::c();
}

QColor backColor(const QLineEdit *field)
{
    return field->palette().color(QPalette::Base);
}
}

class FuzzTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();

    void numericTestAgreesWithConversion_data() { addLocales(); }
    void numericTestAgreesWithConversion();
    void writtenNumbersReadBack_data() { addLocales(); }
    void writtenNumbersReadBack();
    void fieldValidation_data() { addLocales(); }
    void fieldValidation();
};

void FuzzTest::initTestCase()
{
    bool given = false;
    seed = qEnvironmentVariable("ELICA_FUZZ_SEED").toULongLong(&given);
    if (!given)
        seed = QRandomGenerator::system()->generate64();
    qInfo("seed %llu (ELICA_FUZZ_SEED=%llu replays this run)", seed, seed);
}

void FuzzTest::cleanup()
{
    Single::destroyAll();
    QLocale::setDefault(QLocale::system());
}

void FuzzTest::numericTestAgreesWithConversion()
{
    QFETCH(QLocale, locale);
    QLocale::setDefault(locale);
    TextGenerator generator(seed);
    int numeric = 0;
    for (int i = 0; i < 100000; ++i) {
        const QString text = generator.next();
        const bool isNumeric = NumberText::isNumeric(text);
        const std::optional<double> value = converted(text);
        QVERIFY2(isNumeric == value.has_value(), qPrintable(shown(text)));
        if (!value)
            continue;
        ++numeric;
        QVERIFY2(std::isfinite(*value), qPrintable(shown(text)));

        // Blanks around a number do not change it, and a minus before it negates it.
        const QString padded = QStringLiteral("  ") + text + QStringLiteral(" ");
        QVERIFY2(converted(padded) == value, qPrintable(shown(padded)));
        const QString trimmed = text.trimmed();
        if (!trimmed.startsWith(u'-') && !trimmed.startsWith(u'+') && !trimmed.startsWith(u'\u2212')) {
            const QString negated = QStringLiteral("-") + trimmed;
            QVERIFY2(converted(negated) == -*value, qPrintable(shown(negated)));
        }
    }
    // The generator is aimed at numbers: a fair share of its texts are some.
    QVERIFY2(numeric > 10000, qPrintable(QString::number(numeric)));
}

void FuzzTest::writtenNumbersReadBack()
{
    QFETCH(QLocale, locale);
    QLocale::setDefault(locale);
    QLocale grouped = locale;
    grouped.setNumberOptions(QLocale::DefaultNumberOptions);
    QLocale ungrouped = locale;
    ungrouped.setNumberOptions(QLocale::OmitGroupSeparator);
    TextGenerator generator(seed);
    for (int i = 0; i < 20000; ++i) {
        const double value = i % 2 ? generator.finiteDouble() : generator.below(2000001) / 100.0 - 10000;
        // Seventeen digits, as the locale writes them, read back exactly; two
        // decimals (every digit of a large number written out) to within them.
        const struct {
            QString text;
            double tolerance;
        } written[] = {
            {grouped.toString(value, 'g', 17), 0},
            {ungrouped.toString(value, 'g', 17), 0},
            {grouped.toString(value, 'e', 16), 0},
            {grouped.toString(value, 'f', 2), 0.005 + 1e-15 * std::abs(value)},
        };
        for (const auto &[text, tolerance] : written) {
            const std::optional<double> back = converted(text);
            QVERIFY2(back && std::abs(*back - value) <= tolerance, qPrintable(shown(text)));
        }
        // What the program shows reads back to the same number to within its 15
        // significant digits: half a unit of the 15th digit, and the rounding to double.
        const QString text = NumberText::fromDouble(value);
        const std::optional<double> back = converted(text);
        QVERIFY2(back.has_value(), qPrintable(shown(text)));
        QVERIFY2(std::abs(*back - value) <= 5.12e-15 * std::abs(value) + std::numeric_limits<double>::denorm_min(),
                 qPrintable(shown(text)));
    }
}

// Every text through the check that "AVANTI" makes, field by field; a sample of them typed into
// the parameter screen's fields, where the field either passes with its number or ends empty,
// red and marked, with its message.
void FuzzTest::fieldValidation()
{
    QFETCH(QLocale, locale);
    QLocale::setDefault(locale);
    TextGenerator generator(seed);
    for (int i = 0; i < 4000; ++i) {
        const int n = i % 8;
        const QString text = generator.next();
        const std::variant<double, QString> checked = CurveChecks::check(n, text, NumberText::parse);
        const QString what = QStringLiteral("value %1 %2").arg(n).arg(shown(text));
        if (const double *number = std::get_if<double>(&checked)) {
            QVERIFY2(std::isfinite(*number) && *number == NumberText::toDouble(text), qPrintable(what));
            QVERIFY2(n != CurveFields::ratio || *number != 0, qPrintable(what));
        } else {
            const bool zeroRatio = n == CurveFields::ratio && NumberText::isNumeric(text) && NumberText::toDouble(text) == 0;
            QVERIFY2(!NumberText::isNumeric(text) || zeroRatio, qPrintable(what));
            QCOMPARE(std::get<QString>(checked), zeroRatio ? QStringLiteral("Il Rapporto deve essere diverso da 0")
                                                           : QString::fromUtf8(CurveFields::all()[std::size_t(n)].notANumber));
        }
    }

    Answers recorder;
    Form3 &form = Single::instance<Form3>();
    // A curve whose fields all pass is drawn, at a factor the calibration gives.
    Single::instance<Form2>().Incr = 0.75;
    const QList<ParamValue *> variables = {&form.VALa, &form.VALb, &form.VALc, &form.VALd,
                                           &form.VALe, &form.VALp, &form.AA, &form.AB};
    for (int i = 0; i < 400; ++i) {
        const int n = i % 8;
        QLineEdit *field = control<QLineEdit>(form, qPrintable(QStringLiteral("Text%1").arg(n + 1)));
        for (int other = 0; other < 8; ++other)
            if (other != n)
                control<QLineEdit>(form, qPrintable(QStringLiteral("Text%1").arg(other + 1)))
                    ->setText(QString::fromUtf8(CurveFields::all()[std::size_t(other)].initial));
        field->setText(generator.next());
        // The field may hold less than was typed (its length is limited).
        const QString text = field->text();
        form.Form_Activate();
        recorder.messages.clear();

        control<QPushButton>(form, "Command2")->click();

        const QString what = QStringLiteral("Text%1 %2").arg(n + 1).arg(shown(text));
        const ParamValue &variable = *variables[n];
        const std::variant<double, QString> checked = CurveChecks::check(n, text, NumberText::parse);
        if (variable.isNumber()) {
            QVERIFY2(std::holds_alternative<double>(checked) && variable.number() == std::get<double>(checked), qPrintable(what));
            QVERIFY2(field->text() == text, qPrintable(what));
            QVERIFY2(backColor(field) == QColor(Qt::white), qPrintable(what));
            QVERIFY2(recorder.messages.isEmpty(), qPrintable(what));
        } else {
            QVERIFY2(variable.isFailureMark(), qPrintable(what));
            QVERIFY2(field->text().isEmpty(), qPrintable(what));
            QVERIFY2(backColor(field) == QColor(Qt::red), qPrintable(what));
            QVERIFY2(recorder.messages == QStringList{std::get<QString>(checked)}, qPrintable(what));
        }
    }
}

QTEST_MAIN(FuzzTest)
#include "tst_fuzz.moc"
