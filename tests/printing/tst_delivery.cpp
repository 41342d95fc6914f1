#include "PrintServerWords.h"
#include "ScriptedPrinterService.h"
#include "platform/Controls.h"
#include "printing/BackgroundDelivery.h"
#include "printing/CupsJobEvents.h"
#include "printing/Delivery.h"
#include "printing/DeliveryText.h"
#include "printing/FileOutput.h"
#include "printing/JobFollower.h"
#include "printing/PdfOutput.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <tuple>
#include <unistd.h>

namespace
{

const QByteArray kOldSheet = "last week's sheet";

// What a print server at the usual socket says, as the CUPS service passes it on.
const QString kNoAnswer =
    QStringLiteral("The print server (/run/cups/cups.sock) did not answer within 4 seconds.");
const QString kTurnedAway =
    QStringLiteral("The print server (/run/cups/cups.sock) is busy and turned the request away.");
const QString kBrokenOff =
    QStringLiteral("The print server (/run/cups/cups.sock) broke off the connection.");
const QString kNoServer = QStringLiteral("No print server runs at /run/cups/cups.sock.");

// The real calls, except that one step fails as on a full disk. A failing write first writes
// part of the bytes, as a disk that fills up during the write does.
class FullDisk final : public FileSystem
{
public:
    explicit FullDisk(QString step, int error = ENOSPC) : m_step(std::move(step)), m_error(error) {}

    int open(const QByteArray &path, int flags, mode_t mode) override
    {
        return failing("open") ? refuse() : FileSystem::open(path, flags, mode);
    }
    ssize_t write(int fd, const char *data, size_t size) override
    {
        if (failing("write")) {
            if (!m_partDone && size > 1) {
                m_partDone = true;
                return FileSystem::write(fd, data, size / 2);
            }
            return refuse();
        }
        return FileSystem::write(fd, data, size);
    }
    int flush(int fd) override { return failing("flush") ? refuse() : FileSystem::flush(fd); }
    int close(int fd) override
    {
        // The descriptor is gone either way, as after a close that reports a late write error.
        const int closed = FileSystem::close(fd);
        return failing("close") ? refuse() : closed;
    }
    int rename(const QByteArray &from, const QByteArray &to) override
    {
        return failing("rename") ? refuse() : FileSystem::rename(from, to);
    }

private:
    bool failing(const char *step) const { return m_step == QLatin1String(step); }
    int refuse() const
    {
        errno = m_error;
        return -1;
    }

    QString m_step;
    int m_error;
    bool m_partDone = false;
};

QStringList everything(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                  QDir::NoDotAndDotDot);
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

bool writeOld(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(kOldSheet) == kOldSheet.size();
}

PrintDocument sheet(int number)
{
    PrintDocument document;
    document.setFontName(QStringLiteral("Times New Roman"));
    document.setFontSize(12);
    document.print(PrintLine().text(QStringLiteral("Sheet")).number(number));
    document.endDocument();
    return document;
}

QList<PrintDocument> sheets(int count)
{
    QList<PrintDocument> list;
    for (int i = 1; i <= count; ++i) {
        list.append(sheet(i));
    }
    return list;
}

JobSubmission accepted(int id)
{
    return {JobSubmission::State::Accepted, id, QString()};
}

} // namespace

class tst_Delivery : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { installFontSubstitutes(); }
    void fullDiskAtEachStep_data();
    void fullDiskAtEachStep();
    void fullTmpfs();
    void replacesOnlyWhenComplete();
    void linkedFileIsReplacedBehindTheLink();
    void adviceFollowsTheCause_data();
    void adviceFollowsTheCause();
    void whoMayReplace_data();
    void whoMayReplace();
    void protectedFileSentences_data();
    void protectedFileSentences();
    void badDestinations_data();
    void badDestinations();
    void deviceIsWrittenInPlace();
    void pipeIsWrittenInPlace();
    void pipeWithoutReader();
    void fullStandardOutput();
    void printing_data();
    void printing();
    void followingJobs_data();
    void followingJobs();
    void followerTurn();
    void cancelReachesThePrintingJobLater();
    void forgottenJobs_data();
    void forgottenJobs();
    void firstReasonOfAnyJob();
    void paperOfTheJobs();
    void localePaperSizes_data();
    void localePaperSizes();
    void askingStopsAtTheFirstFailure();
    void jobReports_data();
    void jobReports();
    void jobEnds_data();
    void jobEnds();
    void pausedSheetIsFollowed_data();
    void pausedSheetIsFollowed();
    void sentences_data();
    void sentences();
    void germanFormFollowsTheCount();
};

void tst_Delivery::fullDiskAtEachStep_data()
{
    QTest::addColumn<QString>("step");
    QTest::addColumn<bool>("oldFile");
    QTest::addColumn<QString>("reason");
    const QString kept = QStringLiteral("The file that was there is unchanged.");
    const QString none = QStringLiteral("No file was left behind.");
    const QString text = QStringLiteral("%1/keep.pdf could not be written: No space left on "
                                        "device (while %2). %3 Free some space or choose another "
                                        "place, then try again.");
    const QList<QPair<QString, QString>> steps = {{"open", "creating the new file"},
                                                  {"write", "writing"},
                                                  {"flush", "flushing to disk"},
                                                  {"close", "closing"},
                                                  {"rename", "putting the new file in place"}};
    for (const auto &[step, words] : steps) {
        QTest::addRow("%s, old file", qPrintable(step))
            << step << true << text.arg("%1", words, kept);
        QTest::addRow("%s, new file", qPrintable(step))
            << step << false << text.arg("%1", words, none);
    }
}

void tst_Delivery::fullDiskAtEachStep()
{
    QFETCH(QString, step);
    QFETCH(bool, oldFile);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString path = dir.filePath("keep.pdf");
    if (oldFile) {
        QVERIFY(writeOld(path));
    }
    FullDisk disk(step);
    const DeliveryOutcome outcome = savePdf(sheets(2), path, disk);
    QCOMPARE(outcome.kind, DeliveryOutcome::Kind::Failed);
    QCOMPARE(outcome.fault, DeliveryOutcome::Fault::WriteFailed);
    QCOMPARE(outcome.reason, reason.arg(dir.path()));
    // Last week's sheet is still there, whole; no half-written file is left anywhere.
    QCOMPARE(everything(dir.path()), oldFile ? QStringList{"keep.pdf"} : QStringList{});
    if (oldFile) {
        QCOMPARE(contents(path), kOldSheet);
    }
}

// A real full disk, beside the disk of fullDiskAtEachStep that fails on cue: the new file is
// written next to the old one, on the same full disk, and what still fits is written after.
void tst_Delivery::fullTmpfs()
{
    QTemporaryDir dir;
    const QString mountPoint = dir.filePath("small");
    QVERIFY(QDir(dir.path()).mkdir("small"));
    QProcess mount;
    mount.setProcessChannelMode(QProcess::MergedChannels);
    mount.start("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", mountPoint});
    if (!mount.waitForFinished(10000) || mount.exitCode() != 0) {
        QSKIP(qPrintable("a small file system could not be mounted (needs root): " +
                         QString::fromLocal8Bit(mount.readAll()).trimmed()));
    }
    const auto unmount = qScopeGuard([&] { QProcess::execute("umount", {mountPoint}); });
    const QString path = mountPoint + "/keep.pdf";
    QVERIFY(writeOld(path));
    const DeliveryOutcome outcome = saveFile(path, QByteArray(200 * 1024, 'x'));
    QCOMPARE(outcome.kind, DeliveryOutcome::Kind::Failed);
    QCOMPARE(outcome.fault, DeliveryOutcome::Fault::WriteFailed);
    QCOMPARE(outcome.reason, DeliveryText::writeFailed(path, WriteStep::Writing, ENOSPC, true));
    QCOMPARE(everything(mountPoint), QStringList{"keep.pdf"});
    QCOMPARE(contents(path), kOldSheet);
    // What fits is written.
    const QByteArray small(1000, 'y');
    QCOMPARE(saveFile(path, small).kind, DeliveryOutcome::Kind::Saved);
    QCOMPARE(contents(path), small);
}

void tst_Delivery::replacesOnlyWhenComplete()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("keep.pdf");
    QVERIFY(writeOld(path));
    QVERIFY(::chmod(QFile::encodeName(path).constData(), 0640) == 0);
    const DeliveryOutcome outcome = savePdf(sheets(3), path);
    QCOMPARE(outcome.kind, DeliveryOutcome::Kind::Saved);
    QCOMPARE(outcome.path, path);
    QVERIFY(outcome.reason.isEmpty());
    QCOMPARE(everything(dir.path()), QStringList{"keep.pdf"});
    const QByteArray pdf = contents(path);
    QVERIFY(pdf.startsWith("%PDF-"));
    QVERIFY(pdf.trimmed().endsWith("%%EOF"));
    struct stat info {
    };
    QCOMPARE(::stat(QFile::encodeName(path).constData(), &info), 0);
    QCOMPARE(int(info.st_mode & 0777), 0640);
}

