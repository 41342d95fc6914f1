#include "printing/CupsPrinterService.h"

#include "printing/PdfOutput.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMap>
#include <QMutex>
#include <QStringList>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <cups/cups.h>
#include <cups/pwg.h>
#include <dlfcn.h>
#include <iterator>
#include <memory>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>

namespace
{

// libcups brings TLS, Kerberos and the rest of a network client with it, megabytes that a child
// playing a drill never needs and that would slow every start. The library is opened the first
// time the print server is asked, and its calls are taken from it by name.
#define SUMTOPIA_CUPS_CALLS(X)                                                                     \
    X(cupsDoRequest)                                                                               \
    X(cupsEncryption)                                                                              \
    X(cupsFreeDests)                                                                               \
    X(cupsGetDefault2)                                                                             \
    X(cupsGetNamedDest)                                                                            \
    X(cupsGetOption)                                                                               \
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
    X(ippAddBoolean)                                                                               \
    X(ippAddInteger)                                                                               \
    X(ippAddString)                                                                                \
    X(ippAddStrings)                                                                               \
    X(ippDelete)                                                                                   \
    X(ippFindAttribute)                                                                            \
    X(ippFirstAttribute)                                                                           \
    X(ippGetCount)                                                                                 \
    X(ippGetGroupTag)                                                                              \
    X(ippGetInteger)                                                                               \
    X(ippGetName)                                                                                  \
    X(ippGetString)                                                                                \
    X(ippLength)                                                                                   \
    X(ippNewRequest)                                                                               \
    X(ippNextAttribute)                                                                            \
    X(ippPort)                                                                                     \
    X(pwgMediaForLegacy)                                                                           \
    X(pwgMediaForPPD)                                                                              \
    X(pwgMediaForPWG)                                                                              \
    X(pwgMediaForSize)

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

QString noServerReason()
{
    return QCoreApplication::translate("CupsPrinterService", "No print server runs at %1.")
        .arg(serverName());
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
    bool noLibrary = false; // libcups cannot be used
    bool noServer = false;  // nothing listens: no print server runs here
    QString problem;
};

// A server on a local socket either listens or not, and connect() says which at once: a missing
// socket file or a refusal is no server, whatever libcups makes of it.
bool nothingListensAt(const QByteArray &socketPath)
{
    sockaddr_un address{};
    if (socketPath.size() >= static_cast<qsizetype>(sizeof(address.sun_path))) {
        return false;
    }
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return false;
    }
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, socketPath.constData(), static_cast<size_t>(socketPath.size()));
    const bool refused =
        ::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof(address)) != 0 &&
        (errno == ENOENT || errno == ECONNREFUSED);
    ::close(fd);
    return refused;
}

