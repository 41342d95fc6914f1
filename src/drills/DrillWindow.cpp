#include "drills/DrillWindow.h"

#include "platform/Accessibility.h"
#include "platform/Controls.h"
#include "platform/Dialogs.h"
#include "platform/DragDrop.h"
#include "platform/Texts.h"
#include "platform/Twips.h"

#include <QAction>
#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <algorithm>
#include <map>

namespace
{

// Pixels kept free between the verdict and the problem, the instruction and the candidates.
constexpr int kVerdictGap = 4;
// The verdict's type never gets smaller than 12 points.
constexpr int kVerdictSmallestPixels = 16;
// Milliseconds after the grade prompt by which the greeting is said, the window active or not.
constexpr int kGreetingLatest = 1500;

QLabel *makeDesignLabel(QWidget *client, const DrillControl &row)
{
    return makeLabel(client, row.name, translated("DrillLayout", row.caption), row.left, row.top,
                     row.width, row.height, row.points, alignmentFor(row.align));
}

} // namespace

DrillWindow::DrillWindow(FormHost &host, const DrillLayout &layout, const QString &strFullName)
    : Form(host, layout.formName), m_layout(layout), m_strFullName(strFullName)
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

    QList<TabStop> focusable;
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
            m_lblIntro = makeDesignLabel(client, row);
            setTransparent(m_lblIntro);
            break;
        case DrillRole::Instruction:
            setBackground(makeDesignLabel(client, row), DesignColor::Cyan);
            break;
        case DrillRole::Sign: {
            QLabel *sign = makeDesignLabel(client, row);
            setBackground(sign, DesignColor::Cyan);
            sign->setAccessibleName(spokenCaption(row.caption));
            break;
        }
        case DrillRole::First:
        case DrillRole::Second: {
            QLabel *operand = makeDesignLabel(client, row);
            setSingleBorder(operand);
            setBackground(operand, DesignColor::Cyan);
            const bool first = row.role == DrillRole::First;
            operand->setAccessibleDescription(translated(
                "DrillLayout", first ? m_layout.firstDescription : m_layout.secondDescription));
            (first ? m_Label1 : m_Label2) = operand;
            break;
        }
        case DrillRole::Answer:
            m_txtAnswer = new AnswerBox(client, m_layout.formName);
            m_txtAnswer->setObjectName(row.name);
            m_txtAnswer->setFont(designFont(row.points));
            setBackground(m_txtAnswer, DesignColor::Cyan);
            placeTwips(m_txtAnswer, row.left, row.top, row.width, row.height);
            // Named by itself, not by the "=" before it: a label relation would make a screen
            // reader call the box "equals".
            m_txtAnswer->setAccessibleName(tr("Answer"));
            m_txtAnswer->setAccessibleDescription(answeringHint());
            focusable.append({row.tabIndex, m_txtAnswer.data()});
            break;
        case DrillRole::Verdict: {
            m_lblWinner = new AnnouncementLabel(client);
            shapeLabel(m_lblWinner, row.name, row.caption, row.left, row.top, row.width, row.height,
                       row.points, alignmentFor(row.align));
            setBackground(m_lblWinner, DesignColor::LightBlue);
            QPalette verdictPalette = m_lblWinner->palette();
            verdictPalette.setColor(QPalette::WindowText, bgrColor(DesignColor::Red));
            m_lblWinner->setPalette(verdictPalette);
            m_lblWinner->hide();
            break;
        }
        case DrillRole::Candidate: {
            ++candidateIndex;
            Q_ASSERT(candidateIndex <= 4);
            auto *label = new CandidateLabel(client, m_layout.formName, candidateIndex);
            label->setObjectName(row.name);
            label->setFont(designFont(row.points));
            label->setAlignment(alignmentFor(row.align));
            label->setTextFormat(Qt::PlainText);
            setSingleBorder(label);
            setBackground(label, DesignColor::Cyan);
            placeTwips(label, row.left, row.top, row.width, row.height);
            m_lblfirst[static_cast<std::size_t>(candidateIndex - 1)] = label;
            focusable.append({row.tabIndex, label});
            connect(label, &CandidateLabel::activated, this, &DrillWindow::candidateChosen);
            connect(label, &CandidateLabel::clicked, this, &DrillWindow::candidateClicked);
            break;
        }
        case DrillRole::Exit:
        case DrillRole::Next:
        case DrillRole::Back: {
            QPushButton *button =
                makeButton(client, row.name, translated("DrillLayout", row.caption), row.left,
                           row.top, row.width, row.height, row.points);
            if (row.role == DrillRole::Next) {
                m_cmdNext = button;
            }
            connect(button, &QPushButton::clicked, this, handlers.at(row.role));
            focusable.append({row.tabIndex, button});
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

    setTabOrder(focusable);
    // Answering starts at the first choice; the first key a child tries must not end the program.
    lblfirst(1)->setFocus();

    connect(mnuTeacherPrint, &QAction::triggered, this, &DrillWindow::mnuTeacherPrint_Click);
    connect(m_txtAnswer, &AnswerBox::candidateDropped, this, &DrillWindow::candidateDropped);
    connect(m_txtAnswer, &AnswerBox::clicked, this, &DrillWindow::answerBoxClicked);
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
    m_selected = 0;
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
    m_lblIntro->setText(tr("Welcome %1!   To The Sumtopia.").arg(m_strFullName));
    // A grade that is no number, or a number in no band (0, 2.5), has no operands to draw, so the
    // question is asked again until it is answered with a grade in a band, or cancelled.
    strGrade = askGrade();
    while (!strGrade.isEmpty() && !isGradeInBand(strGrade)) {
        strGrade = askGrade();
    }
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
    clearProblemFields();
    if (!isLoaded()) {
        return;
    }
    for (intSlot = 1; intSlot <= 4; ++intSlot) {
        lblfirst(intSlot)->setText(QString());
        lblfirst(intSlot)->setEnabled(true);
    }
    intSlot = 1;
    select(0);
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
    const ProblemCaptions captions = drawProblem(strGrade, host().random());
    m_Label1->setText(captions.first);
    m_Label2->setText(captions.second);
    for (int index = 1; index <= 4; ++index) {
        lblfirst(index)->setText(captions.candidates[static_cast<std::size_t>(index - 1)]);
    }
    const QString problem = problemSentence(m_layout, captions.first, captions.second);
    if (m_greetingDue) {
        m_greetingDue = false;
        greet(problem);
        return;
    }
    m_problemAnnouncement->announce(problem);
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
    select(0);
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
    select(m_selected == index ? 0 : index);
}

