#include "runtime/Dialogs.h"
#include "runtime/About.h"
#include "runtime/SaveDialog.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>

void Dialogs::message(const QString &prompt)
{
    QMessageBox box(QMessageBox::NoIcon, About::name(), prompt, QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

bool Dialogs::question(const QString &question)
{
    QMessageBox box(QMessageBox::Question, About::name(), question);
    QPushButton *yes = box.addButton(QStringLiteral("Sì"), QMessageBox::YesRole);
    QPushButton *no = box.addButton(QStringLiteral("No"), QMessageBox::NoRole);
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
    return box.clickedButton() == yes;
}

std::optional<QString> Dialogs::askOpen(QWidget *parent, const QString &title, const QString &folder, const QStringList &filters)
{
    QFileDialog dialog(parent, title);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(filters);
    dialog.setDirectory(folder);
    SaveDialog::focusNameField(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

bool Dialogs::askPrint(QWidget *parent, QPrinter &printer)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Stampa"));
    return dialog.exec() == QDialog::Accepted;
}
