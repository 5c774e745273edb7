#include "tests/cli/cli_data.h"

#include "print/print_font.h"
#include "store/data_folder.h"

#include <QDir>
#include <QFile>

#include <stdexcept>

namespace kw {

namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

DocumentRecord document(const QString& kind, const QString& number, const QString& suffix, const QString& issueDate,
                        const QString& buyer)
{
    DocumentRecord record;
    record.set(doc::Place, QStringLiteral("Kraków"));
    record.set(doc::IssueDate, issueDate);
    record.set(doc::DocNumber, number);
    record.set(doc::NumberSuffix, suffix);
    record.set(doc::BuyerLine1, buyer);
    record.set(doc::BuyerLine2, QStringLiteral("ul. Długa 5"));
    record.set(doc::BuyerLine3, QStringLiteral("31-147 Kraków"));
    record.set(doc::PaymentMethod, QStringLiteral("Gotówka"));
    record.set(doc::PaymentTerm, QStringLiteral("7 dni"));
    record.set(doc::ServiceDate, issueDate);
    record.set(doc::Signature, QStringLiteral("Anna Nowak"));
    record.set(doc::DocKind, kind);
    return record;
}

void setServiceLine(DocumentRecord& record, LineTable table, const QString& total)
{
    record.set(lineCell(table, 1, 1), QStringLiteral("Naprawa zegarka"));
    record.set(lineCell(table, 3, 1), QStringLiteral("szt."));
    record.set(lineCell(table, 4, 1), QStringLiteral("1.00"));
    record.set(lineCell(table, 5, 1), total);
    record.set(lineCell(table, 6, 1), total);
}

} // namespace

DocumentRecord cliBill(int number, const QString& issueDate, const QString& buyer, const QString& total)
{
    DocumentRecord record =
        document(QStringLiteral("F"), QString::number(number), QStringLiteral("2009"), issueDate, buyer);
    setServiceLine(record, LineTable::Bill, total);
    return record;
}

DocumentRecord cliCorrectiveBill(int number, const QString& issueDate, const QString& buyer, const QString& corrected,
                                 const QString& before, const QString& after)
{
    DocumentRecord record =
        document(QStringLiteral("K"), QString::number(number), QStringLiteral("K/2009"), issueDate, buyer);
    record.set(doc::CorrectedRef, corrected);
    setServiceLine(record, LineTable::Bill, before);
    setServiceLine(record, LineTable::Correction, after);
    return record;
}

void writeCliDataFolder(const QString& folder, const QList<DocumentRecord>& documents)
{
    const DataPaths paths(folder);
    SettingsRecord settings;
    settings.set(settings::Place, QStringLiteral("Kraków"));
    settings.set(settings::CopyLabel, QStringLiteral("oryginał / kopia"));
    settings.set(settings::CopyCount, QStringLiteral("2"));
    settings.set(settings::PrintFootnote, QStringLiteral("Zwolnienie z VAT na podstawie art. 113"));
    writeFile(paths.settingsFile(), settings.bytes());

    CompanyRecord seller;
    seller.set(company::SellerLine1, QStringLiteral("Zegarmistrz Żółkiewski"));
    seller.set(company::SellerLine2, QStringLiteral("ul. Floriańska 3"));
    seller.set(company::SellerLine3, QStringLiteral("31-019 Kraków"));
    seller.set(company::SellerTaxId, QStringLiteral("676-000-11-22"));
    writeFile(paths.sellerFile(), seller.bytes());

    QByteArray bytes = sentinelRecord(QStringLiteral("2009-03-01")).bytes();
    for (const DocumentRecord& record : documents)
        bytes += record.bytes();
    writeFile(paths.documentFile(), bytes);
}

void writeLocationFile(const QString& startFolder, quint8 mode, const QString& localPath, const QString& networkPath)
{
    LocationRecord location;
    location.setByteAt(location::FolderMode, mode);
    location.set(location::LocalPath, localPath);
    location.set(location::NetworkPath, networkPath);
    QDir(startFolder).mkpath(QStringLiteral("Admini"));
    writeFile(startFolder + QStringLiteral("/Admini/siec.dat"), location.bytes());
}

void writePrintFontFile(const QString& startFolder, const QString& face, int points)
{
    PrintFontRecord font;
    font.set(printfont::Face, face);
    font.setInt32At(printfont::PointSize, points);
    QDir(startFolder).mkpath(QStringLiteral("FONT"));
    writeFile(startFolder + QStringLiteral("/FONT/") + printFontFileName, font.bytes());
}

} // namespace kw
