#include "view3d/View3D.h"
#include "curve/PictureNews.h"
#include "picture/CurveCaption.h"
#include "keeping/PictureMenu.h"
#include "runtime/ProgramIcon.h"
#include "runtime/Single.h"
#include "view3d/ModelSave.h"
#include "view3d/ViewArea.h"
#include "view3d/ViewMotion.h"
#include "view3d/ViewWords.h"

#include <QAction>
#include <QActionGroup>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

View3D::View3D() : m_area(new ViewArea(this)), m_status(new QLabel(this))
{
    setWindowTitle(QStringLiteral("Vista 3D"));
    setWindowIcon(programIcon());
    // Not a screen of the program: closing it only hides it, and the program ends when its
    // screens are closed, whether this is open or not.
    setAttribute(Qt::WA_QuitOnClose, false);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_area, 1);
    m_status->setObjectName(QStringLiteral("status"));
    m_status->setContentsMargins(6, 3, 6, 3);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_motion = new ViewMotion(*this, *m_area, *layout);
    layout->addWidget(m_status);
    m_area->setAccessibleName(QStringLiteral("Vista 3D"));
    m_area->setFocus(Qt::OtherFocusReason);

    m_menu = new PictureMenu(*this, *this);
    addViewEntries();

    PictureNews &news = Single::instance<PictureNews>();
    connect(&news, &PictureNews::curvesChanged, this, &View3D::followCurves);
    connect(&news, &PictureNews::previewChanged, this, &View3D::followPreview);
    connect(&news, &PictureNews::pictureOpened, this, &View3D::takeOpened);
    connect(m_motion, &ViewMotion::changed, this, &View3D::showStatus);
    connect(m_motion, &ViewMotion::animatingChanged, this, [this](bool on) {
        if (!on)
            followPreview();
    });
    connect(m_area, &ViewArea::moved, this, &View3D::showStatus);
    connect(m_area, &ViewArea::settled, this, &View3D::describe);
    m_area->setCurves(news.curves());
    followPreview();
    if (news.lastOpened())
        takeOpened(*news.lastOpened());
}

void View3D::addViewEntries()
{
    m_menu->addEntry(QStringLiteral("Salva modello 3D…"), QKeySequence(QStringLiteral("Ctrl+Shift+M")), [this] {
        ModelSave::run(*this, {Single::instance<PictureNews>().curves(), m_area->turntable().angles()});
    });
    m_menu->menu()->addSeparator();
    m_menu->addEntry(QStringLiteral("Vista iniziale"), QKeySequence(Qt::Key_Home), [this] { m_area->openingView(); });
    // The two checkable entries act through their check marks, which they toggle when chosen.
    QAction *spin = m_menu->addEntry(QStringLiteral("Rotazione continua"), QKeySequence(Qt::Key_Space), [] {});
    spin->setCheckable(true);
    connect(spin, &QAction::toggled, m_area, &ViewArea::setSpinning);
    connect(m_area, &ViewArea::spinningChanged, spin, &QAction::setChecked);
    m_legend = m_menu->addEntry(QStringLiteral("Legenda"), QKeySequence(Qt::Key_L), [] {});
    m_legend->setCheckable(true);
    connect(m_legend, &QAction::toggled, this, [this] { followPreview(); });

    addLookEntries();

    QMenu *sizes = m_menu->menu()->addMenu(QStringLiteral("Dimensione dei punti"));
    auto *group = new QActionGroup(sizes);
    for (int pixels = FrameStyle::smallestDot; pixels <= FrameStyle::largestDot; ++pixels) {
        QAction *size = sizes->addAction(pixels == 1 ? QStringLiteral("1 pixel") : QStringLiteral("%1 pixel").arg(pixels));
        size->setCheckable(true);
        size->setChecked(pixels == m_area->dotSize());
        group->addAction(size);
        connect(size, &QAction::triggered, this, [this, pixels] { m_area->setDotSize(pixels); });
    }

    m_menu->menu()->addSeparator();
    QAction *animate = m_menu->addEntry(QStringLiteral("Anima un valore…"), QKeySequence(Qt::Key_A), [] {});
    animate->setCheckable(true);
    connect(animate, &QAction::toggled, m_motion, &ViewMotion::setAnimating);
    connect(m_motion, &ViewMotion::animatingChanged, animate, &QAction::setChecked);
    // Escape closes the strip, as A does.
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, m_motion, [this] { m_motion->setAnimating(false); });
    QAction *saveMotion =
        m_menu->addEntry(QStringLiteral("Salva animazione…"), QKeySequence(QStringLiteral("Ctrl+Shift+S")), [this] { m_motion->save(); });
    connect(m_motion, &ViewMotion::savingChanged, saveMotion, [saveMotion](bool on) { saveMotion->setEnabled(!on); });
}

