#include "cli/WorksheetOptions.h"

#include <QTest>

class tst_WorksheetOptions : public QObject
{
    Q_OBJECT
private slots:
    void accepted_data();
    void accepted();
    void rejected_data();
    void rejected();
    void helpAndVersion_data();
    void helpAndVersion();
    void windowOrCommand_data();
    void windowOrCommand();
    void withKey_data();
    void withKey();
};

void tst_WorksheetOptions::accepted_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("subject");
    QTest::addColumn<int>("grade");
    QTest::addColumn<int>("seed");
    QTest::addColumn<bool>("answers");
    QTest::addColumn<bool>("negatives");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("output");
    QTest::addColumn<int>("wait");

    QTest::addRow("minimal") << QStringList{"--worksheet", "addition", "--grade",
                                            "1",           "--seed",   "1"}
                             << int(Subject::Addition) << 1 << 1 << false << false << 1 << ""
                             << 120;
    QTest::addRow("everything") << QStringList{"--worksheet", "subtraction", "--grade",
                                               "6",           "--seed",      "20",
                                               "--answers",   "--negatives", "--count",
                                               "100",         "--output",    "out.pdf"}
                                << int(Subject::Subtraction) << 6 << 20 << true << true << 100
                                << "out.pdf" << 120;
    QTest::addRow("equals form") << QStringList{"--worksheet=division", "--grade=3", "--seed=7",
                                                "--output=-"}
                                 << int(Subject::Division) << 3 << 7 << false << false << 1 << "-"
                                 << 120;
    QTest::addRow("percents") << QStringList{"--seed", "2",           "--grade",
                                             "2",      "--worksheet", "percents"}
                              << int(Subject::Percents) << 2 << 2 << false << false << 1 << ""
                              << 120;
    QTest::addRow("percent") << QStringList{"--worksheet", "percent", "--grade", "5",
                                            "--seed",      "19",      "--count", "1"}
                             << int(Subject::Percents) << 5 << 19 << false << false << 1 << ""
                             << 120;
    QTest::addRow("multiplication with answers")
        << QStringList{"--answers", "--worksheet", "multiplication", "--grade", "4", "--seed", "3"}
        << int(Subject::Multiplication) << 4 << 3 << true << false << 1 << "" << 120;
    QTest::addRow("leading zero is still a whole number")
        << QStringList{"--worksheet", "addition", "--grade", "06", "--seed", "020"}
        << int(Subject::Addition) << 6 << 20 << false << false << 1 << "" << 120;
    QTest::addRow("ten digits with leading zeros")
        << QStringList{"--worksheet", "addition", "--grade", "0000000003", "--seed", "0000000003"}
        << int(Subject::Addition) << 3 << 3 << false << false << 1 << "" << 120;
    QTest::addRow("many leading zeros")
        << QStringList{"--worksheet", "addition", "--grade", "00000000000000000000005",
                       "--seed",      "1"}
        << int(Subject::Addition) << 5 << 1 << false << false << 1 << "" << 120;
    QTest::addRow("wait seconds") << QStringList{"--worksheet", "addition", "--grade",        "2",
                                                 "--seed",      "1",        "--wait-seconds", "0"}
                                  << int(Subject::Addition) << 2 << 1 << false << false << 1 << ""
                                  << 0;
    QTest::addRow("wait seconds with equals")
        << QStringList{"--wait-seconds=3600", "--worksheet=addition", "--grade=2", "--seed=1"}
        << int(Subject::Addition) << 2 << 1 << false << false << 1 << "" << 3600;
    QTest::addRow("output named like an option value")
        << QStringList{"--worksheet", "addition", "--grade",  "2",
                       "--seed",      "1",        "--output", "-sheet.pdf"}
        << int(Subject::Addition) << 2 << 1 << false << false << 1 << "-sheet.pdf" << 120;
    QTest::addRow("name of 255 bytes")
        << QStringList{"--worksheet", "addition", "--grade",  "2",
                       "--seed",      "1",        "--output", QString(251, 'n') + ".pdf"}
        << int(Subject::Addition) << 2 << 1 << false << false << 1 << QString(251, 'n') + ".pdf"
        << 120;
}

