#include "CommandLineTexts.h"
#include "PdfPages.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

struct Run {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

// Runs the program as a script would: no display, no platform chosen. `environment` holds
// NAME=value pairs to set, or NAME alone to remove; `through` a program that runs it, with its
// arguments, the last of which names the program to run.
Run runProgram(const QStringList &arguments, const QString &directory = QString(),
               const QString &standardOutput = QString(), const QString &desktopLocale = QString(),
               const QStringList &environmentChanges = {}, const QStringList &through = {})
{
    QProcess process;
    if (!standardOutput.isEmpty()) {
        process.setStandardOutputFile(standardOutput);
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        environment.remove(QString::fromLatin1(name));
    }
    // A desktop session in another language: LANG alone names it.
    if (!desktopLocale.isEmpty()) {
        for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"}) {
            environment.remove(QString::fromLatin1(name));
        }
        environment.insert(QStringLiteral("LANG"), desktopLocale);
    }
    for (const QString &change : environmentChanges) {
        if (change.contains('=')) {
            environment.insert(change.section('=', 0, 0), change.section('=', 1));
        } else {
            environment.remove(change);
        }
    }
    process.setProcessEnvironment(environment);
    if (!directory.isEmpty()) {
        process.setWorkingDirectory(directory);
    }
    if (through.isEmpty()) {
        process.start(QStringLiteral(SUMTOPIA_EXECUTABLE), arguments);
    } else {
        process.start(through.first(), through.mid(1) + arguments);
    }
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

// The first row of addition, grade 1, seed 1, whatever the language: the bottom operands after
// the sign in columns 27 and 67.
const QString kAdditionTop =
    " 1 )                        12             2 )                       9";
QString additionBottom(const QString &sign)
{
    return QString(26, ' ') + sign + " 14" + QString(36, ' ') + sign + " 10";
}

} // namespace

class tst_WorksheetCli : public QObject
{
    Q_OBJECT
private slots:
    void helpAndVersion_data();
    void helpAndVersion();
    void textOutput_data();
    void textOutput();
    void keyAfterEachSheet_data();
    void keyAfterEachSheet();
    void pdfOutput_data();
    void pdfOutput();
    void badInput_data();
    void badInput();
    void fullStandardOutput_data();
    void fullStandardOutput();
    void pipeWithoutReader();
    void protectedTargets_data();
    void protectedTargets();
    void replacedFileKeepsOwnerAndMode();
    void paperFollowsTheLocale_data();
    void paperFollowsTheLocale();
    void noDisplay_data();
    void noDisplay();
    void qtOptionsStartTheWindow();
    void translatedSheet_data();
    void translatedSheet();
    void translatedSheetsOnePageEach_data();
    void translatedSheetsOnePageEach();
    void translatedHelpAndErrors_data();
    void translatedHelpAndErrors();
};

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

