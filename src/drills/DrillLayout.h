#pragma once

#include <QList>
#include <QRect>
#include <QString>

// The designed screens of the five drill windows, in twips as designed, so each table can be
// compared line by line with the design. The window builds its controls from one of these.

// Where a control's caption stands inside its box.
enum class CaptionAlign { Left, Centre, Right };

struct DrillControl {
    QString name;    // the control's design name; candidates are lblfirst1 .. lblfirst4
    QString caption; // fixed caption, empty where the program writes it
    int left;
    int top;
    int width;
    int height;
    double points; // font size
    int tabIndex;  // position in the window's tab order; 0 has the focus when the window opens
};

struct DrillLine {
    QString name;
    int x1;
    int y1;
    int x2;
    int y2;
};

struct DrillLayout {
    QString formName;
    QString caption;
    int clientWidth;
    int clientHeight;
    QList<DrillControl> controls;
    QList<DrillLine> lines;

    // The row of a control; asserts that the window has it.
    const DrillControl &control(const QString &name) const;
    bool hasControl(const QString &name) const;
};

// The size of the window's default font, used by the buttons.
constexpr double kDrillDefaultPoints = 8.25;

const DrillLayout &additionLayout();
const DrillLayout &subtractionLayout();
const DrillLayout &multiplicationLayout();
const DrillLayout &divisionLayout();
const DrillLayout &percentLayout();

// The candidate's design name, "lblfirst1" .. "lblfirst4".
QString candidateName(int index);

// How a control's caption is aligned: operands, answer and candidates to the right, the
// instruction and the fixed signs centred, the welcome line and the verdict as designed.
CaptionAlign captionAlign(const QString &name);

// The free area, in twips, where the verdict may stand: right of the problem, below the
// instruction and above the candidates.
QRect verdictRoom(const DrillLayout &layout);

// Where the verdict goes once its text needs `needed`: at its designed place when it fits, else
// moved left and up within `room` just enough, and cut to the room when even that is too small.
QRect placeVerdict(const QRect &designed, const QSize &needed, const QRect &room);
