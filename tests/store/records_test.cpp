#include "store/records.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kw {
namespace {

// Puts a length byte and the code page bytes of `text` at `offset`.
void put(QByteArray& bytes, int offset, const QByteArray& text)
{
    bytes[offset] = char(text.size());
    bytes.replace(offset + 1, text.size(), text);
}

bool allZero(const QByteArray& bytes, qsizetype from, qsizetype to)
{
    return std::all_of(bytes.begin() + from, bytes.begin() + to, [](char b) { return b == 0; });
}

TEST(DocumentRecordLayout, FieldsLieAtTheirOffsets)
{
    DocumentRecord r;
    r.set(doc::Place, QStringLiteral("Kraków"));
    r.set(doc::IssueDate, QStringLiteral("2024-03-05"));
    r.set(doc::BuyerLine1, QStringLiteral("Jan Żak"));
    r.set(doc::BuyerTaxId, QStringLiteral("123-456-78-90"));
    r.set(doc::PaymentMethod, QStringLiteral("Karta kredytowa"));
    r.set(doc::Signature, QStringLiteral("Ewa"));
    r.set(lineCell(LineTable::Bill, 1, 1), QStringLiteral("Strzyżenie"));
    r.set(lineCell(LineTable::Bill, 2, 3), QStringLiteral("96.02"));
    r.set(lineCell(LineTable::Bill, 6, 3), QStringLiteral("   12.00"));
    r.set(lineCell(LineTable::Correction, 1, 2), QStringLiteral("Mycie"));
    r.set(lineCell(LineTable::Correction, 4, 1), QStringLiteral("   2.00"));
    r.set(doc::DocKind, QStringLiteral("K"));
    r.set(doc::CorrectedRef, QStringLiteral("7/2024"));

    QByteArray golden(3251, '\0');
    put(golden, 0, "Krak\xF3w");
    put(golden, 41, "2024-03-05");
    put(golden, 84,
        "Jan \xAF"
        "ak");
    put(golden, 408, "123-456-78-90");
    put(golden, 429, "Karta kredytowa");
    put(golden, 477, "Ewa");
    put(golden, 518,
        "Strzy\xBF"
        "enie");
    put(golden, 518 + 183 + 2 * 61, "96.02");
    put(golden, 518 + 5 * 183 + 2 * 61, "   12.00");
    put(golden, 1868 + 61, "Mycie");
    put(golden, 1868 + 3 * 183, "   2.00");
    put(golden, 3218, "K");
    put(golden, 3220, "7/2024");

    ASSERT_EQ(r.bytes().size(), 3251);
    EXPECT_EQ(r.bytes(), golden);

    const DocumentRecord back = DocumentRecord::fromBytes(golden);
    EXPECT_EQ(back.get(doc::BuyerLine1), QStringLiteral("Jan Żak"));
    EXPECT_EQ(back.get(lineCell(LineTable::Bill, 6, 3)), QStringLiteral("   12.00"));
    EXPECT_EQ(back.get(lineCell(LineTable::Correction, 4, 1)), QStringLiteral("   2.00"));
    EXPECT_TRUE(isCorrective(back));
    EXPECT_FALSE(isBill(back));
}

TEST(DocumentRecordLayout, LastCellOfEachTableEndsAtItsReservedBlock)
{
    DocumentRecord r;
    r.set(lineCell(LineTable::Bill, 6, 3), QString(70, QLatin1Char('x')));
    r.set(lineCell(LineTable::Correction, 6, 3), QString(70, QLatin1Char('y')));
    r.set(doc::CorrectedRef, QString(40, QLatin1Char('z')));
    EXPECT_TRUE(allZero(r.bytes(), 1616, 1868));
    EXPECT_TRUE(allZero(r.bytes(), 2966, 3218));
    EXPECT_EQ(r.bytes()[1615], 'x');
    EXPECT_EQ(r.bytes()[2965], 'y');
    EXPECT_EQ(r.bytes()[3250], 'z');
    EXPECT_EQ(r.get(doc::CorrectedRef).size(), 30);
}

TEST(DocumentRecord, FromBytesPadsAShortInputAndTakesTheFirstRecordOfALongOne)
{
    QByteArray shortInput(100, '\0');
    put(shortInput, 52, "17");
    const DocumentRecord padded = DocumentRecord::fromBytes(shortInput);
    EXPECT_EQ(padded.bytes().size(), 3251);
    EXPECT_EQ(padded.get(doc::DocNumber), QStringLiteral("17"));
    EXPECT_TRUE(allZero(padded.bytes(), 100, 3251));

    QByteArray longInput(3251 + 10, 'q');
    EXPECT_EQ(DocumentRecord::fromBytes(longInput).bytes(), QByteArray(3251, 'q'));
}

TEST(DocumentRecord, KindIsBillOnlyForF)
{
    DocumentRecord r;
    EXPECT_FALSE(isBill(r));
    EXPECT_FALSE(isCorrective(r));
    r.set(doc::DocKind, QStringLiteral("F"));
    EXPECT_TRUE(isBill(r));
    r.set(doc::DocKind, QStringLiteral("X"));
    EXPECT_FALSE(isBill(r));
    EXPECT_FALSE(isCorrective(r));
}

TEST(SentinelRecord, HoldsNumberZeroTheDateAndTheOpeningLineOnly)
{
    QByteArray golden(3251, '\0');
    put(golden, 52, "0");
    put(golden, 63, "2024-03-05");
    put(golden, 84, "Pocz\xB9tek bloczka rachunkowego");
    put(golden, 3218, "F");
    const DocumentRecord sentinel = sentinelRecord(QStringLiteral("2024-03-05"));
    EXPECT_EQ(sentinel.bytes(), golden);
    EXPECT_EQ(sentinel.get(doc::IssueDate), QString());
    EXPECT_TRUE(isBill(sentinel));
}

TEST(InitialLocation, SelectsTheLocalPathHoldingTheStartFolder)
{
    QByteArray golden(403, '\0');
    golden[0] = 1;
    put(golden, 1, "/home/j\xF3zef/kwitarnia");
    EXPECT_EQ(initialLocation(QStringLiteral("/home/józef/kwitarnia")).bytes(), golden);
}

TEST(InitialLocation, LongStartFolderIsCutTo200Characters)
{
    const QString start = QStringLiteral("/") + QString(249, QLatin1Char('d'));
    const LocationRecord r = initialLocation(start);
    EXPECT_EQ(r.byteAt(0), 1);
    EXPECT_EQ(r.byteAt(1), 200);
    EXPECT_EQ(r.get(location::LocalPath), start.left(200));
    EXPECT_TRUE(allZero(r.bytes(), 202, 403));
}

TEST(EmptyClientList, NumbersEverySlotAndUsesNone)
{
    const ClientListRecord r = emptyClientList();
    const QByteArray& b = r.bytes();
    ASSERT_EQ(b.size(), 3490698);
    EXPECT_EQ(b.mid(0, 6),
              QByteArray("\x02"
                         "01\0\0\0",
                         6));
    EXPECT_EQ(b.mid(8 * 6, 6),
              QByteArray("\x02"
                         "09\0\0\0",
                         6));
    EXPECT_EQ(b.mid(9 * 6, 6),
              QByteArray("\x02"
                         "10\0\0\0",
                         6));
    EXPECT_EQ(b.mid(99 * 6, 6),
              QByteArray("\x03"
                         "100\0\0",
                         6));
    EXPECT_EQ(b.mid(5000 * 6, 6),
              QByteArray("\x04"
                         "5001\0",
                         6));
    // Nothing after the slot numbers: no client line, tax number or reserved byte.
    EXPECT_TRUE(allZero(b, 30006, b.size()));
    for (int k = 1; k <= 5001; k += 500)
        EXPECT_EQ(r.get(clients::line(1, k)), QString()) << k;
}

TEST(EmptyServiceList, NumbersEverySlotAndUsesNone)
{
    const ServiceListRecord r = emptyServiceList();
    const QByteArray& b = r.bytes();
    ASSERT_EQ(b.size(), 36984);
    EXPECT_EQ(b.mid(0, 4),
              QByteArray("\x02"
                         "01\0",
                         4));
    EXPECT_EQ(b.mid(9 * 4, 4),
              QByteArray("\x02"
                         "10\0",
                         4));
    EXPECT_EQ(b.mid(200 * 4, 4),
              QByteArray("\x03"
                         "201",
                         4));
    EXPECT_TRUE(allZero(b, 804, b.size()));
}

TEST(ListLayouts, SlotFieldsLieAtTheirArrayOffsets)
{
    ClientListRecord c;
    c.set(clients::line(1, 1), QStringLiteral("Anna"));
    c.set(clients::line(4, 5001), QStringLiteral("Gdańsk"));
    c.set(clients::taxId(2), QStringLiteral("1"));
    EXPECT_EQ(c.bytes().mid(30006, 5),
              QByteArray("\x04"
                         "Anna"));
    EXPECT_EQ(c.bytes().mid(1245249 + 5000 * 81, 7),
              QByteArray("\x06"
                         "Gda\xF1sk"));
    EXPECT_EQ(c.bytes().mid(1650330 + 21, 2),
              QByteArray("\x01"
                         "1"));

    ServiceListRecord s;
    s.set(services::name(201), QStringLiteral("Pranie"));
    s.set(services::price(1), QStringLiteral("9.50"));
    s.set(services::extra(2), QStringLiteral("x"));
    EXPECT_EQ(s.bytes().mid(804 + 200 * 101, 7),
              QByteArray("\x06"
                         "Pranie"));
    EXPECT_EQ(s.bytes().mid(32763, 5),
              QByteArray("\x04"
                         "9.50"));
    EXPECT_EQ(s.bytes().mid(31557 + 6, 2),
              QByteArray("\x01"
                         "x"));
}

} // namespace
} // namespace kw