void tst_Delivery::linkedFileIsReplacedBehindTheLink()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("real"));
    const QString target = dir.filePath("real/sheet.pdf");
    QVERIFY(writeOld(target));
    QVERIFY(QFile::link("real/sheet.pdf", dir.filePath("link.pdf")));
    QCOMPARE(saveFile(dir.filePath("link.pdf"), "new sheet").kind, DeliveryOutcome::Kind::Saved);
    QVERIFY(QFileInfo(dir.filePath("link.pdf")).isSymLink());
    QCOMPARE(contents(target), QByteArray("new sheet"));
    QCOMPARE(everything(dir.filePath("real")), QStringList{"sheet.pdf"});
}

void tst_Delivery::badDestinations_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reason");
    QTest::addRow("a folder") << "folder"
                              << "%1/folder cannot be written: it is a folder. Choose another "
                                 "file name.";
    QTest::addRow("a link loop") << "loop-a"
                                 << "%1/loop-a cannot be written: it is a symbolic link that "
                                    "leads round in a loop. Choose another file name.";
    QTest::addRow("a link to nowhere")
        << "dangling"
        << "%1/dangling cannot be written: it is a symbolic link to something that does not "
           "exist. Choose another file name.";
    QTest::addRow("a missing folder")
        << "missing/sheet.pdf"
        << "%1/missing/sheet.pdf cannot be written: the folder %1/missing cannot be used: No such "
           "file or directory. Choose another file name.";
    QTest::addRow("a name too long")
        << QString(256, 'n')
        << "%1/" + QString(256, 'n') +
               " cannot be written: a name in the path is 256 bytes long, more than the 255 a "
               "name may have. Choose another file name.";
}

void tst_Delivery::badDestinations()
{
    QFETCH(QString, name);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("folder"));
    QVERIFY(QFile::link("loop-b", dir.filePath("loop-a")));
    QVERIFY(QFile::link("loop-a", dir.filePath("loop-b")));
    QVERIFY(QFile::link("nowhere", dir.filePath("dangling")));
    const QStringList before = everything(dir.path());
    const DeliveryOutcome outcome = saveFile(dir.filePath(name), "sheet");
    QCOMPARE(outcome.kind, DeliveryOutcome::Kind::Failed);
    QCOMPARE(outcome.fault, DeliveryOutcome::Fault::BadDestination);
    QCOMPARE(outcome.reason, reason.arg(dir.path()));
    QCOMPARE(everything(dir.path()), before);
    QCOMPARE(everything(dir.filePath("folder")), QStringList{});
    QVERIFY(QFileInfo(dir.filePath("loop-a")).isSymLink());
}

void tst_Delivery::deviceIsWrittenInPlace()
{
    const DeliveryOutcome outcome = savePdf(sheets(1), "/dev/null");
    QCOMPARE(outcome.kind, DeliveryOutcome::Kind::Saved);
    struct stat info {
    };
    QCOMPARE(::stat("/dev/null", &info), 0);
    QVERIFY(S_ISCHR(info.st_mode));
}

void tst_Delivery::pipeIsWrittenInPlace()
{
    QTemporaryDir dir;
    const QByteArray fifo = QFile::encodeName(dir.filePath("pipe"));
    QCOMPARE(::mkfifo(fifo.constData(), 0600), 0);
    QByteArray received;
    std::thread reader([&] {
        const int fd = ::open(fifo.constData(), O_RDONLY);
        char buffer[4096];
        ssize_t got = 0;
        while (fd >= 0 && (got = ::read(fd, buffer, sizeof(buffer))) > 0) {
            received.append(buffer, got);
        }
        ::close(fd);
    });
    // The reader opens the pipe first, as a program at its other end would.
    const QByteArray bytes(100000, 'z');
    DeliveryOutcome outcome;
    for (int attempt = 0; attempt < 100; ++attempt) {
        outcome = saveFile(QFile::decodeName(fifo), bytes);
        if (outcome.kind == DeliveryOutcome::Kind::Saved) {
            break;
        }
        QTest::qWait(20);
    }
    reader.join();
    QCOMPARE(outcome.kind, DeliveryOutcome::Kind::Saved);
    QCOMPARE(received, bytes);
    struct stat info {
    };
    QCOMPARE(::stat(fifo.constData(), &info), 0);
    QVERIFY(S_ISFIFO(info.st_mode));
    QCOMPARE(everything(dir.path()), QStringList{"pipe"});
}

void tst_Delivery::pipeWithoutReader()
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath("pipe");
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const DeliveryOutcome outcome = saveFile(fifo, "sheet");
    QCOMPARE(outcome.kind, DeliveryOutcome::Kind::Failed);
    QCOMPARE(outcome.fault, DeliveryOutcome::Fault::WriteFailed);
    QCOMPARE(outcome.reason, fifo + " could not be written: nothing reads from it. Start the "
                                    "program that reads it, or choose a file, then try again.");
    QCOMPARE(everything(dir.path()), QStringList{"pipe"});
}

void tst_Delivery::fullStandardOutput()
{
    const int fd = ::open("/dev/full", O_WRONLY);
    QVERIFY(fd >= 0);
    const DeliveryOutcome outcome = writeText(sheets(2), fd, "standard output");
    ::close(fd);
    QCOMPARE(outcome.kind, DeliveryOutcome::Kind::Failed);
    QCOMPARE(outcome.fault, DeliveryOutcome::Fault::WriteFailed);
    QCOMPARE(outcome.reason,
             QString("standard output could not be written: No space left on device"));
}

