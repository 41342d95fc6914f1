#include "CommandLineTexts.h"
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
    void ranges_data();
    void ranges();
    void paper_data();
    void paper();
    void helpAndVersion_data();
    void helpAndVersion();
    void help();
    void windowOrCommand_data();
    void windowOrCommand();
};

namespace
{

const QStringList kBase{"--worksheet", "addition", "--grade", "3", "--seed", "5"};

QStringList with(QStringList list, const QStringList &more)
{
    return list << more;
}

const QString kOptionList = "--worksheet, --grade, --seed, --answers, --negatives, --with-key, "
                            "--count, --output, --wait-seconds, --paper, --help, --version";
const QString kSubjects = "addition, subtraction, multiplication, division, percent or percents";
const QString kGrades = "a whole number from 1 to 6";
const QString kSeeds = "a whole number from 1 to 20";
const QString kOutputs = "a PDF file path, or - for standard output";

} // namespace

void tst_WorksheetOptions::accepted_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("subject");
    QTest::addColumn<int>("grade");
    QTest::addColumn<int>("seed");
    // answers, negatives, with key
    QTest::addColumn<QString>("switches");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("output");
    QTest::addColumn<int>("wait");

    QTest::addRow("minimal, the defaults")
        << QStringList{"--worksheet", "addition", "--grade", "1", "--seed", "1"}
        << int(Subject::Addition) << 1 << 1 << "---" << 1 << "" << 120;
    QTest::addRow("everything") << QStringList{"--worksheet",
                                               "subtraction",
                                               "--grade",
                                               "6",
                                               "--seed",
                                               "20",
                                               "--answers",
                                               "--negatives",
                                               "--with-key",
                                               "--count",
                                               "100",
                                               "--output",
                                               "out.pdf",
                                               "--wait-seconds",
                                               "0"}
                                << int(Subject::Subtraction) << 6 << 20 << "anw" << 100 << "out.pdf"
                                << 0;
    QTest::addRow("equals form") << QStringList{"--worksheet=division", "--grade=3", "--seed=7",
                                                "--output=-", "--wait-seconds=3600"}
                                 << int(Subject::Division) << 3 << 7 << "---" << 1 << "-" << 3600;
    QTest::addRow("percents, any order")
        << QStringList{"--seed", "2", "--grade", "2", "--worksheet", "percents"}
        << int(Subject::Percents) << 2 << 2 << "---" << 1 << "" << 120;
    QTest::addRow("percent") << QStringList{"--worksheet", "percent", "--grade", "5",
                                            "--seed",      "19",      "--count", "1"}
                             << int(Subject::Percents) << 5 << 19 << "---" << 1 << "" << 120;
    QTest::addRow("key first, answers too")
        << QStringList{"--with-key", "--answers", "--worksheet", "multiplication",
                       "--grade",    "4",         "--seed",      "3"}
        << int(Subject::Multiplication) << 4 << 3 << "a-w" << 1 << "" << 120;
    QTest::addRow("leading zeros are still a whole number")
        << QStringList{"--worksheet", "addition",  "--grade", "00000000000000000000005",
                       "--seed",      "0000000003"}
        << int(Subject::Addition) << 5 << 3 << "---" << 1 << "" << 120;
    QTest::addRow("output named like an option value")
        << with(kBase, {"--output", "-sheet.pdf"}) << int(Subject::Addition) << 3 << 5 << "---" << 1
        << "-sheet.pdf" << 120;
    QTest::addRow("output with an equals sign")
        << with(kBase, {"--output=a=b.pdf"}) << int(Subject::Addition) << 3 << 5 << "---" << 1
        << "a=b.pdf" << 120;
    QTest::addRow("a device") << with(kBase, {"--output", "/dev/null"}) << int(Subject::Addition)
                              << 3 << 5 << "---" << 1 << "/dev/null" << 120;
    QTest::addRow("name of 255 bytes")
        << with(kBase, {"--output", QString(251, 'n') + ".pdf"}) << int(Subject::Addition) << 3 << 5
        << "---" << 1 << QString(251, 'n') + ".pdf" << 120;
}