// The options reach the sheets: each row's lines, as the program printed them before, stand in
// this order in what it prints, each further sheet after a form feed. The sheets' own rules are
// the worksheets' test.
void tst_WorksheetCli::textOutput_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("formFeeds");
    const QString blanks =
        "              Answer__________                          Answer__________";
    QTest::addRow("addition") << QStringList{"--worksheet", "addition", "--grade",  "1",
                                             "--seed",      "1",        "--output", "-"}
                              << QStringList{"Add the following numbers", "", kAdditionTop,
                                             additionBottom("+"), blanks}
                              << 0;
    QTest::addRow("subtraction with negatives and answers")
        << QStringList{"--worksheet", "subtraction", "--grade",     "4",        "--seed",
                       "20",          "--answers",   "--negatives", "--output", "-"}
        << QStringList{" 1 )                        81             2 )                      66",
                       "                          - 90                                    - 69",
                       "              Answer       -9                           Answer     -3"}
        << 0;
    // The draws go on from sheet to sheet.
    QTest::addRow("three multiplication sheets")
        << QStringList{"--worksheet", "multiplication", "--grade", "6",        "--seed",
                       "7",           "--count",        "3",       "--output", "-"}
        << QStringList{" 1 )                       635             2 )                     487",
                       "                         x 732                                   x 520",
                       blanks,
                       "\f",
                       " 1 )                       648             2 )                     173",
                       "\f",
                       " 1 )                       252             2 )                     280"}
        << 2;
    QTest::addRow("percents with answers")
        << QStringList{"--worksheet", "percents",  "--grade",  "2", "--seed",
                       "1",           "--answers", "--output", "-"}
        << QStringList{"Find the percent of the following numbers", "",
                       " 1 )         12 IS WHAT PERCENT OF:              9  Answer  133.3"}
        << 0;
    QTest::addRow("division, two sheets")
        << QStringList{"--worksheet", "division", "--grade", "3",        "--seed", "1",
                       "--answers",   "--count",  "2",       "--output", "-"}
        << QStringList{" 1 )         62  /     47   Answer  1.319", "\f",
                       " 1 )         63  /     16   Answer  3.938"}
        << 1;
}

void tst_WorksheetCli::textOutput()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, lines);
    QFETCH(int, formFeeds);
    const Run first = runProgram(arguments);
    QCOMPARE(first.status, 0);
    QVERIFY(first.err.isEmpty());
    QVERIFY(first.out.endsWith('\n'));
    const QStringList printed = QString::fromUtf8(first.out).split('\n');
    // A row's lines follow one another; a form feed, and the line after it, are looked for
    // further on.
    qsizetype at = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const bool looked = i == 0 || lines.at(i) == "\f" || lines.at(i - 1) == "\f";
        const qsizetype found = looked ? printed.indexOf(lines.at(i), at + 1)
                                       : (printed.value(at + 1) == lines.at(i) ? at + 1 : -1);
        QVERIFY2(found > at, qPrintable(lines.at(i)));
        at = found;
    }
    QCOMPARE(int(first.out.count("\n\f\n")), formFeeds);
    // A fresh start replays the same sheets.
    QCOMPARE(runProgram(arguments).out, first.out);
}

void tst_WorksheetCli::keyAfterEachSheet_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addRow("addition") << QStringList{"--worksheet", "addition", "--grade",
                                             "2",           "--seed",   "4"};
    QTest::addRow("division") << QStringList{"--worksheet", "division", "--grade",
                                             "1",           "--seed",   "1"};
}

void tst_WorksheetCli::keyAfterEachSheet()
{
    QFETCH(QStringList, arguments);
    arguments << "--count"
              << "2"
              << "--output"
              << "-";
    const Run keyed = runProgram(QStringList(arguments) << "--with-key");
    const Run plain = runProgram(arguments);
    const Run answered = runProgram(QStringList(arguments) << "--answers");
    QCOMPARE(keyed.status, 0);
    QVERIFY(keyed.err.isEmpty());
    const QStringList documents = QString::fromUtf8(keyed.out).split("\f\n");
    const QStringList sheets = QString::fromUtf8(plain.out).split("\f\n");
    const QStringList keys = QString::fromUtf8(answered.out).split("\f\n");
    QCOMPARE(documents.size(), 4);
    QCOMPARE(sheets.size(), 2);
    // Sheet, key, sheet, key: the sheets as without keys, each key the answer copy that the
    // same draws give.
    QCOMPARE(documents.at(0), sheets.at(0));
    QCOMPARE(documents.at(2), sheets.at(1));
    QCOMPARE(documents.at(1), keys.at(0));
    QCOMPARE(documents.at(3), keys.at(1));
    QVERIFY(documents.at(0) != documents.at(2));
    // How a key differs from its sheet, the answer lines alone, is the worksheets' test.
    QVERIFY(documents.at(1) != documents.at(0));
}