void tst_Delivery::printing_data()
{
    QTest::addColumn<int>("printerState");
    QTest::addColumn<QString>("lookupSays"); // the lookup's reason
    QTest::addColumn<QList<JobSubmission>>("answers");
    QTest::addColumn<int>("documents");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("fault");
    QTest::addColumn<QList<int>>("jobs");
    QTest::addColumn<QString>("reason");
    const int ready = int(PrinterLookup::State::Ready);
    const int failed = int(DeliveryOutcome::Kind::Failed);
    const QString silent = kNoAnswer;
    const QString busy = kTurnedAway;
    const QString noLibrary =
        "The printing library could not be loaded (libcups.so.2: cannot open shared object file: "
        "No such file or directory). Install the CUPS client library (libcups2), then try again.";
    QTest::addRow("three sheets printed")
        << ready << "" << QList<JobSubmission>{} << 3 << int(DeliveryOutcome::Kind::Printed)
        << int(DeliveryOutcome::Fault::None) << QList<int>{100, 101, 102} << "";
    QTest::addRow("no printer") << int(PrinterLookup::State::None) << "No default destination."
                                << QList<JobSubmission>{} << 1 << failed
                                << int(DeliveryOutcome::Fault::NoPrinter) << QList<int>{}
                                << "No printer is set up.";
    QTest::addRow("the default printer is gone")
        << int(PrinterLookup::State::Gone)
        << "~/.cups/lpoptions file names default destination that does not exist."
        << QList<JobSubmission>{} << 2 << failed << int(DeliveryOutcome::Fault::PrinterGone)
        << QList<int>{}
        << "The default printer \"Room12\" no longer exists; choose another one in the printer "
           "settings or with lpoptions -d NAME, then try again.";
    QTest::addRow("no CUPS client library")
        << int(PrinterLookup::State::NoLibrary) << noLibrary << QList<JobSubmission>{} << 1
        << failed << int(DeliveryOutcome::Fault::NoLibrary) << QList<int>{} << noLibrary;
    QTest::addRow("server busy before the first job")
        << int(PrinterLookup::State::Busy) << busy << QList<JobSubmission>{} << 1 << failed
        << int(DeliveryOutcome::Fault::ServerBusy) << QList<int>{}
        << busy + " Wait a moment, then try again.";
    QTest::addRow("server silent before the first job")
        << int(PrinterLookup::State::Silent) << silent << QList<JobSubmission>{} << 2 << failed
        << int(DeliveryOutcome::Fault::ServerSilent) << QList<int>{}
        << silent + " Check that the printing service is running, then try again.";
    QTest::addRow("refused at once")
        << ready << ""
        << QList<JobSubmission>{{JobSubmission::State::Refused, 0,
                                 "Destination \"Room12\" is not accepting jobs."}}
        << 1 << failed << int(DeliveryOutcome::Fault::Refused) << QList<int>{}
        << "The printer \"Room12\" did not accept the worksheet: Destination \"Room12\" is not "
           "accepting jobs. Check that the printer accepts jobs, then try again.";
    QTest::addRow("refused after two")
        << ready << ""
        << QList<JobSubmission>{accepted(7),
                                accepted(8),
                                {JobSubmission::State::Refused, 0, "Printer is full"}}
        << 4 << failed << int(DeliveryOutcome::Fault::Refused) << QList<int>{7, 8}
        << "The printer \"Room12\" did not accept the worksheet: Printer is full. 2 jobs had "
           "already been accepted; the other 2 were not sent. Check that the "
           "printer accepts jobs, then try again.";
    QTest::addRow("server busy after one of three")
        << ready << "" << QList<JobSubmission>{accepted(5), {JobSubmission::State::Busy, 0, busy}}
        << 3 << failed << int(DeliveryOutcome::Fault::ServerBusy) << QList<int>{5}
        << busy + " 1 job had already been accepted; the other 2 were not sent. Wait a moment, "
                  "then try again.";
    QList<JobSubmission> fifteen;
    QList<int> fifteenIds;
    for (int id = 1; id <= 15; ++id) {
        fifteen.append(accepted(id));
        fifteenIds.append(id);
    }
    QTest::addRow("server stalls after fifteen of forty")
        << ready << ""
        << (QList<JobSubmission>(fifteen) << JobSubmission{JobSubmission::State::Silent, 0, silent})
        << 40 << failed << int(DeliveryOutcome::Fault::ServerSilent) << fifteenIds
        << silent + " 15 jobs had already been accepted; the other 25 were not "
                    "sent. Check that the printing service is running, then try again.";
    QTest::addRow("server gone after one of two")
        << ready << ""
        << QList<JobSubmission>{accepted(3), {JobSubmission::State::Silent, 0, kNoServer}} << 2
        << failed << int(DeliveryOutcome::Fault::ServerSilent) << QList<int>{3}
        << "No print server runs at /run/cups/cups.sock. 1 job had already been accepted; the "
           "other 1 was not sent. Check that the printing service is running, then try "
           "again.";
    QTest::addRow("paused printer, one sheet")
        << int(PrinterLookup::State::Paused) << "" << QList<JobSubmission>{} << 1
        << int(DeliveryOutcome::Kind::Pending) << int(DeliveryOutcome::Fault::None)
        << QList<int>{100} << DeliveryText::paused("Room12", 1);
    QTest::addRow("paused printer, two sheets")
        << int(PrinterLookup::State::Paused) << "" << QList<JobSubmission>{} << 2
        << int(DeliveryOutcome::Kind::Pending) << int(DeliveryOutcome::Fault::None)
        << QList<int>{100, 101} << DeliveryText::paused("Room12", 2);
}

void tst_Delivery::printing()
{
    QFETCH(int, printerState);
    QFETCH(QString, lookupSays);
    QFETCH(QList<JobSubmission>, answers);
    QFETCH(int, documents);
    QFETCH(int, kind);
    QFETCH(int, fault);
    QFETCH(QList<int>, jobs);
    QFETCH(QString, reason);
    ScriptedPrinterService printers;
    PrinterLookup printer =
        ScriptedPrinterService::printer("Room12", PrinterLookup::State(printerState));
    printer.reason = lookupSays;
    printers.setPrinter(printer);
    for (const JobSubmission &answer : answers) {
        printers.answerSubmit(answer);
    }
    const DeliveryOutcome outcome = printDocuments(printers, sheets(documents));
    QCOMPARE(int(outcome.kind), kind);
    QCOMPARE(int(outcome.fault), fault);
    QCOMPARE(outcome.jobIds, jobs);
    QCOMPARE(outcome.reason, reason);
    QCOMPARE(outcome.printer, QString("Room12"));
    QCOMPARE(printers.submitted().size(), jobs.size());
    QCOMPARE(printers.lookups(), 1);
}

void tst_Delivery::followingJobs_data()
{
    QTest::addColumn<QList<JobStatus>>("statuses"); // of jobs 100 and 101
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("fault");
    QTest::addColumn<QString>("reason");
    const JobStatus done{JobStatus::State::Done, QString()};
    const JobStatus waiting{JobStatus::State::Waiting, QString()};
    const JobStatus jammed{JobStatus::State::Failed, "Jammed"};
    QTest::addRow("both printed") << QList<JobStatus>{done, done}
                                  << int(DeliveryOutcome::Kind::Printed)
                                  << int(DeliveryOutcome::Fault::None) << "";
    const int failed = int(DeliveryOutcome::Kind::Failed);
    const int pending = int(DeliveryOutcome::Kind::Pending);
    const int none = int(DeliveryOutcome::Fault::None);
    const int jobFailed = int(DeliveryOutcome::Fault::JobFailed);
    const int jobCancelled = int(DeliveryOutcome::Fault::JobCancelled);
    const JobStatus stopped{JobStatus::State::Stopped, "Out of toner"};
    const JobStatus held{JobStatus::State::Held, "The paper tray is jammed"};
    const JobStatus warming{JobStatus::State::Waiting, "Warming up"};
    const JobStatus silent{JobStatus::State::Silent, kNoServer};
    const JobStatus cancelled{JobStatus::State::Cancelled, QString()};
    const JobStatus paused{JobStatus::State::Paused, "paused"};
    // The words of each sentence are the sentences table's; these rows check which sentence a
    // turn of events comes to, with which counts, the printer's words and the 300 ms waited.
    QTest::addRow("second aborted") << QList<JobStatus>{done, jammed} << failed << jobFailed
                                    << DeliveryText::jobFailed("Room12", jammed);
    QTest::addRow("printer stopped") << QList<JobStatus>{stopped, waiting} << failed << jobFailed
                                     << DeliveryText::jobFailed("Room12", stopped);
    QTest::addRow("held to be tried again") << QList<JobStatus>{waiting, held} << failed
                                            << jobFailed << DeliveryText::jobFailed("Room12", held);
    QTest::addRow("still waiting at the end")
        << QList<JobStatus>{done, warming} << pending << none
        << DeliveryText::stillQueued(1, "Room12", 300, "Warming up");
    QTest::addRow("both still waiting") << QList<JobStatus>{waiting, waiting} << pending << none
                                        << DeliveryText::stillQueued(2, "Room12", 300, "");
    QTest::addRow("server stops answering")
        << QList<JobStatus>{done, silent} << failed << int(DeliveryOutcome::Fault::ServerSilent)
        << DeliveryText::silentAfterAccepting(silent.reason, 2, "Room12");
    QTest::addRow("the key cancelled") << QList<JobStatus>{done, cancelled} << failed
                                       << jobCancelled << DeliveryText::cancelled("Room12", 1);
    QTest::addRow("the sheet and its key cancelled")
        << QList<JobStatus>{cancelled, cancelled} << failed << jobCancelled
        << DeliveryText::cancelled("Room12", 2);
    QTest::addRow("cancelled, the other failed")
        << QList<JobStatus>{cancelled, jammed} << failed << jobFailed
        << DeliveryText::jobFailed("Room12", jammed);
    QTest::addRow("cancelled while the other waits on")
        << QList<JobStatus>{waiting, cancelled} << failed << jobCancelled
        << DeliveryText::cancelled("Room12", 1) + " " +
               DeliveryText::stillQueued(1, "Room12", 300, "");
    QTest::addRow("paused after taking both")
        << QList<JobStatus>{paused, paused} << pending << none << DeliveryText::paused("Room12", 2);
    QTest::addRow("one printed, then paused")
        << QList<JobStatus>{done, paused} << pending << none << DeliveryText::paused("Room12", 1);
    QTest::addRow("one paused, one waiting")
        << QList<JobStatus>{paused, waiting} << pending << none
        << DeliveryText::stillQueued(2, "Room12", 300, "paused");
}

void tst_Delivery::followingJobs()
{
    QFETCH(QList<JobStatus>, statuses);
    QFETCH(int, kind);
    QFETCH(int, fault);
    QFETCH(QString, reason);
    ScriptedPrinterService printers;
    printers.setJobStatus(100, statuses.at(0));
    printers.setJobStatus(101, statuses.at(1));
    const DeliveryOutcome printed = printDocuments(printers, sheets(2));
    QCOMPARE(printed.kind, DeliveryOutcome::Kind::Printed);
    QElapsedTimer clock;
    clock.start();
    const DeliveryOutcome outcome = waitForJobs(printers, printed, 300, 20);
    QVERIFY(clock.elapsed() < 2000);
    QCOMPARE(int(outcome.kind), kind);
    QCOMPARE(int(outcome.fault), fault);
    QCOMPARE(outcome.reason, reason);
    QCOMPARE(outcome.jobIds, (QList<int>{100, 101}));
    QCOMPARE(outcome.printer, QString("Room12"));
}

