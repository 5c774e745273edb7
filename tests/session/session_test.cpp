#include "tests/session/session_test.h"

#include "tests/support/file_bytes.h"

namespace kw {

void SessionTest::start()
{
    session.setFolder(folder.paths(), today());
    session.readSettings();
    session.openDocuments();
}

void SessionTest::edit(const std::function<void(DocumentForm&)>& change)
{
    DocumentForm form = session.form();
    change(form);
    session.setForm(form);
}

QByteArray SessionTest::writeDocuments(std::initializer_list<DocumentRecord> records)
{
    QByteArray bytes;
    for (const DocumentRecord& record : records)
        bytes += record.bytes();
    writeFileBytes(folder.paths().documentFile(), bytes);
    return bytes;
}

void SessionTest::writeSettings(const SettingsRecord& settings)
{
    writeFileBytes(folder.admini() + QStringLiteral("/rachunek.dat"), settings.bytes());
}

QByteArray SessionTest::documents() const { return readFileBytes(folder.paths().documentFile()); }

qint64 SessionTest::storedCount() const { return documents().size() / doc::Size; }

DocumentRecord SessionTest::stored(qint64 position) const
{
    return DocumentRecord::fromBytes(documents().mid((position - 1) * doc::Size, doc::Size));
}

QByteArray SessionTest::settingsBytes() const
{
    return readFileBytes(folder.admini() + QStringLiteral("/rachunek.dat"));
}

DocumentRecord SessionTest::sentinel() { return sentinelRecord(QStringLiteral("2009-01-01")); }

namespace {

void setLine(DocumentRecord& record, LineTable table, const QString& name, const QString& price, const QString& total)
{
    record.set(lineCell(table, 1, 1), name);
    record.set(lineCell(table, 2, 1), QStringLiteral("96.09.19"));
    record.set(lineCell(table, 3, 1), QStringLiteral("szt."));
    record.set(lineCell(table, 4, 1), QStringLiteral("   2.00"));
    record.set(lineCell(table, 5, 1), price);
    record.set(lineCell(table, 6, 1), total);
}

} // namespace

DocumentRecord SessionTest::bill(const QString& number, const QString& buyer)
{
    DocumentRecord r;
    r.set(doc::Place, QStringLiteral("Gdańsk"));
    r.set(doc::IssueDate, QStringLiteral("2009-02-10"));
    r.set(doc::DocNumber, number);
    r.set(doc::NumberSuffix, QStringLiteral("2009"));
    r.set(doc::BuyerLine1, buyer);
    r.set(doc::BuyerTaxId, QStringLiteral("584-000-00-00"));
    r.set(doc::PaymentMethod, QStringLiteral("Przelew"));
    r.set(doc::PaymentTerm, QStringLiteral("14 dni"));
    r.set(doc::ServiceDate, QStringLiteral("2009-02-09"));
    r.set(doc::Signature, QStringLiteral("Ewa"));
    setLine(r, LineTable::Bill, QStringLiteral("Usługa A"), QStringLiteral("   10.00"), QStringLiteral("    20.00"));
    r.set(doc::DocKind, QStringLiteral("F"));
    return r;
}

DocumentRecord SessionTest::correctiveBill(const QString& number)
{
    DocumentRecord r = bill(number, QStringLiteral("Kowalski"));
    r.set(doc::NumberSuffix, QStringLiteral("K/2009"));
    setLine(r, LineTable::Correction, QStringLiteral("Usługa A po korekcie"), QStringLiteral("    8.00"),
            QStringLiteral("    16.00"));
    r.set(doc::CorrectedRef, QStringLiteral("2/2009"));
    r.set(doc::DocKind, QStringLiteral("K"));
    return r;
}

QByteArray tableBytes(const DocumentRecord& record, LineTable table)
{
    const int start = table == LineTable::Bill ? doc::BillLines : doc::CorrectionLines;
    return record.bytes().mid(start, doc::LineTableBytes);
}

} // namespace kw
