#include "picture/PictureDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QPrintDialog>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTimer>

namespace {
PictureDialogs::SaveAsker &saveAsker()
{
    static PictureDialogs::SaveAsker instance;
    return instance;
}

PictureDialogs::OpenAsker &openAsker()
{
    static PictureDialogs::OpenAsker instance;
    return instance;
}

PictureDialogs::PrintAsker &printAsker()
{
    static PictureDialogs::PrintAsker instance;
    return instance;
}

QString &lastFolder()
{
    static QString folder;
    return folder;
}

// "Immagine PNG (*.png)" gives "png".
QString extensionOf(const QString &filter)
{
    return QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(filter).captured(1);
}

// Typing a name and Enter is enough: the name field has the focus once the dialog is up (left to
// itself, the dialog does not always give it there).
void focusNameField(QFileDialog &dialog)
{
    QTimer::singleShot(0, &dialog, [&dialog] {
        if (auto *name = dialog.findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
            name->setFocus(Qt::OtherFocusReason);
    });
}

std::optional<PictureDialogs::SaveChoice> saveDialog(QWidget *parent, const QString &suggested, const QStringList &filters)
{
    QFileDialog dialog(parent, QStringLiteral("Salva immagine"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(filters);
    dialog.setDirectory(QFileInfo(suggested).absolutePath());
    dialog.selectFile(QFileInfo(suggested).fileName());
    // A name typed without an extension takes the chosen filter's, before the dialog asks
    // whether to replace an existing file.
    dialog.setDefaultSuffix(extensionOf(filters.value(0)));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog](const QString &filter) { dialog.setDefaultSuffix(extensionOf(filter)); });
    focusNameField(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return PictureDialogs::SaveChoice{dialog.selectedFiles().constFirst(),
                                      std::max(0, int(filters.indexOf(dialog.selectedNameFilter())))};
}

std::optional<QString> openDialog(QWidget *parent, const QString &folder, const QStringList &filters)
{
    QFileDialog dialog(parent, QStringLiteral("Apri immagine"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(filters);
    dialog.setDirectory(folder);
    focusNameField(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}
}

std::optional<PictureDialogs::SaveChoice> PictureDialogs::askSave(QWidget *parent, const QString &suggested,
                                                                  const QStringList &filters)
{
    if (saveAsker())
        return saveAsker()(parent, suggested, filters);
    return saveDialog(parent, suggested, filters);
}

std::optional<QString> PictureDialogs::askOpen(QWidget *parent, const QString &folder, const QStringList &filters)
{
    if (openAsker())
        return openAsker()(parent, folder, filters);
    return openDialog(parent, folder, filters);
}

bool PictureDialogs::askPrint(QWidget *parent, QPrinter &printer)
{
    if (printAsker())
        return printAsker()(parent, printer);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Stampa"));
    return dialog.exec() == QDialog::Accepted;
}

QString PictureDialogs::folder()
{
    if (!lastFolder().isEmpty() && QFileInfo(lastFolder()).isDir())
        return lastFolder();
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (!pictures.isEmpty() && QFileInfo(pictures).isDir())
        return pictures;
    return QDir::homePath();
}

void PictureDialogs::rememberFolderOf(const QString &path)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (QFileInfo(folder).isDir())
        lastFolder() = folder;
}

void PictureDialogs::setSaveAsker(SaveAsker asker)
{
    saveAsker() = std::move(asker);
}

void PictureDialogs::setOpenAsker(OpenAsker asker)
{
    openAsker() = std::move(asker);
}

void PictureDialogs::setPrintAsker(PrintAsker asker)
{
    printAsker() = std::move(asker);
}
