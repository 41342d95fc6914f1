#include "drills/DrillLayout.h"

#include "platform/Texts.h"

#include <QPair>
#include <QStringList>
#include <QtGlobal>
#include <algorithm>

const DrillControl &DrillLayout::control(DrillRole role) const
{
    if (const DrillControl *row = findRow(controls, role)) {
        return *row;
    }
    qFatal("drill layout %s has no control of role %d", qPrintable(formName),
           static_cast<int>(role));
}

namespace
{

// Short names, so each row fits one line and reads like the design.
constexpr DrillRole Welcome = DrillRole::Welcome;
constexpr DrillRole Instruction = DrillRole::Instruction;
constexpr DrillRole First = DrillRole::First;
constexpr DrillRole Second = DrillRole::Second;
constexpr DrillRole Sign = DrillRole::Sign;
constexpr DrillRole Answer = DrillRole::Answer;
constexpr DrillRole Verdict = DrillRole::Verdict;
constexpr DrillRole Candidate = DrillRole::Candidate;
constexpr DrillRole Exit = DrillRole::Exit;
constexpr DrillRole Next = DrillRole::Next;
constexpr DrillRole Back = DrillRole::Back;
constexpr CaptionAlign Left = CaptionAlign::Left;
constexpr CaptionAlign Centre = CaptionAlign::Centre;
constexpr CaptionAlign Right = CaptionAlign::Right;

const QString kAddInstruction = QStringLiteral(QT_TRANSLATE_NOOP(
    "DrillLayout",
    "Add the two numbers together, then drag the correct answer  to the total box."));
const QString kSubtractInstruction = QStringLiteral(QT_TRANSLATE_NOOP(
    "DrillLayout", "Subtract the two numbers, then drag the correct answer  to the total box."));
const QString kMultiplyInstruction = QStringLiteral(QT_TRANSLATE_NOOP(
    "DrillLayout",
    "Multiply the two numbers together, then drag the correct answer  to the total box."));
const QString kDivideInstruction = QStringLiteral(QT_TRANSLATE_NOOP(
    "DrillLayout", "Divide the two numbers , then drag the correct answer  to the total box."));
// The percent drill shows the division's instruction by design; a language may say what the
// child works out there, a percentage.
struct MarkedText {
    const char *source;
    const char *disambiguation;
};
//: The instruction of the percent drill, which asks what percent one number is of another.
const MarkedText kPercentInstruction = QT_TRANSLATE_NOOP3(
    "DrillLayout", "Divide the two numbers , then drag the correct answer  to the total box.",
    "percent drill");
//: The button that brings the next problem of the same drill.
const char *const kNext = QT_TRANSLATE_NOOP("DrillLayout", "Next Question");
//: The button that ends the whole program at once.
const char *const kExit = QT_TRANSLATE_NOOP("DrillLayout", "Exit");
const char *const kBack = QT_TRANSLATE_NOOP("DrillLayout", "Back to Menu");

// The operator signs, written as each language's schools write them.
//: Operator sign: addition, between the two numbers of an addition problem.
const QString kPlus = QStringLiteral(QT_TRANSLATE_NOOP("DrillLayout", "+"));
//: Operator sign: subtraction, between the two numbers of a subtraction problem.
const QString kMinus = QStringLiteral(QT_TRANSLATE_NOOP("DrillLayout", "-"));
//: Operator sign: multiplication (a capital letter X), between the two numbers of a
//: multiplication problem.
const QString kTimes = QStringLiteral(QT_TRANSLATE_NOOP("DrillLayout", "X"));
//: Operator sign: equals, before the answer box.
const QString kEquals = QStringLiteral(QT_TRANSLATE_NOOP("DrillLayout", "="));

} // namespace

// In the windows whose answer box has the first focus, the box took tab index 0 and every
// index below its old 13 moved up by one.

