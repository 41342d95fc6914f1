#pragma once

#include "printing/DeliveryOutcome.h"
#include "printing/PrinterService.h"

#include <QString>

// Every sentence about taking worksheets to paper or to a file, so a change of wording is made
// here alone. Each is made when asked, in the language loaded at start-up.
namespace DeliveryText
{

// Why a path cannot be written, as a clause ("it is a folder").
QString destinationProblem(const DestinationCheck &check);
// A path, or a name in it, too long for the file system, as the command line's one line says
// it: by the lengths, since the path itself would fill the line. Empty for any other problem.
QString commandLineTooLong(const DestinationCheck &check);
QString badDestination(const QString &path, const DestinationCheck &check);
QString writeFailed(const QString &path, WriteStep step, int error, bool hadFile);
QString nothingReads(const QString &path);
QString streamFailed(const QString &name, int error);
QString pagesNotDrawn(const QString &path);

QString noPrinter();
// The user's default printer no longer exists: its name, and how to choose another.
QString printerGone(const QString &printer);
// What the print server did, in a sentence of its own: nothing listens at `server` (a socket
// path or a host), it kept silent for the time given (said in whole seconds, rounded up), it
// broke off the connection, or it was too busy to take the request.
QString noServer(const QString &server);
QString noAnswer(const QString &server, int waitedMs);
QString connectionBroken(const QString &server);
QString busyServer(const QString &server);
// The CUPS client library could not be opened (in the loader's words), or lacks calls.
QString libraryMissing(const QString &loaderSays);
QString libraryIncomplete(const QString &library, const QString &missingCalls);
// The pages for the printer could not be drawn, as a clause.
QString printerPagesNotDrawn();
// The save dialog's title when nothing can be printed (see DeliveryOutcome::cannotPrint).
QString pdfOffer(DeliveryOutcome::Fault fault);
// Jobs that left a server keeping no record of finished jobs, with no word of how they ended.
QString sentWithoutRecord(const QString &printer, int jobs);
// Jobs that someone cancelled after the printer took them.
QString cancelled(const QString &printer, int jobs);
// A job from the window that still waits: where it is, why, and how to take it back.
QString stillWaiting(const QString &printer, int jobId, const QString &printerSays);
// The server's own words, then what had been sent when it fell silent, was busy or refused.
QString serverSilent(const QString &reason, int accepted, int unsent);
QString serverBusy(const QString &reason, int accepted, int unsent);
QString refused(const QString &printer, const QString &reason, int accepted, int unsent);
QString paused(const QString &printer, int documents);
// A job that failed after it was accepted, naming the printer.
QString jobFailed(const QString &printer, const JobStatus &status);
QString silentAfterAccepting(const QString &reason, int accepted, const QString &printer);
QString stillQueued(int waiting, const QString &printer, int waitedMs, const QString &printerSays);

} // namespace DeliveryText

// Who reads a sentence about an outcome: a message box of the request window, or one line of the
// command line on standard error.
enum class Reader { Window, CommandLine };

// What the teacher reads about an outcome; empty when there is nothing to tell. Where nothing can
// print, the window offers a PDF file instead, so it has no sentence there.
QString outcomeSentence(const DeliveryOutcome &outcome, Reader reader);
