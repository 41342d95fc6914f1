#include "worksheets/WorksheetOptions.h"

#include <QRegularExpression>
#include <optional>

namespace
{

const QString kOptionList = QStringLiteral(
    "--worksheet, --grade, --seed, --answers, --negatives, --count, --output, --help, --version");
const QString kSubjects =
    QStringLiteral("addition, subtraction, multiplication, division, percent or percents");

std::optional<int> wholeNumber(const QString &text, int lowest, int highest)
{
    static const QRegularExpression digits(QStringLiteral("\\A[0-9]{1,9}\\z"));
    if (!digits.match(text).hasMatch()) {
        return std::nullopt;
    }
    const int value = text.toInt();
    if (value < lowest || value > highest) {
        return std::nullopt;
    }
    return value;
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
    if (option == QLatin1String("--worksheet")) {
        return kSubjects;
    }
    if (option == QLatin1String("--grade")) {
        return QStringLiteral("a whole number from 1 to 6");
    }
    if (option == QLatin1String("--seed")) {
        return QStringLiteral("a whole number from 1 to 20");
    }
    if (option == QLatin1String("--count")) {
        return QStringLiteral("a whole number from 1 to 100");
    }
    return QStringLiteral("a PDF file path, or - for standard output");
}

} // namespace

WorksheetParse parseWorksheetArguments(const QStringList &arguments)
{
    const QStringList valued = {QStringLiteral("--worksheet"), QStringLiteral("--grade"),
                                QStringLiteral("--seed"), QStringLiteral("--count"),
                                QStringLiteral("--output")};
    const QStringList flags = {QStringLiteral("--answers"), QStringLiteral("--negatives"),
                               QStringLiteral("--help"), QStringLiteral("--version")};
    WorksheetParse parse;
    WorksheetOptions &options = parse.options;
    bool haveSubject = false;
    bool haveGrade = false;
    bool haveSeed = false;
    QString subjectText;

    for (qsizetype i = 0; i < arguments.size(); ++i) {
        QString option = arguments.at(i);
        std::optional<QString> value;
        const qsizetype equals = option.indexOf(QLatin1Char('='));
        if (option.startsWith(QLatin1String("--")) && equals > 2) {
            value = option.mid(equals + 1);
            option.truncate(equals);
        }
        if (option == QLatin1String("-h")) {
            option = QStringLiteral("--help");
        }
        if (flags.contains(option)) {
            if (value) {
                return failure(QStringLiteral("option %1 takes no value, but was given '%2'")
                                   .arg(option, *value));
            }
            if (option == QLatin1String("--help")) {
                parse.action = WorksheetParse::Action::Help;
                return parse;
            }
            if (option == QLatin1String("--version")) {
                parse.action = WorksheetParse::Action::Version;
                return parse;
            }
            (option == QLatin1String("--answers") ? options.answers : options.negatives) = true;
            continue;
        }
        if (!valued.contains(option)) {
            return failure(QStringLiteral("unknown option '%1'; allowed: %2")
                               .arg(arguments.at(i), kOptionList));
        }
        if (!value) {
            if (i + 1 >= arguments.size() || arguments.at(i + 1).startsWith(QLatin1String("--"))) {
                return failure(QStringLiteral("option %1 is missing its value; allowed: %2")
                                   .arg(option, allowedValues(option)));
            }
            value = arguments.at(++i);
        }
        const QString &text = *value;
        if (option == QLatin1String("--worksheet")) {
            const std::optional<Subject> subject = subjectFromName(text);
            if (!subject) {
                return failure(QStringLiteral("unknown subject '%1' for --worksheet; allowed: %2")
                                   .arg(text, kSubjects));
            }
            options.subject = *subject;
            subjectText = text;
            haveSubject = true;
        } else if (option == QLatin1String("--grade")) {
            const std::optional<int> grade = wholeNumber(text, 1, 6);
            if (!grade) {
                return failure(QStringLiteral("grade '%1' is not allowed; allowed: %2")
                                   .arg(text, allowedValues(option)));
            }
            options.grade = *grade;
            haveGrade = true;
        } else if (option == QLatin1String("--seed")) {
            const std::optional<int> seed = wholeNumber(text, 1, 20);
            if (!seed) {
                return failure(QStringLiteral("seed '%1' is not allowed; allowed: %2")
                                   .arg(text, allowedValues(option)));
            }
            options.seed = *seed;
            haveSeed = true;
        } else if (option == QLatin1String("--count")) {
            const std::optional<int> count = wholeNumber(text, 1, 100);
            if (!count) {
                return failure(QStringLiteral("count '%1' is not allowed; allowed: %2")
                                   .arg(text, allowedValues(option)));
            }
            options.count = *count;
        } else {
            if (text.isEmpty()) {
                return failure(QStringLiteral("option --output is missing its value; allowed: %1")
                                   .arg(allowedValues(option)));
            }
            options.output = text;
        }
    }

    if (!haveSubject) {
        return failure(QStringLiteral("option --worksheet is missing; allowed: %1").arg(kSubjects));
    }
    if (!haveGrade) {
        return failure(QStringLiteral("option --grade is missing; allowed: %1")
                           .arg(allowedValues(QStringLiteral("--grade"))));
    }
    if (!haveSeed) {
        return failure(QStringLiteral("option --seed is missing; allowed: %1")
                           .arg(allowedValues(QStringLiteral("--seed"))));
    }
    if (options.negatives && options.subject != Subject::Subtraction) {
        return failure(
            QStringLiteral("--negatives is not allowed with '%1'; allowed with subtraction only")
                .arg(subjectText));
    }
    return parse;
}

QString worksheetUsage()
{
    return QStringLiteral(
        "Usage: sumtopia --worksheet SUBJECT --grade N --seed S [--answers] [--negatives]\n"
        "                [--count K] [--output FILE]\n"
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
        "  --count K            K sheets in a row, 1 to 100 (default 1)\n"
        "  --output FILE        write a PDF file; - writes plain text to standard output;\n"
        "                       without it the sheets go to the default printer, one job each\n"
        "  --help               show this help\n"
        "  --version            show the version\n"
        "\n"
        "The same choices always give the same sheets.\n"
        "Exit status: 0 done, 1 printing or writing failed, 2 bad input.\n");
}
