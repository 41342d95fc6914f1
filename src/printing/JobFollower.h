#pragma once

#include "printing/DeliveryOutcome.h"
#include "printing/PrinterService.h"

#include <QList>
#include <QString>

// The accepted jobs a front end waits for, and what the print server last said of them. The
// command line asks in a loop until its deadline, the request window on a timer off its own
// thread; both hand the answers to the same update.
class JobFollower
{
public:
    struct Job {
        QString printer;
        int id = 0;
        QString says;          // the reason the server last gave for keeping it waiting
        bool printing = false; // the printer has it and prints it
        bool paused = false;   // it waits for a paused printer to be resumed
    };
    enum class Asking {
        EveryJob,
        // The first failure is what gets told, so the rest need no asking. Cancelled jobs do not
        // stop the asking: one cancel often takes every job of a queue, and all are counted.
        UntilOneFailed,
    };

    void follow(const QString &printer, const QList<int> &jobIds);
    const QList<Job> &jobs() const { return m_jobs; }
    bool isEmpty() const { return m_jobs.isEmpty(); }

    // Asks the server where each job stands, in order. Safe off the caller's thread.
    static QList<JobStatus> ask(PrinterService &service, const QList<Job> &jobs, Asking asking);

    // Takes the answers for the first jobs, in order; jobs that were not asked about (followed
    // since, or after a failure) stay. A printed job is forgotten, and so is one that failed or
    // was cancelled: it comes back as a failed outcome that says why. A job the server forgot
    // without saying how it ended comes back as a Sent outcome.
    QList<DeliveryOutcome> update(const QList<JobStatus> &answers);

    // The outcomes of jobs that ended so, with their sentence: sent to a server that keeps no
    // record, or cancelled by someone.
    static DeliveryOutcome sent(const QString &printer, const QList<int> &jobIds);
    static DeliveryOutcome cancelled(const QString &printer, const QList<int> &jobIds);

    // From the last update: whether the server did not answer about a job.
    bool serverSilent() const { return m_silent; }
    // The last words of a server that did not answer, and of a printer that keeps a job waiting
    // (the first job's that said anything in the latest answers that had any).
    const QString &silentReason() const { return m_silentReason; }
    const QString &printerSays() const { return m_printerSays; }

private:
    QList<Job> m_jobs;
    bool m_silent = false;
    QString m_silentReason;
    QString m_printerSays;
};
