#include "cli/WorksheetOptions.h"

#include "platform/Texts.h"
#include "printing/DeliveryText.h"
#include "printing/FileOutput.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <algorithm>
#include <iterator>
#include <optional>

namespace
{

// How an option's value is read, and so what the parse, the messages and the help do with it: a
// name from the subject table, a whole number within the row's range, the output (a PDF file, or
// - for standard output), a paper size by name, a switch that takes no value, the switch that
// only the subjects asking about negative answers take, and the two that end the command.
enum class Kind { Subject, Number, Path, Paper, Switch, Negatives, Help, Version };

// One option of the command. The parse, every message, the help and the list of options all read
// this row, so a name, a range or a sentence is changed here alone. The texts are translated
// where they are shown.
struct OptionRow {
    const char *name; // without its dashes
    Kind kind;
    const char *help; // %1 and %2 the range, %3 the fallback; a line break continues the help
    bool WorksheetOptions::*flag = nullptr;
    const char *alias = nullptr;     // a short spelling, dash included
    const char *valueName = nullptr; // nullptr for an option without a value
    const char *allowed = nullptr;   // the values a message allows; %1 and %2 are the range
    bool required = false;
    int lowest = 0;
    int highest = 0;
    int fallback = 0;            // the value of a number left out
    const char *label = nullptr; // names a number in its message: "grade '7' is not allowed"
    int WorksheetOptions::*number = nullptr;
};

// The command's options, and the context their texts are translated in.
struct Options {
    static const OptionRow table[];
    Q_DECLARE_TR_FUNCTIONS(WorksheetOptions)
};

// The word that names a bad number in its message. English keeps the bare word as it always
// has; a language that would otherwise show an English word names the option itself.
//: Names the value of --grade in "grade '7' is not allowed"; where the English word would stand
//: untranslated, write the option: --grade
constexpr const char *kGradeLabel = QT_TRANSLATE_NOOP("WorksheetOptions", "grade");
//: Names the value of --seed in "seed '0' is not allowed"; or write the option: --seed
constexpr const char *kSeedLabel = QT_TRANSLATE_NOOP("WorksheetOptions", "seed");
//: Names the value of --count in "count '0' is not allowed"; or write the option: --count
constexpr const char *kCountLabel = QT_TRANSLATE_NOOP("WorksheetOptions", "count");
//: Names the value of --wait-seconds in "wait '-1' is not allowed"; or write the option:
//: --wait-seconds
constexpr const char *kWaitLabel = QT_TRANSLATE_NOOP("WorksheetOptions", "wait");
constexpr const char *kWhole =
    QT_TRANSLATE_NOOP("WorksheetOptions", "a whole number from %1 to %2");

// In the order of the help. Columns: name, kind, help, the switch it sets, alias, value name,
// allowed, required, range and fallback, label, the number it sets.
const OptionRow Options::table[] = {
    {"worksheet", Kind::Subject, nullptr, nullptr, nullptr, QT_TR_NOOP("SUBJECT"), nullptr, true},
    {"grade", Kind::Number, QT_TR_NOOP("grade level, %1 to %2"), nullptr, nullptr, QT_TR_NOOP("N"),
     kWhole, true, kLowestGrade, kHighestGrade, 0, kGradeLabel, &WorksheetOptions::grade},
    {"seed", Kind::Number, QT_TR_NOOP("seed, %1 to %2, added to every operand less one"), nullptr,
     nullptr, QT_TR_NOOP("S"), kWhole, true, kLowestSeed, kHighestSeed, 0, kSeedLabel,
     &WorksheetOptions::seed},
    {"answers", Kind::Switch, QT_TR_NOOP("the copy with the answers filled in"),
     &WorksheetOptions::answers},
    {"negatives", Kind::Negatives, QT_TR_NOOP("%1 only: allow negative answers"),
     &WorksheetOptions::negatives},
    {"with-key", Kind::Switch,
     QT_TR_NOOP("after each sheet, its answer copy with the same problems"),
     &WorksheetOptions::withKey},
    {"count", Kind::Number, QT_TR_NOOP("K sheets in a row, %1 to %2 (default %3)"), nullptr,
     nullptr, QT_TR_NOOP("K"), kWhole, false, 1, 100, 1, kCountLabel, &WorksheetOptions::count},
    {"output", Kind::Path,
     QT_TR_NOOP(
         "write a PDF file; - writes plain text to standard output;\nwithout it the sheets go "
         "to the default printer, one job each"),
     nullptr, nullptr, QT_TR_NOOP("FILE"), QT_TR_NOOP("a PDF file path, or - for standard output")},
    {"wait-seconds", Kind::Number,
     QT_TR_NOOP("how long to wait for the printer to print the jobs, %1 to %2\n(default %3); 0 "
                "returns once the printer has taken them"),
     nullptr, nullptr, QT_TR_NOOP("W"), QT_TR_NOOP("a whole number of seconds from %1 to %2"),
     false, 0, 3600, 120, kWaitLabel, &WorksheetOptions::waitSeconds},
    {"paper", Kind::Paper,
     QT_TR_NOOP(
         "paper size, a4 or letter; without it a file takes the\nlocale's paper (LC_PAPER), a "
         "printer its own"),
     nullptr, nullptr, QT_TR_NOOP("SIZE"), QT_TR_NOOP("a4 or letter")},
    {"help", Kind::Help, QT_TR_NOOP("show this help"), nullptr, "-h"},
    {"version", Kind::Version, QT_TR_NOOP("show the version")},
};

// Where the help's second column starts.
constexpr int kHelpColumn = 23;
constexpr int kUsageWidth = 80;
const QString kProgram = QStringLiteral("sumtopia");

// Options of Qt's own that start the window; a value follows those in the second list. Qt takes
// them out of the arguments only as it makes the window's application object, which opens the
// window system (and ends the program where there is none), so they are named here to decide
// before.
const QStringList kQtFlags =
    QStringLiteral("reverse nograb dograb sync widgetcount").split(QLatin1Char(' '));
const QStringList kQtValued =
    QStringLiteral("platform platformpluginpath platformtheme plugin qwindowgeometry geometry "
                   "qwindowtitle title qwindowicon icon style stylesheet session display name "
                   "qmljsdebugger")
        .split(QLatin1Char(' '));

QString dashed(const OptionRow &row)
{
    return QStringLiteral("--") + QLatin1String(row.name);
}

// "--grade N", as the usage and the help show an option.
QString withValueName(const OptionRow &row)
{
    return row.valueName ? dashed(row) + QLatin1Char(' ') + Options::tr(row.valueName)
                         : dashed(row);
}

// The subjects' names that `names` picks from each subject's row, in the command's order, as a
// list "a, b or c".
QString subjectList(QStringList (*names)(const SubjectRow &))
{
    QStringList list;
    for (const SubjectRow &row : subjectsInCommandOrder()) {
        list += names(row);
    }
    //: Joins two names of a list of allowed values that is not yet at its end
    return joinedList(list, Options::tr("%1, %2"),
                      //: Joins the last name of a list of allowed values: "division, percent or
                      //: percents"
                      Options::tr("%1 or %2"));
}

// The subjects that ask about negative answers, the only ones --negatives is for.
QString subjectsWithNegatives()
{
    return subjectList([](const SubjectRow &row) {
        return row.negativesQuestion.isEmpty() ? QStringList() : QStringList{row.commandName};
    });
}

QString allowedValues(const OptionRow &row)
{
    if (row.kind == Kind::Subject) {
        return subjectList(
            [](const SubjectRow &row) { return QStringList{row.commandName} + row.otherNames; });
    }
    const QString allowed = Options::tr(row.allowed);
    return row.kind == Kind::Number ? allowed.arg(row.lowest).arg(row.highest) : allowed;
}

QString helpText(const OptionRow &row)
{
    switch (row.kind) {
    case Kind::Subject: {
        const QString others = subjectList([](const SubjectRow &row) { return row.otherNames; });
        return subjectList([](const SubjectRow &row) { return QStringList{row.commandName}; }) +
               (others.isEmpty() ? QString()
                                 : QLatin1Char('\n') + Options::tr("(also %1)").arg(others));
    }
    case Kind::Number: {
        const QString text = Options::tr(row.help).arg(row.lowest).arg(row.highest);
        return row.required ? text : text.arg(row.fallback);
    }
    case Kind::Negatives:
        return Options::tr(row.help).arg(subjectsWithNegatives());
    default:
        return Options::tr(row.help);
    }
}

// The table's options as Qt's parser knows them, the one alias included.
void addOptions(QCommandLineParser &parser)
{
    for (const OptionRow &row : Options::table) {
        parser.addOption({row.alias ? QStringList{row.name, row.alias + 1} : QStringList{row.name},
                          QString(), row.valueName ? QString(row.valueName) : QString()});
    }
}

WorksheetParse failure(const QString &message)
{
    return {WorksheetParse::Action::Error, {}, message};
}

// A control character would split the one line of the message, or hide in a file name; it is
// shown as an escape instead.
QString visible(const QString &text)
{
    QString result;
    for (const QChar c : text) {
        const bool control = c.unicode() < 0x20 || c.unicode() == 0x7f;
        result += control ? QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0')) : c;
    }
    return result;
}

} // namespace

