#pragma once

#include "printing/PrinterService.h"

#include <memory>

struct CupsFollowing;

// The system's print server through libcups. Every call opens its own connection, waits at most
// the given time for each answer and gives up rather than wait longer, so one call never takes
// much more than twice that time. Jobs go to the server as PDF, with the paper named.
//
// A server may forget a job the moment it ends (PreserveJobHistory No), so before sending jobs
// to a printer the service subscribes to its job events and reads a forgotten job's end from
// them; the subscription lasts until the jobs are settled, renewed while they are followed.
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
    std::unique_ptr<CupsFollowing> m_following;
};