void DrillWindow::answerBoxClicked()
{
    if (m_selected != 0) {
        candidateChosen(m_selected);
    }
}

void DrillWindow::select(int index)
{
    m_selected = index;
    for (int other = 1; other <= 4; ++other) {
        if (lblfirst(other) != nullptr) {
            m_lblfirst[static_cast<std::size_t>(other - 1)]->setSelected(other == index);
        }
    }
}

void DrillWindow::Form_KeyPress(QChar key)
{
    if (!isLoaded()) {
        return;
    }
    if (key == QChar(0x1B)) {
        select(0);
        return;
    }
    // The digits are the answer box's own while it has the focus: typing there stays possible.
    const int index = key.digitValue();
    if (index >= 1 && index <= 4 && QApplication::focusWidget() != m_txtAnswer) {
        candidateChosen(index);
    }
}

void DrillWindow::txtAnswer_DragDrop(QLabel *source)
{
    if (source == nullptr || !isLoaded()) {
        return;
    }
    if (isCorrect(source->text())) {
        select(0);
        // The text is written before the label shows, so a screen reader, which speaks the
        // verdict as it appears, never says the one left hidden from an earlier problem. The
        // eye sees both at once.
        showVerdict(tr("CORRECT %1").arg(m_strFullName));
        m_lblWinner->show();
        m_txtAnswer->setText(answerText());
        for (int index = 1; index <= 4; ++index) {
            lblfirst(index)->setEnabled(false);
        }
        // The choices are greyed now; what is left to do is the next problem.
        m_txtAnswer->setAccessibleDescription(answeredHint());
    } else {
        showVerdict(tr("Sorry,Try Again %1").arg(m_strFullName));
        m_lblWinner->show();
    }
}