bool isWorksheetRequest(const QStringList &arguments)
{
    // Read as Qt reads its own options: one dash or two, a value after "=" or in the next argument.
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    addOptions(parser);
    for (const QString &name : kQtFlags + kQtValued) {
        parser.addOption({name, QString(), kQtValued.contains(name) ? name : QString()});
    }
    // An option of the command means the command wherever it stands, even where Qt would take it
    // for the value of one of its own.
    for (const QString &argument : arguments) {
        parser.parse({kProgram, argument});
        for (const QString &name : parser.optionNames()) {
            if (!kQtFlags.contains(name) && !kQtValued.contains(name)) {
                return true;
            }
        }
    }
    // Only Qt's own options, each with its value, start the window. Qt's parser would end the
    // options at "--", which Qt itself leaves to the program like any other argument it does not
    // know.
    QStringList read = arguments;
    std::replace(read.begin(), read.end(), QStringLiteral("--"), QStringLiteral("---"));
    parser.parse(QStringList(kProgram) + read);
    return !parser.unknownOptionNames().isEmpty() || !parser.positionalArguments().isEmpty();
}

WorksheetParse parseWorksheetArguments(const QStringList &arguments)
{
    QCommandLineParser parser;
    addOptions(parser);
    // Qt's parser reads on past a fault and keeps no order between faults of different kinds, so
    // it reads the line one argument further each time: the first reading with a fault ends at
    // the first fault in the line. What the values mean is judged after that, option by option
    // in the table's order, and the rules between options come last. The command has no "--" and
    // no short options but its one alias, which Qt's parser would read otherwise.
    for (qsizetype read = 1; read <= arguments.size(); ++read) {
        const QString &argument = arguments.at(read - 1);
        parser.parse(QStringList(kProgram) + arguments.mid(0, read));
        // An option's place holds an alias, or "--" and a name that Qt's parser knows.
        const bool named = argument.startsWith(QLatin1String("--")) &&
                           argument != QLatin1String("--") && parser.unknownOptionNames().isEmpty();
        const OptionRow *row = std::find_if(
            std::begin(Options::table), std::end(Options::table), [&](const OptionRow &option) {
                return (option.alias && argument == option.alias) ||
                       (named && parser.optionNames().constLast() == option.name);
            });
        if (row == std::end(Options::table)) {
            QStringList names;
            for (const OptionRow &option : Options::table) {
                names.append(dashed(option));
            }
            return failure(Options::tr("unknown option '%1'; allowed: %2")
                               .arg(visible(argument), names.join(QStringLiteral(", "))));
        }
        if (row->kind == Kind::Help) {
            return {WorksheetParse::Action::Help, {}, {}};
        }
        // The only fault Qt's parser finds in a switch is a value after "=".
        if (!row->valueName && !parser.errorText().isEmpty()) {
            return failure(Options::tr("option %1 takes no value, but was given '%2'")
                               .arg(dashed(*row), visible(argument.section(QLatin1Char('='), 1))));
        }
        if (row->kind == Kind::Version) {
            return {WorksheetParse::Action::Version, {}, {}};
        }
        const QString name = QLatin1String(row->name);
        const qsizetype times = parser.optionNames().count(name);
        // A value is the next argument unless that is an option of its own.
        if (parser.values(name).size() < times && row->valueName && read < arguments.size() &&
            !arguments.at(read).startsWith(QLatin1String("--"))) {
            parser.parse(QStringList(kProgram) + arguments.mid(0, ++read));
        }
        const QStringList values = parser.values(name);
        if (row->valueName && (values.size() < times || values.constLast().isEmpty())) {
            return failure(Options::tr("option %1 is missing its value; allowed: %2")
                               .arg(dashed(*row), allowedValues(*row)));
        }
        if (row->valueName && visible(values.constLast()) != values.constLast()) {
            return failure(
                Options::tr("value '%1' of %2 holds a control character; allowed: %3")
                    .arg(visible(values.constLast()), dashed(*row), allowedValues(*row)));
        }
        if (times > 1) {
            return failure(
                Options::tr("option %1 is given more than once; allowed: once").arg(dashed(*row)));
        }
    }
    parser.parse(QStringList(kProgram) + arguments);

    WorksheetParse parse;
    WorksheetOptions &options = parse.options;
    QString subjectText;
    for (const OptionRow &row : Options::table) {
        const QString text = parser.value(QLatin1String(row.name));
        if (!parser.isSet(QLatin1String(row.name))) {
            if (row.required) {
                return failure(Options::tr("option %1 is missing; allowed: %2")
                                   .arg(dashed(row), allowedValues(row)));
            }
            if (row.number) {
                options.*row.number = row.fallback;
            }
        } else if (row.kind == Kind::Subject) {
            const std::optional<Subject> subject = subjectFromName(text);
            if (!subject) {
                return failure(Options::tr("unknown subject '%1' for %2; allowed: %3")
                                   .arg(text, dashed(row), allowedValues(row)));
            }
            options.subject = *subject;
            subjectText = text;
        } else if (row.kind == Kind::Number) {
            // Plain decimal digits of any length, leading zeros included: the value decides.
            bool fits = false;
            const int value = text.toInt(&fits);
            if (!fits || value < row.lowest || value > row.highest ||
                !std::all_of(text.begin(), text.end(),
                             [](QChar c) { return c >= u'0' && c <= u'9'; })) {
                return failure(Options::tr("%1 '%2' is not allowed; allowed: %3")
                                   .arg(Options::tr(row.label), text, allowedValues(row)));
            }
            options.*row.number = value;
        } else if (row.kind == Kind::Path) {
            options.output = text;
        } else if (row.kind == Kind::Paper) {
            options.paper = paperNamed(text);
            if (!options.paper) {
                return failure(Options::tr("unknown paper '%1' for %2; allowed: %3")
                                   .arg(text, dashed(row), allowedValues(row)));
            }
        } else if (row.flag) {
            options.*row.flag = true;
        }
    }

    for (const OptionRow &row : Options::table) {
        if (row.kind == Kind::Negatives && options.*row.flag &&
            subjectRow(options.subject).negativesQuestion.isEmpty()) {
            return failure(Options::tr("%1 is not allowed with '%2'; allowed with %3 only")
                               .arg(dashed(row), subjectText, subjectsWithNegatives()));
        }
    }
    // An unwritable path is bad input too, found before anything is drawn or written.
    const DestinationCheck check = options.output.isEmpty() || options.output == QLatin1String("-")
                                       ? DestinationCheck()
                                       : checkDestination(options.output);
    if (!check.writable()) {
        const QString tooLong = DeliveryText::commandLineTooLong(check);
        return failure(!tooLong.isEmpty()
                           ? tooLong
                           : Options::tr("output file '%1' cannot be written (%2); "
                                         "allowed: a writable file path or - for "
                                         "standard output")
                                 .arg(options.output, DeliveryText::destinationProblem(check)));
    }
    return parse;
}

