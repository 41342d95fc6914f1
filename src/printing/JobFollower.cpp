#include "printing/JobFollower.h"

#include "printing/DeliveryText.h"

namespace
{

enum class Standing { Printed, Unrecorded, Failed, Waiting };

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
    case JobStatus::State::Waiting:
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
        m_jobs.append({printer, id, QString(), false});
    }
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
        case Standing::Unrecorded: {
            DeliveryOutcome sent;
            sent.kind = DeliveryOutcome::Kind::Sent;
            sent.reason = DeliveryText::sentWithoutRecord(job.printer, 1);
            sent.printer = job.printer;
            sent.jobIds = {job.id};
            told.append(sent);
            break;
        }
        case Standing::Failed: {
            DeliveryOutcome failed = DeliveryOutcome::failed(
                DeliveryOutcome::Fault::JobFailed, DeliveryText::jobFailed(job.printer, status));
            failed.printer = job.printer;
            failed.jobIds = {job.id};
            told.append(failed);
            break;
        }
        case Standing::Waiting:
            if (status.state == JobStatus::State::Silent) {
                m_silent = true;
                m_silentReason = status.reason;
            } else {
                job.says = status.reason;
                job.printing = status.printing;
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
