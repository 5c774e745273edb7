#include "store/record_file.h"

#include "store/io_error.h"
#include "store/open_file.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <fcntl.h>

#include <cerrno>

namespace kw {

RecordFile::RecordFile(FileOps& ops, const QString& path, int recordSize)
    : ops_(ops), path_(path), recordSize_(recordSize)
{}

qint64 RecordFile::count() const { return OpenFile(ops_, path_, OpenFile::ReadOnly).size() / recordSize_; }

QByteArray RecordFile::read(qint64 position) const
{
    OpenFile file(ops_, path_, OpenFile::ReadOnly);
    const qint64 records = file.size() / recordSize_;
    if (records == 0)
        throw IoError(QStringLiteral("Plik %1 jest krótszy niż jeden rekord (%2 bajtów).").arg(path_).arg(recordSize_));
    if (position < 1 || position > records)
        throw IoError(
            QStringLiteral("Plik %1 nie zawiera rekordu nr %2 (rekordów: %3).").arg(path_).arg(position).arg(records));
    return file.readExactly((position - 1) * recordSize_, recordSize_);
}

qint64 RecordFile::append(const QByteArray& record)
{
    Q_ASSERT(record.size() == recordSize_);
    OpenFile file(ops_, path_, OpenFile::ReadWrite);
    const qint64 oldSize = file.size();
    const qint64 whole = oldSize - oldSize % recordSize_;
    try {
        if (whole != oldSize)
            file.truncate(whole);
        file.writeAt(whole, record);
        file.sync();
    } catch (const IoError&) {
        // Best effort: take the partial record back so no torn record stays.
        try {
            file.truncate(whole);
            file.sync();
        } catch (const IoError&) {}
        throw;
    }
    // The record is synced and so stored; the descriptor is closed unchecked,
    // since reporting a failed close would make the caller store it twice.
    return whole / recordSize_ + 1;
}

void RecordFile::replace(const QByteArray& records)
{
    removeStaleTemporaries(ops_, path_);
    replaceFileAtomically(ops_, path_, temporaryNameFor(path_), [&](OpenFile& out) { out.writeAt(0, records); });
}

namespace {

// Taken when the program starts; a replace of another instance still under
// way has made its temporary file since.
const QDateTime processStart = QDateTime::currentDateTimeUtc();

bool isTemporarySuffix(QStringView suffix)
{
    if (suffix.size() != temporarySuffixLength)
        return false;
    for (const QChar c : suffix)
        if (!(c.isDigit() || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z')))
            return false;
    return true;
}

} // namespace

void removeStaleTemporaries(FileOps& ops, const QString& path)
{
    const QFileInfo target(path);
    const QString prefix = target.fileName() + QLatin1Char('.');
    const QFileInfoList entries =
        target.dir().entryInfoList({prefix + QStringLiteral("*")}, QDir::Files | QDir::Hidden);
    for (const QFileInfo& entry : entries) {
        if (isTemporarySuffix(QStringView(entry.fileName()).mid(prefix.size())) &&
            entry.lastModified().toUTC() < processStart)
            ops.unlink(QFile::encodeName(entry.filePath()).constData());
    }
}

QString temporaryNameFor(const QString& path)
{
    static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QString suffix;
    for (int i = 0; i < temporarySuffixLength; ++i)
        suffix += QChar(letters[QRandomGenerator::global()->bounded(int(sizeof letters) - 1)]);
    return path + QLatin1Char('.') + suffix;
}

void syncFolderOf(FileOps& ops, const QString& path)
{
    const QString folder = QFileInfo(path).absolutePath();
    const int fd = ops.open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY, 0);
    if (fd < 0)
        return;
    ops.fsync(fd);
    ops.close(fd);
}

void replaceFileAtomically(FileOps& ops, const QString& path, const QString& tempPath,
                           const std::function<void(OpenFile&)>& fill)
{
    try {
        OpenFile out(ops, tempPath, OpenFile::CreateNew);
        out.takeAccessOf(path);
        fill(out);
        out.sync();
        out.close();
        if (ops.rename(QFile::encodeName(tempPath).constData(), QFile::encodeName(path).constData()) != 0)
            throw IoError(QStringLiteral("Nie można zmienić nazwy pliku %1 na %2: %3.")
                              .arg(tempPath, path, describeErrno(errno)));
    } catch (const IoError&) {
        ops.unlink(QFile::encodeName(tempPath).constData());
        throw;
    }
    // The new file is in place and whole by now, so a failed folder sync is
    // not reported: the caller would take the replacement as not done and
    // repeat it, and a repeated delete removes the next document.
    syncFolderOf(ops, path);
}

} // namespace kw