void tst_WorksheetOptions::accepted()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, subject);
    QFETCH(int, grade);
    QFETCH(int, seed);
    QFETCH(QString, switches);
    QFETCH(int, count);
    QFETCH(QString, output);
    QFETCH(int, wait);
    const WorksheetParse parse = parseWorksheetArguments(arguments);
    QVERIFY2(parse.action == WorksheetParse::Action::Run, qPrintable(parse.error));
    QCOMPARE(int(parse.options.subject), subject);
    QCOMPARE(parse.options.grade, grade);
    QCOMPARE(parse.options.seed, seed);
    QCOMPARE(parse.options.answers, switches.at(0) == 'a');
    QCOMPARE(parse.options.negatives, switches.at(1) == 'n');
    QCOMPARE(parse.options.withKey, switches.at(2) == 'w');
    QCOMPARE(parse.options.count, count);
    QCOMPARE(parse.options.output, output);
    QCOMPARE(parse.options.waitSeconds, wait);
}

void tst_WorksheetOptions::rejected_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("error");

    QTest::addRow("unknown subject")
        << QStringList{"--worksheet", "fractions", "--grade", "3", "--seed", "5"}
        << "unknown subject 'fractions' for --worksheet; allowed: " + kSubjects;
    QTest::addRow("another paper") << with(kBase, {"--paper", "a3"})
                                   << "unknown paper 'a3' for --paper; allowed: a4 or letter";
    QTest::addRow("paper in capitals") << with(kBase, {"--paper", "A4"})
                                       << "unknown paper 'A4' for --paper; allowed: a4 or letter";
    QTest::addRow("grade fraction")
        << QStringList{"--worksheet", "addition", "--grade", "2.5", "--seed", "5"}
        << "grade '2.5' is not allowed; allowed: " + kGrades;
    QTest::addRow("grade negative")
        << QStringList{"--worksheet", "addition", "--grade=-1", "--seed", "5"}
        << "grade '-1' is not allowed; allowed: " + kGrades;
    QTest::addRow("grade word") << QStringList{"--worksheet", "addition", "--grade",
                                               "three",       "--seed",   "5"}
                                << "grade 'three' is not allowed; allowed: " + kGrades;
    QTest::addRow("seed huge") << QStringList{"--worksheet", "addition", "--grade",
                                              "3",           "--seed",   "99999999999"}
                               << "seed '99999999999' is not allowed; allowed: " + kSeeds;
    QTest::addRow("seed with a plus sign")
        << QStringList{"--worksheet", "addition", "--grade", "3", "--seed", "+5"}
        << "seed '+5' is not allowed; allowed: " + kSeeds;
    QTest::addRow("seed with a blank")
        << QStringList{"--worksheet", "addition", "--grade", "3", "--seed", " 5"}
        << "seed ' 5' is not allowed; allowed: " + kSeeds;
    QTest::addRow("seed in other digits")
        << QStringList{"--worksheet", "addition", "--grade", "3", "--seed", "\u0665"}
        << "seed '\u0665' is not allowed; allowed: " + kSeeds;
    QTest::addRow("value missing before the next option")
        << QStringList{"--worksheet", "--grade", "3", "--seed", "5"}
        << "option --worksheet is missing its value; allowed: " + kSubjects;
    QTest::addRow("output value empty")
        << with(kBase, {"--output="})
        << "option --output is missing its value; allowed: " + kOutputs;
    QTest::addRow("grade missing") << QStringList{"--worksheet", "addition", "--seed", "5"}
                                   << "option --grade is missing; allowed: " + kGrades;
    QTest::addRow("seed missing") << QStringList{"--worksheet", "addition", "--grade", "3"}
                                  << "option --seed is missing; allowed: " + kSeeds;
    QTest::addRow("subject missing") << QStringList{"--grade", "3", "--seed", "5"}
                                     << "option --worksheet is missing; allowed: " + kSubjects;
    QTest::addRow("unknown option")
        << with(kBase, {"--colour"}) << "unknown option '--colour'; allowed: " + kOptionList;
    QTest::addRow("stray argument")
        << with(kBase, {"extra"}) << "unknown option 'extra'; allowed: " + kOptionList;
    QTest::addRow("single-dash option")
        << with(kBase, {"-grade", "3"}) << "unknown option '-grade'; allowed: " + kOptionList;
    QTest::addRow("the short help spelled long")
        << QStringList{"--h"} << "unknown option '--h'; allowed: " + kOptionList;
    QTest::addRow("the short help with more letters")
        << QStringList{"-hx"} << "unknown option '-hx'; allowed: " + kOptionList;
    QTest::addRow("no end of options")
        << with(kBase, {"--", "--answers"}) << "unknown option '--'; allowed: " + kOptionList;
    QTest::addRow("a lone dash") << with(kBase, {"-"})
                                 << "unknown option '-'; allowed: " + kOptionList;
    QTest::addRow("flag with a value")
        << with(kBase, {"--answers=yes"}) << "option --answers takes no value, but was given 'yes'";
    QTest::addRow("version with a value")
        << QStringList{"--version=2"} << "option --version takes no value, but was given '2'";
    QTest::addRow("negatives with addition")
        << with(kBase, {"--negatives"})
        << "--negatives is not allowed with 'addition'; allowed with subtraction only";
    QTest::addRow("negatives with percents")
        << QStringList{"--worksheet", "percents", "--grade", "3", "--seed", "5", "--negatives"}
        << "--negatives is not allowed with 'percents'; allowed with subtraction only";
    QTest::addRow("grade twice") << with(kBase, {"--grade", "5"})
                                 << "option --grade is given more than once; allowed: once";
    QTest::addRow("grade twice, the same value")
        << with(kBase, {"--grade=3"}) << "option --grade is given more than once; allowed: once";
    QTest::addRow("key twice") << with(kBase, {"--with-key", "--with-key"})
                               << "option --with-key is given more than once; allowed: once";
    QTest::addRow("newline in a file name")
        << with(kBase, {"--output", "a\nb.pdf"})
        << "value 'a\\x0ab.pdf' of --output holds a control character; allowed: " + kOutputs;
    QTest::addRow("newline in a repeated file name")
        << with(kBase, {"--output", "a.pdf", "--output", "b\n.pdf"})
        << "value 'b\\x0a.pdf' of --output holds a control character; allowed: " + kOutputs;
    QTest::addRow("delete in a file name")
        << with(kBase, {"--output", "a\x7f.pdf"})
        << "value 'a\\x7f.pdf' of --output holds a control character; allowed: " + kOutputs;
    QTest::addRow("tab in a subject")
        << QStringList{"--worksheet", "addition\t", "--grade", "3", "--seed", "5"}
        << "value 'addition\\x09' of --worksheet holds a control character; allowed: " + kSubjects;
    QTest::addRow("escape in an unknown option")
        << with(kBase, {"--col\x1bour"})
        << "unknown option '--col\\x1bour'; allowed: " + kOptionList;
    QTest::addRow("file name of 256 bytes")
        << with(kBase, {"--output", QString(252, 'n') + ".pdf"})
        << "output path holds a name of 256 bytes; allowed: names of at most 255 bytes";
    QTest::addRow("path of 4097 bytes")
        << with(kBase, {"--output", QString("a/").repeated(2046) + "x.pdf"})
        << "output path of 4097 bytes is too long; allowed: a path of at most 4095 bytes";
    QTest::addRow("output is a folder")
        << with(kBase, {"--output", "/"}) << kCannotWrite.arg("/", "it is a folder");

    // The first fault in the line is the one reported; the values are judged once every
    // argument is read, in the options' order, and the rules between options after them.
    QTest::addRow("an unknown option before a bad value")
        << QStringList{"--grade", "9", "--colour", "--seed", "0"}
        << "unknown option '--colour'; allowed: " + kOptionList;
    QTest::addRow("a missing value before a repeated option")
        << QStringList{"--grade", "3", "--grade"}
        << "option --grade is missing its value; allowed: " + kGrades;
    QTest::addRow("a repeated option before a missing value")
        << QStringList{"--grade", "3", "--grade", "4", "--count"}
        << "option --grade is given more than once; allowed: once";
    QTest::addRow("a fault before the help")
        << QStringList{"--colour", "--help"}
        << "unknown option '--colour'; allowed: " + kOptionList;
    QTest::addRow("the seed is judged after the grade")
        << QStringList{"--seed", "0", "--grade", "9", "--worksheet", "addition"}
        << "grade '9' is not allowed; allowed: " + kGrades;
    QTest::addRow("the count is judged before the negatives")
        << with(kBase, {"--negatives", "--count", "0"})
        << "count '0' is not allowed; allowed: a whole number from 1 to 100";
    QTest::addRow("the negatives are judged before the output path")
        << with(kBase, {"--output", "/", "--negatives"})
        << "--negatives is not allowed with 'addition'; allowed with subtraction only";
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

