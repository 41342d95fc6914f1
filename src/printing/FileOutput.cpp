#include "printing/FileOutput.h"

#include "printing/DeliveryText.h"
#include "printing/TextSurface.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

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

DeliveryOutcome writeFailed(const QString &path, WriteStep step, int error, bool hadFile)
{
    return DeliveryOutcome::failed(DeliveryOutcome::Fault::WriteFailed,
                                   DeliveryText::writeFailed(path, step, error, hadFile));
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
            return DeliveryOutcome::failed(DeliveryOutcome::Fault::WriteFailed,
                                           DeliveryText::nothingReads(path));
        }
        return writeFailed(path, WriteStep::Opening, error, false);
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!writeAll(files, fd, bytes)) {
        const int error = errno;
        files.close(fd);
        return writeFailed(path, WriteStep::Writing, error, false);
    }
    if (files.close(fd) != 0) {
        return writeFailed(path, WriteStep::Closing, errno, false);
    }
    return DeliveryOutcome::saved(path);
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

DestinationCheck problem(DestinationCheck::Problem kind)
{
    DestinationCheck check;
    check.problem = kind;
    return check;
}

// CAP_FOWNER in the effective set: what lets root replace anybody's file in a sticky folder.
bool overridesOwner()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return ::geteuid() == 0;
    }
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("CapEff:")) {
            bool ok = false;
            const qulonglong caps = line.mid(7).trimmed().toULongLong(&ok, 16);
            return ok && (caps & (1ULL << 3)) != 0;
        }
    }
    return false;
}

} // namespace

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

DestinationCheck::Problem replaceProblem(const ReplaceFacts &facts)
{
    using Problem = DestinationCheck::Problem;
    if (facts.writeError != 0) {
        return Problem::FileReadOnly;
    }
    if ((facts.folderMode & S_ISVTX) != 0 && facts.fileOwner != facts.user &&
        facts.folderOwner != facts.user && !facts.overridesOwner) {
        return Problem::OthersFile;
    }
    return Problem::None;
}

DestinationCheck checkDestination(const QString &path)
{
    using Problem = DestinationCheck::Problem;
    if (path.isEmpty()) {
        return problem(Problem::Empty);
    }
    const QByteArray name = QFile::encodeName(path);
    if (name.size() >= PATH_MAX) {
        DestinationCheck check = problem(Problem::PathTooLong);
        check.bytes = name.size();
        check.limit = PATH_MAX - 1;
        return check;
    }
    for (const QByteArray &part : name.split('/')) {
        if (part.size() > NAME_MAX) {
            DestinationCheck check = problem(Problem::NameTooLong);
            check.bytes = part.size();
            check.limit = NAME_MAX;
            return check;
        }
    }
    struct stat info {
    };
    bool replacing = false;
    if (::stat(name.constData(), &info) == 0) {
        replacing = S_ISREG(info.st_mode);
        if (S_ISDIR(info.st_mode)) {
            return problem(Problem::Folder);
        }
        if (!S_ISREG(info.st_mode)) {
            return DestinationCheck(); // a device or a pipe, written to as it is
        }
    } else if (errno == ELOOP) {
        return problem(Problem::LinkLoop);
    } else if (errno != ENOENT) {
        DestinationCheck check = problem(Problem::Unusable);
        check.error = errno;
        return check;
    } else if (::lstat(name.constData(), &info) == 0) {
        return problem(Problem::DanglingLink);
    }
    // A new or replaced file is made beside the target, so its folder must take new files.
    const QString folder = QFileInfo(followLinks(path)).absolutePath();
    const QByteArray folderName = QFile::encodeName(folder);
    struct stat folderInfo {
    };
    DestinationCheck check;
    check.folder = folder;
    if (::stat(folderName.constData(), &folderInfo) != 0) {
        check.problem = Problem::FolderUnusable;
        check.error = errno;
    } else if (!S_ISDIR(folderInfo.st_mode)) {
        check.problem = Problem::NotAFolder;
    } else if (replacing) {
        // The effective ids, which open() and rename() go by; root may, as cp may.
        ReplaceFacts facts;
        if (::faccessat(AT_FDCWD, name.constData(), W_OK, AT_EACCESS) != 0) {
            facts.writeError = errno;
        }
        facts.folderMode = folderInfo.st_mode;
        facts.folderOwner = folderInfo.st_uid;
        facts.fileOwner = info.st_uid;
        facts.user = ::geteuid();
        facts.overridesOwner = overridesOwner();
        check.problem = replaceProblem(facts);
        check.error = facts.writeError;
    }
    if (check.problem == Problem::None && ::access(folderName.constData(), W_OK) != 0) {
        check.problem = Problem::FolderReadOnly;
        check.error = errno;
    }
    return check;
}

DeliveryOutcome saveFile(const QString &path, const QByteArray &bytes, FileSystem &files)
{
    const DestinationCheck check = checkDestination(path);
    if (!check.writable()) {
        return DeliveryOutcome::failed(DeliveryOutcome::Fault::BadDestination,
                                       DeliveryText::badDestination(path, check));
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
        return writeFailed(path, WriteStep::Creating, errno, exists);
    }
    if (exists) {
        // The replacement keeps the owner (where the user may give it, as root may) and the
        // permissions the teacher gave the old file; the owner first, since a change of owner
        // clears some permission bits.
        if (::fchown(fd, info.st_uid, info.st_gid) != 0) {
            // Only root may give a file away; an ordinary user's file was theirs already.
        }
        ::fchmod(fd, info.st_mode & 07777);
    }
    const auto fail = [&](WriteStep step, int error, bool open) {
        if (open) {
            files.close(fd);
        }
        files.remove(temporary);
        return writeFailed(path, step, error, exists);
    };
    if (!writeAll(files, fd, bytes)) {
        return fail(WriteStep::Writing, errno, true);
    }
    if (files.flush(fd) != 0) {
        return fail(WriteStep::Flushing, errno, true);
    }
    if (files.close(fd) != 0) {
        return fail(WriteStep::Closing, errno, false);
    }
    if (files.rename(temporary, finalName) != 0) {
        return fail(WriteStep::Replacing, errno, false);
    }
    return DeliveryOutcome::saved(path);
}

DeliveryOutcome writeText(const QList<PrintDocument> &documents, int fd, const QString &name)
{
    if (!writeAll(posixFileSystem(), fd, renderText(documents))) {
        return DeliveryOutcome::failed(DeliveryOutcome::Fault::WriteFailed,
                                       DeliveryText::streamFailed(name, errno));
    }
    return DeliveryOutcome::saved(name);
}
