#include "printing/DeliveryText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cerrno>
#include <cstring>

namespace
{

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

// A reason from the server set into a sentence of ours, without a full stop of its own.
QString clause(QString reason)
{
    while (reason.endsWith(QLatin1Char('.'))) {
        reason.chop(1);
    }
    return reason.isEmpty() ? QCoreApplication::translate("Delivery", "no reason given") : reason;
}

// A time limit said in whole seconds, rounded up: a wait of 1.5 seconds is told as 2, so the
// teacher never reads a shorter wait than the program gave.
int wholeSeconds(int milliseconds)
{
    return (milliseconds + 999) / 1000;
}

QString checkServer()
{
    return QCoreApplication::translate(
        "Delivery", "Check that the printing service is running, then try again.");
}

// One whole sentence for each step, so that a language words "while writing" its own way.
// %1 is the file, %2 the system's reason, %3 a sentence on whether the old file is kept, %4
// the advice for the cause.
const char *writeFailure(WriteStep step)
{
    switch (step) {
    case WriteStep::Opening:
        return QT_TRANSLATE_NOOP("Delivery", "%1 could not be written: %2 (while opening). %3 %4");
    case WriteStep::Creating:
        return QT_TRANSLATE_NOOP("Delivery", "%1 could not be written: %2 (while creating the new "
                                             "file). %3 %4");
    case WriteStep::Writing:
        return QT_TRANSLATE_NOOP("Delivery", "%1 could not be written: %2 (while writing). %3 %4");
    case WriteStep::Flushing:
        return QT_TRANSLATE_NOOP("Delivery", "%1 could not be written: %2 (while flushing to "
                                             "disk). %3 %4");
    case WriteStep::Closing:
        return QT_TRANSLATE_NOOP("Delivery", "%1 could not be written: %2 (while closing). %3 %4");
    case WriteStep::Replacing:
        break;
    }
    return QT_TRANSLATE_NOOP("Delivery", "%1 could not be written: %2 (while putting the new file "
                                         "in place). %3 %4");
}

// What had been sent before a job was not accepted; empty when it was the first. Two counts
// make two clauses, each with its own plural.
QString sentSoFar(int accepted, int unsent)
{
    if (accepted == 0) {
        return QString();
    }
    //: Followed by " the other %n were not sent."
    const QString acceptedClause = QCoreApplication::translate(
        "Delivery", " %n job(s) had already been accepted;", nullptr, accepted);
    //: The jobs of the worksheets that were not sent; follows " %n job(s) had already been
    //: accepted;"
    const QString unsentClause =
        QCoreApplication::translate("Delivery", " the other %n were not sent.", nullptr, unsent);
    return acceptedClause + unsentClause;
}

// What to do about a failed write: the advice follows the cause, so a full disk is not
// answered with a permission hint, nor a refused permission with "free some space". Each error
// that opening, writing, flushing, closing or renaming a file can give has its row.
QString writeAdvice(int error)
{
    switch (error) {
    case ENOSPC:
        return QCoreApplication::translate(
            "Delivery", "Free some space or choose another place, then try again.");
    case EDQUOT:
        return QCoreApplication::translate(
            "Delivery", "Your share of the disk there (your quota) is used up; delete files you "
                        "no longer need or choose another place, then try again.");
    case EACCES:
    case EPERM:
        return QCoreApplication::translate(
            "Delivery", "Choose a place where you may write, or ask for permission to write "
                        "there, then try again.");
    case ENOENT:
    case ENOTDIR:
        return QCoreApplication::translate(
            "Delivery", "The folder is gone; choose a folder that exists, then try again.");
    case EIO:
    case ENODEV:
    case ENXIO:
        return QCoreApplication::translate(
            "Delivery",
            "The disk may have been removed or failed; check it or choose another place, then "
            "try again.");
    case ESTALE:
    case ETIMEDOUT:
    case EHOSTDOWN:
    case EHOSTUNREACH:
    case ENETDOWN:
    case ENETUNREACH:
    case ENOTCONN:
    case ECONNRESET:
    case ECONNABORTED:
    case EREMOTEIO:
        return QCoreApplication::translate(
            "Delivery", "The network folder could not be reached; check the network or choose "
                        "another place, then try again.");
    case EROFS:
        return QCoreApplication::translate(
            "Delivery",
            "The disk there takes no changes (it is read-only); choose another place, then try "
            "again.");
    case EFBIG:
        return QCoreApplication::translate(
            "Delivery", "The file is larger than the disk there allows; choose another place, "
                        "then try again.");
    case ENAMETOOLONG:
        return QCoreApplication::translate("Delivery",
                                           "Choose a shorter file name, then try again.");
    case EISDIR:
        return QCoreApplication::translate(
            "Delivery", "A folder has that name now; choose another file name, then try again.");
    case EBUSY:
    case ETXTBSY:
        return QCoreApplication::translate(
            "Delivery", "Another program is using the file; close it or choose another file "
                        "name, then try again.");
    case EMFILE:
    case ENFILE:
    case ENOMEM:
        return QCoreApplication::translate(
            "Delivery", "The computer is short of resources; close some programs, then try "
                        "again.");
    default:
        break;
    }
    return QCoreApplication::translate("Delivery", "Choose another place, then try again.");
}

// A length against its limit, as the sentences about too long a path give them.
QString lengthsSaid(const char *sentence, const DestinationCheck &check)
{
    return QCoreApplication::translate("Delivery", sentence).arg(check.bytes).arg(check.limit);
}

} // namespace

