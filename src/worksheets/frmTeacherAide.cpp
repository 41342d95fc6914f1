#include "worksheets/frmTeacherAide.h"

#include "platform/ChoiceBox.h"
#include "platform/Controls.h"
#include "platform/Dialogs.h"
#include "platform/Numbers.h"
#include "platform/ScreenBuilder.h"
#include "platform/Texts.h"
#include "printing/DeliveryText.h"
#include "printing/PdfOutput.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <map>

namespace
{

const char *const kPrintTitle = QT_TRANSLATE_NOOP("frmTeacherAide", "Print Test");

} // namespace

QPointer<QComboBox> &frmTeacherAide::list(TeacherAideRole role)
{
    static const std::map<TeacherAideRole, QPointer<QComboBox> frmTeacherAide::*> members = {
        {TeacherAideRole::SubjectList, &frmTeacherAide::m_cboSubject},
        {TeacherAideRole::GradeList, &frmTeacherAide::m_cboGrade},
        {TeacherAideRole::SeedList, &frmTeacherAide::m_cboSeed},
    };
    return this->*members.at(role);
}

frmTeacherAide::frmTeacherAide(FormHost &host, PrinterService &printers)
    : Form(host, QStringLiteral("frmTeacherAide")), m_delivery(printers)
{
    connect(&m_delivery, &BackgroundDelivery::delivered, this, &frmTeacherAide::delivered);
    connect(&m_delivery, &BackgroundDelivery::stillWaiting, this, &frmTeacherAide::stillWaiting);
}

void frmTeacherAide::buildScreen(FormWindow &window)
{
    using Handler = void (frmTeacherAide::*)();
    static const std::map<TeacherAideRole, Handler> handlers = {
        {TeacherAideRole::Submit, &frmTeacherAide::cmdSubmit_Click},
        {TeacherAideRole::Exit, &frmTeacherAide::cmdExit_Click},
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
            list(row.role) = combo;
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

    // One choice of two: the arrow keys move between them, and Tab reaches the checked one.
    auto *answerChoice = new QButtonGroup(frame);
    answerChoice->addButton(m_optYes);
    answerChoice->addButton(m_optNo);
    connect(answerChoice, &QButtonGroup::buttonToggled, this, [answerChoice] {
        const QList<QAbstractButton *> buttons = answerChoice->buttons();
        for (QAbstractButton *option : buttons) {
            const bool stop = option->isChecked() || answerChoice->checkedButton() == nullptr;
            option->setFocusPolicy(stop ? Qt::StrongFocus : Qt::ClickFocus);
        }
    });
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
    for (int seed = kLowestSeed; seed <= kHighestSeed; ++seed) {
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
    const TestRequest request{m_cboSubject->currentIndex(), m_cboGrade->currentIndex(),
                              m_cboSeed->currentIndex()};
    const QList<MissingChoice> missing = missingChoices(request);
    for (const MissingChoice &choice : missing) {
        host().dialogs().messageBox(window(), choice.message, choice.title, Dialogs::Buttons::Ok);
        list(choice.list)->setFocus();
    }
    if (request.grade >= 0) {
        intGrade = toInteger(kLowestGrade + request.grade);
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
    m_delivery.print(
        renderWorksheet(sheet, [optYes] { return optYes != nullptr && optYes->isChecked(); }));
    Cleanup();
}

void frmTeacherAide::tell(const QString &message)
{
    host().dialogs().messageBox(window(), message, tr(kPrintTitle), Dialogs::Buttons::Ok);
}

void frmTeacherAide::delivered(const DeliveryOutcome &outcome, const PrintDocument &document)
{
    if (outcome.cannotPrint()) {
        offerPdf(document, outcome.fault);
        return;
    }
    const QString sentence = outcomeSentence(outcome, Reader::Window);
    if (!sentence.isEmpty()) {
        tell(sentence);
    }
}

// The teacher goes on working while a sheet waits, so the notice asks for nothing.
void frmTeacherAide::stillWaiting(const DeliveryOutcome &outcome)
{
    host().dialogs().notice(window(), outcomeSentence(outcome, Reader::Window), tr(kPrintTitle));
}

void frmTeacherAide::offerPdf(const PrintDocument &document, DeliveryOutcome::Fault fault)
{
    Dialogs &dialogs = host().dialogs();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path =
        dialogs.saveFileName(window(), DeliveryText::pdfOffer(fault),
                             QDir(documents.isEmpty() ? QDir::homePath() : documents)
                                 .filePath(QStringLiteral("worksheet.pdf")),
                             tr("PDF files (*.pdf)"), QStringLiteral("pdf"));
    if (path.isEmpty()) {
        return;
    }
    tell(outcomeSentence(savePdf({document}, path), Reader::Window));
}