void tst_Delivery::adviceFollowsTheCause_data()
{
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("reason");
    const QString text = "%1/keep.pdf could not be written: %2 (while writing). No file was left "
                         "behind. %3";
    // A full disk's advice is fullDiskAtEachStep's.
    const QString permission = "Choose a place where you may write, or ask for permission to "
                               "write there, then try again.";
    const QString folderGone = "The folder is gone; choose a folder that exists, then try again.";
    const QString diskGone = "The disk may have been removed or failed; check it or choose another "
                             "place, then try again.";
    const QString network = "The network folder could not be reached; check the network or "
                            "choose another place, then try again.";
    const QString inUse = "Another program is using the file; close it or choose another file "
                          "name, then try again.";
    const QString resources = "The computer is short of resources; close some programs, then try "
                              "again.";
    const QList<std::tuple<const char *, int, const char *, QString>> rows = {
        {"quota used up", EDQUOT, "Disk quota exceeded",
         "Your share of the disk there (your quota) is used up; delete files you no longer need "
         "or choose another place, then try again."},
        {"permission", EACCES, "Permission denied", permission},
        {"operation not permitted", EPERM, "Operation not permitted", permission},
        {"folder gone", ENOENT, "No such file or directory", folderGone},
        {"folder replaced by a file", ENOTDIR, "Not a directory", folderGone},
        {"device gone", EIO, "Input/output error", diskGone},
        {"no such device", ENODEV, "No such device", diskGone},
        {"no such device or address", ENXIO, "No such device or address", diskGone},
        {"stale network file", ESTALE, "Stale file handle", network},
        {"network timed out", ETIMEDOUT, "Connection timed out", network},
        {"server down", EHOSTDOWN, "Host is down", network},
        {"server unreachable", EHOSTUNREACH, "No route to host", network},
        {"network down", ENETDOWN, "Network is down", network},
        {"network unreachable", ENETUNREACH, "Network is unreachable", network},
        {"not connected", ENOTCONN, "Transport endpoint is not connected", network},
        {"connection reset", ECONNRESET, "Connection reset by peer", network},
        {"connection aborted", ECONNABORTED, "Software caused connection abort", network},
        {"remote I/O error", EREMOTEIO, "Remote I/O error", network},
        {"read-only disk", EROFS, "Read-only file system",
         "The disk there takes no changes (it is read-only); choose another place, then try "
         "again."},
        {"file too large", EFBIG, "File too large",
         "The file is larger than the disk there allows; choose another place, then try again."},
        {"name too long", ENAMETOOLONG, "File name too long",
         "Choose a shorter file name, then try again."},
        {"a folder took the name", EISDIR, "Is a directory",
         "A folder has that name now; choose another file name, then try again."},
        {"busy", EBUSY, "Device or resource busy", inUse},
        {"text file busy", ETXTBSY, "Text file busy", inUse},
        {"too many open files", EMFILE, "Too many open files", resources},
        {"too many open files in the system", ENFILE, "Too many open files in system", resources},
        {"out of memory", ENOMEM, "Cannot allocate memory", resources},
        {"anything else", EXDEV, "Invalid cross-device link",
         "Choose another place, then try again."},
    };
    for (const auto &[name, error, says, advice] : rows) {
        QTest::addRow("%s", name) << error << text.arg("%1", says, advice);
    }
}

void tst_Delivery::adviceFollowsTheCause()
{
    QFETCH(int, error);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    FullDisk disk("write", error);
    const DeliveryOutcome outcome = savePdf(sheets(1), dir.filePath("keep.pdf"), disk);
    QCOMPARE(outcome.fault, DeliveryOutcome::Fault::WriteFailed);
    QCOMPARE(outcome.reason, reason.arg(dir.path()));
    QCOMPARE(everything(dir.path()), QStringList());
}

// The rule apart from the running user, who is root in the suite: root may replace anything.
void tst_Delivery::whoMayReplace_data()
{
    QTest::addColumn<int>("writeError");
    QTest::addColumn<int>("folderMode");
    QTest::addColumn<int>("folderOwner");
    QTest::addColumn<int>("fileOwner");
    QTest::addColumn<bool>("overridesOwner");
    QTest::addColumn<int>("problem");
    const int none = int(DestinationCheck::Problem::None);
    const int readOnly = int(DestinationCheck::Problem::FileReadOnly);
    const int others = int(DestinationCheck::Problem::OthersFile);
    // The user is 1000 throughout.
    QTest::addRow("own file, own folder") << 0 << 0755 << 1000 << 1000 << false << none;
    QTest::addRow("write-protected") << EACCES << 0755 << 1000 << 1000 << false << readOnly;
    QTest::addRow("read-only file system") << EROFS << 0755 << 1000 << 1000 << false << readOnly;
    QTest::addRow("another's file, sticky folder") << 0 << 01777 << 0 << 1 << false << others;
    QTest::addRow("another's write-protected file, sticky folder")
        << EACCES << 01777 << 0 << 1 << false << readOnly;
    QTest::addRow("own file, sticky folder") << 0 << 01777 << 0 << 1000 << false << none;
    QTest::addRow("another's file, own sticky folder") << 0 << 01777 << 1000 << 1 << false << none;
    QTest::addRow("another's file, sticky folder, CAP_FOWNER")
        << 0 << 01777 << 0 << 1 << true << none;
    QTest::addRow("another's file, shared folder without the sticky bit")
        << 0 << 0777 << 0 << 1 << false << none;
}

void tst_Delivery::whoMayReplace()
{
    QFETCH(int, writeError);
    QFETCH(int, folderMode);
    QFETCH(int, folderOwner);
    QFETCH(int, fileOwner);
    QFETCH(bool, overridesOwner);
    QFETCH(int, problem);
    ReplaceFacts facts;
    facts.writeError = writeError;
    facts.folderMode = S_IFDIR | mode_t(folderMode);
    facts.folderOwner = uid_t(folderOwner);
    facts.fileOwner = uid_t(fileOwner);
    facts.user = 1000;
    facts.overridesOwner = overridesOwner;
    QCOMPARE(int(replaceProblem(facts)), problem);
}

void tst_Delivery::protectedFileSentences_data()
{
    QTest::addColumn<int>("problem");
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("sentence");
    QTest::addRow("write-protected")
        << int(DestinationCheck::Problem::FileReadOnly) << EACCES
        << "/tmp/keep.pdf cannot be written: it is write-protected. Choose another file name.";
    QTest::addRow("read-only file system")
        << int(DestinationCheck::Problem::FileReadOnly) << EROFS
        << "/tmp/keep.pdf cannot be written: it is on a disk that takes no changes. Choose "
           "another file name.";
    QTest::addRow("another user's")
        << int(DestinationCheck::Problem::OthersFile) << 0
        << "/tmp/keep.pdf cannot be written: it belongs to another user, and in this folder only "
           "they may replace it. Choose another file name.";
}

void tst_Delivery::protectedFileSentences()
{
    QFETCH(int, problem);
    QFETCH(int, error);
    QFETCH(QString, sentence);
    DestinationCheck check;
    check.problem = DestinationCheck::Problem(problem);
    check.error = error;
    QCOMPARE(DeliveryText::badDestination("/tmp/keep.pdf", check), sentence);
}

// A server that keeps no history forgets a job as it ends; without its end event the job was
// sent, which is not a failure.
void tst_Delivery::forgottenJobs_data()
{
    QTest::addColumn<QList<JobStatus>>("statuses"); // of jobs 100 and 101
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("reason");
    const JobStatus done{JobStatus::State::Done, QString()};
    const JobStatus forgotten{JobStatus::State::Unrecorded, QString()};
    const JobStatus jammed{JobStatus::State::Failed, "Jammed"};
    QTest::addRow("one forgotten, one printed")
        << QList<JobStatus>{done, forgotten} << int(DeliveryOutcome::Kind::Sent)
        << DeliveryText::sentWithoutRecord("Room12", 1);
    QTest::addRow("both forgotten")
        << QList<JobStatus>{forgotten, forgotten} << int(DeliveryOutcome::Kind::Sent)
        << DeliveryText::sentWithoutRecord("Room12", 2);
    QTest::addRow("forgotten, then the other failed")
        << QList<JobStatus>{forgotten, jammed} << int(DeliveryOutcome::Kind::Failed)
        << DeliveryText::jobFailed("Room12", jammed);
}

