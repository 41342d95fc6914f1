#include "printing/CupsPrinterService.h"

#include "printing/CupsJobEvents.h"
#include "printing/CupsRequests.h"
#include "printing/DeliveryText.h"
#include "printing/PdfOutput.h"

#include <QDir>
#include <QFile>
#include <algorithm>

namespace
{

PrinterLookup failedLookup(PrinterLookup::State state, const QString &reason,
                           const QString &name = QString())
{
    PrinterLookup lookup;
    lookup.state = state;
    lookup.reason = reason;
    lookup.name = name;
    return lookup;
}

// The lookup for a request the server did not answer as asked; `printer` is the printer that was
// asked after, if any.
PrinterLookup unanswered(Answer answer, const QElapsedTimer &clock, int timeoutMs,
                         const QString &printer)
{
    const QString reason = answerReason(answer, clock, timeoutMs);
    switch (answer) {
    case Answer::Lost:
        return failedLookup(PrinterLookup::State::Silent, reason);
    case Answer::Busy:
        return failedLookup(PrinterLookup::State::Busy, reason);
    case Answer::NotFound:
        if (!printer.isEmpty()) {
            return failedLookup(PrinterLookup::State::Gone, reason, printer);
        }
        break;
    case Answer::Given:
    case Answer::Refused:
        break;
    }
    return failedLookup(PrinterLookup::State::None, reason);
}

// The "Default" line of an lpoptions file: the printer, without its instance.
QString defaultIn(const QString &path)
{
    QFile file(path);
    QString name;
    if (!file.open(QIODevice::ReadOnly)) {
        return name;
    }
    for (const QByteArray &line : file.readAll().split('\n')) {
        const QList<QByteArray> words = line.simplified().split(' ');
        if (words.size() >= 2 && words.first().compare("Default", Qt::CaseInsensitive) == 0) {
            name = QString::fromUtf8(words.at(1)).section(QLatin1Char('/'), 0, 0);
        }
    }
    return name;
}

// The printer the user named as default, where libcups looks for it; empty when the user named
// none and the server's default counts. Only needed to name a default that has gone.
QString chosenDefault()
{
    for (const char *variable : {"LPDEST", "PRINTER"}) {
        const QString name = QString::fromLocal8Bit(qgetenv(variable));
        if (!name.isEmpty() &&
            !(name == QLatin1String("lp") && qstrcmp(variable, "PRINTER") == 0)) {
            return name.section(QLatin1Char('/'), 0, 0);
        }
    }
    const QString user = defaultIn(QDir::homePath() + QStringLiteral("/.cups/lpoptions"));
    if (!user.isEmpty()) {
        return user;
    }
    const QString root = QString::fromLocal8Bit(qgetenv("CUPS_SERVERROOT"));
    return defaultIn((root.isEmpty() ? QStringLiteral("/etc/cups") : root) +
                     QStringLiteral("/lpoptions"));
}

// The printer's state and paper, into a lookup that has its name and the user's paper.
PrinterLookup withPrinterState(http_t *http, PrinterLookup lookup, int timeoutMs)
{
    ipp_t *request = newRequest(IPP_OP_GET_PRINTER_ATTRIBUTES, lookup.name);
    askFor(request, {"printer-state", "printer-state-message", "media-default"});
    QElapsedTimer clock;
    clock.start();
    Ipp response(cups().cupsDoRequest(http, request, "/"));
    const Answer answer = answerOf(http, response.get());
    if (answer != Answer::Given) {
        return unanswered(answer, clock, timeoutMs, lookup.name);
    }
    lookup.state = integer(response.get(), "printer-state") == IPP_PSTATE_STOPPED
                       ? PrinterLookup::State::Paused
                       : PrinterLookup::State::Ready;
    lookup.reason = text(response.get(), "printer-state-message");
    if (!lookup.paper.known()) {
        lookup.paper = paperOf(text(response.get(), "media-default").toUtf8().constData());
    }
    return lookup;
}

// Get-Job-Attributes, then the printer's events, which tell the end of a job it has forgotten.
JobReport askAboutJob(http_t *http, CupsJobEvents &events, const QString &printer, int jobId,
                      int timeoutMs)
{
    JobReport report;
    ipp_t *request = newRequest(IPP_OP_GET_JOB_ATTRIBUTES, printer);
    cups().ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "job-id", jobId);
    askFor(request,
           {"job-state", "job-state-reasons", "job-printer-state-message", "time-at-processing"});
    QElapsedTimer clock;
    clock.start();
    Ipp job(cups().cupsDoRequest(http, request, "/"));
    report.asked = answerOf(http, job.get());
    report.problem = answerReason(report.asked, clock, timeoutMs);
    if (report.asked == Answer::Lost || report.asked == Answer::Busy) {
        return report;
    }
    report.state = integer(job.get(), "job-state");
    report.message = text(job.get(), "job-printer-state-message");
    report.reasons = text(job.get(), "job-state-reasons");
    report.tried = integer(job.get(), "time-at-processing") > 0;
    // Read every turn, so the events of the jobs still followed are never lost to the server's
    // limit on the events it keeps.
    clock.restart();
    report.eventsRead = events.read(http, printer);
    if (!report.eventsRead) {
        report.problem = answerReason(Answer::Lost, clock, timeoutMs);
    } else if (report.asked == Answer::NotFound) {
        report.end = events.endOf(printer, jobId);
        report.neverStarted = events.neverStarted(printer, jobId);
    }
    return report;
}

