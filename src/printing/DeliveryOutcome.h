#pragma once

#include <QList>
#include <QString>

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
