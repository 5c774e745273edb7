#include "app/desktop_data_folder.h"

#include "store/data_files.h"
#include "store/data_folder.h"
#include "store/io_error.h"
#include "store/location_choice.h"
#include "store/record_file.h"
#include "store/records.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>

namespace kw {

namespace {

const QString rememberedKey = QStringLiteral("dataFolder");

// Admini and Uslugi hold the data files; templates and the print font are
// looked for in Szablony and FONT.
const char* const dataSubFolders[] = {"Admini", "Uslugi", "Szablony", "FONT"};

bool hasSubFolder(const QString& folder, const QString& name) { return QFileInfo(resolvePath(folder, name)).isDir(); }

QString quoted(const QString& folder) { return QStringLiteral("„%1”").arg(QDir::toNativeSeparators(folder)); }

} // namespace

QString unusableFolderReason(const QString& folder)
{
    const QFileInfo info(folder);
    if (!info.exists())
        return QStringLiteral("Folder %1 nie istnieje.").arg(quoted(folder));
    if (!info.isDir())
        return QStringLiteral("%1 jest plikiem, a nie folderem.").arg(quoted(folder));
    if (!hasSubFolder(folder, QStringLiteral("Admini")) || !hasSubFolder(folder, QStringLiteral("Uslugi")))
        return QStringLiteral("Folder %1 nie jest folderem danych, bo brak w nim podfolderów Admini i Uslugi.")
            .arg(quoted(folder));
    if (!info.isWritable() || !QFileInfo(resolvePath(folder, QStringLiteral("Uslugi"))).isWritable() ||
        !QFileInfo(resolvePath(folder, QStringLiteral("Admini"))).isWritable())
        return QStringLiteral("W folderze %1 brak prawa zapisu.").arg(quoted(folder));
    return {};
}

bool prepareNewDataFolder(const QString& folder)
{
    const QDir base(folder);
    for (const char* sub : dataSubFolders) {
        if (!base.mkpath(QString::fromLatin1(sub)))
            return false;
    }
    // The settings window stores only a count of copies from 1 up, so a
    // folder made here starts with one copy instead of the empty count of a
    // record of zeros; a settings file already there is kept as it is.
    SettingsRecord settings;
    settings.set(settings::CopyCount, QStringLiteral("1"));
    try {
        createIfMissing(systemFileOps(), DataPaths(folder).settingsFile(), settings.bytes());
    } catch (const IoError&) {
        return false;
    }
    return true;
}

namespace {

// Whether `a` and `b` are one folder, links followed where they exist.
bool sameFolder(const QString& a, const QString& b)
{
    const QString canonicalA = QFileInfo(a).canonicalFilePath();
    const QString canonicalB = QFileInfo(b).canonicalFilePath();
    if (!canonicalA.isEmpty() && !canonicalB.isEmpty())
        return canonicalA == canonicalB;
    return QDir::cleanPath(QDir(a).absolutePath()) == QDir::cleanPath(QDir(b).absolutePath());
}

// Why the folder a location file names cannot be used; empty when it can.
QString unusableNamedFolderReason(const QString& named)
{
    if (named.isEmpty() || QDir::isRelativePath(named))
        return QStringLiteral("To nie jest pełna ścieżka folderu.");
    return unusableFolderReason(named);
}

// Rewrites the location file of `folder` to name `folder` itself, in one
// step. False, with the reason told, when it cannot.
bool nameItself(Dialogs& dialogs, FileOps& files, const QString& folder, const LocationRecord& location)
{
    const std::optional<LocationRecord> named = locationNaming(location, folder);
    if (!named) {
        dialogs.inform(nullptr,
                       QStringLiteral("Ścieżki %1 nie da się zapisać w pliku Admini/siec.dat: jest dłuższa niż 200 "
                                      "znaków albo ma znaki, których ten plik nie przechowa.")
                           .arg(quoted(folder)));
        return false;
    }
    try {
        RecordFile(files, DataPaths::locationFile(folder), location::Size).replace(named->bytes());
    } catch (const IoError& error) {
        dialogs.inform(nullptr, error.message());
        return false;
    }
    return true;
}

// The folder a start in `folder` is to use. When its location file names
// another folder, the user chooses: `folder`, whose location file then
// names it, or the folder named while that one can be used. Empty when
// another folder is to be chosen.
std::optional<QString> settledFolder(Dialogs& dialogs, FileOps& files, const QString& folder)
{
    const QString locationFile = DataPaths::locationFile(folder);
    if (!QFileInfo::exists(locationFile))
        return folder; // the window's start creates it, naming this folder
    LocationRecord location;
    try {
        location = readSingleRecord<LocationRecord>(files, locationFile);
    } catch (const IoError&) {
        return folder; // the window's start reports it
    }
    const QString named = namedDataFolder(location, folder);
    if (sameFolder(named, folder))
        return folder;

    const QString reason = unusableNamedFolderReason(named);
    QStringList told{QStringLiteral("Plik Admini/siec.dat w folderze %1 wskazuje folder danych %2.")
                         .arg(quoted(folder), quoted(named))};
    if (!reason.isEmpty())
        told.append(reason);
    const QString otherwise = reason.isEmpty()
        ? QStringLiteral("Odpowiedz „Nie”, aby pracować w folderze %1.").arg(quoted(named))
        : QStringLiteral("Odpowiedz „Nie”, aby wskazać inny folder danych.");
    const QString question = QStringLiteral("%1\nPracować w folderze %2 (i zapisać to w siec.dat)?\n%3")
                                 .arg(told.join(QLatin1Char(' ')), quoted(folder), otherwise);
    if (dialogs.ask(nullptr, question))
        return nameItself(dialogs, files, folder, location) ? std::optional(folder) : std::nullopt;
    if (reason.isEmpty())
        return named;
    return std::nullopt;
}

// A usable folder the user creates or picks; empty when the choice is cancelled.
std::optional<QString> chooseUsableFolder(Dialogs& dialogs, const QString& proposedFolder)
{
    const QString question = QStringLiteral("Założyć nowy folder danych %1?\n"
                                            "Odpowiedz „Nie”, aby wskazać istniejący folder danych.")
                                 .arg(quoted(proposedFolder));
    for (;;) {
        QString chosen;
        if (dialogs.ask(nullptr, question)) {
            chosen = proposedFolder;
            if (!prepareNewDataFolder(chosen)) {
                dialogs.inform(nullptr, QStringLiteral("Nie można założyć folderu %1.").arg(quoted(chosen)));
                continue;
            }
        } else {
            chosen = dialogs.chooseFolder(nullptr, QDir::homePath());
            if (chosen.isEmpty())
                return std::nullopt;
        }
        const QString reason = unusableFolderReason(chosen);
        if (reason.isEmpty())
            return chosen;
        dialogs.inform(nullptr, reason);
    }
}

} // namespace

std::optional<QString> desktopDataFolder(Dialogs& dialogs, FileOps& files, QSettings& memory,
                                         const QString& proposedFolder)
{
    const QString remembered = memory.value(rememberedKey).toString();
    QString folder = remembered;
    if (!folder.isEmpty()) {
        const QString reason = unusableFolderReason(folder);
        if (!reason.isEmpty()) {
            dialogs.inform(nullptr, reason);
            folder.clear();
        }
    }
    // Folders whose location file named another one; the user is not led
    // round a circle of them.
    QStringList passed;
    for (;;) {
        if (folder.isEmpty()) {
            const std::optional<QString> chosen = chooseUsableFolder(dialogs, proposedFolder);
            if (!chosen)
                return std::nullopt;
            folder = *chosen;
        }
        const std::optional<QString> settled = settledFolder(dialogs, files, folder);
        if (!settled) {
            folder.clear();
            continue;
        }
        if (*settled != folder) {
            // The folder named: its own location file is looked at next.
            passed.append(folder);
            folder = passed.contains(*settled) ? QString() : *settled;
            continue;
        }
        if (folder != remembered) {
            memory.setValue(rememberedKey, folder);
            memory.sync();
        }
        return folder;
    }
}

} // namespace kw
