#include "PrintServerWords.h"
#include "ScriptedDialogs.h"
#include "app/Program.h"
#include "platform/Controls.h"
#include "platform/RandomSource.h"
#include "printing/CupsPrinterService.h"
#include "printing/DeliveryText.h"
#include "worksheets/frmTeacherAide.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <arpa/inet.h>
#include <atomic>
#include <csignal>
#include <cstring>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/types.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

// Prints a worksheet from the request window through a real print server into a PDF queue and
// reads the PDF back, and takes the faults on the way to paper: a queue that refuses jobs, a
// printer whose backend fails every job, a paused printer and a stalled server. The server is our
// own: configuration, spool, programs and socket in a temporary folder, no network port, stopped
// and resumed by its process id only.

namespace
{

struct Command {
    int status = -1;
    QString err;
    QByteArray out;
    qint64 milliseconds = 0;
};

const QStringList kOneSheet{"--worksheet", "addition", "--grade", "3", "--seed", "1"};

// The sentences are tst_delivery's; here they show which outcome a real server led to, with the
// server's own words in it, as the command line's one line and as the window's message.
QString said(const QString &sentence)
{
    return "sumtopia: " + sentence + "\n";
}

// How many jobs a line on a server that fell silent during a run says were accepted.
int acceptedCount(const QString &line)
{
    static const QRegularExpression count(
        QStringLiteral(" (\\d+) jobs had already been accepted;"));
    return count.match(line).captured(1).toInt();
}

QString windowSays(DeliveryOutcome::Fault fault, const QString &reason)
{
    return outcomeSentence(DeliveryOutcome::failed(fault, reason), Reader::Window) +
           " / Print Test";
}

// The request window on the test's server, with a short time limit for its calls.
struct Window {
    explicit Window(int timeoutMs = 2000) : printers(timeoutMs)
    {
        aide().setFollowInterval(200);
        aide().load();
        aide().cboSubject()->setCurrentIndex(0);
        aide().cboGrade()->setCurrentIndex(2);
        aide().cboSeed()->setCurrentIndex(0);
    }
    frmTeacherAide &aide() const { return program.teacherAide(); }
    // Returns how long the click kept the window busy.
    qint64 submit() const
    {
        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(aide().window()->findChild<QPushButton *>("cmdSubmit"), Qt::LeftButton);
        return clock.elapsed();
    }
    QStringList prompts() const
    {
        QStringList result;
        for (const ScriptedDialogs::Shown &shown : dialogs.shown()) {
            result.append(shown.prompt + " / " + shown.title);
        }
        return result;
    }

    ScriptedDialogs dialogs;
    Pcg32RandomSource random;
    CupsPrinterService printers;
    Program program{dialogs, random, printers, [] {}};
};

// A loopback port that nothing listens on: bound for a moment by the system's choice, then let go.
quint16 unusedLoopbackPort()
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof(address);
    quint16 port = 0;
    if (fd >= 0 && ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)) == 0 &&
        ::getsockname(fd, reinterpret_cast<sockaddr *>(&address), &length) == 0) {
        port = ntohs(address.sin_port);
    }
    ::close(fd);
    return port;
}

// A socket file where no server listens: connecting to it is refused.
bool bindWithoutListening(const QString &path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = path.toLocal8Bit();
    std::strncpy(address.sun_path, name.constData(), sizeof(address.sun_path) - 1);
    const bool bound =
        fd >= 0 && ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)) == 0;
    ::close(fd);
    return bound;
}

// A print server too busy for anyone: every request gets "503 Service Unavailable", as a server
// behind a proxy or one short of workers answers. It runs on a thread of its own, so that the
// test can wait for a program in the foreground.
class BusyServer
{
public:
    explicit BusyServer(const QString &path) : m_path(QFile::encodeName(path))
    {
        m_fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, m_path.constData(), sizeof(address.sun_path) - 1);
        ::unlink(m_path.constData());
        m_listening = m_fd >= 0 &&
                      ::bind(m_fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)) == 0 &&
                      ::listen(m_fd, 8) == 0;
        if (m_listening) {
            m_thread = std::thread([this] { serve(); });
        }
    }
    ~BusyServer()
    {
        m_stop = true;
        if (m_thread.joinable()) {
            m_thread.join();
        }
        ::close(m_fd);
        ::unlink(m_path.constData());
    }
    bool listening() const { return m_listening; }
    int requests() const { return m_requests; }

