#pragma once

#include "store/file_ops.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace kw {

// What a file the program writes for the user holds; an existing file is
// only ever replaced by one of the same kind.
enum class OutputKind { Pdf, Zip, Csv };

// The folders no output may ever write into: Admini, Uslugi, FONT and
// Szablony under each of `baseFolders` (the data folder and the folder the
// program started in, which holds the location file and the print font).
QStringList protectedFolders(const QStringList& baseFolders);

// Writes `bytes` as the file `target` for the user (a PDF, a backup, a CSV
// export) without ever losing one of the program's files:
// - a target that resolves, following symbolic links and in any letter
//   case, into one of `protectedFolders` is refused;
// - an existing target is replaced only when it is a regular file that is
//   empty or holds the same kind of output (a PDF starts with "%PDF-", a ZIP
//   with "PK", a CSV is text in a file named *.csv);
// - the bytes go to a temporary file beside the target, every write checked
//   and synced, and take its name only when whole.
// Throws IoError with a one-line Polish message; the target then is as it
// was and no temporary file stays behind.
void writeOutputFile(FileOps& ops, const QString& target, OutputKind kind, const QByteArray& bytes,
                     const QStringList& protectedFolders);

} // namespace kw