void tst_Delivery::forgottenJobs()
{
    QFETCH(QList<JobStatus>, statuses);
    QFETCH(int, kind);
    QFETCH(QString, reason);
    ScriptedPrinterService printers;
    printers.setJobStatus(100, statuses.at(0));
    printers.setJobStatus(101, statuses.at(1));
    const DeliveryOutcome outcome =
        waitForJobs(printers, printDocuments(printers, sheets(2)), 300, 20);
    QCOMPARE(int(outcome.kind), kind);
    QCOMPARE(outcome.reason, reason);
    QCOMPARE(outcomeSentence(outcome, Reader::CommandLine), reason);
    QCOMPARE(printers.settled(), 1);
}

void tst_Delivery::firstReasonOfAnyJob()
{
    const QString gone = printerUnavailable();
    JobFollower follower;
    follower.follow("Room12", {100, 101});
    follower.update({{JobStatus::State::Waiting, QString()}, {JobStatus::State::Waiting, gone}});
    QCOMPARE(follower.printerSays(), gone);
    QCOMPARE(follower.jobs().at(0).says, QString());
    QCOMPARE(follower.jobs().at(1).says, gone);
    follower.update({{JobStatus::State::Waiting, gone}, {JobStatus::State::Waiting, "Warming"}});
    QCOMPARE(follower.printerSays(), gone);
    // A turn in which no job says anything keeps what was said before.
    follower.update({{JobStatus::State::Waiting, QString()}, {JobStatus::State::Waiting, ""}});
    QCOMPARE(follower.printerSays(), gone);
}

void tst_Delivery::paperOfTheJobs()
{
    ScriptedPrinterService printers;
    PrinterLookup printer = ScriptedPrinterService::printer("Room12");
    printer.paper = Paper::letter();
    printers.setPrinter(printer);
    printDocuments(printers, sheets(1));
    printDocuments(printers, sheets(1), Paper::a4());
    QCOMPARE(printers.papers().size(), 2);
    QCOMPARE(printers.papers().at(0).widthMm, 215.9);
    QCOMPARE(printers.papers().at(0).heightMm, 279.4);
    QCOMPARE(printers.papers().at(1).widthMm, 210.0);
    QCOMPARE(printers.papers().at(1).heightMm, 297.0);

    QCOMPARE(printers.submitted().size(), 2);
}

void tst_Delivery::localePaperSizes_data()
{
    QTest::addColumn<uint>("width");
    QTest::addColumn<uint>("height");
    QTest::addColumn<double>("widthMm");
    QTest::addColumn<double>("heightMm");
    QTest::addRow("Letter, rounded by the C library") << 216u << 279u << 215.9 << 279.4;
    QTest::addRow("A4") << 210u << 297u << 210.0 << 297.0;
    QTest::addRow("another size, as given") << 148u << 210u << 148.0 << 210.0;
    QTest::addRow("nothing said: A4") << 0u << 0u << 210.0 << 297.0;
    QTest::addRow("a width without a height: A4") << 216u << 0u << 210.0 << 297.0;
}

void tst_Delivery::localePaperSizes()
{
    QFETCH(uint, width);
    QFETCH(uint, height);
    QFETCH(double, widthMm);
    QFETCH(double, heightMm);
    const Paper paper = paperFromLocaleMillimetres(width, height);
    QCOMPARE(paper.widthMm, widthMm);
    QCOMPARE(paper.heightMm, heightMm);
}

QTEST_MAIN(tst_Delivery)
// A turn of the window's timer: every failure of the turn is told, in order, and jobs the server
// was not asked about (accepted while it was asked) stay followed.
void tst_Delivery::followerTurn()
{
    JobFollower follower;
    follower.follow("Room12", {100, 101, 102});
    follower.follow("Room7", {7, 8});
    follower.follow("Room3", {30});
    const QList<DeliveryOutcome> failures =
        follower.update({{JobStatus::State::Failed, "Jammed."},
                         {JobStatus::State::Silent, "No answer"},
                         {JobStatus::State::Done, QString()},
                         {JobStatus::State::Held, QString()},
                         {JobStatus::State::Paused, "paused"},
                         {JobStatus::State::Cancelled, "job-canceled-by-user"}});
    QCOMPARE(failures.size(), 3);
    QCOMPARE(failures.at(0).reason,
             DeliveryText::jobFailed("Room12", {JobStatus::State::Failed, "Jammed."}));
    QCOMPARE(failures.at(0).jobIds, QList<int>{100});
    QCOMPARE(failures.at(1).printer, QString("Room7"));
    QCOMPARE(failures.at(1).fault, DeliveryOutcome::Fault::JobFailed);
    QCOMPARE(failures.at(1).reason,
             DeliveryText::jobFailed("Room7", {JobStatus::State::Held, QString()}));
    // A cancel is no failure of the printer: it says who took the sheet back, not what jammed.
    QCOMPARE(failures.at(2).fault, DeliveryOutcome::Fault::JobCancelled);
    QCOMPARE(failures.at(2).jobIds, QList<int>{30});
    QCOMPARE(failures.at(2).reason, DeliveryText::cancelled("Room3", 1));
    QCOMPARE(follower.jobs().size(), 2);
    QCOMPARE(follower.jobs().at(0).id, 101);
    QCOMPARE(follower.jobs().at(1).id, 8);
    QVERIFY(!follower.jobs().at(0).paused);
    QVERIFY(follower.jobs().at(1).paused);
    QCOMPARE(follower.jobs().at(1).says, QString("paused"));
    QVERIFY(follower.serverSilent());
    QCOMPARE(follower.silentReason(), QString("No answer"));
    QVERIFY(follower.update({{JobStatus::State::Waiting, "Warming up"}}).isEmpty());
    QVERIFY(!follower.serverSilent());
    QCOMPARE(follower.printerSays(), QString("Warming up"));
    QCOMPARE(follower.jobs().size(), 2);
    // Resumed: it waits like any other job again.
    follower.update(
        {{JobStatus::State::Waiting, QString()}, {JobStatus::State::Waiting, QString()}});
    QVERIFY(!follower.jobs().at(1).paused);
}

// "cancel -a" ends a waiting job at once and the one being printed once its backend has stopped:
// both are counted, and the wait ends as soon as both have.
void tst_Delivery::cancelReachesThePrintingJobLater()
{
    ScriptedPrinterService printers;
    const JobStatus stopping{JobStatus::State::Waiting, "processing-to-stop-point"};
    const JobStatus cancelled{JobStatus::State::Cancelled, QString()};
    printers.setJobStatuses(100, {stopping, stopping, cancelled});
    printers.setJobStatus(101, cancelled);
    QElapsedTimer clock;
    clock.start();
    const DeliveryOutcome outcome =
        waitForJobs(printers, printDocuments(printers, sheets(2)), 10000, 10);
    QVERIFY(clock.elapsed() < 5000);
    QCOMPARE(outcome.fault, DeliveryOutcome::Fault::JobCancelled);
    QCOMPARE(outcome.reason, DeliveryText::cancelled("Room12", 2));
    QCOMPARE(outcome.jobIds, (QList<int>{100, 101}));
    QCOMPARE(printers.statusQueries(), 4);
}

void tst_Delivery::askingStopsAtTheFirstFailure()
{
    ScriptedPrinterService printers;
    printers.setJobStatus(101, {JobStatus::State::Stopped, "Out of toner"});
    const QList<JobFollower::Job> jobs{
        {"Room12", 100, {}, false}, {"Room12", 101, {}, false}, {"Room12", 102, {}, false}};
    const QList<JobStatus> untilFailure =
        JobFollower::ask(printers, jobs, JobFollower::Asking::UntilOneFailed);
    QCOMPARE(untilFailure.size(), 2);
    QCOMPARE(untilFailure.at(1).state, JobStatus::State::Stopped);
    QCOMPARE(JobFollower::ask(printers, jobs, JobFollower::Asking::EveryJob).size(), 3);
    QCOMPARE(printers.statusQueries(), 5);
    // One cancel often takes a whole queue, and every job it took is counted.
    printers.setJobStatus(100, {JobStatus::State::Cancelled, QString()});
    printers.setJobStatus(101, {JobStatus::State::Cancelled, QString()});
    QCOMPARE(JobFollower::ask(printers, jobs, JobFollower::Asking::UntilOneFailed).size(), 3);
}

