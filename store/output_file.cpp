#include "store/output_file.h"

#include "store/data_folder.h"
#include "store/io_error.h"
#include "store/open_file.h"
#include "store/output_folder.h"
#include "store/record_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>

#include <cerrno>
#include <optional>

namespace kw {

namespace {

// More links than this in a row is a loop; the system gives up at 40 too.
constexpr int maxLinksFollowed = 40;

// Bytes gathered before each write of a streamed output: few system calls,
// and memory that does not grow with the output.
constexpr qsizetype sinkBufferSize = 64 * 1024;

// The absolute path `path` names, symbolic links followed (a dangling link
// names its target); with `anyCase`, each component that does not exist as
// spelled is matched to an entry in another letter case, as the data folder
// is. Two spellings of one data file thus give one text.
QString resolvedTarget(const QString& path, bool anyCase)
{
    QString current = QDir::cleanPath(QDir::current().absoluteFilePath(path));
    for (int i = 0; i < maxLinksFollowed; ++i) {
        if (anyCase)
            current = resolvePath(QString(), current);
        const QFileInfo info(current);
        if (!info.isSymLink())
            break;
        current = QDir::cleanPath(info.absoluteDir().absoluteFilePath(info.symLinkTarget()));
    }
    const QFileInfo info(current);
    if (info.exists())
        return info.canonicalFilePath();
    const QString folder = info.absoluteDir().canonicalPath();
    return folder.isEmpty() ? current : folder + QLatin1Char('/') + info.fileName();
}

bool liesIn(const QString& path, const QString& folder)
{
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    const QString prefix = (canonical.isEmpty() ? QDir::cleanPath(folder) : canonical) + QLatin1Char('/');
    return path.startsWith(prefix, Qt::CaseInsensitive);
}

[[noreturn]] void refuse(const QString& target, const QString& reason)
{
    throw IoError(QStringLiteral("Nie zapisano pliku %1: %2.").arg(target, reason));
}

[[noreturn]] void refuseDataFolder(const QString& target, const QString& folder)
{
    refuse(target, QStringLiteral("to plik w folderze danych programu %1; podaj inną nazwę").arg(folder));
}

// Runs one step of the write; its failure is reported as the target's, since
// the user knows the target, not the temporary file the layer names.
template <class Step>
auto asWriteOf(const QString& target, Step step)
{
    try {
        return step();
    } catch (const IoError& error) {
        throw IoError(QStringLiteral("Nie można zapisać pliku %1. %2").arg(target, error.message()));
    }
}

// The status of the file `name` the output would replace, nothing when there
// is none. Refuses anything but an empty file or one `kind` recognises.
std::optional<struct stat> fileToReplace(FileOps& ops, const OutputFolder& folder, const QString& name,
                                         const QString& target, const OutputKind& kind)
{
    struct stat info {};
    if (ops.fstatat(folder.descriptor(), QFile::encodeName(name).constData(), &info, AT_SYMLINK_NOFOLLOW) != 0) {
        if (errno == ENOENT)
            return std::nullopt;
        throw IoError(QStringLiteral("Nie można zapisać pliku %1. Nie można sprawdzić pliku %2: %3.")
                          .arg(target, folder.filePath(name), describeErrno(errno)));
    }
    if (!S_ISREG(info.st_mode))
        refuse(target, QStringLiteral("to nie jest zwykły plik"));
    if (info.st_size == 0)
        return info;
    const bool ours = asWriteOf(target, [&] {
        const OpenFile existing(ops, folder.descriptor(), name, folder.filePath(name), OpenFile::ReadOnly);
        QFile file;
        return file.open(existing.descriptor(), QIODevice::ReadOnly, QFileDevice::DontCloseHandle) &&
            kind.writtenByThisProgram(file);
    });
    if (!ours)
        refuse(target, QStringLiteral("taki plik już istnieje i nie jest %1, więc go nie zastąpiono").arg(kind.name));
    return info;
}

// Writes what it is given into the temporary file, gathered into writes of
// sinkBufferSize bytes.
class TemporaryFileSink final : public OutputSink
{
public:
    TemporaryFileSink(OpenFile& file, const QString& target) : file_(file), target_(target)
    {
        pending_.reserve(sinkBufferSize);
    }

