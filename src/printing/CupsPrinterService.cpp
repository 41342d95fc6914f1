#include "printing/CupsPrinterService.h"

#include "printing/PdfOutput.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStringList>
#include <cerrno>
#include <cstring>
#include <cups/cups.h>
#include <cups/pwg.h>
#include <dlfcn.h>
#include <memory>
#include <vector>

namespace
{

// libcups brings TLS, Kerberos and the rest of a network client with it, megabytes that a child
// playing a drill never needs and that would slow every start. The library is opened the first
// time the print server is asked, and its calls are taken from it by name.
#define SUMTOPIA_CUPS_CALLS(X)                                                                     \
    X(cupsDoRequest)                                                                               \
    X(cupsEncryption)                                                                              \
    X(cupsGetDefault2)                                                                             \
    X(cupsGetResponse)                                                                             \
    X(cupsLastError)                                                                               \
    X(cupsLastErrorString)                                                                         \
    X(cupsSendRequest)                                                                             \
    X(cupsServer)                                                                                  \
    X(cupsUser)                                                                                    \
    X(cupsWriteRequestData)                                                                        \
    X(httpAssembleURIf)                                                                            \
    X(httpClose)                                                                                   \
    X(httpConnect2)                                                                                \
    X(httpError)                                                                                   \
    X(httpSetTimeout)                                                                              \
    X(ippAddInteger)                                                                               \
    X(ippAddString)                                                                                \
    X(ippAddStrings)                                                                               \
    X(ippDelete)                                                                                   \
    X(ippFindAttribute)                                                                            \
    X(ippGetCount)                                                                                 \
    X(ippGetInteger)                                                                               \
    X(ippGetString)                                                                                \
    X(ippLength)                                                                                   \
    X(ippNewRequest)                                                                               \
    X(ippPort)                                                                                     \
    X(pwgMediaForPWG)

struct CupsCalls {
#define SUMTOPIA_CUPS_DECLARE(name) decltype(&::name) name = nullptr;
    SUMTOPIA_CUPS_CALLS(SUMTOPIA_CUPS_DECLARE)
#undef SUMTOPIA_CUPS_DECLARE
    // Why the library cannot be used; empty when it can.
    QString problem;
};

const CupsCalls &cups()
{
    static const CupsCalls calls = [] {
        CupsCalls loaded;
        void *library = dlopen("libcups.so.2", RTLD_NOW | RTLD_LOCAL);
        if (library == nullptr) {
            loaded.problem =
                QCoreApplication::translate("CupsPrinterService",
                                            "The printing library could not be loaded (%1). "
                                            "Install the CUPS client library (libcups2), then "
                                            "try again.")
                    .arg(QString::fromLocal8Bit(dlerror()));
            return loaded;
        }
        QStringList missing;
#define SUMTOPIA_CUPS_RESOLVE(name)                                                                \
    loaded.name = reinterpret_cast<decltype(&::name)>(dlsym(library, #name));                      \
    if (loaded.name == nullptr) {                                                                  \
        missing.append(QStringLiteral(#name));                                                     \
    }
        SUMTOPIA_CUPS_CALLS(SUMTOPIA_CUPS_RESOLVE)
#undef SUMTOPIA_CUPS_RESOLVE
        if (!missing.isEmpty()) {
            loaded.problem = QCoreApplication::translate(
                                 "CupsPrinterService",
                                 "The printing library libcups.so.2 lacks %1. Install a current "
                                 "CUPS client library (libcups2), then try again.")
                                 .arg(missing.join(QStringLiteral(", ")));
        }
        return loaded;
    }();
    return calls;
}

struct HttpClose {
    void operator()(http_t *http) const { cups().httpClose(http); }
};
using Http = std::unique_ptr<http_t, HttpClose>;

struct IppDelete {
    void operator()(ipp_t *ipp) const { cups().ippDelete(ipp); }
};
using Ipp = std::unique_ptr<ipp_t, IppDelete>;

// A read or write that waits past the time limit is given up, not waited on again.
int giveUp(http_t *, void *)
{
    return 0;
}

QString serverName()
{
    return QString::fromLocal8Bit(cups().cupsServer());
}

QString silentReason(int seconds)
{
    return QCoreApplication::translate("CupsPrinterService",
                                       "The print server (%1) did not answer within %n second(s).",
                                       nullptr, seconds)
        .arg(serverName());
}

// A request lost on the way: the whole time spent is a server that does not answer, less is one
// that broke off the connection (it stopped or crashed).
QString lostReason(const QElapsedTimer &clock, int timeoutMs)
{
    if (clock.elapsed() < timeoutMs * 9 / 10) {
        return QCoreApplication::translate("CupsPrinterService",
                                           "The print server (%1) broke off the connection.")
            .arg(serverName());
    }
    return silentReason((timeoutMs + 999) / 1000);
}

// What one connection attempt found.
struct Connection {
    Http http;
    bool noServer = false; // nothing listens: no print server runs here
    QString problem;
};

Connection connectToServer(int timeoutMs)
{
    Connection connection;
    if (!cups().problem.isEmpty()) {
        connection.noServer = true;
        connection.problem = cups().problem;
        return connection;
    }
    int cancel = 0;
    QElapsedTimer clock;
    clock.start();
    http_t *http = cups().httpConnect2(cups().cupsServer(), cups().ippPort(), nullptr, AF_UNSPEC,
                                       cups().cupsEncryption(), 1, timeoutMs, &cancel);
    if (http == nullptr) {
        // libcups leaves no reliable errno; a refusal comes at once, a stalled server takes
        // the whole time.
        connection.noServer = clock.elapsed() < timeoutMs / 2;
        connection.problem =
            connection.noServer
                ? QCoreApplication::translate("CupsPrinterService", "No print server runs at %1.")
                      .arg(serverName())
                : silentReason((timeoutMs + 999) / 1000);
        return connection;
    }
    cups().httpSetTimeout(http, timeoutMs / 1000.0, giveUp, nullptr);
    connection.http.reset(http);
    return connection;
}

QByteArray printerUri(const QString &printer)
{
    char uri[HTTP_MAX_URI];
    cups().httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof(uri), "ipp", nullptr, "localhost",
                            cups().ippPort(), "/printers/%s", printer.toUtf8().constData());
    return QByteArray(uri);
}

ipp_t *newRequest(ipp_op_t operation, const QString &printer)
{
    ipp_t *request = cups().ippNewRequest(operation);
    cups().ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr,
                        printerUri(printer).constData());
    cups().ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr,
                        cups().cupsUser());
    return request;
}

void askFor(ipp_t *request, std::initializer_list<const char *> names)
{
    std::vector<const char *> list(names);
    cups().ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                         static_cast<int>(list.size()), nullptr, list.data());
}

QString text(ipp_t *response, const char *name)
{
    ipp_attribute_t *attribute = cups().ippFindAttribute(response, name, IPP_TAG_ZERO);
    if (attribute == nullptr) {
        return QString();
    }
    QStringList values;
    for (int i = 0; i < cups().ippGetCount(attribute); ++i) {
        const char *value = cups().ippGetString(attribute, i, nullptr);
        if (value != nullptr && std::strcmp(value, "none") != 0) {
            values.append(QString::fromUtf8(value));
        }
    }
    return values.join(QStringLiteral(", "));
}

int integer(ipp_t *response, const char *name)
{
    ipp_attribute_t *attribute = cups().ippFindAttribute(response, name, IPP_TAG_ZERO);
    return attribute == nullptr ? 0 : cups().ippGetInteger(attribute, 0);
}

// A request that failed on the way (no answer in time, connection lost) rather than one the
// server answered with an error.
bool lostOnTheWay(http_t *http, ipp_t *response)
{
    return response == nullptr &&
           (cups().httpError(http) != 0 || cups().cupsLastError() == IPP_STATUS_ERROR_INTERNAL ||
            cups().cupsLastError() == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE);
}

QString lastError()
{
    return QString::fromUtf8(cups().cupsLastErrorString());
}

} // namespace

