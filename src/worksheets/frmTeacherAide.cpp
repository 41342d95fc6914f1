#include "worksheets/frmTeacherAide.h"

#include "platform/Controls.h"
#include "platform/Dialogs.h"
#include "platform/Numbers.h"
#include "platform/Texts.h"
#include "printing/DeliveryText.h"
#include "printing/PdfOutput.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <algorithm>
#include <map>

namespace
{

const char *const kPrintTitle = QT_TRANSLATE_NOOP("frmTeacherAide", "Print Test");

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

QStringList subjectCaptions()
{
    QStringList captions;
    for (const SubjectRow &row : subjectRows()) {
        captions.append(translated("Subjects", row.listCaption));
    }
    return captions;
}

// "Enter the Subject: Addition,Subtraction,Division,Multiplication,or Percents: ", from the
// list the window offers.
QString subjectPrompt()
{
    QStringList captions = subjectCaptions();
    const QString last = captions.takeLast();
    return QCoreApplication::translate("frmTeacherAide", "Enter the Subject: %1,or %2: ")
        .arg(captions.join(QLatin1Char(',')), last);
}

} // namespace

const QList<TeacherAideControl> &teacherAideControls()
{
    using R = TeacherAideRole;
    constexpr CaptionAlign L = CaptionAlign::Left;
    constexpr CaptionAlign C = CaptionAlign::Centre;
    constexpr CaptionAlign Right = CaptionAlign::Right;
    constexpr double kDefault = 8.25;
    const QString heading = QCoreApplication::translate(
        "frmTeacherAide", "This Form is Designed to Aid You in the Creation of a Test.");
    const QString gradePrompt =
        QCoreApplication::translate("frmTeacherAide", "Enter Grade Level: (1 - 6):");
    const QString seedPrompt = QCoreApplication::translate(
        "frmTeacherAide", "Seed for Generator to insure originality (1-20):");
    const QString question = QCoreApplication::translate(
        "frmTeacherAide", "Would you like a copy of the test with answers?");
    const QString why = QCoreApplication::translate(
        "frmTeacherAide",
        "Due to the nature of a random generator, it will only perform one or the other");
    // The grade list's first item carries a tab character, as designed.
    const QStringList grades = {"1\t", "2", "3", "4", "5", "6"};
    // clang-format off
    static const QList<TeacherAideControl> rows = {
        // role, name, caption, left, top, width, height, points, tab index, alignment,
        // the list a prompt names, a list's items, tooltip
        {R::Heading,      "Label1",     heading,         413,  420,  6855, 375, 12,       0,  L,     "",           {},                ""},
        {R::Prompt,       "Label2",     subjectPrompt(), 360,  1020, 4995, 495, 9.75,     2,  L,     "cboSubject", {},                ""},
        {R::SubjectList,  "cboSubject", "",              5400, 1080, 1815, 315, kDefault, 9,  L,     "",           subjectCaptions(), ""},
        {R::Prompt,       "Label3",     gradePrompt,     2940, 1860, 2415, 495, 9.75,     3,  Right, "cboGrade",   {},                ""},
        {R::GradeList,    "cboGrade",   "",              5400, 1920, 1815, 315, kDefault, 10, L,     "",           grades,            ""},
        {R::Prompt,       "Label4",     seedPrompt,      1260, 2700, 4095, 495, 9.75,     4,  Right, "cboSeed",    {},                ""},
        {R::SeedList,     "cboSeed",    "",              5400, 2760, 1815, 315, kDefault, 11, L,     "",           {},                ""},
        {R::AnswerChoice, "Frame1",     question,        413,  3420, 4455, 615, kDefault, 5,  L,     "",           {},                why},
        {R::Yes,          "optYes",     QCoreApplication::translate("frmTeacherAide", "Yes"), 240,  240,  855,  255, kDefault, 6,  L,     "",           {},                ""},
        {R::No,           "optNo",      QCoreApplication::translate("frmTeacherAide", "No"), 2760, 240,  975,  255, kDefault, 7,  L,     "",           {},                ""},
        {R::Submit,       "cmdSubmit",  QCoreApplication::translate("frmTeacherAide", "Submit"), 653,  4260, 1215, 495, kDefault, 1,  C,     "",           {},                ""},
        {R::Exit,         "cmdExit",    QCoreApplication::translate("frmTeacherAide", "Exit"), 5453, 4260, 1215, 495, kDefault, 8,  C,     "",           {},                ""},
    };
    // clang-format on
    return rows;
}

frmTeacherAide::frmTeacherAide(FormHost &host, PrinterService &printers)
    : Form(host, QStringLiteral("frmTeacherAide")), m_delivery(printers)
{
    connect(&m_delivery, &BackgroundDelivery::delivered, this, &frmTeacherAide::delivered);
    connect(&m_delivery, &BackgroundDelivery::stillWaiting, this, &frmTeacherAide::stillWaiting);
}

