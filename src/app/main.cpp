#include "app/Program.h"
#include "cli/WorksheetCommand.h"
#include "cli/WorksheetOptions.h"
#include "platform/Dialogs.h"
#include "platform/RandomSource.h"

#include <QApplication>
#include <QStyle>
#include <cstdio>
#include <cstdlib>

namespace
{

QString g_platformProblem;

// While the window system is being opened, Qt's notes are kept back; if it cannot be opened,
// one line says so instead of Qt's page of advice and an abort.
void openingMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtFatalMsg) {
        if (g_platformProblem.isEmpty()) {
            g_platformProblem = message.section(QLatin1Char('\n'), 0, 0);
        }
        return;
    }
    const QByteArray line =
        QCoreApplication::translate(
            "main", "sumtopia: the window cannot be shown: %1; start the program in a desktop "
                    "session, or make worksheets without a window (sumtopia --help)\n")
            .arg(g_platformProblem.isEmpty() ? message.section(QLatin1Char('\n'), 0, 0)
                                             : g_platformProblem)
            .toLocal8Bit();
    std::fwrite(line.constData(), 1, static_cast<std::size_t>(line.size()), stderr);
    std::_Exit(1);
}

bool namesPlatform(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "-platform" || argument == "--platform" ||
            argument.startsWith("-platform=") || argument.startsWith("--platform=")) {
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    // Worksheet options mean the command, which needs no display; Qt's own options start the
    // window as Qt expects.
    if (isWorksheetRequest(arguments)) {
        return runWorksheetCommand(argc, argv, arguments);
    }

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !namesPlatform(argc, argv) &&
        qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        // An application object of its own loads the user's language for the one line.
        const QCoreApplication texts(argc, argv);
        const QByteArray line =
            QCoreApplication::translate(
                "main", "sumtopia: there is no display to show the window on (neither DISPLAY nor "
                        "WAYLAND_DISPLAY is set); start the program in a desktop session, or make "
                        "worksheets without a window (sumtopia --help)\n")
                .toLocal8Bit();
        std::fwrite(line.constData(), 1, static_cast<std::size_t>(line.size()), stderr);
        return 1;
    }

    const QtMessageHandler previous = qInstallMessageHandler(openingMessages);
    QApplication app(argc, argv);
    qInstallMessageHandler(previous);
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
