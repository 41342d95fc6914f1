#pragma once

#include "printing/DeliveryOutcome.h"
#include "printing/JobFollower.h"
#include "printing/PrintModel.h"

#include <QElapsedTimer>
#include <QFuture>
#include <QList>
#include <QMap>
#include <QObject>
#include <QTimer>

class PrinterService;

// Sends documents to the printer off the caller's thread and follows the accepted jobs on a
// timer until each is printed or fails: the print server may be slow or stalled, and a window
// must not wait on it. Every outcome worth telling comes back through `delivered`, on the
// caller's thread.
class BackgroundDelivery final : public QObject
{
    Q_OBJECT
public:
    explicit BackgroundDelivery(PrinterService &printers, QObject *parent = nullptr);
    // The print server calls are bounded, so this wait for them is too.
    ~BackgroundDelivery() override;

    void print(const PrintDocument &document);

    // How often the printer is asked after the jobs it accepted.
    void setFollowInterval(int milliseconds) { m_followTimer.setInterval(milliseconds); }
    // How long a job may wait before `stillWaiting` tells of it.
    void setWaitNotice(int milliseconds) { m_waitNoticeMs = milliseconds; }
    // Documents on their way to the printer.
    int inFlight() const { return m_inFlight; }
    int jobsFollowed() const { return static_cast<int>(m_follower.jobs().size()); }

Q_SIGNALS:
    // Anything but a printer that took the document to print it: then, and after a paused
    // printer took it, each of its jobs that fails or is cancelled later comes as a failed
    // outcome of its own.
    void delivered(const DeliveryOutcome &outcome, const PrintDocument &document);
    // A job that still waits after the notice time and that no printer is printing, once per
    // job: a Pending outcome that says where it waits, why, and how to cancel it. It is still
    // followed, so a later failure comes through `delivered`. A sheet a paused printer took was
    // told as such at once and gets no notice.
    void stillWaiting(const DeliveryOutcome &outcome);

private:
    void submitted(const DeliveryOutcome &outcome, const PrintDocument &document);
    void checkJobs();
    void jobsChecked(const QList<JobStatus> &answers);
    void forgetFinishedWork();
    // Lets the service drop what it keeps for following jobs, once none is followed or sent.
    void settleIfIdle();

    PrinterService &m_printers;
    JobFollower m_follower;
    QTimer m_followTimer;
    // Jobs not yet told as waiting, with when they were accepted.
    QMap<int, QElapsedTimer> m_untold;
    int m_waitNoticeMs = 10000;
    QList<QFuture<void>> m_work;
    int m_inFlight = 0;
    bool m_checking = false;
};
