#include "runtime/SaveDialog.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTimer>

namespace {
// "Immagine PNG (*.png)" gives "png".
QString extensionOf(const QString &filter)
{
    return QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(filter).captured(1);
}
}

// Typing a name and Enter is enough: the name field has the focus once the dialog is up (left to
// itself, the dialog does not always give it there).
void SaveDialog::focusNameField(QFileDialog &dialog)
{
    QTimer::singleShot(0, &dialog, [&dialog] {
        if (auto *name = dialog.findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
            name->setFocus(Qt::OtherFocusReason);
    });
}

SaveDialog::SaveDialog(QWidget *parent, const QString &title, const QString &suggested, const QStringList &filters)
    : QFileDialog(parent, title), m_suggested(suggested), m_filters(filters)
{
}

void SaveDialog::addRow(QWidget *label, QWidget *field)
{
    setOption(QFileDialog::DontUseNativeDialog);
    if (auto *grid = qobject_cast<QGridLayout *>(layout())) {
        const int row = grid->rowCount();
        grid->addWidget(label, row, 0);
        grid->addWidget(field, row, 1);
    }
}

std::optional<SaveDialog::Choice> SaveDialog::ask()
{
    setAcceptMode(QFileDialog::AcceptSave);
    setNameFilters(m_filters);
    setDirectory(QFileInfo(m_suggested).absolutePath());
    selectFile(QFileInfo(m_suggested).fileName());
    setDefaultSuffix(extensionOf(m_filters.value(0)));
    connect(this, &QFileDialog::filterSelected, this, [this](const QString &filter) { setDefaultSuffix(extensionOf(filter)); });
    focusNameField(*this);
    if (exec() != QDialog::Accepted || selectedFiles().isEmpty())
        return std::nullopt;
    return SaveDialog::Choice{selectedFiles().constFirst(), std::max(0, int(m_filters.indexOf(selectedNameFilter())))};
}
