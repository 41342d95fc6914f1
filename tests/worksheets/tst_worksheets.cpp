#include "ScriptedRandomSource.h"
#include "platform/RandomSource.h"
#include "printing/TextSurface.h"
#include "worksheets/Worksheets.h"

#include <QTest>
#include <cmath>

Q_DECLARE_METATYPE(Subject)

namespace
{

// A printed line from (column, text) pieces, trailing blanks dropped like the text surface.
QString placed(const QList<QPair<int, QString>> &pieces)
{
    QString line;
    for (const auto &[column, text] : pieces) {
        line.resize(std::max<qsizetype>(line.size(), column - 1 + text.size()), QLatin1Char(' '));
        line.replace(column - 1, text.size(), text);
    }
    while (line.endsWith(QLatin1Char(' '))) {
        line.chop(1);
    }
    return line;
}

constexpr int kHeadingLines = 8;

} // namespace

class tst_Worksheets : public QObject
{
    Q_OBJECT
private slots:
    void heading_data();
    void heading();
    void pairRowText_data();
    void pairRowText();
    void pairRowColumns_data();
    void pairRowColumns();
    void drawOrderOfTheRows_data();
    void drawOrderOfTheRows();
    void subtractionRule_data();
    void subtractionRule();
    void productsAreThirtyTwoBits();
    void oneLineProblems_data();
    void oneLineProblems();
    void oneLineColumns_data();
    void oneLineColumns();
    void seedOffsetBounds_data();
    void seedOffsetBounds();
    void zeroDivisorIsDrawnAgain_data();
    void zeroDivisorIsDrawnAgain();
    void answersAreReadAtEachAnswerLine_data();
    void answersAreReadAtEachAnswerLine();
    void subjectNames_data();
    void subjectNames();
};

void tst_Worksheets::heading_data()
{
    QTest::addColumn<Subject>("subject");
    QTest::addColumn<QString>("instruction");
    QTest::addColumn<int>("problemSizes"); // 12 pt set again before each row or line
    QTest::addColumn<QStringList>("numberedLines");
    const QStringList rows = {"1", "3", "5", "7", "9", "11", "13", "15", "17", "19"};
    QStringList lines;
    for (int i = 1; i <= 20; ++i) {
        lines.append(QString::number(i));
    }
    QTest::addRow("addition") << Subject::Addition << "Add the following numbers" << 10 << rows;
    QTest::addRow("subtraction") << Subject::Subtraction << "Subtract the following numbers" << 10
                                 << rows;
    QTest::addRow("multiplication")
        << Subject::Multiplication << "Multiply the following numbers" << 10 << rows;
    QTest::addRow("division") << Subject::Division << "Divide the following numbers" << 20 << lines;
    QTest::addRow("percent") << Subject::Percents << "Find the percent of the following numbers"
                             << 20 << lines;
}

void tst_Worksheets::heading()
{
    QFETCH(Subject, subject);
    QFETCH(QString, instruction);
    QFETCH(int, problemSizes);
    QFETCH(QStringList, numberedLines);
    Pcg32RandomSource random;
    const PrintDocument document =
        renderWorksheet(buildWorksheet(subject, 3, 4, random, false), false);
    const QStringList lines = textLines(document);
    QCOMPARE(lines.mid(0, kHeadingLines),
             (QStringList{"", "", "NAME: __________________", "", "DATE: __________________", "",
                          instruction, ""}));

    // Font name and heading size first, 12 pt again before every problem row or line, one end.
    const QList<PrintCommand> &commands = document.commands();
    QCOMPARE(commands.at(0).kind, PrintCommand::Kind::FontName);
    QCOMPARE(commands.at(0).fontName, QString("Times New Roman"));
    QCOMPARE(commands.at(1).kind, PrintCommand::Kind::FontSize);
    QCOMPARE(commands.at(1).fontSize, 14.0);
    int sizes = 0;
    int names = 0;
    int ends = 0;
    for (const PrintCommand &command : commands) {
        sizes += command.kind == PrintCommand::Kind::FontSize && command.fontSize == 12.0;
        names += command.kind == PrintCommand::Kind::FontName;
        ends += command.kind == PrintCommand::Kind::EndDocument;
    }
    QCOMPARE(sizes, problemSizes);
    QCOMPARE(names, 1);
    QCOMPARE(ends, 1);
    QCOMPARE(commands.last().kind, PrintCommand::Kind::EndDocument);
    // Ten rows of four lines or twenty of two: forty either way, told apart by the lines that
    // open with a problem number.
    QCOMPARE(lines.size(), kHeadingLines + 40);
    QStringList numbers;
    for (const QString &line : lines.mid(kHeadingLines)) {
        const QStringList words = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (words.size() > 1 && words.at(1) == QLatin1String(")")) {
            numbers.append(words.at(0));
        }
    }
    QCOMPARE(numbers, numberedLines);
}