const DrillLayout &additionLayout()
{
    static const DrillLayout layout{
        QStringLiteral("frmAddition"),
        QStringLiteral(QT_TRANSLATE_NOOP("DrillLayout", "Addition")),
        7560,
        4890,
        {
            // role, name, caption, left, top, width, height, points, tab index, alignment
            {Welcome, "lblIntro", "", 233, 158, 7215, 495, 13.5, 3, Left},
            {Instruction, "Label4", kAddInstruction, 233, 758, 6975, 255, 9.75, 7, Centre},
            {First, "Label1", "", 2873, 1118, 1215, 375, 13.5, 4, Right},
            {Sign, "Label3", kPlus, 2033, 1478, 495, 495, 24, 6, Centre},
            {Second, "Label2", "", 2873, 1598, 1215, 375, 13.5, 5, Right},
            {Sign, "Label5", kEquals, 2033, 2198, 495, 495, 24, 8, Centre},
            {Answer, "txtAnswer", "", 2873, 2198, 1215, 480, 13.5, 13, Right},
            {Verdict, "lblWinner", "", 5633, 1238, 195, 555, 24, 14, Centre},
            {Candidate, "lblfirst1", "", 353, 3038, 1215, 495, 13.5, 9, Right},
            {Candidate, "lblfirst2", "", 1913, 3038, 1215, 495, 13.5, 10, Right},
            {Candidate, "lblfirst3", "", 3833, 3038, 1215, 495, 13.5, 11, Right},
            {Candidate, "lblfirst4", "", 5753, 3038, 1215, 495, 13.5, 12, Right},
            {Exit, "cmdExit", kExit, 113, 4118, 1215, 615, kDrillDefaultPoints, 0, Centre},
            {Next, "cmdNext", kNext, 3116, 4080, 1215, 615, kDrillDefaultPoints, 2, Centre},
            {Back, "cmdBack", kBack, 6120, 4118, 1215, 615, kDrillDefaultPoints, 1, Centre},
        },
        {
            {"Line1", 1673, 2078, 4073, 2078, "", ""},
        },
        QString(),
        QString(),
    };
    return layout;
}

const DrillLayout &subtractionLayout()
{
    static const DrillLayout layout{
        QStringLiteral("frmSubtraction"),
        QStringLiteral(QT_TRANSLATE_NOOP("DrillLayout", "Subtraction")),
        7560,
        4890,
        {
            {Welcome, "lblIntro", "", 113, 158, 7215, 495, 13.5, 4, Left},
            {Instruction, "Label4", kSubtractInstruction, 113, 758, 6975, 255, 9.75, 8, Centre},
            {First, "Label1", "", 2753, 1118, 1215, 375, 13.5, 5, Right},
            {Sign, "Label3", kMinus, 1913, 1478, 495, 495, 24, 7, Centre},
            {Second, "Label2", "", 2753, 1598, 1215, 375, 13.5, 6, Right},
            {Sign, "Label5", kEquals, 1913, 2198, 495, 495, 24, 9, Centre},
            {Answer, "txtAnswer", "", 2753, 2198, 1215, 480, 13.5, 0, Right},
            {Verdict, "lblWinner", "", 5738, 1238, 195, 555, 24, 14, Centre},
            {Candidate, "lblfirst1", "", 233, 3038, 1215, 495, 13.5, 10, Right},
            {Candidate, "lblfirst2", "", 1793, 3038, 1215, 495, 13.5, 11, Right},
            {Candidate, "lblfirst3", "", 3713, 3038, 1215, 495, 13.5, 12, Right},
            {Candidate, "lblfirst4", "", 5633, 3038, 1215, 495, 13.5, 13, Right},
            {Exit, "cmdExit", kExit, 113, 4118, 1215, 615, kDrillDefaultPoints, 1, Centre},
            {Next, "cmdNext", kNext, 3116, 4118, 1215, 615, kDrillDefaultPoints, 3, Centre},
            {Back, "cmdBack", kBack, 6120, 4118, 1215, 615, kDrillDefaultPoints, 2, Centre},
        },
        {
            {"Line1", 1553, 2078, 3953, 2078, "", ""},
        },
        QString(),
        QString(),
    };
    return layout;
}

