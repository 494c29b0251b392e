#pragma once
// The intro screen: the intro page with the formulas, and "AVANTI" to the
// calibration screen.

#include "runtime/Screen.h"

class DocumentView;
class QPushButton;

class Form1 : public Screen {
    Q_OBJECT
public:
    Form1();

private:
    void Command1_Click();

    DocumentView *OLE1;
    QPushButton *Command1;
};
