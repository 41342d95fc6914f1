#include "app/Program.h"
#include "platform/Dialogs.h"
#include "platform/RandomSource.h"
#include "worksheets/WorksheetCommand.h"

#include <QApplication>
#include <QStyle>

int main(int argc, char **argv)
{
    // Any argument means the worksheet command, which needs no display.
    if (argc > 1) {
        return runWorksheetCommand(argc, argv);
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sumtopia"));
    QApplication::setApplicationVersion(QStringLiteral(SUMTOPIA_VERSION));
    // Lets a Wayland compositor match the windows to the installed desktop entry and its icon.
    QApplication::setDesktopFileName(QStringLiteral(SUMTOPIA_APP_ID));
    // One style everywhere, so the designed colours show whatever the desktop theme.
    QApplication::setStyle(QStringLiteral("Fusion"));
    // The run ends when the program says so, not when a hidden window's sibling closes.
    QApplication::setQuitOnLastWindowClosed(false);

    Pcg32RandomSource random;
    QtDialogs dialogs;
    Program program(dialogs, random, [] { QCoreApplication::exit(0); });
    program.start();
    return QApplication::exec();
}