const DrillLayout &multiplicationLayout()
{
    static const DrillLayout layout{
        QStringLiteral("frmMultiplication"),
        QStringLiteral(QT_TRANSLATE_NOOP("DrillLayout", "Multiplication")),
        7560,
        4890,
        {
            {Welcome, "lblIntro", "", 233, 158, 7215, 495, 13.5, 4, Left},
            {Instruction, "Label4", kMultiplyInstruction, 233, 758, 6975, 255, 9.75, 8, Centre},
            {First, "Label1", "", 2873, 1118, 1215, 375, 13.5, 5, Right},
            {Sign, "Label3", kTimes, 2033, 1478, 495, 495, 24, 7, Centre},
            {Second, "Label2", "", 2873, 1598, 1215, 375, 13.5, 6, Right},
            {Sign, "Label5", kEquals, 2033, 2198, 495, 495, 24, 9, Centre},
            {Answer, "txtAnswer", "", 2873, 2198, 1215, 480, 13.5, 0, Right},
            {Verdict, "lblWinner", "", 5738, 1238, 195, 555, 24, 14, Centre},
            {Candidate, "lblfirst1", "", 353, 3038, 1215, 495, 13.5, 10, Right},
            {Candidate, "lblfirst2", "", 1913, 3038, 1215, 495, 13.5, 11, Right},
            {Candidate, "lblfirst3", "", 3833, 3038, 1215, 495, 13.5, 12, Right},
            {Candidate, "lblfirst4", "", 5753, 3038, 1215, 495, 13.5, 13, Right},
            {Exit, "cmdExit", kExit, 113, 4118, 1215, 615, kDrillDefaultPoints, 1, Centre},
            {Next, "cmdNext", kNext, 3116, 4118, 1215, 615, kDrillDefaultPoints, 3, Centre},
            {Back, "cmdBack", kBack, 6120, 4118, 1215, 615, kDrillDefaultPoints, 2, Centre},
        },
        {
            {"Line1", 1673, 2078, 4073, 2078, "", ""},
        },
        QString(),
        QString(),
    };
    return layout;
}

const DrillLayout &divisionLayout()
{
    static const DrillLayout layout{
        QStringLiteral("frmDivision"),
        QStringLiteral(QT_TRANSLATE_NOOP("DrillLayout", "Division")),
        7560,
        4890,
        {
            {Welcome, "lblIntro", "", 113, 218, 7215, 495, 13.5, 3, Left},
            {Instruction, "Label4", kDivideInstruction, 113, 818, 6975, 255, 9.75, 7, Centre},
            // Read as "dividend, divided by, divisor", though the divisor stands left.
            {First, "Label1", "", 3473, 1658, 1215, 375, 13.5, 4, Right},
            {Second, "Label2", "", 1433, 1658, 1215, 375, 13.5, 5, Right},
            {Sign, "Label5", kEquals, 1913, 2258, 495, 495, 24, 8, Centre},
            {Answer, "txtAnswer", "", 2753, 2258, 1215, 480, 13.5, 13, Right},
            {Verdict, "lblWinner", "", 6098, 1418, 195, 555, 24, 14, Centre},
            {Candidate, "lblfirst1", "", 233, 3098, 1215, 495, 13.5, 9, Right},
            {Candidate, "lblfirst2", "", 1793, 3098, 1215, 495, 13.5, 10, Right},
            {Candidate, "lblfirst3", "", 3713, 3098, 1215, 495, 13.5, 11, Right},
            {Candidate, "lblfirst4", "", 5633, 3098, 1215, 495, 13.5, 12, Right},
            {Exit, "cmdExit", kExit, 233, 4058, 1215, 615, kDrillDefaultPoints, 0, Centre},
            {Next, "cmdNext", kNext, 3176, 4058, 1215, 615, kDrillDefaultPoints, 2, Centre},
            {Back, "cmdBack", kBack, 6120, 4080, 1215, 615, kDrillDefaultPoints, 1, Centre},
        },
        {
            // The long-division bracket: upright stroke, bar over the dividend, slanted foot.
            {"Line2", 3233, 2018, 3233, 1418, "", ""},
            {"Line3", 4913, 1418, 3233, 1418, QT_TRANSLATE_NOOP("DrillLayout", "divided by"),
             "Label2"},
            {"Line4", 2993, 1778, 3233, 2018, "", ""},
            {"Line1", 1433, 2138, 4913, 2138, "", ""},
        },
        QStringLiteral(QT_TRANSLATE_NOOP("DrillLayout", "dividend")),
        QStringLiteral(QT_TRANSLATE_NOOP("DrillLayout", "divisor")),
    };
    return layout;
}

