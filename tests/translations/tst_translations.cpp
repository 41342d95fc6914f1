#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace
{

struct Message {
    QString context;
    QString source;
    QString translation;
    QString type;      // the translation's type attribute: empty when finished
    QStringList forms; // a count's plural forms; empty for a text without a count
    bool numerus = false;
};

struct Catalogue {
    QString language; // as the file names it: de, en_US ...
    QList<Message> messages;
};

// How many plural forms each language has (Qt's rules for it), and whether its catalogue holds
// only the plural forms of the counts: English keeps its texts in the sources.
struct LanguageRow {
    const char *language;
    int forms;
    bool pluralOnly;
};
constexpr LanguageRow kLanguages[] = {
    {"de", 2, false},
    {"en", 2, true},
    {"es", 2, false},
    {"fr", 2, false},
};

const LanguageRow *languageRow(const QString &language)
{
    for (const LanguageRow &row : kLanguages) {
        if (language.section(QLatin1Char('_'), 0, 0) == QLatin1String(row.language)) {
            return &row;
        }
    }
    return nullptr;
}

bool pluralOnly(const QString &path)
{
    const QString language = QFileInfo(path).completeBaseName().section(QLatin1Char('_'), 1);
    const LanguageRow *row = languageRow(language);
    return row != nullptr && row->pluralOnly;
}

Catalogue readCatalogue(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = path + QLatin1String(": ") + file.errorString();
        return {};
    }
    Catalogue catalogue;
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && message.numerus && xml.name() == QLatin1String("translation")) {
            catalogue.messages.append(message);
            continue;
        }
        if (!xml.isStartElement()) {
            continue;
        }
        const auto name = xml.name();
        if (name == QLatin1String("TS")) {
            catalogue.language = xml.attributes().value(QLatin1String("language")).toString();
        } else if (name == QLatin1String("context")) {
            context.clear();
        } else if (name == QLatin1String("name") && context.isEmpty()) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            message = Message{context, {}, {}, {}, {}, false};
            message.numerus =
                xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
        } else if (name == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            if (!message.numerus) {
                message.translation = xml.readElementText();
                catalogue.messages.append(message);
            }
        } else if (name == QLatin1String("numerusform")) {
            message.forms.append(xml.readElementText());
        }
    }
    if (xml.hasError()) {
        *error = path + QLatin1String(": ") + xml.errorString();
    }
    return catalogue;
}

QStringList placeholders(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("%\\d+"));
    QStringList found;
    for (const auto &match : marker.globalMatch(text)) {
        found.append(match.captured());
    }
    found.sort();
    found.removeDuplicates();
    return found;
}

QSet<QString> sourceKeys(const Catalogue &catalogue)
{
    QSet<QString> keys;
    for (const Message &message : catalogue.messages) {
        keys.insert(message.context + QLatin1String(" | ") + message.source);
    }
    return keys;
}

} // namespace

// The catalogues in translations/: every text translated, and nothing missing or left over
// against what the sources hold today.
class tst_Translations : public QObject
{
    Q_OBJECT

private slots:
    void everyMessageFinished_data();
    void everyMessageFinished();
    void upToDateWithTheSources_data();
    void upToDateWithTheSources();
};

namespace
{

void catalogueRows()
{
    QTest::addColumn<QString>("path");
    const QDir folder(QStringLiteral(SUMTOPIA_TS_DIR));
    const QStringList files = folder.entryList({QStringLiteral("*.ts")}, QDir::Files);
    QVERIFY2(!files.isEmpty(), "no catalogue in " SUMTOPIA_TS_DIR);
    for (const QString &file : files) {
        QTest::newRow(qPrintable(file)) << folder.filePath(file);
    }
}

} // namespace

void tst_Translations::everyMessageFinished_data()
{
    catalogueRows();
}

