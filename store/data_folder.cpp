#include "store/data_folder.h"

#include "store/document_journal.h"

#include <QDir>
#include <QFileInfo>

namespace kw {

namespace {

QString matchEntry(const QString& folder, const QString& name)
{
    const QString exact = folder + QLatin1Char('/') + name;
    if (QFileInfo::exists(exact))
        return name;
    const QDir dir(folder.isEmpty() ? QStringLiteral("/") : folder);
    const QStringList entries = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return name;
}

} // namespace

QString resolvePath(const QString& base, const QString& relative)
{
    QString path = base;
    for (const QString& part : relative.split(QLatin1Char('/'), Qt::SkipEmptyParts))
        path += QLatin1Char('/') + matchEntry(path, part);
    return path;
}

QString DataPaths::locationFile(const QString& startFolder)
{
    return resolvePath(startFolder, QStringLiteral("Admini/siec.dat"));
}

QString DataPaths::documentJournalFile() const { return documentJournalFileFor(documentFile()); }

} // namespace kw
