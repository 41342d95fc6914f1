#pragma once

#include "printing/PrintModel.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// In the order of the subject list of the request window, whose positions select them.
enum class Subject { Addition, Subtraction, Division, Multiplication, Percents };

// Pair rows: ten rows of two problems, top operand over a signed bottom operand, draws a, b, c,
// d. One line: twenty lines of x, a middle text and y, draws x then y.
enum class SheetShape { PairRows, OneLine };

// Which operand of a pair-row problem the answer is aligned on: the answer starts in the column
// of that operand's leading blank, whatever the answer's own length.
enum class AnswerUnder { Top, Bottom };

// Everything that differs between the worksheets. Building, rendering, the request window's
// list and the command line read the row; a new subject is a new row (and its enumerator).
struct SubjectRow {
    Subject subject;
    QString commandName;    // the command line's --worksheet value
    QStringList otherNames; // further values the command line takes for it
    int commandOrder;       // position in the command line's help and messages
    QString listCaption;    // the request window's list item, also the question's title
    QString instruction;    // the heading's last line
    SheetShape shape;
    // Asked before anything is printed; with No, a bottom operand larger than its top one is
    // added to the top, so no difference is negative. Empty: nothing is asked.
    QString negativesQuestion;
    // A second operand of 0 is drawn again, as it divides (one line only).
    bool secondNeverZero;
    // The answer of one problem from its operands as printed.
    double (*answer)(double first, double second);
    // Pair rows.
    QString sign; // before the bottom operand
    AnswerUnder answerUnder;
    // One line.
    QString middle;      // between x and y
    int secondEndColumn; // the column of y's last digit
    PrintSeparator afterSecond;
    // The answer line: label and answer with answers, label and blank line without.
    QString answerLabel;
    QString blankLabel;
    QString blankLine;
};

// The rows in the order of the Subject enumerators.
const QList<SubjectRow> &subjectRows();
const SubjectRow &subjectRow(Subject subject);

// The command line's name, "addition" ... "percent".
QString subjectName(Subject subject);
// A command name or one of a subject's other names, exactly as written.
std::optional<Subject> subjectFromName(const QString &name);
// The rows ordered as the command line names them.
QList<SubjectRow> subjectsInCommandOrder();
