#include "platform/RandomSource.h"
#include "platform/TextSurface.h"
#include "worksheets/Worksheets.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace
{

struct Run {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

// Runs the program as a script would: no display, no platform chosen.
Run runProgram(const QStringList &arguments, const QString &directory = QString())
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        environment.remove(QString::fromLatin1(name));
    }
    process.setProcessEnvironment(environment);
    if (!directory.isEmpty()) {
        process.setWorkingDirectory(directory);
    }
    process.start(QStringLiteral(SUMTOPIA_EXECUTABLE), arguments);
    Run run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        return run;
    }
    run.status = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

QString sheetsText(Subject subject, int grade, int seed, bool answers, bool negatives, int count)
{
    Pcg32RandomSource random;
    QString text;
    for (int i = 0; i < count; ++i) {
        if (i > 0) {
            text += "\f\n";
        }
        const PrintDocument document =
            renderWorksheet(buildWorksheet(subject, grade, seed - 1, random, negatives), answers);
        for (const QString &line : textLines(document)) {
            text += line + '\n';
        }
    }
    return text;
}

} // namespace

class tst_WorksheetCli : public QObject
{
    Q_OBJECT
private slots:
    void badInput_data();
    void badInput();
    void helpAndVersion_data();
    void helpAndVersion();
    void textOutput_data();
    void textOutput();
    void sameSheetsWithAndWithoutAnswers();
    void pdfOutput();
};

void tst_WorksheetCli::badInput_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("named");
    const QStringList base{"--worksheet", "addition", "--grade", "2", "--seed", "3"};
    QTest::addRow("unknown subject")
        << QStringList{"--worksheet", "algebra", "--grade", "2", "--seed", "3", "--output", "x.pdf"}
        << "'algebra'";
    QTest::addRow("grade out of range")
        << QStringList{"--worksheet", "addition", "--grade",  "9",
                       "--seed",      "3",        "--output", "x.pdf"}
        << "'9'";
    QTest::addRow("seed not whole") << QStringList{"--worksheet", "addition", "--grade",  "2",
                                                   "--seed",      "1.5",      "--output", "x.pdf"}
                                    << "'1.5'";
    QTest::addRow("missing value")
        << QStringList{"--output", "x.pdf", "--worksheet", "addition", "--grade", "2", "--seed"}
        << "--seed";
    QTest::addRow("unknown option") << (QStringList(base) << "--output"
                                                          << "x.pdf"
                                                          << "--fast")
                                    << "'--fast'";
    QTest::addRow("negatives for division")
        << QStringList{"--worksheet", "division",    "--grade",  "2",    "--seed",
                       "3",           "--negatives", "--output", "x.pdf"}
        << "'division'";
    QTest::addRow("unwritable output") << (QStringList(base) << "--output"
                                                             << "none/x.pdf")
                                       << "'none/x.pdf'";
    QTest::addRow("output is a folder") << (QStringList(base) << "--output"
                                                              << ".")
                                        << "'.'";
}

void tst_WorksheetCli::badInput()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, named);
    QTemporaryDir dir;
    const Run run = runProgram(arguments, dir.path());
    QCOMPARE(run.status, 2);
    QVERIFY(run.out.isEmpty());
    const QString err = QString::fromUtf8(run.err);
    QCOMPARE(err.count('\n'), 1);
    QVERIFY(err.endsWith('\n'));
    QVERIFY2(err.contains(named), qPrintable(err));
    QVERIFY2(err.contains("allowed"), qPrintable(err));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{});
}

void tst_WorksheetCli::helpAndVersion_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("start");
    QTest::addRow("help") << "--help"
                          << "Usage: sumtopia --worksheet SUBJECT";
    QTest::addRow("version") << "--version" << QString("sumtopia %1\n").arg(SUMTOPIA_VERSION);
}

void tst_WorksheetCli::helpAndVersion()
{
    QFETCH(QString, option);
    QFETCH(QString, start);
    const Run run = runProgram({option});
    QCOMPARE(run.status, 0);
    QVERIFY(run.err.isEmpty());
    QVERIFY2(QString::fromUtf8(run.out).startsWith(start), run.out.constData());
}

void tst_WorksheetCli::textOutput_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("formFeeds");
    QTest::addRow("addition") << QStringList{"--worksheet", "addition", "--grade",  "1",
                                             "--seed",      "1",        "--output", "-"}
                              << sheetsText(Subject::Addition, 1, 1, false, false, 1) << 0;
    QTest::addRow("subtraction with negatives and answers")
        << QStringList{"--worksheet", "subtraction", "--grade",     "4",        "--seed",
                       "20",          "--answers",   "--negatives", "--output", "-"}
        << sheetsText(Subject::Subtraction, 4, 20, true, true, 1) << 0;
    QTest::addRow("three multiplication sheets")
        << QStringList{"--worksheet", "multiplication", "--grade", "6",        "--seed",
                       "7",           "--count",        "3",       "--output", "-"}
        << sheetsText(Subject::Multiplication, 6, 7, false, false, 3) << 2;
    QTest::addRow("percents with answers")
        << QStringList{"--worksheet", "percents",  "--grade",  "2", "--seed",
                       "1",           "--answers", "--output", "-"}
        << sheetsText(Subject::Percents, 2, 1, true, false, 1) << 0;
    QTest::addRow("division, two sheets")
        << QStringList{"--worksheet", "division", "--grade", "3",        "--seed", "1",
                       "--answers",   "--count",  "2",       "--output", "-"}
        << sheetsText(Subject::Division, 3, 1, true, false, 2) << 1;
}

void tst_WorksheetCli::textOutput()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, expected);
    QFETCH(int, formFeeds);
    const Run first = runProgram(arguments);
    QCOMPARE(first.status, 0);
    QVERIFY(first.err.isEmpty());
    QCOMPARE(QString::fromUtf8(first.out), expected);
    QCOMPARE(int(first.out.count("\n\f\n")), formFeeds);
    // A fresh start replays the same sheets.
    QCOMPARE(runProgram(arguments).out, first.out);
}

void tst_WorksheetCli::sameSheetsWithAndWithoutAnswers()
{
    const QStringList base{"--worksheet", "addition", "--grade",  "5",
                           "--seed",      "9",        "--output", "-"};
    const QStringList blank = QString::fromUtf8(runProgram(base).out).split('\n');
    const QStringList full =
        QString::fromUtf8(runProgram(QStringList(base) << "--answers").out).split('\n');
    QCOMPARE(blank.size(), full.size());
    int differing = 0;
    for (qsizetype i = 0; i < blank.size(); ++i) {
        if (blank.at(i) != full.at(i)) {
            ++differing;
            QVERIFY(blank.at(i).contains("Answer__________"));
        }
    }
    QCOMPARE(differing, 10);
}

void tst_WorksheetCli::pdfOutput()
{
    QTemporaryDir dir;
    const Run run = runProgram({"--worksheet", "percent", "--grade", "6", "--seed", "20", "--count",
                                "2", "--output", "sheets.pdf"},
                               dir.path());
    QCOMPARE(run.status, 0);
    QVERIFY2(run.err.isEmpty(), run.err.constData());
    QVERIFY(run.out.isEmpty());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"sheets.pdf"});
    QFile file(dir.filePath("sheets.pdf"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().startsWith("%PDF-"));
}

QTEST_GUILESS_MAIN(tst_WorksheetCli)
#include "tst_worksheetcli.moc"