Connection connectToServer(int timeoutMs)
{
    Connection connection;
    if (!cups().problem.isEmpty()) {
        connection.noLibrary = true;
        connection.problem = cups().problem;
        return connection;
    }
    const QByteArray server(cups().cupsServer());
    if (server.startsWith('/') && nothingListensAt(server)) {
        connection.noServer = true;
        connection.problem = noServerReason();
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
            connection.noServer ? noServerReason() : silentReason((timeoutMs + 999) / 1000);
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

// A media option as lp takes it: a PWG name, a legacy or PPD name, or a list of which the first
// known size counts ("A4,Tray1").
Paper paperOf(const char *media)
{
    if (media == nullptr) {
        return Paper();
    }
    for (const QByteArray &part : QByteArray(media).split(',')) {
        const QByteArray name = part.trimmed();
        pwg_media_t *size = cups().pwgMediaForPWG(name.constData());
        if (size == nullptr) {
            size = cups().pwgMediaForLegacy(name.constData());
        }
        if (size == nullptr) {
            size = cups().pwgMediaForPPD(name.constData());
        }
        if (size != nullptr) {
            return {size->width / 100.0, size->length / 100.0};
        }
    }
    return Paper();
}

QByteArray mediaName(const Paper &paper)
{
    pwg_media_t *size =
        cups().pwgMediaForSize(qRound(paper.widthMm * 100), qRound(paper.heightMm * 100));
    return size == nullptr ? QByteArray() : QByteArray(size->pwg);
}

// One event of a printer subscription, as Get-Notifications gives it.
struct JobEvent {
    int sequence = 0;
    QByteArray event;
    int jobId = 0;
    int jobState = 0;
    QString text;
};

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

} // namespace

// The printers whose job events the service reads, and what they told of jobs that ended.
struct CupsFollowing {
    struct Subscription {
        int id = 0;
        int nextSequence = 1;
        QElapsedTimer renewed;
    };
    struct End {
        int state = 0;
        QString reason;
    };
    QMutex mutex;
    QMap<QString, Subscription> subscriptions;
    QMap<QString, QMap<int, End>> ended;
    // A job's last progress message: a failing filter or backend says its reason there, while
    // the end event's own text only points at the server's log.
    QMap<QString, QMap<int, QString>> progress;
};

namespace
{

// Long enough for the longest wait between two questions; renewed while jobs are followed.
constexpr int kLeaseSeconds = 300;
constexpr qint64 kRenewAfterMs = 60 * 1000;

void subscribe(CupsFollowing &following, http_t *http, const QString &printer)
{
    {
        QMutexLocker lock(&following.mutex);
        if (following.subscriptions.contains(printer)) {
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
        return; // a server that allows no subscriptions: a forgotten job is then told as sent
    }
    QMutexLocker lock(&following.mutex);
    CupsFollowing::Subscription &subscription = following.subscriptions[printer];
    subscription.id = id;
    subscription.renewed.start();
}

// Reads the printer's new job events into `following`. False when the server did not answer.
bool readEvents(CupsFollowing &following, http_t *http, const QString &printer)
{
    CupsFollowing::Subscription subscription;
    {
        QMutexLocker lock(&following.mutex);
        if (!following.subscriptions.contains(printer)) {
            return true;
        }
        subscription = following.subscriptions.value(printer);
    }
    if (subscription.renewed.elapsed() > kRenewAfterMs) {
        ipp_t *renew = newRequest(IPP_OP_RENEW_SUBSCRIPTION, printer);
        cups().ippAddInteger(renew, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "notify-subscription-id",
                             subscription.id);
        cups().ippAddInteger(renew, IPP_TAG_SUBSCRIPTION, IPP_TAG_INTEGER, "notify-lease-duration",
                             kLeaseSeconds);
        Ipp(cups().cupsDoRequest(http, renew, "/"));
        subscription.renewed.start();
    }
    ipp_t *request = newRequest(IPP_OP_GET_NOTIFICATIONS, printer);
    cups().ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "notify-subscription-ids",
                         subscription.id);
    cups().ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "notify-sequence-numbers",
                         subscription.nextSequence);
    cups().ippAddBoolean(request, IPP_TAG_OPERATION, "notify-wait", 0);
    Ipp response(cups().cupsDoRequest(http, request, "/"));
    if (lostOnTheWay(http, response.get())) {
        return false;
    }
    QMutexLocker lock(&following.mutex);
    if (cups().cupsLastError() == IPP_STATUS_ERROR_NOT_FOUND) {
        following.subscriptions.remove(printer); // its lease ran out
        return true;
    }
    for (const JobEvent &event : eventsIn(response.get())) {
        subscription.nextSequence = std::max(subscription.nextSequence, event.sequence + 1);
        if (event.jobId <= 0) {
            continue;
        }
        if (event.event == "job-progress" && !event.text.isEmpty()) {
            following.progress[printer][event.jobId] = event.text;
        }
        if (event.jobState >= IPP_JSTATE_CANCELED) {
            following.ended[printer][event.jobId] = {
                event.jobState, following.progress.value(printer).value(event.jobId)};
        }
    }
    if (following.subscriptions.contains(printer)) {
        following.subscriptions[printer] = subscription;
    }
    return true;
}

QString printerStateMessage(http_t *http, const QString &printer)
{
    ipp_t *request = newRequest(IPP_OP_GET_PRINTER_ATTRIBUTES, printer);
    askFor(request, {"printer-state-message"});
    Ipp response(cups().cupsDoRequest(http, request, "/"));
    return text(response.get(), "printer-state-message");
}

} // namespace

CupsPrinterService::CupsPrinterService(int timeoutMs)
    : m_timeoutMs(timeoutMs), m_following(std::make_unique<CupsFollowing>())
{
}

CupsPrinterService::~CupsPrinterService()
{
    jobsSettled();
}

