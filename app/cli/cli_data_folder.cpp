#include "app/cli/cli_data_folder.h"

#include "app/cli/cli_error.h"
#include "store/data_files.h"
#include "store/io_error.h"
#include "store/location_choice.h"
#include "store/record_file.h"
#include "store/records.h"

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

#include <cerrno>

namespace kw {

DataPaths dataPathsFor(FileOps& ops, const QString& startFolder)
{
    const QString locationFile = DataPaths::locationFile(startFolder);
    if (!QFileInfo::exists(locationFile))
        return DataPaths(startFolder);
    return DataPaths(chosenDataFolder(readSingleRecord<LocationRecord>(ops, locationFile), locationFile, startFolder));
}

void requireDataFile(const QString& path)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) == 0)
        return;
    if (errno == ENOENT)
        throw CommandLineError(QStringLiteral("Brak pliku danych %1.").arg(path));
    // A folder on the way that may not be searched hides whether the file
    // is there; saying it is missing would send the user looking for it.
    throw IoError(QStringLiteral("Nie można sprawdzić pliku danych %1: %2.").arg(path, describeErrno(errno)));
}

qint64 storedDocumentCount(FileOps& ops, const QString& documentFile)
{
    requireDataFile(documentFile);
    const qint64 count = RecordFile(ops, documentFile, doc::Size).count();
    if (count == 0)
        throw IoError(
            QStringLiteral("Plik %1 jest krótszy niż jeden rekord (%2 bajtów).").arg(documentFile).arg(doc::Size));
    return count;
}

qint64 storedPosition(FileOps& ops, const QString& documentFile, std::optional<qint64> position)
{
    const qint64 count = storedDocumentCount(ops, documentFile);
    const qint64 chosen = position.value_or(count);
    if (chosen < 1 || chosen > count)
        throw CommandLineError(
            QStringLiteral("Nie ma dokumentu na pozycji %1 (pozycje od 1 do %2).").arg(chosen).arg(count));
    return chosen;
}

bool isOpeningRecord(const DocumentRecord& record, qint64 position)
{
    const DocumentRecord opening = sentinelRecord(QString());
    return position == 1 && record.get(doc::DocNumber) == opening.get(doc::DocNumber) &&
        record.get(doc::BuyerLine1) == opening.get(doc::BuyerLine1) && record.get(doc::IssueDate).isEmpty();
}

} // namespace kw
