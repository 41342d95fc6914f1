#include "cli/WorksheetCommand.h"

#include "cli/WorksheetOptions.h"
#include "platform/Controls.h"
#include "platform/RandomSource.h"
#include "printing/CupsPrinterService.h"
#include "printing/Delivery.h"
#include "printing/DeliveryText.h"
#include "printing/FileOutput.h"
#include "printing/PdfOutput.h"
#include "worksheets/Worksheets.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdio>
#include <optional>
#include <unistd.h>

namespace
{

void writeOut(const QString &text, std::FILE *stream)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
    std::fflush(stream);
}

// One line on standard error, whatever the reason's own punctuation.
void say(const QString &message)
{
    writeOut(QStringLiteral("sumtopia: %1\n").arg(QString(message).replace(u'\n', u' ')), stderr);
}

QList<PrintDocument> makeSheets(const WorksheetOptions &options)
{
    // A fresh random source, as at a fresh start of the program: the same command always makes
    // the same sheets.
    Pcg32RandomSource random;
    QList<PrintDocument> documents;
    for (int i = 0; i < options.count; ++i) {
        const Worksheet sheet = buildWorksheet(
            options.subject, options.grade, options.seed - kLowestSeed, random, options.negatives);
        documents.append(renderWorksheet(sheet, options.answers));
        // The key is rendered from the sheet already drawn, so it takes no draws of its own
        // and the sheets after it come out as they would without keys.
        if (options.withKey) {
            documents.append(renderWorksheet(sheet, true));
        }
    }
    return documents;
}

// Scripts read standard error for this command's own messages; Qt's notes about the session
// (no runtime directory, no session bus) are not theirs.
void quietQtMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        writeOut(message + QLatin1Char('\n'), stderr);
    }
}

int report(const DeliveryOutcome &outcome)
{
    if (const QString sentence = outcomeSentence(outcome, Reader::CommandLine);
        !sentence.isEmpty()) {
        say(sentence);
    }
    if (outcome.succeeded()) {
        return 0;
    }
    return outcome.fault == DeliveryOutcome::Fault::BadDestination ? 2 : 1;
}

} // namespace

int runWorksheetCommand(int argc, char **argv, const QStringList &arguments)
{
    // The help, the messages and a text sheet speak the user's language, which loads with an
    // application object; the painting one comes later, only for a PDF file or a printer.
    std::optional<QCoreApplication> texts(std::in_place, argc, argv);
    const WorksheetParse parse = parseWorksheetArguments(arguments);
    if (parse.action == WorksheetParse::Action::Error) {
        say(parse.error);
        return 2;
    }
    if (parse.action != WorksheetParse::Action::Run) {
        writeOut(parse.action == WorksheetParse::Action::Help
                     ? worksheetUsage()
                     : QStringLiteral("sumtopia %1\n").arg(QStringLiteral(SUMTOPIA_VERSION)),
                 stdout);
        return std::ferror(stdout) ? 1 : 0;
    }
    const WorksheetOptions &options = parse.options;

    if (options.output == QLatin1String("-")) {
        return report(
            writeText(makeSheets(options), STDOUT_FILENO,
                      QCoreApplication::translate("WorksheetCommand", "standard output")));
    }
    // One application object at a time: the painting one loads the translations again. Painting
    // needs fonts and a platform, never a display.
    texts.reset();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietQtMessages);
    const QGuiApplication painting(argc, argv);
    installFontSubstitutes();
    if (!options.output.isEmpty()) {
        return report(
            savePdf(makeSheets(options), options.output, options.paper.value_or(localePaper())));
    }
    CupsPrinterService printers;
    const DeliveryOutcome printed = printDocuments(printers, makeSheets(options), options.paper);
    return report(waitForJobs(printers, printed, options.waitSeconds * 1000));
}
