// Every field of every record layout read from random and mutated bytes.

#include "tests/fuzz/fuzz_bytes.h"

#include "editing/selection_lines.h"
#include "store/records.h"

#include <gtest/gtest.h>

#include <vector>

namespace kw::fuzz {
namespace {

std::vector<StringField> documentFields()
{
    std::vector<StringField> fields = {doc::Place,      doc::IssueDate,     doc::DocNumber,   doc::NumberSuffix,
                                       doc::BuyerLine1, doc::BuyerLine2,    doc::BuyerLine3,  doc::BuyerLine4,
                                       doc::BuyerTaxId, doc::PaymentMethod, doc::ServiceDate, doc::PaymentTerm,
                                       doc::Signature,  doc::DocKind,       doc::CorrectedRef};
    for (LineTable table : {LineTable::Bill, LineTable::Correction})
        for (int column = 1; column <= doc::Columns; ++column)
            for (int line = 1; line <= doc::Lines; ++line)
                fields.push_back(lineCell(table, column, line));
    return fields;
}

std::vector<StringField> clientFields()
{
    std::vector<StringField> fields;
    for (int k = 1; k <= clients::Slots; ++k) {
        fields.push_back(clients::slotNumber(k));
        for (int n = 1; n <= 4; ++n)
            fields.push_back(clients::line(n, k));
        fields.push_back(clients::taxId(k));
    }
    return fields;
}

std::vector<StringField> serviceFields()
{
    std::vector<StringField> fields;
    for (int k = 1; k <= services::Slots; ++k)
        for (StringField f : {services::slotNumber(k), services::name(k), services::pkwiu(k), services::unit(k),
                              services::extra(k), services::price(k)})
            fields.push_back(f);
    return fields;
}

// Reads every field through Record::get and readString, whatever the input
// length, and checks the length clamp.
template <class R>
void readEveryField(const char* name, const QByteArray& seed, const std::vector<StringField>& fields, int rounds,
                    quint32 seedNumber)
{
    QRandomGenerator random(seedNumber);
    for (int round = 0; round < rounds; ++round) {
        const QByteArray bytes = fuzzBytes(random, R::Size, seed, fields);
        const R record = R::fromBytes(bytes);
        ASSERT_EQ(record.bytes().size(), R::Size);
        for (StringField field : fields) {
            ASSERT_LE(record.get(field).size(), field.maxChars) << name;
            ASSERT_LE(readString(bytes, field).size(), field.maxChars) << name;
        }
    }
    countRounds(name, rounds);
}

TEST(RecordReaderFuzz, EveryFieldOfEverySmallLayout)
{
    DocumentRecord bill = sentinelRecord(QStringLiteral("2024-05-21"));
    bill.set(doc::BuyerLine2, QStringLiteral("ul. Źródlana 5, 00-950 Łódź"));
    bill.set(lineCell(LineTable::Bill, 6, 1), QStringLiteral("  1234,50"));
    readEveryField<DocumentRecord>("document record", bill.bytes(), documentFields(), 3000, 1);

    SettingsRecord settingsRecord;
    settingsRecord.set(settings::BillNumber, QStringLiteral("12"));
    readEveryField<SettingsRecord>("settings record", settingsRecord.bytes(),
                                   {settings::Place, settings::BillNumber, settings::BillSuffix,
                                    settings::CorrectionNumber, settings::CorrectionSuffix, settings::CopyLabel,
                                    settings::Signature, settings::CopyCount, settings::PrintFootnote},
                                   5000, 2);
    readEveryField<CompanyRecord>("seller record", CompanyRecord().bytes(),
                                  {company::SellerLine1, company::SellerLine2, company::SellerLine3,
                                   company::SellerTaxId, company::SellerBank, company::SellerAccount},
                                  5000, 3);
    readEveryField<LocationRecord>("location record", initialLocation(QStringLiteral("/srv/dane")).bytes(),
                                   {location::LocalPath, location::NetworkPath}, 5000, 4);
    readEveryField<PrintFontRecord>("print font record", PrintFontRecord().bytes(), {printfont::Face}, 5000, 5);
    readEveryField<SalesRegisterRecord>("sales register record", SalesRegisterRecord().bytes(), {salesregister::Folder},
                                        5000, 6);
}

TEST(RecordReaderFuzz, ReadStringOnAnyFieldOfAnyBytes)
{
    QRandomGenerator random(7);
    const int rounds = 50000;
    for (int round = 0; round < rounds; ++round) {
        QByteArray bytes(random.bounded(600), Qt::Uninitialized);
        for (char& b : bytes)
            b = char(random.bounded(256));
        const StringField field{random.bounded(int(bytes.size()) + 16), random.bounded(256)};
        const QString text = readString(bytes, field);
        ASSERT_LE(text.size(), field.maxChars);
        if (field.end() > bytes.size()) {
            ASSERT_TRUE(text.isEmpty());
        }
    }
    countRounds("readString on any field", rounds);
}

TEST(RecordReaderFuzz, ClientAndServiceListsAndTheirSelectionLines)
{
    QRandomGenerator random(8);
    const std::vector<StringField> clientList = clientFields();
    const std::vector<StringField> serviceList = serviceFields();
    ClientListRecord clients = emptyClientList();
    clients.set(clients::line(1, 3), QStringLiteral("Zakład Szewski"));
    ServiceListRecord services = emptyServiceList();
    services.set(services::name(2), QStringLiteral("Naprawa obuwia"));
    const int clientRounds = 12;
    for (int round = 0; round < clientRounds; ++round) {
        const QByteArray bytes = fuzzBytes(random, clients::Size, clients.bytes(), clientList);
        const ClientListRecord list = ClientListRecord::fromBytes(bytes);
        const SelectionLines lines = clientLines(list);
        ASSERT_EQ(lines.texts.size(), lines.sources.size());
        ASSERT_LE(lines.texts.size(), clients::Slots);
    }
    const int serviceRounds = 400;
    for (int round = 0; round < serviceRounds; ++round) {
        const QByteArray bytes = fuzzBytes(random, services::Size, services.bytes(), serviceList);
        const ServiceListRecord list = ServiceListRecord::fromBytes(bytes);
        for (StringField field : serviceList)
            ASSERT_LE(list.get(field).size(), field.maxChars);
        const SelectionLines lines = serviceLines(list);
        ASSERT_EQ(lines.texts.size(), lines.sources.size());
        ASSERT_LE(lines.texts.size(), services::Slots);
    }
    countRounds("client list and its lines", clientRounds);
    countRounds("service list and its lines", serviceRounds);
}

} // namespace
} // namespace kw::fuzz