void tst_WorksheetOptions::ranges_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<int>("lowest");
    QTest::addColumn<int>("highest");
    QTest::addColumn<QString>("refused"); // the message for a value outside, %1 the value
    QTest::addColumn<QString>("missing"); // the message for a missing value

    QTest::addRow("grade") << "--grade" << 1 << 6
                           << "grade '%1' is not allowed; allowed: " + kGrades
                           << "option --grade is missing its value; allowed: " + kGrades;
    QTest::addRow("seed") << "--seed" << 1 << 20 << "seed '%1' is not allowed; allowed: " + kSeeds
                          << "option --seed is missing its value; allowed: " + kSeeds;
    QTest::addRow("count") << "--count" << 1 << 100
                           << "count '%1' is not allowed; allowed: a whole number from 1 to 100"
                           << "option --count is missing its value; allowed: a whole number from "
                              "1 to 100";
    QTest::addRow("wait-seconds")
        << "--wait-seconds" << 0 << 3600
        << "wait '%1' is not allowed; allowed: a whole number of seconds from 0 to 3600"
        << "option --wait-seconds is missing its value; allowed: a whole number of seconds from "
           "0 to 3600";
}

// The range that the parse keeps is the one its messages state.
void tst_WorksheetOptions::ranges()
{
    QFETCH(QString, option);
    QFETCH(int, lowest);
    QFETCH(int, highest);
    QFETCH(QString, refused);
    QFETCH(QString, missing);
    // Grade and seed are set apart from the option under test, which replaces them.
    const auto parsed = [&option](int value) {
        QStringList arguments{"--worksheet", "subtraction"};
        for (const QString &required : {QString("--grade"), QString("--seed")}) {
            if (required != option) {
                arguments << required << "2";
            }
        }
        return parseWorksheetArguments(arguments << option << QString::number(value));
    };
    for (const int inside : {lowest, highest}) {
        const WorksheetParse parse = parsed(inside);
        QVERIFY2(parse.action == WorksheetParse::Action::Run, qPrintable(parse.error));
    }
    for (const int outside : {lowest - 1, highest + 1}) {
        const WorksheetParse parse = parsed(outside);
        QCOMPARE(parse.action, WorksheetParse::Action::Error);
        QCOMPARE(parse.error, refused.arg(outside));
    }
    QCOMPARE(parseWorksheetArguments({"--worksheet", "addition", option}).error, missing);
}

