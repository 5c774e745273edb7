#pragma once

#include "store/file_ops.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QIODevice>
#include <QString>
#include <QStringList>

#include <functional>

namespace kw {

// What kind of file an output is, and how to tell that an existing file of
// that name was written by this program (only such a file is replaced).
struct OutputKind {
    // Fills "taki plik już istnieje i nie jest %1": "plikiem PDF", "archiwum
    // ZIP", "plikiem CSV", "arkuszem XLSX".
    QString name;
    // Given the existing regular, non-empty file opened for reading at
    // position 0; true when this program wrote it.
    std::function<bool(QIODevice& existing)> writtenByThisProgram;
};

// Receives an output's bytes as they are made (written to the temporary
// file beside the target, every write checked).
class OutputSink
{
public:
    virtual ~OutputSink() = default;
    virtual void write(QByteArrayView bytes) = 0;
};

// The folders no output may ever write into: Admini, Uslugi, FONT and
// Szablony under each of `baseFolders` (the data folder and the folder the
// program started in, which holds the location file and the print font).
QStringList protectedFolders(const QStringList& baseFolders);

// Writes the file `target` for the user (a PDF, a backup, a CSV export)
// without ever losing one of the program's files or someone else's:
// - a target in one of `protectedFolders` (by any spelling, through any link
//   or bind mount) or in another data folder's Admini, Uslugi, Szablony or
//   FONT is refused;
// - an existing target is replaced only when it is a regular file that is
//   empty or that `kind` recognises as written by this program;
// - the folder is opened once and everything after the checks goes through
//   it, so swapping a folder for a link meanwhile cannot redirect the file;
// - the bytes go to a temporary file beside the target, every write checked
//   and synced, which takes the target's name, and the permissions and group
//   of a file it replaces, only when whole.
// Streams: `produce` writes the whole output into the sink; the target takes
// the bytes only when `produce` returned and everything is synced (all or
// nothing; an exception from `produce` leaves the target as it was and no
// temporary file behind, and is rethrown). The file's own failures throw
// IoError with a one-line Polish message naming the target.
void writeOutputFile(FileOps& ops, const QString& target, const OutputKind& kind,
                     const std::function<void(OutputSink&)>& produce, const QStringList& protectedFolders);
// The same for bytes already made.
void writeOutputFile(FileOps& ops, const QString& target, const OutputKind& kind, const QByteArray& bytes,
                     const QStringList& protectedFolders);

} // namespace kw
