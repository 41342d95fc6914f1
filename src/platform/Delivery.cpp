#include "platform/Delivery.h"

#include "platform/PrinterSurface.h"
#include "platform/TextSurface.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRandomGenerator>
#include <QThread>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

QString jobsText(int count)
{
    return count == 1 ? QCoreApplication::translate("Delivery", "1 job")
                      : QCoreApplication::translate("Delivery", "%1 jobs").arg(count);
}

// A reason from the server set into a sentence of ours, without a full stop of its own.
QString clause(QString reason)
{
    while (reason.endsWith(QLatin1Char('.'))) {
        reason.chop(1);
    }
    return reason.isEmpty() ? QCoreApplication::translate("Delivery", "no reason given") : reason;
}

// Made when used, so it is in the language loaded at start-up.
QString checkServer()
{
    return QCoreApplication::translate(
        "Delivery", "Check that the printing service is running, then try again.");
}

// Writes every byte, carrying on after short writes and interrupted calls.
bool writeAll(FileSystem &files, int fd, const QByteArray &bytes)
{
    const char *data = bytes.constData();
    size_t left = static_cast<size_t>(bytes.size());
    while (left > 0) {
        const ssize_t written = files.write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        if (written == 0) {
            errno = EIO;
            return false;
        }
        data += written;
        left -= static_cast<size_t>(written);
    }
    return true;
}

DeliveryOutcome writeFailed(const QString &path, const QString &step, int error, bool hadFile)
{
    return DeliveryOutcome::failed(
        DeliveryOutcome::Fault::WriteFailed,
        QCoreApplication::translate(
            "Delivery", "%1 could not be written: %2 (while %3). %4 Free some space or choose "
                        "another place, then try again.")
            .arg(shown(path), systemError(error), step,
                 hadFile ? QCoreApplication::translate("Delivery",
                                                       "The file that was there is unchanged.")
                         : QCoreApplication::translate("Delivery", "No file was left behind.")));
}

// A device or a pipe: written to as it is, as any tool would. A pipe nobody reads is an error
// rather than a wait without end.
DeliveryOutcome writeInPlace(const QString &path, const QByteArray &bytes, FileSystem &files)
{
    const QByteArray name = QFile::encodeName(path);
    const int fd = files.open(name, O_WRONLY | O_NONBLOCK | O_CLOEXEC, 0);
    if (fd < 0) {
        const int error = errno;
        if (error == ENXIO) {
            return DeliveryOutcome::failed(
                DeliveryOutcome::Fault::WriteFailed,
                QCoreApplication::translate(
                    "Delivery", "%1 could not be written: nothing reads from it. Start the program "
                                "that reads it, or choose a file, then try again.")
                    .arg(shown(path)));
        }
        return writeFailed(path, QCoreApplication::translate("Delivery", "opening"), error, false);
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!writeAll(files, fd, bytes)) {
        const int error = errno;
        files.close(fd);
        return writeFailed(path, QCoreApplication::translate("Delivery", "writing"), error, false);
    }
    if (files.close(fd) != 0) {
        return writeFailed(path, QCoreApplication::translate("Delivery", "closing"), errno, false);
    }
    DeliveryOutcome outcome;
    outcome.kind = DeliveryOutcome::Kind::Saved;
    outcome.path = path;
    return outcome;
}

// The file a link finally names, so the link stays a link and its file is what gets replaced.
QString followLinks(const QString &path)
{
    char resolved[PATH_MAX];
    if (::realpath(QFile::encodeName(path).constData(), resolved) == nullptr) {
        return path;
    }
    return QFile::decodeName(resolved);
}

} // namespace

DeliveryOutcome DeliveryOutcome::failed(Fault fault, const QString &reason)
{
    DeliveryOutcome outcome;
    outcome.kind = Kind::Failed;
    outcome.fault = fault;
    outcome.reason = reason;
    return outcome;
}

int FileSystem::open(const QByteArray &path, int flags, mode_t mode)
{
    return ::open(path.constData(), flags, mode);
}

ssize_t FileSystem::write(int fd, const char *data, size_t size)
{
    return ::write(fd, data, size);
}

int FileSystem::flush(int fd)
{
    return ::fsync(fd);
}

int FileSystem::close(int fd)
{
    return ::close(fd);
}

int FileSystem::rename(const QByteArray &from, const QByteArray &to)
{
    return ::rename(from.constData(), to.constData());
}

int FileSystem::remove(const QByteArray &path)
{
    return ::unlink(path.constData());
}

FileSystem &posixFileSystem()
{
    static FileSystem files;
    return files;
}

