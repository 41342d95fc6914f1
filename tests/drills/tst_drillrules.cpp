#include "ScriptedRandomSource.h"
#include "drills/DrillCycle.h"
#include "drills/DrillRules.h"
#include "platform/RandomSource.h"

#include <QTest>
#include <cmath>

Q_DECLARE_METATYPE(GradeBand)

namespace
{

// A problem of any of the five drills, in one shape for comparing.
struct Outcome {
    double first = 0;
    double second = 0;
    double answer = 0;
    int slot = 0;
    QString firstText;
    QString secondText;
    QStringList candidates;
    std::array<double, 4> values{};
    // Whether each candidate is judged the answer.
    QList<bool> judged;
};

Outcome outcomeOf(const ProblemCaptions &captions)
{
    Outcome outcome;
    outcome.firstText = captions.first;
    outcome.secondText = captions.second;
    for (const QString &caption : captions.candidates) {
        outcome.candidates.append(caption);
    }
    return outcome;
}

ProblemRule ruleFor(const QString &operation)
{
    if (operation == QLatin1String("subtraction")) {
        return &subtractionProblem;
    }
    if (operation == QLatin1String("multiplication")) {
        return &multiplicationProblem;
    }
    if (operation == QLatin1String("division")) {
        return &divisionProblem;
    }
    if (operation == QLatin1String("percent")) {
        return &percentProblem;
    }
    return &additionProblem;
}

Outcome runRule(const QString &operation, const QString &grade, RandomSource &random)
{
    const Problem p = ruleFor(operation)(grade, random);
    Outcome outcome = outcomeOf(p.captions);
    outcome.first = p.dblFirst;
    outcome.second = p.dblSecond;
    outcome.answer = p.dblAnswer;
    outcome.slot = p.intSlot;
    outcome.values = p.candidates;
    outcome.judged = {p.isAnswer(1), p.isAnswer(2), p.isAnswer(3), p.isAnswer(4)};
    return outcome;
}

float slotValue(int slot)
{
    return valueFor(slot, 4, 1);
}

const QStringList kOperations = {"addition", "subtraction", "multiplication", "division",
                                 "percent"};

} // namespace

class tst_DrillRules : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void gradeBands_data();
    void gradeBands();
    void operandBounds_data();
    void operandBounds();
    void slotDraw_data();
    void slotDraw();
    void integerCandidateTable_data();
    void integerCandidateTable();
    void subtraction_data();
    void subtraction();
    void division_data();
    void division();
    void percent_data();
    void percent();
    void noBand_data();
    void noBand();
    void cycleJudgesByValue_data();
    void cycleJudgesByValue();
    void selection_data();
    void selection();
    void keyTyped_data();
    void keyTyped();
    void gradePromptAsksUntilInBand_data();
    void gradePromptAsksUntilInBand();
    void propertiesOverManyDraws_data();
    void propertiesOverManyDraws();
};

void tst_DrillRules::gradeBands_data()
{
    QTest::addColumn<QString>("grade");
    QTest::addColumn<GradeBand>("band");
    // The parse of the typed text is the number unit's; here every band's edges, and one text
    // that is no number at all.
    QTest::addRow("1") << "1" << GradeBand::Grades1To2;
    QTest::addRow("2") << "2" << GradeBand::Grades1To2;
    QTest::addRow("3") << "3" << GradeBand::Grades3To4;
    QTest::addRow("4") << "4" << GradeBand::Grades3To4;
    QTest::addRow("5") << "5" << GradeBand::Grades5To6;
    QTest::addRow("6") << "6" << GradeBand::Grades5To6;
    QTest::addRow("7") << "7" << GradeBand::Grades5To6;
    QTest::addRow("just above 4") << "4.000001" << GradeBand::Grades5To6;
    QTest::addRow("0") << "0" << GradeBand::None;
    QTest::addRow("negative") << "-1" << GradeBand::None;
    QTest::addRow("negative 5") << "-5" << GradeBand::None;
    QTest::addRow("1.5") << "1.5" << GradeBand::None;
    QTest::addRow("2.5") << "2.5" << GradeBand::None;
    QTest::addRow("3.5") << "3.5" << GradeBand::None;
    QTest::addRow("just below 4") << "3.999999" << GradeBand::None;
    QTest::addRow("word two") << "two" << GradeBand::None;
}

