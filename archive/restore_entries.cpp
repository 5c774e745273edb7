#include "archive/restore_entries.h"

#include "archive/backup_archive.h"
#include "archive/zip_entry_fields.h"
#include "store/io_error.h"

#include <QSet>
#include <QStringList>

#include <sys/stat.h>

#include <algorithm>
#include <optional>

namespace kw {

namespace {

constexpr mode_t defaultFilePermissions = 0644;
constexpr mode_t defaultFolderPermissions = 0755;

bool isDataFolderName(const QByteArray& name)
{
    const QStringList folders = backedUpFolders();
    return std::any_of(folders.begin(), folders.end(), [&](const QString& folder) {
        return name.compare(folder.toLatin1(), Qt::CaseInsensitive) == 0;
    });
}

bool hasControlCharacter(const QByteArray& name)
{
    return std::any_of(name.begin(), name.end(), [](char c) { return uchar(c) < 0x20 || c == 0x7F; });
}

// `name` for a message, a control character shown as '?' so that it cannot
// steer the terminal.
QString shownName(const QByteArray& name)
{
    QString shown = fileNameText(name);
    std::replace_if(
        shown.begin(), shown.end(), [](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7F; },
        QLatin1Char('?'));
    return shown;
}

// Why the entry named `name` cannot be restored as a file (or a folder, when
// `folder`); empty when its path is sound.
QString pathRefusal(const QByteArray& name, bool folder)
{
    if (name.startsWith('/'))
        return QStringLiteral("ma ścieżkę bezwzględną");
    if (name.contains('\\'))
        return QStringLiteral("zawiera znak „\\”");
    if (hasControlCharacter(name))
        return QStringLiteral("zawiera znak sterujący");
    const QByteArrayList parts = name.chopped(folder ? 1 : 0).split('/');
    for (const QByteArray& part : parts) {
        if (part == "..")
            return QStringLiteral("wychodzi poza folder (składnik „..”)");
        if (part.isEmpty() || part == ".")
            return QStringLiteral("ma pusty składnik ścieżki albo składnik „.”");
    }
    if (!isDataFolderName(parts.first()) || (parts.size() == 1 && !folder))
        return QStringLiteral("nie leży w folderze Admini, Uslugi, Szablony ani FONT");
    return {};
}

// Why an entry of Unix mode `mode` (none when the archive gives none) named
// as a folder or not cannot be restored; empty when it is a file or a folder
// as its name says.
QString typeRefusal(std::optional<mode_t> mode, bool namedFolder)
{
    const mode_t type = mode ? *mode & S_IFMT : 0;
    if (type == S_IFLNK)
        return QStringLiteral("jest dowiązaniem symbolicznym");
    if (type != 0 && type != S_IFREG && type != S_IFDIR)
        return QStringLiteral("nie jest zwykłym plikiem ani folderem");
    if ((type == S_IFDIR && !namedFolder) || (type == S_IFREG && namedFolder))
        return QStringLiteral("ma nazwę niezgodną z rodzajem (plik albo folder)");
    return {};
}

QString storageRefusal(const zip_stat_t& stat)
{
    if ((stat.valid & ZIP_STAT_ENCRYPTION_METHOD) && stat.encryption_method != ZIP_EM_NONE)
        return QStringLiteral("jest zaszyfrowany");
    if ((stat.valid & ZIP_STAT_COMP_METHOD) && !zip_compression_method_supported(stat.comp_method, 0))
        return QStringLiteral("jest skompresowany metodą, której program nie obsługuje");
    return {};
}

// The parents of `path`: "a/b/c" has "a" and "a/b".
QByteArrayList parentsOf(const QByteArray& path)
{
    QByteArrayList parents;
    for (qsizetype slash = path.indexOf('/'); slash >= 0; slash = path.indexOf('/', slash + 1))
        parents.append(path.left(slash));
    return parents;
}

class EntryCheck
{
public:
    EntryCheck(zip_t* zip, const QString& zipFile) : zip_(zip), zipFile_(zipFile) {}

    RestoreEntry entry(zip_uint64_t index) const
    {
        const char* rawName = zip_get_name(zip_, index, ZIP_FL_ENC_RAW);
        zip_stat_t stat;
        zip_uint8_t system = 0;
        zip_uint32_t attributes = 0;
        if (!rawName || zip_stat_index(zip_, index, ZIP_FL_ENC_RAW, &stat) < 0 ||
            zip_file_get_external_attributes(zip_, index, 0, &system, &attributes) < 0)
            throw IoError(QStringLiteral("Nie można odczytać archiwum %1: %2.")
                              .arg(zipFile_, QString::fromLocal8Bit(zip_strerror(zip_))));
        const QByteArray name(rawName);
        const std::optional<mode_t> mode = unixMode(system, attributes);
        const bool folder = name.endsWith('/');
        for (const QString& reason : {typeRefusal(mode, folder), pathRefusal(name, folder), storageRefusal(stat)}) {
            if (!reason.isEmpty())
                refuse(name, reason);
        }
        RestoreEntry entry;
        entry.index = index;
        entry.path = name.chopped(folder ? 1 : 0);
        entry.folder = folder;
        entry.permissions = mode ? *mode & 0777 : folder ? defaultFolderPermissions : defaultFilePermissions;
        entry.modified = modificationTime(index, stat);
        return entry;
    }

    [[noreturn]] void refuse(const QByteArray& name, const QString& reason) const
    {
        throw IoError(
            QStringLiteral("Nie odtworzono archiwum %1: wpis „%2” %3.").arg(zipFile_, shownName(name), reason));
    }

private:
    time_t modificationTime(zip_uint64_t index, const zip_stat_t& stat) const
    {
        zip_uint16_t length = 0;
        const zip_uint8_t* field =
            zip_file_extra_field_get_by_id(zip_, index, extendedTimestampId, 0, &length, ZIP_FL_LOCAL | ZIP_FL_CENTRAL);
        return extendedTimestampTime(field, length).value_or(stat.mtime);
    }

    zip_t* zip_;
    const QString& zipFile_;
};

} // namespace

QList<RestoreEntry> restorableEntries(zip_t* zip, const QString& zipFile)
{
    const EntryCheck check(zip, zipFile);
    const zip_int64_t count = zip_get_num_entries(zip, 0);
    QList<RestoreEntry> entries;
    QSet<QByteArray> paths;
    QSet<QByteArray> files;
    for (zip_int64_t index = 0; index < count; ++index) {
        const RestoreEntry& entry = entries.emplaceBack(check.entry(zip_uint64_t(index)));
        if (paths.contains(entry.path))
            check.refuse(entry.path, QStringLiteral("występuje w archiwum więcej niż raz"));
        paths.insert(entry.path);
        if (!entry.folder)
            files.insert(entry.path);
    }
    for (const RestoreEntry& entry : entries) {
        for (const QByteArray& parent : parentsOf(entry.path)) {
            if (files.contains(parent))
                check.refuse(entry.path,
                             QStringLiteral("leży w „%1”, który w archiwum jest plikiem").arg(shownName(parent)));
        }
    }
    if (files.isEmpty())
        throw IoError(QStringLiteral("Nie odtworzono archiwum %1: nie ma w nim żadnego pliku.").arg(zipFile));
    return entries;
}

} // namespace kw
