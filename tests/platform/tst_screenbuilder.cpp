#include "platform/Controls.h"
#include "platform/ScreenBuilder.h"
#include "platform/Twips.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

// How a box makes room for a caption longer than the one it was designed for: sideways by its
// alignment up to its neighbours, then onto more lines, down and up into free room.
class tst_ScreenBuilder : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void returnPressesButtons_data();
    void returnPressesButtons();
    void twipsEdges_data();
    void twipsEdges();
    void initTestCase() { installFontSubstitutes(); }
    void labelGrowsIntoFreeRoom_data();
    void labelGrowsIntoFreeRoom();
    void growsAwayFromItsAlignment_data();
    void growsAwayFromItsAlignment();
    void fittingCaptionsStay();
    void buttonWrapsInItsBox();
};

namespace
{

// Far more text than any of the holders below can show, so a box takes all the room it may.
QString tooLong()
{
    return QStringLiteral("one two three four five six seven eight nine ten ").repeated(20);
}

QWidget *neighbour(QWidget *holder, const QRect &box)
{
    auto *other = new QWidget(holder);
    other->setGeometry(box);
    return other;
}

} // namespace

void tst_ScreenBuilder::labelGrowsIntoFreeRoom_data()
{
    QTest::addColumn<int>("align");
    QTest::addColumn<QRect>("designed");
    QTest::addColumn<QList<QRect>>("others");
    QTest::addColumn<bool>("othersHidden");
    QTest::addColumn<QRect>("grown");
    // In a 300 by 100 holder; 2 pixels stay free beside a neighbour or the holder's edge, none
    // above or below.
    QTest::addRow("left-aligned: right up to its neighbour, the rest to the left")
        << int(Qt::AlignLeft) << QRect(100, 10, 40, 16) << QList<QRect>{{220, 10, 40, 16}} << false
        << QRect(QPoint(2, 0), QPoint(217, 99));
    QTest::addRow("right-aligned: left up to its neighbour, the rest to the right")
        << int(Qt::AlignRight) << QRect(150, 10, 40, 16) << QList<QRect>{{0, 10, 40, 16}} << false
        << QRect(QPoint(42, 0), QPoint(297, 99));
    QTest::addRow("centred: both ways between its neighbours")
        << int(Qt::AlignHCenter) << QRect(130, 10, 40, 16)
        << QList<QRect>{{0, 10, 50, 16}, {250, 10, 50, 16}} << false
        << QRect(QPoint(52, 0), QPoint(247, 99));
    QTest::addRow("more lines: between the controls above and below")
        << int(Qt::AlignLeft) << QRect(10, 40, 100, 16)
        << QList<QRect>{{0, 0, 300, 20}, {0, 62, 300, 10}} << false
        << QRect(QPoint(2, 20), QPoint(297, 61));
    QTest::addRow("a hidden control takes no room")
        << int(Qt::AlignLeft) << QRect(10, 10, 40, 16) << QList<QRect>{{100, 10, 40, 16}} << true
        << QRect(QPoint(2, 0), QPoint(297, 99));
}

void tst_ScreenBuilder::labelGrowsIntoFreeRoom()
{
    QFETCH(int, align);
    QFETCH(QRect, designed);
    QFETCH(QList<QRect>, others);
    QFETCH(bool, othersHidden);
    QFETCH(QRect, grown);
    QWidget holder;
    holder.resize(300, 100);
    for (const QRect &box : others) {
        neighbour(&holder, box)->setHidden(othersHidden);
    }
    QLabel *label = makeLabel(&holder, QStringLiteral("grown"), tooLong(), 0, 0, 15, 15, 8.25,
                              Qt::Alignment(align) | Qt::AlignTop);
    label->setGeometry(designed);
    fitCaption(label);
    QCOMPARE(label->geometry(), grown);
}

void tst_ScreenBuilder::growsAwayFromItsAlignment_data()
{
    QTest::addColumn<int>("align");
    QTest::addColumn<bool>("leftMoves");
    QTest::addColumn<bool>("rightMoves");
    QTest::addRow("left-aligned grows right") << int(Qt::AlignLeft) << false << true;
    QTest::addRow("right-aligned grows left") << int(Qt::AlignRight) << true << false;
    QTest::addRow("centred grows both ways") << int(Qt::AlignHCenter) << true << true;
}