void CupsPrinterService::jobsSettled()
{
    QMap<QString, CupsFollowing::Subscription> subscriptions;
    {
        QMutexLocker lock(&m_following->mutex);
        subscriptions.swap(m_following->subscriptions);
        m_following->ended.clear();
        m_following->progress.clear();
    }
    if (subscriptions.isEmpty()) {
        return;
    }
    Connection connection = connectToServer(m_timeoutMs);
    if (!connection.http) {
        return; // the leases end them
    }
    for (auto it = subscriptions.cbegin(); it != subscriptions.cend(); ++it) {
        ipp_t *request = newRequest(IPP_OP_CANCEL_SUBSCRIPTION, it.key());
        cups().ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "notify-subscription-id",
                             it.value().id);
        Ipp(cups().cupsDoRequest(connection.http.get(), request, "/"));
    }
}

PrinterLookup CupsPrinterService::defaultPrinter()
{
    PrinterLookup lookup;
    QElapsedTimer clock;
    clock.start();
    Connection connection = connectToServer(m_timeoutMs);
    if (!connection.http) {
        lookup.state = connection.noLibrary  ? PrinterLookup::State::None
                       : connection.noServer ? PrinterLookup::State::NoServer
                                             : PrinterLookup::State::Silent;
        lookup.reason = connection.problem;
        if (connection.noServer) {
            lookup.name = serverName();
        }
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
    askFor(request, {"printer-state", "printer-state-message", "media-default"});
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
    // What the user chose for this printer, as lp takes it: the user's lpoptions over the
    // system's; then the printer's own default.
    if (cups_dest_t *dest = cups().cupsGetNamedDest(http, name, nullptr)) {
        lookup.paper = paperOf(cups().cupsGetOption("media", dest->num_options, dest->options));
        cups().cupsFreeDests(1, dest);
    }
    if (!lookup.paper.known()) {
        lookup.paper = paperOf(text(response.get(), "media-default").toUtf8().constData());
    }
    return lookup;
}

JobSubmission CupsPrinterService::submit(const PrinterLookup &printer,
                                         const PrintDocument &document)
{
    JobSubmission job;
    // A printer that names no paper gets the user's.
    const Paper paper = printer.paper.known() ? printer.paper : localePaper();
    const QByteArray pdf = renderPdf({document}, paper);
    if (pdf.isEmpty()) {
        job.reason =
            QCoreApplication::translate("CupsPrinterService", "the pages could not be drawn");
        return job;
    }
    Connection connection = connectToServer(m_timeoutMs);
    if (!connection.http) {
        job.state = JobSubmission::State::Silent;
        job.reason = connection.problem;
        return job;
    }
    http_t *http = connection.http.get();
    // Before the job, so that its end is seen even when it is over at once.
    subscribe(*m_following, http, printer.name);
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
    const ipp_status_t asked = cups().cupsLastError();
    clock.restart();
    if (!readEvents(*m_following, http, printer)) {
        status.reason = lostReason(clock, m_timeoutMs);
        return status;
    }
    if (asked == IPP_STATUS_ERROR_NOT_FOUND) {
        // Forgotten by a server that keeps no history: its events tell how it ended.
        CupsFollowing::End end;
        {
            QMutexLocker lock(&m_following->mutex);
            if (!m_following->ended.value(printer).contains(jobId)) {
                status.state = JobStatus::State::Unrecorded;
                return status;
            }
            end = m_following->ended.value(printer).value(jobId);
        }
        if (end.state == IPP_JSTATE_COMPLETED) {
            status.state = JobStatus::State::Done;
            return status;
        }
        status.state = JobStatus::State::Failed;
        status.reason = end.reason.isEmpty() ? printerStateMessage(http, printer) : end.reason;
        return status;
    }
    if (asked > IPP_STATUS_OK_EVENTS_COMPLETE) {
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
    // A network printer that has the whole document and prints it: slow, not stuck.
    status.printing = state == IPP_JSTATE_PROCESSING &&
                      text(printerResponse.get(), "printer-state-reasons")
                          .split(QStringLiteral(", "))
                          .contains(QStringLiteral("cups-waiting-for-job-completed"));
    status.reason = text(job.get(), "job-printer-state-message");
    if (status.reason.isEmpty()) {
        status.reason = text(printerResponse.get(), "printer-state-message");
    }
    return status;
}
