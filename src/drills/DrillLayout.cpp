#include "drills/DrillLayout.h"

#include "platform/Numbers.h"

#include <QtGlobal>
#include <algorithm>

const DrillControl &DrillLayout::control(const QString &name) const
{
    for (const DrillControl &row : controls) {
        if (row.name == name) {
            return row;
        }
    }
    qFatal("drill layout %s has no control %s", qPrintable(formName), qPrintable(name));
}

bool DrillLayout::hasControl(const QString &name) const
{
    for (const DrillControl &row : controls) {
        if (row.name == name) {
            return true;
        }
    }
    return false;
}

QString candidateName(int index)
{
    Q_ASSERT(index >= 1 && index <= 4);
    return QStringLiteral("lblfirst") + integerText(index);
}

CaptionAlign captionAlign(const QString &name)
{
    if (name == QLatin1String("lblIntro")) {
        return CaptionAlign::Left;
    }
    if (name == QLatin1String("Label1") || name == QLatin1String("Label2") ||
        name == QLatin1String("txtAnswer") || name.startsWith(QLatin1String("lblfirst"))) {
        return CaptionAlign::Right;
    }
    return CaptionAlign::Centre;
}

namespace
{

const QString kAddInstruction =
    QStringLiteral("Add the two numbers together, then drag the correct answer  to the total box.");
const QString kSubtractInstruction =
    QStringLiteral("Subtract the two numbers, then drag the correct answer  to the total box.");
const QString kMultiplyInstruction = QStringLiteral(
    "Multiply the two numbers together, then drag the correct answer  to the total box.");
const QString kDivideInstruction =
    QStringLiteral("Divide the two numbers , then drag the correct answer  to the total box.");

} // namespace

// In the windows whose answer box has the first focus, the box took tab index 0 and every
// index below its old 13 moved up by one.

const DrillLayout &additionLayout()
{
    static const DrillLayout layout{
        QStringLiteral("frmAddition"),
        QStringLiteral("Addition"),
        7560,
        4890,
        {
            // name, caption, left, top, width, height, points, tab index
            {"lblIntro", "", 233, 158, 7215, 495, 13.5, 3},
            {"Label4", kAddInstruction, 233, 758, 6975, 255, 9.75, 7},
            {"Label1", "", 2873, 1118, 1215, 375, 13.5, 4},
            {"Label3", "+", 2033, 1478, 495, 495, 24, 6},
            {"Label2", "", 2873, 1598, 1215, 375, 13.5, 5},
            {"Label5", "=", 2033, 2198, 495, 495, 24, 8},
            {"txtAnswer", "", 2873, 2198, 1215, 480, 13.5, 13},
            {"lblWinner", "", 5633, 1238, 195, 555, 24, 14},
            {"lblfirst1", "", 353, 3038, 1215, 495, 13.5, 9},
            {"lblfirst2", "", 1913, 3038, 1215, 495, 13.5, 10},
            {"lblfirst3", "", 3833, 3038, 1215, 495, 13.5, 11},
            {"lblfirst4", "", 5753, 3038, 1215, 495, 13.5, 12},
            {"cmdExit", "Exit", 113, 4118, 1215, 615, kDrillDefaultPoints, 0},
            {"cmdNext", "Next Question", 3116, 4080, 1215, 615, kDrillDefaultPoints, 2},
            {"cmdBack", "Back to Menu", 6120, 4118, 1215, 615, kDrillDefaultPoints, 1},
        },
        {
            {"Line1", 1673, 2078, 4073, 2078},
        },
    };
    return layout;
}