QString worksheetUsage()
{
    //: Begins the help; the lines below it are indented to its width.
    const QString usage = Options::tr("Usage:") + QLatin1Char(' ');
    QStringList lines;
    // The synopsis wraps at the usual terminal width, its further lines under the first option.
    QString line = usage + kProgram;
    // A translated value name may be longer than the English one: every description then moves
    // right together, so they still start in one column.
    qsizetype column = kHelpColumn;
    for (const OptionRow &row : Options::table) {
        column = std::max(column, 2 + withValueName(row).size() + 2);
        const QString item = row.required
                                 ? withValueName(row)
                                 : QLatin1Char('[') + withValueName(row) + QLatin1Char(']');
        if (row.kind == Kind::Help || row.kind == Kind::Version) {
            continue;
        }
        if (line.size() + 1 + item.size() > kUsageWidth) {
            lines.append(line);
            line = QString(usage.size() + kProgram.size(), QLatin1Char(' '));
        }
        line += QLatin1Char(' ') + item;
    }
    lines +=
        {line,
         QString(usage.size(), QLatin1Char(' ')) + kProgram + QString(12, QLatin1Char(' ')) +
             Options::tr("(starts the window)"),
         QString(), Options::tr("Makes worksheets of twenty problems without opening a window."),
         QString()};
    // A help's further lines start under its first.
    for (const OptionRow &row : Options::table) {
        lines.append((QStringLiteral("  ") + withValueName(row)).leftJustified(column) +
                     helpText(row).replace(QLatin1Char('\n'),
                                           QLatin1Char('\n') + QString(column, QLatin1Char(' '))));
    }
    lines += {
        QString(),
        Options::tr("Each option is given once, as --name VALUE or --name=VALUE."),
        //: Broken into lines of at most 80 characters.
        Options::tr(
            "The same choices always give the same sheets. A file is replaced only once the new\n"
            "one is complete."),
        //: Broken into lines of at most 80 characters.
        Options::tr(
            "Exit status: 0 done (jobs left waiting in a printer's queue are said on standard\n"
            "error), 1 printing or writing failed, 2 bad input (nothing written)."),
    };
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}
