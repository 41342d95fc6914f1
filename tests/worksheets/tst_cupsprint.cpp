#include "ScriptedDialogs.h"
#include "app/Program.h"
#include "platform/Controls.h"
#include "platform/RandomSource.h"
#include "platform/TextSurface.h"
#include "worksheets/Worksheets.h"
#include "worksheets/frmTeacherAide.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

// Prints a worksheet from the request window through a real print server into a PDF queue and
// reads the PDF back. The server is our own: configuration, spool and socket in a temporary
// folder, no network port, stopped by its process id at the end.
class tst_CupsPrint : public QObject
{
    Q_OBJECT
public:
    ~tst_CupsPrint() override { stopServer(); }

private slots:
    void initTestCase();
    void submitPrintsOneJob();
    void commandPrintsOneJobPerSheet();
    void cleanupTestCase() { stopServer(); }

private:
    bool writeFile(const QString &path, const QString &text);
    bool run(const QString &program, const QStringList &arguments, QString *output = nullptr);
    QString serverLog() const;
    void stopServer();

    QTemporaryDir m_root{QDir::tempPath() + "/sumtopia-cups-XXXXXX"};
    QProcess m_cupsd;
    QString m_queue = QStringLiteral("SumtopiaTest%1").arg(QCoreApplication::applicationPid());
    QString m_queueConfig;
};

bool tst_CupsPrint::writeFile(const QString &path, const QString &text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(text.toUtf8()) == text.toUtf8().size();
}

bool tst_CupsPrint::run(const QString &program, const QStringList &arguments, QString *output)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    const bool finished = process.waitForFinished(15000);
    const QString text = QString::fromLocal8Bit(process.readAll());
    if (output != nullptr) {
        *output = text;
    }
    if (!finished || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        qWarning("%s %s failed: %s", qPrintable(program), qPrintable(arguments.join(' ')),
                 qPrintable(text));
        return false;
    }
    return true;
}

QString tst_CupsPrint::serverLog() const
{
    QFile file(m_root.filePath("log/error_log"));
    if (!file.open(QIODevice::ReadOnly)) {
        return QStringLiteral("(no server log)");
    }
    return QString::fromLocal8Bit(file.readAll().right(3000));
}

void tst_CupsPrint::initTestCase()
{
    installFontSubstitutes();
    QVERIFY(m_root.isValid());
    const QString root = m_root.path();
    // The server's filters run as its own user; they need to pass through the folder.
    QVERIFY(QFile::setPermissions(root, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                            QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                            QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                            QFileDevice::ExeOther));
    for (const char *folder : {"etc", "spool/tmp", "cache", "run", "log", "out", "pdf-spool"}) {
        QVERIFY(QDir(root).mkpath(QString::fromLatin1(folder)));
    }
    QVERIFY(QFile::setPermissions(m_root.filePath("out"), QFileDevice::Permissions(0x7777)));
    const QString socket = m_root.filePath("cups.sock");
    QVERIFY(writeFile(m_root.filePath("etc/cupsd.conf"),
                      QStringLiteral("Listen %1\n"
                                     "LogLevel info\n"
                                     "WebInterface No\n"
                                     "Browsing No\n"
                                     "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                                     "<Policy default>\n  <Limit All>\n    Order deny,allow\n"
                                     "  </Limit>\n</Policy>\n")
                          .arg(socket)));
    QVERIFY(writeFile(m_root.filePath("etc/cups-files.conf"),
                      QStringLiteral("ServerRoot %1/etc\n"
                                     "RequestRoot %1/spool\n"
                                     "TempDir %1/spool/tmp\n"
                                     "CacheDir %1/cache\n"
                                     "StateDir %1/run\n"
                                     "ErrorLog %1/log/error_log\n"
                                     "AccessLog %1/log/access_log\n"
                                     "PageLog %1/log/page_log\n"
                                     "ServerBin /usr/lib/cups\n"
                                     "DataDir /usr/share/cups\n"
                                     "FileDevice No\n")
                          .arg(root)));

    // This process and the tools it starts talk to our server only, with no user or system
    // client settings in the way.
    qputenv("CUPS_SERVER", socket.toLocal8Bit());
    qputenv("CUPS_SERVERROOT", m_root.filePath("etc").toLocal8Bit());
    qputenv("HOME", root.toLocal8Bit());
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");

    m_cupsd.setProcessChannelMode(QProcess::MergedChannels);
    m_cupsd.start(QStringLiteral("/usr/sbin/cupsd"),
                  {"-f", "-c", m_root.filePath("etc/cupsd.conf"), "-s",
                   m_root.filePath("etc/cups-files.conf")});
    QVERIFY2(m_cupsd.waitForStarted(5000),
             qPrintable("cupsd did not start: " + m_cupsd.errorString()));
    bool ready = false;
    for (int i = 0; i < 100 && !ready; ++i) {
        QTest::qWait(100);
        QVERIFY2(m_cupsd.state() == QProcess::Running,
                 qPrintable("cupsd stopped: " + QString::fromLocal8Bit(m_cupsd.readAll()) +
                            serverLog()));
        ready = QFile::exists(socket) && run(QStringLiteral("lpstat"), {"-r"});
    }
    QVERIFY2(ready, qPrintable("cupsd did not answer: " + serverLog()));

    // The PDF backend reads its per-queue settings from the system folder only.
    m_queueConfig = QStringLiteral("/etc/cups/cups-pdf-%1.conf").arg(m_queue);
    QVERIFY2(writeFile(m_queueConfig, QStringLiteral("Out %1/out\n"
                                                     "AnonDirName %1/out\n"
                                                     "Spool %1/pdf-spool\n"
                                                     "Label 0\n"
                                                     "UserUMask 0000\n"
                                                     "AnonUMask 0000\n")
                                          .arg(root)),
             qPrintable("cannot write " + m_queueConfig));
    QVERIFY(run(QStringLiteral("lpadmin"), {"-p", m_queue, "-E", "-v", "cups-pdf:/" + m_queue, "-P",
                                            "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd"}));
    // Without the cairo renderer the PDF holds outlines instead of text.
    QVERIFY(run(QStringLiteral("lpadmin"),
                {"-p", m_queue, "-o", "pdftops-renderer-default=pdftocairo"}));
    QVERIFY(run(QStringLiteral("lpadmin"), {"-d", m_queue}));
    QString status;
    QVERIFY(run(QStringLiteral("lpstat"), {"-d"}, &status));
    QVERIFY2(status.contains(m_queue), qPrintable(status));
}