// The looks as exclusive choices, which S steps through, and the section on or off (X).
void View3D::addLookEntries()
{
    m_menu->menu()->addSeparator();
    auto *looks = new QActionGroup(this);
    for (const ViewLooks::Entry &entry : ViewLooks::all()) {
        const ViewLook look = entry.look;
        QAction *choice = m_menu->addEntry(QString::fromUtf8(entry.caption), QKeySequence(), [this, look] { m_area->setLook(look); });
        choice->setCheckable(true);
        choice->setChecked(look == m_area->look());
        looks->addAction(choice);
        connect(m_area, &ViewArea::lookChanged, choice, [this, choice, look] { choice->setChecked(look == m_area->look()); });
    }
    auto *step = new QShortcut(QKeySequence(Qt::Key_S), this);
    connect(step, &QShortcut::activated, this, [this] { m_area->setLook(ViewLooks::next(m_area->look())); });
    QAction *section = m_menu->addEntry(QStringLiteral("Sezione"), QKeySequence(Qt::Key_X), [] {});
    section->setCheckable(true);
    connect(section, &QAction::toggled, m_area, &ViewArea::setSection);
    connect(m_area, &ViewArea::lookChanged, section, [this, section] { section->setChecked(m_area->section()); });
    connect(m_area, &ViewArea::lookChanged, this, [this] {
        showStatus();
        describe();
    });
    m_menu->menu()->addSeparator();
}

void View3D::answerRequests()
{
    connect(&Single::instance<PictureNews>(), &PictureNews::viewRequested, [] { Single::instance<View3D>().present(); });
}

void View3D::present()
{
    if (!m_placed) {
        m_placed = true;
        if (const QScreen *screen = QGuiApplication::primaryScreen())
            resize(screen->availableSize() * 2 / 3);
    }
    show();
    raise();
    activateWindow();
}

void View3D::hideEvent(QHideEvent *event)
{
    m_area->setSpinning(false);
    QWidget::hideEvent(event);
}

void View3D::followCurves()
{
    m_area->setCurves(Single::instance<PictureNews>().curves());
    followPreview();
}

// The preview, the legend, the frame, the status line and the description: all follow the curves
// and the preview.
void View3D::followPreview()
{
    const PictureNews &news = Single::instance<PictureNews>();
    const std::optional<Preview> &preview = news.preview();
    // While the strip moves a value, its curve has the preview's place.
    if (!m_motion->animating())
        m_area->setPreview(preview && preview->values ? std::optional(PictureCurve{preview->colour, *preview->values, std::nullopt})
                                                      : std::nullopt);
    m_area->setLegend(m_legend && m_legend->isChecked() ? ViewWords::legend(news.curves(), preview) : std::vector<LegendLine>());
    showStatus();
    describe();
}

void View3D::takeOpened(const PictureDocument &document)
{
    if (document.view) {
        m_area->setAngles(*document.view);
        m_area->setLook(document.look);
        m_area->setSection(document.section);
    }
    m_motion->takeSettings(document);
}

QString View3D::statusLine() const
{
    const PictureNews &news = Single::instance<PictureNews>();
    QString line = ViewWords::status(m_area->turntable(), m_area->zoom());
    if (m_area->look() != ViewLook::dots || m_area->section())
        line += QStringLiteral("; ") + ViewLooks::spoken(m_area->look(), m_area->section());
    if (m_motion->animating())
        line += QStringLiteral("; ") + m_motion->statusWords();
    else if (news.preview())
        line += QStringLiteral("; ") + ViewWords::preview(*news.preview(), int(news.curves().size()) + 1);
    return line;
}

void View3D::showStatus()
{
    m_status->setText(statusLine());
}

void View3D::describe()
{
    m_area->setAccessibleDescription(statusLine() + QStringLiteral(". ")
                                     + CurveCaption::pictureDescription(Single::instance<PictureNews>().curves()));
}

Picture View3D::picture()
{
    return m_area->picture(Single::instance<PictureNews>().curves(), m_marks);
}