// What the print server says of a job, read as the CUPS service reads it: first the job's own
// answer, then, for a job still waiting, its printer's.
void tst_Delivery::jobReports_data()
{
    QTest::addColumn<JobReport>("job");
    QTest::addColumn<PrinterReport>("printer");
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<bool>("printing");
    const auto job = [](Answer asked, int state, const QString &message = QString(),
                        const QString &reasons = QString(), bool tried = false) {
        JobReport report;
        report.asked = asked;
        report.state = state;
        report.message = message;
        report.reasons = reasons;
        report.tried = tried;
        return report;
    };
    const auto forgotten = [](std::optional<JobEnd> end, bool eventsRead = true,
                              bool neverStarted = false) {
        JobReport report;
        report.asked = Answer::NotFound;
        report.problem = "The job does not exist.";
        report.end = end;
        report.eventsRead = eventsRead;
        report.neverStarted = neverStarted;
        if (!eventsRead) {
            report.problem = kBrokenOff;
        }
        return report;
    };
    const auto printer = [](int state, const QString &message = QString(),
                            const QString &reasons = QString()) {
        PrinterReport report;
        report.asked = Answer::Given;
        report.state = state;
        report.message = message;
        report.reasons = reasons;
        return report;
    };
    const PrinterReport idle = printer(IPP_PSTATE_IDLE);
    const QString gone = printerUnavailable();
    const QString jammed = "The paper tray is jammed";
    const int silent = int(JobStatus::State::Silent);

    JobReport unread = job(Answer::Given, IPP_JSTATE_COMPLETED);
    unread.eventsRead = false;
    unread.problem = kBrokenOff;
    QTest::addRow("completed, its events unread")
        << unread << idle << int(JobStatus::State::Done) << "" << false;
    JobReport abortedUnread = job(Answer::Given, IPP_JSTATE_ABORTED, jammed);
    abortedUnread.eventsRead = false;
    QTest::addRow("aborted, its events unread")
        << abortedUnread << idle << int(JobStatus::State::Failed) << jammed << false;
    QTest::addRow("cancelled, kept in the history")
        << job(Answer::Given, IPP_JSTATE_CANCELED, gone, "processing-to-stop-point") << idle
        << int(JobStatus::State::Cancelled) << "" << false;
    QTest::addRow("aborted without a message: its reasons")
        << job(Answer::Given, IPP_JSTATE_ABORTED, QString(), "job-aborted-by-system") << idle
        << int(JobStatus::State::Failed) << "job-aborted-by-system" << false;
    QTest::addRow("stopped while printing")
        << job(Answer::Given, IPP_JSTATE_STOPPED, jammed, "printer-stopped", true) << idle
        << int(JobStatus::State::Stopped) << jammed << false;
    QTest::addRow("held to be tried again")
        << job(Answer::Given, IPP_JSTATE_HELD, jammed, "resources-are-not-ready", true) << idle
        << int(JobStatus::State::Held) << jammed << false;
    QTest::addRow("forgotten, its events say cancelled")
        << forgotten(JobEnd{IPP_JSTATE_CANCELED, gone}) << idle << int(JobStatus::State::Cancelled)
        << "" << false;
    QTest::addRow("forgotten, its events say completed")
        << forgotten(JobEnd{IPP_JSTATE_COMPLETED, QString()}) << idle << int(JobStatus::State::Done)
        << "" << false;
    QTest::addRow("forgotten, its events say aborted")
        << forgotten(JobEnd{IPP_JSTATE_ABORTED, jammed}) << idle << int(JobStatus::State::Failed)
        << jammed << false;
    QTest::addRow("forgotten without an event")
        << forgotten(std::nullopt) << idle << int(JobStatus::State::Unrecorded) << "" << false;
    QTest::addRow("forgotten before the printer took it")
        << forgotten(std::nullopt, true, true) << idle << int(JobStatus::State::Cancelled) << ""
        << false;
    QTest::addRow("forgotten, its events unread")
        << forgotten(std::nullopt, false) << idle << silent << kBrokenOff << false;
    JobReport lost = job(Answer::Lost, 0);
    lost.problem = kNoAnswer;
    QTest::addRow("lost on the way") << lost << idle << silent << lost.problem << false;
    JobReport busy = job(Answer::Busy, 0);
    busy.problem = kTurnedAway;
    QTest::addRow("busy server") << busy << idle << silent << busy.problem << false;
    JobReport refused = job(Answer::Refused, 0);
    refused.problem = "Not allowed to see the job.";
    QTest::addRow("refused") << refused << idle << int(JobStatus::State::Failed) << refused.problem
                             << false;
    QTest::addRow("pending on a paused printer")
        << job(Answer::Given, IPP_JSTATE_PENDING) << printer(IPP_PSTATE_STOPPED, "", "paused")
        << int(JobStatus::State::Paused) << "paused" << false;
    QTest::addRow("pending on a printer paused with a reason")
        << job(Answer::Given, IPP_JSTATE_PENDING)
        << printer(IPP_PSTATE_STOPPED, "Toner is being changed", "paused")
        << int(JobStatus::State::Paused) << "Toner is being changed" << false;
    QTest::addRow("pending, after the printer stopped on it")
        << job(Answer::Given, IPP_JSTATE_PENDING, jammed, "printer-stopped", true)
        << printer(IPP_PSTATE_STOPPED, "Printer stopped due to backend errors", "paused")
        << int(JobStatus::State::Stopped) << jammed << false;
    QTest::addRow("pending, the printer stopped on it without a word of the job")
        << job(Answer::Given, IPP_JSTATE_PENDING, QString(), "printer-stopped", true)
        << printer(IPP_PSTATE_STOPPED, "Printer stopped due to backend errors", "paused")
        << int(JobStatus::State::Stopped) << "Printer stopped due to backend errors" << false;
    QTest::addRow("pending on an idle printer")
        << job(Answer::Given, IPP_JSTATE_PENDING) << printer(IPP_PSTATE_IDLE, "Warming up")
        << int(JobStatus::State::Waiting) << "Warming up" << false;
    QTest::addRow("processing, the job's own message")
        << job(Answer::Given, IPP_JSTATE_PROCESSING, gone, "job-printing", true)
        << printer(IPP_PSTATE_PROCESSING, "Connecting", "none") << int(JobStatus::State::Waiting)
        << gone << false;
    QTest::addRow("printed by a network printer that has it all")
        << job(Answer::Given, IPP_JSTATE_PROCESSING, QString(), "job-printing", true)
        << printer(IPP_PSTATE_PROCESSING, "", "cups-waiting-for-job-completed, other")
        << int(JobStatus::State::Waiting) << "" << true;
    PrinterReport unanswered;
    unanswered.asked = Answer::Lost;
    unanswered.problem = kNoAnswer;
    QTest::addRow("the printer not answering while the job waits")
        << job(Answer::Given, IPP_JSTATE_PENDING) << unanswered << silent << unanswered.problem
        << false;
}

void tst_Delivery::jobReports()
{
    QFETCH(JobReport, job);
    QFETCH(PrinterReport, printer);
    QFETCH(int, state);
    QFETCH(QString, reason);
    QFETCH(bool, printing);
    JobStatus status = jobStanding(job);
    if (status.state == JobStatus::State::Waiting) {
        status = waitingStanding(job, printer);
    }
    QCOMPARE(int(status.state), state);
    QCOMPARE(status.reason, reason);
    QCOMPARE(status.printing, printing);
}

// The end of a job as a printer's events tell it, for a server that forgets the job itself.
void tst_Delivery::jobEnds_data()
{
    QTest::addColumn<QList<JobEvent>>("events");
    QTest::addColumn<int>("state"); // of job 100; 0 when no end was told
    QTest::addColumn<QString>("reason");
    QTest::addColumn<bool>("neverStarted");
    const JobEvent processing{1, "job-state-changed", 100, IPP_JSTATE_PROCESSING, "Job started."};
    const JobEvent jammed{2, "job-progress", 100, IPP_JSTATE_PROCESSING,
                          "The paper tray is jammed"};
    const JobEvent created{1, "job-created", 100, IPP_JSTATE_HELD, "Job created."};
    QTest::addRow("aborted, with the backend's last word")
        << QList<JobEvent>{processing,
                           jammed,
                           {3, "job-completed", 100, IPP_JSTATE_ABORTED,
                            "Job stopped due to backend errors; please consult the error_log "
                            "file for details."}}
        << int(IPP_JSTATE_ABORTED) << "The paper tray is jammed" << false;
    QTest::addRow("cancelled at the printer")
        << QList<JobEvent>{processing,
                           {2, "job-completed", 100, IPP_JSTATE_CANCELED, "Job canceled by user."}}
        << int(IPP_JSTATE_CANCELED) << "" << false;
    QTest::addRow("completed") << QList<JobEvent>{processing,
                                                  {2, "job-completed", 100, IPP_JSTATE_COMPLETED,
                                                   "Job completed."}}
                               << int(IPP_JSTATE_COMPLETED) << "" << false;
    QTest::addRow("still printing") << QList<JobEvent>{processing, jammed} << 0 << "" << false;
    QTest::addRow("created, never taken by the printer")
        << QList<JobEvent>{created} << 0 << "" << true;
    QTest::addRow("created, then taken")
        << QList<JobEvent>{created, processing} << 0 << "" << false;
    QTest::addRow("another job's end")
        << QList<JobEvent>{{3, "job-completed", 101, IPP_JSTATE_CANCELED, "Job canceled by user."}}
        << 0 << "" << false;
}

