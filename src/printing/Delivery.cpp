#include "printing/Delivery.h"

#include "printing/DeliveryText.h"
#include "printing/JobFollower.h"

#include <QDeadlineTimer>
#include <QThread>
#include <algorithm>

namespace
{

// A lookup that found nothing to print on, or no server to ask; nothing when printing can go on.
std::optional<DeliveryOutcome> cannotSubmit(const PrinterLookup &printer)
{
    using Fault = DeliveryOutcome::Fault;
    std::optional<DeliveryOutcome> outcome;
    switch (printer.state) {
    case PrinterLookup::State::Ready:
    case PrinterLookup::State::Paused:
        return outcome;
    case PrinterLookup::State::None:
        outcome = DeliveryOutcome::failed(Fault::NoPrinter, DeliveryText::noPrinter());
        break;
    case PrinterLookup::State::Gone:
        outcome =
            DeliveryOutcome::failed(Fault::PrinterGone, DeliveryText::printerGone(printer.name));
        break;
    case PrinterLookup::State::NoServer:
        outcome = DeliveryOutcome::failed(Fault::NoServer, DeliveryText::noServer(printer.name));
        break;
    case PrinterLookup::State::NoLibrary:
        outcome = DeliveryOutcome::failed(Fault::NoLibrary, printer.reason);
        break;
    case PrinterLookup::State::Busy:
        outcome = DeliveryOutcome::failed(Fault::ServerBusy,
                                          DeliveryText::serverBusy(printer.reason, 0, 0));
        break;
    case PrinterLookup::State::Silent:
        outcome = DeliveryOutcome::failed(Fault::ServerSilent,
                                          DeliveryText::serverSilent(printer.reason, 0, 0));
        break;
    }
    outcome->printer = printer.name;
    return outcome;
}

} // namespace

DeliveryOutcome printDocuments(PrinterService &service, const QList<PrintDocument> &documents,
                               const std::optional<Paper> &paper)
{
    PrinterLookup printer = service.defaultPrinter();
    if (const std::optional<DeliveryOutcome> refused = cannotSubmit(printer)) {
        return *refused;
    }
    if (paper) {
        printer.paper = *paper;
    }
    DeliveryOutcome outcome;
    outcome.printer = printer.name;
    for (qsizetype i = 0; i < documents.size(); ++i) {
        const JobSubmission job = service.submit(printer, documents.at(i));
        if (job.state == JobSubmission::State::Accepted) {
            outcome.jobIds.append(job.jobId);
            continue;
        }
        const int accepted = static_cast<int>(outcome.jobIds.size());
        const int unsent = static_cast<int>(documents.size()) - accepted;
        outcome.kind = DeliveryOutcome::Kind::Failed;
        switch (job.state) {
        case JobSubmission::State::Silent:
            outcome.fault = DeliveryOutcome::Fault::ServerSilent;
            outcome.reason = DeliveryText::serverSilent(job.reason, accepted, unsent);
            break;
        case JobSubmission::State::Busy:
            outcome.fault = DeliveryOutcome::Fault::ServerBusy;
            outcome.reason = DeliveryText::serverBusy(job.reason, accepted, unsent);
            break;
        case JobSubmission::State::Refused:
        case JobSubmission::State::Accepted:
            outcome.fault = DeliveryOutcome::Fault::Refused;
            outcome.reason = DeliveryText::refused(printer.name, job.reason, accepted, unsent);
            break;
        }
        return outcome;
    }
    if (printer.state == PrinterLookup::State::Paused) {
        outcome.kind = DeliveryOutcome::Kind::Pending;
        outcome.reason = DeliveryText::paused(printer.name, static_cast<int>(documents.size()));
    } else {
        outcome.kind = DeliveryOutcome::Kind::Printed;
    }
    return outcome;
}

namespace
{

DeliveryOutcome followJobs(PrinterService &service, const DeliveryOutcome &printed, int waitMs,
                           int pollMs)
{
    if (printed.kind != DeliveryOutcome::Kind::Printed || waitMs <= 0) {
        return printed;
    }
    JobFollower follower;
    follower.follow(printed.printer, printed.jobIds);
    const QDeadlineTimer deadline(waitMs);
    QList<int> unrecorded;
    // A cancel reaches a waiting job at once and one being printed a little later, so the jobs
    // that someone cancelled are counted until the rest have settled too.
    QList<int> cancelled;
    const auto ofAllJobs = [&printed](const DeliveryOutcome &outcome) {
        return outcome.ofJobs(printed.printer, printed.jobIds);
    };
    while (true) {
        const QList<DeliveryOutcome> told = follower.update(
            JobFollower::ask(service, follower.jobs(), JobFollower::Asking::UntilOneFailed));
        for (const DeliveryOutcome &one : told) {
            if (one.fault == DeliveryOutcome::Fault::JobCancelled) {
                cancelled += one.jobIds;
            } else if (!one.succeeded()) {
                return ofAllJobs(one);
            } else {
                unrecorded += one.jobIds;
            }
        }
        if (follower.isEmpty()) {
            if (!cancelled.isEmpty()) {
                return ofAllJobs(JobFollower::cancelled(printed.printer, cancelled));
            }
            return unrecorded.isEmpty() ? printed
                                        : ofAllJobs(JobFollower::sent(printed.printer, unrecorded));
        }
        // Paused after it took them: they print when it is resumed, as if it had been paused
        // from the start, so there is nothing to wait for.
        const QList<JobFollower::Job> &left = follower.jobs();
        if (cancelled.isEmpty() &&
            std::all_of(left.cbegin(), left.cend(),
                        [](const JobFollower::Job &job) { return job.paused; })) {
            DeliveryOutcome pending = printed;
            pending.kind = DeliveryOutcome::Kind::Pending;
            pending.reason = DeliveryText::paused(printed.printer, static_cast<int>(left.size()));
            return pending;
        }
        if (deadline.hasExpired()) {
            break;
        }
        QThread::msleep(static_cast<unsigned long>(
            std::max<qint64>(1, std::min<qint64>(pollMs, deadline.remainingTime()))));
    }
    const QString stillQueued = DeliveryText::stillQueued(
        static_cast<int>(follower.jobs().size()), printed.printer, waitMs, follower.printerSays());
    if (!cancelled.isEmpty()) {
        DeliveryOutcome outcome = ofAllJobs(JobFollower::cancelled(printed.printer, cancelled));
        outcome.reason += QLatin1Char(' ') + stillQueued;
        return outcome;
    }
    DeliveryOutcome outcome = printed;
    const int accepted = static_cast<int>(printed.jobIds.size());
    if (follower.serverSilent()) {
        outcome.kind = DeliveryOutcome::Kind::Failed;
        outcome.fault = DeliveryOutcome::Fault::ServerSilent;
        outcome.reason =
            DeliveryText::silentAfterAccepting(follower.silentReason(), accepted, printed.printer);
        return outcome;
    }
    outcome.kind = DeliveryOutcome::Kind::Pending;
    outcome.reason = stillQueued;
    return outcome;
}

} // namespace

DeliveryOutcome waitForJobs(PrinterService &service, const DeliveryOutcome &printed, int waitMs,
                            int pollMs)
{
    const DeliveryOutcome outcome = followJobs(service, printed, waitMs, pollMs);
    service.jobsSettled();
    return outcome;
}
