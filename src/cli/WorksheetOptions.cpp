#include "cli/WorksheetOptions.h"

#include "printing/FileOutput.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <optional>

namespace
{

const QString kOptionList =
    QStringLiteral("--worksheet, --grade, --seed, --answers, --negatives, --with-key, --count, "
                   "--output, --wait-seconds, --help, --version");
// "a, b or c"
QString listed(const QStringList &names)
{
    if (names.size() < 2) {
        return names.join(QString());
    }
    return names.mid(0, names.size() - 1).join(QStringLiteral(", ")) +
           QCoreApplication::translate("WorksheetOptions", " or ") + names.last();
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

const QStringList kValued = {QStringLiteral("worksheet"), QStringLiteral("grade"),
                             QStringLiteral("seed"),      QStringLiteral("count"),
                             QStringLiteral("output"),    QStringLiteral("wait-seconds")};
const QStringList kFlags = {QStringLiteral("answers"), QStringLiteral("negatives"),
                            QStringLiteral("with-key"), QStringLiteral("help"),
                            QStringLiteral("version")};

// Options of Qt's own that start the window; a value follows those in the second list.
const QStringList kQtFlags = {QStringLiteral("reverse"), QStringLiteral("nograb"),
                              QStringLiteral("dograb"), QStringLiteral("sync"),
                              QStringLiteral("widgetcount")};
const QStringList kQtValued = {QStringLiteral("platform"),
                               QStringLiteral("platformpluginpath"),
                               QStringLiteral("platformtheme"),
                               QStringLiteral("plugin"),
                               QStringLiteral("qwindowgeometry"),
                               QStringLiteral("geometry"),
                               QStringLiteral("qwindowtitle"),
                               QStringLiteral("title"),
                               QStringLiteral("qwindowicon"),
                               QStringLiteral("icon"),
                               QStringLiteral("style"),
                               QStringLiteral("stylesheet"),
                               QStringLiteral("session"),
                               QStringLiteral("display"),
                               QStringLiteral("name"),
                               QStringLiteral("qmljsdebugger")};

// Plain decimal digits of any length, leading zeros included; the value decides, not the form.
std::optional<int> wholeNumber(const QString &text, int lowest, int highest)
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
        if (value > highest) {
            return std::nullopt;
        }
    }
    if (value < lowest) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

WorksheetParse failure(const QString &message)
{
    WorksheetParse parse;
    parse.action = WorksheetParse::Action::Error;
    parse.error = message;
    return parse;
}

QString allowedValues(const QString &option)
{
    if (option == QLatin1String("worksheet")) {
        return subjectNames();
    }
    if (option == QLatin1String("grade")) {
        return QCoreApplication::translate("WorksheetOptions", "a whole number from 1 to 6");
    }
    if (option == QLatin1String("seed")) {
        return QCoreApplication::translate("WorksheetOptions", "a whole number from 1 to 20");
    }
    if (option == QLatin1String("count")) {
        return QCoreApplication::translate("WorksheetOptions", "a whole number from 1 to 100");
    }
    if (option == QLatin1String("wait-seconds")) {
        return QCoreApplication::translate("WorksheetOptions",
                                           "a whole number of seconds from 0 to 3600");
    }
    return QCoreApplication::translate("WorksheetOptions",
                                       "a PDF file path, or - for standard output");
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

// The option's name without its dashes and value, or empty for anything that is no option.
QString optionName(const QString &argument)
{
    if (argument.startsWith(QLatin1String("--")) && argument.size() > 2) {
        return argument.mid(2).section(QLatin1Char('='), 0, 0);
    }
    if (argument.startsWith(QLatin1Char('-')) && argument.size() > 1) {
        return argument.mid(1).section(QLatin1Char('='), 0, 0);
    }
    return QString();
}

// Only a length is bad input at parse time; the rest of the destination check is the command's,
// once every other value is known to be good.
QString checkPathLength(const QString &path)
{
    const DestinationCheck check = checkDestination(path);
    switch (check.problem) {
    case DestinationCheck::Problem::PathTooLong:
        return QCoreApplication::translate(
                   "WorksheetOptions",
                   "output path of %1 bytes is too long; allowed: a path of at most "
                   "%2 bytes")
            .arg(check.bytes)
            .arg(check.limit);
    case DestinationCheck::Problem::NameTooLong:
        return QCoreApplication::translate(
                   "WorksheetOptions", "output path holds a name of %1 bytes; allowed: names of at "
                                       "most %2 bytes")
            .arg(check.bytes)
            .arg(check.limit);
    default:
        return QString();
    }
}

} // namespace

bool isWorksheetRequest(const QStringList &arguments)
{
    if (arguments.isEmpty()) {
        return false;
    }
    for (const QString &argument : arguments) {
        const QString name = optionName(argument);
        if (kValued.contains(name) || kFlags.contains(name) || name == QLatin1String("h")) {
            return true;
        }
    }
    // Only Qt's own options, each with its value, start the window.
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString name = optionName(arguments.at(i));
        if (kQtFlags.contains(name)) {
            continue;
        }
        if (!kQtValued.contains(name)) {
            return true;
        }
        if (!arguments.at(i).contains(QLatin1Char('='))) {
            ++i;
        }
    }
    return false;
}

