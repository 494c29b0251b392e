#include "runtime/MessageBox.h"
#include "runtime/About.h"

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

void showMessage(const QString &prompt)
{
    if (presenter()) {
        presenter()(prompt);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, About::name(), prompt, QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}