void tst_Worksheets::pairRowText_data()
{
    QTest::addColumn<Subject>("subject");
    QTest::addColumn<bool>("answers");
    QTest::addColumn<QList<double>>("left"); // first, second, answer
    QTest::addColumn<QList<double>>("right");
    QTest::addColumn<QStringList>("row");

    // Operands of both one- and four-digit lengths.
    const QList<double> sum = {5, 12, 17};
    const QList<double> sumRight = {123, 1017, 1140};
    const QList<double> product = {5, 12, 60};
    const QList<double> productRight = {123, 1017, 125091};
    const QString top = placed({{1, " 1 )"}, {29, " 5 "}, {43, " 2 )"}, {67, " 123 "}});
    const QString blank = placed({{15, "Answer__________"}, {57, "Answer__________"}});
    QTest::addRow("addition with answers")
        << Subject::Addition << true << sum << sumRight
        << QStringList{top, placed({{27, "+ 12 "}, {65, "+ 1017 "}}),
                       placed({{15, "Answer "}, {28, " 17 "}, {57, "Answer "}, {66, " 1140 "}}),
                       ""};
    QTest::addRow("addition blank")
        << Subject::Addition << false << sum << sumRight
        << QStringList{top, placed({{27, "+ 12 "}, {65, "+ 1017 "}}), blank, ""};
    QTest::addRow("multiplication with answers")
        << Subject::Multiplication << true << product << productRight
        << QStringList{top, placed({{27, "x 12 "}, {65, "x 1017 "}}),
                       placed({{15, "Answer "}, {28, " 60 "}, {57, "Answer "}, {66, " 125091 "}}),
                       ""};
    QTest::addRow("multiplication blank")
        << Subject::Multiplication << false << product << productRight
        << QStringList{top, placed({{27, "x 12 "}, {65, "x 1017 "}}), blank, ""};
    // The minus of a negative answer takes the place of the leading blank, from column
    // 30 - L(top): the answers stand under the top operands.
    QTest::addRow("subtraction with answers, one negative")
        << Subject::Subtraction << true << QList<double>{5, 12, -7} << QList<double>{1005, 7, 998}
        << QStringList{placed({{1, " 1 )"}, {29, " 5 "}, {43, " 2 )"}, {66, " 1005 "}}),
                       placed({{27, "- 12 "}, {68, "- 7 "}}),
                       placed({{15, "Answer "}, {29, "-7 "}, {57, "Answer "}, {66, " 998 "}}), ""};
}

void tst_Worksheets::pairRowText()
{
    QFETCH(Subject, subject);
    QFETCH(bool, answers);
    QFETCH(QList<double>, left);
    QFETCH(QList<double>, right);
    QFETCH(QStringList, row);
    Worksheet sheet;
    sheet.subject = subject;
    sheet.grade = 6;
    sheet.seedOffset = 19;
    sheet.problems = {{left.at(0), left.at(1), left.at(2)},
                      {right.at(0), right.at(1), right.at(2)}};
    for (int i = 2; i < 20; ++i) {
        sheet.problems.append({19, 19, 0});
    }
    const QStringList lines = textLines(renderWorksheet(sheet, answers));
    QCOMPARE(lines.mid(kHeadingLines, 4), row);
}

