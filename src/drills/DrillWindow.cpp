#include "drills/DrillWindow.h"

#include "drills/VerdictLabel.h"
#include "platform/Accessibility.h"
#include "platform/Controls.h"
#include "platform/Dialogs.h"
#include "platform/DragDrop.h"
#include "platform/ScreenBuilder.h"
#include "platform/Texts.h"
#include "platform/Twips.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <map>

namespace
{

// Pixels kept free between the verdict and the problem, the instruction and the candidates.
constexpr int kVerdictGap = 4;
// Milliseconds after the grade prompt by which the greeting is said, the window active or not.
constexpr int kGreetingLatest = 1500;

} // namespace

DrillWindow::DrillWindow(FormHost &host, const DrillLayout &layout, const QString &strFullName,
                         ProblemRule rule)
    : Form(host, layout.formName), m_layout(layout), m_strFullName(strFullName), m_cycle(rule)
{
}

void DrillWindow::buildScreen(FormWindow &window)
{
    using Handler = void (DrillWindow::*)();
    static const std::map<DrillRole, Handler> handlers = {
        {DrillRole::Exit, &DrillWindow::cmdExit_Click},
        {DrillRole::Next, &DrillWindow::cmdNext_Click},
        {DrillRole::Back, &DrillWindow::cmdBack_Click},
    };

    window.setWindowTitle(translated("DrillLayout", m_layout.caption));
    window.setClientSizeTwips(m_layout.clientWidth, m_layout.clientHeight);
    QWidget *client = window.client();
    setBackground(client, DesignColor::Cyan);
    client->setFont(defaultDesignFont());

    // The rules stand under the controls; none of them crosses one. A line that is read is made
    // in its place in the reading order instead.
    for (const DrillLine &line : m_layout.lines) {
        if (line.spoken.isEmpty()) {
            new DrawnLine(client, line.name, line.x1, line.y1, line.x2, line.y2);
        }
    }

    ScreenBuilder build(client, "DrillLayout");
    int candidateIndex = 0;
    for (const DrillControl &row : m_layout.controls) {
        for (const DrillLine &line : m_layout.lines) {
            if (!line.spoken.isEmpty() && line.readBefore == row.name) {
                new DrawnLine(client, line.name, line.x1, line.y1, line.x2, line.y2,
                              translated("DrillLayout", line.spoken));
            }
        }
        switch (row.role) {
        case DrillRole::Welcome:
            m_lblIntro = build.label(row);
            setTransparent(m_lblIntro);
            break;
        case DrillRole::Instruction:
            setBackground(build.label(row), DesignColor::Cyan);
            break;
        case DrillRole::Sign: {
            QLabel *sign = build.label(row);
            setBackground(sign, DesignColor::Cyan);
            sign->setAccessibleName(spokenCaption(row.caption));
            break;
        }
        case DrillRole::First:
        case DrillRole::Second: {
            QLabel *operand = build.label(row);
            setSingleBorder(operand);
            setBackground(operand, DesignColor::Cyan);
            const bool first = row.role == DrillRole::First;
            operand->setAccessibleDescription(translated(
                "DrillLayout", first ? m_layout.firstDescription : m_layout.secondDescription));
            (first ? m_Label1 : m_Label2) = operand;
            break;
        }
        case DrillRole::Answer:
            makeAnswerBox(build, client, row);
            break;
        case DrillRole::Verdict:
            makeVerdict(client, row);
            break;
        case DrillRole::Candidate:
            ++candidateIndex;
            makeCandidate(build, client, row, candidateIndex);
            break;
        case DrillRole::Exit:
        case DrillRole::Next:
        case DrillRole::Back: {
            QPushButton *button = build.button(row);
            if (row.role == DrillRole::Next) {
                m_cmdNext = button;
            }
            connect(button, &QPushButton::clicked, this, handlers.at(row.role));
            break;
        }
        }
    }
    // A long verdict grows over its neighbours' margins and stays readable on top of them.
    m_lblWinner->raise();

    m_problemAnnouncement = new AnnouncementLabel(client);
    m_problemAnnouncement->setObjectName(QStringLiteral("problemAnnouncement"));
    m_problemAnnouncement->setGeometry(0, 0, 0, 0);
    m_problemAnnouncement->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_problemAnnouncement->lower();
    // Hidden until it has something to say: an empty notification is read as the bare word.
    m_problemAnnouncement->hide();

    addKeysAndMenu(window);

    build.finish();
    // Answering starts at the first choice; the first key a child tries must not end the program.
    lblfirst(1)->setFocus();

    connect(m_txtAnswer, &AnswerBox::candidateDropped, this, &DrillWindow::candidateDropped);
    connect(m_txtAnswer, &AnswerBox::clicked, this, &DrillWindow::answerBoxClicked);
}