void tst_WorksheetCli::pdfOutput_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("pages");
    QTest::addRow("percent, two sheets")
        << QStringList{"--worksheet", "percent", "--grade", "6", "--seed", "20", "--count", "2"}
        << 2;
    // One file, with a page for each sheet and one for each key.
    QTest::addRow("multiplication, three sheets with keys")
        << QStringList{"--worksheet", "multiplication", "--grade", "3",         "--seed",
                       "2",           "--count",        "3",       "--with-key"}
        << 6;
}

void tst_WorksheetCli::pdfOutput()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, pages);
    QTemporaryDir dir;
    const Run run = runProgram(arguments << "--output"
                                         << "sheets.pdf",
                               dir.path());
    QCOMPARE(run.status, 0);
    QVERIFY2(run.err.isEmpty(), run.err.constData());
    QVERIFY(run.out.isEmpty());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"sheets.pdf"});
    QFile file(dir.filePath("sheets.pdf"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().startsWith("%PDF-"));
    QCOMPARE(pdfPages(dir.filePath("sheets.pdf")), pages);
}

// The wiring of a fault: its one line, exit status 2, nothing written. Each fault and its sentence
// are the option parse's test; the path of a missing folder is found from the working folder.
void tst_WorksheetCli::badInput_data()
{
    QTest::addColumn<QStringList>("more");
    QTest::addColumn<QString>("message"); // <dir> is the working folder
    QTest::addRow("grade twice") << QStringList{"--grade", "5", "--output", "x.pdf"}
                                 << "sumtopia: option --grade is given more than once; allowed: "
                                    "once\n";
    QTest::addRow("a folder that is not there")
        << QStringList{"--output", "none/x.pdf"}
        << "sumtopia: " +
               kCannotWrite.arg("none/x.pdf",
                                "the folder <dir>/none cannot be used: No such file or directory") +
               "\n";
}

void tst_WorksheetCli::badInput()
{
    QFETCH(QStringList, more);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QStringList before =
        QDir(dir.path())
            .entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
    const Run run = runProgram(
        QStringList{"--worksheet", "addition", "--grade", "3", "--seed", "1"} + more, dir.path());
    QCOMPARE(QString::fromUtf8(run.err), message.replace("<dir>", dir.path()));
    QCOMPARE(run.status, 2);
    QVERIFY(run.out.isEmpty());
    QCOMPARE(QDir(dir.path())
                 .entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot),
             before);
}

// Standard output is written as it is, so a full one fails the run; the help says so by its
// status alone.
void tst_WorksheetCli::fullStandardOutput_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    QTest::addRow("sheets")
        << QStringList{"--worksheet", "addition", "--grade", "3", "--seed", "1", "--output", "-"}
        << "sumtopia: standard output could not be written: No space left on device\n";
    QTest::addRow("help") << QStringList{"--help"} << "";
}

void tst_WorksheetCli::fullStandardOutput()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    const Run run = runProgram(arguments, QString(), "/dev/full");
    QCOMPARE(QString::fromUtf8(run.err), message);
    QCOMPARE(run.status, 1);
}

// Nobody reads: said at once, rather than waited for. Writing to a pipe or a full disk is the
// delivery's test; here the outcome reaches its exit status and its line.
void tst_WorksheetCli::pipeWithoutReader()
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath("sheets");
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const Run run =
        runProgram({"--worksheet", "percent", "--grade", "3", "--seed", "1", "--output", fifo});
    QCOMPARE(QString::fromUtf8(run.err),
             "sumtopia: " + fifo +
                 " could not be written: nothing reads from it. Start the program that reads it, "
                 "or choose a file, then try again.\n");
    QCOMPARE(run.status, 1);
}