namespace DeliveryText
{

QString destinationProblem(const DestinationCheck &check)
{
    using Problem = DestinationCheck::Problem;
    switch (check.problem) {
    case Problem::None:
        break;
    case Problem::Empty:
        return QCoreApplication::translate("Delivery", "the file name is empty");
    case Problem::PathTooLong:
        return lengthsSaid(
            QT_TRANSLATE_NOOP("Delivery",
                              "the path is %1 bytes long, more than the %2 a path may have"),
            check);
    case Problem::NameTooLong:
        return lengthsSaid(QT_TRANSLATE_NOOP("Delivery",
                                             "a name in the path is %1 bytes long, more than the "
                                             "%2 a name may have"),
                           check);
    case Problem::Folder:
        return QCoreApplication::translate("Delivery", "it is a folder");
    case Problem::LinkLoop:
        return QCoreApplication::translate("Delivery",
                                           "it is a symbolic link that leads round in a loop");
    case Problem::DanglingLink:
        return QCoreApplication::translate(
            "Delivery", "it is a symbolic link to something that does not exist");
    case Problem::Unusable:
        return systemError(check.error);
    case Problem::FolderUnusable:
        return QCoreApplication::translate("Delivery", "the folder %1 cannot be used: %2")
            .arg(check.folder, systemError(check.error));
    case Problem::NotAFolder:
        return QCoreApplication::translate("Delivery", "%1 is not a folder").arg(check.folder);
    case Problem::FolderReadOnly:
        return QCoreApplication::translate("Delivery", "the folder %1 takes no new files: %2")
            .arg(check.folder, systemError(check.error));
    case Problem::FileReadOnly:
        return check.error == EROFS
                   ? QCoreApplication::translate("Delivery",
                                                 "it is on a disk that takes no changes")
                   : QCoreApplication::translate("Delivery", "it is write-protected");
    case Problem::OthersFile:
        return QCoreApplication::translate(
            "Delivery", "it belongs to another user, and in this folder only they may replace it");
    }
    return QString();
}

QString commandLineTooLong(const DestinationCheck &check)
{
    switch (check.problem) {
    case DestinationCheck::Problem::PathTooLong:
        return lengthsSaid(
            QT_TRANSLATE_NOOP(
                "Delivery",
                "output path of %1 bytes is too long; allowed: a path of at most %2 bytes"),
            check);
    case DestinationCheck::Problem::NameTooLong:
        return lengthsSaid(
            QT_TRANSLATE_NOOP(
                "Delivery",
                "output path holds a name of %1 bytes; allowed: names of at most %2 bytes"),
            check);
    default:
        return QString();
    }
}

QString badDestination(const QString &path, const DestinationCheck &check)
{
    return QCoreApplication::translate("Delivery", "%1 cannot be written: %2. Choose another "
                                                   "file name.")
        .arg(shown(path), destinationProblem(check));
}

QString writeFailed(const QString &path, WriteStep step, int error, bool hadFile)
{
    return QCoreApplication::translate("Delivery", writeFailure(step))
        .arg(shown(path), systemError(error),
             hadFile
                 ? QCoreApplication::translate("Delivery", "The file that was there is unchanged.")
                 : QCoreApplication::translate("Delivery", "No file was left behind."),
             writeAdvice(error));
}

QString nothingReads(const QString &path)
{
    return QCoreApplication::translate(
               "Delivery", "%1 could not be written: nothing reads from it. Start the program "
                           "that reads it, or choose a file, then try again.")
        .arg(shown(path));
}

QString streamFailed(const QString &name, int error)
{
    return QCoreApplication::translate("Delivery", "%1 could not be written: %2")
        .arg(name, systemError(error));
}

QString pagesNotDrawn(const QString &path)
{
    return QCoreApplication::translate(
               "Delivery", "The PDF pages for %1 could not be drawn; nothing was written.")
        .arg(shown(path));
}

QString noPrinter()
{
    return QCoreApplication::translate("Delivery", "No printer is set up.");
}

QString printerGone(const QString &printer)
{
    return QCoreApplication::translate(
               "Delivery", "The default printer \"%1\" no longer exists; choose another one in "
                           "the printer settings or with lpoptions -d NAME, then try again.")
        .arg(printer);
}

QString noServer(const QString &server)
{
    return QCoreApplication::translate("Delivery", "No print server runs at %1.").arg(server);
}

QString noAnswer(const QString &server, int waitedMs)
{
    return QCoreApplication::translate("Delivery",
                                       "The print server (%1) did not answer within %n second(s).",
                                       nullptr, wholeSeconds(waitedMs))
        .arg(server);
}

QString connectionBroken(const QString &server)
{
    return QCoreApplication::translate("Delivery",
                                       "The print server (%1) broke off the connection.")
        .arg(server);
}

QString busyServer(const QString &server)
{
    return QCoreApplication::translate("Delivery",
                                       "The print server (%1) is busy and turned the request away.")
        .arg(server);
}

QString libraryMissing(const QString &loaderSays)
{
    return QCoreApplication::translate("Delivery", "The printing library could not be loaded (%1). "
                                                   "Install the CUPS client library (libcups2), "
                                                   "then try again.")
        .arg(loaderSays);
}

QString libraryIncomplete(const QString &library, const QString &missingCalls)
{
    return QCoreApplication::translate("Delivery",
                                       "The printing library %1 lacks %2. Install a current CUPS "
                                       "client library (libcups2), then try again.")
        .arg(library, missingCalls);
}

QString printerPagesNotDrawn()
{
    return QCoreApplication::translate("Delivery", "the pages could not be drawn");
}

QString pdfOffer(DeliveryOutcome::Fault fault)
{
    if (fault == DeliveryOutcome::Fault::NoServer) {
        return QCoreApplication::translate(
            "Delivery", "The printing service is not running, so the worksheet can be saved as a "
                        "PDF file instead; start the service to print");
    }
    if (fault == DeliveryOutcome::Fault::NoLibrary) {
        return QCoreApplication::translate(
            "Delivery", "The CUPS client library (libcups2) is missing or incomplete, so the "
                        "worksheet can be saved as a PDF file instead; install it to print");
    }
    return QCoreApplication::translate(
        "Delivery", "No printer is set up, so the worksheet can be saved as a PDF file instead");
}

QString sentWithoutRecord(const QString &printer, int jobs)
{
    //: The singular form speaks of "The worksheet" without its count.
    return QCoreApplication::translate(
               "Delivery",
               "%n worksheet(s) were sent to the printer \"%1\", but the print server keeps no "
               "record of finished jobs, so whether they printed cannot be told; look at the "
               "printer before printing them again.",
               nullptr, jobs)
        .arg(printer);
}

QString cancelled(const QString &printer, int jobs)
{
    //: Someone cancelled the jobs (at the printer, with the cancel command or in the print
    //: queue settings). The singular form speaks of "The worksheet" without its count.
    return QCoreApplication::translate("Delivery",
                                       "%n worksheet(s) were cancelled at the printer \"%1\"; "
                                       "print them again if they are still needed.",
                                       nullptr, jobs)
        .arg(printer);
}

QString stillWaiting(const QString &printer, int jobId, const QString &printerSays)
{
    const QString job = QStringLiteral("%1-%2").arg(printer).arg(jobId);
    if (printerSays.isEmpty()) {
        return QCoreApplication::translate(
                   "Delivery",
                   "The worksheet has not printed yet: it waits in the queue of the printer "
                   "\"%1\" and prints when the printer is back. To cancel it, remove it from the "
                   "print queue in the printer settings, or run: cancel %2")
            .arg(printer, job);
    }
    return QCoreApplication::translate(
               "Delivery",
               "The worksheet has not printed yet: it waits in the queue of the printer \"%1\", "
               "which says: %2. It prints when the printer is back. To cancel it, remove it from "
               "the print queue in the printer settings, or run: cancel %3")
        .arg(printer, clause(printerSays), job);
}

QString serverSilent(const QString &reason, int accepted, int unsent)
{
    return reason + sentSoFar(accepted, unsent) + QLatin1Char(' ') + checkServer();
}

QString serverBusy(const QString &reason, int accepted, int unsent)
{
    return reason + sentSoFar(accepted, unsent) + QLatin1Char(' ') +
           QCoreApplication::translate("Delivery", "Wait a moment, then try again.");
}

QString refused(const QString &printer, const QString &reason, int accepted, int unsent)
{
    return QCoreApplication::translate("Delivery",
                                       "The printer \"%1\" did not accept the worksheet: %2.%3 "
                                       "Check that the printer accepts jobs, then try again.")
        .arg(printer, clause(reason), sentSoFar(accepted, unsent));
}

QString paused(const QString &printer, int documents)
{
    //: The English form for one says "the worksheet", without the number.
    return QCoreApplication::translate(
               "Delivery",
               "The printer \"%1\" is paused: the %n worksheet(s) wait(s) in "
               "its queue and print(s) when the printer is resumed.",
               nullptr, documents)
        .arg(printer);
}

QString jobFailed(const QString &printer, const JobStatus &status)
{
    if (status.state == JobStatus::State::Held) {
        return QCoreApplication::translate(
                   "Delivery", "The printer \"%1\" could not print the worksheet yet: %2. The "
                               "worksheet is held in its queue and the print server tries it again "
                               "later; check the printer.")
            .arg(printer, clause(status.reason));
    }
    if (status.state == JobStatus::State::Stopped) {
        return QCoreApplication::translate(
                   "Delivery", "The printer \"%1\" stopped before the worksheet was printed: %2. "
                               "The worksheet stays in its queue and prints when the printer is "
                               "resumed.")
            .arg(printer, clause(status.reason));
    }
    return QCoreApplication::translate(
               "Delivery", "The printer \"%1\" did not print the worksheet: %2. Check the printer, "
                           "then print the worksheet again.")
        .arg(printer, clause(status.reason));
}

QString silentAfterAccepting(const QString &reason, int accepted, const QString &printer)
{
    //: %1 is the print server's own sentence, %3 a sentence on what to do.
    return QCoreApplication::translate("Delivery",
                                       "%1 %n job(s) had been accepted by the printer \"%2\"; "
                                       "whether they print cannot be told. %3",
                                       nullptr, accepted)
        .arg(reason, printer, checkServer());
}

QString stillQueued(int waiting, const QString &printer, int waitedMs, const QString &printerSays)
{
    //: How long the program waited for the printer; put into the sentences on jobs still waiting
    //: in its queue ("after %2").
    const QString waited = QCoreApplication::translate("Delivery", "%n second(s)", "time waited",
                                                       wholeSeconds(waitedMs));
    if (printerSays.isEmpty()) {
        return QCoreApplication::translate("Delivery",
                                           "%n job(s) of the printer \"%1\" still wait(s) in its "
                                           "queue after %2; they print when the printer gets to "
                                           "them.",
                                           nullptr, waiting)
            .arg(printer, waited);
    }
    //: %3 is what the printer itself says, without a full stop.
    return QCoreApplication::translate("Delivery",
                                       "%n job(s) of the printer \"%1\" still wait(s) in its queue "
                                       "after %2 (the printer says: %3); they print when the "
                                       "printer gets to them.",
                                       nullptr, waiting)
        .arg(printer, waited, clause(printerSays));
}

} // namespace DeliveryText