WorksheetParse parseWorksheetArguments(const QStringList &arguments)
{
    // The arguments are looked at in order first, so the first fault is the one reported, in the
    // program's own words; Qt's parser then takes the values apart.
    QStringList seen;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        QString name = argument.startsWith(QLatin1String("--")) ? optionName(argument) : QString();
        if (argument == QLatin1String("-h")) {
            name = QStringLiteral("help");
        }
        if (name == QLatin1String("help")) {
            WorksheetParse parse;
            parse.action = WorksheetParse::Action::Help;
            return parse;
        }
        const qsizetype equals = argument.indexOf(QLatin1Char('='));
        if (!kValued.contains(name) && !kFlags.contains(name)) {
            return failure(
                QCoreApplication::translate("WorksheetOptions", "unknown option '%1'; allowed: %2")
                    .arg(visible(argument), kOptionList));
        }
        const QString option = QStringLiteral("--") + name;
        if (kFlags.contains(name)) {
            if (equals > 0) {
                return failure(
                    QCoreApplication::translate("WorksheetOptions",
                                                "option %1 takes no value, but was given '%2'")
                        .arg(option, visible(argument.mid(equals + 1))));
            }
            if (name == QLatin1String("version")) {
                WorksheetParse parse;
                parse.action = WorksheetParse::Action::Version;
                return parse;
            }
        } else {
            QString value;
            if (equals > 0) {
                value = argument.mid(equals + 1);
            } else if (i + 1 < arguments.size() &&
                       !arguments.at(i + 1).startsWith(QLatin1String("--"))) {
                value = arguments.at(++i);
            }
            if (value.isEmpty()) {
                return failure(
                    QCoreApplication::translate("WorksheetOptions",
                                                "option %1 is missing its value; allowed: %2")
                        .arg(option, allowedValues(name)));
            }
            if (hasControl(value)) {
                return failure(
                    QCoreApplication::translate("WorksheetOptions",
                                                "value '%1' of %2 holds a control character; "
                                                "allowed: %3")
                        .arg(visible(value), option, allowedValues(name)));
            }
        }
        if (seen.contains(name)) {
            return failure(
                QCoreApplication::translate("WorksheetOptions",
                                            "option %1 is given more than once; allowed: once")
                    .arg(option));
        }
        seen.append(name);
    }

    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const QString &name : kValued) {
        parser.addOption(QCommandLineOption(name, QString(), QStringLiteral("value")));
    }
    for (const QString &name : kFlags) {
        parser.addOption(QCommandLineOption(name));
    }
    if (!parser.parse(QStringList{QStringLiteral("sumtopia")} + arguments)) {
        return failure(visible(parser.errorText()));
    }

    WorksheetParse parse;
    WorksheetOptions &options = parse.options;
    if (!parser.isSet(QStringLiteral("worksheet"))) {
        return failure(QCoreApplication::translate("WorksheetOptions",
                                                   "option --worksheet is missing; allowed: %1")
                           .arg(subjectNames()));
    }
    const QString subjectText = parser.value(QStringLiteral("worksheet"));
    const std::optional<Subject> subject = subjectFromName(subjectText);
    if (!subject) {
        return failure(QCoreApplication::translate(
                           "WorksheetOptions", "unknown subject '%1' for --worksheet; allowed: %2")
                           .arg(subjectText, subjectNames()));
    }
    options.subject = *subject;

    struct Number {
        const char *name;
        const char *label;
        int lowest;
        int highest;
        bool required;
        int *target;
    };
    const Number numbers[] = {
        {"grade", "grade", 1, 6, true, &options.grade},
        {"seed", "seed", 1, 20, true, &options.seed},
        {"count", "count", 1, 100, false, &options.count},
        {"wait-seconds", "wait", 0, 3600, false, &options.waitSeconds},
    };
    for (const Number &number : numbers) {
        const QString name = QString::fromLatin1(number.name);
        if (!parser.isSet(name)) {
            if (number.required) {
                return failure(QCoreApplication::translate("WorksheetOptions",
                                                           "option --%1 is missing; allowed: %2")
                                   .arg(name, allowedValues(name)));
            }
            continue;
        }
        const QString text = parser.value(name);
        const std::optional<int> value = wholeNumber(text, number.lowest, number.highest);
        if (!value) {
            return failure(QCoreApplication::translate("WorksheetOptions",
                                                       "%1 '%2' is not allowed; allowed: %3")
                               .arg(QString::fromLatin1(number.label), text, allowedValues(name)));
        }
        *number.target = *value;
    }

    options.answers = parser.isSet(QStringLiteral("answers"));
    options.negatives = parser.isSet(QStringLiteral("negatives"));
    options.withKey = parser.isSet(QStringLiteral("with-key"));
    if (parser.isSet(QStringLiteral("output"))) {
        options.output = parser.value(QStringLiteral("output"));
        if (options.output != QLatin1String("-")) {
            const QString tooLong = checkPathLength(options.output);
            if (!tooLong.isEmpty()) {
                return failure(tooLong);
            }
        }
    }
    if (options.negatives && subjectRow(options.subject).negativesQuestion.isEmpty()) {
        return failure(
            QCoreApplication::translate(
                "WorksheetOptions", "--negatives is not allowed with '%1'; allowed with %2 only")
                .arg(subjectText, subjectsWithNegatives()));
    }
    return parse;
}

