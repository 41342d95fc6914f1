#include "worksheets/frmTeacherAide.h"

#include "platform/Controls.h"
#include "platform/Dialogs.h"
#include "platform/Numbers.h"

#include <QComboBox>
#include <QDir>
#include <QFutureWatcher>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>

namespace
{

const QString kPrintTitle = QStringLiteral("Print Test");

// Typing into a list box is no choice: the typed text stays, but no item is chosen, also when
// the edit is finished with Return or by leaving the box, where the box would otherwise choose
// the item that has the typed text. A choice is made only from the list itself.
class TypedTextIsNoChoice final : public QObject
{
public:
    explicit TypedTextIsNoChoice(QComboBox *combo) : QObject(combo), m_combo(combo)
    {
        auto *edit = new QLineEdit(combo);
        // Connected before and after the box's own handler of the finished edit.
        connect(edit, &QLineEdit::editingFinished, this, [this] { m_finishing = true; });
        combo->setLineEdit(edit);
        connect(edit, &QLineEdit::editingFinished, this, &TypedTextIsNoChoice::editFinished);
        connect(edit, &QLineEdit::textEdited, this, &TypedTextIsNoChoice::textTyped);
        connect(combo, &QComboBox::currentIndexChanged, this, &TypedTextIsNoChoice::indexChanged);
    }

private:
    void textTyped()
    {
        m_typed = true;
        forgetChoiceKeepingText();
    }
    void editFinished()
    {
        m_finishing = false;
        if (m_typed) {
            forgetChoiceKeepingText();
        }
    }
    void indexChanged(int index)
    {
        if (index >= 0 && !m_finishing) {
            m_typed = false;
        }
    }
    void forgetChoiceKeepingText()
    {
        QLineEdit *edit = m_combo->lineEdit();
        const QString typed = edit->text();
        const int cursor = edit->cursorPosition();
        m_combo->setCurrentIndex(-1);
        m_combo->setEditText(typed);
        edit->setCursorPosition(cursor);
    }

    QComboBox *m_combo;
    bool m_typed = false;
    bool m_finishing = false;
};

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

QComboBox *frmTeacherAide::makeCombo(QWidget *parent, const QString &name, int left, int top,
                                     const QStringList &items)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setEditable(true);
    new TypedTextIsNoChoice(combo);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    combo->addItems(items);
    combo->setCurrentIndex(-1);
    setBackground(combo, DesignColor::Cyan);
    placeTwips(combo, left, top, 1815, 315);
    return combo;
}