void tst_Delivery::jobEnds()
{
    QFETCH(QList<JobEvent>, events);
    QFETCH(int, state);
    QFETCH(QString, reason);
    QFETCH(bool, neverStarted);
    CupsJobEvents following;
    following.record("Room12", events);
    const std::optional<JobEnd> end = following.endOf("Room12", 100);
    QCOMPARE(end.has_value(), state != 0);
    if (end) {
        QCOMPARE(end->state, state);
        QCOMPARE(end->reason, reason);
    }
    QCOMPARE(following.neverStarted("Room12", 100), neverStarted);
    QVERIFY(!following.endOf("Room7", 100));
    QVERIFY(!following.neverStarted("Room7", 100));
}

// The request window's delivery follows a sheet on a paused printer as it follows any other: it
// says nothing while the sheet waits, and tells how the sheet ended once the printer is resumed.
void tst_Delivery::pausedSheetIsFollowed_data()
{
    QTest::addColumn<JobStatus>("later");
    QTest::addColumn<QString>("told"); // how it ended; empty when there is nothing to tell
    const JobStatus stopped{JobStatus::State::Stopped, "The paper tray is jammed"};
    QTest::addRow("printed once resumed") << JobStatus{JobStatus::State::Done, QString()} << "";
    QTest::addRow("the backend fails once resumed")
        << stopped << DeliveryText::jobFailed("Room12", stopped);
    QTest::addRow("cancelled while it waits") << JobStatus{JobStatus::State::Cancelled, QString()}
                                              << DeliveryText::cancelled("Room12", 1);
}

void tst_Delivery::pausedSheetIsFollowed()
{
    QFETCH(JobStatus, later);
    QFETCH(QString, told);
    ScriptedPrinterService printers;
    printers.setPrinter(ScriptedPrinterService::printer("Room12", PrinterLookup::State::Paused));
    printers.setJobStatus(100, {JobStatus::State::Paused, "paused"});
    BackgroundDelivery delivery(printers);
    delivery.setFollowInterval(10);
    delivery.setWaitNotice(0);
    QStringList delivered;
    int notices = 0;
    connect(&delivery, &BackgroundDelivery::delivered, this,
            [&](const DeliveryOutcome &outcome) { delivered.append(outcome.reason); });
    connect(&delivery, &BackgroundDelivery::stillWaiting, this, [&] { ++notices; });
    delivery.print(sheet(1));
    QTRY_COMPARE(delivered.size(), 1);
    QCOMPARE(delivered.first(), DeliveryText::paused("Room12", 1));
    QCOMPARE(delivery.jobsFollowed(), 1);
    QTRY_VERIFY(printers.statusQueries() >= 3);
    QCOMPARE(notices, 0);
    QCOMPARE(delivered.size(), 1);
    // Its end would be missed without the printer's job events.
    QCOMPARE(printers.settled(), 0);

    printers.setJobStatus(100, later);
    QTRY_COMPARE(delivery.jobsFollowed(), 0);
    QStringList expected{delivered.first()};
    if (!told.isEmpty()) {
        expected.append(told);
    }
    QCOMPARE(delivered, expected);
    QCOMPARE(notices, 0);
    QTRY_COMPARE(printers.settled(), 1);
}