PrinterLookup CupsPrinterService::defaultPrinter()
{
    PrinterLookup lookup;
    QElapsedTimer clock;
    clock.start();
    Connection connection = connectToServer(m_timeoutMs);
    if (!connection.http) {
        lookup.state =
            connection.noServer ? PrinterLookup::State::None : PrinterLookup::State::Silent;
        lookup.reason = connection.problem;
        return lookup;
    }
    http_t *http = connection.http.get();
    // The user's own default (PRINTER, lpoptions) first, then the server's.
    const char *name = cups().cupsGetDefault2(http);
    if (name == nullptr) {
        if (cups().httpError(http) != 0 || cups().cupsLastError() == IPP_STATUS_ERROR_INTERNAL) {
            lookup.state = PrinterLookup::State::Silent;
            lookup.reason = lostReason(clock, m_timeoutMs);
        } else {
            lookup.state = PrinterLookup::State::None;
            lookup.reason = lastError();
        }
        return lookup;
    }
    lookup.name = QString::fromUtf8(name);

    ipp_t *request = newRequest(IPP_OP_GET_PRINTER_ATTRIBUTES, lookup.name);
    askFor(request,
           {"printer-state", "printer-state-message", "printer-state-reasons", "media-default"});
    clock.restart();
    Ipp response(cups().cupsDoRequest(http, request, "/"));
    if (lostOnTheWay(http, response.get())) {
        lookup.state = PrinterLookup::State::Silent;
        lookup.reason = lostReason(clock, m_timeoutMs);
        return lookup;
    }
    if (cups().cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE) {
        // The default names a printer that is gone.
        lookup.state = PrinterLookup::State::None;
        lookup.reason = lastError();
        return lookup;
    }
    lookup.state = integer(response.get(), "printer-state") == IPP_PSTATE_STOPPED
                       ? PrinterLookup::State::Paused
                       : PrinterLookup::State::Ready;
    lookup.reason = text(response.get(), "printer-state-message");
    const QString media = text(response.get(), "media-default");
    if (pwg_media_t *size = cups().pwgMediaForPWG(media.toUtf8().constData())) {
        lookup.paperWidthMm = size->width / 100.0;
        lookup.paperHeightMm = size->length / 100.0;
    }
    return lookup;
}

