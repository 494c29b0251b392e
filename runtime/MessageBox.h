#pragma once
// The program's message box: one prompt, one OK button, the title "Elica", modal.

#include <QString>
#include <functional>

void showMessage(const QString &prompt);

namespace MessageBox {
using Presenter = std::function<void(const QString &prompt)>;
// Replaces how message boxes are shown (tests record the prompts); an empty
// presenter restores the real modal box.
void setPresenter(Presenter presenter);
}