void tst_WorksheetOptions::paper_data()
{
    QTest::addColumn<QStringList>("more");
    QTest::addColumn<double>("widthMm"); // 0: left to the locale or the printer
    QTest::addColumn<double>("heightMm");
    QTest::addRow("left out") << QStringList{} << 0.0 << 0.0;
    QTest::addRow("a4") << QStringList{"--paper", "a4"} << 210.0 << 297.0;
    QTest::addRow("letter") << QStringList{"--paper=letter"} << 215.9 << 279.4;
}

void tst_WorksheetOptions::paper()
{
    QFETCH(QStringList, more);
    QFETCH(double, widthMm);
    QFETCH(double, heightMm);
    const WorksheetParse parse = parseWorksheetArguments(with(kBase, more));
    QVERIFY2(parse.action == WorksheetParse::Action::Run, qPrintable(parse.error));
    QCOMPARE(parse.options.paper.value_or(Paper()).widthMm, widthMm);
    QCOMPARE(parse.options.paper.value_or(Paper()).heightMm, heightMm);
}

void tst_WorksheetOptions::helpAndVersion_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("action");
    QTest::addRow("help") << QStringList{"--help"} << int(WorksheetParse::Action::Help);
    QTest::addRow("short help") << QStringList{"-h"} << int(WorksheetParse::Action::Help);
    QTest::addRow("help with a value")
        << QStringList{"--help=me"} << int(WorksheetParse::Action::Help);
    QTest::addRow("help after values that are not allowed")
        << QStringList{"--worksheet", "algebra", "--grade", "9", "--help"}
        << int(WorksheetParse::Action::Help);
    QTest::addRow("version") << QStringList{"--version"} << int(WorksheetParse::Action::Version);
    QTest::addRow("version before an unknown option")
        << QStringList{"--version", "--colour"} << int(WorksheetParse::Action::Version);
}

