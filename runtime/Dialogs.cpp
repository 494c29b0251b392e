#include "runtime/Dialogs.h"
#include "runtime/About.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTimer>

namespace {
Dialogs *given = nullptr;

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

void prepareSave(QFileDialog &dialog, const QString &suggested, const QStringList &filters)
{
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
}

std::optional<Dialogs::SaveChoice> chosen(QFileDialog &dialog, const QStringList &filters)
{
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return Dialogs::SaveChoice{dialog.selectedFiles().constFirst(), std::max(0, int(filters.indexOf(dialog.selectedNameFilter())))};
}
}

Dialogs::~Dialogs()
{
    if (given == this)
        given = nullptr;
}

Dialogs &Dialogs::program()
{
    static Dialogs toolkit;
    return given ? *given : toolkit;
}

void Dialogs::give(Dialogs *dialogs)
{
    given = dialogs;
}

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

std::optional<Dialogs::SaveChoice> Dialogs::askSave(QWidget *parent, const QString &title, const QString &suggested,
                                                    const QStringList &filters)
{
    QFileDialog dialog(parent, title);
    prepareSave(dialog, suggested, filters);
    return chosen(dialog, filters);
}

std::optional<Dialogs::SaveChoice> Dialogs::askSaveModel(QWidget *parent, const QString &suggested, const QStringList &filters,
                                                         ModelSize &size)
{
    QFileDialog dialog(parent, QStringLiteral("Salva modello 3D"));
    // The size is one more row of the toolkit's own dialog: a native one has no room for it.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    prepareSave(dialog, suggested, filters);
    auto *side = new QDoubleSpinBox(&dialog);
    side->setObjectName(QStringLiteral("modelSize"));
    side->setRange(size.smallest, size.largest);
    side->setDecimals(1);
    side->setSuffix(QStringLiteral(" mm"));
    side->setValue(size.millimetres);
    side->setToolTip(QStringLiteral("Il lato più lungo del modello"));
    auto *label = new QLabel(QStringLiteral("&Dimensione massima:"), &dialog);
    label->setBuddy(side);
    if (auto *grid = qobject_cast<QGridLayout *>(dialog.layout())) {
        const int row = grid->rowCount();
        grid->addWidget(label, row, 0);
        grid->addWidget(side, row, 1);
    }
    std::optional<SaveChoice> choice = chosen(dialog, filters);
    if (choice)
        size.millimetres = side->value();
    return choice;
}

std::optional<QString> Dialogs::askOpen(QWidget *parent, const QString &title, const QString &folder, const QStringList &filters)
{
    QFileDialog dialog(parent, title);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(filters);
    dialog.setDirectory(folder);
    focusNameField(dialog);
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

std::optional<Dialogs::MotionChoice> Dialogs::askMotion(QWidget *parent, const MotionChoice &initial, bool valueMoves,
                                                        const std::function<QString(const MotionChoice &)> &length)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("Salva animazione"));
    auto *turn = new QRadioButton(QStringLiteral("un &giro completo"), &dialog);
    auto *value = new QRadioButton(QStringLiteral("il &valore animato"), &dialog);
    auto *both = new QRadioButton(QStringLiteral("&tutti e due insieme"), &dialog);
    auto *seconds = new QDoubleSpinBox(&dialog);
    auto *told = new QLabel(&dialog);
    seconds->setRange(1, 60);
    seconds->setDecimals(2);
    seconds->setSingleStep(0.04);
    seconds->setSuffix(QStringLiteral(" s"));
    seconds->setValue(initial.turnSeconds);
    value->setEnabled(valueMoves);
    both->setEnabled(valueMoves);
    (initial.turn && initial.value && valueMoves ? both : initial.value && valueMoves ? value : turn)->setChecked(true);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Avanti"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annulla"));

    auto *form = new QFormLayout(&dialog);
    form->addRow(new QLabel(QStringLiteral("Che cosa si muove:"), &dialog));
    for (QRadioButton *choice : {turn, value, both})
        form->addRow(choice);
    form->addRow(QStringLiteral("&Durata del giro:"), seconds);
    form->addRow(told);
    form->addRow(buttons);

    const auto chosen = [=] { return MotionChoice{!value->isChecked(), !turn->isChecked(), seconds->value()}; };
    const auto tell = [=] {
        seconds->setEnabled(!value->isChecked());
        told->setText(length(chosen()));
    };
    for (QRadioButton *choice : {turn, value, both})
        QObject::connect(choice, &QRadioButton::toggled, &dialog, tell);
    QObject::connect(seconds, &QDoubleSpinBox::valueChanged, &dialog, tell);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    tell();
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return chosen();
}
