#include "cli/WorksheetOptions.h"

#include "platform/Texts.h"
#include "printing/DeliveryText.h"
#include "printing/FileOutput.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <algorithm>
#include <iterator>
#include <optional>
#include <utility>

namespace
{

// The table's texts, marked for the translation tools where the table writes them.
QString said(const char *source)
{
    return QCoreApplication::translate("WorksheetOptions", source);
}

// How an option's value is read, and so what the parse, the messages and the help do with it.
enum class Kind {
    Subject,   // a name from the subject table
    Number,    // a whole number within the row's range
    Path,      // the output: a PDF file, or - for standard output
    Paper,     // a paper size by name
    Switch,    // takes no value
    Negatives, // a switch that only the subjects asking about negative answers take
    Help,
    Version,
};

struct Range {
    int lowest;
    int highest;
    int fallback; // the value of an option that is not required and was left out
};

// One option of the command. The parse, every message, the help and the list of options all read
// this row, so a name, a range or a sentence is changed here alone.
struct OptionRow {
    const char *name;  // without its dashes
    const char *alias; // a short spelling, dash included, or nullptr
    Kind kind;
    bool required;
    const char *valueName; // in the help, translated; nullptr for an option without a value
    const char *label;     // names a number in its message, translated: "grade '7' is not allowed"
    Range range;
    const char *allowed; // the values a message allows; %1 and %2 are the range
    const char *help;    // %1 and %2 the range, %3 the fallback; a line break continues in the
                         // help's second column
    int WorksheetOptions::*number;
    bool WorksheetOptions::*flag;
};

constexpr Range kNoRange{0, 0, 0};

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

// In the order of the help. Columns: name, alias, kind, required, value name, label, range,
// allowed, help, the number or the switch it sets.
const OptionRow kOptions[] = {
    {"worksheet", nullptr, Kind::Subject, true, QT_TRANSLATE_NOOP("WorksheetOptions", "SUBJECT"),
     nullptr, kNoRange, nullptr, nullptr, nullptr, nullptr},
    {"grade", nullptr, Kind::Number, true, QT_TRANSLATE_NOOP("WorksheetOptions", "N"), kGradeLabel,
     Range{kLowestGrade, kHighestGrade, 0},
     QT_TRANSLATE_NOOP("WorksheetOptions", "a whole number from %1 to %2"),
     QT_TRANSLATE_NOOP("WorksheetOptions", "grade level, %1 to %2"), &WorksheetOptions::grade,
     nullptr},
    {"seed", nullptr, Kind::Number, true, QT_TRANSLATE_NOOP("WorksheetOptions", "S"), kSeedLabel,
     Range{kLowestSeed, kHighestSeed, 0},
     QT_TRANSLATE_NOOP("WorksheetOptions", "a whole number from %1 to %2"),
     QT_TRANSLATE_NOOP("WorksheetOptions", "seed, %1 to %2, added to every operand less one"),
     &WorksheetOptions::seed, nullptr},
    {"answers", nullptr, Kind::Switch, false, nullptr, nullptr, kNoRange, nullptr,
     QT_TRANSLATE_NOOP("WorksheetOptions", "the copy with the answers filled in"), nullptr,
     &WorksheetOptions::answers},
    {"negatives", nullptr, Kind::Negatives, false, nullptr, nullptr, kNoRange, nullptr,
     QT_TRANSLATE_NOOP("WorksheetOptions", "%1 only: allow negative answers"), nullptr,
     &WorksheetOptions::negatives},
    {"with-key", nullptr, Kind::Switch, false, nullptr, nullptr, kNoRange, nullptr,
     QT_TRANSLATE_NOOP("WorksheetOptions",
                       "after each sheet, its answer copy with the same problems"),
     nullptr, &WorksheetOptions::withKey},
    {"count", nullptr, Kind::Number, false, QT_TRANSLATE_NOOP("WorksheetOptions", "K"), kCountLabel,
     Range{1, 100, 1}, QT_TRANSLATE_NOOP("WorksheetOptions", "a whole number from %1 to %2"),
     QT_TRANSLATE_NOOP("WorksheetOptions", "K sheets in a row, %1 to %2 (default %3)"),
     &WorksheetOptions::count, nullptr},
    {"output", nullptr, Kind::Path, false, QT_TRANSLATE_NOOP("WorksheetOptions", "FILE"), nullptr,
     kNoRange, QT_TRANSLATE_NOOP("WorksheetOptions", "a PDF file path, or - for standard output"),
     QT_TRANSLATE_NOOP("WorksheetOptions",
                       "write a PDF file; - writes plain text to standard output;\nwithout it the "
                       "sheets go to the default printer, one job each"),
     nullptr, nullptr},
    {"wait-seconds", nullptr, Kind::Number, false, QT_TRANSLATE_NOOP("WorksheetOptions", "W"),
     kWaitLabel, Range{0, 3600, 120},
     QT_TRANSLATE_NOOP("WorksheetOptions", "a whole number of seconds from %1 to %2"),
     QT_TRANSLATE_NOOP("WorksheetOptions",
                       "how long to wait for the printer to print the jobs, %1 to %2\n(default "
                       "%3); 0 returns once the printer has taken them"),
     &WorksheetOptions::waitSeconds, nullptr},
    {"paper", nullptr, Kind::Paper, false, QT_TRANSLATE_NOOP("WorksheetOptions", "SIZE"), nullptr,
     kNoRange, QT_TRANSLATE_NOOP("WorksheetOptions", "a4 or letter"),
     QT_TRANSLATE_NOOP("WorksheetOptions",
                       "paper size, a4 or letter; without it a file takes the\nlocale's paper "
                       "(LC_PAPER), a printer its own"),
     nullptr, nullptr},
    {"help", "-h", Kind::Help, false, nullptr, nullptr, kNoRange, nullptr,
     QT_TRANSLATE_NOOP("WorksheetOptions", "show this help"), nullptr, nullptr},
    {"version", nullptr, Kind::Version, false, nullptr, nullptr, kNoRange, nullptr,
     QT_TRANSLATE_NOOP("WorksheetOptions", "show the version"), nullptr, nullptr},
};

// Where the help's second column starts.
constexpr int kHelpColumn = 23;
constexpr int kUsageWidth = 80;

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

const QString kProgram = QStringLiteral("sumtopia");

const OptionRow &rowNamed(const QString &name)
{
    return *std::find_if(std::begin(kOptions), std::end(kOptions),
                         [&name](const OptionRow &row) { return name == QLatin1String(row.name); });
}

bool takesValue(const OptionRow &row)
{
    return row.valueName != nullptr;
}

QString dashed(const OptionRow &row)
{
    return QStringLiteral("--") + QLatin1String(row.name);
}

// "--grade N", as the usage and the help show an option.
QString withValueName(const OptionRow &row)
{
    return takesValue(row) ? dashed(row) + QLatin1Char(' ') + said(row.valueName) : dashed(row);
}

QString optionList()
{
    QStringList names;
    for (const OptionRow &row : kOptions) {
        names.append(dashed(row));
    }
    return names.join(QStringLiteral(", "));
}

// "a, b or c"
QString listed(const QStringList &names)
{
    //: Joins two names of a list of allowed values that is not yet at its end
    return joinedList(names, QCoreApplication::translate("WorksheetOptions", "%1, %2"),
                      //: Joins the last name of a list of allowed values: "division, percent or
                      //: percents"
                      QCoreApplication::translate("WorksheetOptions", "%1 or %2"));
}

// Every name the command takes for a subject, as its messages list them.
QString subjectNames()
{
    QStringList names;
    for (const SubjectRow &row : subjectsInCommandOrder()) {
        names.append(row.commandName);
        names.append(row.otherNames);
    }
    return listed(names);
}

// The subjects that ask about negative answers, the only ones --negatives is for.
QString subjectsWithNegatives()
{
    QStringList names;
    for (const SubjectRow &row : subjectsInCommandOrder()) {
        if (!row.negativesQuestion.isEmpty()) {
            names.append(row.commandName);
        }
    }
    return listed(names);
}

QString allowedValues(const OptionRow &row)
{
    switch (row.kind) {
    case Kind::Subject:
        return subjectNames();
    case Kind::Number:
        return said(row.allowed).arg(row.range.lowest).arg(row.range.highest);
    default:
        return said(row.allowed);
    }
}

QString helpText(const OptionRow &row)
{
    switch (row.kind) {
    case Kind::Subject: {
        QStringList names;
        QStringList others;
        for (const SubjectRow &subject : subjectsInCommandOrder()) {
            names.append(subject.commandName);
            others.append(subject.otherNames);
        }
        QString text = listed(names);
        if (!others.isEmpty()) {
            text +=
                QLatin1Char('\n') +
                QCoreApplication::translate("WorksheetOptions", "(also %1)").arg(listed(others));
        }
        return text;
    }
    case Kind::Number: {
        const QString text = said(row.help).arg(row.range.lowest).arg(row.range.highest);
        return row.required ? text : text.arg(row.range.fallback);
    }
    case Kind::Negatives:
        return said(row.help).arg(subjectsWithNegatives());
    default:
        return said(row.help);
    }
}

// Plain decimal digits of any length, leading zeros included; the value decides, not the form.
std::optional<int> wholeNumber(const QString &text, const Range &range)
{
    if (text.isEmpty()) {
        return std::nullopt;
    }
    qint64 value = 0;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            return std::nullopt;
        }
        value = value * 10 + (c.unicode() - '0');
        if (value > range.highest) {
            return std::nullopt;
        }
    }
    if (value < range.lowest) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

