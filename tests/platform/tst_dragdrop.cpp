#include "MouseDrag.h"
#include "platform/DragDrop.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

// The candidate label's automatic drag and the answer box's drop, without a drill window.
class tst_DragDrop : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void dragShouldStart_data();
    void dragShouldStart();
    void candidateIndex_data();
    void candidateIndex();
    void labelCarriesOnlyItsCandidate();
    void answerBox_data();
    void answerBox();
    void mouseDragStartsOnlyFromEnabledLabel_data();
    void mouseDragStartsOnlyFromEnabledLabel();
    void clickIsReleaseOnTheControl_data();
    void clickIsReleaseOnTheControl();
    void selectionMarkRepaints();
    void keysThatChoose_data();
    void keysThatChoose();
};

void tst_DragDrop::dragShouldStart_data()
{
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("buttons");
    QTest::addColumn<QPoint>("moved");
    QTest::addColumn<bool>("starts");
    QTest::addRow("enabled, moved the distance")
        << true << int(Qt::LeftButton) << QPoint(10, 0) << true;
    QTest::addRow("enabled, moved beyond diagonally")
        << true << int(Qt::LeftButton) << QPoint(7, 7) << true;
    QTest::addRow("enabled, moved short") << true << int(Qt::LeftButton) << QPoint(5, 4) << false;
    QTest::addRow("enabled, not moved") << true << int(Qt::LeftButton) << QPoint(0, 0) << false;
    QTest::addRow("disabled") << false << int(Qt::LeftButton) << QPoint(40, 0) << false;
    QTest::addRow("right button") << true << int(Qt::RightButton) << QPoint(40, 0) << false;
    QTest::addRow("no button") << true << int(Qt::NoButton) << QPoint(40, 0) << false;
}

void tst_DragDrop::dragShouldStart()
{
    QFETCH(bool, enabled);
    QFETCH(int, buttons);
    QFETCH(QPoint, moved);
    QFETCH(bool, starts);
    const QPoint press(20, 10);
    QCOMPARE(::dragShouldStart(enabled, Qt::MouseButtons(buttons), press, press + moved, 10),
             starts);
}

void tst_DragDrop::candidateIndex_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<bool>("privateType");
    QTest::addColumn<int>("index");
    QTest::addRow("own window, 1") << candidatePayload("frmAddition", 1) << true << 1;
    QTest::addRow("own window, 4") << candidatePayload("frmAddition", 4) << true << 4;
    QTest::addRow("other window") << candidatePayload("frmAdditionX", 2) << true << 0;
    QTest::addRow("prefix of a name") << candidatePayload("frmAdd", 2) << true << 0;
    QTest::addRow("index 0") << candidatePayload("frmAddition", 0) << true << 0;
    QTest::addRow("index 5") << candidatePayload("frmAddition", 5) << true << 0;
    QTest::addRow("garbage") << QByteArray("frmAddition:two") << true << 0;
    QTest::addRow("as plain text") << candidatePayload("frmAddition", 2) << false << 0;
}

void tst_DragDrop::candidateIndex()
{
    QFETCH(QByteArray, payload);
    QFETCH(bool, privateType);
    QFETCH(int, index);
    QMimeData data;
    if (privateType) {
        data.setData(candidateMimeType(), payload);
    } else {
        data.setText(QString::fromUtf8(payload));
    }
    QCOMPARE(::candidateIndex(&data, QStringLiteral("frmAddition")), index);
    QCOMPARE(::candidateIndex(nullptr, QStringLiteral("frmAddition")), 0);
}

void tst_DragDrop::labelCarriesOnlyItsCandidate()
{
    QWidget parent;
    CandidateLabel label(&parent, QStringLiteral("frmDivision"), 3);
    label.setText(QStringLiteral("0.67"));
    const std::unique_ptr<QMimeData> data(label.dragData());
    QCOMPARE(data->formats(), QStringList{candidateMimeType()});
    QVERIFY(!data->hasText());
    QCOMPARE(::candidateIndex(data.get(), QStringLiteral("frmDivision")), 3);
    QCOMPARE(label.index(), 3);
}

void tst_DragDrop::answerBox_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("index");
    QTest::addRow("own candidate") << "own" << true << 2;
    QTest::addRow("plain text") << "text" << false << 0;
    QTest::addRow("another window's candidate") << "foreign" << false << 0;
}

