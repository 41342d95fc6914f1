#pragma once

#include "printing/PrinterService.h"

#include <memory>

class CupsJobEvents;

// The system's print server through libcups. Every call opens its own connection, waits at most
// the given time for each answer and gives up rather than wait longer, so one call never takes
// much more than twice that time. Jobs go to the server as PDF, with the paper named.
//
// The default printer is the one lp takes: LPDEST or PRINTER, else the user's lpoptions, else
// the system's, else the server's. Before sending jobs to a printer the service subscribes to its
// job events (CupsJobEvents), so that a job a server forgets as it ends is still told; the
// subscription lasts until the jobs are settled.
class CupsPrinterService final : public PrinterService
{
public:
    explicit CupsPrinterService(int timeoutMs = 4000);
    ~CupsPrinterService() override;

    PrinterLookup defaultPrinter() override;
    JobSubmission submit(const PrinterLookup &printer, const PrintDocument &document) override;
    JobStatus jobStatus(const QString &printer, int jobId) override;
    void jobsSettled() override;

private:
    int m_timeoutMs;
    std::unique_ptr<CupsJobEvents> m_events;
};
