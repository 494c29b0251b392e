#pragma once
// The program's message boxes, titled "Elica" and modal: a message with one OK button, and a
// question answered "Sì" or "No".

#include <QString>
#include <functional>

void showMessage(const QString &prompt);
// Whether the user answered "Sì"; "No" is the default and what Escape gives.
bool askYesNo(const QString &question);

namespace MessageBox {
using Presenter = std::function<void(const QString &prompt)>;
// Replaces how message boxes are shown (tests record the prompts); an empty
// presenter restores the real modal box.
void setPresenter(Presenter presenter);

using Asker = std::function<bool(const QString &question)>;
// Likewise for questions.
void setAsker(Asker asker);
}