void tst_Translations::everyMessageFinished()
{
    QFETCH(QString, path);
    QString error;
    const Catalogue catalogue = readCatalogue(path, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    const LanguageRow *language = languageRow(catalogue.language);
    QVERIFY2(language != nullptr,
             qPrintable(QLatin1String("no row for the language ") + catalogue.language));
    QVERIFY(catalogue.messages.size() > (language->pluralOnly ? 5 : 100));
    for (const Message &message : catalogue.messages) {
        const QByteArray where = (message.context + QLatin1String(": ") + message.source).toUtf8();
        // unfinished, vanished or obsolete: not shown, or no longer in the program.
        QVERIFY2(message.type.isEmpty(), (message.type.toUtf8() + " " + where).constData());
        QVERIFY2(message.numerus || !language->pluralOnly, where.constData());
        // A count has every form its language needs, the last (many) one showing the number;
        // the form for one may say "the worksheet" instead.
        const QStringList texts =
            message.numerus ? message.forms : QStringList{message.translation};
        if (message.numerus) {
            QVERIFY2(message.forms.size() == language->forms, where.constData());
            QVERIFY2(message.forms.last().contains(QLatin1String("%n")), where.constData());
        }
        for (const QString &text : texts) {
            QVERIFY2(!text.isEmpty(), where.constData());
            // The name, the number or the reason put into the text must still have its place.
            QVERIFY2(placeholders(text) == placeholders(message.source), where.constData());
            // A character reference escaped twice shows as "&#xa0;" instead of the character.
            static const QRegularExpression reference(QStringLiteral("&(#x?[0-9a-fA-F]+|[a-z]+);"));
            QVERIFY2(!text.contains(reference), where.constData());
            // Blanks that line texts up on paper or at the terminal are kept at both ends.
            QVERIFY2(text.startsWith(QLatin1Char(' ')) ==
                         message.source.startsWith(QLatin1Char(' ')),
                     where.constData());
            QVERIFY2(text.endsWith(QLatin1Char(' ')) == message.source.endsWith(QLatin1Char(' ')),
                     where.constData());
        }
    }
}

void tst_Translations::upToDateWithTheSources_data()
{
    catalogueRows();
}

void tst_Translations::upToDateWithTheSources()
{
    QFETCH(QString, path);
    QTemporaryDir scratch;
    QVERIFY(scratch.isValid());
    const QString fresh = scratch.filePath(QStringLiteral("fresh.ts"));
    QProcess lupdate;
    lupdate.setProcessChannelMode(QProcess::MergedChannels);
    QStringList arguments = {QStringLiteral("-silent"), QStringLiteral("-locations"),
                             QStringLiteral("none"),    QStringLiteral(SUMTOPIA_SOURCE_DIR),
                             QStringLiteral("-ts"),     fresh};
    const bool plurals = pluralOnly(path);
    if (plurals) {
        arguments.prepend(QStringLiteral("-pluralonly"));
    }
    lupdate.start(QStringLiteral(SUMTOPIA_LUPDATE), arguments);
    QVERIFY2(lupdate.waitForFinished(120000), "lupdate did not finish");
    QVERIFY2(lupdate.exitStatus() == QProcess::NormalExit && lupdate.exitCode() == 0,
             lupdate.readAll().constData());

    QString error;
    const QSet<QString> wanted = sourceKeys(readCatalogue(fresh, &error));
    QVERIFY2(error.isEmpty(), qPrintable(error));
    const QSet<QString> held = sourceKeys(readCatalogue(path, &error));
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY(wanted.size() > (plurals ? 5 : 100));

    QStringList missing = QSet<QString>(wanted).subtract(held).values();
    QStringList left = QSet<QString>(held).subtract(wanted).values();
    missing.sort();
    left.sort();
    QVERIFY2(missing.isEmpty(), qPrintable(QLatin1String("not in the catalogue (run the "
                                                         "update_translations target): ") +
                                           missing.join(QLatin1String("; "))));
    QVERIFY2(left.isEmpty(), qPrintable(QLatin1String("no longer in the sources: ") +
                                        left.join(QLatin1String("; "))));
}

QTEST_GUILESS_MAIN(tst_Translations)
#include "tst_translations.moc"
