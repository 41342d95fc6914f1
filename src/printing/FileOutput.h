#pragma once

#include "printing/DeliveryOutcome.h"
#include "printing/PrintModel.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <sys/types.h>

// The steps of writing a file, each of which a full disk can fail. Tests put a double in place
// that fails one step; the POSIX calls otherwise. Every call returns -1 with errno set on failure.
class FileSystem
{
public:
    virtual ~FileSystem() = default;
    virtual int open(const QByteArray &path, int flags, mode_t mode);
    virtual ssize_t write(int fd, const char *data, size_t size);
    virtual int flush(int fd);
    virtual int close(int fd);
    virtual int rename(const QByteArray &from, const QByteArray &to);
    virtual int remove(const QByteArray &path);
};

FileSystem &posixFileSystem();

// What stands in the way of writing a path. Each front end words it in its own way, so the
// numbers and the folder come with it rather than a finished sentence.
struct DestinationCheck {
    enum class Problem {
        None,
        Empty,
        PathTooLong,    // `bytes` long, more than `limit`
        NameTooLong,    // a name in it is `bytes` long, more than `limit`
        Folder,         // the path itself is a folder
        LinkLoop,       // a symbolic link that leads round in a loop
        DanglingLink,   // a symbolic link to something that does not exist
        Unusable,       // stat failed with `error`
        FolderUnusable, // `folder` cannot be reached: `error`
        NotAFolder,     // `folder` is something else
        FolderReadOnly, // `folder` takes no new files: `error`
    };
    Problem problem = Problem::None;
    qsizetype bytes = 0;
    int limit = 0;
    QString folder;
    int error = 0;

    bool writable() const { return problem == Problem::None; }
};

// Whether a path names something that can be written, checked before any sheet is made. A
// device or a pipe can: it is written to as it is.
DestinationCheck checkDestination(const QString &path);

// Bytes to a file. A regular file is replaced only once the new one is complete: the bytes go to
// a temporary file beside it, which takes its place after every write, the flush to disk and the
// close succeeded. Devices and pipes are written to as they are. A folder, a link loop or a link
// to nowhere is bad input and nothing is written.
DeliveryOutcome saveFile(const QString &path, const QByteArray &bytes,
                         FileSystem &files = posixFileSystem());

// Writes the documents as text to an open file descriptor (standard output): a full device is a
// failure.
DeliveryOutcome writeText(const QList<PrintDocument> &documents, int fd, const QString &name);