QComboBox *frmTeacherAide::makeCombo(QWidget *parent, const TeacherAideControl &row)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(row.name);
    combo->setEditable(true);
    new TypedTextIsNoChoice(combo);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    combo->addItems(row.items);
    combo->setCurrentIndex(-1);
    setBackground(combo, DesignColor::Cyan);
    placeTwips(combo, row.left, row.top, row.width, row.height);
    return combo;
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
    window.setClientSizeTwips(7560, 5175);
    QWidget *client = window.client();
    setBackground(client, DesignColor::Cyan);
    client->setFont(defaultDesignFont());
    intGrade = 0;
    intSeed = 0;

    // The frame's row comes before its option buttons, which are placed within it.
    QGroupBox *frame = nullptr;
    QList<TabStop> focusable;
    QList<QPair<QLabel *, QString>> prompts;
    for (const TeacherAideControl &row : teacherAideControls()) {
        switch (row.role) {
        case TeacherAideRole::Heading:
        case TeacherAideRole::Prompt: {
            QLabel *label = makeLabel(client, row.name, row.caption, row.left, row.top, row.width,
                                      row.height, row.points, alignmentFor(row.align));
            setBackground(label, DesignColor::Cyan);
            if (!row.names.isEmpty()) {
                prompts.append({label, row.names});
            }
            break;
        }
        case TeacherAideRole::SubjectList:
        case TeacherAideRole::GradeList:
        case TeacherAideRole::SeedList: {
            QComboBox *combo = makeCombo(client, row);
            *lists.at(row.role) = combo;
            focusable.append({row.tabIndex, combo});
            break;
        }
        case TeacherAideRole::AnswerChoice:
            frame = new QGroupBox(row.caption, client);
            frame->setObjectName(row.name);
            frame->setToolTip(row.toolTip);
            setBackground(frame, DesignColor::Cyan);
            placeTwips(frame, row.left, row.top, row.width, row.height);
            break;
        case TeacherAideRole::Yes:
        case TeacherAideRole::No: {
            Q_ASSERT(frame != nullptr);
            auto *option = new QRadioButton(row.caption, frame);
            option->setObjectName(row.name);
            placeTwips(option, row.left, row.top, row.width, row.height);
            setBackground(option, DesignColor::Cyan);
            *options.at(row.role) = option;
            focusable.append({row.tabIndex, option});
            break;
        }
        case TeacherAideRole::Submit:
        case TeacherAideRole::Exit: {
            QPushButton *button = makeButton(client, row.name, row.caption, row.left, row.top,
                                             row.width, row.height, row.points);
            connect(button, &QPushButton::clicked, this, handlers.at(row.role));
            focusable.append({row.tabIndex, button});
            break;
        }
        }
    }

    // A screen reader names each list by the prompt beside it; the captions stay as designed.
    for (const auto &[label, listName] : std::as_const(prompts)) {
        label->setBuddy(client->findChild<QComboBox *>(listName));
    }

    setTabOrder(focusable);
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
        dialogs.messageBox(window(), tr("Please Select A Subject"), tr("Subject"),
                           Dialogs::Buttons::Ok);
        m_cboSubject->setFocus();
        complete = false;
    }
    if (m_cboGrade->currentIndex() >= 0) {
        intGrade = toInteger(m_cboGrade->currentIndex() + 1);
    } else {
        dialogs.messageBox(window(), tr("Please Enter A Grade Level"), tr("Grade"),
                           Dialogs::Buttons::Ok);
        m_cboGrade->setFocus();
        complete = false;
    }
    if (m_cboSeed->currentIndex() >= 0) {
        intSeed = toInteger(m_cboSeed->currentIndex());
    } else {
        dialogs.messageBox(window(), tr("Please enter seed from 1 to 20"), tr("Seed"),
                           Dialogs::Buttons::Ok);
        m_cboSeed->setFocus();
        complete = false;
    }
    if (!complete) {
        return;
    }
    printWorksheet(subjectRows().at(subject).subject);
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
    if (outcome.fault == DeliveryOutcome::Fault::NoPrinter ||
        outcome.fault == DeliveryOutcome::Fault::NoServer) {
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
    QString path = dialogs.saveFileName(
        window(),
        fault == DeliveryOutcome::Fault::NoServer
            ? tr("The printing service is not running, so the worksheet can be saved as a PDF "
                 "file instead; start the service to print")
            : tr("No printer is set up, so the worksheet can be saved as a PDF file instead"),
        QDir(documents.isEmpty() ? QDir::homePath() : documents)
            .filePath(QStringLiteral("worksheet.pdf")),
        tr("PDF files (*.pdf)"));
    if (path.isEmpty()) {
        return;
    }
    if (!path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) {
        path += QLatin1String(".pdf");
    }
    tell(outcomeSentence(savePdf({document}, path), Reader::Window));
}