void tst_CupsPrint::submitPrintsOneJob()
{
    ScriptedDialogs dialogs;
    Pcg32RandomSource random;
    Program program(dialogs, random, [] {});
    frmTeacherAide &aide = program.teacherAide();
    aide.load();
    aide.cboSubject()->setCurrentIndex(0);
    aide.cboGrade()->setCurrentIndex(2);
    aide.cboSeed()->setCurrentIndex(4);
    aide.optYes()->setChecked(true);
    QTest::mouseClick(aide.window()->findChild<QPushButton *>("cmdSubmit"), Qt::LeftButton);
    QCOMPARE(dialogs.shown().size(), 0);
    QVERIFY(aide.isVisible());

    const QDir out(m_root.filePath("out"));
    QTRY_VERIFY2_WITH_TIMEOUT(out.entryList({"*.pdf"}, QDir::Files).size() == 1,
                              qPrintable(serverLog()), 40000);
    const QString pdf = out.filePath(out.entryList({"*.pdf"}, QDir::Files).first());
    // The backend renames the file once it is complete; give it a moment to settle.
    QTest::qWait(500);
    QString text;
    QVERIFY(run(QStringLiteral("pdftotext"), {"-layout", pdf, "-"}, &text));

    // The printed words and numbers, line by line; spacing depends on the font.
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    QStringList printed;
    for (QString line : text.split('\n')) {
        line.remove(blanks);
        if (!line.isEmpty()) {
            printed.append(line);
        }
    }
    Pcg32RandomSource fresh;
    QStringList expected;
    for (QString line :
         textLines(renderWorksheet(buildWorksheet(Subject::Addition, 3, 4, fresh, false), true))) {
        line.remove(blanks);
        if (!line.isEmpty()) {
            expected.append(line);
        }
    }
    QCOMPARE(printed.size(), expected.size());
    QCOMPARE(printed, expected);
    QCOMPARE(printed.at(0), QString("NAME:__________________"));
    QCOMPARE(printed.at(2), QString("Addthefollowingnumbers"));
    QCOMPARE(out.entryList({"*.pdf"}, QDir::Files).size(), 1);
}

void tst_CupsPrint::commandPrintsOneJobPerSheet()
{
    const QDir out(m_root.filePath("out"));
    const int before = static_cast<int>(out.entryList({"*.pdf"}, QDir::Files).size());
    QString output;
    QVERIFY(run(QStringLiteral(SUMTOPIA_EXECUTABLE),
                {"--worksheet", "division", "--grade", "2", "--seed", "3", "--count", "2"},
                &output));
    QVERIFY2(output.isEmpty(), qPrintable(output));
    QTRY_VERIFY2_WITH_TIMEOUT(out.entryList({"*.pdf"}, QDir::Files).size() == before + 2,
                              qPrintable(serverLog()), 40000);
}

void tst_CupsPrint::stopServer()
{
    if (m_cupsd.state() != QProcess::NotRunning) {
        m_cupsd.terminate(); // the server's own process id, never a name
        if (!m_cupsd.waitForFinished(10000)) {
            m_cupsd.kill();
            m_cupsd.waitForFinished(5000);
        }
    }
    if (!m_queueConfig.isEmpty()) {
        QFile::remove(m_queueConfig);
        m_queueConfig.clear();
    }
}

QTEST_MAIN(tst_CupsPrint)
#include "tst_cupsprint.moc"