const DrillLayout &subtractionLayout()
{
    static const DrillLayout layout{
        QStringLiteral("frmSubtraction"),
        QStringLiteral("Subtraction"),
        7560,
        4890,
        {
            {"lblIntro", "", 113, 158, 7215, 495, 13.5, 4},
            {"Label4", kSubtractInstruction, 113, 758, 6975, 255, 9.75, 8},
            {"Label1", "", 2753, 1118, 1215, 375, 13.5, 5},
            {"Label3", "-", 1913, 1478, 495, 495, 24, 7},
            {"Label2", "", 2753, 1598, 1215, 375, 13.5, 6},
            {"Label5", "=", 1913, 2198, 495, 495, 24, 9},
            {"txtAnswer", "", 2753, 2198, 1215, 480, 13.5, 0},
            {"lblWinner", "", 5738, 1238, 195, 555, 24, 14},
            {"lblfirst1", "", 233, 3038, 1215, 495, 13.5, 10},
            {"lblfirst2", "", 1793, 3038, 1215, 495, 13.5, 11},
            {"lblfirst3", "", 3713, 3038, 1215, 495, 13.5, 12},
            {"lblfirst4", "", 5633, 3038, 1215, 495, 13.5, 13},
            {"cmdExit", "Exit", 113, 4118, 1215, 615, kDrillDefaultPoints, 1},
            {"cmdNext", "Next Question", 3116, 4118, 1215, 615, kDrillDefaultPoints, 3},
            {"cmdBack", "Back to Menu", 6120, 4118, 1215, 615, kDrillDefaultPoints, 2},
        },
        {
            {"Line1", 1553, 2078, 3953, 2078},
        },
    };
    return layout;
}

const DrillLayout &multiplicationLayout()
{
    static const DrillLayout layout{
        QStringLiteral("frmMultiplication"),
        QStringLiteral("Multiplication"),
        7560,
        4890,
        {
            {"lblIntro", "", 233, 158, 7215, 495, 13.5, 4},
            {"Label4", kMultiplyInstruction, 233, 758, 6975, 255, 9.75, 8},
            {"Label1", "", 2873, 1118, 1215, 375, 13.5, 5},
            {"Label3", "X", 2033, 1478, 495, 495, 24, 7},
            {"Label2", "", 2873, 1598, 1215, 375, 13.5, 6},
            {"Label5", "=", 2033, 2198, 495, 495, 24, 9},
            {"txtAnswer", "", 2873, 2198, 1215, 480, 13.5, 0},
            {"lblWinner", "", 5738, 1238, 195, 555, 24, 14},
            {"lblfirst1", "", 353, 3038, 1215, 495, 13.5, 10},
            {"lblfirst2", "", 1913, 3038, 1215, 495, 13.5, 11},
            {"lblfirst3", "", 3833, 3038, 1215, 495, 13.5, 12},
            {"lblfirst4", "", 5753, 3038, 1215, 495, 13.5, 13},
            {"cmdExit", "Exit", 113, 4118, 1215, 615, kDrillDefaultPoints, 1},
            {"cmdNext", "Next Question", 3116, 4118, 1215, 615, kDrillDefaultPoints, 3},
            {"cmdBack", "Back to Menu", 6120, 4118, 1215, 615, kDrillDefaultPoints, 2},
        },
        {
            {"Line1", 1673, 2078, 4073, 2078},
        },
    };
    return layout;
}

const DrillLayout &divisionLayout()
{
    static const DrillLayout layout{
        QStringLiteral("frmDivision"),
        QStringLiteral("Division"),
        7560,
        4890,
        {
            {"lblIntro", "", 113, 218, 7215, 495, 13.5, 3},
            {"Label4", kDivideInstruction, 113, 818, 6975, 255, 9.75, 7},
            {"Label2", "", 1433, 1658, 1215, 375, 13.5, 5},
            {"Label1", "", 3473, 1658, 1215, 375, 13.5, 4},
            {"Label5", "=", 1913, 2258, 495, 495, 24, 8},
            {"txtAnswer", "", 2753, 2258, 1215, 480, 13.5, 13},
            {"lblWinner", "", 6098, 1418, 195, 555, 24, 14},
            {"lblfirst1", "", 233, 3098, 1215, 495, 13.5, 9},
            {"lblfirst2", "", 1793, 3098, 1215, 495, 13.5, 10},
            {"lblfirst3", "", 3713, 3098, 1215, 495, 13.5, 11},
            {"lblfirst4", "", 5633, 3098, 1215, 495, 13.5, 12},
            {"cmdExit", "Exit", 233, 4058, 1215, 615, kDrillDefaultPoints, 0},
            {"cmdNext", "Next Question", 3176, 4058, 1215, 615, kDrillDefaultPoints, 2},
            {"cmdBack", "Back to Menu", 6120, 4080, 1215, 615, kDrillDefaultPoints, 1},
        },
        {
            // The long-division bracket: upright stroke, bar over the dividend, slanted foot.
            {"Line2", 3233, 2018, 3233, 1418},
            {"Line3", 4913, 1418, 3233, 1418},
            {"Line4", 2993, 1778, 3233, 2018},
            {"Line1", 1433, 2138, 4913, 2138},
        },
    };
    return layout;
}

