#include "keeping/PictureMenu.h"
#include "curve/PictureNews.h"
#include "keeping/LastFolder.h"
#include "picture/Picture.h"
#include "files/PictureFormats.h"
#include "keeping/PictureHost.h"
#include "keeping/PicturePrint.h"
#include "keeping/SaveFlow.h"
#include "files/PictureReader.h"
#include "runtime/Dialogs.h"
#include "runtime/Program.h"
#include "runtime/Single.h"

#include <QAbstractButton>
#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QPrinter>
#include <QShortcut>
#include <QTimer>
#include <QWidget>

namespace {
// The one local file that a drag carries, if it carries just that.
QString droppedFile(const QMimeData *data)
{
    if (!data || !data->hasUrls() || data->urls().size() != 1 || !data->urls().constFirst().isLocalFile())
        return {};
    return data->urls().constFirst().toLocalFile();
}
}

PictureMenu::PictureMenu(QWidget &window, PictureHost &host)
    : QObject(&window), m_window(window), m_host(host), m_menu(new QMenu(&window))
{
    setObjectName(QStringLiteral("PictureMenu"));
    addEntry(QStringLiteral("Apri immagine…"), QKeySequence(QStringLiteral("Ctrl+O")), [this] { open(); });
    addEntry(QStringLiteral("Salva immagine…"), QKeySequence(QStringLiteral("Ctrl+S")), [this] { save(); });
    addEntry(QStringLiteral("Copia immagine"), QKeySequence(QStringLiteral("Ctrl+C")), [this] { copy(); });
    addEntry(QStringLiteral("Stampa…"), QKeySequence(QStringLiteral("Ctrl+P")), [this] { print(); });

    auto *menuKey = new QShortcut(QKeySequence(QStringLiteral("Shift+F10")), &m_window);
    connect(menuKey, &QShortcut::activated, this, [this] { popup(keyboardPlace()); });
    m_window.setAcceptDrops(true);
    m_window.installEventFilter(this);
}

QAction *PictureMenu::addEntry(const QString &text, const QKeySequence &keys, std::function<void()> action)
{
    auto *item = new QAction(text, &m_window);
    item->setShortcut(keys);
    item->setShortcutContext(Qt::WindowShortcut);
    connect(item, &QAction::triggered, this, [action = std::move(action)] { Program::handle(action); });
    m_window.addAction(item);
    m_menu->addAction(item);
    return item;
}

bool PictureMenu::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != &m_window)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::ContextMenu: {
        auto *request = static_cast<QContextMenuEvent *>(event);
        if (request->reason() != QContextMenuEvent::Mouse) {
            popup(keyboardPlace());
            return true;
        }
        if (!qobject_cast<QAbstractButton *>(m_window.childAt(request->pos()))) {
            popup(request->globalPos());
            return true;
        }
        break;
    }
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDropEvent *>(event);
        if (!droppedFile(drag->mimeData()).isEmpty()) {
            drag->acceptProposedAction();
            return true;
        }
        break;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        const QString path = droppedFile(drop->mimeData());
        if (path.isEmpty())
            break;
        drop->acceptProposedAction();
        // Once the drop is over: the program that dragged waits until then, and a message or
        // a question may come first.
        QTimer::singleShot(0, this, [this, path] { Program::handle([this, path] { openPath(path); }); });
        return true;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void PictureMenu::popup(QPoint global)
{
    m_menu->popup(global);
}

// Beside the control that has the focus, as the Menu key places a menu.
QPoint PictureMenu::keyboardPlace() const
{
    const QWidget *focus = m_window.focusWidget();
    if (focus && m_window.isAncestorOf(focus))
        return focus->mapToGlobal(focus->rect().center());
    return m_window.mapToGlobal(m_window.rect().center());
}

void PictureMenu::open()
{
    const std::optional<QString> path =
        Dialogs::askOpen(&m_window, QStringLiteral("Apri immagine"), LastFolder::get(), PictureFormats::openFilters());
    if (path)
        openPath(*path);
}

void PictureMenu::openPath(const QString &path)
{
    LastFolder::rememberOf(path);
    const PictureReader::Reading reading = PictureReader::read(path);
    if (const QString *why = std::get_if<QString>(&reading)) {
        Dialogs::message(PictureReader::refusal(path, *why));
        return;
    }
    PictureNews &news = Single::instance<PictureNews>();
    if (!news.curves().empty()
        && !Dialogs::question(QStringLiteral("Il disegno attuale sarà sostituito da quello del file «%1». Continuare?")
                                            .arg(QFileInfo(path).fileName())))
        return;
    news.tellOpened(std::get<PictureDocument>(reading));
}

void PictureMenu::save()
{
    SaveFlow::run(PictureFormats::Kind::Picture, SaveFlow::dialog(m_window, QStringLiteral("Salva immagine")),
                  [this](const SaveFlow::Target &target) {
                      return SaveFlow::Written{{PictureFormats::save(m_host.picture(), target.path, target.format->format)}};
                  });
}

void PictureMenu::copy()
{
    const Picture picture = m_host.picture();
    auto *data = new QMimeData;
    data->setImageData(picture.imageWithWords(PictureFormats::of(PictureFormats::Format::Png).keys));
    data->setData(QStringLiteral("image/svg+xml"), PictureFormats::of(PictureFormats::Format::Svg).write(picture));
    QGuiApplication::clipboard()->setMimeData(data);
}

void PictureMenu::print()
{
    const Picture picture = m_host.picture();
    QPrinter printer(QPrinter::HighResolution);
    PicturePrint::prepare(printer, picture);
    if (!Dialogs::askPrint(&m_window, printer))
        return;
    if (PicturePrint::print(printer, picture))
        return;
    if (printer.outputFileName().isEmpty())
        Dialogs::message(QStringLiteral("Impossibile stampare l'immagine: la stampante non la accetta."));
    else
        Dialogs::message(QStringLiteral("Impossibile stampare l'immagine nel file %1.")
                        .arg(QDir::toNativeSeparators(printer.outputFileName())));
}