QString worksheetUsage()
{
    QStringList names;
    QStringList others;
    for (const SubjectRow &row : subjectsInCommandOrder()) {
        names.append(row.commandName);
        others.append(row.otherNames);
    }
    QStringList lines = {
        QCoreApplication::translate(
            "WorksheetOptions",
            "Usage: sumtopia --worksheet SUBJECT --grade N --seed S [--answers] "
            "[--negatives]"),
        QCoreApplication::translate(
            "WorksheetOptions",
            "                [--with-key] [--count K] [--output FILE] [--wait-seconds W]"),
        QCoreApplication::translate("WorksheetOptions",
                                    "       sumtopia            (starts the window)"),
        QString(),
        QCoreApplication::translate(
            "WorksheetOptions", "Makes worksheets of twenty problems without opening a window."),
        QString(),
        QCoreApplication::translate("WorksheetOptions", "  --worksheet SUBJECT  %1")
            .arg(listed(names)),
    };
    if (!others.isEmpty()) {
        lines.append(
            QCoreApplication::translate("WorksheetOptions", "                       (also %1)")
                .arg(listed(others)));
    }
    lines += {
        QCoreApplication::translate("WorksheetOptions",
                                    "  --grade N            grade level, 1 to 6"),
        QCoreApplication::translate(
            "WorksheetOptions",
            "  --seed S             seed, 1 to 20, added to every operand less one"),
        QCoreApplication::translate("WorksheetOptions",
                                    "  --answers            the copy with the answers filled in"),
        QCoreApplication::translate("WorksheetOptions",
                                    "  --negatives          %1 only: allow negative answers")
            .arg(subjectsWithNegatives()),
        QCoreApplication::translate(
            "WorksheetOptions",
            "  --with-key           after each sheet, its answer copy with the same "
            "problems"),
        QCoreApplication::translate(
            "WorksheetOptions", "  --count K            K sheets in a row, 1 to 100 (default 1)"),
        QCoreApplication::translate(
            "WorksheetOptions",
            "  --output FILE        write a PDF file; - writes plain text to standard "
            "output;"),
        QCoreApplication::translate(
            "WorksheetOptions",
            "                       without it the sheets go to the default printer, "
            "one job each"),
        QCoreApplication::translate(
            "WorksheetOptions",
            "  --wait-seconds W     how long to wait for the printer to print the jobs, "
            "0 to 3600"),
        QCoreApplication::translate(
            "WorksheetOptions",
            "                       (default 120); 0 returns once the printer has taken "
            "them"),
        QCoreApplication::translate("WorksheetOptions", "  --help               show this help"),
        QCoreApplication::translate("WorksheetOptions", "  --version            show the version"),
        QString(),
        QCoreApplication::translate("WorksheetOptions",
                                    "Each option is given once, as --name VALUE or --name=VALUE."),
        QCoreApplication::translate(
            "WorksheetOptions",
            "The same choices always give the same sheets. A file is replaced only "
            "once the new"),
        QCoreApplication::translate("WorksheetOptions", "one is complete."),
        QCoreApplication::translate(
            "WorksheetOptions",
            "Exit status: 0 done (jobs left waiting in a printer's queue are said on "
            "standard"),
        QCoreApplication::translate(
            "WorksheetOptions",
            "error), 1 printing or writing failed, 2 bad input (nothing written)."),
    };
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}