void tst_Worksheets::pairRowColumns_data()
{
    QTest::addColumn<Subject>("subject");
    QTest::addColumn<int>("grade");
    QTest::addColumn<int>("seedOffset");
    QTest::addColumn<bool>("answers");
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("lines");
    // Rows of the sheets a fresh start draws; each answer stands under the operand it is aligned
    // with, by that operand's digit count.
    QTest::addRow("addition grade 1, last row")
        << Subject::Addition << 1 << 0 << true << 10
        << QStringList{placed({{2, "19 )"}, {29, "17"}, {44, "20 )"}, {70, "5"}}),
                       placed({{27, "+ 11"}, {67, "+ 17"}}),
                       placed({{15, "Answer"}, {29, "28"}, {57, "Answer"}, {69, "22"}})};
    QTest::addRow("subtraction grade 4 offset 19, answers under the top operands")
        << Subject::Subtraction << 4 << 19 << true << 10
        << QStringList{placed({{2, "19 )"}, {28, "106"}, {44, "20 )"}, {69, "43"}}),
                       placed({{27, "- 74"}, {66, "- 106"}}),
                       placed({{15, "Answer"}, {28, "32"}, {57, "Answer"}, {68, "-63"}})};
    QTest::addRow("multiplication grade 6 offset 19, six digits under three")
        << Subject::Multiplication << 6 << 19 << true << 1
        << QStringList{placed({{2, "1 )"}, {28, "648"}, {44, "2 )"}, {68, "500"}}),
                       placed({{26, "x 745"}, {66, "x 533"}}),
                       placed({{15, "Answer"}, {28, "482760"}, {57, "Answer"}, {68, "266500"}})};
    QTest::addRow("addition grade 6, blank")
        << Subject::Addition << 6 << 0 << false << 1
        << QStringList{placed({{2, "1 )"}, {28, "629"}, {44, "2 )"}, {68, "481"}}),
                       placed({{26, "+ 726"}, {66, "+ 514"}}),
                       placed({{15, "Answer__________"}, {57, "Answer__________"}})};
}

void tst_Worksheets::pairRowColumns()
{
    QFETCH(Subject, subject);
    QFETCH(int, grade);
    QFETCH(int, seedOffset);
    QFETCH(bool, answers);
    QFETCH(int, row);
    QFETCH(QStringList, lines);
    Pcg32RandomSource random;
    const Worksheet sheet = buildWorksheet(subject, grade, seedOffset, random, true);
    const QStringList printed = textLines(renderWorksheet(sheet, answers));
    const int first = kHeadingLines + 4 * (row - 1);
    QCOMPARE(printed.mid(first, 4), lines + QStringList{QString()});
}

void tst_Worksheets::drawOrderOfTheRows_data()
{
    QTest::addColumn<Subject>("subject");
    // Without negative answers: only the subject that asks about them changes its operands.
    QTest::addColumn<bool>("negatives");
    QTest::addColumn<double>("leftAnswer"); // of the first row: a and c, b and d
    QTest::addColumn<double>("rightAnswer");
    QTest::addRow("addition") << Subject::Addition << false << 202.0 << 204.0;
    QTest::addRow("subtraction with negatives") << Subject::Subtraction << true << -2.0 << -2.0;
    QTest::addRow("multiplication") << Subject::Multiplication << false << 10200.0 << 10403.0;
}

void tst_Worksheets::drawOrderOfTheRows()
{
    QFETCH(Subject, subject);
    QFETCH(bool, negatives);
    QFETCH(double, leftAnswer);
    QFETCH(double, rightAnswer);
    // Grade 5, offset 3: draw k (0-based) yields 100 + k, so every operand names its draw.
    ScriptedRandomSource random;
    for (int k = 0; k < 40; ++k) {
        random.push(valueFor(100 + k, 999, 3));
    }
    const Worksheet sheet = buildWorksheet(subject, 5, 3, random, negatives);
    QCOMPARE(random.draws(), 40);
    for (int row = 0; row < 10; ++row) {
        const WorksheetProblem &left = sheet.problems.at(2 * row);
        const WorksheetProblem &right = sheet.problems.at(2 * row + 1);
        QCOMPARE(left.first, 100.0 + 4 * row);       // a
        QCOMPARE(right.first, 100.0 + 4 * row + 1);  // b
        QCOMPARE(left.second, 100.0 + 4 * row + 2);  // c
        QCOMPARE(right.second, 100.0 + 4 * row + 3); // d
    }
    QCOMPARE(sheet.problems.at(0).answer, leftAnswer);
    QCOMPARE(sheet.problems.at(1).answer, rightAnswer);
}

