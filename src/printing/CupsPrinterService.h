#pragma once

#include "printing/PrinterService.h"

// The system's print server through libcups. Every call opens its own connection, waits at most
// the given time for each answer and gives up rather than wait longer, so one call never takes
// much more than twice that time. Jobs go to the server as PDF.
class CupsPrinterService final : public PrinterService
{
public:
    explicit CupsPrinterService(int timeoutMs = 4000) : m_timeoutMs(timeoutMs) {}

    PrinterLookup defaultPrinter() override;
    JobSubmission submit(const PrinterLookup &printer, const PrintDocument &document) override;
    JobStatus jobStatus(const QString &printer, int jobId) override;

private:
    int m_timeoutMs;
};