void DrillWindow::showVerdict(const QString &text)
{
    // A second wrong drop sets the same text; it is said again all the same.
    m_lblWinner->announce(text);
    // The verdict wraps at its blanks and grows to its text; when its designed place is too small
    // it moves left and up into the free area beside the problem, and only when a long name
    // still does not fit there does its type get smaller, so the child always reads it whole.
    const DrillControl &row = m_layout.control(DrillRole::Verdict);
    const QRect designed = twipsRect(row.left, row.top, row.width, row.height);
    const QRect free = verdictRoom(m_layout);
    const QRect room = twipsRect(free.x(), free.y(), free.width(), free.height())
                           .adjusted(kVerdictGap, kVerdictGap, -kVerdictGap, -kVerdictGap);
    const int frame = 2 * m_lblWinner->frameWidth() + 2 * m_lblWinner->margin() + 4;
    // A prefix is enough to measure: anything longer is cut at the room's edge anyway.
    const QString sample = text.left(4096);
    QFont font = designFont(row.points);
    QSize needed;
    for (int pixels = font.pixelSize(); pixels >= kVerdictSmallestPixels; pixels -= 2) {
        font.setPixelSize(pixels);
        const QFontMetrics metrics(font);
        const int width =
            std::clamp(metrics.horizontalAdvance(sample) + frame, designed.width(), room.width());
        const QRect wrapped =
            metrics.boundingRect(QRect(0, 0, width - frame, 1 << 20), Qt::TextWordWrap, sample);
        needed = QSize(width, std::max(designed.height(), wrapped.height() + frame));
        if (wrapped.width() + frame <= room.width() && needed.height() <= room.height()) {
            break;
        }
    }
    m_lblWinner->setFont(font);
    m_lblWinner->setWordWrap(true);
    m_lblWinner->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_lblWinner->setGeometry(placeVerdict(designed, needed, room));
}

void DrillWindow::cmdNext_Click()
{
    Cleanup();
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

IntegerDrillWindow::IntegerDrillWindow(FormHost &host, const DrillLayout &layout,
                                       const QString &strFullName, IntegerRule rule)
    : DrillWindow(host, layout, strFullName), m_rule(rule)
{
}

ProblemCaptions IntegerDrillWindow::drawProblem(const QString &gradeText, RandomSource &random)
{
    const IntegerProblem problem = m_rule(gradeText, random);
    intFirst = problem.intFirst;
    intSecond = problem.intSecond;
    intAnswer = problem.intAnswer;
    intSlot = problem.intSlot;
    return problem.captions;
}

void IntegerDrillWindow::clearProblemFields()
{
    intFirst = 0;
    intSecond = 0;
    intAnswer = 0;
}

bool IntegerDrillWindow::isCorrect(const QString &caption) const
{
    return captionMatchesAnswer(caption, intAnswer);
}

QString IntegerDrillWindow::answerText() const
{
    return integerText(intAnswer);
}

DoubleDrillWindow::DoubleDrillWindow(FormHost &host, const DrillLayout &layout,
                                     const QString &strFullName, DoubleRule rule)
    : DrillWindow(host, layout, strFullName), m_rule(rule)
{
}

ProblemCaptions DoubleDrillWindow::drawProblem(const QString &gradeText, RandomSource &random)
{
    const DoubleProblem problem = m_rule(gradeText, random);
    dblFirst = problem.dblFirst;
    dblSecond = problem.dblSecond;
    dblAnswer = problem.dblAnswer;
    intSlot = problem.intSlot;
    return problem.captions;
}

void DoubleDrillWindow::clearProblemFields()
{
    dblFirst = 0.0;
    dblSecond = 0.0;
    dblAnswer = 0.0;
}

bool DoubleDrillWindow::isCorrect(const QString &caption) const
{
    return captionMatchesAnswer(caption, dblAnswer);
}

QString DoubleDrillWindow::answerText() const
{
    return numberText(dblAnswer);
}
