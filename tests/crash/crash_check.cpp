#include "tests/crash/crash_check.h"

#include "editing/selection_lines.h"
#include "store/record_stream.h"
#include "store/records.h"
#include "tests/crash/crash_documents.h"
#include "tests/support/file_bytes.h"

#include <QFileInfo>

namespace kw::crash {

OnDisk readOnDisk(const DataPaths& paths)
{
    OnDisk disk;
    const QString documentFile = paths.documentFile();
    disk.documentFileExists = QFileInfo::exists(documentFile);
    if (!disk.documentFileExists)
        return disk;
    disk.journalLeft = QFileInfo::exists(paths.documentJournalFile());
    // First, as the window does: the bill list finishes an overwrite left
    // unfinished, so the plain reading below sees what any reader would.
    disk.listed = billLines(systemFileOps(), documentFile).texts.size();
    RecordStream stream(systemFileOps(), documentFile, doc::Size);
    QByteArrayView record;
    while (stream.next(record))
        disk.documents.append(idOf(record));
    disk.tail = QFileInfo(documentFile).size() % doc::Size;

    const QByteArray settingsBytes = readFileBytes(paths.settingsFile());
    if (settingsBytes.size() == settings::Size) {
        bool ok = false;
        const qint64 id = SettingsRecord::fromBytes(settingsBytes).get(settings::BillNumber).toLongLong(&ok);
        if (ok && settings(id).bytes() == settingsBytes)
            disk.settings = id;
    }
    return disk;
}

void prepareDataFolder(const DataPaths& paths)
{
    writeFileBytes(paths.documentFile(), document(0).bytes());
    writeFileBytes(paths.settingsFile(), settings(0).bytes());
}

bool startDriver(QProcess& driver, const QString& folder, const QString& log, qint64 firstId, quint32 seed,
                 qint64 milliseconds)
{
    QStringList args{folder, log, QString::number(firstId), QString::number(seed)};
    if (milliseconds > 0)
        args << QString::number(milliseconds);
    driver.start(QStringLiteral(CRASH_DRIVER), args);
    if (!driver.waitForStarted())
        return false;
    while (!driver.canReadLine()) {
        if (!driver.waitForReadyRead(10000))
            return false;
    }
    return driver.readLine() == "ready\n";
}

} // namespace kw::crash
