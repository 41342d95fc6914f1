#include "printing/CupsRequests.h"

#include "printing/DeliveryText.h"

#include <QStringList>
#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>

namespace
{

// A read or write that waits past the time limit is given up, not waited on again.
int giveUp(http_t *, void *)
{
    return 0;
}

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

Connection failedConnection(PrinterLookup::State failure, const QString &reason)
{
    Connection connection;
    connection.failure = failure;
    connection.reason = reason;
    return connection;
}

QString lastError()
{
    return QString::fromUtf8(cups().cupsLastErrorString());
}

} // namespace

QString serverName()
{
    return QString::fromLocal8Bit(cups().cupsServer());
}

Connection connectToServer(int timeoutMs)
{
    if (!cups().problem.isEmpty()) {
        return failedConnection(PrinterLookup::State::NoLibrary, cups().problem);
    }
    const QByteArray server(cups().cupsServer());
    if (server.startsWith('/') && nothingListensAt(server)) {
        return failedConnection(PrinterLookup::State::NoServer,
                                DeliveryText::noServer(serverName()));
    }
    int cancel = 0;
    QElapsedTimer clock;
    clock.start();
    http_t *http = cups().httpConnect2(server.constData(), cups().ippPort(), nullptr, AF_UNSPEC,
                                       cups().cupsEncryption(), 1, timeoutMs, &cancel);
    if (http == nullptr) {
        // libcups leaves no reliable errno; a refusal comes at once, a stalled server takes
        // the whole time.
        return clock.elapsed() < timeoutMs / 2
                   ? failedConnection(PrinterLookup::State::NoServer,
                                      DeliveryText::noServer(serverName()))
                   : failedConnection(PrinterLookup::State::Silent,
                                      DeliveryText::noAnswer(serverName(), timeoutMs));
    }
    cups().httpSetTimeout(http, timeoutMs / 1000.0, giveUp, nullptr);
    Connection connection;
    connection.http.reset(http);
    return connection;
}

Answer answerOf(http_t *http, ipp_t *response)
{
    const ipp_status_t status = cups().cupsLastError();
    // Gone on the way: nothing came back in time, or the connection broke.
    if (response == nullptr &&
        (cups().httpError(http) != 0 || status == IPP_STATUS_ERROR_INTERNAL)) {
        return Answer::Lost;
    }
    // libcups words an HTTP 503 in several ways (a lookup of the default calls it "not found"),
    // so the status line itself is what tells a busy server.
    if (cups().httpGetStatus(http) == HTTP_STATUS_SERVICE_UNAVAILABLE ||
        status == IPP_STATUS_ERROR_BUSY ||
        (status == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE && response != nullptr)) {
        return Answer::Busy;
    }
    // Without an answer, "service unavailable" is libcups failing to connect again.
    if (status == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE) {
        return Answer::Lost;
    }
    if (status == IPP_STATUS_ERROR_NOT_FOUND) {
        return Answer::NotFound;
    }
    // Up to "successful-ok-events-complete" every status is a kind of success.
    return status > IPP_STATUS_OK_EVENTS_COMPLETE ? Answer::Refused : Answer::Given;
}

QString answerReason(Answer answer, const QElapsedTimer &clock, int timeoutMs)
{
    switch (answer) {
    case Answer::Lost:
        // The whole time spent is a server that does not answer; less is one that broke off the
        // connection (it stopped or crashed).
        return clock.elapsed() < timeoutMs * 9 / 10
                   ? DeliveryText::connectionBroken(serverName())
                   : DeliveryText::noAnswer(serverName(), timeoutMs);
    case Answer::Busy:
        return DeliveryText::busyServer(serverName());
    case Answer::Given:
    case Answer::NotFound:
    case Answer::Refused:
        break;
    }
    return lastError();
}

namespace
{

QByteArray printerUri(const QString &printer)
{
    char uri[HTTP_MAX_URI];
    cups().httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof(uri), "ipp", nullptr, "localhost",
                            cups().ippPort(), "/printers/%s", printer.toUtf8().constData());
    return QByteArray(uri);
}

} // namespace

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
