#include "worksheets/frmTeacherAide.h"

#include "app/Program.h"
#include "app/frmSelection.h"
#include "platform/Controls.h"

#include <QPushButton>

frmTeacherAide::frmTeacherAide(Program &program)
    : Form(program, QStringLiteral("frmTeacherAide")), m_program(program)
{
}

void frmTeacherAide::buildScreen(FormWindow &window)
{
    window.setWindowTitle(QStringLiteral("Teachers Aide"));
    window.setClientSizeTwips(7560, 5175);
    QWidget *client = window.client();
    setBackground(client, DesignColor::Cyan);
    client->setFont(defaultDesignFont());
    auto *cmdExit = makeButton(client, QStringLiteral("cmdExit"), QStringLiteral("Exit"), 5453,
                               4260, 1215, 495);
    connect(cmdExit, &QPushButton::clicked, this, &frmTeacherAide::cmdExit_Click);
}

void frmTeacherAide::Form_Load()
{
    show();
}

void frmTeacherAide::cmdExit_Click()
{
    unload();
    // Loading an unloaded menu shows it through its Form_Load; a hidden one is only shown.
    m_program.selection().show();
}

void frmTeacherAide::titleBarClose()
{
    cmdExit_Click();
}