PrinterReport askAboutPrinter(http_t *http, const QString &printer, int timeoutMs)
{
    PrinterReport report;
    ipp_t *request = newRequest(IPP_OP_GET_PRINTER_ATTRIBUTES, printer);
    askFor(request, {"printer-state", "printer-state-message", "printer-state-reasons"});
    QElapsedTimer clock;
    clock.start();
    Ipp response(cups().cupsDoRequest(http, request, "/"));
    report.asked = answerOf(http, response.get());
    report.problem = answerReason(report.asked, clock, timeoutMs);
    report.state = integer(response.get(), "printer-state");
    report.message = text(response.get(), "printer-state-message");
    report.reasons = text(response.get(), "printer-state-reasons");
    return report;
}

} // namespace

CupsPrinterService::CupsPrinterService(int timeoutMs)
    : m_timeoutMs(timeoutMs), m_events(std::make_unique<CupsJobEvents>())
{
}

CupsPrinterService::~CupsPrinterService()
{
    jobsSettled();
}

void CupsPrinterService::jobsSettled()
{
    m_events->cancelAll(m_timeoutMs);
}

PrinterLookup CupsPrinterService::defaultPrinter()
{
    Connection connection = connectToServer(m_timeoutMs);
    if (!connection.http) {
        return failedLookup(connection.failure, connection.reason,
                            connection.failure == PrinterLookup::State::NoServer ? serverName()
                                                                                 : QString());
    }
    http_t *http = connection.http.get();
    QElapsedTimer clock;
    clock.start();
    cups_dest_t *dest = cups().cupsGetNamedDest(http, nullptr, nullptr);
    if (dest == nullptr) {
        return unanswered(answerOf(http, nullptr), clock, m_timeoutMs, chosenDefault());
    }
    PrinterLookup lookup;
    lookup.name = QString::fromUtf8(dest->name);
    // The paper the user chose for this printer, as lp takes it: the user's lpoptions over the
    // system's; else the printer's own default.
    lookup.paper = paperOf(cups().cupsGetOption("media", dest->num_options, dest->options));
    cups().cupsFreeDests(1, dest);
    return withPrinterState(http, lookup, m_timeoutMs);
}

JobSubmission CupsPrinterService::submit(const PrinterLookup &printer,
                                         const PrintDocument &document)
{
    JobSubmission job;
    // A printer that names no paper gets the user's.
    const Paper paper = printer.paper.known() ? printer.paper : localePaper();
    const QByteArray pdf = renderPdf({document}, paper);
    if (pdf.isEmpty()) {
        job.reason = DeliveryText::printerPagesNotDrawn();
        return job;
    }
    Connection connection = connectToServer(m_timeoutMs);
    if (!connection.http) {
        job.state = JobSubmission::State::Silent;
        job.reason = connection.reason;
        return job;
    }
    http_t *http = connection.http.get();
    // Before the job, so that its end is seen even when it is over at once.
    m_events->subscribe(http, printer.name);
    QElapsedTimer clock;
    clock.start();
    ipp_t *request = newRequest(IPP_OP_PRINT_JOB, printer.name);
    cups().ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "job-name", nullptr,
                        "Sumtopia worksheet");
    cups().ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_MIMETYPE, "document-format", nullptr,
                        CUPS_FORMAT_PDF);
    // The paper the pages were made for, so the printer neither scales them nor picks a tray
    // of another size.
    const QByteArray media = mediaName(paper);
    if (!media.isEmpty()) {
        cups().ippAddString(request, IPP_TAG_JOB, IPP_TAG_KEYWORD, "media", nullptr,
                            media.constData());
    }
    // The length announced is the whole body: the request's own bytes and the document's.
    http_status_t status = cups().cupsSendRequest(
        http, request, "/", cups().ippLength(request) + static_cast<size_t>(pdf.size()));
    for (qsizetype sent = 0; status == HTTP_STATUS_CONTINUE && sent < pdf.size();) {
        const qsizetype chunk = std::min<qsizetype>(65536, pdf.size() - sent);
        status =
            cups().cupsWriteRequestData(http, pdf.constData() + sent, static_cast<size_t>(chunk));
        sent += chunk;
    }
    Ipp response(cups().cupsGetResponse(http, "/"));
    cups().ippDelete(request);
    const Answer answer = answerOf(http, response.get());
    job.reason = answerReason(answer, clock, m_timeoutMs);
    switch (answer) {
    case Answer::Lost:
        job.state = JobSubmission::State::Silent;
        return job;
    case Answer::Busy:
        job.state = JobSubmission::State::Busy;
        return job;
    case Answer::NotFound:
    case Answer::Refused:
        return job;
    case Answer::Given:
        break;
    }
    if (!response) {
        return job;
    }
    job.state = JobSubmission::State::Accepted;
    job.jobId = integer(response.get(), "job-id");
    job.reason.clear();
    return job;
}

JobStatus CupsPrinterService::jobStatus(const QString &printer, int jobId)
{
    Connection connection = connectToServer(m_timeoutMs);
    if (!connection.http) {
        JobStatus status;
        status.reason = connection.reason;
        return status;
    }
    http_t *http = connection.http.get();
    const JobReport job = askAboutJob(http, *m_events, printer, jobId, m_timeoutMs);
    JobStatus status = jobStanding(job);
    if (status.state == JobStatus::State::Failed && status.reason.isEmpty() &&
        job.asked == Answer::NotFound) {
        // An end event without a progress message: the printer's own state says why.
        status.reason = askAboutPrinter(http, printer, m_timeoutMs).message;
    }
    if (status.state != JobStatus::State::Waiting) {
        return status;
    }
    // A waiting job on a printer that has stopped will not print until someone acts.
    return waitingStanding(job, askAboutPrinter(http, printer, m_timeoutMs));
}