void tst_DrillRules::gradeBands()
{
    QFETCH(QString, grade);
    QFETCH(GradeBand, band);
    QCOMPARE(gradeBand(grade), band);
}

void tst_DrillRules::operandBounds_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("grade");
    QTest::addColumn<float>("r");
    QTest::addColumn<double>("operand");
    QTest::addColumn<double>("answer");
    const float top = ScriptedRandomSource::justBelowOne();
    // The same r for both operands: the band's smallest or largest operand, twice.
    QTest::addRow("addition 1-2 low") << "addition"
                                      << "1" << 0.0F << 2.0 << 4.0;
    QTest::addRow("addition 1-2 high") << "addition"
                                       << "2" << top << 21.0 << 42.0;
    QTest::addRow("addition 3-4 low") << "addition"
                                      << "3" << 0.0F << 1.0 << 2.0;
    QTest::addRow("addition 3-4 high") << "addition"
                                       << "4" << top << 200.0 << 400.0;
    QTest::addRow("addition 5-6 low") << "addition"
                                      << "5" << 0.0F << 1.0 << 2.0;
    QTest::addRow("addition 5-6 high") << "addition"
                                       << "6" << top << 999.0 << 1998.0;
    QTest::addRow("addition 4.5 high") << "addition"
                                       << "4.5" << top << 999.0 << 1998.0;
    QTest::addRow("subtraction 3-4 low") << "subtraction"
                                         << "3" << 0.0F << 1.0 << 0.0;
    QTest::addRow("subtraction 5-6 low") << "subtraction"
                                         << "5" << 0.0F << 1.0 << 0.0;
    QTest::addRow("multiplication 3-4 low") << "multiplication"
                                            << "4" << 0.0F << 1.0 << 1.0;
    QTest::addRow("multiplication 5-6 low") << "multiplication"
                                            << "5" << 0.0F << 1.0 << 1.0;
    QTest::addRow("division 3-4 low") << "division"
                                      << "4" << 0.0F << 1.0 << 1.0;
    QTest::addRow("division 5-6 low") << "division"
                                      << "7" << 0.0F << 1.0 << 1.0;
    QTest::addRow("percent 1-2 low") << "percent"
                                     << "2" << 0.0F << 1.0 << 100.0;
    QTest::addRow("percent 3-4 low") << "percent"
                                     << "3" << 0.0F << 1.0 << 100.0;
    QTest::addRow("percent 5-6 low") << "percent"
                                     << "6" << 0.0F << 1.0 << 100.0;
    QTest::addRow("subtraction 1-2 low") << "subtraction"
                                         << "1" << 0.0F << 1.0 << 0.0;
    QTest::addRow("subtraction 1-2 high") << "subtraction"
                                          << "2" << top << 20.0 << 0.0;
    QTest::addRow("subtraction 3-4 high") << "subtraction"
                                          << "4" << top << 200.0 << 0.0;
    QTest::addRow("subtraction 5-6 high") << "subtraction"
                                          << "7" << top << 999.0 << 0.0;
    QTest::addRow("multiplication 1-2 low") << "multiplication"
                                            << "1" << 0.0F << 1.0 << 1.0;
    QTest::addRow("multiplication 1-2 high") << "multiplication"
                                             << "2" << top << 9.0 << 81.0;
    QTest::addRow("multiplication 3-4 high") << "multiplication"
                                             << "3" << top << 99.0 << 9801.0;
    QTest::addRow("multiplication 5-6 high") << "multiplication"
                                             << "6" << top << 150.0 << 22500.0;
    QTest::addRow("division 1-2 low") << "division"
                                      << "1" << 0.0F << 1.0 << 1.0;
    QTest::addRow("division 1-2 high") << "division"
                                       << "2" << top << 9.0 << 1.0;
    QTest::addRow("division 3-4 high") << "division"
                                       << "3" << top << 99.0 << 1.0;
    QTest::addRow("division 5-6 high") << "division"
                                       << "5" << top << 150.0 << 1.0;
    QTest::addRow("percent 1-2 equal") << "percent"
                                       << "1" << top << 9.0 << 100.0;
    QTest::addRow("percent 3-4 equal") << "percent"
                                       << "4" << top << 99.0 << 100.0;
    QTest::addRow("percent 5-6 equal") << "percent"
                                       << "100" << top << 150.0 << 100.0;
}

