#include "app/MessageBox.h"

#include <QMessageBox>

namespace {
MessageBox::Presenter &presenter()
{
    static MessageBox::Presenter instance;
    return instance;
}
}

void MessageBox::setPresenter(Presenter replacement)
{
    presenter() = std::move(replacement);
}

void MsgBox(const QString &prompt)
{
    if (presenter()) {
        presenter()(prompt);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Elica"), prompt, QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}
