#pragma once
// The parameter screen: eight fields validated in order into the parameter set,
// which the drawing screen copies, and the colour counter of the curves. Up and
// Down step a field's value; every change of a field tells the picture news the
// curve the fields now describe, for a preview.

#include "curve/CurveFields.h"
#include "parameters/ParamValue.h"
#include "runtime/Screen.h"

#include <array>
#include <cstdint>
#include <optional>

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

    // The eight texts, in the order of the curve's values.
    std::array<QString, CurveFields::count> fieldTexts() const;
    // The value, in the locale's words, into the field of the value at index, as if typed.
    void typeValue(int index, double value);
    // The palette index that the next "AVANTI" would draw in.
    int nextColour() const;
    // The values in the fields and in the parameter set, the fields white, as if typed and
    // taken by "AVANTI".
    void showValues(const CurveValues &values);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
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

    struct Field {
        QLineEdit *text;
        ParamValue Form3::*variable;
    };
    // The eight fields in the order of the curve's values, which is the order they are checked in.
    std::array<Field, CurveFields::count> fields() const;

    void nameFields();
    // Field validation for the value at index in that order.
    void validate(int index);
    void reject(QLineEdit *field, ParamValue &variable, const QString &message);
    void typeInto(QLineEdit *field, const QString &text);
    // The values the eight texts give, when each passes the checks of "AVANTI" in its order;
    // nothing is shown, marked or changed.
    std::optional<CurveValues> fieldValues() const;
    void tellPreview();
};