void tst_Worksheets::subtractionRule_data()
{
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("bottom");
    QTest::addColumn<bool>("negatives");
    QTest::addColumn<int>("printedTop");
    QTest::addColumn<int>("answer");
    QTest::addRow("No, bottom larger: top becomes the sum") << 5 << 12 << false << 17 << 5;
    QTest::addRow("No, bottom smaller: unchanged") << 12 << 5 << false << 12 << 7;
    QTest::addRow("No, equal operands: unchanged") << 12 << 12 << false << 12 << 0;
    QTest::addRow("No, largest operands") << 19 << 1017 << false << 1036 << 19;
    QTest::addRow("Yes, bottom larger: negative answer") << 5 << 12 << true << 5 << -7;
    QTest::addRow("Yes, bottom smaller") << 12 << 5 << true << 12 << 7;
    QTest::addRow("Yes, equal operands") << 12 << 12 << true << 12 << 0;
}

void tst_Worksheets::subtractionRule()
{
    QFETCH(int, top);
    QFETCH(int, bottom);
    QFETCH(bool, negatives);
    QFETCH(int, printedTop);
    QFETCH(int, answer);
    // Every row draws (top, top + 1, bottom, bottom + 1), so both sides meet the same case.
    ScriptedRandomSource random;
    for (int row = 0; row < 10; ++row) {
        random.push({valueFor(top, 999, 0), valueFor(top + 1, 999, 0), valueFor(bottom, 999, 0),
                     valueFor(bottom + 1, 999, 0)});
    }
    const Worksheet sheet = buildWorksheet(Subject::Subtraction, 6, 0, random, negatives);
    QCOMPARE(random.draws(), 40);
    for (int row = 0; row < 10; ++row) {
        const WorksheetProblem &left = sheet.problems.at(2 * row);
        const WorksheetProblem &right = sheet.problems.at(2 * row + 1);
        QCOMPARE(left.first, double(printedTop));
        QCOMPARE(left.second, double(bottom));
        QCOMPARE(left.answer, double(answer));
        const int rightTop = printedTop == top ? top + 1 : printedTop + 2;
        QCOMPARE(right.first, double(rightTop));
        QCOMPARE(right.second, double(bottom + 1));
        QCOMPARE(right.answer, double(printedTop == top ? answer : top + 1));
    }
}

void tst_Worksheets::productsAreThirtyTwoBits()
{
    ScriptedRandomSource random;
    for (int k = 0; k < 40; ++k) {
        random.push(ScriptedRandomSource::justBelowOne());
    }
    const Worksheet sheet = buildWorksheet(Subject::Multiplication, 6, 19, random, false);
    QCOMPARE(sheet.problems.at(0).first, 1017.0);
    QCOMPARE(sheet.problems.at(0).answer, 1034289.0);
    const QStringList lines = textLines(renderWorksheet(sheet, true));
    // Seven digits from column 30 - L(c) onwards.
    QCOMPARE(lines.at(kHeadingLines + 2),
             placed({{15, "Answer "}, {26, " 1034289 "}, {57, "Answer "}, {66, " 1034289 "}}));
}

void tst_Worksheets::oneLineProblems_data()
{
    QTest::addColumn<Subject>("subject");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<double>("answer");
    QTest::addColumn<QString>("answerText");
    QTest::addRow("division 1 / 3") << Subject::Division << 1 << 3 << 0.333 << ".333";
    QTest::addRow("division 12 / 4") << Subject::Division << 12 << 4 << 3.0 << "3";
    QTest::addRow("division 2 / 3 rounds up") << Subject::Division << 2 << 3 << 0.667 << ".667";
    QTest::addRow("division half to even down") << Subject::Division << 1 << 16 << 0.062 << ".062";
    QTest::addRow("division exact three decimals")
        << Subject::Division << 5 << 8 << 0.625 << ".625";
    QTest::addRow("division 1017 / 19") << Subject::Division << 1017 << 19 << 53.526 << "53.526";
    QTest::addRow("division 322 / 160 half to even 2.012")
        << Subject::Division << 322 << 160 << 2.012 << "2.012";
    QTest::addRow("division 161 / 80 half to even 2.012")
        << Subject::Division << 161 << 80 << 2.012 << "2.012";
    QTest::addRow("division 3 / 8 half to even up .375 stays")
        << Subject::Division << 3 << 8 << 0.375 << ".375";
    QTest::addRow("percent 12 is 25 of 48") << Subject::Percents << 12 << 48 << 25.0 << "25";
    QTest::addRow("percent 48 is 400 of 12") << Subject::Percents << 48 << 12 << 400.0 << "400";
    QTest::addRow("percent 3 is 300 of 1") << Subject::Percents << 3 << 1 << 300.0 << "300";
    QTest::addRow("percent 1 is 33.3 of 3") << Subject::Percents << 1 << 3 << 33.3 << "33.3";
    QTest::addRow("percent 51 of 80 half to even 63.8")
        << Subject::Percents << 51 << 80 << 63.8 << "63.8";
    QTest::addRow("percent 49 of 80 half to even 61.2")
        << Subject::Percents << 49 << 80 << 61.2 << "61.2";
    QTest::addRow("percent 49 of 400 half to even 12.2")
        << Subject::Percents << 49 << 400 << 12.2 << "12.2";
    QTest::addRow("percent 51 of 400 half to even 12.8")
        << Subject::Percents << 51 << 400 << 12.8 << "12.8";
    QTest::addRow("percent below one") << Subject::Percents << 3 << 998 << 0.3 << ".3";
    QTest::addRow("percent 0 of 7") << Subject::Percents << 0 << 7 << 0.0 << "0";
}