QString checkOutputPath(const QString &path)
{
    if (path.isEmpty()) {
        return QCoreApplication::translate("Delivery", "the file name is empty");
    }
    const QByteArray name = QFile::encodeName(path);
    if (name.size() >= PATH_MAX) {
        return QCoreApplication::translate(
                   "Delivery", "the path is %1 bytes long, more than the %2 a path may have")
            .arg(name.size())
            .arg(PATH_MAX - 1);
    }
    for (const QByteArray &part : name.split('/')) {
        if (part.size() > NAME_MAX) {
            return QCoreApplication::translate(
                       "Delivery", "a name in the path is %1 bytes long, more than the %2 a name "
                                   "may have")
                .arg(part.size())
                .arg(NAME_MAX);
        }
    }
    struct stat info {
    };
    if (::stat(name.constData(), &info) == 0) {
        if (S_ISDIR(info.st_mode)) {
            return QCoreApplication::translate("Delivery", "it is a folder");
        }
        if (!S_ISREG(info.st_mode)) {
            return QString(); // a device or a pipe, written to as it is
        }
    } else if (errno == ELOOP) {
        return QCoreApplication::translate("Delivery",
                                           "it is a symbolic link that leads round in a loop");
    } else if (errno != ENOENT) {
        return systemError(errno);
    } else if (::lstat(name.constData(), &info) == 0) {
        return QCoreApplication::translate(
            "Delivery", "it is a symbolic link to something that does not exist");
    }
    // A new or replaced file is made beside the target, so its folder must take new files.
    const QString folder = QFileInfo(followLinks(path)).absolutePath();
    struct stat folderInfo {
    };
    if (::stat(QFile::encodeName(folder).constData(), &folderInfo) != 0) {
        return QCoreApplication::translate("Delivery", "the folder %1 cannot be used: %2")
            .arg(folder, systemError(errno));
    }
    if (!S_ISDIR(folderInfo.st_mode)) {
        return QCoreApplication::translate("Delivery", "%1 is not a folder").arg(folder);
    }
    if (::access(QFile::encodeName(folder).constData(), W_OK) != 0) {
        return QCoreApplication::translate("Delivery", "the folder %1 takes no new files: %2")
            .arg(folder, systemError(errno));
    }
    return QString();
}

DeliveryOutcome saveFile(const QString &path, const QByteArray &bytes, FileSystem &files)
{
    const QString problem = checkOutputPath(path);
    if (!problem.isEmpty()) {
        return DeliveryOutcome::failed(
            DeliveryOutcome::Fault::BadDestination,
            QCoreApplication::translate("Delivery", "%1 cannot be written: %2. Choose another "
                                                    "file name.")
                .arg(shown(path), problem));
    }
    struct stat info {
    };
    const bool exists = ::stat(QFile::encodeName(path).constData(), &info) == 0;
    if (exists && !S_ISREG(info.st_mode)) {
        return writeInPlace(path, bytes, files);
    }

    const QString target = followLinks(path);
    const QFileInfo targetInfo(target);
    const QByteArray finalName = QFile::encodeName(target);
    QByteArray temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = QFile::encodeName(
            targetInfo.absoluteDir().filePath(QStringLiteral(".%1.%2.tmp")
                                                  .arg(targetInfo.fileName())
                                                  .arg(QRandomGenerator::global()->generate())));
        fd = files.open(temporary, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) {
            break;
        }
    }
    if (fd < 0) {
        return writeFailed(path, QCoreApplication::translate("Delivery", "creating the new file"),
                           errno, exists);
    }
    if (exists) {
        // The replacement keeps the permissions the teacher gave the old file.
        ::fchmod(fd, info.st_mode & 07777);
    }
    const auto fail = [&](const QString &step, int error, bool open) {
        if (open) {
            files.close(fd);
        }
        files.remove(temporary);
        return writeFailed(path, step, error, exists);
    };
    if (!writeAll(files, fd, bytes)) {
        return fail(QCoreApplication::translate("Delivery", "writing"), errno, true);
    }
    if (files.flush(fd) != 0) {
        return fail(QCoreApplication::translate("Delivery", "flushing to disk"), errno, true);
    }
    if (files.close(fd) != 0) {
        return fail(QCoreApplication::translate("Delivery", "closing"), errno, false);
    }
    if (files.rename(temporary, finalName) != 0) {
        return fail(QCoreApplication::translate("Delivery", "putting the new file in place"), errno,
                    false);
    }
    DeliveryOutcome outcome;
    outcome.kind = DeliveryOutcome::Kind::Saved;
    outcome.path = path;
    return outcome;
}