void tst_WorksheetCli::noDisplay_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("message");
    QTest::addRow("nothing set") << QStringList{} << ""
                                 << "sumtopia: there is no display to show the window on (neither "
                                    "DISPLAY nor WAYLAND_DISPLAY is set); start the program in a "
                                    "desktop session, or make worksheets without a window "
                                    "(sumtopia --help)\n";
    QTest::addRow("a display that is not there")
        << QStringList{} << ":97"
        << "sumtopia: the window cannot be shown: could not connect to display :97; start the "
           "program in a desktop session, or make worksheets without a window (sumtopia "
           "--help)\n";
}

void tst_WorksheetCli::noDisplay()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, display);
    QFETCH(QString, message);
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        environment.remove(QString::fromLatin1(name));
    }
    if (!display.isEmpty()) {
        environment.insert("DISPLAY", display);
    }
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(SUMTOPIA_EXECUTABLE), arguments);
    QVERIFY(process.waitForFinished(20000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(QString::fromUtf8(process.readAllStandardError()), message);
    QCOMPARE(process.exitCode(), 1);
}

void tst_WorksheetCli::qtOptionsStartTheWindow()
{
    // No display and no platform from the environment: the argument alone must open the window.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        environment.remove(QLatin1String(name));
    }
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(SUMTOPIA_EXECUTABLE),
                  {"-platform", "offscreen", "-style", "Fusion"});
    QVERIFY(process.waitForStarted());
    // A worksheet request would have ended by now; the window runs until it is closed.
    QVERIFY(!process.waitForFinished(1500));
    QVERIFY(!process.readAllStandardError().contains("sumtopia:"));
    process.kill();
    process.waitForFinished(5000);
}

void tst_WorksheetCli::translatedSheet_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("lines");
    // One sheet a language, as printed: its catalogue loads for the heading, the sign or the
    // middle text and both answer lines; the columns stay with the longer words, and the
    // numbers take the decimal comma. Each text on its own is the catalogue's test.
    QTest::addRow("de multiplication with answers")
        << "de_DE.UTF-8" << QStringList{"--worksheet", "multiplication", "--grade",  "1", "--seed",
                                        "1",           "--answers",      "--output", "-"}
        << QStringList{"Multipliziere die folgenden Zahlen", "", kAdditionTop,
                       additionBottom("\u00B7"),
                       "              Ergebnis      168                         Ergebnis    90"};
    QTest::addRow("fr percent with answers")
        << "fr_FR.UTF-8" << QStringList{"--worksheet", "percent",   "--grade",  "5", "--seed",
                                        "1",           "--answers", "--output", "-"}
        << QStringList{"Calcule les pourcentages suivants", "",
                       " 1 )        629 EST QUEL % DE\u00A0:                481  R\u00E9sultat  "
                       "130,8"};
    QTest::addRow("es addition")
        << "es_ES.UTF-8"
        << QStringList{"--worksheet", "addition", "--grade", "1", "--seed", "1", "--output", "-"}
        << QStringList{"",
                       "",
                       "NOMBRE: __________________",
                       "",
                       "FECHA: __________________",
                       "",
                       "Resuelve las siguientes sumas",
                       "",
                       kAdditionTop,
                       additionBottom("+"),
                       "              Soluci\u00F3n__________                        "
                       "Soluci\u00F3n__________"};
}

void tst_WorksheetCli::translatedSheet()
{
    QFETCH(QString, locale);
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, lines);
    const Run run = runProgram(arguments, QString(), QString(), locale);
    QCOMPARE(run.status, 0);
    QCOMPARE(run.err, QByteArray());
    QStringList printed = QString::fromUtf8(run.out).split(QLatin1Char('\n'));
    // The rows that start at the instruction are compared from there.
    if (lines.first() != QString()) {
        printed = printed.mid(printed.indexOf(lines.first()));
    }
    QVERIFY(printed.size() > lines.size());
    QCOMPARE(printed.mid(0, lines.size()), lines);
    // No number anywhere on the sheet is written with a decimal point.
    QVERIFY(!QString::fromUtf8(run.out).contains(QRegularExpression(QStringLiteral("\\.\\d"))));
}

