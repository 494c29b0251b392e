#include "drawing/PictureDialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QPrintDialog>
#include <QRegularExpression>
#include <QTimer>

namespace {
PictureDialogs::SaveAsker &saveAsker()
{
    static PictureDialogs::SaveAsker instance;
    return instance;
}

PictureDialogs::PrintAsker &printAsker()
{
    static PictureDialogs::PrintAsker instance;
    return instance;
}

// "Immagine PNG (*.png)" gives "png".
QString extensionOf(const QString &filter)
{
    return QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(filter).captured(1);
}

std::optional<PictureDialogs::SaveChoice> fileDialog(QWidget *parent, const QString &suggested,
                                                     const QStringList &filters)
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
    // Typing a name and Enter saves: the name field has the focus once the dialog is up (left to
    // itself, the dialog does not always give it there).
    QTimer::singleShot(0, &dialog, [&dialog] {
        if (auto *name = dialog.findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
            name->setFocus(Qt::OtherFocusReason);
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return PictureDialogs::SaveChoice{dialog.selectedFiles().constFirst(),
                                      std::max(0, int(filters.indexOf(dialog.selectedNameFilter())))};
}
}

std::optional<PictureDialogs::SaveChoice> PictureDialogs::askSave(QWidget *parent, const QString &suggested,
                                                                  const QStringList &filters)
{
    if (saveAsker())
        return saveAsker()(parent, suggested, filters);
    return fileDialog(parent, suggested, filters);
}

bool PictureDialogs::askPrint(QWidget *parent, QPrinter &printer)
{
    if (printAsker())
        return printAsker()(parent, printer);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Stampa"));
    return dialog.exec() == QDialog::Accepted;
}

void PictureDialogs::setSaveAsker(SaveAsker asker)
{
    saveAsker() = std::move(asker);
}

void PictureDialogs::setPrintAsker(PrintAsker asker)
{
    printAsker() = std::move(asker);
}