    void write(QByteArrayView bytes) override
    {
        if (pending_.size() + bytes.size() > sinkBufferSize)
            flush();
        if (bytes.size() >= sinkBufferSize)
            writeOut(bytes);
        else
            pending_.append(bytes);
    }

    void flush()
    {
        writeOut(pending_);
        pending_.clear();
    }

private:
    void writeOut(QByteArrayView bytes)
    {
        asWriteOf(target_, [&] { file_.writeAt(written_, bytes.data(), bytes.size()); });
        written_ += bytes.size();
    }

    OpenFile& file_;
    const QString& target_;
    QByteArray pending_;
    qint64 written_ = 0;
};

// Makes the file `name` in `folder` through a temporary file beside it: whole
// and synced before the rename, removed again when anything fails.
void writeThroughTemporary(FileOps& ops, OutputFolder& folder, const QString& name,
                           const std::optional<struct stat>& replaced, const QString& target,
                           const std::function<void(OutputSink&)>& produce)
{
    const QString temporary = temporaryNameFor(name);
    const QByteArray temporaryName = QFile::encodeName(temporary);
    bool created = false;
    try {
        OpenFile out = asWriteOf(target, [&]() -> OpenFile {
            return OpenFile(ops, folder.descriptor(), temporary, folder.filePath(temporary),
                            OpenFile::CreateExclusive);
        });
        created = true;
        if (replaced)
            out.takeAccessOf(*replaced);
        TemporaryFileSink sink(out, target);
        produce(sink);
        sink.flush();
        asWriteOf(target, [&] {
            out.sync();
            out.close();
            if (ops.renameat(folder.descriptor(), temporaryName.constData(), folder.descriptor(),
                             QFile::encodeName(name).constData()) != 0)
                throw IoError(QStringLiteral("Nie można zmienić nazwy pliku %1 na %2: %3.")
                                  .arg(folder.filePath(temporary), folder.filePath(name), describeErrno(errno)));
        });
    } catch (...) {
        if (created)
            ops.unlinkat(folder.descriptor(), temporaryName.constData(), 0);
        throw;
    }
    // The new file is in place and whole by now, so a failed folder sync is
    // not reported: the caller would take the output as not written.
    folder.sync();
}

} // namespace

QStringList protectedFolders(const QStringList& baseFolders)
{
    QStringList folders;
    for (const QString& base : baseFolders) {
        for (const char* name : {"Admini", "Uslugi", "FONT", "Szablony"})
            folders.append(resolvePath(QDir(base).absolutePath(), QString::fromLatin1(name)));
    }
    folders.removeDuplicates();
    return folders;
}

void writeOutputFile(FileOps& ops, const QString& target, const OutputKind& kind,
                     const std::function<void(OutputSink&)>& produce, const QStringList& protectedFolders)
{
    // Written as spelled: "Rachunek.pdf" is a file of its own beside "rachunek.pdf".
    const QString resolved = resolvedTarget(target, false);
    const QString anySpelling = resolvedTarget(target, true);
    for (const QString& folder : protectedFolders) {
        if (liesIn(resolved, folder) || liesIn(anySpelling, folder))
            refuseDataFolder(target, folder);
    }
    const QFileInfo file(resolved);
    if (file.fileName().isEmpty())
        refuse(target, QStringLiteral("to nie jest zwykły plik"));
    OutputFolder folder = asWriteOf(target, [&]() -> OutputFolder {
        return OutputFolder(ops, file.path(), protectedFolders);
    });
    if (!folder.dataFolder().isEmpty())
        refuseDataFolder(target, folder.dataFolder());
    const std::optional<struct stat> replaced = fileToReplace(ops, folder, file.fileName(), target, kind);
    writeThroughTemporary(ops, folder, file.fileName(), replaced, target, produce);
}

void writeOutputFile(FileOps& ops, const QString& target, const OutputKind& kind, const QByteArray& bytes,
                     const QStringList& protectedFolders)
{
    writeOutputFile(ops, target, kind, [&](OutputSink& sink) { sink.write(bytes); }, protectedFolders);
}

} // namespace kw
