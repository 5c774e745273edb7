#pragma once

#include "store/data_folder.h"
#include "tests/crash/crash_log.h"

#include <QList>
#include <QProcess>

#include <optional>

namespace kw::crash {

// What the project's own readers find in a driver's data folder, after the
// bill list finished or dropped an overwrite the driver was killed in.
struct OnDisk {
    bool documentFileExists = false;
    bool journalLeft = false; // an overwrite's journal lay beside the file
    QList<qint64> documents;  // ids in file order, -1 for a torn or shifted record
    qint64 tail = 0;          // bytes behind the last whole record
    qint64 listed = 0;        // lines of the bill list
    qint64 settings = -1;     // -1 unless the settings file is one whole driver record
};

OnDisk readOnDisk(const DataPaths& paths);

// A data folder with the opening document and settings 0.
void prepareDataFolder(const DataPaths& paths);

// Starts the driver; returns once it reports that its loop begins.
bool startDriver(QProcess& driver, const QString& folder, const QString& log, qint64 firstId, quint32 seed,
                 qint64 milliseconds = 0);

} // namespace kw::crash