WorksheetParse ending(WorksheetParse::Action action)
{
    WorksheetParse parse;
    parse.action = action;
    return parse;
}

WorksheetParse failure(const QString &message)
{
    WorksheetParse parse = ending(WorksheetParse::Action::Error);
    parse.error = message;
    return parse;
}

// A control character would split the one line of the message, or hide in a file name; it is
// shown as an escape instead.
QString visible(const QString &text)
{
    QString result;
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f) {
            result += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        } else {
            result += c;
        }
    }
    return result;
}

bool hasControl(const QString &text)
{
    return visible(text) != text;
}

// Why a path cannot take the sheets, or empty when it can.
QString destinationFault(const QString &path)
{
    const DestinationCheck check = checkDestination(path);
    if (check.problem == DestinationCheck::Problem::None) {
        return QString();
    }
    const QString tooLong = DeliveryText::commandLineTooLong(check);
    return !tooLong.isEmpty() ? tooLong
                              : QCoreApplication::translate(
                                    "WorksheetOptions",
                                    "output file '%1' cannot be written (%2); allowed: a writable "
                                    "file path or - for standard output")
                                    .arg(path, DeliveryText::destinationProblem(check));
}

} // namespace

bool isWorksheetRequest(const QStringList &arguments)
{
    // Read as Qt reads its own options: one dash or two, a value after "=" or in the next argument.
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const OptionRow &row : kOptions) {
        QStringList names{QLatin1String(row.name)};
        if (row.alias != nullptr) {
            names.append(QLatin1String(row.alias + 1));
        }
        parser.addOption(QCommandLineOption(names));
    }
    for (const QString &name : kQtFlags) {
        parser.addOption(QCommandLineOption(name));
    }
    for (const QString &name : kQtValued) {
        parser.addOption(QCommandLineOption(name, QString(), QStringLiteral("value")));
    }
    // An option of the command means the command wherever it stands, even where Qt would take it
    // for the value of one of its own.
    for (const QString &argument : arguments) {
        parser.parse({kProgram, argument});
        const QStringList names = parser.optionNames();
        if (std::any_of(names.begin(), names.end(), [](const QString &name) {
                return !kQtFlags.contains(name) && !kQtValued.contains(name);
            })) {
            return true;
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
    for (const OptionRow &row : kOptions) {
        QCommandLineOption option(QLatin1String(row.name));
        option.setValueName(takesValue(row) ? QStringLiteral("value") : QString());
        parser.addOption(option);
    }
    // Qt's parser reads on past a fault and keeps no order between faults of different kinds, so
    // it reads the line one argument further each time: the first reading with a fault ends at
    // the first fault in the line. What the values mean is judged after that, option by option
    // in the table's order, and the rules between options come last. The command has no "--" and
    // no short options but its one alias, which Qt's parser would read otherwise.
    const OptionRow *waiting = nullptr; // given without "=": its value is this argument
    for (qsizetype read = 1; read <= arguments.size(); ++read) {
        const QString &argument = arguments.at(read - 1);
        parser.parse(QStringList(kProgram) + arguments.mid(0, read));
        const OptionRow *row = std::exchange(waiting, nullptr);
        if (row == nullptr) {
            const auto aliased = std::find_if(
                std::begin(kOptions), std::end(kOptions), [&argument](const OptionRow &option) {
                    return option.alias != nullptr && argument == QLatin1String(option.alias);
                });
            if (aliased != std::end(kOptions) && aliased->kind == Kind::Help) {
                return ending(WorksheetParse::Action::Help);
            }
            if (!argument.startsWith(QLatin1String("--")) || argument == QLatin1String("--") ||
                !parser.unknownOptionNames().isEmpty()) {
                return failure(QCoreApplication::translate("WorksheetOptions",
                                                           "unknown option '%1'; allowed: %2")
                                   .arg(visible(argument), optionList()));
            }
            row = &rowNamed(parser.optionNames().constLast());
            if (row->kind == Kind::Help) {
                return ending(WorksheetParse::Action::Help);
            }
            // The only fault Qt's parser finds in a switch is a value after "=".
            if (!takesValue(*row) && !parser.errorText().isEmpty()) {
                return failure(
                    QCoreApplication::translate("WorksheetOptions",
                                                "option %1 takes no value, but was given '%2'")
                        .arg(dashed(*row), visible(argument.section(QLatin1Char('='), 1))));
            }
            if (row->kind == Kind::Version) {
                return ending(WorksheetParse::Action::Version);
            }
        }
        const QString name = QLatin1String(row->name);
        const qsizetype times = parser.optionNames().count(name);
        if (takesValue(*row)) {
            const QStringList values = parser.values(name);
            // A value is the next argument unless that is an option of its own.
            if (values.size() < times && read < arguments.size() &&
                !arguments.at(read).startsWith(QLatin1String("--"))) {
                waiting = row;
                continue;
            }
            if (values.size() < times || values.constLast().isEmpty()) {
                return failure(
                    QCoreApplication::translate("WorksheetOptions",
                                                "option %1 is missing its value; allowed: %2")
                        .arg(dashed(*row), allowedValues(*row)));
            }
            if (hasControl(values.constLast())) {
                return failure(
                    QCoreApplication::translate(
                        "WorksheetOptions",
                        "value '%1' of %2 holds a control character; allowed: %3")
                        .arg(visible(values.constLast()), dashed(*row), allowedValues(*row)));
            }
        }
        if (times > 1) {
            return failure(
                QCoreApplication::translate("WorksheetOptions",
                                            "option %1 is given more than once; allowed: once")
                    .arg(dashed(*row)));
        }
    }
    parser.parse(QStringList(kProgram) + arguments);

    WorksheetParse parse;
    WorksheetOptions &options = parse.options;
    QString subjectText;
    for (const OptionRow &row : kOptions) {
        const QString name = QLatin1String(row.name);
        const std::optional<QString> text =
            parser.isSet(name) ? std::optional<QString>(parser.value(name)) : std::nullopt;
        if (!text && row.required) {
            return failure(
                QCoreApplication::translate("WorksheetOptions", "option %1 is missing; allowed: %2")
                    .arg(dashed(row), allowedValues(row)));
        }
        switch (row.kind) {
        case Kind::Subject:
            if (text) {
                const std::optional<Subject> subject = subjectFromName(*text);
                if (!subject) {
                    return failure(
                        QCoreApplication::translate("WorksheetOptions",
                                                    "unknown subject '%1' for %2; allowed: %3")
                            .arg(*text, dashed(row), allowedValues(row)));
                }
                options.subject = *subject;
                subjectText = *text;
            }
            break;
        case Kind::Number:
            if (!text) {
                options.*row.number = row.range.fallback;
            } else if (const std::optional<int> value = wholeNumber(*text, row.range)) {
                options.*row.number = *value;
            } else {
                return failure(QCoreApplication::translate("WorksheetOptions",
                                                           "%1 '%2' is not allowed; allowed: %3")
                                   .arg(QCoreApplication::translate("WorksheetOptions", row.label),
                                        *text, allowedValues(row)));
            }
            break;
        case Kind::Path:
            options.output = text.value_or(QString());
            break;
        case Kind::Paper:
            if (text) {
                options.paper = paperNamed(*text);
                if (!options.paper) {
                    return failure(QCoreApplication::translate(
                                       "WorksheetOptions", "unknown paper '%1' for %2; allowed: %3")
                                       .arg(*text, dashed(row), allowedValues(row)));
                }
            }
            break;
        case Kind::Switch:
        case Kind::Negatives:
            options.*row.flag = text.has_value();
            break;
        case Kind::Help:
        case Kind::Version:
            break;
        }
    }

    for (const OptionRow &row : kOptions) {
        if (row.kind == Kind::Negatives && options.*row.flag &&
            subjectRow(options.subject).negativesQuestion.isEmpty()) {
            return failure(
                QCoreApplication::translate("WorksheetOptions",
                                            "%1 is not allowed with '%2'; allowed with %3 only")
                    .arg(dashed(row), subjectText, subjectsWithNegatives()));
        }
    }
    // An unwritable path is bad input too, found before anything is drawn or written.
    if (!options.output.isEmpty() && options.output != QLatin1String("-")) {
        const QString fault = destinationFault(options.output);
        if (!fault.isEmpty()) {
            return failure(fault);
        }
    }
    return parse;
}

QString worksheetUsage()
{
    //: Begins the help; the lines below it are indented to its width.
    const QString usage =
        QCoreApplication::translate("WorksheetOptions", "Usage:") + QLatin1Char(' ');
    const QString program = QStringLiteral("sumtopia");
    QStringList lines;
    // The synopsis wraps at the usual terminal width, its further lines under the first option.
    QString line = usage + program;
    for (const OptionRow &row : kOptions) {
        if (row.kind == Kind::Help || row.kind == Kind::Version) {
            continue;
        }
        const QString item = row.required
                                 ? withValueName(row)
                                 : QLatin1Char('[') + withValueName(row) + QLatin1Char(']');
        if (line.size() + 1 + item.size() > kUsageWidth) {
            lines.append(line);
            line = QString(usage.size() + program.size(), QLatin1Char(' '));
        }
        line += QLatin1Char(' ') + item;
    }
    lines.append(line);
    lines.append(QString(usage.size(), QLatin1Char(' ')) + program + QString(12, QLatin1Char(' ')) +
                 QCoreApplication::translate("WorksheetOptions", "(starts the window)"));
    lines +=
        {QString(),
         QCoreApplication::translate(
             "WorksheetOptions", "Makes worksheets of twenty problems without opening a window."),
         QString()};
    // A translated value name may be longer than the English one: every description then moves
    // right together, so they still start in one column.
    qsizetype column = kHelpColumn;
    for (const OptionRow &row : kOptions) {
        column = std::max(column, 2 + withValueName(row).size() + 2);
    }
    for (const OptionRow &row : kOptions) {
        const QStringList text = helpText(row).split(QLatin1Char('\n'));
        lines.append((QStringLiteral("  ") + withValueName(row)).leftJustified(column - 2) +
                     QStringLiteral("  ") + text.first());
        for (qsizetype i = 1; i < text.size(); ++i) {
            lines.append(QString(column, QLatin1Char(' ')) + text.at(i));
        }
    }
    lines += {
        QString(),
        QCoreApplication::translate("WorksheetOptions",
                                    "Each option is given once, as --name VALUE or --name=VALUE."),
        //: Broken into lines of at most 80 characters.
        QCoreApplication::translate(
            "WorksheetOptions",
            "The same choices always give the same sheets. A file is replaced only once the new\n"
            "one is complete."),
        //: Broken into lines of at most 80 characters.
        QCoreApplication::translate(
            "WorksheetOptions",
            "Exit status: 0 done (jobs left waiting in a printer's queue are said on standard\n"
            "error), 1 printing or writing failed, 2 bad input (nothing written)."),
    };
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}
