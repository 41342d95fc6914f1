#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

// What came of taking worksheets to paper or to a file. The window turns it into a message, the
// command line into its exit status and one line on standard error.
struct DeliveryOutcome {
    enum class Kind {
        Printed, // every job was accepted by a printer that prints
        Pending, // accepted by a paused printer: printed once it is resumed
        Sent,    // accepted, then gone from a server that keeps no record: may have printed
        Saved,   // the file is complete
        Failed,  // see fault and reason
    };
    enum class Fault {
        None,
        NoPrinter,      // nothing to print on; a file is the way out
        PrinterGone,    // the default printer no longer exists (`printer` names it)
        NoServer,       // no print server runs (`printer` says where it was looked for)
        NoLibrary,      // the CUPS client library cannot be used
        ServerSilent,   // the print server did not answer in time
        ServerBusy,     // the print server answered that it cannot take requests now
        Refused,        // the queue would not take the job
        JobFailed,      // the job was taken, then aborted, stopped or held
        JobCancelled,   // the job was taken, then someone cancelled it
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
    // Nothing can be printed on this machine until someone installs or starts something, so a
    // file is the only way to the worksheet; a printer that is gone or a busy server is not that.
    bool cannotPrint() const
    {
        return fault == Fault::NoPrinter || fault == Fault::NoServer || fault == Fault::NoLibrary;
    }
    // The same outcome, told of these jobs of this printer.
    DeliveryOutcome ofJobs(const QString &onPrinter, const QList<int> &ids) const
    {
        DeliveryOutcome outcome = *this;
        outcome.printer = onPrinter;
        outcome.jobIds = ids;
        return outcome;
    }
    static DeliveryOutcome failed(Fault fault, const QString &reason)
    {
        DeliveryOutcome outcome;
        outcome.fault = fault;
        outcome.reason = reason;
        return outcome;
    }
    static DeliveryOutcome saved(const QString &path)
    {
        DeliveryOutcome outcome;
        outcome.kind = Kind::Saved;
        outcome.path = path;
        return outcome;
    }
};

// What stands in the way of writing a path. Each front end words it in its own way, so the
// numbers and the folder come with it rather than a finished sentence.
struct DestinationCheck {
    enum class Problem {
        None,
        Empty,
        PathTooLong,    // `bytes` long, more than `limit`
        NameTooLong,    // a name in it is `bytes` long, more than `limit`
        Folder,         // the path itself is a folder
        LinkLoop,       // a symbolic link that leads round in a loop
        DanglingLink,   // a symbolic link to something that does not exist
        Unusable,       // stat failed with `error`
        FolderUnusable, // `folder` cannot be reached: `error`
        NotAFolder,     // `folder` is something else
        FolderReadOnly, // `folder` takes no new files: `error`
        FileReadOnly,   // the file may not be written: `error` (EACCES, EPERM or EROFS)
        OthersFile,     // another user's file in a sticky folder: only they may replace it
    };
    Problem problem = Problem::None;
    qsizetype bytes = 0;
    int limit = 0;
    QString folder;
    int error = 0;

    bool writable() const { return problem == Problem::None; }
};

// The steps of writing a file that a failure names.
enum class WriteStep { Opening, Creating, Writing, Flushing, Closing, Replacing };
