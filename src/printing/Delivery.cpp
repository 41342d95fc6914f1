#include "printing/Delivery.h"

#include "printing/DeliveryText.h"
#include "printing/JobFollower.h"

#include <QDeadlineTimer>
#include <QThread>
#include <algorithm>

DeliveryOutcome printDocuments(PrinterService &service, const QList<PrintDocument> &documents,
                               const std::optional<Paper> &paper)
{
    PrinterLookup printer = service.defaultPrinter();
    if (printer.state == PrinterLookup::State::None) {
        return DeliveryOutcome::failed(DeliveryOutcome::Fault::NoPrinter,
                                       DeliveryText::noPrinter());
    }
    if (printer.state == PrinterLookup::State::NoServer) {
        DeliveryOutcome outcome = DeliveryOutcome::failed(DeliveryOutcome::Fault::NoServer,
                                                          DeliveryText::noServer(printer.name));
        outcome.printer = printer.name;
        return outcome;
    }
    if (paper) {
        printer.paper = *paper;
    }
    if (printer.state == PrinterLookup::State::Silent) {
        return DeliveryOutcome::failed(DeliveryOutcome::Fault::ServerSilent,
                                       DeliveryText::serverSilent(printer.reason, 0, 0));
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
        if (job.state == JobSubmission::State::Silent) {
            outcome.fault = DeliveryOutcome::Fault::ServerSilent;
            outcome.reason = DeliveryText::serverSilent(job.reason, accepted, unsent);
        } else {
            outcome.fault = DeliveryOutcome::Fault::Refused;
            outcome.reason = DeliveryText::refused(printer.name, job.reason, accepted, unsent);
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
    int unrecorded = 0;
    while (true) {
        const QList<DeliveryOutcome> told = follower.update(
            JobFollower::ask(service, follower.jobs(), JobFollower::Asking::UntilOneFailed));
        for (const DeliveryOutcome &one : told) {
            if (!one.succeeded()) {
                DeliveryOutcome failed = printed;
                failed.kind = DeliveryOutcome::Kind::Failed;
                failed.fault = DeliveryOutcome::Fault::JobFailed;
                failed.reason = one.reason;
                return failed;
            }
            unrecorded += static_cast<int>(one.jobIds.size());
        }
        if (follower.isEmpty()) {
            if (unrecorded == 0) {
                return printed;
            }
            DeliveryOutcome sent = printed;
            sent.kind = DeliveryOutcome::Kind::Sent;
            sent.reason = DeliveryText::sentWithoutRecord(printed.printer, unrecorded);
            return sent;
        }
        if (deadline.hasExpired()) {
            break;
        }
        QThread::msleep(static_cast<unsigned long>(
            std::max<qint64>(1, std::min<qint64>(pollMs, deadline.remainingTime()))));
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
    outcome.reason =
        DeliveryText::stillQueued(static_cast<int>(follower.jobs().size()), printed.printer,
                                  (waitMs + 999) / 1000, follower.printerSays());
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
