#pragma once
// The file dialog every save asks with: titled, in the suggested file's folder with its name
// selected and the name field focused, the first filter chosen; a name typed without an extension
// takes the chosen filter's before the dialog asks whether to replace an existing file. A save
// that needs more than a name adds rows of its own below it.

#include <QFileDialog>
#include <optional>

class SaveDialog : public QFileDialog {
    Q_OBJECT
public:
    struct Choice {
        QString path;
        int filter; // index into the filters offered
    };

    SaveDialog(QWidget *parent, const QString &title, const QString &suggested, const QStringList &filters);

    // A row below the file's name; the dialog is then the toolkit's own, as a desktop's has no
    // room for it.
    void addRow(QWidget *label, QWidget *field);
    // Shows the dialog; nothing when the user cancels.
    std::optional<Choice> ask();

    // Puts the focus on a file dialog's name field once it is up.
    static void focusNameField(QFileDialog &dialog);

private:
    QString m_suggested;
    QStringList m_filters;
};