void tst_DragDrop::answerBox()
{
    QFETCH(QString, kind);
    QFETCH(bool, accepted);
    QFETCH(int, index);
    QWidget parent;
    AnswerBox box(&parent, QStringLiteral("frmPercent"));
    box.resize(80, 30);
    QCOMPARE(box.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    QVERIFY(box.acceptDrops());
    QSignalSpy dropped(&box, &AnswerBox::candidateDropped);
    QMimeData data;
    if (kind == "own") {
        data.setData(candidateMimeType(), candidatePayload(QStringLiteral("frmPercent"), 2));
    } else if (kind == "text") {
        data.setText(QStringLiteral("75"));
    } else {
        data.setData(candidateMimeType(), candidatePayload(QStringLiteral("frmDivision"), 2));
    }
    const QPoint pos(40, 15);
    QDragEnterEvent enter(pos, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&box, &enter);
    QCOMPARE(enter.isAccepted(), accepted);
    QDragMoveEvent move(pos, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&box, &move);
    QCOMPARE(move.isAccepted(), accepted);
    // Qt hands the move and the drop only to a box that took the enter: a refused drag drops
    // nothing.
    QDropEvent drop(pos, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&box, &drop);
    QCOMPARE(drop.isAccepted(), accepted);
    QCOMPARE(dropped.size(), accepted ? 1 : 0);
    if (accepted) {
        QCOMPARE(dropped.at(0).at(0).toInt(), index);
    }
    // The box never takes the dragged text itself; the window decides what it shows.
    QCOMPARE(box.text(), QString());
}

void tst_DragDrop::mouseDragStartsOnlyFromEnabledLabel_data()
{
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("distance");
    QTest::addColumn<bool>("starts");
    const int far = QApplication::startDragDistance() + 5;
    QTest::addRow("enabled, moved far") << true << far << true;
    QTest::addRow("enabled, moved short") << true << 1 << false;
    QTest::addRow("disabled, moved far") << false << far << false;
}

void tst_DragDrop::mouseDragStartsOnlyFromEnabledLabel()
{
    QFETCH(bool, enabled);
    QFETCH(int, distance);
    QFETCH(bool, starts);
    QWidget window;
    window.resize(200, 100);
    auto *label = new CandidateLabel(&window, QStringLiteral("frmAddition"), 1);
    label->setText(QStringLiteral("12"));
    label->setGeometry(10, 10, 80, 30);
    label->setEnabled(enabled);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QCOMPARE(mouseDragStarts(label, QPoint(20, 15), distance), starts);
    // The label is not moved by dragging it.
    QCOMPARE(label->geometry(), QRect(10, 10, 80, 30));
}

// A press let go off the control is no click, on a candidate as on the answer box: a child who
// thinks better of a choice slides off before letting go.
void tst_DragDrop::clickIsReleaseOnTheControl_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QPoint>("released");
    QTest::addColumn<int>("clicks");
    QTest::addRow("candidate, let go on it") << "candidate" << QPoint(76, 15) << 1;
    QTest::addRow("candidate, let go just off it") << "candidate" << QPoint(82, 15) << 0;
    QTest::addRow("answer box, let go on it") << "answer box" << QPoint(76, 15) << 1;
    QTest::addRow("answer box, let go just off it") << "answer box" << QPoint(82, 15) << 0;
}

void tst_DragDrop::clickIsReleaseOnTheControl()
{
    QFETCH(QString, control);
    QFETCH(QPoint, released);
    QFETCH(int, clicks);
    QWidget window;
    window.resize(200, 100);
    auto *candidate = new CandidateLabel(&window, QStringLiteral("frmAddition"), 2);
    auto *box = new AnswerBox(&window, QStringLiteral("frmAddition"));
    QWidget *pressed = candidate;
    std::unique_ptr<QSignalSpy> spy;
    if (control == QLatin1String("candidate")) {
        spy = std::make_unique<QSignalSpy>(candidate, &CandidateLabel::clicked);
    } else {
        pressed = box;
        spy = std::make_unique<QSignalSpy>(box, &AnswerBox::clicked);
    }
    pressed->setGeometry(10, 10, 80, 30);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // Four pixels between press and release: less than a drag's distance.
    QTest::mousePress(pressed, Qt::LeftButton, Qt::NoModifier, released - QPoint(4, 0));
    QTest::mouseRelease(pressed, Qt::LeftButton, Qt::NoModifier, released);
    QCOMPARE(spy->size(), clicks);
}

namespace
{
// Counts the paint events a widget gets.
class PaintCounter final : public QObject
{
public:
    int paints = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};
} // namespace

// The mark comes and goes at once, not at the next paint something else asks for.
void tst_DragDrop::selectionMarkRepaints()
{
    QWidget window;
    window.resize(200, 100);
    auto *label = new CandidateLabel(&window, QStringLiteral("frmAddition"), 1);
    label->setGeometry(10, 10, 80, 30);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCoreApplication::processEvents();
    PaintCounter counter;
    label->installEventFilter(&counter);
    for (const bool selected : {true, false}) {
        counter.paints = 0;
        label->setSelected(selected);
        QTRY_VERIFY(counter.paints > 0);
    }
}

// Space, Return and the keypad's Enter choose a focused candidate; with a modifier held the key
// is some other command's.
void tst_DragDrop::keysThatChoose_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("chosen");
    QTest::addRow("Space") << int(Qt::Key_Space) << int(Qt::NoModifier) << 1;
    QTest::addRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << 1;
    QTest::addRow("Shift+Space") << int(Qt::Key_Space) << int(Qt::ShiftModifier) << 0;
    QTest::addRow("Ctrl+Return") << int(Qt::Key_Return) << int(Qt::ControlModifier) << 0;
    QTest::addRow("a letter") << int(Qt::Key_A) << int(Qt::NoModifier) << 0;
}

void tst_DragDrop::keysThatChoose()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, chosen);
    QWidget parent;
    CandidateLabel label(&parent, QStringLiteral("frmAddition"), 3);
    QSignalSpy activated(&label, &CandidateLabel::activated);
    QTest::keyClick(&label, static_cast<Qt::Key>(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(activated.size(), chosen);
}

QTEST_MAIN(tst_DragDrop)
#include "tst_dragdrop.moc"