void DrillWindow::makeAnswerBox(ScreenBuilder &build, QWidget *client, const DrillControl &row)
{
    m_txtAnswer = new AnswerBox(client, m_layout.formName);
    build.place(m_txtAnswer, row);
    setBackground(m_txtAnswer, DesignColor::Cyan);
    // Named by itself, not by the "=" before it: a label relation would make a screen reader call
    // the box "equals".
    m_txtAnswer->setAccessibleName(tr("Answer"));
    m_txtAnswer->setAccessibleDescription(answeringHint());
}

void DrillWindow::makeVerdict(QWidget *client, const DrillControl &row)
{
    const QRect free = verdictRoom(m_layout);
    const QRect room = twipsRect(free.x(), free.y(), free.width(), free.height())
                           .adjusted(kVerdictGap, kVerdictGap, -kVerdictGap, -kVerdictGap);
    m_lblWinner = new VerdictLabel(client, twipsRect(row.left, row.top, row.width, row.height),
                                   room, row.points);
    shapeLabel(m_lblWinner, row.name, row.caption, row.left, row.top, row.width, row.height,
               row.points, alignmentFor(row.align));
    setBackground(m_lblWinner, DesignColor::LightBlue);
    QPalette verdictPalette = m_lblWinner->palette();
    verdictPalette.setColor(QPalette::WindowText, bgrColor(DesignColor::Red));
    m_lblWinner->setPalette(verdictPalette);
    m_lblWinner->hide();
}

void DrillWindow::makeCandidate(ScreenBuilder &build, QWidget *client, const DrillControl &row,
                                int index)
{
    Q_ASSERT(index <= 4);
    auto *label = new CandidateLabel(client, m_layout.formName, index);
    build.place(label, row);
    label->setAlignment(alignmentFor(row.align));
    label->setTextFormat(Qt::PlainText);
    setSingleBorder(label);
    setBackground(label, DesignColor::Cyan);
    m_lblfirst[static_cast<std::size_t>(index - 1)] = label;
    connect(label, &CandidateLabel::activated, this, &DrillWindow::candidateChosen);
    connect(label, &CandidateLabel::clicked, this, &DrillWindow::candidateClicked);
}

void DrillWindow::addKeysAndMenu(FormWindow &window)
{
    // Alt+1 to Alt+4 choose a candidate wherever the focus is, the answer box included.
    for (int index = 1; index <= 4; ++index) {
        for (const Qt::KeyboardModifiers modifiers :
             {Qt::KeyboardModifiers(Qt::AltModifier), Qt::AltModifier | Qt::KeypadModifier}) {
            const QKeyCombination combination(modifiers, static_cast<Qt::Key>(Qt::Key_0 + index));
            auto *key = new QShortcut(QKeySequence(combination), &window);
            connect(key, &QShortcut::activated, this, [this, index] { candidateChosen(index); });
        }
    }

    QMenu *mnuTeacher = window.menuBar()->addMenu(tr("Teacher's Guide"));
    mnuTeacher->setObjectName(QStringLiteral("mnuTeacher"));
    QAction *mnuTeacherPrint = mnuTeacher->addAction(tr("Print Test"));
    mnuTeacherPrint->setObjectName(QStringLiteral("mnuTeacherPrint"));
    connect(mnuTeacherPrint, &QAction::triggered, this, &DrillWindow::mnuTeacherPrint_Click);
}

