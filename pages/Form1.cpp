#include "pages/Form1.h"
#include "calibration/Form2.h"
#include "pages/DocumentView.h"
#include "pages/IntroPage.h"
#include "runtime/Controls.h"
#include "runtime/ProgramIcon.h"
#include "runtime/Single.h"

#include <QPushButton>

Form1::Form1() : Screen(QStringLiteral("Form1"), QSize(11670, 8565), false)
{
    setWindowIcon(programIcon());
    OLE1 = new DocumentView(introPage(), this);
    place(OLE1, "OLE1", 570, 210, 9495, 6135);
    OLE1->setAccessibleName(QStringLiteral("Pagina introduttiva"));
    // Created after the view, the button lies above the view's lower edge.
    Command1 = new QPushButton(QStringLiteral("AVANTI"), this);
    place(Command1, "Command1", 3600, 5640, 2895, 855);

    Controls::tabOrder({OLE1, Command1});
    onClick(Command1, [this] { Command1_Click(); });
}

void Form1::Command1_Click()
{
    Single::instance<Form2>().Show();
}
