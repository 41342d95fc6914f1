#include "worksheets/frmTeacherAide.h"

#include "platform/ChoiceBox.h"
#include "platform/Controls.h"
#include "platform/Dialogs.h"
#include "platform/Numbers.h"
#include "platform/ScreenBuilder.h"
#include "platform/Texts.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFutureWatcher>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>
#include <map>

namespace
{

const char *const kPrintTitle = QT_TRANSLATE_NOOP("frmTeacherAide", "Print Test");

} // namespace

frmTeacherAide::frmTeacherAide(FormHost &host) : Form(host, QStringLiteral("frmTeacherAide"))
{
    m_followTimer.setInterval(2000);
    connect(&m_followTimer, &QTimer::timeout, this, &frmTeacherAide::checkJobs);
}

frmTeacherAide::~frmTeacherAide()
{
    // The print server calls are bounded, so this wait is too.
    for (QFuture<void> &work : m_work) {
        work.waitForFinished();
    }
}

void frmTeacherAide::buildScreen(FormWindow &window)
{
    using Handler = void (frmTeacherAide::*)();
    static const std::map<TeacherAideRole, Handler> handlers = {
        {TeacherAideRole::Submit, &frmTeacherAide::cmdSubmit_Click},
        {TeacherAideRole::Exit, &frmTeacherAide::cmdExit_Click},
    };
    const std::map<TeacherAideRole, QPointer<QComboBox> *> lists = {
        {TeacherAideRole::SubjectList, &m_cboSubject},
        {TeacherAideRole::GradeList, &m_cboGrade},
        {TeacherAideRole::SeedList, &m_cboSeed},
    };
    const std::map<TeacherAideRole, QPointer<QRadioButton> *> options = {
        {TeacherAideRole::Yes, &m_optYes},
        {TeacherAideRole::No, &m_optNo},
    };

    window.setWindowTitle(tr("Teachers Aide"));
    window.setClientSizeTwips(kTeacherAideWidth, kTeacherAideHeight);
    QWidget *client = window.client();
    setBackground(client, DesignColor::Cyan);
    client->setFont(defaultDesignFont());
    intGrade = 0;
    intSeed = 0;

    // The captions come translated with the table. The frame's row comes before its option
    // buttons, which are placed within it.
    ScreenBuilder build(client);
    QGroupBox *frame = nullptr;
    for (const TeacherAideControl &row : teacherAideControls()) {
        switch (row.role) {
        case TeacherAideRole::Heading:
        case TeacherAideRole::Prompt:
            setBackground(build.label(row), DesignColor::Cyan);
            break;
        case TeacherAideRole::SubjectList:
        case TeacherAideRole::GradeList:
        case TeacherAideRole::SeedList: {
            QComboBox *combo = makeChoiceBox(client, teacherAideItems(row.role));
            build.place(combo, row);
            setBackground(combo, DesignColor::Cyan);
            *lists.at(row.role) = combo;
            break;
        }
        case TeacherAideRole::AnswerChoice:
            frame = new QGroupBox(row.caption, client);
            build.place(frame, row);
            frame->setToolTip(row.toolTip);
            setBackground(frame, DesignColor::Cyan);
            break;
        case TeacherAideRole::Yes:
        case TeacherAideRole::No: {
            Q_ASSERT(frame != nullptr);
            auto *option = new QRadioButton(row.caption, frame);
            build.place(option, row);
            setBackground(option, DesignColor::Cyan);
            *options.at(row.role) = option;
            break;
        }
        case TeacherAideRole::Submit:
        case TeacherAideRole::Exit:
            connect(build.button(row), &QPushButton::clicked, this, handlers.at(row.role));
            break;
        }
    }
    build.finish();
}

void frmTeacherAide::screenUnloaded()
{
    m_cboSubject = nullptr;
    m_cboGrade = nullptr;
    m_cboSeed = nullptr;
    m_optYes = nullptr;
    m_optNo = nullptr;
}