const DrillLayout &percentLayout()
{
    // The question's words stand at the operands' size: at the signs' 24 points they would not
    // fit their boxes, which are no taller than the operands'.
    static const DrillLayout layout{
        QStringLiteral("frmPercent"),
        QStringLiteral("Percent"),
        7560,
        5175,
        {
            {"lblIntro", "", 113, 360, 7215, 495, 13.5, 4},
            {"Label4", kDivideInstruction, 113, 960, 6975, 255, 9.75, 8},
            {"Label3", "What Percent of:", 1433, 1320, 2175, 375, 13.5, 7},
            {"Label2", "", 3713, 1320, 1215, 375, 13.5, 6},
            {"Label6", "is:", 3113, 1800, 375, 375, 13.5, 15},
            {"Label1", "", 3713, 1800, 1215, 375, 13.5, 5},
            {"Label5", "Answer =", 2153, 2400, 1455, 375, 13.5, 9},
            {"txtAnswer", "", 3713, 2400, 1215, 480, 13.5, 0},
            {"lblWinner", "", 6240, 1680, 195, 555, 24, 14},
            {"lblfirst1", "", 233, 3240, 1215, 495, 13.5, 10},
            {"lblfirst2", "", 1793, 3240, 1215, 495, 13.5, 11},
            {"lblfirst3", "", 3713, 3240, 1215, 495, 13.5, 12},
            {"lblfirst4", "", 5633, 3240, 1215, 495, 13.5, 13},
            {"cmdExit", "Exit", 233, 4440, 1215, 615, kDrillDefaultPoints, 1},
            {"cmdNext", "Next Question", 3176, 4440, 1215, 615, kDrillDefaultPoints, 3},
            {"cmdBack", "Back to Menu", 6120, 4440, 1215, 615, kDrillDefaultPoints, 2},
        },
        {
            {"Line1", 1433, 2280, 5033, 2280},
        },
    };
    return layout;
}

QRect verdictRoom(const DrillLayout &layout)
{
    int left = 0;
    for (const DrillControl &row : layout.controls) {
        const bool problem =
            row.name.startsWith(QLatin1String("Label")) && row.name != QLatin1String("Label4");
        if (problem || row.name == QLatin1String("txtAnswer")) {
            left = std::max(left, row.left + row.width);
        }
    }
    for (const DrillLine &line : layout.lines) {
        left = std::max({left, line.x1, line.x2});
    }
    const DrillControl &instruction = layout.control(QStringLiteral("Label4"));
    const int top = instruction.top + instruction.height;
    const int bottom = layout.control(candidateName(1)).top;
    return QRect(QPoint(left, top), QPoint(layout.clientWidth - 1, bottom - 1));
}

QRect placeVerdict(const QRect &designed, const QSize &needed, const QRect &room)
{
    const int width = std::min(needed.width(), room.width());
    const int height = std::min(needed.height(), room.height());
    const int x = std::clamp(designed.x(), room.left(), room.right() + 1 - width);
    const int y = std::clamp(designed.y(), room.top(), room.bottom() + 1 - height);
    return QRect(x, y, width, height);
}
