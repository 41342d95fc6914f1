#pragma once

#include "platform/ScreenRow.h"

#include <QList>
#include <QRect>
#include <QString>

// The designed screens of the five drill windows, in twips as designed, so each table can be
// compared line by line with the design. The window builds its controls from one of these.

// What a control is for; the window builds, keeps and connects each control by its role.
enum class DrillRole {
    Welcome,     // lblIntro, the welcome line
    Instruction, // Label4
    First,       // Label1, the first operand
    Second,      // Label2, the second operand
    Sign,        // a fixed sign or word of the problem: Label3, Label5, Label6
    Answer,      // txtAnswer, the drop target
    Verdict,     // lblWinner
    Candidate,   // lblfirst(1) .. lblfirst(4), in index order
    Exit,        // cmdExit
    Next,        // cmdNext
    Back,        // cmdBack
};

// A control of a drill window; candidates are named lblfirst1 .. lblfirst4, in index order.
using DrillControl = ScreenRow<DrillRole>;

struct DrillLine {
    QString name;
    int x1;
    int y1;
    int x2;
    int y2;
    // What a screen reader says for the line, empty for a plain rule, which it skips; a spoken
    // line is read just before the control named in readBefore.
    QString spoken;
    QString readBefore;
};

struct DrillLayout {
    QString formName;
    QString caption;
    int clientWidth;
    int clientHeight;
    // In reading order: a screen reader reads the controls in the order they are made.
    QList<DrillControl> controls;
    QList<DrillLine> lines;
    // What a screen reader adds about each operand ("dividend"), empty when its place says it.
    QString firstDescription;
    QString secondDescription;

    // The first row with the role; asserts that the window has one.
    const DrillControl &control(DrillRole role) const;
};

// The size of the window's default font, used by the buttons.
constexpr double kDrillDefaultPoints = 8.25;

const DrillLayout &additionLayout();
const DrillLayout &subtractionLayout();
const DrillLayout &multiplicationLayout();
const DrillLayout &divisionLayout();
const DrillLayout &percentLayout();

// The words a listener understands for a fixed caption of a problem ("+" is "plus"); a caption
// that is words already stays as it is.
QString spokenCaption(const QString &caption);

// The problem as one short sentence to be spoken, read from the layout in reading order up to
// its last operand: "12 plus 7", "97 divided by 20", "What Percent of 4 is 3".
QString problemSentence(const DrillLayout &layout, const QString &first, const QString &second);

// The free area, in twips, where the verdict may stand: right of the problem, below the
// instruction and above the candidates.
QRect verdictRoom(const DrillLayout &layout);

// Where the verdict goes once its text needs `needed`: at its designed place when it fits, else
// moved left and up within `room` just enough, and cut to the room when even that is too small.
QRect placeVerdict(const QRect &designed, const QSize &needed, const QRect &room);
