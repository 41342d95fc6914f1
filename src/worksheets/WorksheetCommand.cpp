#include "worksheets/WorksheetCommand.h"

#include "platform/Controls.h"
#include "platform/PrinterSurface.h"
#include "platform/RandomSource.h"
#include "platform/TextSurface.h"
#include "worksheets/WorksheetOptions.h"
#include "worksheets/Worksheets.h"

#include <QGuiApplication>
#include <QSaveFile>
#include <cstdio>
#include <functional>

namespace
{

void writeOut(const QString &text, std::FILE *stream)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
}

QList<PrintDocument> makeSheets(const WorksheetOptions &options)
{
    // A fresh random source, as at a fresh start of the program: the same command always makes
    // the same sheets.
    Pcg32RandomSource random;
    QList<PrintDocument> documents;
    for (int i = 0; i < options.count; ++i) {
        const Worksheet sheet = buildWorksheet(options.subject, options.grade, options.seed - 1,
                                               random, options.negatives);
        documents.append(renderWorksheet(sheet, options.answers));
    }
    return documents;
}

int writeText(const QList<PrintDocument> &documents)
{
    QString text;
    for (qsizetype i = 0; i < documents.size(); ++i) {
        if (i > 0) {
            text += QLatin1String("\f\n");
        }
        for (const QString &line : textLines(documents.at(i))) {
            text += line + QLatin1Char('\n');
        }
    }
    writeOut(text, stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

// Scripts read standard error for this command's own messages; Qt's notes about the session
// (no runtime directory, no session bus) are not theirs.
void quietQtMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        writeOut(message + QLatin1Char('\n'), stderr);
    }
}

// Painting needs fonts and a platform, never a display.
int withPaintingApplication(int argc, char **argv, const std::function<int()> &work)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietQtMessages);
    QGuiApplication app(argc, argv);
    installFontSubstitutes();
    return work();
}

int reportFailure(const PrintResult &result)
{
    if (result.ok) {
        return 0;
    }
    writeOut(QStringLiteral("sumtopia: %1\n").arg(result.error), stderr);
    return 1;
}

} // namespace

int runWorksheetCommand(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    const WorksheetParse parse = parseWorksheetArguments(arguments);
    switch (parse.action) {
    case WorksheetParse::Action::Help:
        writeOut(worksheetUsage(), stdout);
        return 0;
    case WorksheetParse::Action::Version:
        writeOut(QStringLiteral("sumtopia %1\n").arg(QStringLiteral(SUMTOPIA_VERSION)), stdout);
        return 0;
    case WorksheetParse::Action::Error:
        writeOut(QStringLiteral("sumtopia: %1\n").arg(parse.error), stderr);
        return 2;
    case WorksheetParse::Action::Run:
        break;
    }
    const WorksheetOptions &options = parse.options;

    if (options.output == QLatin1String("-")) {
        return writeText(makeSheets(options));
    }
    if (!options.output.isEmpty()) {
        // An unwritable path is bad input: found before anything is drawn or written.
        QSaveFile probe(options.output);
        if (!probe.open(QIODevice::WriteOnly)) {
            writeOut(QStringLiteral("sumtopia: output file '%1' cannot be written (%2); allowed: "
                                    "a writable file path or - for standard output\n")
                         .arg(options.output, probe.errorString()),
                     stderr);
            return 2;
        }
        probe.cancelWriting();
    }
    return withPaintingApplication(argc, argv, [&options] {
        SystemPrintTarget target;
        if (!options.output.isEmpty()) {
            return reportFailure(target.savePdf(makeSheets(options), options.output));
        }
        if (!target.hasDefaultPrinter()) {
            return reportFailure(PrintResult::failure(
                QStringLiteral("no printer is set up; use --output FILE.pdf or --output -")));
        }
        for (const PrintDocument &document : makeSheets(options)) {
            const int status = reportFailure(target.printOnDefaultPrinter(document));
            if (status != 0) {
                return status;
            }
        }
        return 0;
    });
}