private:
    void serve()
    {
        while (!m_stop) {
            pollfd waiting{m_fd, POLLIN, 0};
            if (::poll(&waiting, 1, 100) <= 0) {
                continue;
            }
            const int client = ::accept4(m_fd, nullptr, nullptr, SOCK_CLOEXEC);
            if (client < 0) {
                continue;
            }
            // The request's head, then the answer; the body is not waited for.
            QByteArray head;
            char buffer[4096];
            pollfd reading{client, POLLIN, 0};
            while (!head.contains("\r\n\r\n") && ::poll(&reading, 1, 2000) > 0) {
                const ssize_t got = ::read(client, buffer, sizeof(buffer));
                if (got <= 0) {
                    break;
                }
                head.append(buffer, got);
            }
            if (head.contains("\r\n\r\n")) {
                ++m_requests;
                static const char answer[] = "HTTP/1.1 503 Service Unavailable\r\n"
                                             "Content-Length: 0\r\nConnection: close\r\n\r\n";
                ::send(client, answer, sizeof(answer) - 1, MSG_NOSIGNAL);
            }
            ::close(client);
        }
    }

    QByteArray m_path;
    int m_fd = -1;
    bool m_listening = false;
    std::atomic<bool> m_stop{false};
    std::atomic<int> m_requests{0};
    std::thread m_thread;
};

// Resumes the server however the test ends.
struct Resume {
    explicit Resume(QProcess &server) : m_server(server) {}
    ~Resume()
    {
        if (m_server.state() == QProcess::Running) {
            ::kill(static_cast<pid_t>(m_server.processId()), SIGCONT);
        }
    }
    QProcess &m_server;
};

} // namespace

class tst_CupsPrint : public QObject
{
    Q_OBJECT
public:
    ~tst_CupsPrint() override { stopServer(); }

private slots:
    void initTestCase();
    void submitPrintsOneJob();
    void commandPrintsAKeyAfterEachSheet();
    void rejectingQueue();
    void failingBackend_data();
    void failingBackend();
    void pausedPrinter();
    void stalledServer();
    void serverStallsDuringARun();
    void serverDiesDuringARun();
    void noJobHistory_data();
    void noJobHistory();
    void printerGoneKeepsItsReason();
    void windowTellsAWaitingJob();
    void cancelledJob_data();
    void cancelledJob();
    void busyServer();
    void userMediaChoosesThePaper_data();
    void userMediaChoosesThePaper();
    void noPrintServer_data();
    void noPrintServer();
    void cleanupTestCase() { stopServer(); }

private:
    bool writeFile(const QString &path, const QString &text);
    bool run(const QString &program, const QStringList &arguments, QString *output = nullptr);
    Command command(const QStringList &arguments, const QString &printer = QString());
    QString serverLog() const;
    int pdfCount() const;
    int jobsReceived() const;
    void signalServer(int signal);
    void startServer();
    void stopServer();
    bool writeServerConfig(bool keepJobHistory);
    void reloadServer();
    bool serverAnswers();
    QStringList queuedJobs(const QString &printer);

    QTemporaryDir m_root{QDir::tempPath() + "/sumtopia-cups-XXXXXX"};
    QProcess m_cupsd;
    QString m_queue = QStringLiteral("SumtopiaTest%1").arg(QCoreApplication::applicationPid());
    QString m_failing = m_queue + QStringLiteral("Jammed");
    QString m_gone = m_queue + QStringLiteral("Gone");
    QString m_queueConfig;
};

Command tst_CupsPrint::command(const QStringList &arguments, const QString &printer)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!printer.isEmpty()) {
        environment.insert("PRINTER", printer);
    }
    process.setProcessEnvironment(environment);
    QElapsedTimer clock;
    clock.start();
    process.start(QStringLiteral(SUMTOPIA_EXECUTABLE), arguments);
    Command result;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        process.waitForFinished(5000);
        return result;
    }
    result.milliseconds = clock.elapsed();
    result.status = process.exitCode();
    result.out = process.readAllStandardOutput();
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

