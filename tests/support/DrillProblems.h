#pragma once

#include "ScriptedRandomSource.h"

#include <QList>
#include <QString>
#include <QStringList>

// One scripted problem per drill at grade 3 (operands Int(Rnd * k + 1), then the slot), with
// what the window shows and says of it, for the drill window tests.
struct ScriptedProblem {
    QList<float> values;
    QString label1;
    QString label2;
    QStringList candidates;
    int slot;
    QString answerText;
    // The problem as a screen reader is told it.
    QString sentence;
};

inline ScriptedProblem scriptedProblem(const QString &drill)
{
    const int k = drill == QLatin1String("frmAddition") || drill == QLatin1String("frmSubtraction")
                      ? 200
                      : 99;
    const auto v = [k](int wanted) { return valueFor(wanted, k, 1); };
    const auto slot = [](int s) { return valueFor(s, 4, 1); };
    if (drill == QLatin1String("frmAddition")) {
        return {{v(5), v(7), slot(2)}, "5", "7", {"22", "12", "15", "16"}, 2, "12", "5 plus 7"};
    }
    if (drill == QLatin1String("frmSubtraction")) {
        return {{v(5), v(7), slot(1)}, "5", "7", {"-2", "18", "1", "2"}, 1, "-2", "5 minus 7"};
    }
    if (drill == QLatin1String("frmMultiplication")) {
        return {{v(6), v(7), slot(3)}, "6", "7", {"52", "44", "42", "46"}, 3, "42", "6 times 7"};
    }
    if (drill == QLatin1String("frmDivision")) {
        return {{v(2), v(3), slot(4)}, "2", "3", {"0.77", "0.87", "0.97", "0.67"}, 4, "0.67",
                "2 divided by 3"};
    }
    // "What Percent of:" 4 (the second operand) "is:" 3 (the first): 75.
    return {{v(3), v(4), slot(1)},   "3", "4", {"75", "75.2", "75.3", "75.4"}, 1, "75",
            "What Percent of 4 is 3"};
}

inline const QStringList kDrills = {"frmAddition", "frmSubtraction", "frmMultiplication",
                                    "frmDivision", "frmPercent"};

// A candidate that is not the answer.
inline int wrongIndex(int slot)
{
    return slot == 1 ? 2 : 1;
}
