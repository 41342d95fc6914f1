// Runs under a locale whose decimal separator is a comma (the suite makes de_DE.UTF-8 itself and
// sets LC_ALL and LOCPATH, with English texts): numbers on the screen and on paper take the comma,
// and a dropped candidate is still judged by its value.

#include "ProgramFixture.h"
#include "platform/RandomSource.h"
#include "printing/TextSurface.h"
#include "worksheets/Worksheets.h"

#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <clocale>
#include <cstdio>

namespace
{

// Every number of a sheet's text, in reading order; a point between digits counts as part of one.
QStringList numbersIn(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("[0-9]*[.,]?[0-9]+"));
    QStringList numbers;
    for (const QRegularExpressionMatch &match : number.globalMatch(text)) {
        numbers.append(match.captured());
    }
    return numbers;
}

struct Run {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

// The environment, comma locale included, is passed on unchanged apart from the display.
Run run(const QString &program, const QStringList &arguments, const QString &directory)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        environment.remove(QString::fromLatin1(name));
    }
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(directory);
    process.start(program, arguments);
    Run result;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        return result;
    }
    result.status = process.exitCode();
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

} // namespace

class tst_CommaLocale : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void drillCycle_data();
    void drillCycle();
    void pdfSheet_data();
    void pdfSheet();
};

void tst_CommaLocale::initTestCase()
{
    // The application object has taken the locale from the environment; without a comma here
    // the test would prove nothing.
    const std::lconv *conventions = std::localeconv();
    QVERIFY2(conventions != nullptr && QByteArray(conventions->decimal_point) == ",",
             "the comma-decimal locale is not in effect: check LC_ALL and LOCPATH");
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%.1f", 7.5);
    QCOMPARE(QByteArray(buffer), QByteArray("7,5"));
    QCOMPARE(QLocale::system().decimalPoint(), QStringLiteral(","));
}

void tst_CommaLocale::drillCycle_data()
{
    QTest::addColumn<QString>("drill");
    QTest::addColumn<QString>("grade");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<int>("slot");
    QTest::addColumn<QStringList>("candidates");
    QTest::addColumn<QString>("answer");
    QTest::addRow("division 15 / 2")
        << "frmDivision"
        << "3" << 15 << 2 << 2 << QStringList{"7,6", "7,5", "7,8", "7,9"} << "7,5";
    QTest::addRow("division 2 / 3")
        << "frmDivision"
        << "1" << 2 << 3 << 4 << QStringList{"0,77", "0,87", "0,97", "0,67"} << "0,67";
    QTest::addRow("percent 4 of 3")
        << "frmPercent"
        << "3" << 4 << 3 << 3 << QStringList{"133,43", "133,53", "133,33", "133,73"} << "133,33";
    QTest::addRow("percent 1 of 8")
        << "frmPercent"
        << "2" << 1 << 8 << 1 << QStringList{"12,5", "12,7", "12,8", "12,9"} << "12,5";
}

void tst_CommaLocale::drillCycle()
{
    QFETCH(QString, drill);
    QFETCH(QString, grade);
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(int, slot);
    QFETCH(QStringList, candidates);
    QFETCH(QString, answer);
    const int k = grade == QLatin1String("3") ? 99 : 9;
    DrillFixture f;
    f.random.push({valueFor(first, k, 1), valueFor(second, k, 1), valueFor(slot, 4, 1)});
    DrillWindow &w = f.open(drill, QStringLiteral("ANN"), grade);
    QCOMPARE(w.Label1()->text(), QString::number(first));
    QCOMPARE(w.Label2()->text(), QString::number(second));
    QCOMPARE(candidateTexts(w), candidates);

    QVERIFY(DrillFixture::dropCandidate(w, slot == 1 ? 2 : 1));
    QCOMPARE(w.lblWinner()->text(), QStringLiteral("Sorry,Try Again ANN"));
    QCOMPARE(w.txtAnswer()->text(), QString());
    QCOMPARE(enabledCandidates(w), 4);

    QVERIFY(DrillFixture::dropCandidate(w, slot));
    QCOMPARE(w.lblWinner()->text(), QStringLiteral("CORRECT ANN"));
    QCOMPARE(w.txtAnswer()->text(), answer);
    QCOMPARE(enabledCandidates(w), 0);
}

void tst_CommaLocale::pdfSheet_data()
{
    QTest::addColumn<QString>("subject");
    QTest::addColumn<int>("grade");
    QTest::addColumn<int>("seed");
    QTest::addColumn<int>("subjectIndex");
    QTest::addColumn<QString>("firstAnswer");
    QTest::addRow("division grade 5 seed 3")
        << "division" << 5 << 3 << int(Subject::Division) << "1,306";
    QTest::addRow("percent grade 4 seed 1")
        << "percent" << 4 << 1 << int(Subject::Percents) << "131,9";
}

void tst_CommaLocale::pdfSheet()
{
    QFETCH(QString, subject);
    QFETCH(int, grade);
    QFETCH(int, seed);
    QFETCH(int, subjectIndex);
    QFETCH(QString, firstAnswer);
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    QVERIFY2(!pdftotext.isEmpty(), "pdftotext is missing: run scripts/install-deps.sh");
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const Run made = run(QStringLiteral(SUMTOPIA_EXECUTABLE),
                         {"--worksheet", subject, "--grade", QString::number(grade), "--seed",
                          QString::number(seed), "--answers", "--output", "sheet.pdf"},
                         dir.path());
    QCOMPARE(made.status, 0);
    QVERIFY2(made.err.isEmpty(), made.err.constData());
    const Run read = run(pdftotext, {"-layout", "sheet.pdf", "-"}, dir.path());
    QCOMPARE(read.status, 0);
    const QString paper = QString::fromUtf8(read.out);
    static const QRegularExpression pointNumber(QStringLiteral("[0-9]?\\.[0-9]"));
    QVERIFY2(!paper.contains(pointNumber), qPrintable(paper));
    QVERIFY2(paper.contains(firstAnswer), qPrintable(paper));

    // The same sheet as the text surface writes it, number for number.
    Pcg32RandomSource random;
    const Worksheet sheet =
        buildWorksheet(static_cast<Subject>(subjectIndex), grade, seed - 1, random, false);
    const QString expected = textLines(renderWorksheet(sheet, true)).join(QLatin1Char('\n'));
    const QStringList numbers = numbersIn(expected);
    QVERIFY(numbers.filter(QStringLiteral(",")).size() > 5);
    QCOMPARE(numbersIn(paper), numbers);
}

QTEST_MAIN(tst_CommaLocale)
#include "tst_commalocale.moc"
