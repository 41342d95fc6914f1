#include "printing/CupsJobEvents.h"

#include <QMutexLocker>
#include <QStringList>
#include <algorithm>
#include <iterator>

namespace
{

// Long enough for the longest wait between two questions; renewed while jobs are followed.
constexpr int kLeaseSeconds = 300;
constexpr qint64 kRenewAfterMs = 60 * 1000;

QList<JobEvent> eventsIn(ipp_t *response)
{
    QList<JobEvent> events;
    JobEvent current;
    const auto close = [&] {
        if (current.sequence > 0) {
            events.append(current);
        }
        current = JobEvent();
    };
    for (ipp_attribute_t *attribute = cups().ippFirstAttribute(response); attribute != nullptr;
         attribute = cups().ippNextAttribute(response)) {
        const char *name = cups().ippGetName(attribute);
        // Each event is a group of its own; groups are parted by an attribute without a name.
        if (name == nullptr) {
            close();
            continue;
        }
        if (cups().ippGetGroupTag(attribute) != IPP_TAG_EVENT_NOTIFICATION) {
            continue;
        }
        const QByteArray key(name);
        if (key == "notify-sequence-number") {
            if (current.sequence > 0) {
                close();
            }
            current.sequence = cups().ippGetInteger(attribute, 0);
        } else if (key == "notify-subscribed-event") {
            current.event = cups().ippGetString(attribute, 0, nullptr);
        } else if (key == "notify-job-id") {
            current.jobId = cups().ippGetInteger(attribute, 0);
        } else if (key == "job-state") {
            current.jobState = cups().ippGetInteger(attribute, 0);
        } else if (key == "notify-text") {
            current.text = QString::fromUtf8(cups().ippGetString(attribute, 0, nullptr));
        }
    }
    close();
    return events;
}

JobStatus status(JobStatus::State state, const QString &reason = QString())
{
    JobStatus status;
    status.state = state;
    status.reason = reason;
    return status;
}

QString firstSaid(std::initializer_list<QString> texts)
{
    const auto said = std::find_if(texts.begin(), texts.end(),
                                   [](const QString &text) { return !text.isEmpty(); });
    return said == texts.end() ? QString() : *said;
}

} // namespace

void CupsJobEvents::subscribe(http_t *http, const QString &printer)
{
    {
        QMutexLocker lock(&m_mutex);
        if (m_subscriptions.contains(printer)) {
            return;
        }
    }
    static const char *const events[] = {"job-completed", "job-state-changed", "job-stopped",
                                         "job-progress"};
    ipp_t *request = newRequest(IPP_OP_CREATE_PRINTER_SUBSCRIPTIONS, printer);
    cups().ippAddString(request, IPP_TAG_SUBSCRIPTION, IPP_TAG_KEYWORD, "notify-pull-method",
                        nullptr, "ippget");
    cups().ippAddStrings(request, IPP_TAG_SUBSCRIPTION, IPP_TAG_KEYWORD, "notify-events",
                         static_cast<int>(std::size(events)), nullptr, events);
    cups().ippAddInteger(request, IPP_TAG_SUBSCRIPTION, IPP_TAG_INTEGER, "notify-lease-duration",
                         kLeaseSeconds);
    Ipp response(cups().cupsDoRequest(http, request, "/"));
    const int id = integer(response.get(), "notify-subscription-id");
    if (id <= 0) {
        return;
    }
    QMutexLocker lock(&m_mutex);
    Subscription &subscription = m_subscriptions[printer];
    subscription.id = id;
    subscription.renewed.start();
}

bool CupsJobEvents::read(http_t *http, const QString &printer)
{
    Subscription subscription;
    {
        QMutexLocker lock(&m_mutex);
        if (!m_subscriptions.contains(printer)) {
            return true;
        }
        subscription = m_subscriptions.value(printer);
    }
    if (subscription.renewed.elapsed() > kRenewAfterMs) {
        ipp_t *renew = newRequest(IPP_OP_RENEW_SUBSCRIPTION, printer);
        cups().ippAddInteger(renew, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "notify-subscription-id",
                             subscription.id);
        cups().ippAddInteger(renew, IPP_TAG_SUBSCRIPTION, IPP_TAG_INTEGER, "notify-lease-duration",
                             kLeaseSeconds);
        Ipp(cups().cupsDoRequest(http, renew, "/"));
        QMutexLocker lock(&m_mutex);
        if (m_subscriptions.contains(printer)) {
            m_subscriptions[printer].renewed.start();
        }
    }
    ipp_t *request = newRequest(IPP_OP_GET_NOTIFICATIONS, printer);
    cups().ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "notify-subscription-ids",
                         subscription.id);
    cups().ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "notify-sequence-numbers",
                         subscription.nextSequence);
    cups().ippAddBoolean(request, IPP_TAG_OPERATION, "notify-wait", 0);
    Ipp response(cups().cupsDoRequest(http, request, "/"));
    switch (answerOf(http, response.get())) {
    case Answer::Lost:
    case Answer::Busy:
        return false;
    case Answer::NotFound: {
        QMutexLocker lock(&m_mutex);
        m_subscriptions.remove(printer); // its lease ran out
        return true;
    }
    case Answer::Given:
    case Answer::Refused:
        break;
    }
    record(printer, eventsIn(response.get()));
    return true;
}

