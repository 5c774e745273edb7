#pragma once

#include <QString>

namespace kw {

// Joins `relative` (components separated by '/') onto `base`. A component
// that does not exist with the exact spelling is matched case-insensitively
// against the folder's entries, so "ADMINI" finds "Admini"; a component with
// no match keeps its spelling, which is where a new file is then created.
QString resolvePath(const QString& base, const QString& relative);

// Where each data file of the module lies under the data folder.
class DataPaths
{
public:
    explicit DataPaths(const QString& dataFolder = {}) : folder_(dataFolder) {}

    const QString& folder() const { return folder_; }

    // Admini/siec.dat under the start folder: decides the data folder.
    static QString locationFile(const QString& startFolder);

    QString settingsFile() const { return at(QStringLiteral("ADMINI/rachunek.dat")); }
    QString sellerFile() const { return at(QStringLiteral("ADMINI/firma.dat")); }
    QString infoFile() const { return at(QStringLiteral("ADMINI/info.dat")); }
    QString salesRegisterFile() const { return at(QStringLiteral("Admini/ewidencja.dat")); }
    QString documentFile() const { return at(QStringLiteral("Uslugi/dokumenty_r.dat")); }
    QString documentCopyFile() const { return at(QStringLiteral("Uslugi/dokumenty_r.old")); }
    QString documentLockFile() const { return at(QStringLiteral("Uslugi/dokumenty_r.lock")); }
    QString documentJournalFile() const;
    QString clientFile() const { return at(QStringLiteral("Uslugi/klienci.dat")); }
    QString serviceFile() const { return at(QStringLiteral("Uslugi/uslugi.dat")); }
    // Which bills are paid: this module's own file, see PaymentMarks.
    QString paymentMarksFile() const { return at(QStringLiteral("Uslugi/zaplaty.txt")); }

private:
    QString at(const QString& relative) const { return resolvePath(folder_, relative); }

    QString folder_;
};

} // namespace kw