void tst_DrillRules::operandBounds()
{
    QFETCH(QString, operation);
    QFETCH(QString, grade);
    QFETCH(float, r);
    QFETCH(double, operand);
    QFETCH(double, answer);
    ScriptedRandomSource random({r, r, 0.0F});
    const Outcome outcome = runRule(operation, grade, random);
    QCOMPARE(outcome.first, operand);
    QCOMPARE(outcome.second, operand);
    QCOMPARE(outcome.firstText, QString::number(operand));
    QCOMPARE(outcome.secondText, QString::number(operand));
    QCOMPARE(outcome.answer, answer);
    QCOMPARE(outcome.slot, 1);
    QCOMPARE(random.draws(), 3);
}

void tst_DrillRules::slotDraw_data()
{
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("slot");
    QTest::addRow("0") << 0.0F << 1;
    QTest::addRow("just below a quarter") << std::nextafter(0.25F, 0.0F) << 1;
    QTest::addRow("a quarter") << 0.25F << 2;
    QTest::addRow("a half") << 0.5F << 3;
    QTest::addRow("three quarters") << 0.75F << 4;
    QTest::addRow("just below one") << ScriptedRandomSource::justBelowOne() << 4;
}

void tst_DrillRules::slotDraw()
{
    QFETCH(float, r);
    QFETCH(int, slot);
    for (const QString &operation : kOperations) {
        ScriptedRandomSource random({0.5F, 0.5F, r});
        QCOMPARE(runRule(operation, QStringLiteral("3"), random).slot, slot);
    }
}

void tst_DrillRules::integerCandidateTable_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("slot");
    QTest::addColumn<QList<int>>("values");
    QTest::addRow("42 slot 1") << 42 << 1 << QList<int>{42, 62, 45, 46};
    QTest::addRow("42 slot 2") << 42 << 2 << QList<int>{52, 42, 45, 46};
    QTest::addRow("42 slot 3") << 42 << 3 << QList<int>{52, 44, 42, 46};
    QTest::addRow("42 slot 4") << 42 << 4 << QList<int>{52, 44, 45, 42};
    QTest::addRow("-145 slot 1") << -145 << 1 << QList<int>{-145, -125, -142, -141};
    QTest::addRow("-15 slot 1") << -15 << 1 << QList<int>{-15, 5, -12, -11};
    QTest::addRow("-3 slot 3") << -3 << 3 << QList<int>{7, -1, -3, 1};
    QTest::addRow("0 slot 4") << 0 << 4 << QList<int>{10, 2, 3, 0};
    QTest::addRow("22500 slot 1") << 22500 << 1 << QList<int>{22500, 22520, 22503, 22504};
}

void tst_DrillRules::integerCandidateTable()
{
    QFETCH(int, answer);
    QFETCH(int, slot);
    QFETCH(QList<int>, values);
    const std::array<Integer, 4> candidates =
        integerCandidates(static_cast<Integer>(answer), static_cast<Integer>(slot));
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(int(candidates[static_cast<std::size_t>(i)]), values.at(i));
    }
}