void tst_WorksheetCli::translatedSheetsOnePageEach_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("subject");
    // Grade 6, seed 20. The longest words of each language on its widest problems, with the numbers
    // in the language's own form: the pair rows' answer lines (as wide on every pair-row sheet)
    // beside seven-digit products, and the percent sheet's middle text beside four-digit operands.
    // Division's lines are shorter than the percent sheet's.
    for (const char *locale : {"de_DE.UTF-8", "fr_FR.UTF-8", "es_ES.UTF-8"}) {
        const QString language = QString::fromLatin1(locale).left(2);
        for (const char *subject : {"multiplication", "percent"}) {
            QTest::addRow("%s %s", qPrintable(language), subject) << locale << subject;
        }
    }
}

void tst_WorksheetCli::translatedSheetsOnePageEach()
{
    QFETCH(QString, locale);
    QFETCH(QString, subject);
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    QVERIFY2(!pdftotext.isEmpty(), "pdftotext is missing: run scripts/install-deps.sh");
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString pdf = folder.filePath(QStringLiteral("sheet.pdf"));
    const Run run = runProgram(
        {"--worksheet", subject, "--grade", "6", "--seed", "20", "--with-key", "--output", pdf},
        QString(), QString(), locale);
    QCOMPARE(run.status, 0);
    QCOMPARE(run.err, QByteArray());
    // The sheet and its key, one page each on Letter: no problem spills onto a line of its own.
    QCOMPARE(pdfPages(pdf), 2);
    // A4 is taller than Letter but 5.9 mm narrower, with the same margins from the same left
    // edge: every word must end inside A4's right margin (595.28 - 18 points).
    QProcess boxes;
    boxes.start(pdftotext, {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    QVERIFY(boxes.waitForFinished(60000));
    QCOMPARE(boxes.exitCode(), 0);
    static const QRegularExpression rightEdge(QStringLiteral("xMax=\"([0-9.]+)\""));
    int words = 0;
    for (const QRegularExpressionMatch &match :
         rightEdge.globalMatch(QString::fromUtf8(boxes.readAllStandardOutput()))) {
        ++words;
        QVERIFY2(match.captured(1).toDouble() <= 577.28, qPrintable(match.captured()));
    }
    QVERIFY(words > 200);
}

// The language of the session reaches the help and the faults: the help's first line, the
// subjects as the language lists them, every description in one column beside the longer words,
// and a fault's one line with exit status 2. Each sentence is the option parse's test.
void tst_WorksheetCli::translatedHelpAndErrors_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("usage");
    QTest::addColumn<QString>("subjects");
    QTest::addColumn<QString>("badGrade");
    // The subject names and the options are the command's interface and stay as they are.
    QTest::addRow("de")
        << "de_DE.UTF-8"
        << "Aufruf: sumtopia --worksheet RECHENART --grade N --seed S [--answers]"
        << "  --worksheet RECHENART  addition, subtraction, multiplication, division oder percent"
        << "sumtopia: --grade \u201E7\u201C ist nicht erlaubt; erlaubt: eine ganze Zahl von 1 bis "
           "6\n";
    QTest::addRow("fr")
        << "fr_FR.UTF-8"
        << "Usage\u00A0: sumtopia --worksheet OP\u00C9RATION --grade N --seed S [--answers]"
        << "  --worksheet OP\u00C9RATION  addition, subtraction, multiplication, division ou "
           "percent"
        << "sumtopia: --grade \u00AB\u00A07\u00A0\u00BB n\u2019est pas autoris\u00E9\u00A0; "
           "autoris\u00E9\u00A0: un nombre entier de 1 \u00E0 6\n";
    QTest::addRow("es")
        << "es_ES.UTF-8"
        << "Uso: sumtopia --worksheet OPERACI\u00D3N --grade N --seed S [--answers] [--negatives]"
        << "  --worksheet OPERACI\u00D3N  addition, subtraction, multiplication, division o percent"
        << "sumtopia: --grade \u00AB7\u00BB no se admite; se admite: un n\u00FAmero entero del 1 "
           "al 6\n";
}

void tst_WorksheetCli::translatedHelpAndErrors()
{
    QFETCH(QString, locale);
    QFETCH(QString, usage);
    QFETCH(QString, subjects);
    QFETCH(QString, badGrade);
    const Run help = runProgram({"--help"}, QString(), QString(), locale);
    QCOMPARE(help.status, 0);
    const QStringList lines = QString::fromUtf8(help.out).split(QLatin1Char('\n'));
    QCOMPARE(lines.value(0), usage);
    QVERIFY2(lines.contains(subjects), qPrintable(subjects));
    // Every description starts in one column, beside its option or under the one above.
    static const QRegularExpression row(QStringLiteral("^(  --\\S+( \\S+)?  +| {20,})\\S"));
    QSet<qsizetype> columns;
    for (const QString &line : lines) {
        const QRegularExpressionMatch match = row.match(line);
        if (match.hasMatch()) {
            columns.insert(match.capturedLength(1));
        }
    }
    QCOMPARE(columns.size(), 1);

    const Run grade = runProgram({"--worksheet", "addition", "--grade", "7", "--seed", "1"},
                                 QString(), QString(), locale);
    QCOMPARE(grade.status, 2);
    QCOMPARE(QString::fromUtf8(grade.err), badGrade);
    QCOMPARE(grade.out, QByteArray());
}

// The suite runs as root, who may replace any file (as cp may); the rule shows for another user.
void tst_WorksheetCli::protectedTargets_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("daemons"); // owned by daemon in a sticky folder, else by nobody
    QTest::addColumn<QString>("problem");
    QTest::addRow("write-protected file") << 0444 << false << "it is write-protected";
    QTest::addRow("another user's writable file in a sticky folder")
        << 0666 << true
        << "it belongs to another user, and in this folder only they may replace it";
}

