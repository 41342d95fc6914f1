#include "ScriptedPrinterService.h"

#include <QMutexLocker>

ScriptedPrinterService::ScriptedPrinterService() : m_printer(printer(QStringLiteral("Room12"))) {}

PrinterLookup ScriptedPrinterService::printer(const QString &name, PrinterLookup::State state)
{
    PrinterLookup lookup;
    lookup.state = state;
    lookup.name = name;
    return lookup;
}

void ScriptedPrinterService::setPrinter(PrinterLookup lookup)
{
    QMutexLocker lock(&m_mutex);
    m_printer = std::move(lookup);
}

void ScriptedPrinterService::answerSubmit(JobSubmission answer)
{
    QMutexLocker lock(&m_mutex);
    m_answers.append(std::move(answer));
}

void ScriptedPrinterService::setJobStatus(int jobId, JobStatus status)
{
    setJobStatuses(jobId, {std::move(status)});
}

void ScriptedPrinterService::setJobStatuses(int jobId, QList<JobStatus> statuses)
{
    QMutexLocker lock(&m_mutex);
    m_statuses.insert(jobId, std::move(statuses));
}

QList<PrintDocument> ScriptedPrinterService::submitted() const
{
    QMutexLocker lock(&m_mutex);
    return m_submitted;
}

int ScriptedPrinterService::lookups() const
{
    QMutexLocker lock(&m_mutex);
    return m_lookups;
}

int ScriptedPrinterService::statusQueries() const
{
    QMutexLocker lock(&m_mutex);
    return m_statusQueries;
}

PrinterLookup ScriptedPrinterService::defaultPrinter()
{
    QMutexLocker lock(&m_mutex);
    ++m_lookups;
    return m_printer;
}

QList<Paper> ScriptedPrinterService::papers() const
{
    QMutexLocker lock(&m_mutex);
    return m_papers;
}

int ScriptedPrinterService::settled() const
{
    QMutexLocker lock(&m_mutex);
    return m_settled;
}

void ScriptedPrinterService::jobsSettled()
{
    QMutexLocker lock(&m_mutex);
    ++m_settled;
}

JobSubmission ScriptedPrinterService::submit(const PrinterLookup &printer,
                                             const PrintDocument &document)
{
    QMutexLocker lock(&m_mutex);
    JobSubmission answer;
    if (!m_answers.isEmpty()) {
        answer = m_answers.takeFirst();
    } else {
        answer.state = JobSubmission::State::Accepted;
        answer.jobId = m_nextJob++;
    }
    if (answer.state == JobSubmission::State::Accepted) {
        m_submitted.append(document);
        m_papers.append(printer.paper);
    }
    return answer;
}

JobStatus ScriptedPrinterService::jobStatus(const QString &, int jobId)
{
    QMutexLocker lock(&m_mutex);
    ++m_statusQueries;
    QList<JobStatus> &answers = m_statuses[jobId];
    if (answers.isEmpty()) {
        JobStatus waiting;
        waiting.state = JobStatus::State::Waiting;
        return waiting;
    }
    return answers.size() > 1 ? answers.takeFirst() : answers.first();
}