JobSubmission CupsPrinterService::submit(const PrinterLookup &printer,
                                         const PrintDocument &document)
{
    JobSubmission job;
    const QByteArray pdf = printer.paperWidthMm > 0
                               ? renderPdf({document}, printer.paperWidthMm, printer.paperHeightMm)
                               : renderPdf({document});
    if (pdf.isEmpty()) {
        job.reason =
            QCoreApplication::translate("CupsPrinterService", "the pages could not be drawn");
        return job;
    }
    QElapsedTimer clock;
    clock.start();
    Connection connection = connectToServer(m_timeoutMs);
    if (!connection.http) {
        job.state = JobSubmission::State::Silent;
        job.reason = connection.problem;
        return job;
    }
    http_t *http = connection.http.get();
    ipp_t *request = newRequest(IPP_OP_PRINT_JOB, printer.name);
    cups().ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "job-name", nullptr,
                        "Sumtopia worksheet");
    cups().ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_MIMETYPE, "document-format", nullptr,
                        CUPS_FORMAT_PDF);
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
    if (lostOnTheWay(http, response.get())) {
        job.state = JobSubmission::State::Silent;
        job.reason = lostReason(clock, m_timeoutMs);
        return job;
    }
    if (cups().cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE || !response) {
        job.reason = lastError();
        return job;
    }
    job.state = JobSubmission::State::Accepted;
    job.jobId = integer(response.get(), "job-id");
    return job;
}

JobStatus CupsPrinterService::jobStatus(const QString &printer, int jobId)
{
    JobStatus status;
    QElapsedTimer clock;
    clock.start();
    Connection connection = connectToServer(m_timeoutMs);
    if (!connection.http) {
        status.reason = connection.problem;
        return status;
    }
    http_t *http = connection.http.get();
    ipp_t *request = newRequest(IPP_OP_GET_JOB_ATTRIBUTES, printer);
    cups().ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "job-id", jobId);
    askFor(request, {"job-state", "job-state-reasons", "job-printer-state-message"});
    Ipp job(cups().cupsDoRequest(http, request, "/"));
    if (lostOnTheWay(http, job.get())) {
        status.reason = lostReason(clock, m_timeoutMs);
        return status;
    }
    if (cups().cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE) {
        status.state = JobStatus::State::Failed;
        status.reason = lastError();
        return status;
    }
    const int state = integer(job.get(), "job-state");
    QString reason = text(job.get(), "job-printer-state-message");
    if (reason.isEmpty()) {
        reason = text(job.get(), "job-state-reasons");
    }
    switch (state) {
    case IPP_JSTATE_COMPLETED:
        status.state = JobStatus::State::Done;
        return status;
    case IPP_JSTATE_ABORTED:
    case IPP_JSTATE_CANCELED:
        status.state = JobStatus::State::Failed;
        status.reason = reason;
        return status;
    case IPP_JSTATE_STOPPED:
        // Stopped while printing: it carries on once the printer is resumed.
        status.state = JobStatus::State::Stopped;
        status.reason = reason;
        return status;
    case IPP_JSTATE_HELD:
        // A printer whose job failed under the retry policy: the server holds the job for a
        // while and then tries again, which may go on for long without a sheet coming out.
        status.state = JobStatus::State::Held;
        status.reason = reason;
        return status;
    default:
        break;
    }

    // A waiting job on a printer that has stopped will not print until someone acts.
    ipp_t *printerRequest = newRequest(IPP_OP_GET_PRINTER_ATTRIBUTES, printer);
    askFor(printerRequest, {"printer-state", "printer-state-message", "printer-state-reasons"});
    clock.restart();
    Ipp printerResponse(cups().cupsDoRequest(http, printerRequest, "/"));
    if (lostOnTheWay(http, printerResponse.get())) {
        status.reason = lostReason(clock, m_timeoutMs);
        return status;
    }
    if (integer(printerResponse.get(), "printer-state") == IPP_PSTATE_STOPPED) {
        status.state = JobStatus::State::Stopped;
        status.reason = text(printerResponse.get(), "printer-state-message");
        if (status.reason.isEmpty()) {
            status.reason = text(printerResponse.get(), "printer-state-reasons");
        }
        return status;
    }
    status.state = JobStatus::State::Waiting;
    status.reason = text(job.get(), "job-printer-state-message");
    return status;
}
