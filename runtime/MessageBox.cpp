#include "runtime/MessageBox.h"
#include "runtime/About.h"

#include <QMessageBox>
#include <QPushButton>

namespace {
MessageBox::Presenter &presenter()
{
    static MessageBox::Presenter instance;
    return instance;
}

MessageBox::Asker &asker()
{
    static MessageBox::Asker instance;
    return instance;
}
}

void MessageBox::setPresenter(Presenter replacement)
{
    presenter() = std::move(replacement);
}

void MessageBox::setAsker(Asker replacement)
{
    asker() = std::move(replacement);
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

bool askYesNo(const QString &question)
{
    if (asker())
        return asker()(question);
    QMessageBox box(QMessageBox::Question, About::name(), question);
    QPushButton *yes = box.addButton(QStringLiteral("Sì"), QMessageBox::YesRole);
    QPushButton *no = box.addButton(QStringLiteral("No"), QMessageBox::NoRole);
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
    return box.clickedButton() == yes;
}