void tst_Worksheets::oneLineProblems()
{
    QFETCH(Subject, subject);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(double, answer);
    QFETCH(QString, answerText);
    ScriptedRandomSource random;
    for (int i = 0; i < 20; ++i) {
        random.push({valueFor(x, 999, 0), valueFor(y, 999, 0)});
    }
    const Worksheet sheet = buildWorksheet(subject, 5, 0, random, false);
    QCOMPARE(random.draws(), 40);
    for (const WorksheetProblem &problem : sheet.problems) {
        QCOMPARE(problem.first, double(x));
        QCOMPARE(problem.second, double(y));
        QCOMPARE(problem.answer, answer);
    }
    const QStringList lines = textLines(renderWorksheet(sheet, true));
    QVERIFY2(lines.at(kHeadingLines).endsWith(QLatin1Char(' ') + answerText),
             qPrintable(lines.at(kHeadingLines)));
}

void tst_Worksheets::oneLineColumns_data()
{
    QTest::addColumn<Subject>("subject");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("answers");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("twentieth");

    QTest::addRow("division with answers") << Subject::Division << "C" << true
                                           << placed({{1, " 1 )"},
                                                      {14, " 1 "},
                                                      {17, " / "},
                                                      {24, " 3 "},
                                                      {29, "Answer "},
                                                      {36, " .333 "}})
                                           << placed({{1, " 20 )"},
                                                      {11, " 1017 "},
                                                      {17, " / "},
                                                      {21, " 1017 "},
                                                      {29, "Answer "},
                                                      {36, " 1 "}});
    QTest::addRow("division blank") << Subject::Division << "C" << false
                                    << placed({{1, " 1 )"},
                                               {14, " 1 "},
                                               {17, " / "},
                                               {24, " 3 "},
                                               {29, " Answer "},
                                               {37, " __________"}})
                                    << placed({{1, " 20 )"},
                                               {11, " 1017 "},
                                               {17, " / "},
                                               {21, " 1017 "},
                                               {29, " Answer "},
                                               {37, " __________"}});
    QTest::addRow("percent with answers") << Subject::Percents << "C" << true
                                          << placed({{1, " 1 )"},
                                                     {14, " 1 "},
                                                     {17, "IS WHAT PERCENT OF:"},
                                                     {49, " 3 "},
                                                     {52, " Answer "},
                                                     {60, " 33.3 "}})
                                          << placed({{1, " 20 )"},
                                                     {11, " 1017 "},
                                                     {17, "IS WHAT PERCENT OF:"},
                                                     {46, " 1017 "},
                                                     {52, " Answer "},
                                                     {60, " 100 "}});
    QTest::addRow("percent blank") << Subject::Percents << "C" << false
                                   << placed({{1, " 1 )"},
                                              {14, " 1 "},
                                              {17, "IS WHAT PERCENT OF:"},
                                              {49, " 3 "},
                                              {52, " Answer "},
                                              {60, " __________"}})
                                   << placed({{1, " 20 )"},
                                              {11, " 1017 "},
                                              {17, "IS WHAT PERCENT OF:"},
                                              {46, " 1017 "},
                                              {52, " Answer "},
                                              {60, " __________"}});
    // A comma locale writes the zero before its separator; every operand keeps its column.
    QTest::addRow("division with answers in German") << Subject::Division << "de_DE" << true
                                                     << placed({{1, " 1 )"},
                                                                {14, " 1 "},
                                                                {17, " / "},
                                                                {24, " 3 "},
                                                                {29, "Answer "},
                                                                {36, " 0,333 "}})
                                                     << placed({{1, " 20 )"},
                                                                {11, " 1017 "},
                                                                {17, " / "},
                                                                {21, " 1017 "},
                                                                {29, "Answer "},
                                                                {36, " 1 "}});
}

