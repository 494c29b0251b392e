// The intro and parameter help pages, rendered at 96 DPI: where their ink
// lies, the red words, and the faces the positions depend on.
#include "pages/DocumentView.h"
#include "pages/Faces.h"
#include "pages/HelpPage.h"
#include "pages/IntroPage.h"

#include <QPainter>
#include <QtTest>
#include <algorithm>
#include <cmath>
#include <optional>

namespace {
constexpr double dpi = 96.0;
constexpr double pixelsPerMm = dpi / 25.4;
constexpr double cellMm = 2.54; // one character of the body face at 12 pt

QImage render(const Page &page)
{
    QImage image((page.sizeMm * pixelsPerMm).toSize(), QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    image.fill(Qt::white);
    QPainter painter(&image);
    paintPage(painter, page, pixelsPerMm);
    return image;
}

int px(double mm) { return int(std::floor(mm * pixelsPerMm)); }
double mm(double pixels) { return pixels / pixelsPerMm; }

bool isRedInk(QRgb pixel) { return qRed(pixel) > 180 && qGreen(pixel) < 120 && qBlue(pixel) < 120; }
bool isInk(QRgb pixel) { return qGray(pixel) < 200 || isRedInk(pixel); }

// The ink inside a rectangle in millimetres: its bounding box in millimetres
// (pixel edges), if any.
std::optional<QRectF> inkBox(const QImage &image, QRectF areaMm, bool (*ink)(QRgb) = isInk)
{
    const QRect area = QRect(QPoint(px(areaMm.left()), px(areaMm.top())), QPoint(px(areaMm.right()), px(areaMm.bottom())))
                           .intersected(image.rect());
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (ink(image.pixel(x, y)))
                box |= QRect(x, y, 1, 1);
    if (box.isEmpty())
        return std::nullopt;
    return QRectF(mm(box.left()), mm(box.top()), mm(box.width()), mm(box.height()));
}

// The baseline of a line of text between two x positions, near an expected
// one: the lower edge of the last pixel row that is dense with ink (rows below
// it hold only descenders).
double baselineNear(const QImage &image, double expectedMm, double leftMm, double rightMm)
{
    const int top = px(expectedMm - 3.5), bottom = px(expectedMm + 1.5);
    QList<int> counts;
    for (int y = top; y <= bottom; ++y) {
        int count = 0;
        for (int x = px(leftMm); x <= px(rightMm); ++x)
            count += qGray(image.pixel(x, y)) < 128;
        counts << count;
    }
    const int densest = *std::max_element(counts.begin(), counts.end());
    int last = 0;
    for (int row = 0; row < counts.size(); ++row)
        if (densest > 0 && counts[row] * 10 >= densest * 4)
            last = row;
    return mm(top + last + 1);
}

// The longest run of dark pixels in the row at y, in millimetres.
double longestDarkRun(const QImage &image, double yMm, double leftMm, double rightMm)
{
    int longest = 0, run = 0;
    for (int x = px(leftMm); x <= px(rightMm); ++x) {
        run = qGray(image.pixel(x, px(yMm))) < 160 ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    return mm(longest);
}

QString describe(const std::optional<QRectF> &box)
{
    if (!box)
        return QStringLiteral("no ink");
    return QStringLiteral("ink from (%1, %2) to (%3, %4) mm")
        .arg(box->left(), 0, 'f', 2).arg(box->top(), 0, 'f', 2).arg(box->right(), 0, 'f', 2).arg(box->bottom(), 0, 'f', 2);
}
}

class PagesTest : public QObject {
    Q_OBJECT
private slots:
    void faces_data();
    void faces();
    void introBaselines_data();
    void introBaselines();
    void formulaStarts_data();
    void formulaStarts();
    void introInkEnds();
    void formulaBars_data();
    void formulaBars();
    void braceSpan();
    void helpLines_data();
    void helpLines();
    void helpRedWords();
    void viewIsReadOnly();
};

void PagesTest::faces_data()
{
    QTest::addColumn<Face>("face");
    QTest::addColumn<bool>("italic");
    QTest::newRow("body text") << Face::Mono << false;
    QTest::newRow("formula, upright") << Face::Serif << false;
    QTest::newRow("formula, italic") << Face::Serif << true;
}

void PagesTest::faces()
{
    QFETCH(Face, face);
    QFETCH(bool, italic);
    const QString resolved = QFontInfo(faceFont(face, italic)).family();
    QVERIFY2(hasPageMetrics(face, italic),
             qPrintable(QStringLiteral("\"%1\" is drawn with \"%2\", whose metrics differ: the pages' positions "
                                       "would not hold. Install \"%3\" (Debian: fonts-liberation2).")
                            .arg(requestedFamily(face), resolved, metricTwin(face))));
}

void PagesTest::introBaselines_data()
{
    QTest::addColumn<double>("baseline");
    QTest::addColumn<double>("left");
    QTest::addColumn<double>("right");
    QTest::newRow("PROGRAMMA") << 3.6 << 10.0 << 60.0;
    QTest::newRow("ELICA + CHICCIOLA") << 26.7 << 10.0 << 60.0;
    QTest::newRow("Ad ogni valore") << 45.6 << 10.0 << 80.0;
    QTest::newRow("Il valore tra") << 54.1 << 10.0 << 105.0;
    QTest::newRow("formula 1, row 1") << 19.5 << 70.0 << 118.0;
    QTest::newRow("formula 1, row 2") << 26.6 << 70.0 << 118.0;
    QTest::newRow("formula 1, row 3") << 34.0 << 70.0 << 100.0;
    QTest::newRow("formula 2") << 45.6 << 82.0 << 106.0;
    QTest::newRow("formula 3, after the fraction") << 54.1 << 113.0 << 143.0;
}

void PagesTest::introBaselines()
{
    QFETCH(double, baseline);
    QFETCH(double, left);
    QFETCH(double, right);
    const double found = baselineNear(render(introPage()), baseline, left, right);
    QVERIFY2(std::abs(found - baseline) <= 0.35, qPrintable(QStringLiteral("baseline at %1 mm").arg(found)));
}

void PagesTest::formulaStarts_data()
{
    QTest::addColumn<QRectF>("band"); // the formula's lines, right of the text before it
    QTest::addColumn<double>("start");
    QTest::newRow("formula 1") << QRectF(QPointF(56.0, 14.0), QPointF(180.0, 38.0)) << 62.1;
    QTest::newRow("formula 2") << QRectF(QPointF(80.0, 41.5), QPointF(180.0, 48.0)) << 82.4;
    QTest::newRow("formula 3") << QRectF(QPointF(103.0, 48.5), QPointF(180.0, 59.0)) << 110.2;
}

void PagesTest::formulaStarts()
{
    QFETCH(QRectF, band);
    QFETCH(double, start);
    const auto box = inkBox(render(introPage()), band);
    QVERIFY2(box && std::abs(box->left() - start) <= 0.5, qPrintable(describe(box)));
}

void PagesTest::introInkEnds()
{
    const QImage page = render(introPage());
    const auto all = inkBox(page, QRectF(QPointF(0, 0), introPage().sizeMm));
    QVERIFY2(all, "the intro page is blank");
    // Formula 3 ends the widest line; nothing lies below the last paragraph.
    QVERIFY2(std::abs(all->right() - 142.6) <= 0.5, qPrintable(describe(all)));
    QVERIFY2(all->bottom() <= 96.3, qPrintable(describe(all)));
    const auto formula3 = inkBox(page, QRectF(QPointF(103.0, 48.5), QPointF(180.0, 59.0)));
    QVERIFY2(formula3 && formula3->right() == all->right(), qPrintable(describe(formula3)));
}

void PagesTest::formulaBars_data()
{
    QTest::addColumn<double>("y");
    QTest::addColumn<double>("left");
    QTest::addColumn<double>("right");
    QTest::addColumn<double>("length");
    // The overbars of OA, 3.9 mm above each row, as wide as the two letters.
    QTest::newRow("overbar, row 1") << 19.5 - 3.9 << 63.5 << 72.0 << 5.0;
    QTest::newRow("overbar, row 2") << 26.6 - 3.9 << 63.5 << 72.0 << 5.0;
    QTest::newRow("overbar, row 3") << 34.0 - 3.9 << 63.5 << 72.0 << 5.0;
    // The fraction bar of υ over η, as wide as the letters.
    QTest::newRow("fraction bar") << 54.1 - 1.2 << 109.5 << 113.5 << 1.8;
}

void PagesTest::formulaBars()
{
    QFETCH(double, y);
    QFETCH(double, left);
    QFETCH(double, right);
    QFETCH(double, length);
    const QImage page = render(introPage());
    double found = 0.0;
    for (int step = -3; step <= 3; ++step)
        found = std::max(found, longestDarkRun(page, y + step * 0.1, left, right));
    QVERIFY2(found >= length && found <= length + 1.0, qPrintable(QStringLiteral("longest bar %1 mm").arg(found)));
}

void PagesTest::braceSpan()
{
    const auto brace = inkBox(render(introPage()), QRectF(QPointF(61.5, 10.0), QPointF(64.2, 42.0)));
    QVERIFY2(brace, "no brace");
    QVERIFY2(std::abs(brace->top() - 15.6) <= 0.4 && std::abs(brace->bottom() - 36.7) <= 0.4, qPrintable(describe(brace)));
}

void PagesTest::helpLines_data()
{
    QTest::addColumn<double>("baseline");
    QTest::addColumn<int>("lastColumn"); // the column of the line's last visible character, 0 when it has none
    QTest::newRow("paragraph 1, up to movimento") << 3.6 << 66;
    QTest::newRow("paragraph 1, from alla") << 8.5 << 52;
    QTest::newRow("paragraph 2") << 13.3 << 39;
    QTest::newRow("paragraph 3") << 18.0 << 62;
    QTest::newRow("paragraph 4") << 22.9 << 43;
    QTest::newRow("paragraph 5, ending in a blank") << 27.6 << 58;
    QTest::newRow("paragraph 6, empty") << 32.4 << 0;
}

void PagesTest::helpLines()
{
    QFETCH(double, baseline);
    QFETCH(int, lastColumn);
    const QImage page = render(helpPage());
    const auto line = inkBox(page, QRectF(QPointF(0.0, baseline - 3.2), QPointF(176.09, baseline + 1.0)));
    if (lastColumn == 0) {
        QVERIFY2(!line, qPrintable(describe(line)));
        return;
    }
    QVERIFY2(line, "no ink on the line");
    const double found = baselineNear(page, baseline, 0.0, 176.09);
    QVERIFY2(std::abs(found - baseline) <= 0.35, qPrintable(QStringLiteral("baseline at %1 mm").arg(found)));
    QVERIFY2(line->right() > (lastColumn - 1) * cellMm && line->right() <= lastColumn * cellMm + 0.1,
             qPrintable(describe(line)));
}

void PagesTest::helpRedWords()
{
    const QImage page = render(helpPage());
    // "valori delle costanti", columns 13 to 33 of the line at 22.9 mm.
    const double baseline = 22.9, left = 12 * cellMm, right = 33 * cellMm;
    const auto red = inkBox(page, QRectF(QPointF(0, 0), helpPage().sizeMm), isRedInk);
    QVERIFY2(red, "nothing is red");
    QVERIFY2(red->left() >= left - 0.1 && red->right() <= right + 0.1 && red->top() >= baseline - 3.2
                 && red->bottom() <= baseline + 1.0,
             qPrintable(QStringLiteral("red ") + describe(red)));
    QVERIFY2(red->right() > right - cellMm, qPrintable(QStringLiteral("red ") + describe(red)));
    // The first letter is a capital V, as tall as the capitals, not a v.
    const auto v = inkBox(page, QRectF(QPointF(left, baseline - 3.2), QPointF(left + cellMm, baseline + 1.0)), isRedInk);
    QVERIFY2(v && v->top() <= baseline - 2.3, qPrintable(QStringLiteral("first red letter: ") + describe(v)));
    // The words before them are drawn, and (as checked above) not in red.
    const auto before = inkBox(page, QRectF(QPointF(0.0, baseline - 3.2), QPointF(left - 0.1, baseline + 1.0)));
    QVERIFY2(before, "nothing before the red words");
}

void PagesTest::viewIsReadOnly()
{
    QWidget screen;
    DocumentView view(helpPage(), &screen);
    view.setGeometry(0, 0, 665, 137);
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    const QImage before = view.grab().toImage();
    const int windows = int(QApplication::topLevelWidgets().size());

    QTest::mouseClick(&view, Qt::LeftButton, {}, QPoint(100, 50));
    QTest::mouseDClick(&view, Qt::LeftButton, {}, QPoint(100, 50));
    QTest::keyClicks(&view, QStringLiteral("abc"));
    QTest::keyClick(&view, Qt::Key_Delete);
    QTest::keyClick(&view, Qt::Key_Return);

    QCOMPARE(view.grab().toImage(), before);
    QCOMPARE(QApplication::topLevelWidgets().size(), windows);
}

QTEST_MAIN(PagesTest)
#include "tst_pages.moc"