void tst_WorksheetOptions::accepted()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, subject);
    QFETCH(int, grade);
    QFETCH(int, seed);
    QFETCH(bool, answers);
    QFETCH(bool, negatives);
    QFETCH(int, count);
    QFETCH(QString, output);
    QFETCH(int, wait);
    const WorksheetParse parse = parseWorksheetArguments(arguments);
    QVERIFY2(parse.action == WorksheetParse::Action::Run, qPrintable(parse.error));
    QCOMPARE(int(parse.options.subject), subject);
    QCOMPARE(parse.options.grade, grade);
    QCOMPARE(parse.options.seed, seed);
    QCOMPARE(parse.options.answers, answers);
    QCOMPARE(parse.options.negatives, negatives);
    QCOMPARE(parse.options.count, count);
    QCOMPARE(parse.options.output, output);
    QCOMPARE(parse.options.waitSeconds, wait);
}

void tst_WorksheetOptions::rejected_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("error");

    const QStringList base{"--worksheet", "addition", "--grade", "3", "--seed", "5"};
    const auto with = [](QStringList list, const QStringList &more) { return list << more; };
    const QStringList noGrade{"--worksheet", "addition", "--seed", "5"};

    QTest::addRow("unknown subject")
        << QStringList{"--worksheet", "fractions", "--grade", "3", "--seed", "5"}
        << "unknown subject 'fractions' for --worksheet; allowed: addition, subtraction, "
           "multiplication, division, percent or percents";
    QTest::addRow("grade 0") << QStringList{"--worksheet", "addition", "--grade",
                                            "0",           "--seed",   "5"}
                             << "grade '0' is not allowed; allowed: a whole number from 1 to 6";
    QTest::addRow("grade 7") << QStringList{"--worksheet", "addition", "--grade",
                                            "7",           "--seed",   "5"}
                             << "grade '7' is not allowed; allowed: a whole number from 1 to 6";
    QTest::addRow("grade fraction")
        << QStringList{"--worksheet", "addition", "--grade", "2.5", "--seed", "5"}
        << "grade '2.5' is not allowed; allowed: a whole number from 1 to 6";
    QTest::addRow("grade negative")
        << QStringList{"--worksheet", "addition", "--grade=-1", "--seed", "5"}
        << "grade '-1' is not allowed; allowed: a whole number from 1 to 6";
    QTest::addRow("grade word")
        << QStringList{"--worksheet", "addition", "--grade", "three", "--seed", "5"}
        << "grade 'three' is not allowed; allowed: a whole number from 1 to 6";
    QTest::addRow("seed 0") << QStringList{"--worksheet", "addition", "--grade", "3", "--seed", "0"}
                            << "seed '0' is not allowed; allowed: a whole number from 1 to 20";
    QTest::addRow("seed 21") << QStringList{"--worksheet", "addition", "--grade",
                                            "3",           "--seed",   "21"}
                             << "seed '21' is not allowed; allowed: a whole number from 1 to 20";
    QTest::addRow("seed huge")
        << QStringList{"--worksheet", "addition", "--grade", "3", "--seed", "99999999999"}
        << "seed '99999999999' is not allowed; allowed: a whole number from 1 to 20";
    QTest::addRow("count 0") << with(base, {"--count", "0"})
                             << "count '0' is not allowed; allowed: a whole number from 1 to 100";
    QTest::addRow("count 101")
        << with(base, {"--count", "101"})
        << "count '101' is not allowed; allowed: a whole number from 1 to 100";
    QTest::addRow("grade value missing at the end")
        << QStringList{"--worksheet", "addition", "--seed", "5", "--grade"}
        << "option --grade is missing its value; allowed: a whole number from 1 to 6";
    QTest::addRow("value missing before the next option")
        << QStringList{"--worksheet", "--grade", "3", "--seed", "5"}
        << "option --worksheet is missing its value; allowed: addition, subtraction, "
           "multiplication, division, percent or percents";
    QTest::addRow("output value empty")
        << with(base, {"--output="})
        << "option --output is missing its value; allowed: a PDF file path, or - for standard "
           "output";
    QTest::addRow("grade missing") << noGrade
                                   << "option --grade is missing; allowed: a whole number from 1 "
                                      "to 6";
    QTest::addRow("seed missing")
        << QStringList{"--worksheet", "addition", "--grade", "3"}
        << "option --seed is missing; allowed: a whole number from 1 to 20";
    QTest::addRow("subject missing")
        << QStringList{"--grade", "3", "--seed", "5"}
        << "option --worksheet is missing; allowed: addition, subtraction, multiplication, "
           "division, percent or percents";
    QTest::addRow("unknown option")
        << with(base, {"--colour"})
        << "unknown option '--colour'; allowed: --worksheet, --grade, --seed, --answers, "
           "--negatives, --with-key, --count, --output, --wait-seconds, --help, --version";
    QTest::addRow("stray argument")
        << with(base, {"extra"})
        << "unknown option 'extra'; allowed: --worksheet, --grade, --seed, --answers, "
           "--negatives, --with-key, --count, --output, --wait-seconds, --help, --version";
    QTest::addRow("flag with a value")
        << with(base, {"--answers=yes"}) << "option --answers takes no value, but was given 'yes'";
    QTest::addRow("negatives with addition")
        << with(base, {"--negatives"})
        << "--negatives is not allowed with 'addition'; allowed with subtraction only";
    QTest::addRow("grade twice") << with(base, {"--grade", "5"})
                                 << "option --grade is given more than once; allowed: once";
    QTest::addRow("grade twice, the same value")
        << with(base, {"--grade=3"}) << "option --grade is given more than once; allowed: once";
    QTest::addRow("flag twice") << with(base, {"--answers", "--answers"})
                                << "option --answers is given more than once; allowed: once";
    QTest::addRow("key with a value")
        << with(base, {"--with-key=no"}) << "option --with-key takes no value, but was given 'no'";
    QTest::addRow("key twice") << with(base, {"--with-key", "--with-key"})
                               << "option --with-key is given more than once; allowed: once";
    QTest::addRow("newline in a file name")
        << with(base, {"--output", "a\nb.pdf"})
        << "value 'a\\x0ab.pdf' of --output holds a control character; allowed: a PDF file "
           "path, or - for standard output";
    QTest::addRow("tab in a subject")
        << QStringList{"--worksheet", "addition\t", "--grade", "3", "--seed", "5"}
        << "value 'addition\\x09' of --worksheet holds a control character; allowed: addition, "
           "subtraction, multiplication, division, percent or percents";
    QTest::addRow("escape in an unknown option")
        << with(base, {"--col\x1bour"})
        << "unknown option '--col\\x1bour'; allowed: --worksheet, --grade, --seed, --answers, "
           "--negatives, --with-key, --count, --output, --wait-seconds, --help, --version";
    QTest::addRow("file name of 256 bytes")
        << with(base, {"--output", QString(252, 'n') + ".pdf"})
        << "output path holds a name of 256 bytes; allowed: names of at most 255 bytes";
    QTest::addRow("path of 4096 bytes")
        << with(base, {"--output", QString("a/").repeated(2046) + "x.pdf"})
        << "output path of 4097 bytes is too long; allowed: a path of at most 4095 bytes";
    QTest::addRow("seed with a plus sign")
        << QStringList{"--worksheet", "addition", "--grade", "3", "--seed", "+5"}
        << "seed '+5' is not allowed; allowed: a whole number from 1 to 20";
    QTest::addRow("seed with a blank")
        << QStringList{"--worksheet", "addition", "--grade", "3", "--seed", " 5"}
        << "seed ' 5' is not allowed; allowed: a whole number from 1 to 20";
    QTest::addRow("seed in other digits")
        << QStringList{"--worksheet", "addition", "--grade", "3", "--seed", "\u0665"}
        << "seed '\u0665' is not allowed; allowed: a whole number from 1 to 20";
    QTest::addRow("wait seconds too long")
        << with(base, {"--wait-seconds", "3601"})
        << "wait '3601' is not allowed; allowed: a whole number of seconds from 0 to 3600";
    QTest::addRow("single-dash option")
        << with(base, {"-grade", "3"})
        << "unknown option '-grade'; allowed: --worksheet, --grade, --seed, --answers, "
           "--negatives, --with-key, --count, --output, --wait-seconds, --help, --version";
    QTest::addRow("negatives with percents")
        << QStringList{"--worksheet", "percents", "--grade", "3", "--seed", "5", "--negatives"}
        << "--negatives is not allowed with 'percents'; allowed with subtraction only";
}

