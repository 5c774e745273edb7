#include "app/desktop_data_folder.h"

#include "store/data_files.h"
#include "store/data_folder.h"
#include "store/io_error.h"
#include "store/records.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

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

std::optional<QString> desktopDataFolder(Dialogs& dialogs, QSettings& memory, const QString& proposedFolder)
{
    const QString remembered = memory.value(rememberedKey).toString();
    if (!remembered.isEmpty()) {
        const QString reason = unusableFolderReason(remembered);
        if (reason.isEmpty())
            return remembered;
        dialogs.inform(nullptr, reason);
    }
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
        if (reason.isEmpty()) {
            memory.setValue(rememberedKey, chosen);
            memory.sync();
            return chosen;
        }
        dialogs.inform(nullptr, reason);
    }
}

} // namespace kw