void DrillWindow::screenUnloaded()
{
    m_lblIntro = nullptr;
    m_Label1 = nullptr;
    m_Label2 = nullptr;
    m_lblWinner = nullptr;
    m_problemAnnouncement = nullptr;
    m_cmdNext = nullptr;
    m_txtAnswer = nullptr;
    m_lblfirst.fill(nullptr);
    m_selection.clear();
    m_greeting.clear();
}

QLabel *DrillWindow::lblfirst(int index) const
{
    Q_ASSERT(1 <= index && index <= 4);
    return m_lblfirst[static_cast<std::size_t>(index - 1)];
}

QLabel *DrillWindow::lblIntro() const
{
    return m_lblIntro;
}

QLabel *DrillWindow::Label1() const
{
    return m_Label1;
}

QLabel *DrillWindow::Label2() const
{
    return m_Label2;
}

QLabel *DrillWindow::lblWinner() const
{
    return m_lblWinner;
}

QLineEdit *DrillWindow::txtAnswer() const
{
    return m_txtAnswer;
}

QString DrillWindow::askGrade() const
{
    return host().dialogs().inputBox(window(), tr("Please Enter the Grade Level (1-6)."),
                                     tr("Grade Level"), QStringLiteral("1"));
}

void DrillWindow::Form_Load()
{
    show();
    //: %1 is the child's first name in capitals; the English design has three blanks after "!".
    m_lblIntro->setText(tr("Welcome %1!   To The Sumtopia.").arg(m_strFullName));
    // A long name in a longer language wraps onto a second line rather than being cut off.
    fitCaption(m_lblIntro);
    strGrade = askGradeInBand([this] { return askGrade(); });
    if (strGrade.isEmpty()) {
        host().endProgram();
        return;
    }
    m_greetingDue = true;
    Generate();
}

QString DrillWindow::answeringHint()
{
    return tr("Answer with Alt+1 to Alt+4, or Tab to an answer choice and press Space");
}

QString DrillWindow::answeredHint()
{
    return tr("Tab to Next Question and press Space for a new problem");
}

void DrillWindow::greet(const QString &problem)
{
    //: Said once when a drill opens: the welcome line, the problem, how to answer
    m_greeting = tr("%1 %2. %3").arg(m_lblIntro->text(), problem, answeringHint());
    if (window()->isActiveWindow()) {
        sayGreeting();
        return;
    }
    // The window becomes active only after the grade prompt has gone; a screen reader then says
    // the window and its focus, which would cut this short if it came first. A window manager
    // that does not activate it leaves the greeting to be said a little later all the same.
    window()->installEventFilter(this);
    QTimer::singleShot(kGreetingLatest, this, &DrillWindow::sayGreeting);
}

void DrillWindow::sayGreeting()
{
    if (!isLoaded() || m_greeting.isEmpty()) {
        return;
    }
    window()->removeEventFilter(this);
    m_problemAnnouncement->announce(m_greeting);
    m_greeting.clear();
}

bool DrillWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == window() && event->type() == QEvent::WindowActivate) {
        // Queued, so it follows the focus that the activation restores.
        QTimer::singleShot(0, this, &DrillWindow::sayGreeting);
    }
    return Form::eventFilter(watched, event);
}

void DrillWindow::Cleanup()
{
    intSlot = 1;
    m_cycle.clear();
    if (!isLoaded()) {
        return;
    }
    for (intSlot = 1; intSlot <= 4; ++intSlot) {
        lblfirst(intSlot)->setText(QString());
        lblfirst(intSlot)->setEnabled(true);
    }
    intSlot = 1;
    m_selection.clear();
    showSelection();
    m_Label1->setText(QString());
    m_Label2->setText(QString());
    m_txtAnswer->setText(QString());
    m_txtAnswer->setAccessibleDescription(answeringHint());
    m_lblWinner->hide();
    m_greeting.clear();
}