void frmTeacherAide::buildScreen(FormWindow &window)
{
    window.setWindowTitle(QStringLiteral("Teachers Aide"));
    window.setClientSizeTwips(7560, 5175);
    QWidget *client = window.client();
    setBackground(client, DesignColor::Cyan);
    client->setFont(defaultDesignFont());
    intGrade = 0;
    intSeed = 0;

    const auto right = Qt::AlignRight | Qt::AlignTop;
    QLabel *label1 =
        makeLabel(client, QStringLiteral("Label1"),
                  QStringLiteral("This Form is Designed to Aid You in the Creation of a Test."),
                  413, 420, 6855, 375, 12);
    QLabel *label2 = makeLabel(client, QStringLiteral("Label2"),
                               QStringLiteral("Enter the Subject: Addition,Subtraction,Division,"
                                              "Multiplication,or Percents: "),
                               360, 1020, 4995, 495, 9.75);
    QLabel *label3 =
        makeLabel(client, QStringLiteral("Label3"), QStringLiteral("Enter Grade Level: (1 - 6):"),
                  2940, 1860, 2415, 495, 9.75, right);
    QLabel *label4 = makeLabel(client, QStringLiteral("Label4"),
                               QStringLiteral("Seed for Generator to insure originality (1-20):"),
                               1260, 2700, 4095, 495, 9.75, right);
    for (QLabel *label : {label1, label2, label3, label4}) {
        setBackground(label, DesignColor::Cyan);
    }

    m_cboSubject = makeCombo(client, QStringLiteral("cboSubject"), 5400, 1080,
                             {QStringLiteral("Addition"), QStringLiteral("Subtraction"),
                              QStringLiteral("Division"), QStringLiteral("Multiplication"),
                              QStringLiteral("Percents")});
    m_cboGrade = makeCombo(client, QStringLiteral("cboGrade"), 5400, 1920,
                           {QStringLiteral("1\t"), QStringLiteral("2"), QStringLiteral("3"),
                            QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6")});
    m_cboSeed = makeCombo(client, QStringLiteral("cboSeed"), 5400, 2760, {});

    auto *frame1 =
        new QGroupBox(QStringLiteral("Would you like a copy of the test with answers?"), client);
    frame1->setObjectName(QStringLiteral("Frame1"));
    frame1->setToolTip(QStringLiteral(
        "Due to the nature of a random generator, it will only perform one or the other"));
    setBackground(frame1, DesignColor::Cyan);
    placeTwips(frame1, 413, 3420, 4455, 615);
    m_optYes = new QRadioButton(QStringLiteral("Yes"), frame1);
    m_optYes->setObjectName(QStringLiteral("optYes"));
    placeTwips(m_optYes, 240, 240, 855, 255);
    m_optNo = new QRadioButton(QStringLiteral("No"), frame1);
    m_optNo->setObjectName(QStringLiteral("optNo"));
    placeTwips(m_optNo, 2760, 240, 975, 255);
    setBackground(m_optYes, DesignColor::Cyan);
    setBackground(m_optNo, DesignColor::Cyan);

    QPushButton *cmdSubmit = makeButton(client, QStringLiteral("cmdSubmit"),
                                        QStringLiteral("Submit"), 653, 4260, 1215, 495);
    QPushButton *cmdExit = makeButton(client, QStringLiteral("cmdExit"), QStringLiteral("Exit"),
                                      5453, 4260, 1215, 495);

    setTabOrder({cmdSubmit, m_optYes, m_optNo, cmdExit, m_cboSubject, m_cboGrade, m_cboSeed});

    connect(cmdSubmit, &QPushButton::clicked, this, &frmTeacherAide::cmdSubmit_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmTeacherAide::cmdExit_Click);
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
    Dialogs &dialogs = host().dialogs();
    // All three checks run, so each missing choice gets its message and the focus ends on the
    // last box that was missing.
    bool complete = true;
    const int subject = m_cboSubject->currentIndex();
    if (subject < 0) {
        dialogs.messageBox(window(), QStringLiteral("Please Select A Subject"),
                           QStringLiteral("Subject"), Dialogs::Buttons::Ok);
        m_cboSubject->setFocus();
        complete = false;
    }
    if (m_cboGrade->currentIndex() >= 0) {
        intGrade = toInteger(m_cboGrade->currentIndex() + 1);
    } else {
        dialogs.messageBox(window(), QStringLiteral("Please Enter A Grade Level"),
                           QStringLiteral("Grade"), Dialogs::Buttons::Ok);
        m_cboGrade->setFocus();
        complete = false;
    }
    if (m_cboSeed->currentIndex() >= 0) {
        intSeed = toInteger(m_cboSeed->currentIndex());
    } else {
        dialogs.messageBox(window(), QStringLiteral("Please enter seed from 1 to 20"),
                           QStringLiteral("Seed"), Dialogs::Buttons::Ok);
        m_cboSeed->setFocus();
        complete = false;
    }
    if (!complete) {
        return;
    }
    switch (subject) {
    case 0:
        Addition();
        break;
    case 1:
        Subtraction();
        break;
    case 2:
        Division();
        break;
    case 3:
        Multiplication();
        break;
    case 4:
        Percents();
        break;
    default:
        break;
    }
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
    bool negativeAnswers = false;
    if (subject == Subject::Subtraction) {
        negativeAnswers =
            host().dialogs().messageBox(
                window(), QStringLiteral("Do You Want Negative Answers Mixed In?"),
                QStringLiteral("Subtraction"), Dialogs::Buttons::YesNo) == Dialogs::Answer::Yes;
    }
    const Worksheet sheet =
        buildWorksheet(subject, intGrade, intSeed, host().random(), negativeAnswers);
    const QPointer<QRadioButton> optYes = m_optYes;
    deliver(renderWorksheet(sheet, [optYes] { return optYes != nullptr && optYes->isChecked(); }));
    Cleanup();
}

void frmTeacherAide::tell(const QString &message)
{
    host().dialogs().messageBox(window(), message, kPrintTitle, Dialogs::Buttons::Ok);
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
        tell(QStringLiteral("The worksheet was not printed. %1").arg(outcome.reason));
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
        window(),
        QStringLiteral("No printer is set up, so the worksheet can be saved as a PDF file instead"),
        QDir(documents.isEmpty() ? QDir::homePath() : documents)
            .filePath(QStringLiteral("worksheet.pdf")),
        QStringLiteral("PDF files (*.pdf)"));
    if (path.isEmpty()) {
        return;
    }
    if (!path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) {
        path += QLatin1String(".pdf");
    }
    const DeliveryOutcome saved = savePdf({document}, path);
    tell(saved.succeeded()
             ? QStringLiteral("The worksheet was saved as %1.").arg(QDir::toNativeSeparators(path))
             : QStringLiteral("The worksheet was not saved. %1").arg(saved.reason));
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
        tell(QStringLiteral("The worksheet was not printed. %1").arg(failure));
    }
}