QByteArray renderPdf(const QList<PrintDocument> &documents, double widthMm, double heightMm)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(QCoreApplication::translate("Delivery", "Worksheet"));
        writer.setCreator(QStringLiteral("Sumtopia"));
        writer.setPageSize(QPageSize(QSizeF(widthMm, heightMm), QPageSize::Millimeter));
        writer.setPageMargins(QMarginsF(18, 18, 18, 18), QPageLayout::Point);
        QPainter painter;
        if (!painter.begin(&writer)) {
            return QByteArray();
        }
        const PrintResult painted = paintDocuments(painter, writer, documents);
        if (!painter.end() || !painted.ok) {
            return QByteArray();
        }
    }
    return bytes;
}

QByteArray renderText(const QList<PrintDocument> &documents)
{
    QString text;
    for (qsizetype i = 0; i < documents.size(); ++i) {
        if (i > 0) {
            text += QLatin1String("\f\n");
        }
        for (const QString &line : textLines(documents.at(i))) {
            text += line + QLatin1Char('\n');
        }
    }
    return text.toUtf8();
}

DeliveryOutcome savePdf(const QList<PrintDocument> &documents, const QString &path,
                        FileSystem &files)
{
    const QByteArray pdf = renderPdf(documents);
    if (pdf.isEmpty()) {
        return DeliveryOutcome::failed(
            DeliveryOutcome::Fault::WriteFailed,
            QCoreApplication::translate(
                "Delivery", "The PDF pages for %1 could not be drawn; nothing was written.")
                .arg(shown(path)));
    }
    return saveFile(path, pdf, files);
}

DeliveryOutcome writeText(const QList<PrintDocument> &documents, int fd, const QString &name)
{
    if (!writeAll(posixFileSystem(), fd, renderText(documents))) {
        return DeliveryOutcome::failed(
            DeliveryOutcome::Fault::WriteFailed,
            QCoreApplication::translate("Delivery", "%1 could not be written: %2")
                .arg(name, systemError(errno)));
    }
    DeliveryOutcome outcome;
    outcome.kind = DeliveryOutcome::Kind::Saved;
    outcome.path = name;
    return outcome;
}

DeliveryOutcome printDocuments(PrinterService &service, const QList<PrintDocument> &documents)
{
    const PrinterLookup printer = service.defaultPrinter();
    if (printer.state == PrinterLookup::State::None) {
        return DeliveryOutcome::failed(
            DeliveryOutcome::Fault::NoPrinter,
            QCoreApplication::translate("Delivery", "No printer is set up."));
    }
    if (printer.state == PrinterLookup::State::Silent) {
        return DeliveryOutcome::failed(DeliveryOutcome::Fault::ServerSilent,
                                       printer.reason + QLatin1Char(' ') + checkServer());
    }
    DeliveryOutcome outcome;
    outcome.printer = printer.name;
    for (qsizetype i = 0; i < documents.size(); ++i) {
        const JobSubmission job = service.submit(printer, documents.at(i));
        if (job.state == JobSubmission::State::Accepted) {
            outcome.jobIds.append(job.jobId);
            continue;
        }
        const int accepted = static_cast<int>(outcome.jobIds.size());
        const int unsent = static_cast<int>(documents.size()) - accepted;
        QString sofar;
        if (accepted > 0) {
            sofar = QCoreApplication::translate(
                        "Delivery", " %1 had already been accepted; the other %2 %3 not sent.")
                        .arg(jobsText(accepted))
                        .arg(unsent)
                        .arg(unsent == 1 ? QCoreApplication::translate("Delivery", "was")
                                         : QCoreApplication::translate("Delivery", "were"));
        }
        outcome.kind = DeliveryOutcome::Kind::Failed;
        if (job.state == JobSubmission::State::Silent) {
            outcome.fault = DeliveryOutcome::Fault::ServerSilent;
            outcome.reason = job.reason + sofar + QLatin1Char(' ') + checkServer();
        } else {
            outcome.fault = DeliveryOutcome::Fault::Refused;
            outcome.reason =
                QCoreApplication::translate(
                    "Delivery", "The printer \"%1\" did not accept the worksheet: %2.%3 "
                                "Check that the printer accepts jobs, then try again.")
                    .arg(printer.name, clause(job.reason), sofar);
        }
        return outcome;
    }
    if (printer.state == PrinterLookup::State::Paused) {
        outcome.kind = DeliveryOutcome::Kind::Pending;
        outcome.reason =
            QCoreApplication::translate(
                "Delivery", "The printer \"%1\" is paused: the worksheet waits in its queue and "
                            "prints when the printer is resumed.")
                .arg(printer.name);
        if (documents.size() > 1) {
            outcome.reason = QCoreApplication::translate(
                                 "Delivery", "The printer \"%1\" is paused: the %2 worksheets wait "
                                             "in its queue and print when the printer is resumed.")
                                 .arg(printer.name)
                                 .arg(documents.size());
        }
    } else {
        outcome.kind = DeliveryOutcome::Kind::Printed;
    }
    return outcome;
}

