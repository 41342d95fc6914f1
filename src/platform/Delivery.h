#pragma once

#include "platform/PrintModel.h"
#include "platform/PrinterService.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <sys/types.h>

// What came of taking worksheets to paper or to a file. The window turns it into a message, the
// command line into its exit status and one line on standard error.
struct DeliveryOutcome {
    enum class Kind {
        Printed,   // every job was accepted by a printer that prints
        Pending,   // accepted by a paused printer: printed once it is resumed
        Saved,     // the file is complete
        Cancelled, // the teacher chose not to save
        Failed,    // see fault and reason
    };
    enum class Fault {
        None,
        NoPrinter,      // nothing to print on; a file is the way out
        ServerSilent,   // the print server did not answer in time
        Refused,        // the queue would not take the job
        JobFailed,      // the job was taken, then aborted, cancelled or stopped
        BadDestination, // the file name itself is wrong (a folder, a link loop): nothing written
        WriteFailed,    // writing failed; the old file, if any, is unchanged
    };

    Kind kind = Kind::Failed;
    Fault fault = Fault::None;
    QString printer;
    QList<int> jobIds; // accepted jobs, also when a later one failed
    QString path;
    QString reason; // what happened and what to do, as one sentence or two

    bool succeeded() const { return kind != Kind::Failed; }
    static DeliveryOutcome failed(Fault fault, const QString &reason);
};

// The steps of writing a file, each of which a full disk can fail. Tests put a double in place
// that fails one step; the POSIX calls otherwise. Every call returns -1 with errno set on failure.
class FileSystem
{
public:
    virtual ~FileSystem() = default;
    virtual int open(const QByteArray &path, int flags, mode_t mode);
    virtual ssize_t write(int fd, const char *data, size_t size);
    virtual int flush(int fd);
    virtual int close(int fd);
    virtual int rename(const QByteArray &from, const QByteArray &to);
    virtual int remove(const QByteArray &path);
};

FileSystem &posixFileSystem();

// Bytes to a file. A regular file is replaced only once the new one is complete: the bytes go to
// a temporary file beside it, which takes its place after every write, the flush to disk and the
// close succeeded. Devices and pipes are written to as they are. A folder, a link loop or a link
// to nowhere is bad input and nothing is written.
DeliveryOutcome saveFile(const QString &path, const QByteArray &bytes,
                         FileSystem &files = posixFileSystem());

// Whether a path names something that can be written, checked before any sheet is made: the
// result's reason is empty when it can. Non-empty results are bad input.
QString checkOutputPath(const QString &path);

// The documents as one PDF, each starting on a new page, on paper of the given size in
// millimetres. Empty on failure.
QByteArray renderPdf(const QList<PrintDocument> &documents, double widthMm = 215.9,
                     double heightMm = 279.4);

// The documents as plain text, a form feed line between two documents.
QByteArray renderText(const QList<PrintDocument> &documents);

DeliveryOutcome savePdf(const QList<PrintDocument> &documents, const QString &path,
                        FileSystem &files = posixFileSystem());

// Writes every byte to an open file descriptor (standard output): a full device is a failure.
DeliveryOutcome writeText(const QList<PrintDocument> &documents, int fd, const QString &name);

// One job per document on the default printer. Stops at the first job that is not accepted;
// the outcome then still lists the jobs accepted before it.
DeliveryOutcome printDocuments(PrinterService &service, const QList<PrintDocument> &documents);

// Follows the accepted jobs of a Printed outcome until each is done or one fails, asking every
// pollMs and giving up waiting after waitMs (the jobs stay queued). Returns the outcome to report.
DeliveryOutcome waitForJobs(PrinterService &service, const DeliveryOutcome &printed, int waitMs,
                            int pollMs = 500);

// The reason of a job that failed after it was accepted, naming the printer.
QString jobFailureReason(const QString &printer, const JobStatus &status);