// A caption some twice as wide as its box, with room enough on either side: the edge its text is
// aligned to stays where it was designed.
void tst_ScreenBuilder::growsAwayFromItsAlignment()
{
    QFETCH(int, align);
    QFETCH(bool, leftMoves);
    QFETCH(bool, rightMoves);
    QWidget holder;
    holder.resize(300, 100);
    QLabel *label = makeLabel(&holder, QStringLiteral("grown"), QStringLiteral("Prozentrechnung"),
                              0, 0, 15, 15, 8.25, Qt::Alignment(align) | Qt::AlignTop);
    label->setGeometry(130, 10, 40, 16);
    fitCaption(label);
    QCOMPARE(label->geometry().left() != 130, leftMoves);
    QCOMPARE(label->geometry().right() != 169, rightMoves);
    QCOMPARE(label->geometry().top(), 10);
    QCOMPARE(label->geometry().height(), 16);
}

// Captions that fit keep their designed boxes and their text.
void tst_ScreenBuilder::fittingCaptionsStay()
{
    QWidget holder;
    holder.resize(300, 100);
    QLabel *label = makeLabel(&holder, QStringLiteral("Label1"), QStringLiteral("Exit"), 150, 150,
                              1500, 300, 8.25);
    QPushButton *button = makeButton(&holder, QStringLiteral("cmdNext"),
                                     QStringLiteral("Next Question"), 1500, 150, 1215, 615);
    fitCaption(label);
    fitCaption(button);
    QCOMPARE(label->geometry(), QRect(10, 10, 100, 20));
    QCOMPARE(button->geometry(), QRect(100, 10, 81, 41));
    QCOMPARE(button->text(), QStringLiteral("Next Question"));
    QCOMPARE(button->accessibleName(), QString());
}

// A button hemmed in on both sides takes its caption onto two lines within its designed height,
// and a screen reader still hears it as one.
void tst_ScreenBuilder::buttonWrapsInItsBox()
{
    QWidget holder;
    holder.resize(300, 100);
    neighbour(&holder, QRect(0, 10, 98, 41));
    neighbour(&holder, QRect(183, 10, 100, 41));
    QPushButton *button = makeButton(&holder, QStringLiteral("cmdBack"),
                                     QStringLiteral("Retour au menu"), 1500, 150, 1215, 615);
    fitCaption(button);
    QCOMPARE(button->geometry(), QRect(100, 10, 81, 41));
    QCOMPARE(button->text(), QStringLiteral("Retour au\nmenu"));
    QCOMPARE(button->accessibleName(), QStringLiteral("Retour au menu"));
}

// Each edge is rounded on its own, so controls that touch in twips touch on screen; a size
// rounded by itself would leave a pixel's gap or overlap.
void tst_ScreenBuilder::twipsEdges_data()
{
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<QRect>("pixels");
    QTest::addRow("7 twips from 7 reach the first pixel edge")
        << QRect(7, 7, 7, 7) << QRect(0, 0, 1, 1);
    QTest::addRow("its right neighbour starts there") << QRect(14, 0, 7, 15) << QRect(1, 0, 0, 1);
    QTest::addRow("a designed button") << QRect(293, 1958, 1695, 975) << QRect(20, 131, 113, 65);
}

void tst_ScreenBuilder::twipsEdges()
{
    QFETCH(QRect, twips);
    QFETCH(QRect, pixels);
    QCOMPARE(twipsRect(twips.x(), twips.y(), twips.width(), twips.height()), pixels);
}

// Outside a dialog Qt leaves Return to a default button, and these windows have none.
void tst_ScreenBuilder::returnPressesButtons_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("clicks");
    QTest::addRow("Return") << int(Qt::Key_Return) << int(Qt::NoModifier) << 1;
    QTest::addRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << 1;
    QTest::addRow("Shift+Return") << int(Qt::Key_Return) << int(Qt::ShiftModifier) << 0;
    QTest::addRow("Ctrl+Enter") << int(Qt::Key_Enter) << int(Qt::ControlModifier) << 0;
}

void tst_ScreenBuilder::returnPressesButtons()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, clicks);
    QWidget parent;
    QPushButton *button = makeButton(&parent, QStringLiteral("cmdNext"),
                                     QStringLiteral("Next Question"), 1500, 150, 1215, 615);
    QSignalSpy clicked(button, &QPushButton::clicked);
    QTest::keyClick(button, static_cast<Qt::Key>(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(clicked.size(), clicks);
}

QTEST_MAIN(tst_ScreenBuilder)
#include "tst_screenbuilder.moc"