void tst_DrillRules::subtraction_data()
{
    QTest::addColumn<QString>("grade");
    QTest::addColumn<int>("drawnFirst");
    QTest::addColumn<int>("drawnSecond");
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("firstText");
    QTest::addColumn<QString>("secondText");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QStringList>("candidates");
    QTest::addRow("1-2 drawn 1 and 2 shows 10 - 2")
        << "1" << 1 << 2 << 2 << "10"
        << "2" << 8 << QStringList{"18", "8", "11", "12"};
    QTest::addRow("1-2 drawn 19 and 20 shows 46 - 20")
        << "2" << 19 << 20 << 4 << "46"
        << "20" << 26 << QStringList{"36", "28", "29", "26"};
    QTest::addRow("1-2 equal drawn") << "2" << 7 << 7 << 1 << "7"
                                     << "7" << 0 << QStringList{"0", "20", "3", "4"};
    QTest::addRow("1-2 first larger") << "1" << 20 << 1 << 3 << "20"
                                      << "1" << 19 << QStringList{"29", "21", "19", "23"};
    QTest::addRow("3-4 negative 5 - 150")
        << "3" << 5 << 150 << 1 << "5"
        << "150" << -145 << QStringList{"-145", "-125", "-142", "-141"};
    QTest::addRow("5-6 negative 1 - 999")
        << "6" << 1 << 999 << 2 << "1"
        << "999" << -998 << QStringList{"-988", "-998", "-995", "-994"};
    QTest::addRow("5-6 largest 999 - 1")
        << "5" << 999 << 1 << 1 << "999"
        << "1" << 998 << QStringList{"998", "1018", "1001", "1002"};
}

void tst_DrillRules::subtraction()
{
    QFETCH(QString, grade);
    QFETCH(int, drawnFirst);
    QFETCH(int, drawnSecond);
    QFETCH(int, slot);
    QFETCH(QString, firstText);
    QFETCH(QString, secondText);
    QFETCH(int, answer);
    QFETCH(QStringList, candidates);
    const int k = gradeBand(grade) == GradeBand::Grades1To2
                      ? 20
                      : (gradeBand(grade) == GradeBand::Grades3To4 ? 200 : 999);
    ScriptedRandomSource random(
        {valueFor(drawnFirst, k, 1), valueFor(drawnSecond, k, 1), slotValue(slot)});
    const Problem p = subtractionProblem(grade, random);
    QCOMPARE(p.captions.first, firstText);
    QCOMPARE(p.captions.second, secondText);
    QCOMPARE(int(p.intFirst()), firstText.toInt());
    QCOMPARE(int(p.intSecond()), drawnSecond);
    QCOMPARE(int(p.intAnswer()), answer);
    QCOMPARE(int(p.intSlot), slot);
    QCOMPARE(outcomeOf(p.captions).candidates, candidates);
    QCOMPARE(random.draws(), 3);
}

void tst_DrillRules::division_data()
{
    QTest::addColumn<QString>("grade");
    QTest::addColumn<int>("dividend");
    QTest::addColumn<int>("divisor");
    QTest::addColumn<int>("slot");
    QTest::addColumn<double>("answer");
    QTest::addColumn<QStringList>("candidates");
    QTest::addRow("1/8 half to even 0.12")
        << "1" << 1 << 8 << 2 << 0.12 << QStringList{"0.22", "0.12", "0.42", "0.52"};
    QTest::addRow("3/8 half to even 0.38")
        << "2" << 3 << 8 << 1 << 0.38 << QStringList{"0.38", "0.58", "0.68", "0.78"};
    QTest::addRow("5/8 half to even 0.62")
        << "1" << 5 << 8 << 4 << 0.62 << QStringList{"0.72", "0.82", "0.92", "0.62"};
    QTest::addRow("7/8 half to even 0.88")
        << "1" << 7 << 8 << 3 << 0.88 << QStringList{"0.98", "1.08", "0.88", "1.28"};
    QTest::addRow("9/8 in slot 1")
        << "4" << 9 << 8 << 1 << 1.12 << QStringList{"1.12", "1.32", "1.42", "1.52"};
    QTest::addRow("9/8 in slot 2 sum 1.12 + 0.1")
        << "4" << 9 << 8 << 2 << 1.12 << QStringList{"1.22", "1.12", "1.42", "1.52"};
    QTest::addRow("2/3") << "1" << 2 << 3 << 1 << 0.67
                         << QStringList{"0.67", "0.87", "0.97", "1.07"};
    QTest::addRow("8/4") << "2" << 8 << 4 << 3 << 2.0 << QStringList{"2.1", "2.2", "2", "2.4"};
    QTest::addRow("1/150") << "5" << 1 << 150 << 1 << 0.01
                           << QStringList{"0.01", "0.21", "0.31", "0.41"};
    QTest::addRow("1/99") << "3" << 1 << 99 << 4 << 0.01
                          << QStringList{"0.11", "0.21", "0.31", "0.01"};
    QTest::addRow("150/1 largest")
        << "6" << 150 << 1 << 4 << 150.0 << QStringList{"150.1", "150.2", "150.3", "150"};
}