QString outcomeSentence(const DeliveryOutcome &outcome, Reader reader)
{
    using Kind = DeliveryOutcome::Kind;
    using Fault = DeliveryOutcome::Fault;
    switch (outcome.kind) {
    case Kind::Printed:
        return QString();
    case Kind::Pending:
    case Kind::Sent:
        return outcome.reason;
    case Kind::Saved:
        return reader == Reader::Window
                   ? QCoreApplication::translate("Delivery", "The worksheet was saved as %1.")
                         .arg(QDir::toNativeSeparators(outcome.path))
                   : QString();
    case Kind::Failed:
        break;
    }
    if (reader == Reader::CommandLine) {
        switch (outcome.fault) {
        case Fault::NoPrinter:
            return QCoreApplication::translate(
                "Delivery", "no printer is set up; use --output FILE.pdf or --output -");
        case Fault::NoServer:
            return QCoreApplication::translate("Delivery",
                                               "no print server is running at %1; start the "
                                               "printing service (CUPS), or use --output "
                                               "FILE.pdf or --output -")
                .arg(outcome.printer);
        default:
            return outcome.reason;
        }
    }
    if (outcome.cannotPrint()) {
        return QString();
    }
    switch (outcome.fault) {
    case Fault::BadDestination:
    case Fault::WriteFailed:
        return QCoreApplication::translate("Delivery", "The worksheet was not saved. %1")
            .arg(outcome.reason);
    case Fault::JobCancelled:
        // Says itself what became of the worksheet.
        return outcome.reason;
    default:
        break;
    }
    return QCoreApplication::translate("Delivery", "The worksheet was not printed. %1")
        .arg(outcome.reason);
}