void tst_WorksheetOptions::rejected()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, error);
    const WorksheetParse parse = parseWorksheetArguments(arguments);
    QCOMPARE(parse.action, WorksheetParse::Action::Error);
    QCOMPARE(parse.error, error);
    QVERIFY(!parse.error.contains(QLatin1Char('\n')));
}

void tst_WorksheetOptions::helpAndVersion_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("action");
    QTest::addRow("help") << QStringList{"--help"} << int(WorksheetParse::Action::Help);
    QTest::addRow("short help") << QStringList{"-h"} << int(WorksheetParse::Action::Help);
    QTest::addRow("help after options")
        << QStringList{"--worksheet", "addition", "--help"} << int(WorksheetParse::Action::Help);
    QTest::addRow("version") << QStringList{"--version"} << int(WorksheetParse::Action::Version);
}

void tst_WorksheetOptions::helpAndVersion()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, action);
    QCOMPARE(int(parseWorksheetArguments(arguments).action), action);
    QVERIFY(worksheetUsage().contains("--worksheet SUBJECT"));
}

void tst_WorksheetOptions::windowOrCommand_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("command");
    QTest::addRow("nothing") << QStringList{} << false;
    QTest::addRow("platform") << QStringList{"-platform", "offscreen"} << false;
    QTest::addRow("platform with two dashes") << QStringList{"--platform", "xcb"} << false;
    QTest::addRow("style and reverse") << QStringList{"-style", "Fusion", "-reverse"} << false;
    QTest::addRow("style with equals") << QStringList{"-style=Fusion"} << false;
    QTest::addRow("help") << QStringList{"-h"} << true;
    QTest::addRow("worksheet") << QStringList{"--worksheet", "addition"} << true;
    QTest::addRow("worksheet after a Qt option")
        << QStringList{"-platform", "offscreen", "--grade=3"} << true;
    QTest::addRow("unknown option") << QStringList{"--fast"} << true;
    QTest::addRow("the key alone") << QStringList{"--with-key"} << true;
    QTest::addRow("stray word") << QStringList{"addition"} << true;
}

void tst_WorksheetOptions::windowOrCommand()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, command);
    QCOMPARE(isWorksheetRequest(arguments), command);
}

void tst_WorksheetOptions::withKey_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("withKey");
    QTest::addColumn<bool>("answers");
    const QStringList base{"--worksheet", "division", "--grade", "3", "--seed", "5"};
    QTest::addRow("without") << base << false << false;
    QTest::addRow("with") << (QStringList(base) << "--with-key") << true << false;
    QTest::addRow("first") << (QStringList{"--with-key"} + base) << true << false;
    QTest::addRow("with answers too") << (QStringList(base) << "--answers"
                                                            << "--with-key")
                                      << true << true;
}

void tst_WorksheetOptions::withKey()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, withKey);
    QFETCH(bool, answers);
    const WorksheetParse parse = parseWorksheetArguments(arguments);
    QVERIFY2(parse.action == WorksheetParse::Action::Run, qPrintable(parse.error));
    QCOMPARE(parse.options.withKey, withKey);
    QCOMPARE(parse.options.answers, answers);
    QCOMPARE(parse.options.subject, Subject::Division);
}

QTEST_GUILESS_MAIN(tst_WorksheetOptions)
#include "tst_worksheetoptions.moc"