void tst_WorksheetCli::protectedTargets()
{
    QFETCH(int, mode);
    QFETCH(bool, daemons);
    QFETCH(QString, problem);
    if (::geteuid() != 0) {
        QSKIP("needs root, to make files of other users and to run the program as nobody");
    }
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path());
    // nobody and daemon have the same numbers on every Debian system.
    const uid_t nobody = 65534;
    const uid_t daemon = 1;
    QVERIFY(::chmod(folder, daemons ? 01777 : 0755) == 0);
    if (!daemons) {
        QVERIFY(::chown(folder, nobody, nobody) == 0);
    }
    const QString target = dir.filePath("keep.pdf");
    QFile old(target);
    QVERIFY(old.open(QIODevice::WriteOnly));
    QVERIFY(old.write("last week's sheet") > 0);
    old.close();
    const QByteArray name = QFile::encodeName(target);
    QVERIFY(::chown(name, daemons ? daemon : nobody, daemons ? daemon : nobody) == 0);
    QVERIFY(::chmod(name, mode_t(mode)) == 0);
    // The build may sit below a folder only root may enter; nobody runs a copy from one that
    // anyone may.
    QTemporaryDir programFolder;
    QVERIFY(::chmod(QFile::encodeName(programFolder.path()), 0755) == 0);
    const QString program = programFolder.filePath(QStringLiteral("sumtopia"));
    QVERIFY(QFile::copy(QStringLiteral(SUMTOPIA_EXECUTABLE), program));
    const Run run = runProgram(
        {"--worksheet", "addition", "--grade", "3", "--seed", "1", "--output", target}, QString(),
        QString(), QString(), {"HOME=" + dir.path()},
        {"setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups", "--", program});
    QCOMPARE(QString::fromUtf8(run.err), "sumtopia: " + kCannotWrite.arg(target, problem) + "\n");
    QCOMPARE(run.status, 2);
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("last week's sheet"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"keep.pdf"});
}

