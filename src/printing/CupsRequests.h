#pragma once

#include "printing/CupsLibrary.h"
#include "printing/Paper.h"
#include "printing/PrinterService.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QString>
#include <initializer_list>
#include <memory>

// The pieces every request to the print server is made of: a connection with a time limit, the
// request and its attributes, and what became of the answer.

struct HttpClose {
    void operator()(http_t *http) const { cups().httpClose(http); }
};
using Http = std::unique_ptr<http_t, HttpClose>;

struct IppDelete {
    void operator()(ipp_t *ipp) const { cups().ippDelete(ipp); }
};
using Ipp = std::unique_ptr<ipp_t, IppDelete>;

// Where the print server is looked for: a socket path or a host.
QString serverName();

// What one connection attempt found: a connection, or in `failure` why there is none (NoLibrary,
// NoServer or Silent) and in `reason` the sentence that says so.
struct Connection {
    Http http;
    PrinterLookup::State failure = PrinterLookup::State::Ready;
    QString reason;
};

// Waits at most `timeoutMs` to connect, and as long for every read and write afterwards.
Connection connectToServer(int timeoutMs);

// How the server dealt with one request.
enum class Answer {
    Given,    // it answered, and not with an error
    NotFound, // there is no such printer, job or subscription
    Refused,  // it answered with another error (answerReason() gives its words)
    Busy,     // it said it cannot take requests now
    Lost,     // no answer in time, or the connection broke off
};
// `response` may be null, as it is for the calls that give no IPP message back.
Answer answerOf(http_t *http, ipp_t *response);
// The sentence for an answer other than Given: the server's own words for an error, or what
// happened to a busy server or a lost request, timed by `clock` since it was sent.
QString answerReason(Answer answer, const QElapsedTimer &clock, int timeoutMs);

ipp_t *newRequest(ipp_op_t operation, const QString &printer);
void askFor(ipp_t *request, std::initializer_list<const char *> names);
// An attribute's text values, joined with commas, "none" left out; empty when it is missing.
QString text(ipp_t *response, const char *name);
int integer(ipp_t *response, const char *name);

// A media option as lp takes it: a PWG name, a legacy or PPD name, or a list of which the first
// known size counts ("A4,Tray1").
Paper paperOf(const char *media);
// The PWG name of a paper size; empty when it has none.
QByteArray mediaName(const Paper &paper);