void CupsJobEvents::record(const QString &printer, const QList<JobEvent> &events)
{
    QMutexLocker lock(&m_mutex);
    const auto subscription = m_subscriptions.find(printer);
    for (const JobEvent &event : events) {
        if (subscription != m_subscriptions.end()) {
            subscription->nextSequence = std::max(subscription->nextSequence, event.sequence + 1);
        }
        if (event.jobId <= 0) {
            continue;
        }
        SeenJob &job = m_seen[printer][event.jobId];
        job.started = job.started || event.jobState >= IPP_JSTATE_PROCESSING;
        if (event.event == "job-progress" && !event.text.isEmpty()) {
            job.progress = event.text;
        }
        if (event.jobState >= IPP_JSTATE_CANCELED) {
            job.end = JobEnd{event.jobState, job.progress};
        }
    }
}

std::optional<JobEnd> CupsJobEvents::endOf(const QString &printer, int jobId) const
{
    QMutexLocker lock(&m_mutex);
    return m_seen.value(printer).value(jobId).end;
}

bool CupsJobEvents::neverStarted(const QString &printer, int jobId) const
{
    QMutexLocker lock(&m_mutex);
    const QMap<int, SeenJob> seen = m_seen.value(printer);
    return seen.contains(jobId) && !seen.value(jobId).started;
}

void CupsJobEvents::cancelAll(int timeoutMs)
{
    QMap<QString, Subscription> subscriptions;
    {
        QMutexLocker lock(&m_mutex);
        subscriptions.swap(m_subscriptions);
        m_seen.clear();
    }
    if (subscriptions.isEmpty()) {
        return;
    }
    Connection connection = connectToServer(timeoutMs);
    if (!connection.http) {
        return;
    }
    for (auto it = subscriptions.cbegin(); it != subscriptions.cend(); ++it) {
        ipp_t *request = newRequest(IPP_OP_CANCEL_SUBSCRIPTION, it.key());
        cups().ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "notify-subscription-id",
                             it.value().id);
        Ipp(cups().cupsDoRequest(connection.http.get(), request, "/"));
    }
}

JobStatus jobStanding(const JobReport &job)
{
    switch (job.asked) {
    case Answer::Lost:
    case Answer::Busy:
        return status(JobStatus::State::Silent, job.problem);
    case Answer::Refused:
        return status(JobStatus::State::Failed, job.problem);
    case Answer::NotFound:
        // Forgotten by a server that keeps no history: its events tell how it ended.
        if (!job.eventsRead) {
            return status(JobStatus::State::Silent, job.problem);
        }
        if (!job.end) {
            // A job cannot print before the printer takes it; one that was gone before that was
            // taken out of the queue.
            return status(job.neverStarted ? JobStatus::State::Cancelled
                                           : JobStatus::State::Unrecorded);
        }
        switch (job.end->state) {
        case IPP_JSTATE_COMPLETED:
            return status(JobStatus::State::Done);
        case IPP_JSTATE_CANCELED:
            return status(JobStatus::State::Cancelled);
        default:
            return status(JobStatus::State::Failed, job.end->reason);
        }
    case Answer::Given:
        break;
    }
    const QString reason = firstSaid({job.message, job.reasons});
    switch (job.state) {
    case IPP_JSTATE_COMPLETED:
        return status(JobStatus::State::Done);
    case IPP_JSTATE_CANCELED:
        return status(JobStatus::State::Cancelled);
    case IPP_JSTATE_ABORTED:
        return status(JobStatus::State::Failed, reason);
    case IPP_JSTATE_STOPPED:
        // Stopped while printing: it carries on once the printer is resumed.
        return status(JobStatus::State::Stopped, reason);
    case IPP_JSTATE_HELD:
        // A printer whose job failed under the retry policy: the server holds the job for a
        // while and then tries again, which may go on for long without a sheet coming out.
        return status(JobStatus::State::Held, reason);
    default:
        break;
    }
    return status(JobStatus::State::Waiting, job.message);
}

JobStatus waitingStanding(const JobReport &job, const PrinterReport &printer)
{
    if (printer.asked == Answer::Lost || printer.asked == Answer::Busy) {
        return status(JobStatus::State::Silent, printer.problem);
    }
    if (printer.state == IPP_PSTATE_STOPPED) {
        // A printer that stopped on this job (its backend failed) will not go on until someone
        // acts; one paused before it had the job prints it once it is resumed.
        return job.tried ? status(JobStatus::State::Stopped,
                                  firstSaid({job.message, printer.message, printer.reasons}))
                         : status(JobStatus::State::Paused,
                                  firstSaid({printer.message, printer.reasons}));
    }
    JobStatus waiting =
        status(JobStatus::State::Waiting, firstSaid({job.message, printer.message}));
    // A network printer that has the whole document and prints it: slow, not stuck.
    waiting.printing = job.state == IPP_JSTATE_PROCESSING &&
                       printer.reasons.split(QStringLiteral(", "))
                           .contains(QStringLiteral("cups-waiting-for-job-completed"));
    return waiting;
}
