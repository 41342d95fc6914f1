#include "printing/JobFollower.h"

#include "printing/DeliveryText.h"

namespace
{

enum class Standing { Printed, Unrecorded, Failed, Cancelled, Waiting };

Standing standing(const JobStatus &status)
{
    switch (status.state) {
    case JobStatus::State::Done:
        return Standing::Printed;
    case JobStatus::State::Unrecorded:
        return Standing::Unrecorded;
    case JobStatus::State::Failed:
    case JobStatus::State::Stopped:
    case JobStatus::State::Held:
        return Standing::Failed;
    case JobStatus::State::Cancelled:
        return Standing::Cancelled;
    case JobStatus::State::Waiting:
    case JobStatus::State::Paused:
    case JobStatus::State::Silent:
        // A server that is busy or restarting is asked again at the next turn.
        break;
    }
    return Standing::Waiting;
}

} // namespace

void JobFollower::follow(const QString &printer, const QList<int> &jobIds)
{
    for (int id : jobIds) {
        m_jobs.append({printer, id, QString(), false, false});
    }
}

DeliveryOutcome JobFollower::sent(const QString &printer, const QList<int> &jobIds)
{
    DeliveryOutcome outcome;
    outcome.kind = DeliveryOutcome::Kind::Sent;
    outcome.reason = DeliveryText::sentWithoutRecord(printer, static_cast<int>(jobIds.size()));
    return outcome.ofJobs(printer, jobIds);
}

DeliveryOutcome JobFollower::cancelled(const QString &printer, const QList<int> &jobIds)
{
    return DeliveryOutcome::failed(
               DeliveryOutcome::Fault::JobCancelled,
               DeliveryText::cancelled(printer, static_cast<int>(jobIds.size())))
        .ofJobs(printer, jobIds);
}

QList<JobStatus> JobFollower::ask(PrinterService &service, const QList<Job> &jobs, Asking asking)
{
    QList<JobStatus> answers;
    for (const Job &job : jobs) {
        answers.append(service.jobStatus(job.printer, job.id));
        if (asking == Asking::UntilOneFailed && standing(answers.last()) == Standing::Failed) {
            break;
        }
    }
    return answers;
}

QList<DeliveryOutcome> JobFollower::update(const QList<JobStatus> &answers)
{
    QList<DeliveryOutcome> told;
    QList<Job> still;
    m_silent = false;
    // One job of several may carry the printer's reason and the others none: the first that
    // says anything speaks for the queue.
    QString printerSays;
    for (qsizetype i = 0; i < m_jobs.size(); ++i) {
        Job job = m_jobs.at(i);
        if (i >= answers.size()) {
            still.append(job);
            continue;
        }
        const JobStatus &status = answers.at(i);
        switch (standing(status)) {
        case Standing::Printed:
            break;
        case Standing::Unrecorded:
            told.append(sent(job.printer, {job.id}));
            break;
        case Standing::Failed:
            told.append(DeliveryOutcome::failed(DeliveryOutcome::Fault::JobFailed,
                                                DeliveryText::jobFailed(job.printer, status))
                            .ofJobs(job.printer, {job.id}));
            break;
        case Standing::Cancelled:
            told.append(cancelled(job.printer, {job.id}));
            break;
        case Standing::Waiting:
            if (status.state == JobStatus::State::Silent) {
                m_silent = true;
                m_silentReason = status.reason;
            } else {
                job.says = status.reason;
                job.printing = status.printing;
                job.paused = status.state == JobStatus::State::Paused;
                if (printerSays.isEmpty()) {
                    printerSays = status.reason;
                }
            }
            still.append(job);
            break;
        }
    }
    m_jobs = still;
    if (!printerSays.isEmpty()) {
        m_printerSays = printerSays;
    }
    return told;
}