void DrillWindow::Generate()
{
    Cleanup();
    if (!isLoaded()) {
        return;
    }
    const Problem &problem = m_cycle.next(strGrade, host().random());
    intSlot = problem.intSlot;
    m_Label1->setText(problem.captions.first);
    m_Label2->setText(problem.captions.second);
    for (int index = 1; index <= 4; ++index) {
        lblfirst(index)->setText(problem.captions.candidates[static_cast<std::size_t>(index - 1)]);
    }
    const QString sentence =
        problemSentence(m_layout, problem.captions.first, problem.captions.second);
    if (m_greetingDue) {
        m_greetingDue = false;
        greet(sentence);
        return;
    }
    m_problemAnnouncement->announce(sentence);
}

void DrillWindow::candidateDropped(int index)
{
    txtAnswer_DragDrop(lblfirst(index));
}

void DrillWindow::candidateChosen(int index)
{
    if (!isLoaded() || !lblfirst(index)->isEnabled()) {
        return;
    }
    m_selection.clear();
    showSelection();
    const bool fromCandidate =
        qobject_cast<CandidateLabel *>(QApplication::focusWidget()) != nullptr;
    txtAnswer_DragDrop(lblfirst(index));
    // A right answer greys the candidates; the keyboard goes on where the next step is.
    if (fromCandidate && !lblfirst(index)->isEnabled() && m_cmdNext != nullptr) {
        m_cmdNext->setFocus(Qt::TabFocusReason);
    }
}

void DrillWindow::candidateClicked(int index)
{
    m_selection.click(index);
    showSelection();
}

void DrillWindow::answerBoxClicked()
{
    if (m_selection.selected() != 0) {
        candidateChosen(m_selection.selected());
    }
}

void DrillWindow::showSelection()
{
    for (int index = 1; index <= 4; ++index) {
        if (lblfirst(index) != nullptr) {
            m_lblfirst[static_cast<std::size_t>(index - 1)]->setSelected(index ==
                                                                         m_selection.selected());
        }
    }
}

void DrillWindow::Form_KeyPress(QChar key)
{
    if (!isLoaded()) {
        return;
    }
    const int chosen = m_selection.keyTyped(key, QApplication::focusWidget() == m_txtAnswer);
    showSelection();
    if (chosen != 0) {
        candidateChosen(chosen);
    }
}

void DrillWindow::txtAnswer_DragDrop(QLabel *source)
{
    if (source == nullptr || !isLoaded()) {
        return;
    }
    const auto *candidate = qobject_cast<CandidateLabel *>(source);
    if (candidate != nullptr && m_cycle.judge(candidate->index())) {
        m_selection.clear();
        showSelection();
        m_lblWinner->showVerdict(tr("CORRECT %1").arg(m_strFullName));
        m_txtAnswer->setText(m_cycle.problem().answerText());
        for (int index = 1; index <= 4; ++index) {
            lblfirst(index)->setEnabled(false);
        }
        // The choices are greyed now; what is left to do is the next problem.
        m_txtAnswer->setAccessibleDescription(answeredHint());
    } else {
        m_lblWinner->showVerdict(tr("Sorry,Try Again %1").arg(m_strFullName));
    }
}

void DrillWindow::cmdNext_Click()
{
    // Generate begins with Cleanup.
    Generate();
}

void DrillWindow::cmdBack_Click()
{
    unload();
    Q_EMIT backRequested();
}

void DrillWindow::cmdExit_Click()
{
    host().endProgram();
}

void DrillWindow::mnuTeacherPrint_Click()
{
    ShowTeacherAide();
}

void DrillWindow::ShowTeacherAide()
{
    unload();
    Q_EMIT printTestRequested();
}

void DrillWindow::titleBarClose()
{
    cmdExit_Click();
}