void tst_Worksheets::oneLineColumns()
{
    QFETCH(Subject, subject);
    QFETCH(QString, locale);
    QFETCH(bool, answers);
    QFETCH(QString, first);
    QFETCH(QString, twentieth);
    // Problem 1 is 1 and 3 (seed 1); problems 2 to 20 the largest operands of seed 20.
    Worksheet sheet;
    sheet.subject = subject;
    sheet.grade = 6;
    const bool division = subject == Subject::Division;
    sheet.problems = {{1, 3, division ? 0.333 : 33.3}};
    for (int i = 1; i < 20; ++i) {
        sheet.problems.append({1017, 1017, division ? 1.0 : 100.0});
    }
    const QStringList lines = textLines(renderWorksheet(sheet, answers, QLocale(locale)));
    QCOMPARE(lines.size(), kHeadingLines + 40);
    QCOMPARE(lines.at(kHeadingLines), first);
    QCOMPARE(lines.at(kHeadingLines + 38), twentieth);
    for (int i = 1; i <= 20; ++i) {
        QVERIFY(lines.at(kHeadingLines + 2 * (i - 1)).startsWith(QString(" %1 )").arg(i)));
        QCOMPARE(lines.at(kHeadingLines + 2 * i - 1), QString());
    }
}

void tst_Worksheets::seedOffsetBounds_data()
{
    QTest::addColumn<Subject>("subject");
    QTest::addColumn<int>("grade");
    QTest::addColumn<int>("offset");
    QTest::addColumn<float>("r");
    QTest::addColumn<double>("operand");
    const float top = ScriptedRandomSource::justBelowOne();
    QTest::addRow("seed 1 grade 1 lowest") << Subject::Addition << 1 << 0 << 0.0f << 0.0;
    QTest::addRow("seed 1 grade 1 highest") << Subject::Addition << 1 << 0 << top << 19.0;
    QTest::addRow("seed 20 grade 6 lowest") << Subject::Addition << 6 << 19 << 0.0f << 19.0;
    QTest::addRow("seed 20 grade 6 highest") << Subject::Addition << 6 << 19 << top << 1017.0;
    QTest::addRow("seed 20 grade 3 highest") << Subject::Multiplication << 3 << 19 << top << 117.0;
    QTest::addRow("seed 20 division lowest") << Subject::Division << 2 << 19 << 0.0f << 19.0;
    QTest::addRow("seed 20 percent highest") << Subject::Percents << 6 << 19 << top << 1017.0;
}

void tst_Worksheets::seedOffsetBounds()
{
    QFETCH(Subject, subject);
    QFETCH(int, grade);
    QFETCH(int, offset);
    QFETCH(float, r);
    QFETCH(double, operand);
    ScriptedRandomSource random;
    for (int i = 0; i < 40; ++i) {
        random.push(r);
    }
    const Worksheet sheet = buildWorksheet(subject, grade, offset, random, true);
    QCOMPARE(random.draws(), 40);
    for (const WorksheetProblem &problem : sheet.problems) {
        QCOMPARE(problem.first, operand);
        QCOMPARE(problem.second, operand);
    }
}