const DrillLayout &percentLayout()
{
    // The question's words stand at the operands' size: at the signs' 24 points they would not
    // fit their boxes, which are no taller than the operands'.
    static const DrillLayout layout{
        QStringLiteral("frmPercent"),
        QStringLiteral(QT_TRANSLATE_NOOP("DrillLayout", "Percent")),
        7560,
        5175,
        {
            {Welcome, "lblIntro", "", 113, 360, 7215, 495, 13.5, 4, Left},
            {Instruction, "Label4", kPercentInstruction.source, 113, 960, 6975, 255, 9.75, 8,
             Centre, false, "", "", kPercentInstruction.disambiguation},
            //: The upper row of the question "What percent of [second number] is [first number]".
            {Sign, "Label3", QT_TRANSLATE_NOOP("DrillLayout", "What Percent of:"), 1433, 1320, 2175,
             375, 13.5, 7, Centre},
            {Second, "Label2", "", 3713, 1320, 1215, 375, 13.5, 6, Right},
            //: The lower row of the question, before the number that is the part: "is [3]" of
            //: "What percent of [4] is [3]".
            {Sign, "Label6", QT_TRANSLATE_NOOP("DrillLayout", "is:"), 3113, 1800, 375, 375, 13.5,
             15, Centre},
            {First, "Label1", "", 3713, 1800, 1215, 375, 13.5, 5, Right},
            {Sign, "Label5", QT_TRANSLATE_NOOP("DrillLayout", "Answer ="), 2153, 2400, 1455, 375,
             13.5, 9, Centre},
            {Answer, "txtAnswer", "", 3713, 2400, 1215, 480, 13.5, 0, Right},
            {Verdict, "lblWinner", "", 6240, 1680, 195, 555, 24, 14, Centre},
            {Candidate, "lblfirst1", "", 233, 3240, 1215, 495, 13.5, 10, Right},
            {Candidate, "lblfirst2", "", 1793, 3240, 1215, 495, 13.5, 11, Right},
            {Candidate, "lblfirst3", "", 3713, 3240, 1215, 495, 13.5, 12, Right},
            {Candidate, "lblfirst4", "", 5633, 3240, 1215, 495, 13.5, 13, Right},
            {Exit, "cmdExit", kExit, 233, 4440, 1215, 615, kDrillDefaultPoints, 1, Centre},
            {Next, "cmdNext", kNext, 3176, 4440, 1215, 615, kDrillDefaultPoints, 3, Centre},
            {Back, "cmdBack", kBack, 6120, 4440, 1215, 615, kDrillDefaultPoints, 2, Centre},
        },
        {
            {"Line1", 1433, 2280, 5033, 2280, "", ""},
        },
        QString(),
        QString(),
    };
    return layout;
}

QString spokenCaption(const QString &caption)
{
    static const QList<QPair<QString, QString>> words = {
        {kPlus, QStringLiteral(QT_TRANSLATE_NOOP("DrillLayout", "plus"))},
        {kMinus, QStringLiteral(QT_TRANSLATE_NOOP("DrillLayout", "minus"))},
        {kTimes, QStringLiteral(QT_TRANSLATE_NOOP("DrillLayout", "times"))},
        {kEquals, QStringLiteral(QT_TRANSLATE_NOOP("DrillLayout", "equals"))},
        {QStringLiteral("Answer ="),
         QStringLiteral(QT_TRANSLATE_NOOP("DrillLayout", "Answer equals"))},
    };
    for (const auto &[sign, word] : words) {
        if (caption == sign) {
            return translated("DrillLayout", word);
        }
    }
    return translated("DrillLayout", caption);
}

QString problemSentence(const DrillLayout &layout, const QString &first, const QString &second)
{
    QStringList words;
    int operandsRead = 0;
    for (const DrillControl &row : layout.controls) {
        if (operandsRead == 2) {
            break;
        }
        for (const DrillLine &line : layout.lines) {
            if (!line.spoken.isEmpty() && line.readBefore == row.name) {
                words.append(translated("DrillLayout", line.spoken));
            }
        }
        switch (row.role) {
        case DrillRole::First:
            words.append(first);
            ++operandsRead;
            break;
        case DrillRole::Second:
            words.append(second);
            ++operandsRead;
            break;
        case DrillRole::Sign: {
            // "What Percent of:" reads on into its operand; a blank some languages set before the
            // colon goes with it.
            QString word = spokenCaption(row.caption);
            if (word.endsWith(QLatin1Char(':'))) {
                word.chop(1);
            }
            words.append(word.trimmed());
            break;
        }
        default:
            break;
        }
    }
    return words.join(QLatin1Char(' '));
}

QRect verdictRoom(const DrillLayout &layout)
{
    int left = 0;
    for (const DrillControl &row : layout.controls) {
        const bool problem = row.role == DrillRole::First || row.role == DrillRole::Second ||
                             row.role == DrillRole::Sign || row.role == DrillRole::Answer;
        if (problem) {
            left = std::max(left, row.left + row.width);
        }
    }
    for (const DrillLine &line : layout.lines) {
        left = std::max({left, line.x1, line.x2});
    }
    const DrillControl &instruction = layout.control(DrillRole::Instruction);
    const int top = instruction.top + instruction.height;
    const int bottom = layout.control(DrillRole::Candidate).top;
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