void tst_WorksheetOptions::helpAndVersion()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, action);
    QCOMPARE(int(parseWorksheetArguments(arguments).action), action);
}

void tst_WorksheetOptions::help()
{
    QCOMPARE(
        worksheetUsage(),
        "Usage: sumtopia --worksheet SUBJECT --grade N --seed S [--answers] [--negatives]\n"
        "                [--with-key] [--count K] [--output FILE] [--wait-seconds W]\n"
        "                [--paper SIZE]\n"
        "       sumtopia            (starts the window)\n"
        "\n"
        "Makes worksheets of twenty problems without opening a window.\n"
        "\n"
        "  --worksheet SUBJECT  addition, subtraction, multiplication, division or percent\n"
        "                       (also percents)\n"
        "  --grade N            grade level, 1 to 6\n"
        "  --seed S             seed, 1 to 20, added to every operand less one\n"
        "  --answers            the copy with the answers filled in\n"
        "  --negatives          subtraction only: allow negative answers\n"
        "  --with-key           after each sheet, its answer copy with the same problems\n"
        "  --count K            K sheets in a row, 1 to 100 (default 1)\n"
        "  --output FILE        write a PDF file; - writes plain text to standard output;\n"
        "                       without it the sheets go to the default printer, one job each\n"
        "  --wait-seconds W     how long to wait for the printer to print the jobs, 0 to 3600\n"
        "                       (default 120); 0 returns once the printer has taken them\n"
        "  --paper SIZE         paper size, a4 or letter; without it a file takes the\n"
        "                       locale's paper (LC_PAPER), a printer its own\n"
        "  --help               show this help\n"
        "  --version            show the version\n"
        "\n"
        "Each option is given once, as --name VALUE or --name=VALUE.\n"
        "The same choices always give the same sheets. A file is replaced only once the new\n"
        "one is complete.\n"
        "Exit status: 0 done (jobs left waiting in a printer's queue are said on standard\n"
        "error), 1 printing or writing failed, 2 bad input (nothing written).\n");
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
    QTest::addRow("wait seconds alone") << QStringList{"--wait-seconds=5"} << true;
    QTest::addRow("stray word") << QStringList{"addition"} << true;
    QTest::addRow("a Qt option missing its value") << QStringList{"-platform"} << false;
    QTest::addRow("a Qt switch given a value") << QStringList{"-reverse=1"} << false;
    QTest::addRow("an option of the command as a Qt option's value")
        << QStringList{"-style", "--grade"} << true;
    QTest::addRow("-- as a Qt option's value") << QStringList{"-style", "--"} << false;
    QTest::addRow("-- after a Qt option") << QStringList{"-style", "Fusion", "--"} << true;
}

void tst_WorksheetOptions::windowOrCommand()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, command);
    QCOMPARE(isWorksheetRequest(arguments), command);
}

QTEST_GUILESS_MAIN(tst_WorksheetOptions)
#include "tst_worksheetoptions.moc"