void tst_DrillRules::division()
{
    QFETCH(QString, grade);
    QFETCH(int, dividend);
    QFETCH(int, divisor);
    QFETCH(int, slot);
    QFETCH(double, answer);
    QFETCH(QStringList, candidates);
    const int k = gradeBand(grade) == GradeBand::Grades1To2
                      ? 9
                      : (gradeBand(grade) == GradeBand::Grades3To4 ? 99 : 150);
    ScriptedRandomSource random(
        {valueFor(dividend, k, 1), valueFor(divisor, k, 1), slotValue(slot)});
    const Problem p = divisionProblem(grade, random);
    QCOMPARE(p.dblFirst, double(dividend));
    QCOMPARE(p.dblSecond, double(divisor));
    QCOMPARE(p.captions.first, QString::number(dividend));
    QCOMPARE(p.captions.second, QString::number(divisor));
    QCOMPARE(p.dblAnswer, answer);
    QCOMPARE(int(p.intSlot), slot);
    QCOMPARE(outcomeOf(p.captions).candidates, candidates);
    QVERIFY(p.isAnswer(slot));
}

void tst_DrillRules::percent_data()
{
    // first stands beside "is:", second beside "What Percent of:"; the answer is first as a
    // percentage of second in every band.
    QTest::addColumn<QString>("grade");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<int>("slot");
    QTest::addColumn<double>("answer");
    QTest::addColumn<QStringList>("candidates");
    QTest::addRow("grade 1, 3 of 4 is 75")
        << "1" << 3 << 4 << 2 << 75.0 << QStringList{"75.1", "75", "75.3", "75.4"};
    QTest::addRow("grade 3, 3 of 4 is 75")
        << "3" << 3 << 4 << 1 << 75.0 << QStringList{"75", "75.2", "75.3", "75.4"};
    QTest::addRow("grade 5, 3 of 4 is 75")
        << "5" << 3 << 4 << 4 << 75.0 << QStringList{"75.1", "75.2", "75.3", "75"};
    QTest::addRow("grade 2, 4 of 3 is 133.33")
        << "2" << 4 << 3 << 1 << 133.33 << QStringList{"133.33", "133.53", "133.63", "133.73"};
    QTest::addRow("grade 4, 4 of 3 is 133.33")
        << "4" << 4 << 3 << 3 << 133.33 << QStringList{"133.43", "133.53", "133.33", "133.73"};
    QTest::addRow("grade 6, 4 of 3 is 133.33")
        << "6" << 4 << 3 << 2 << 133.33 << QStringList{"133.43", "133.33", "133.63", "133.73"};
    QTest::addRow("grade 5, 150 of 1 is 15000")
        << "5" << 150 << 1 << 1 << 15000.0 << QStringList{"15000", "15000.2", "15000.3", "15000.4"};
    QTest::addRow("grade 7, 150 of 1 is 15000")
        << "7" << 150 << 1 << 3 << 15000.0 << QStringList{"15000.1", "15000.2", "15000", "15000.4"};
    QTest::addRow("grade 5, 1 of 150 is 0.67")
        << "5" << 1 << 150 << 1 << 0.67 << QStringList{"0.67", "0.87", "0.97", "1.07"};
    QTest::addRow("grade 100, 1 of 150 is 0.67")
        << "100" << 1 << 150 << 4 << 0.67 << QStringList{"0.77", "0.87", "0.97", "0.67"};
    QTest::addRow("grade 3, 1 of 99 is 1.01")
        << "3" << 1 << 99 << 1 << 1.01 << QStringList{"1.01", "1.21", "1.31", "1.41"};
    QTest::addRow("grade 2, 1 of 3 is 33.33")
        << "2" << 1 << 3 << 1 << 33.33 << QStringList{"33.33", "33.53", "33.63", "33.73"};
    QTest::addRow("grade 2, 9 of 1 is 900")
        << "2" << 9 << 1 << 3 << 900.0 << QStringList{"900.1", "900.2", "900", "900.4"};
    QTest::addRow("grade 2, 1 of 8 is 12.5")
        << "2" << 1 << 8 << 1 << 12.5 << QStringList{"12.5", "12.7", "12.8", "12.9"};
    QTest::addRow("grade 1, 1 of 9 is 11.11")
        << "1" << 1 << 9 << 2 << 11.11 << QStringList{"11.21", "11.11", "11.41", "11.51"};
    QTest::addRow("grade 1 equal, 100")
        << "1" << 5 << 5 << 1 << 100.0 << QStringList{"100", "100.2", "100.3", "100.4"};
    QTest::addRow("grade 3 equal, 100")
        << "3" << 5 << 5 << 1 << 100.0 << QStringList{"100", "100.2", "100.3", "100.4"};
    QTest::addRow("grade 4, 51 of 80 is 63.75")
        << "4" << 51 << 80 << 1 << 63.75 << QStringList{"63.75", "63.95", "64.05", "64.15"};
    QTest::addRow("grade 3, 1 of 32 is 3.125, half to even 3.12")
        << "3" << 1 << 32 << 1 << 3.12 << QStringList{"3.12", "3.32", "3.42", "3.52"};
    QTest::addRow("grade 5, 3 of 32 is 9.375, half to even 9.38")
        << "5" << 3 << 32 << 2 << 9.38 << QStringList{"9.48", "9.38", "9.68", "9.78"};
}

