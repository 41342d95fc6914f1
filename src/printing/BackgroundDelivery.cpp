#include "printing/BackgroundDelivery.h"

#include "printing/Delivery.h"
#include "printing/DeliveryText.h"
#include "printing/PrinterService.h"

#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>

BackgroundDelivery::BackgroundDelivery(PrinterService &printers, QObject *parent)
    : QObject(parent), m_printers(printers)
{
    m_followTimer.setInterval(2000);
    connect(&m_followTimer, &QTimer::timeout, this, &BackgroundDelivery::checkJobs);
}

BackgroundDelivery::~BackgroundDelivery()
{
    for (QFuture<void> &work : m_work) {
        work.waitForFinished();
    }
}

void BackgroundDelivery::print(const PrintDocument &document)
{
    PrinterService &printers = m_printers;
    auto *watcher = new QFutureWatcher<DeliveryOutcome>(this);
    connect(watcher, &QFutureWatcher<DeliveryOutcome>::finished, this, [this, watcher, document] {
        --m_inFlight;
        watcher->deleteLater();
        submitted(watcher->result(), document);
    });
    ++m_inFlight;
    const QFuture<DeliveryOutcome> work =
        QtConcurrent::run([&printers, document] { return printDocuments(printers, {document}); });
    m_work.append(QFuture<void>(work));
    watcher->setFuture(work);
}

void BackgroundDelivery::forgetFinishedWork()
{
    m_work.erase(std::remove_if(m_work.begin(), m_work.end(),
                                [](const QFuture<void> &work) { return work.isFinished(); }),
                 m_work.end());
}

void BackgroundDelivery::submitted(const DeliveryOutcome &outcome, const PrintDocument &document)
{
    forgetFinishedWork();
    const bool printing = outcome.kind == DeliveryOutcome::Kind::Printed;
    // A paused printer keeps the sheet, which may still fail or be cancelled once the printer
    // is resumed; the teacher has been told that it waits, so it gets no waiting notice.
    const bool paused = outcome.kind == DeliveryOutcome::Kind::Pending;
    if (printing || paused) {
        m_follower.follow(outcome.printer, outcome.jobIds);
        if (printing) {
            for (int id : outcome.jobIds) {
                m_untold[id].start();
            }
        }
        if (!m_followTimer.isActive()) {
            m_followTimer.start();
        }
    } else {
        settleIfIdle();
    }
    if (!printing) {
        Q_EMIT delivered(outcome, document);
    }
}

void BackgroundDelivery::checkJobs()
{
    if (m_checking) {
        return;
    }
    if (m_follower.isEmpty()) {
        m_followTimer.stop();
        return;
    }
    m_checking = true;
    PrinterService &printers = m_printers;
    const QList<JobFollower::Job> jobs = m_follower.jobs();
    auto *watcher = new QFutureWatcher<QList<JobStatus>>(this);
    connect(watcher, &QFutureWatcher<QList<JobStatus>>::finished, this, [this, watcher] {
        watcher->deleteLater();
        jobsChecked(watcher->result());
    });
    const QFuture<QList<JobStatus>> work = QtConcurrent::run([&printers, jobs] {
        return JobFollower::ask(printers, jobs, JobFollower::Asking::EveryJob);
    });
    m_work.append(QFuture<void>(work));
    watcher->setFuture(work);
}

void BackgroundDelivery::jobsChecked(const QList<JobStatus> &answers)
{
    forgetFinishedWork();
    const QList<DeliveryOutcome> told = m_follower.update(answers);
    m_checking = false;
    QList<DeliveryOutcome> waiting;
    for (const JobFollower::Job &job : m_follower.jobs()) {
        const auto untold = m_untold.constFind(job.id);
        if (untold != m_untold.cend() && untold->hasExpired(m_waitNoticeMs) && !job.printing) {
            DeliveryOutcome outcome;
            outcome.kind = DeliveryOutcome::Kind::Pending;
            outcome.printer = job.printer;
            outcome.jobIds = {job.id};
            outcome.reason = DeliveryText::stillWaiting(job.printer, job.id, job.says);
            waiting.append(outcome);
            m_untold.remove(job.id);
        }
    }
    for (const DeliveryOutcome &outcome : told) {
        m_untold.remove(outcome.jobIds.value(0));
    }
    if (m_follower.isEmpty()) {
        m_followTimer.stop();
        m_untold.clear();
        settleIfIdle();
    }
    for (const DeliveryOutcome &outcome : waiting) {
        Q_EMIT stillWaiting(outcome);
    }
    for (const DeliveryOutcome &outcome : told) {
        Q_EMIT delivered(outcome, PrintDocument());
    }
}

void BackgroundDelivery::settleIfIdle()
{
    if (!m_follower.isEmpty() || m_inFlight > 0) {
        return;
    }
    PrinterService &printers = m_printers;
    m_work.append(QtConcurrent::run([&printers] { printers.jobsSettled(); }));
}
