#pragma once

#include "printing/Paper.h"
#include "printing/PrintModel.h"

#include <QString>

// The default printer as the print server describes it at the moment of asking.
struct PrinterLookup {
    enum class State {
        Ready,    // takes jobs and prints them
        Paused,   // takes jobs, which wait until the printer is resumed
        None,     // no printer is set up
        NoServer, // no print server runs where the system looks for it
        Silent,   // the print server did not answer in time
    };
    State state = State::None;
    QString name;   // the printer; for NoServer, where the server was looked for
    QString reason; // the server's own words, when it gave any
    // The paper the jobs are made for: the user's or the system's options for this printer, else
    // the printer's default media; unknown when neither says. A caller may choose another.
    Paper paper;
};

// What the queue said to one job when it was sent.
struct JobSubmission {
    enum class State { Accepted, Refused, Silent };
    State state = State::Refused;
    int jobId = 0;
    QString reason;
};

// Where one accepted job stands.
struct JobStatus {
    enum class State {
        Waiting, // queued or being printed
        Done,    // completed
        Failed,  // aborted or cancelled by the server
        Stopped, // held in the queue of a printer that has stopped
        Held,    // held by the server, which tries the printer again later
        Silent,  // the server did not answer in time
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