void tst_DrillRules::percent()
{
    QFETCH(QString, grade);
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(int, slot);
    QFETCH(double, answer);
    QFETCH(QStringList, candidates);
    const int k = gradeBand(grade) == GradeBand::Grades1To2
                      ? 9
                      : (gradeBand(grade) == GradeBand::Grades3To4 ? 99 : 150);
    ScriptedRandomSource random({valueFor(first, k, 1), valueFor(second, k, 1), slotValue(slot)});
    const Problem p = percentProblem(grade, random);
    QCOMPARE(p.dblFirst, double(first));
    QCOMPARE(p.dblSecond, double(second));
    QCOMPARE(p.captions.first, QString::number(first));
    QCOMPARE(p.captions.second, QString::number(second));
    QCOMPARE(p.dblAnswer, answer);
    QCOMPARE(int(p.intSlot), slot);
    QCOMPARE(random.draws(), 3);
    QCOMPARE(outcomeOf(p.captions).candidates, candidates);
    QVERIFY(p.isAnswer(slot));
}

void tst_DrillRules::noBand_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("grade");
    QTest::addColumn<int>("slot");
    QTest::addColumn<QStringList>("candidates");
    QTest::addRow("addition grade 0 slot 1") << "addition"
                                             << "0" << 1 << QStringList{"0", "20", "3", "4"};
    QTest::addRow("subtraction grade -3 slot 2") << "subtraction"
                                                 << "-3" << 2 << QStringList{"10", "0", "3", "4"};
    QTest::addRow("multiplication grade 3.5 slot 3")
        << "multiplication"
        << "3.5" << 3 << QStringList{"10", "2", "0", "4"};
    QTest::addRow("division grade 2.5 slot 2")
        << "division"
        << "2.5" << 2 << QStringList{"0.1", "0", "0.3", "0.4"};
    QTest::addRow("percent grade 0 slot 4") << "percent"
                                            << "0" << 4 << QStringList{"0.1", "0.2", "0.3", "0"};
    QTest::addRow("percent grade 1.5 slot 1")
        << "percent"
        << "1.5" << 1 << QStringList{"0", "0.2", "0.3", "0.4"};
}

