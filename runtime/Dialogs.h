#pragma once
// The program's dialogs and message boxes behind one interface: the toolkit's own, or others
// given in their place that answer for the user. Every window asks through the ones the program
// has now.

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QPrinter;
class QWidget;

class Dialogs {
public:
    Dialogs() = default;
    Dialogs(const Dialogs &) = delete;
    Dialogs &operator=(const Dialogs &) = delete;
    // Dialogs given in place of the toolkit's stop answering when they are destroyed.
    virtual ~Dialogs();

    // The dialogs the program asks with now.
    static Dialogs &program();
    // From now on the program asks with these; nothing gives the toolkit's back.
    static void give(Dialogs *dialogs);

    // A message with one OK button, titled "Elica", modal.
    virtual void message(const QString &prompt);
    // Whether the user answered "Sì"; "No" is the default and what Escape gives.
    virtual bool question(const QString &question);

    struct SaveChoice {
        QString path;
        int filter; // index into the filters offered
    };
    // The file dialog for saving, titled title, showing the suggested path, the first filter
    // chosen; nothing when the user cancels.
    virtual std::optional<SaveChoice> askSave(QWidget *parent, const QString &title, const QString &suggested,
                                              const QStringList &filters);
    // A model's largest side in millimetres, and the range it may be chosen in.
    struct ModelSize {
        double millimetres;
        double smallest;
        double largest;
    };
    // The file dialog for saving a 3D model, titled "Salva modello 3D", like askSave's with a
    // field for the model's size below the file's name; on saving, size holds the size chosen.
    virtual std::optional<SaveChoice> askSaveModel(QWidget *parent, const QString &suggested, const QStringList &filters,
                                                   ModelSize &size);
    // The file chosen for opening, or nothing when the user cancels.
    virtual std::optional<QString> askOpen(QWidget *parent, const QString &title, const QString &folder,
                                           const QStringList &filters);
    // Whether the user asked to print.
    virtual bool askPrint(QWidget *parent, QPrinter &printer);

    // What an animation of the 3D view shows moving: a full turn of the azimuth (lasting
    // turnSeconds), the animated value, or both.
    struct MotionChoice {
        bool turn;
        bool value;
        double turnSeconds;
    };
    // Asks what moves, from the choice given, telling the length and the frames of each choice in
    // the words length gives; the animated value is offered only when it moves. Nothing when the
    // user cancels.
    virtual std::optional<MotionChoice> askMotion(QWidget *parent, const MotionChoice &initial, bool valueMoves,
                                                  const std::function<QString(const MotionChoice &)> &length);
};
