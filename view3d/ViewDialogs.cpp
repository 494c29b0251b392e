#include "view3d/ViewDialogs.h"
#include "curve/Motion.h"
#include "files/models/Model.h"
#include "runtime/SaveDialog.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {
QRadioButton *choice(const QString &text, const char *name, QWidget *parent)
{
    auto *button = new QRadioButton(text, parent);
    button->setObjectName(QLatin1String(name));
    return button;
}
}

std::optional<ViewDialogs::MotionChoice> ViewDialogs::askMotion(QWidget *parent, const MotionChoice &initial, bool valueMoves,
                                                                const std::function<QString(const MotionChoice &)> &length)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("Salva animazione"));
    auto *turn = choice(QStringLiteral("un &giro completo"), "turn", &dialog);
    auto *value = choice(QStringLiteral("il &valore animato"), "value", &dialog);
    auto *both = choice(QStringLiteral("&tutti e due insieme"), "both", &dialog);
    auto *seconds = new QDoubleSpinBox(&dialog);
    seconds->setObjectName(QStringLiteral("turnSeconds"));
    auto *told = new QLabel(&dialog);
    told->setObjectName(QStringLiteral("length"));
    seconds->setRange(MotionPace::shortestSeconds, MotionPace::longestSeconds);
    seconds->setDecimals(2);
    seconds->setSingleStep(MotionPace::frameSeconds);
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
    for (QRadioButton *button : {turn, value, both})
        form->addRow(button);
    form->addRow(QStringLiteral("&Durata del giro:"), seconds);
    form->addRow(told);
    form->addRow(buttons);

    const auto chosen = [=] { return MotionChoice{!value->isChecked(), !turn->isChecked(), seconds->value()}; };
    const auto tell = [=] {
        seconds->setEnabled(!value->isChecked());
        told->setText(length(chosen()));
    };
    for (QRadioButton *button : {turn, value, both})
        QObject::connect(button, &QRadioButton::toggled, &dialog, tell);
    QObject::connect(seconds, &QDoubleSpinBox::valueChanged, &dialog, tell);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    tell();
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return chosen();
}

std::optional<SaveDialog::Choice> ViewDialogs::askSaveModel(QWidget *parent, const QString &suggested, const QStringList &filters,
                                                             double &millimetres)
{
    SaveDialog dialog(parent, QStringLiteral("Salva modello 3D"), suggested, filters);
    auto *side = new QDoubleSpinBox(&dialog);
    side->setObjectName(QStringLiteral("modelSize"));
    side->setRange(Model::smallestSide, Model::largestAllowedSide);
    side->setDecimals(1);
    side->setSuffix(QStringLiteral(" mm"));
    side->setValue(millimetres);
    side->setToolTip(QStringLiteral("Il lato più lungo del modello"));
    auto *label = new QLabel(QStringLiteral("&Dimensione massima:"), &dialog);
    label->setBuddy(side);
    dialog.addRow(label, side);
    const std::optional<SaveDialog::Choice> choice = dialog.ask();
    if (choice)
        millimetres = side->value();
    return choice;
}