void tst_DrillRules::noBand()
{
    QFETCH(QString, operation);
    QFETCH(QString, grade);
    QFETCH(int, slot);
    QFETCH(QStringList, candidates);
    ScriptedRandomSource random({slotValue(slot)});
    const Outcome outcome = runRule(operation, grade, random);
    QCOMPARE(random.draws(), 1);
    QCOMPARE(outcome.firstText, QString());
    QCOMPARE(outcome.secondText, QString());
    QCOMPARE(outcome.first, 0.0);
    QCOMPARE(outcome.second, 0.0);
    QCOMPARE(outcome.answer, 0.0);
    QCOMPARE(outcome.slot, slot);
    QCOMPARE(outcome.candidates, candidates);
}

void tst_DrillRules::cycleJudgesByValue_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QList<float>>("draws");
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("answerText");
    // Grade 3: operands Int(Rnd * k + 1), then the slot Int(Rnd * 4 + 1).
    QTest::addRow("addition 5 + 7 in label 2")
        << "addition" << QList<float>{valueFor(5, 200, 1), valueFor(7, 200, 1), slotValue(2)} << 2
        << "12";
    QTest::addRow("subtraction 5 - 7 in label 1")
        << "subtraction" << QList<float>{valueFor(5, 200, 1), valueFor(7, 200, 1), slotValue(1)}
        << 1 << "-2";
    QTest::addRow("division 2 / 3 in label 4")
        << "division" << QList<float>{valueFor(2, 99, 1), valueFor(3, 99, 1), slotValue(4)} << 4
        << "0.67";
    QTest::addRow("percent 3 of 4 in label 3")
        << "percent" << QList<float>{valueFor(3, 99, 1), valueFor(4, 99, 1), slotValue(3)} << 3
        << "75";
}

void tst_DrillRules::cycleJudgesByValue()
{
    QFETCH(QString, operation);
    QFETCH(QList<float>, draws);
    QFETCH(int, slot);
    QFETCH(QString, answerText);
    ScriptedRandomSource random(draws);
    ProblemCycle cycle(ruleFor(operation));
    // Nothing on show yet: no candidate is right, not even one whose value is the 0 answer.
    for (int k = 1; k <= 4; ++k) {
        QVERIFY(!cycle.judge(k));
    }
    cycle.next(QStringLiteral("3"), random);
    for (int k = 1; k <= 4; ++k) {
        QCOMPARE(cycle.judge(k), k == slot);
    }
    QCOMPARE(cycle.problem().answerText(), answerText);
    QCOMPARE(int(cycle.problem().intSlot), slot);
    cycle.clear();
    QCOMPARE(cycle.problem().dblAnswer, 0.0);
    QCOMPARE(cycle.problem().dblFirst, 0.0);
    QCOMPARE(int(cycle.problem().intSlot), 1);
    QVERIFY(!cycle.judge(slot));
}

void tst_DrillRules::selection_data()
{
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<int>("selected");
    QTest::addRow("none") << QList<int>{} << 0;
    QTest::addRow("one click") << QList<int>{3} << 3;
    QTest::addRow("second click on the same drops it") << QList<int>{3, 3} << 0;
    QTest::addRow("another moves it") << QList<int>{3, 1} << 1;
    QTest::addRow("three clicks on one") << QList<int>{2, 2, 2} << 2;
}

void tst_DrillRules::selection()
{
    QFETCH(QList<int>, clicks);
    QFETCH(int, selected);
    CandidateSelection selection;
    for (const int index : clicks) {
        selection.click(index);
    }
    QCOMPARE(selection.selected(), selected);
}

void tst_DrillRules::keyTyped_data()
{
    QTest::addColumn<QChar>("key");
    QTest::addColumn<bool>("answerBoxFocused");
    QTest::addColumn<int>("chosen");
    QTest::addColumn<int>("selectedAfter");
    QTest::addRow("1 chooses the first") << QChar('1') << false << 1 << 2;
    QTest::addRow("4 chooses the last") << QChar('4') << false << 4 << 2;
    QTest::addRow("0 is no candidate") << QChar('0') << false << 0 << 2;
    QTest::addRow("5 is no candidate") << QChar('5') << false << 0 << 2;
    QTest::addRow("letter") << QChar('a') << false << 0 << 2;
    QTest::addRow("digit typed into the answer box") << QChar('2') << true << 0 << 2;
    QTest::addRow("escape drops the pick") << QChar(0x1B) << false << 0 << 0;
    QTest::addRow("escape in the answer box too") << QChar(0x1B) << true << 0 << 0;
}