void frmTeacherAide::Form_Load()
{
    show();
    m_optNo->setChecked(true);
    m_cboSubject->setFocus();
    for (int seed = 1; seed <= 20; ++seed) {
        m_cboSeed->addItem(integerText(seed));
    }
    // The first item added to an empty list becomes current; the teacher has chosen nothing.
    m_cboSeed->setCurrentIndex(-1);
}

void frmTeacherAide::cmdSubmit_Click()
{
    using Routine = void (frmTeacherAide::*)();
    static const std::map<Subject, Routine> routines = {
        {Subject::Addition, &frmTeacherAide::Addition},
        {Subject::Subtraction, &frmTeacherAide::Subtraction},
        {Subject::Division, &frmTeacherAide::Division},
        {Subject::Multiplication, &frmTeacherAide::Multiplication},
        {Subject::Percents, &frmTeacherAide::Percents},
    };
    const std::map<TeacherAideRole, QComboBox *> lists = {
        {TeacherAideRole::SubjectList, m_cboSubject},
        {TeacherAideRole::GradeList, m_cboGrade},
        {TeacherAideRole::SeedList, m_cboSeed},
    };
    const TestRequest request{m_cboSubject->currentIndex(), m_cboGrade->currentIndex(),
                              m_cboSeed->currentIndex()};
    const QList<MissingChoice> missing = missingChoices(request);
    for (const MissingChoice &choice : missing) {
        host().dialogs().messageBox(window(), choice.message, choice.title, Dialogs::Buttons::Ok);
        lists.at(choice.list)->setFocus();
    }
    if (request.grade >= 0) {
        intGrade = toInteger(request.grade + 1);
    }
    if (request.seed >= 0) {
        intSeed = toInteger(request.seed);
    }
    if (!missing.isEmpty()) {
        return;
    }
    (this->*routines.at(subjectRows().at(request.subject).subject))();
}

void frmTeacherAide::cmdExit_Click()
{
    unload();
    Q_EMIT exitRequested();
}

void frmTeacherAide::titleBarClose()
{
    cmdExit_Click();
}

void frmTeacherAide::Cleanup()
{
    intGrade = 0;
    intSeed = 0;
}

void frmTeacherAide::Addition()
{
    printWorksheet(Subject::Addition);
}

void frmTeacherAide::Subtraction()
{
    printWorksheet(Subject::Subtraction);
}

void frmTeacherAide::Division()
{
    printWorksheet(Subject::Division);
}

void frmTeacherAide::Multiplication()
{
    printWorksheet(Subject::Multiplication);
}

void frmTeacherAide::Percents()
{
    printWorksheet(Subject::Percents);
}

void frmTeacherAide::printWorksheet(Subject subject)
{
    const SubjectRow &row = subjectRow(subject);
    bool negativeAnswers = false;
    if (!row.negativesQuestion.isEmpty()) {
        negativeAnswers =
            host().dialogs().messageBox(window(), translated("Subjects", row.negativesQuestion),
                                        translated("Subjects", row.listCaption),
                                        Dialogs::Buttons::YesNo) == Dialogs::Answer::Yes;
    }
    const Worksheet sheet =
        buildWorksheet(subject, intGrade, intSeed, host().random(), negativeAnswers);
    const QPointer<QRadioButton> optYes = m_optYes;
    deliver(renderWorksheet(sheet, [optYes] { return optYes != nullptr && optYes->isChecked(); }));
    Cleanup();
}

void frmTeacherAide::tell(const QString &message)
{
    host().dialogs().messageBox(window(), message, tr(kPrintTitle), Dialogs::Buttons::Ok);
}

// The print server may be slow or stalled: it is asked off the window's thread, and the window
// hears the outcome when it comes.
void frmTeacherAide::deliver(const PrintDocument &document)
{
    PrinterService &printers = host().printers();
    auto *watcher = new QFutureWatcher<DeliveryOutcome>(this);
    connect(watcher, &QFutureWatcher<DeliveryOutcome>::finished, this, [this, watcher, document] {
        --m_inFlight;
        watcher->deleteLater();
        delivered(watcher->result(), document);
    });
    ++m_inFlight;
    const QFuture<DeliveryOutcome> work =
        QtConcurrent::run([&printers, document] { return printDocuments(printers, {document}); });
    m_work.append(QFuture<void>(work));
    watcher->setFuture(work);
}

