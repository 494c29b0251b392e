#include "drawing/PictureMenu.h"
#include "drawing/Picture.h"
#include "drawing/PictureDialogs.h"
#include "drawing/PictureFiles.h"
#include "drawing/PicturePrint.h"
#include "runtime/MessageBox.h"
#include "runtime/Program.h"
#include "runtime/Screen.h"

#include <QAbstractButton>
#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QPrinter>
#include <QShortcut>
#include <QStandardPaths>
#include <array>

namespace {
using PictureFiles::Format;

// The save dialog's filters, in the order of the formats.
const std::array<Format, 3> formats = {Format::Png, Format::Svg, Format::Pdf};
QStringList filters()
{
    return {QStringLiteral("Immagine PNG (*.png)"), QStringLiteral("Disegno SVG (*.svg)"),
            QStringLiteral("Documento PDF (*.pdf)")};
}
}

PictureMenu::PictureMenu(Screen &screen) : QObject(&screen), m_screen(screen), m_menu(new QMenu(&screen))
{
    const auto entry = [this](const QString &text, const char *keys, void (PictureMenu::*action)()) {
        auto *item = new QAction(text, &m_screen);
        item->setShortcut(QKeySequence(QString::fromLatin1(keys)));
        item->setShortcutContext(Qt::WindowShortcut);
        connect(item, &QAction::triggered, this, [this, action] { Program::handle([this, action] { (this->*action)(); }); });
        m_screen.addAction(item);
        m_menu->addAction(item);
    };
    entry(QStringLiteral("Salva immagine…"), "Ctrl+S", &PictureMenu::save);
    entry(QStringLiteral("Copia immagine"), "Ctrl+C", &PictureMenu::copy);
    entry(QStringLiteral("Stampa…"), "Ctrl+P", &PictureMenu::print);

    auto *menuKey = new QShortcut(QKeySequence(QStringLiteral("Shift+F10")), &m_screen);
    connect(menuKey, &QShortcut::activated, this, [this] { open(keyboardPlace()); });
    m_screen.installEventFilter(this);
}

bool PictureMenu::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_screen && event->type() == QEvent::ContextMenu) {
        auto *request = static_cast<QContextMenuEvent *>(event);
        if (request->reason() != QContextMenuEvent::Mouse) {
            open(keyboardPlace());
            return true;
        }
        if (!qobject_cast<QAbstractButton *>(m_screen.childAt(request->pos()))) {
            open(request->globalPos());
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void PictureMenu::open(QPoint global)
{
    m_menu->popup(global);
}

// Beside the control that has the focus, as the Menu key places a menu.
QPoint PictureMenu::keyboardPlace() const
{
    const QWidget *focus = m_screen.focusWidget();
    if (focus && m_screen.isAncestorOf(focus))
        return focus->mapToGlobal(focus->rect().center());
    return m_screen.mapToGlobal(m_screen.rect().center());
}

QString PictureMenu::suggestedPath(const QDateTime &now)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    return QDir(folder).filePath(now.toString(QStringLiteral("'elica-'yyyy-MM-dd-HHmmss'.png'")));
}

void PictureMenu::save()
{
    const std::optional<PictureDialogs::SaveChoice> choice =
        PictureDialogs::askSave(&m_screen, suggestedPath(QDateTime::currentDateTime()), filters());
    if (!choice)
        return;
    QString path = choice->path;
    std::optional<Format> format = PictureFiles::formatOf(path);
    if (!format) {
        format = formats.at(std::size_t(std::clamp(choice->filter, 0, int(formats.size()) - 1)));
        if (QFileInfo(path).suffix().isEmpty())
            path += QLatin1Char('.') + PictureFiles::extension(*format);
    }
    if (const std::optional<QString> failure = PictureFiles::save(m_screen.surface(), path, *format))
        showMessage(QStringLiteral("Impossibile salvare l'immagine %1: %2").arg(QDir::toNativeSeparators(path), *failure));
}

void PictureMenu::copy()
{
    auto *data = new QMimeData;
    data->setImageData(Picture::image(m_screen.surface()));
    data->setData(QStringLiteral("image/svg+xml"), PictureFiles::svg(m_screen.surface()));
    QGuiApplication::clipboard()->setMimeData(data);
}

void PictureMenu::print()
{
    QPrinter printer(QPrinter::HighResolution);
    PicturePrint::prepare(printer, m_screen.surface());
    if (!PictureDialogs::askPrint(&m_screen, printer))
        return;
    if (PicturePrint::print(printer, m_screen.surface()))
        return;
    if (printer.outputFileName().isEmpty())
        showMessage(QStringLiteral("Impossibile stampare l'immagine: la stampante non la accetta."));
    else
        showMessage(QStringLiteral("Impossibile stampare l'immagine nel file %1.")
                        .arg(QDir::toNativeSeparators(printer.outputFileName())));
}