int tst_CupsPrint::pdfCount() const
{
    return static_cast<int>(QDir(m_root.filePath("out")).entryList({"*.pdf"}, QDir::Files).size());
}

// The server keeps the document of every job it took, printed or not.
int tst_CupsPrint::jobsReceived() const
{
    return static_cast<int>(QDir(m_root.filePath("spool")).entryList({"d*"}, QDir::Files).size());
}

void tst_CupsPrint::signalServer(int signal)
{
    QVERIFY(m_cupsd.state() == QProcess::Running);
    QVERIFY(::kill(static_cast<pid_t>(m_cupsd.processId()), signal) == 0);
}

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
    for (const char *folder :
         {"etc", "spool/tmp", "cache", "run", "log", "out", "pdf-spool", "bin/backend"}) {
        QVERIFY(QDir(root).mkpath(QString::fromLatin1(folder)));
    }
    // The server's programs are the system's, with one more backend: a printer whose every job
    // fails with a message, as a jammed printer's backend would.
    for (const char *folder : {"filter", "cgi-bin", "daemon", "notifier", "monitor", "driver"}) {
        QVERIFY(QFile::link(QStringLiteral("/usr/lib/cups/") + folder,
                            m_root.filePath(QStringLiteral("bin/") + folder)));
    }
    QVERIFY(QFile::link("/usr/lib/cups/backend/cups-pdf", m_root.filePath("bin/backend/cups-pdf")));
    // The network printer's backend, for a printer that has gone away.
    QVERIFY(QFile::link("/usr/lib/cups/backend/ipp", m_root.filePath("bin/backend/ipp")));
    const QString jammed = m_root.filePath("bin/backend/jammed");
    QVERIFY(writeFile(jammed, "#!/bin/sh\n"
                              "if [ $# -eq 0 ]; then\n"
                              "  echo 'direct jammed \"Unknown\" \"A printer that jams\"'\n"
                              "  exit 0\n"
                              "fi\n"
                              "echo 'ERROR: The paper tray is jammed' >&2\n"
                              "exit 1\n"));
    QVERIFY(QFile::setPermissions(jammed, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                              QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                              QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                              QFileDevice::ExeOther));
    QVERIFY(QFile::setPermissions(m_root.filePath("out"), QFileDevice::Permissions(0x7777)));
    const QString socket = m_root.filePath("cups.sock");
    QVERIFY(writeServerConfig(true));
    QVERIFY(writeFile(m_root.filePath("etc/cups-files.conf"),
                      QStringLiteral("ServerRoot %1/etc\n"
                                     "RequestRoot %1/spool\n"
                                     "TempDir %1/spool/tmp\n"
                                     "CacheDir %1/cache\n"
                                     "StateDir %1/run\n"
                                     "ErrorLog %1/log/error_log\n"
                                     "AccessLog %1/log/access_log\n"
                                     "PageLog %1/log/page_log\n"
                                     "ServerBin %1/bin\n"
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

    startServer();

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
    QVERIFY(run(QStringLiteral("lpadmin"), {"-p", m_failing, "-E", "-v", "jammed:/tray"}));
    // A network printer that is gone: a loopback port where nothing listens any more. Its
    // backend keeps the jobs and says so (printerUnavailable()).
    const quint16 port = unusedLoopbackPort();
    QVERIFY(port != 0);
    QVERIFY(
        run(QStringLiteral("lpadmin"),
            {"-p", m_gone, "-E", "-v", QStringLiteral("ipp://127.0.0.1:%1/ipp/print").arg(port)}));
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
    // Addition, grade 3, seed 5, with answers: the heading, ten rows of three lines.
    QCOMPARE(printed.size(), 33);
    QCOMPARE(printed.mid(0, 6),
             (QStringList{"NAME:__________________", "DATE:__________________",
                          "Addthefollowingnumbers", "1)662)51", "+75+54", "Answer141Answer105"}));
    QCOMPARE(printed.mid(30), (QStringList{"19)9120)28", "+59+91", "Answer150Answer119"}));
    QCOMPARE(out.entryList({"*.pdf"}, QDir::Files).size(), 1);
    // The window followed the job to its end and had nothing to say about it.
    QTRY_COMPARE_WITH_TIMEOUT(aide.jobsFollowed(), 0, 20000);
    QCOMPARE(dialogs.shown().size(), 0);
}

void tst_CupsPrint::commandPrintsAKeyAfterEachSheet()
{
    const QDir out(m_root.filePath("out"));
    const int before = static_cast<int>(out.entryList({"*.pdf"}, QDir::Files).size());
    QString output;
    QVERIFY(run(
        QStringLiteral(SUMTOPIA_EXECUTABLE),
        {"--worksheet", "addition", "--grade", "4", "--seed", "8", "--count", "2", "--with-key"},
        &output));
    QVERIFY2(output.isEmpty(), qPrintable(output));
    // One job for each document: two sheets, each with its key.
    QTRY_VERIFY2_WITH_TIMEOUT(out.entryList({"*.pdf"}, QDir::Files).size() == before + 4,
                              qPrintable(serverLog()), 40000);
}

void tst_CupsPrint::rejectingQueue()
{
    QVERIFY(run(QStringLiteral("cupsreject"), {m_queue}));
    const int pdfs = pdfCount();
    const int jobs = jobsReceived();
    const QString refused = DeliveryText::refused(
        m_queue, QStringLiteral("Destination \"%1\" is not accepting jobs.").arg(m_queue), 0, 0);
    const Command cli = command(kOneSheet);
    QCOMPARE(cli.err, said(refused));
    QCOMPARE(cli.status, 1);
    QVERIFY(cli.out.isEmpty());

    Window window;
    window.dialogs.answerMessage(Dialogs::Answer::Ok);
    window.submit();
    QTRY_COMPARE_WITH_TIMEOUT(window.dialogs.shown().size(), 1, 10000);
    QCOMPARE(window.prompts(), QStringList{windowSays(DeliveryOutcome::Fault::Refused, refused)});
    QCOMPARE(window.aide().jobsFollowed(), 0);

    QVERIFY(run(QStringLiteral("cupsaccept"), {m_queue}));
    QCOMPARE(jobsReceived(), jobs);
    QCOMPARE(pdfCount(), pdfs);
}

void tst_CupsPrint::failingBackend_data()
{
    QTest::addColumn<QString>("policy");
    QTest::addColumn<int>("state"); // where the job stands, as told
    QTest::addRow("the printer stops") << "stop-printer" << int(JobStatus::State::Stopped);
    QTest::addRow("the job is aborted") << "abort-job" << int(JobStatus::State::Failed);
    QTest::addRow("the job is held to be tried again")
        << "retry-job" << int(JobStatus::State::Held);
}

void tst_CupsPrint::failingBackend()
{
    QFETCH(QString, policy);
    QFETCH(int, state);
    const QString reason =
        DeliveryText::jobFailed(m_failing, {JobStatus::State(state), "The paper tray is jammed"});
    QVERIFY(
        run(QStringLiteral("lpadmin"), {"-p", m_failing, "-o", "printer-error-policy=" + policy}));
    const int pdfs = pdfCount();
    const Command cli = command(QStringList(kOneSheet) << "--wait-seconds"
                                                       << "20",
                                m_failing);
    QCOMPARE(cli.err, said(reason));
    QCOMPARE(cli.status, 1);
    QVERIFY(run(QStringLiteral("cancel"), {"-a", m_failing}));
    QVERIFY(run(QStringLiteral("cupsenable"), {m_failing}));

    qputenv("PRINTER", m_failing.toLocal8Bit());
    Window window;
    window.dialogs.answerMessage(Dialogs::Answer::Ok);
    window.submit();
    QTRY_COMPARE_WITH_TIMEOUT(window.aide().deliveriesInFlight(), 0, 10000);
    QTRY_COMPARE_WITH_TIMEOUT(window.dialogs.shown().size(), 1, 20000);
    qunsetenv("PRINTER");
    QCOMPARE(window.prompts(), QStringList{windowSays(DeliveryOutcome::Fault::JobFailed, reason)});
    QCOMPARE(window.aide().jobsFollowed(), 0);
    QVERIFY(run(QStringLiteral("cancel"), {"-a", m_failing}));
    QVERIFY(run(QStringLiteral("cupsenable"), {m_failing}));
    QCOMPARE(pdfCount(), pdfs);
}

void tst_CupsPrint::pausedPrinter()
{
    QVERIFY(run(QStringLiteral("cupsdisable"), {m_queue}));
    const int pdfs = pdfCount();
    const QString paused = DeliveryText::paused(m_queue, 1);
    const Command cli = command(kOneSheet);
    QCOMPARE(cli.err, said(paused));
    QCOMPARE(cli.status, 0);

    Window window;
    window.dialogs.answerMessage(Dialogs::Answer::Ok);
    window.submit();
    QTRY_COMPARE_WITH_TIMEOUT(window.dialogs.shown().size(), 1, 10000);
    QCOMPARE(window.prompts(), QStringList{paused + " / Print Test"});
    QTest::qWait(1000);
    QCOMPARE(pdfCount(), pdfs);

    // Both jobs were kept and come out once the printer is resumed.
    QVERIFY(run(QStringLiteral("cupsenable"), {m_queue}));
    QTRY_VERIFY2_WITH_TIMEOUT(pdfCount() == pdfs + 2, qPrintable(serverLog()), 40000);
}

void tst_CupsPrint::stalledServer()
{
    const int pdfs = pdfCount();
    const int jobs = jobsReceived();
    const QString socket = m_root.filePath("cups.sock");
    Resume resume(m_cupsd);
    signalServer(SIGSTOP);

    const Command cli = command(kOneSheet);
    QCOMPARE(cli.err, said(DeliveryText::serverSilent(DeliveryText::noAnswer(socket, 4000), 0, 0)));
    QCOMPARE(cli.status, 1);
    QVERIFY2(cli.milliseconds < 10000, qPrintable(QString::number(cli.milliseconds)));

    Window window(1000);
    window.dialogs.answerMessage(Dialogs::Answer::Ok);
    QVERIFY(window.submit() < 1000);
    QCOMPARE(window.aide().deliveriesInFlight(), 1);
    // The window answers while the server does not.
    QRadioButton *yes = window.aide().optYes();
    QTest::mouseClick(yes, Qt::LeftButton);
    QVERIFY(yes->isChecked());
    QCOMPARE(window.dialogs.shown().size(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(window.dialogs.shown().size(), 1, 10000);
    QCOMPARE(window.prompts(),
             QStringList{windowSays(
                 DeliveryOutcome::Fault::ServerSilent,
                 DeliveryText::serverSilent(DeliveryText::noAnswer(socket, 1000), 0, 0))});

    signalServer(SIGCONT);
    QTest::qWait(1000);
    QCOMPARE(jobsReceived(), jobs);
    QCOMPARE(pdfCount(), pdfs);
}

void tst_CupsPrint::serverStallsDuringARun()
{
    const int jobs = jobsReceived();
    QProcess process;
    process.start(QStringLiteral(SUMTOPIA_EXECUTABLE), QStringList(kOneSheet) << "--count"
                                                                              << "40"
                                                                              << "--wait-seconds"
                                                                              << "0");
    Resume resume(m_cupsd);
    QTRY_VERIFY_WITH_TIMEOUT(jobsReceived() >= jobs + 3, 30000);
    signalServer(SIGSTOP);
    QVERIFY(process.waitForFinished(30000));
    signalServer(SIGCONT);
    const QString err = QString::fromUtf8(process.readAllStandardError());
    QCOMPARE(process.exitCode(), 1);
    const int accepted = acceptedCount(err);
    QCOMPARE(err, said(DeliveryText::serverSilent(
                      DeliveryText::noAnswer(m_root.filePath("cups.sock"), 4000), accepted,
                      40 - accepted)));
    // The third document may have reached the server without its answer reaching the program.
    QVERIFY(accepted >= 2);
    // The count said is what the server holds, give or take the job it took as it stalled.
    QTest::qWait(500);
    QVERIFY2(
        jobsReceived() - jobs == accepted || jobsReceived() - jobs == accepted + 1,
        qPrintable(QString("%1 jobs said, %2 received").arg(accepted).arg(jobsReceived() - jobs)));
    QVERIFY(run(QStringLiteral("cancel"), {"-a", m_queue}));
}

void tst_CupsPrint::startServer()
{
    const QString socket = m_root.filePath("cups.sock");
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
}

void tst_CupsPrint::serverDiesDuringARun()
{
    const int jobs = jobsReceived();
    QProcess process;
    process.start(QStringLiteral(SUMTOPIA_EXECUTABLE), QStringList(kOneSheet) << "--count"
                                                                              << "40"
                                                                              << "--wait-seconds"
                                                                              << "0");
    QTRY_VERIFY_WITH_TIMEOUT(jobsReceived() >= jobs + 3, 30000);
    m_cupsd.kill(); // our own server, by its process id
    QVERIFY(m_cupsd.waitForFinished(5000));
    QVERIFY(process.waitForFinished(30000));
    const QString err = QString::fromUtf8(process.readAllStandardError());
    QCOMPARE(process.exitCode(), 1);
    // Killed in the middle of a job or between two: either is said as it is.
    const QString socket = m_root.filePath("cups.sock");
    const int accepted = acceptedCount(err);
    const QStringList either{
        said(DeliveryText::serverSilent(DeliveryText::connectionBroken(socket), accepted,
                                        40 - accepted)),
        said(DeliveryText::serverSilent(DeliveryText::noServer(socket), accepted, 40 - accepted))};
    QVERIFY2(either.contains(err), qPrintable(err));
    // The third document may have reached the server without its answer reaching the program.
    QVERIFY(accepted >= 2);
    QVERIFY2(
        jobsReceived() - jobs == accepted || jobsReceived() - jobs == accepted + 1,
        qPrintable(QString("%1 jobs said, %2 received").arg(accepted).arg(jobsReceived() - jobs)));

    startServer();
    QVERIFY(run(QStringLiteral("cancel"), {"-a", m_queue}));
}

bool tst_CupsPrint::writeServerConfig(bool keepJobHistory)
{
    const QString socket = m_root.filePath("cups.sock");
    return writeFile(m_root.filePath("etc/cupsd.conf"),
                     QStringLiteral("Listen %1\n"
                                    "LogLevel info\n"
                                    "WebInterface No\n"
                                    // Saved at once, so a killed server comes back with its queues.
                                    "DirtyCleanInterval 0\n"
                                    "Browsing No\n"
                                    // Some sites keep no record of finished jobs at all.
                                    "PreserveJobHistory %2\n"
                                    "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                                    "<Policy default>\n  <Limit All>\n    Order deny,allow\n"
                                    "  </Limit>\n</Policy>\n")
                         .arg(socket, keepJobHistory ? "Yes" : "No"));
}

// lpstat -r exits 0 whether or not a server answers; only its words tell.
bool tst_CupsPrint::serverAnswers()
{
    QString said;
    return run(QStringLiteral("lpstat"), {"-r"}, &said) &&
           said.trimmed() == QLatin1String("scheduler is running");
}

// A changed configuration takes effect on SIGHUP; the server keeps its process and its queues.
void tst_CupsPrint::reloadServer()
{
    signalServer(SIGHUP);
    QTest::qWait(500);
    QTRY_VERIFY2_WITH_TIMEOUT(serverAnswers(), qPrintable(serverLog()), 10000);
}

QStringList tst_CupsPrint::queuedJobs(const QString &printer)
{
    QString listed;
    if (!run(QStringLiteral("lpstat"), {"-o", printer}, &listed)) {
        return {"(lpstat failed)"};
    }
    QStringList jobs;
    for (const QString &line : listed.split('\n', Qt::SkipEmptyParts)) {
        jobs.append(line.section(' ', 0, 0));
    }
    return jobs;
}

void tst_CupsPrint::noJobHistory_data()
{
    QTest::addColumn<bool>("jams");
    QTest::addColumn<int>("status");
    QTest::addRow("a printed sheet is printed") << false << 0;
    QTest::addRow("an aborted job keeps the printer's reason") << true << 1;
}

void tst_CupsPrint::noJobHistory()
{
    QFETCH(bool, jams);
    QFETCH(int, status);
    QVERIFY(writeServerConfig(false));
    reloadServer();
    QVERIFY(
        run(QStringLiteral("lpadmin"), {"-p", m_failing, "-o", "printer-error-policy=abort-job"}));
    const int pdfs = pdfCount();
    const QString printer = jams ? m_failing : m_queue;
    const Command cli = command(QStringList(kOneSheet) << "--wait-seconds"
                                                       << "30",
                                printer);
    QVERIFY(writeServerConfig(true));
    reloadServer();
    QCOMPARE(cli.err, jams ? said(DeliveryText::jobFailed(
                                 printer, {JobStatus::State::Failed, "The paper tray is jammed"}))
                           : QString());
    QCOMPARE(cli.status, status);
    QTRY_COMPARE_WITH_TIMEOUT(pdfCount(), pdfs + (jams ? 0 : 1), 20000);
    QCOMPARE(queuedJobs(printer), QStringList());
}

void tst_CupsPrint::printerGoneKeepsItsReason()
{
    const Command cli = command(QStringList(kOneSheet) << "--with-key"
                                                       << "--wait-seconds"
                                                       << "5",
                                m_gone);
    const QStringList queued = queuedJobs(m_gone);
    QVERIFY(run(QStringLiteral("cancel"), {"-a", m_gone}));
    QCOMPARE(cli.err, said(DeliveryText::stillQueued(2, m_gone, 5000, printerUnavailable())));
    QCOMPARE(cli.status, 0);
    QCOMPARE(queued.size(), 2);
}

// A printer that is gone keeps the sheet waiting; the window says so without a question, and
// with the reason the print server gives.
void tst_CupsPrint::windowTellsAWaitingJob()
{
    qputenv("PRINTER", m_gone.toLocal8Bit());
    Window window;
    window.aide().setWaitNotice(1000);
    QVERIFY(window.submit() < 1000);
    QTRY_COMPARE_WITH_TIMEOUT(window.dialogs.shown().size(), 1, 20000);
    qunsetenv("PRINTER");
    const QStringList queued = queuedJobs(m_gone);
    QVERIFY(run(QStringLiteral("cancel"), {"-a", m_gone}));
    QCOMPARE(window.dialogs.shown().first().kind, QString("notice"));
    QCOMPARE(queued.size(), 1);
    QCOMPARE(window.prompts(),
             QStringList{DeliveryText::stillWaiting(m_gone, queued.first().section('-', -1).toInt(),
                                                    printerUnavailable()) +
                         " / Print Test"});
}

void tst_CupsPrint::cancelledJob_data()
{
    QTest::addColumn<bool>("keepHistory");
    QTest::addRow("the server keeps the job's record") << true;
    QTest::addRow("the server forgets the job: its events tell") << false;
}

// Sheets waiting for a printer nobody can reach, cancelled with cancel: told as cancelled, not as
// the printer's last complaint, on the command line (a sheet and its key) and in the window.
void tst_CupsPrint::cancelledJob()
{
    QFETCH(bool, keepHistory);
    if (!keepHistory) {
        QVERIFY(writeServerConfig(false));
        reloadServer();
    }
    const auto restore = qScopeGuard([&] {
        if (!keepHistory) {
            writeServerConfig(true);
            reloadServer();
        }
    });
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("PRINTER", m_gone);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(SUMTOPIA_EXECUTABLE), QStringList(kOneSheet) << "--with-key"
                                                                              << "--wait-seconds"
                                                                              << "30");
    QTRY_COMPARE_WITH_TIMEOUT(queuedJobs(m_gone).size(), 2, 20000);
    QVERIFY(run(QStringLiteral("cancel"), {"-a", m_gone}));
    QVERIFY(process.waitForFinished(20000));
    QCOMPARE(QString::fromUtf8(process.readAllStandardError()),
             said(DeliveryText::cancelled(m_gone, 2)));
    QCOMPARE(process.exitCode(), 1);

    qputenv("PRINTER", m_gone.toLocal8Bit());
    Window window;
    window.dialogs.answerMessage(Dialogs::Answer::Ok);
    window.submit();
    QTRY_COMPARE_WITH_TIMEOUT(queuedJobs(m_gone).size(), 1, 20000);
    qunsetenv("PRINTER");
    QVERIFY(run(QStringLiteral("cancel"), {"-a", m_gone}));
    QTRY_COMPARE_WITH_TIMEOUT(window.dialogs.shown().size(), 1, 20000);
    QCOMPARE(window.prompts(), QStringList{windowSays(DeliveryOutcome::Fault::JobCancelled,
                                                      DeliveryText::cancelled(m_gone, 1))});
    QTRY_COMPARE_WITH_TIMEOUT(window.aide().jobsFollowed(), 0, 5000);
}

// A server that answers "service unavailable" is busy, not missing and not without printers:
// no --output advice, and no PDF offer in the window.
void tst_CupsPrint::busyServer()
{
    const QString path = m_root.filePath("busy.sock");
    BusyServer busy(path);
    QVERIFY(busy.listening());
    const QByteArray server = qgetenv("CUPS_SERVER");
    qputenv("CUPS_SERVER", path.toLocal8Bit());
    const auto restore = qScopeGuard([&] { qputenv("CUPS_SERVER", server); });
    const Command cli = command(kOneSheet);
    QCOMPARE(cli.err, said(DeliveryText::serverBusy(DeliveryText::busyServer(path), 0, 0)));
    QCOMPARE(cli.status, 1);
    QVERIFY(busy.requests() >= 1);
    // The window is not tried here: libcups keeps the server's name per thread, and the
    // window's worker threads have asked the test's own server before.
}

void tst_CupsPrint::userMediaChoosesThePaper_data()
{
    // The queue's own default is A4; the user's options come before the system's.
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("system");
    QTest::addColumn<QString>("size");
    QTest::addRow("user's Letter") << "na_letter_8.5x11in" << QString() << "612 x 792 pts (letter)";
    QTest::addRow("system's Letter") << QString() << "Letter"
                                     << "612 x 792 pts (letter)";
    QTest::addRow("user's A4 over the system's Letter") << "iso_a4_210x297mm"
                                                        << "Letter"
                                                        << "595 x 842 pts (A4)";
}

void tst_CupsPrint::userMediaChoosesThePaper()
{
    QFETCH(QString, user);
    QFETCH(QString, system);
    QFETCH(QString, size);
    const QString userOptions = m_root.filePath(".cups/lpoptions");
    const QString systemOptions = m_root.filePath("etc/lpoptions");
    QVERIFY(QDir(m_root.path()).mkpath(".cups"));
    if (!user.isEmpty()) {
        QVERIFY(writeFile(userOptions, QStringLiteral("Dest %1 media=%2\n").arg(m_queue, user)));
    }
    if (!system.isEmpty()) {
        QVERIFY(
            writeFile(systemOptions, QStringLiteral("Dest %1 media=%2\n").arg(m_queue, system)));
    }
    const QDir out(m_root.filePath("out"));
    const QStringList before = out.entryList({"*.pdf"}, QDir::Files);
    const Command cli = command(QStringList(kOneSheet) << "--wait-seconds"
                                                       << "0");
    QFile::remove(userOptions);
    QFile::remove(systemOptions);
    QCOMPARE(cli.status, 0);
    QTRY_COMPARE_WITH_TIMEOUT(out.entryList({"*.pdf"}, QDir::Files).size(), before.size() + 1,
                              40000);
    QTest::qWait(500);
    QString made;
    for (const QString &name : out.entryList({"*.pdf"}, QDir::Files)) {
        if (!before.contains(name)) {
            made = out.filePath(name);
        }
    }
    QString info;
    QVERIFY(run(QStringLiteral("pdfinfo"), {made}, &info));
    QVERIFY2(info.contains("Page size:       " + size), qPrintable(info));
}

void tst_CupsPrint::noPrintServer_data()
{
    QTest::addColumn<QString>("socket");
    QTest::addRow("no socket") << "none.sock";
    QTest::addRow("a socket nobody listens on") << "dead.sock";
}

void tst_CupsPrint::noPrintServer()
{
    QFETCH(QString, socket);
    const QString path = m_root.filePath(socket);
    if (socket == QLatin1String("dead.sock") && !QFile::exists(path)) {
        QVERIFY(bindWithoutListening(path));
    }
    const QByteArray server = qgetenv("CUPS_SERVER");
    qputenv("CUPS_SERVER", path.toLocal8Bit());
    const Command cli = command(kOneSheet);
    qputenv("CUPS_SERVER", server);
    DeliveryOutcome none =
        DeliveryOutcome::failed(DeliveryOutcome::Fault::NoServer, DeliveryText::noServer(path));
    none.printer = path;
    QCOMPARE(cli.err, said(outcomeSentence(none, Reader::CommandLine)));
    QCOMPARE(cli.status, 1);
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