void tst_Worksheets::zeroDivisorIsDrawnAgain_data()
{
    QTest::addColumn<Subject>("subject");
    QTest::addColumn<QList<float>>("firstDraws");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<int>("draws");
    QTest::addColumn<double>("answer");
    const float zero = 0.0f;
    const float seven = valueFor(7, 20, 0);
    const float nine = valueFor(9, 20, 0);
    QTest::addRow("division: y 0 then 7")
        << Subject::Division << QList<float>{nine, zero, seven} << 9.0 << 7.0 << 41 << 1.286;
    QTest::addRow("division: y 0 twice")
        << Subject::Division << QList<float>{nine, zero, zero, seven} << 9.0 << 7.0 << 42 << 1.286;
    QTest::addRow("division: dividend 0 is kept")
        << Subject::Division << QList<float>{zero, seven} << 0.0 << 7.0 << 40 << 0.0;
    QTest::addRow("percent: y 0 then 7")
        << Subject::Percents << QList<float>{nine, zero, seven} << 9.0 << 7.0 << 41 << 128.6;
    QTest::addRow("percent: y 0 twice")
        << Subject::Percents << QList<float>{nine, zero, zero, seven} << 9.0 << 7.0 << 42 << 128.6;
    QTest::addRow("percent: x 0 is kept")
        << Subject::Percents << QList<float>{zero, seven} << 0.0 << 7.0 << 40 << 0.0;
}

void tst_Worksheets::zeroDivisorIsDrawnAgain()
{
    QFETCH(Subject, subject);
    QFETCH(QList<float>, firstDraws);
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(int, draws);
    QFETCH(double, answer);
    ScriptedRandomSource random(firstDraws);
    for (int i = 1; i < 20; ++i) {
        random.push({valueFor(4, 20, 0), valueFor(2, 20, 0)});
    }
    const Worksheet sheet = buildWorksheet(subject, 1, 0, random, false);
    QCOMPARE(random.draws(), draws);
    QCOMPARE(random.remaining(), 0);
    QCOMPARE(sheet.problems.at(0).first, x);
    QCOMPARE(sheet.problems.at(0).second, y);
    QCOMPARE(sheet.problems.at(0).answer, answer);
    QCOMPARE(sheet.problems.at(1).first, 4.0);
}

void tst_Worksheets::answersAreReadAtEachAnswerLine_data()
{
    QTest::addColumn<Subject>("subject");
    QTest::addColumn<int>("reads");
    QTest::addRow("addition") << Subject::Addition << 10;
    QTest::addRow("subtraction") << Subject::Subtraction << 10;
    QTest::addRow("multiplication") << Subject::Multiplication << 10;
    QTest::addRow("division") << Subject::Division << 20;
    QTest::addRow("percent") << Subject::Percents << 20;
}

void tst_Worksheets::answersAreReadAtEachAnswerLine()
{
    QFETCH(Subject, subject);
    QFETCH(int, reads);
    Pcg32RandomSource random;
    const Worksheet sheet = buildWorksheet(subject, 2, 5, random, false);
    int count = 0;
    const PrintDocument document = renderWorksheet(sheet, [&count] { return ++count % 2 == 0; });
    QCOMPARE(count, reads);
    // Blank and answer copies of one sheet differ only in the answer lines.
    const QStringList blank = textLines(renderWorksheet(sheet, false));
    const QStringList full = textLines(renderWorksheet(sheet, true));
    const QStringList mixed = textLines(document);
    QCOMPARE(blank.size(), full.size());
    int differing = 0;
    for (qsizetype i = 0; i < blank.size(); ++i) {
        QVERIFY(mixed.at(i) == blank.at(i) || mixed.at(i) == full.at(i));
        differing += blank.at(i) != full.at(i);
    }
    QCOMPARE(differing, reads);
}

void tst_Worksheets::subjectNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("subject");
    QTest::addRow("addition") << "addition" << int(Subject::Addition);
    QTest::addRow("subtraction") << "subtraction" << int(Subject::Subtraction);
    QTest::addRow("multiplication") << "multiplication" << int(Subject::Multiplication);
    QTest::addRow("division") << "division" << int(Subject::Division);
    QTest::addRow("percent") << "percent" << int(Subject::Percents);
    QTest::addRow("percents") << "percents" << int(Subject::Percents);
    QTest::addRow("capitalised is unknown") << "Addition" << -1;
    QTest::addRow("empty") << "" << -1;
    QTest::addRow("misspelt") << "divison" << -1;
}

void tst_Worksheets::subjectNames()
{
    QFETCH(QString, name);
    QFETCH(int, subject);
    const std::optional<Subject> parsed = subjectFromName(name);
    QCOMPARE(parsed ? int(*parsed) : -1, subject);
}

QTEST_GUILESS_MAIN(tst_Worksheets)
#include "tst_worksheets.moc"