// Every sentence about an outcome, each once, in English as designed: the counted ones with a
// count of 1 and of more, the times with their rounding, and each reader's sentence of each
// outcome. The tests of the flows above compare with these functions.
void tst_Delivery::sentences_data()
{
    QTest::addColumn<QString>("made");
    QTest::addColumn<QString>("sentence");
    using DeliveryText::cancelled;
    using DeliveryText::jobFailed;
    using DeliveryText::paused;
    using DeliveryText::refused;
    using DeliveryText::sentWithoutRecord;
    using DeliveryText::silentAfterAccepting;
    using DeliveryText::stillQueued;
    using DeliveryText::stillWaiting;
    const QString notAccepted = "The printer \"Room12\" did not accept the worksheet: Printer is "
                                "full.%1 Check that the printer accepts jobs, then try again.";
    QTest::addRow("refused, 1 accepted, 1 not sent")
        << refused("Room12", "Printer is full", 1, 1)
        << notAccepted.arg(" 1 job had already been accepted; the other 1 was not sent.");
    QTest::addRow("refused, 2 accepted, 5 not sent")
        << refused("Room12", "Printer is full", 2, 5)
        << notAccepted.arg(" 2 jobs had already been accepted; the other 5 were not sent.");
    QTest::addRow("refused, none accepted")
        << refused("Room12", "Printer is full.", 0, 3) << notAccepted.arg("");
    QTest::addRow("paused, 1 sheet")
        << paused("Room12", 1)
        << "The printer \"Room12\" is paused: the worksheet waits in its queue and prints when the "
           "printer is resumed.";
    QTest::addRow("paused, 5 sheets")
        << paused("Room12", 5)
        << "The printer \"Room12\" is paused: the 5 worksheets wait in its queue and print when "
           "the printer is resumed.";
    const QString gone = kNoServer;
    QTest::addRow("server gone, 1 accepted")
        << silentAfterAccepting(gone, 1, "Room12")
        << "No print server runs at /run/cups/cups.sock. 1 job had been accepted by the printer "
           "\"Room12\"; whether it prints cannot be told. Check that the printing service is "
           "running, then try again.";
    QTest::addRow("server gone, 5 accepted")
        << silentAfterAccepting(gone, 5, "Room12")
        << "No print server runs at /run/cups/cups.sock. 5 jobs had been accepted by the printer "
           "\"Room12\"; whether they print cannot be told. Check that the printing service is "
           "running, then try again.";
    QTest::addRow("1 waiting after 1.5 seconds, told as 2")
        << stillQueued(1, "Room12", 1500, "")
        << "1 job of the printer \"Room12\" still waits in its queue after 2 seconds; it prints "
           "when the printer gets to it.";
    QTest::addRow("2 waiting after 1 second, the printer says why")
        << stillQueued(2, "Room12", 1000, "Warming up.")
        << "2 jobs of the printer \"Room12\" still wait in its queue after 1 second (the printer "
           "says: Warming up); they print when the printer gets to them.";
    QTest::addRow("5 waiting after 4.001 seconds, told as 5")
        << stillQueued(5, "Room12", 4001, "")
        << "5 jobs of the printer \"Room12\" still wait in its queue after 5 seconds; they print "
           "when the printer gets to them.";
    QTest::addRow("1 cancelled")
        << cancelled("Room12", 1)
        << "The worksheet was cancelled at the printer \"Room12\"; print it again if it is still "
           "needed.";
    QTest::addRow("2 cancelled")
        << cancelled("Room12", 2)
        << "2 worksheets were cancelled at the printer \"Room12\"; print them again if they are "
           "still needed.";
    QTest::addRow("1 sent to a server without history")
        << sentWithoutRecord("Room12", 1)
        << "The worksheet was sent to the printer \"Room12\", but the print server keeps no "
           "record of finished jobs, so whether it printed cannot be told; look at the printer "
           "before printing it again.";
    QTest::addRow("2 sent to a server without history")
        << sentWithoutRecord("Room12", 2)
        << "2 worksheets were sent to the printer \"Room12\", but the print server keeps no "
           "record of finished jobs, so whether they printed cannot be told; look at the "
           "printer before printing them again.";
    QTest::addRow("job aborted")
        << jobFailed("Room12", {JobStatus::State::Failed, "The paper tray is jammed."})
        << "The printer \"Room12\" did not print the worksheet: The paper tray is jammed. Check "
           "the printer, then print the worksheet again.";
    QTest::addRow("job aborted without a word")
        << jobFailed("Room12", {JobStatus::State::Failed, QString()})
        << "The printer \"Room12\" did not print the worksheet: no reason given. Check the "
           "printer, then print the worksheet again.";
    QTest::addRow("printer stopped on the job")
        << jobFailed("Room12", {JobStatus::State::Stopped, "Out of toner"})
        << "The printer \"Room12\" stopped before the worksheet was printed: Out of toner. The "
           "worksheet stays in its queue and prints when the printer is resumed.";
    QTest::addRow("job held to be tried again")
        << jobFailed("Room12", {JobStatus::State::Held, "The paper tray is jammed"})
        << "The printer \"Room12\" could not print the worksheet yet: The paper tray is jammed. "
           "The worksheet is held in its queue and the print server tries it again later; check "
           "the printer.";
    QTest::addRow("still waiting, the printer silent")
        << stillWaiting("Room12", 100, "")
        << "The worksheet has not printed yet: it waits in the queue of the printer \"Room12\" "
           "and prints when the printer is back. To cancel it, remove it from the print queue in "
           "the printer settings, or run: cancel Room12-100";
    QTest::addRow("still waiting, the printer says why")
        << stillWaiting("Room12", 100, printerUnavailable())
        << "The worksheet has not printed yet: it waits in the queue of the printer \"Room12\", "
           "which says: The printer may not exist or is unavailable at this time. It prints when "
           "the printer is back. To cancel it, remove it from the print queue in the printer "
           "settings, or run: cancel Room12-100";
    QTest::addRow("no answer within 1 second")
        << DeliveryText::noAnswer("/run/cups/cups.sock", 1000)
        << "The print server (/run/cups/cups.sock) did not answer within 1 second.";
    QTest::addRow("no answer within 4 seconds")
        << DeliveryText::noAnswer("/run/cups/cups.sock", 4000)
        << "The print server (/run/cups/cups.sock) did not answer within 4 seconds.";
    QTest::addRow("opening fails")
        << DeliveryText::writeFailed("/tmp/keep.pdf", WriteStep::Opening, ENOSPC, false)
        << "/tmp/keep.pdf could not be written: No space left on device (while opening). No file "
           "was left behind. Free some space or choose another place, then try again.";

    QTest::addRow("PDF offer, no printer")
        << DeliveryText::pdfOffer(DeliveryOutcome::Fault::NoPrinter)
        << "No printer is set up, so the worksheet can be saved as a PDF file instead";
    QTest::addRow("PDF offer, no print server")
        << DeliveryText::pdfOffer(DeliveryOutcome::Fault::NoServer)
        << "The printing service is not running, so the worksheet can be saved as a PDF file "
           "instead; start the service to print";
    QTest::addRow("PDF offer, no CUPS client library")
        << DeliveryText::pdfOffer(DeliveryOutcome::Fault::NoLibrary)
        << "The CUPS client library (libcups2) is missing or incomplete, so the worksheet can be "
           "saved as a PDF file instead; install it to print";

    const auto window = [](const DeliveryOutcome &outcome) {
        return outcomeSentence(outcome, Reader::Window);
    };
    const auto commandLine = [](const DeliveryOutcome &outcome) {
        return outcomeSentence(outcome, Reader::CommandLine);
    };
    DeliveryOutcome printed;
    printed.kind = DeliveryOutcome::Kind::Printed;
    DeliveryOutcome pending;
    pending.kind = DeliveryOutcome::Kind::Pending;
    pending.reason = "The printer \"Room12\" is paused.";
    const DeliveryOutcome saved = DeliveryOutcome::saved("/tmp/sheet.pdf");
    const DeliveryOutcome noPrinter =
        DeliveryOutcome::failed(DeliveryOutcome::Fault::NoPrinter, "No printer is set up.");
    const DeliveryOutcome refusal =
        DeliveryOutcome::failed(DeliveryOutcome::Fault::Refused, "It would not.");
    const DeliveryOutcome diskFull =
        DeliveryOutcome::failed(DeliveryOutcome::Fault::WriteFailed, "The disk is full.");
    const DeliveryOutcome badName =
        DeliveryOutcome::failed(DeliveryOutcome::Fault::BadDestination, "It is a folder.");
    const DeliveryOutcome printerGone = DeliveryOutcome::failed(
        DeliveryOutcome::Fault::PrinterGone, "The default printer \"Room9\" no longer exists.");
    const DeliveryOutcome busy =
        DeliveryOutcome::failed(DeliveryOutcome::Fault::ServerBusy, "The print server is busy.");
    const DeliveryOutcome noLibrary = DeliveryOutcome::failed(
        DeliveryOutcome::Fault::NoLibrary, "Install the CUPS client library (libcups2).");
    const DeliveryOutcome cancel = DeliveryOutcome::failed(
        DeliveryOutcome::Fault::JobCancelled, "The worksheet was cancelled at the printer.");
    QTest::addRow("window, printed") << window(printed) << "";
    QTest::addRow("window, paused") << window(pending) << "The printer \"Room12\" is paused.";
    QTest::addRow("window, saved") << window(saved) << "The worksheet was saved as /tmp/sheet.pdf.";
    QTest::addRow("window, no printer: the PDF offer says it") << window(noPrinter) << "";
    QTest::addRow("window, refused")
        << window(refusal) << "The worksheet was not printed. It would not.";
    QTest::addRow("window, disk full")
        << window(diskFull) << "The worksheet was not saved. The disk is full.";
    QTest::addRow("window, bad file name")
        << window(badName) << "The worksheet was not saved. It is a folder.";
    QTest::addRow("window, printer gone")
        << window(printerGone)
        << "The worksheet was not printed. The default printer \"Room9\" no longer exists.";
    QTest::addRow("window, server busy")
        << window(busy) << "The worksheet was not printed. The print server is busy.";
    QTest::addRow("window, no CUPS library: the PDF offer says it") << window(noLibrary) << "";
    QTest::addRow("window, cancelled")
        << window(cancel) << "The worksheet was cancelled at the printer.";
    QTest::addRow("command line, printed") << commandLine(printed) << "";
    QTest::addRow("command line, paused")
        << commandLine(pending) << "The printer \"Room12\" is paused.";
    QTest::addRow("command line, saved") << commandLine(saved) << "";
    QTest::addRow("command line, no printer")
        << commandLine(noPrinter) << "no printer is set up; use --output FILE.pdf or --output -";
    DeliveryOutcome noServer =
        DeliveryOutcome::failed(DeliveryOutcome::Fault::NoServer, "No print server runs.");
    noServer.printer = "/run/cups/cups.sock";
    QTest::addRow("command line, no print server")
        << commandLine(noServer)
        << "no print server is running at /run/cups/cups.sock; start the printing service (CUPS), "
           "or use --output FILE.pdf or --output -";
    QTest::addRow("command line, refused") << commandLine(refusal) << "It would not.";
    QTest::addRow("command line, disk full") << commandLine(diskFull) << "The disk is full.";
    QTest::addRow("command line, printer gone")
        << commandLine(printerGone) << "The default printer \"Room9\" no longer exists.";
    QTest::addRow("command line, server busy") << commandLine(busy) << "The print server is busy.";
    QTest::addRow("command line, no CUPS library")
        << commandLine(noLibrary) << "Install the CUPS client library (libcups2).";
    QTest::addRow("command line, cancelled")
        << commandLine(cancel) << "The worksheet was cancelled at the printer.";
}

void tst_Delivery::sentences()
{
    QFETCH(QString, made);
    QFETCH(QString, sentence);
    QCOMPARE(made, sentence);
}

// The German catalogue, loaded over the English plural forms as the program loads it, takes
// the form its count asks for: the one sheet's form without the number, the other with it. The
// words themselves are the catalogue's.
void tst_Delivery::germanFormFollowsTheCount()
{
    const QString englishOne = DeliveryText::cancelled("Saal", 1);
    const QString englishTwo = DeliveryText::cancelled("Saal", 2);
    QTranslator catalogue;
    QVERIFY(catalogue.load(QStringLiteral(":/i18n/sumtopia_de")));
    QVERIFY(QCoreApplication::installTranslator(&catalogue));
    const QString one = DeliveryText::cancelled("Saal", 1);
    const QString two = DeliveryText::cancelled("Saal", 2);
    QVERIFY(QCoreApplication::removeTranslator(&catalogue));
    QVERIFY2(one != englishOne && two != englishTwo, qPrintable(one + " / " + two));
    static const QRegularExpression digit(QStringLiteral("\\d"));
    QVERIFY2(!one.contains(digit), qPrintable(one));
    QVERIFY2(two.startsWith(QLatin1String("2 ")), qPrintable(two));
    QVERIFY(one.contains(QLatin1String("Saal")) && two.contains(QLatin1String("Saal")));
}

#include "tst_delivery.moc"
