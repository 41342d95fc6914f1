#pragma once

#include "printing/CupsRequests.h"
#include "printing/PrinterService.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QMutex>
#include <QString>
#include <optional>

// How a job ended, as the events of its printer told: its job-state and the last reason the
// printer gave for it.
struct JobEnd {
    int state = 0;
    QString reason;
};

// One event of a printer subscription, as Get-Notifications gives it.
struct JobEvent {
    int sequence = 0;
    QByteArray event; // notify-subscribed-event
    int jobId = 0;
    int jobState = 0;
    QString text; // notify-text
};

// A server may forget a job the moment it ends (PreserveJobHistory No), so the service
// subscribes to a printer's job events before it sends the printer a job and reads a forgotten
// job's end from them. Calls may come from any thread.
class CupsJobEvents
{
public:
    // Subscribes to the printer's job events unless that is done; a server that allows no
    // subscriptions is left at that, and a job it forgets is then told as sent.
    void subscribe(http_t *http, const QString &printer);
    // Reads the printer's new events; false when the server did not answer. A subscription
    // whose lease ran out is dropped, and renewed while jobs are followed.
    bool read(http_t *http, const QString &printer);
    // Takes in events as read() does with the server's, in their order.
    void record(const QString &printer, const QList<JobEvent> &events);
    std::optional<JobEnd> endOf(const QString &printer, int jobId) const;
    // The events told of the job, but never that a printer took it: a waiting job that someone
    // cancels ends without an event of its end.
    bool neverStarted(const QString &printer, int jobId) const;
    // Forgets what the events told and cancels the subscriptions; those not reached end with
    // their lease.
    void cancelAll(int timeoutMs);

private:
    struct Subscription {
        int id = 0;
        int nextSequence = 1;
        QElapsedTimer renewed;
    };

    // What the events told of one job they named.
    struct SeenJob {
        bool started = false; // one said the printer had taken it
        // The last progress message: a failing filter or backend says its reason there, while
        // the end event's own text only points at the server's log.
        QString progress;
        std::optional<JobEnd> end;
    };

    mutable QMutex m_mutex;
    QMap<QString, Subscription> m_subscriptions;
    QMap<QString, QMap<int, SeenJob>> m_seen;
};

// What the server said of one job: its attributes while it keeps them, and the end its events
// told once it has forgotten the job.
struct JobReport {
    Answer asked = Answer::Lost; // to Get-Job-Attributes
    QString problem;             // why the job, or its events, could not be read
    int state = 0;               // job-state
    QString message;             // job-printer-state-message
    QString reasons;             // job-state-reasons
    bool tried = false;          // the printer has had the job (time-at-processing is set)
    bool eventsRead = true;
    // From the events, for a job the server no longer has: how it ended, or that it was gone
    // before the printer ever took it.
    std::optional<JobEnd> end;
    bool neverStarted = false;
};

// What the printer said of itself while a job waits for it.
struct PrinterReport {
    Answer asked = Answer::Lost;
    QString problem;
    int state = 0; // printer-state
    QString message;
    QString reasons;
};

// Where a job stands by its own answers. A definite state of the job counts whatever became
// of its events, which only speak for a job the server has forgotten. Waiting when that depends
// on the printer.
JobStatus jobStanding(const JobReport &job);
// Where a job that waits stands, once its printer has said how it is.
JobStatus waitingStanding(const JobReport &job, const PrinterReport &printer);