void tst_DrillRules::keyTyped()
{
    QFETCH(QChar, key);
    QFETCH(bool, answerBoxFocused);
    QFETCH(int, chosen);
    QFETCH(int, selectedAfter);
    CandidateSelection selection;
    selection.click(2);
    QCOMPARE(selection.keyTyped(key, answerBoxFocused), chosen);
    QCOMPARE(selection.selected(), selectedAfter);
}

void tst_DrillRules::gradePromptAsksUntilInBand_data()
{
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QString>("grade");
    QTest::addColumn<int>("asked");
    QTest::addRow("first answer in band") << QStringList{"3"} << "3" << 1;
    QTest::addRow("no number, then 0, then 2.5, then 6")
        << QStringList{"abc", "0", "2.5", "6"} << "6" << 4;
    QTest::addRow("cancelled after a wrong one") << QStringList{"-1", ""} << "" << 2;
    QTest::addRow("above 6 is band 5-6") << QStringList{"9"} << "9" << 1;
}

void tst_DrillRules::gradePromptAsksUntilInBand()
{
    QFETCH(QStringList, answers);
    QFETCH(QString, grade);
    QFETCH(int, asked);
    int calls = 0;
    QCOMPARE(askGradeInBand([&] { return answers.at(calls++); }), grade);
    QCOMPARE(calls, asked);
}

void tst_DrillRules::propertiesOverManyDraws_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("grade");
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    const QList<std::tuple<QString, QString, double, double>> rows = {
        {"addition", "1", 2, 21},        {"addition", "4", 1, 200},
        {"addition", "6", 1, 999},       {"subtraction", "2", 1, 46},
        {"subtraction", "3", 1, 200},    {"subtraction", "5", 1, 999},
        {"multiplication", "1", 1, 9},   {"multiplication", "3", 1, 99},
        {"multiplication", "6", 1, 150}, {"division", "2", 1, 9},
        {"division", "4", 1, 99},        {"division", "5", 1, 150},
        {"percent", "1", 1, 9},          {"percent", "3", 1, 99},
        {"percent", "7", 1, 150},
    };
    for (const auto &[operation, grade, low, high] : rows) {
        QTest::addRow("%s grade %s", qPrintable(operation), qPrintable(grade))
            << operation << grade << low << high;
    }
}

void tst_DrillRules::propertiesOverManyDraws()
{
    QFETCH(QString, operation);
    QFETCH(QString, grade);
    QFETCH(double, low);
    QFETCH(double, high);
    Pcg32RandomSource random;
    double seenLow = high;
    double seenHigh = low;
    for (int i = 0; i < 3000; ++i) {
        const Outcome outcome = runRule(operation, grade, random);
        QVERIFY(outcome.slot >= 1 && outcome.slot <= 4);
        QVERIFY(outcome.first >= low && outcome.first <= high);
        QVERIFY(outcome.second >= low && outcome.second <= high);
        seenLow = std::min({seenLow, outcome.first, outcome.second});
        seenHigh = std::max({seenHigh, outcome.first, outcome.second});
        QCOMPARE(QSet<QString>(outcome.candidates.begin(), outcome.candidates.end()).size(), 4);
        for (int k = 1; k <= 4; ++k) {
            QVERIFY(outcome.values.at(std::size_t(k - 1)) >= outcome.answer);
            QCOMPARE(outcome.judged.at(k - 1), k == outcome.slot);
        }
    }
    // Both ends of the range are reached, where a fixed-step draw could miss them.
    if (operation != QLatin1String("subtraction") || grade != QLatin1String("2")) {
        QCOMPARE(seenLow, low);
        QCOMPARE(seenHigh, high);
    }
}

QTEST_GUILESS_MAIN(tst_DrillRules)
#include "tst_drillrules.moc"
