#pragma once

#include "printing/PrinterService.h"

#include <QList>
#include <QMap>
#include <QMutex>

// A print server that answers as a test says and records every document sent to it. The window
// calls it from worker threads, so everything it holds is behind a lock.
class ScriptedPrinterService final : public PrinterService
{
public:
    ScriptedPrinterService();

    void setPrinter(PrinterLookup lookup);
    // Answers for the next submits, in order; once they are used up, every job is accepted.
    void answerSubmit(JobSubmission answer);
    // Where a job stands from now on; jobs not set are waiting.
    void setJobStatus(int jobId, JobStatus status);
    // Where a job stands at each question from now on, one answer a question; the last stays.
    void setJobStatuses(int jobId, QList<JobStatus> statuses);

    QList<PrintDocument> submitted() const;
    int lookups() const;
    int statusQueries() const;
    // The paper each accepted job was sent for, and how often the jobs were settled.
    QList<Paper> papers() const;
    int settled() const;

    PrinterLookup defaultPrinter() override;
    JobSubmission submit(const PrinterLookup &printer, const PrintDocument &document) override;
    JobStatus jobStatus(const QString &printer, int jobId) override;
    void jobsSettled() override;

    static PrinterLookup printer(const QString &name,
                                 PrinterLookup::State state = PrinterLookup::State::Ready);

private:
    mutable QMutex m_mutex;
    PrinterLookup m_printer;
    QList<JobSubmission> m_answers;
    QMap<int, QList<JobStatus>> m_statuses;
    QList<PrintDocument> m_submitted;
    int m_nextJob = 100;
    int m_lookups = 0;
    int m_statusQueries = 0;
    QList<Paper> m_papers;
    int m_settled = 0;
};
