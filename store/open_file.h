#pragma once

#include "store/file_ops.h"

#include <QByteArray>
#include <QString>

namespace kw {

// A file open for the length of one operation. Every call is checked and a
// failure throws IoError naming the file; the descriptor is closed on scope
// exit.
class OpenFile
{
public:
    // Only a regular file opens; anything else throws. CreateNew truncates
    // an existing file; CreateExclusive fails on one.
    // ReadOnlyIfExists leaves the file closed, without an error, when there
    // is none.
    enum Mode { ReadOnly, ReadOnlyIfExists, ReadWrite, CreateNew, CreateExclusive };

    OpenFile(FileOps& ops, const QString& path, Mode mode);
    // The file `name` in the open folder `folder`, never through a symbolic
    // link; `path` names it in messages.
    OpenFile(FileOps& ops, int folder, const QString& name, const QString& path, Mode mode);
    ~OpenFile();
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;

    const QString& path() const { return path_; }
    bool isOpen() const { return fd_ >= 0; }
    int descriptor() const { return fd_; }
    qint64 size() const;

    // Reads up to `length` bytes; fewer only at the end of the file.
    qint64 readAt(qint64 offset, char* buffer, qint64 length) const;
    // Reads exactly `length` bytes or throws.
    QByteArray readExactly(qint64 offset, qint64 length) const;

    void writeAt(qint64 offset, const char* data, qint64 length);
    void writeAt(qint64 offset, const QByteArray& data) { writeAt(offset, data.constData(), data.size()); }
    void truncate(qint64 size);
    void sync();
    // Gives this file the permission bits and owner group of the file at
    // `path`, when there is one, so that a replacement is neither more open
    // nor less writable for the group than the file it replaces.
    void takeAccessOf(const QString& path);
    // The same from the replaced file's status.
    void takeAccessOf(const struct stat& replaced);
    // Closes and checks the close; the destructor closes silently otherwise.
    void close();

private:
    static int openFlags(Mode mode);
    // Throws IoError when the open failed, unless the file is absent and
    // `mode` allows that; checks that a file opened is a regular one.
    void checkOpened(Mode mode);
    // Throws, closed, when the path names a folder, FIFO, device or socket:
    // reading one would block or give bytes that are no record.
    void requireRegularFile();
    [[noreturn]] void fail(const QString& what, int error) const;

    FileOps& ops_;
    QString path_;
    int fd_ = -1;
};

} // namespace kw