QString jobFailureReason(const QString &printer, const JobStatus &status)
{
    if (status.state == JobStatus::State::Held) {
        return QCoreApplication::translate(
                   "Delivery", "The printer \"%1\" could not print the worksheet yet: %2. The "
                               "worksheet is held in its queue and the print server tries it again "
                               "later; check the printer.")
            .arg(printer, clause(status.reason));
    }
    if (status.state == JobStatus::State::Stopped) {
        return QCoreApplication::translate(
                   "Delivery", "The printer \"%1\" stopped before the worksheet was printed: %2. "
                               "The worksheet stays in its queue and prints when the printer is "
                               "resumed.")
            .arg(printer, clause(status.reason));
    }
    return QCoreApplication::translate(
               "Delivery", "The printer \"%1\" did not print the worksheet: %2. Check the printer, "
                           "then print the worksheet again.")
        .arg(printer, clause(status.reason));
}

DeliveryOutcome waitForJobs(PrinterService &service, const DeliveryOutcome &printed, int waitMs,
                            int pollMs)
{
    if (printed.kind != DeliveryOutcome::Kind::Printed || waitMs <= 0) {
        return printed;
    }
    QList<int> waiting = printed.jobIds;
    const QDeadlineTimer deadline(waitMs);
    bool silent = false;
    QString silentReason;
    QString printerSays;
    while (true) {
        silent = false;
        for (qsizetype i = 0; i < waiting.size();) {
            const JobStatus status = service.jobStatus(printed.printer, waiting.at(i));
            switch (status.state) {
            case JobStatus::State::Done:
                waiting.removeAt(i);
                continue;
            case JobStatus::State::Failed:
            case JobStatus::State::Stopped:
            case JobStatus::State::Held: {
                DeliveryOutcome failed = printed;
                failed.kind = DeliveryOutcome::Kind::Failed;
                failed.fault = DeliveryOutcome::Fault::JobFailed;
                failed.reason = jobFailureReason(printed.printer, status);
                return failed;
            }
            case JobStatus::State::Silent:
                silent = true;
                silentReason = status.reason;
                break;
            case JobStatus::State::Waiting:
                printerSays = status.reason;
                break;
            }
            ++i;
        }
        if (waiting.isEmpty()) {
            return printed;
        }
        if (deadline.hasExpired()) {
            break;
        }
        QThread::msleep(static_cast<unsigned long>(
            std::max<qint64>(1, std::min<qint64>(pollMs, deadline.remainingTime()))));
    }
    DeliveryOutcome outcome = printed;
    const int seconds = (waitMs + 999) / 1000;
    if (silent) {
        outcome.kind = DeliveryOutcome::Kind::Failed;
        outcome.fault = DeliveryOutcome::Fault::ServerSilent;
        outcome.reason = QCoreApplication::translate(
                             "Delivery", "%1 %2 had been accepted by the printer \"%3\"; whether "
                                         "they print cannot be told. %4")
                             .arg(silentReason, jobsText(static_cast<int>(printed.jobIds.size())),
                                  printed.printer, checkServer());
        return outcome;
    }
    outcome.kind = DeliveryOutcome::Kind::Pending;
    const bool one = waiting.size() == 1;
    outcome.reason =
        QCoreApplication::translate("Delivery",
                                    "%1 of the printer \"%2\" still %3 in its queue after %4%5; %6 "
                                    "when the printer gets to %7.")
            .arg(jobsText(static_cast<int>(waiting.size())), printed.printer,
                 one ? QCoreApplication::translate("Delivery", "waits")
                     : QCoreApplication::translate("Delivery", "wait"),
                 seconds == 1 ? QCoreApplication::translate("Delivery", "1 second")
                              : QCoreApplication::translate("Delivery", "%1 seconds").arg(seconds))
            .arg(printerSays.isEmpty()
                     ? QString()
                     : QCoreApplication::translate("Delivery", " (the printer says: %1)")
                           .arg(clause(printerSays)),
                 one ? QCoreApplication::translate("Delivery", "it prints")
                     : QCoreApplication::translate("Delivery", "they print"),
                 one ? QCoreApplication::translate("Delivery", "it")
                     : QCoreApplication::translate("Delivery", "them"));
    return outcome;
}