void frmTeacherAide::forgetFinishedWork()
{
    m_work.erase(std::remove_if(m_work.begin(), m_work.end(),
                                [](const QFuture<void> &work) { return work.isFinished(); }),
                 m_work.end());
}

void frmTeacherAide::delivered(const DeliveryOutcome &outcome, const PrintDocument &document)
{
    forgetFinishedWork();
    switch (outcome.kind) {
    case DeliveryOutcome::Kind::Printed:
        for (int id : outcome.jobIds) {
            m_followed.append({outcome.printer, id});
        }
        if (!m_followTimer.isActive()) {
            m_followTimer.start();
        }
        return;
    case DeliveryOutcome::Kind::Pending:
        tell(outcome.reason);
        return;
    case DeliveryOutcome::Kind::Failed:
        if (outcome.fault == DeliveryOutcome::Fault::NoPrinter) {
            offerPdf(document);
            return;
        }
        tell(tr("The worksheet was not printed. %1").arg(outcome.reason));
        return;
    case DeliveryOutcome::Kind::Saved:
    case DeliveryOutcome::Kind::Cancelled:
        return;
    }
}

void frmTeacherAide::offerPdf(const PrintDocument &document)
{
    Dialogs &dialogs = host().dialogs();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QString path = dialogs.saveFileName(
        window(), tr("No printer is set up, so the worksheet can be saved as a PDF file instead"),
        QDir(documents.isEmpty() ? QDir::homePath() : documents)
            .filePath(QStringLiteral("worksheet.pdf")),
        tr("PDF files (*.pdf)"));
    if (path.isEmpty()) {
        return;
    }
    if (!path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) {
        path += QLatin1String(".pdf");
    }
    const DeliveryOutcome saved = savePdf({document}, path);
    tell(saved.succeeded()
             ? tr("The worksheet was saved as %1.").arg(QDir::toNativeSeparators(path))
             : tr("The worksheet was not saved. %1").arg(saved.reason));
}

void frmTeacherAide::checkJobs()
{
    if (m_checking) {
        return;
    }
    if (m_followed.isEmpty()) {
        m_followTimer.stop();
        return;
    }
    m_checking = true;
    PrinterService &printers = host().printers();
    const QList<FollowedJob> jobs = m_followed;
    auto *watcher = new QFutureWatcher<QList<JobStatus>>(this);
    connect(watcher, &QFutureWatcher<QList<JobStatus>>::finished, this, [this, watcher] {
        watcher->deleteLater();
        jobsChecked(watcher->result());
    });
    const QFuture<QList<JobStatus>> work = QtConcurrent::run([&printers, jobs] {
        QList<JobStatus> statuses;
        for (const FollowedJob &job : jobs) {
            statuses.append(printers.jobStatus(job.printer, job.id));
        }
        return statuses;
    });
    m_work.append(QFuture<void>(work));
    watcher->setFuture(work);
}

void frmTeacherAide::jobsChecked(const QList<JobStatus> &statuses)
{
    forgetFinishedWork();
    // Jobs added while the server was asked are further down the list and stay followed.
    QStringList failures;
    QList<FollowedJob> still;
    for (qsizetype i = 0; i < m_followed.size(); ++i) {
        const FollowedJob &job = m_followed.at(i);
        if (i >= statuses.size()) {
            still.append(job);
            continue;
        }
        switch (statuses.at(i).state) {
        case JobStatus::State::Done:
            break;
        case JobStatus::State::Failed:
        case JobStatus::State::Stopped:
        case JobStatus::State::Held:
            failures.append(jobFailureReason(job.printer, statuses.at(i)));
            break;
        case JobStatus::State::Waiting:
        case JobStatus::State::Silent:
            // A server that is busy or restarting is asked again at the next turn.
            still.append(job);
            break;
        }
    }
    m_followed = still;
    m_checking = false;
    if (m_followed.isEmpty()) {
        m_followTimer.stop();
    }
    for (const QString &failure : failures) {
        tell(tr("The worksheet was not printed. %1").arg(failure));
    }
}
