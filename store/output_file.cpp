#include "store/output_file.h"

#include "store/data_folder.h"
#include "store/io_error.h"
#include "store/open_file.h"
#include "store/record_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kw {

namespace {

// More links than this in a row is a loop; the system gives up at 40 too.
constexpr int maxLinksFollowed = 40;

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

QString kindName(OutputKind kind)
{
    switch (kind) {
    case OutputKind::Pdf: return QStringLiteral("plikiem PDF");
    case OutputKind::Zip: return QStringLiteral("archiwum ZIP");
    case OutputKind::Csv: return QStringLiteral("plikiem CSV");
    }
    return {};
}

bool holdsKind(const QString& path, OutputKind kind)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(4096);
    if (head.isEmpty())
        return true;
    switch (kind) {
    case OutputKind::Pdf: return head.startsWith("%PDF-");
    case OutputKind::Zip: return head.startsWith("PK");
    case OutputKind::Csv: return path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive) && !head.contains('\0');
    }
    return false;
}

[[noreturn]] void refuse(const QString& target, const QString& reason)
{
    throw IoError(QStringLiteral("Nie zapisano pliku %1: %2.").arg(target, reason));
}

void checkTarget(const QString& target, const QString& resolved, OutputKind kind, const QStringList& folders)
{
    const QString anySpelling = resolvedTarget(target, true);
    for (const QString& folder : folders) {
        if (liesIn(resolved, folder) || liesIn(anySpelling, folder))
            refuse(target, QStringLiteral("to plik w folderze danych programu %1; podaj inną nazwę").arg(folder));
    }
    const QFileInfo info(resolved);
    if (!info.exists())
        return;
    if (!info.isFile())
        refuse(target, QStringLiteral("to nie jest zwykły plik"));
    if (!holdsKind(resolved, kind))
        refuse(target,
               QStringLiteral("taki plik już istnieje i nie jest %1, więc go nie zastąpiono").arg(kindName(kind)));
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

void writeOutputFile(FileOps& ops, const QString& target, OutputKind kind, const QByteArray& bytes,
                     const QStringList& protectedFolders)
{
    // Written as spelled: "Rachunek.pdf" is a file of its own beside "rachunek.pdf".
    const QString resolved = resolvedTarget(target, false);
    checkTarget(target, resolved, kind, protectedFolders);
    try {
        replaceFileAtomically(ops, resolved, temporaryNameFor(resolved), [&](OpenFile& out) { out.writeAt(0, bytes); });
    } catch (const IoError& error) {
        // The layer names the temporary file; the user knows the target.
        throw IoError(QStringLiteral("Nie można zapisać pliku %1. %2").arg(target, error.message()));
    }
}

} // namespace kw
