#pragma once
// What the screen tests share: the program's message boxes, questions and ending
// recorded instead of shown; questions are answered as the test says.

#include "runtime/MessageBox.h"
#include "runtime/Program.h"

#include <QList>
#include <QStringList>

class ProgramRecorder {
public:
    ProgramRecorder()
    {
        Program::resetEnding();
        MessageBox::setPresenter([this](const QString &prompt) { messages << prompt; });
        MessageBox::setAsker([this](const QString &question) {
            questions << question;
            return answer;
        });
        Program::setTerminator([this](int status) { endings << status; });
    }
    ~ProgramRecorder()
    {
        MessageBox::setPresenter({});
        MessageBox::setAsker({});
        Program::setTerminator({});
        Program::resetEnding();
    }

    QStringList messages;
    QStringList questions;
    bool answer = false;
    QList<int> endings;
};
