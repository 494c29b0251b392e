#pragma once
// What the screen tests share: the program's message boxes and questions answered by the test
// instead of the user, its file and print dialogs answered by the test where it says so, and its
// ending recorded.

#include "runtime/Dialogs.h"
#include "runtime/Program.h"

#include <QList>
#include <QStringList>
#include <functional>

class ProgramRecorder : public Dialogs {
public:
    ProgramRecorder()
    {
        Program::resetEnding();
        Dialogs::give(this);
        Program::setTerminator([this](int status) { endings << status; });
    }
    ~ProgramRecorder() override
    {
        Program::setTerminator({});
        Program::resetEnding();
    }

    void message(const QString &prompt) override { messages << prompt; }
    bool question(const QString &question) override
    {
        questions << question;
        return answer;
    }

    std::optional<SaveChoice> askSave(QWidget *parent, const QString &title, const QString &suggested,
                                      const QStringList &filters) override
    {
        return save ? save(parent, suggested, filters) : Dialogs::askSave(parent, title, suggested, filters);
    }
    std::optional<SaveChoice> askSaveModel(QWidget *parent, const QString &suggested, const QStringList &filters,
                                           ModelSize &size) override
    {
        return saveModel ? saveModel(parent, suggested, filters, size) : Dialogs::askSaveModel(parent, suggested, filters, size);
    }
    std::optional<QString> askOpen(QWidget *parent, const QString &title, const QString &folder,
                                   const QStringList &filters) override
    {
        return open ? open(parent, folder, filters) : Dialogs::askOpen(parent, title, folder, filters);
    }
    bool askPrint(QWidget *parent, QPrinter &printer) override
    {
        return print ? print(parent, printer) : Dialogs::askPrint(parent, printer);
    }
    std::optional<MotionChoice> askMotion(QWidget *parent, const MotionChoice &initial, bool valueMoves,
                                          const std::function<QString(const MotionChoice &)> &length) override
    {
        if (!motion)
            return Dialogs::askMotion(parent, initial, valueMoves, length);
        told << length(*motion);
        return valueMoves || !motion->value ? motion : std::nullopt;
    }

    QStringList messages;
    QStringList questions;
    bool answer = false;
    QList<int> endings;
    // In place of the toolkit's dialogs, where set.
    std::function<std::optional<SaveChoice>(QWidget *parent, const QString &suggested, const QStringList &filters)> save;
    std::function<std::optional<SaveChoice>(QWidget *parent, const QString &suggested, const QStringList &filters, ModelSize &size)>
        saveModel;
    std::function<std::optional<QString>(QWidget *parent, const QString &folder, const QStringList &filters)> open;
    std::function<bool(QWidget *parent, QPrinter &printer)> print;
    // What moves in an animation saved, where set (and offered); what the dialog told of its length.
    std::optional<MotionChoice> motion;
    QStringList told;
};
