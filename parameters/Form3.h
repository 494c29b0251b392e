#pragma once
// The parameter screen: eight fields validated in order into the parameter set,
// which the drawing screen copies, and the colour counter of the curves.

#include "parameters/ParamValue.h"
#include "runtime/Screen.h"

#include <cstdint>

class DocumentView;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class Form3 : public Screen {
    Q_OBJECT
public:
    Form3();

    ParamValue VALa, VALb, VALc, VALd, VALe, VALp;
    int16_t Miocolor = 0;
    ParamValue AA, AB;

    void Form_Activate() override;
    void Command2_Click();
    void Command1_Click();

    void LeggiText1();
    void LeggiText2();
    void LeggiText3();
    void LeggiText4();
    void LeggiText5();
    void LeggiText6();
    void LeggiText7();
    void LeggiText8();

    QGroupBox *Frame5;
    QLabel *Label1;
    QGroupBox *Frame1;
    QGroupBox *Frame2;
    QGroupBox *Frame3;
    QGroupBox *Frame4;
    QPushButton *Command1;
    QPushButton *Command2;
    DocumentView *OLE1;
    QLabel *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9;
    QLineEdit *Text1, *Text2, *Text3, *Text4, *Text5, *Text6, *Text7, *Text8;

private:
    void nameFields();
    void validate(QLineEdit *field, ParamValue &variable, const QString &message);
    void reject(QLineEdit *field, ParamValue &variable, const QString &message);
};
