#pragma once

#include "printing/Paper.h"
#include "printing/PrintModel.h"

#include <QString>

// The default printer as the print server describes it at the moment of asking.
struct PrinterLookup {
    enum class State {
        Ready,     // takes jobs and prints them
        Paused,    // takes jobs, which wait until the printer is resumed
        None,      // no printer is set up
        Gone,      // the user's default names a printer that no longer exists
        NoServer,  // no print server runs where the system looks for it
        NoLibrary, // the CUPS client library is missing or lacks calls (`reason` says which)
        Busy,      // the print server answered that it cannot take requests now
        Silent,    // the print server did not answer in time
    };
    State state = State::None;
    // The printer (for Gone, the one that is gone); for NoServer, where the server was looked for.
    QString name;
    QString reason; // the server's own words, when it gave any
    // The paper the jobs are made for: the user's or the system's options for this printer, else
    // the printer's default media; unknown when neither says. A caller may choose another.
    Paper paper;
};

// What the queue said to one job when it was sent.
struct JobSubmission {
    enum class State { Accepted, Refused, Busy, Silent };
    State state = State::Refused;
    int jobId = 0;
    QString reason;
};

// Where one accepted job stands.
struct JobStatus {
    enum class State {
        Waiting,   // queued or being printed
        Done,      // completed
        Failed,    // aborted by the server
        Cancelled, // someone cancelled it: at the printer, with cancel, in the print settings
        Stopped,   // the printer stopped on it; it stays in the queue
        Held,      // held by the server, which tries the printer again later
        // Queued for a paused printer that has not had it yet: it prints once the printer is
        // resumed, so it is waiting, not failing.
        Paused,
        Silent, // the server did not answer in time, or was too busy to
        // Gone from a server that keeps no record of finished jobs, with no word of how it
        // ended: it was sent and may well have printed.
        Unrecorded,
    };
    State state = State::Silent;
    QString reason;
    // Waiting, but on its way out: the printer has taken the document and is printing it.
    bool printing = false;
};

// The system's print service. Every call returns within the service's time limit, so a window
// that calls it off its own thread never waits on it, and the command line's waits are bounded.
// Calls may come from any thread, also at the same time.
class PrinterService
{
public:
    virtual ~PrinterService() = default;
    virtual PrinterLookup defaultPrinter() = 0;
    // One job of one document; the page size is the printer's, the layout the document's.
    virtual JobSubmission submit(const PrinterLookup &printer, const PrintDocument &document) = 0;
    virtual JobStatus jobStatus(const QString &printer, int jobId) = 0;
    // No job is followed any more: what the service keeps for following them can go.
    virtual void jobsSettled() {}
};
