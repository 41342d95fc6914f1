#include <QDir>
#include <QFile>
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
    QString type; // the translation's type attribute: empty when finished
};

QList<Message> readCatalogue(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = path + QLatin1String(": ") + file.errorString();
        return {};
    }
    QList<Message> messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) {
            continue;
        }
        const auto name = xml.name();
        if (name == QLatin1String("context")) {
            context.clear();
        } else if (name == QLatin1String("name") && context.isEmpty()) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            message = Message{context, {}, {}, {}};
        } else if (name == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            message.translation = xml.readElementText();
            messages.append(message);
        }
    }
    if (xml.hasError()) {
        *error = path + QLatin1String(": ") + xml.errorString();
    }
    return messages;
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

QSet<QString> sourceKeys(const QList<Message> &messages)
{
    QSet<QString> keys;
    for (const Message &message : messages) {
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
    const QList<Message> messages = readCatalogue(path, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY(messages.size() > 100);
    for (const Message &message : messages) {
        const QByteArray where = (message.context + QLatin1String(": ") + message.source).toUtf8();
        // unfinished, vanished or obsolete: not shown, or no longer in the program.
        QVERIFY2(message.type.isEmpty(), (message.type.toUtf8() + " " + where).constData());
        QVERIFY2(!message.translation.isEmpty(), where.constData());
        // The name, the number or the reason put into the text must still have its place.
        QVERIFY2(placeholders(message.translation) == placeholders(message.source),
                 where.constData());
        // A character reference escaped twice shows as "&#xa0;" instead of the character.
        static const QRegularExpression reference(QStringLiteral("&(#x?[0-9a-fA-F]+|[a-z]+);"));
        QVERIFY2(!message.translation.contains(reference), where.constData());
        // Blanks that line texts up on paper or at the terminal are kept at both ends.
        QVERIFY2(message.translation.startsWith(QLatin1Char(' ')) ==
                     message.source.startsWith(QLatin1Char(' ')),
                 where.constData());
        QVERIFY2(message.translation.endsWith(QLatin1Char(' ')) ==
                     message.source.endsWith(QLatin1Char(' ')),
                 where.constData());
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
    lupdate.start(QStringLiteral(SUMTOPIA_LUPDATE),
                  {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                   QStringLiteral(SUMTOPIA_SOURCE_DIR), QStringLiteral("-ts"), fresh});
    QVERIFY2(lupdate.waitForFinished(120000), "lupdate did not finish");
    QVERIFY2(lupdate.exitStatus() == QProcess::NormalExit && lupdate.exitCode() == 0,
             lupdate.readAll().constData());

    QString error;
    const QSet<QString> wanted = sourceKeys(readCatalogue(fresh, &error));
    QVERIFY2(error.isEmpty(), qPrintable(error));
    const QSet<QString> held = sourceKeys(readCatalogue(path, &error));
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY(wanted.size() > 100);

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
