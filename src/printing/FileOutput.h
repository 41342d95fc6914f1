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

// What the system says about replacing an existing file, gathered so that the decision can be
// made for any user, not only the one running.
struct ReplaceFacts {
    int writeError = 0; // from access(W_OK) with the effective ids; 0 when it may be written
    mode_t folderMode = 0;
    uid_t folderOwner = 0;
    uid_t fileOwner = 0;
    uid_t user = 0;              // the effective user id
    bool overridesOwner = false; // holds CAP_FOWNER, as root does
};

// Whether the user may replace the file the way any tool would, with the reason when not. The
// rename that puts the new file in place is allowed by the folder, not by the file's own bits, so
// without this a write-protected file, or another user's file in a sticky folder such as /tmp,
// would be replaced, or fail only after every page had been written.
DestinationCheck::Problem replaceProblem(const ReplaceFacts &facts);

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