void tst_WorksheetCli::replacedFileKeepsOwnerAndMode()
{
    QTemporaryDir dir;
    const QString target = dir.filePath("keep.pdf");
    QFile old(target);
    QVERIFY(old.open(QIODevice::WriteOnly));
    QVERIFY(old.write("last week's sheet") > 0);
    old.close();
    const QByteArray name = QFile::encodeName(target);
    QVERIFY(::chmod(name, 0640) == 0);
    // Root gives the new file back to the old one's owner; anyone else owned it already.
    const uid_t owner = ::geteuid() == 0 ? 65534 : ::geteuid();
    QVERIFY(::chown(name, owner, gid_t(-1)) == 0);
    const Run run =
        runProgram({"--worksheet", "addition", "--grade", "3", "--seed", "1", "--output", target});
    QCOMPARE(run.status, 0);
    struct stat info {
    };
    QVERIFY(::stat(name, &info) == 0);
    QCOMPARE(info.st_mode & 07777, mode_t(0640));
    QCOMPARE(info.st_uid, owner);
    QCOMPARE(pdfPages(target), 1);
}

void tst_WorksheetCli::paperFollowsTheLocale_data()
{
    QTest::addColumn<QString>("paper"); // LC_PAPER
    QTest::addColumn<QStringList>("more");
    QTest::addColumn<QSizeF>("points");
    const QSizeF a4(595.28, 841.89);
    const QSizeF letter(612, 792);
    QTest::addRow("US locale: Letter") << "en_US.UTF-8" << QStringList() << letter;
    QTest::addRow("--paper a4 over a Letter locale")
        << "en_US.UTF-8" << QStringList{"--paper", "a4"} << a4;
}

// One sheet a page on either paper, and every word of the widest sheet on the page: A4 is the
// narrower of the two.
void tst_WorksheetCli::paperFollowsTheLocale()
{
    QFETCH(QString, paper);
    QFETCH(QStringList, more);
    QFETCH(QSizeF, points);
    QTemporaryDir dir;
    const QString path = dir.filePath("sheets.pdf");
    const Run run =
        runProgram(QStringList{"--worksheet", "addition", "--grade", "6", "--seed", "20", "--count",
                               "3", "--with-key", "--output", path}
                       << more,
                   QString(), QString(), QString(),
                   {"LC_ALL", "LANG", "LC_PAPER=" + paper, "LOCPATH=" SUMTOPIA_LOCALE_DIR});
    QVERIFY2(run.err.isEmpty(), run.err.constData());
    QCOMPARE(run.status, 0);
    QCOMPARE(pdfPages(path), 6);
    const QSizeF size = pdfPageSize(path);
    QVERIFY2(qAbs(size.width() - points.width()) < 0.5 &&
                 qAbs(size.height() - points.height()) < 0.5,
             qPrintable(QString("%1 x %2").arg(size.width()).arg(size.height())));
    QProcess text;
    text.start("pdftotext", {"-bbox", path, "-"});
    QVERIFY(text.waitForFinished(30000));
    const QString words = QString::fromUtf8(text.readAllStandardOutput());
    static const QRegularExpression word(
        "<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">"
        "([^<]*)</word>");
    int answers = 0;
    for (const QRegularExpressionMatch &match : word.globalMatch(words)) {
        QVERIFY2(match.captured(3).toDouble() < size.width() - 18 &&
                     match.captured(4).toDouble() < size.height() - 18,
                 qPrintable(match.captured(0)));
        answers += match.captured(5).startsWith("Answer") ? 1 : 0;
    }
    // Twenty problems on each of the six pages, none lost at the edge.
    QCOMPARE(answers, 120);
}

QTEST_GUILESS_MAIN(tst_WorksheetCli)
#include "tst_worksheetcli.moc"
