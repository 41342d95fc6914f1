#pragma once

#include <QString>
#include <cups/cups.h>
#include <cups/pwg.h>

// libcups brings TLS, Kerberos and the rest of a network client with it, megabytes that a child
// playing a drill never needs and that would slow every start. The library is opened the first
// time the print server is asked, and its calls are taken from it by name.
#define SUMTOPIA_CUPS_CALLS(X)                                                                     \
    X(cupsDoRequest)                                                                               \
    X(cupsEncryption)                                                                              \
    X(cupsFreeDests)                                                                               \
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
    X(httpGetStatus)                                                                               \
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

// The calls of libcups that the print server service makes.
struct CupsCalls {
#define SUMTOPIA_CUPS_DECLARE(name) decltype(&::name) name = nullptr;
    SUMTOPIA_CUPS_CALLS(SUMTOPIA_CUPS_DECLARE)
#undef SUMTOPIA_CUPS_DECLARE
    // Why the library cannot be used, as the teacher reads it; empty when it can.
    QString problem;
};

// Opened by the first caller, from whichever thread; the same table for the rest of the run.
const CupsCalls &cups();
