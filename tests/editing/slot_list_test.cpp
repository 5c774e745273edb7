#include "editing/slot_list.h"
#include "store/records.h"

#include <gtest/gtest.h>

#include <cstring>

namespace kw {
namespace {

// A client list whose every byte is junk, as another program may leave it.
QByteArray junkClientList()
{
    QByteArray bytes(clients::Size, '\xA5');
    for (int k = 1; k <= clients::Slots; ++k)
        bytes[clients::line(1, k).offset] = '\0';
    return bytes;
}

const QStringList kowalski = {QStringLiteral("Jan Kowalski"), QStringLiteral("ul. Źródlana 5"),
                              QStringLiteral("00-950 Łódź"), QString(), QStringLiteral("123-456-32-18")};

TEST(SlotList, SettingAClientWritesItsFieldsByHandAndNothingElse)
{
    const QByteArray before = junkClientList();
    SlotList list(clientListLayout(), before);
    list.setEntry(7, kowalski);

    QByteArray expected = before;
    const auto put = [&](int offset, const QByteArray& text, int width) {
        std::memset(expected.data() + offset, 0, width + 1);
        expected[offset] = char(text.size());
        std::memcpy(expected.data() + offset + 1, text.constData(), text.size());
    };
    const int slot = 6; // 0-based slot 7
    put(clients::ClientLine1 + slot * 81, "Jan Kowalski", 80);
    put(clients::ClientLine2 + slot * 81,
        "ul. \x8F"
        "r\xF3"
        "dlana 5",
        80);
    put(clients::ClientLine3 + slot * 81,
        "00-950 \xA3\xF3"
        "d\x9F",
        80);
    put(clients::ClientLine4 + slot * 81, "", 80);
    put(clients::ClientTaxId + slot * 21, "123-456-32-18", 20);
    EXPECT_EQ(list.bytes(), expected);
    EXPECT_EQ(list.entry(7), kowalski);
    EXPECT_EQ(list.slotsInUse(), QList<int>{7});
}

TEST(SlotList, AnUnchangedColumnKeepsItsJunkAndDeletingEmptiesOnlyTheSlotsColumns)
{
    SlotList list(clientListLayout(), emptyClientList().bytes());
    list.setEntry(2, kowalski);
    QByteArray withJunk = list.bytes();
    withJunk[clients::taxId(2).offset + 18] = '\x77'; // after the 13 characters of the tax number
    withJunk[clients::ClientReserved + 347] = '\x55'; // the second slot's reserved bytes
    SlotList edited(clientListLayout(), withJunk);

    QStringList renamed = kowalski;
    renamed[0] = QStringLiteral("Jan Nowak");
    edited.setEntry(2, renamed);
    EXPECT_EQ(edited.bytes()[clients::taxId(2).offset + 18], '\x77');

    edited.clear(2);
    EXPECT_FALSE(edited.inUse(2));
    EXPECT_EQ(edited.entry(2), QStringList(5, QString()));
    EXPECT_EQ(edited.bytes()[clients::ClientReserved + 347], '\x55');
    EXPECT_EQ(edited.bytes().mid(clients::slotNumber(2).offset, 6), emptyClientList().bytes().mid(6, 6));
}

TEST(SlotList, FreeSlotsAndSearch)
{
    SlotList list(serviceListLayout(), emptyServiceList().bytes());
    EXPECT_EQ(list.firstFreeSlot(), 1);
    for (int k = 1; k <= services::Slots; ++k)
        list.setEntry(k,
                      {QStringLiteral("Usługa %1").arg(k), {}, QStringLiteral("godz."), {}, QStringLiteral("10.00")});
    EXPECT_EQ(list.firstFreeSlot(), 0);
    list.clear(150);
    EXPECT_EQ(list.firstFreeSlot(), 150);
    EXPECT_TRUE(list.matches(12, QStringLiteral("usŁUGA 12")));
    EXPECT_TRUE(list.matches(12, QStringLiteral("GODZ")));
    EXPECT_FALSE(list.matches(13, QStringLiteral("Usługa 12")));
}

TEST(SlotList, ProblemsNameTheColumn)
{
    SlotList list(serviceListLayout(), emptyServiceList().bytes());
    const struct {
        QStringList values;
        QString problem;
    } cases[] = {
        {{QStringLiteral("Mycie"), {}, {}, {}, QStringLiteral("12.50")}, {}},
        {{{}, {}, {}, {}, QStringLiteral("12.50")}, QStringLiteral("Pole „Nazwa usługi” nie może być puste.")},
        {{QStringLiteral("Mycie"), {}, {}, QStringLiteral("123456"), {}},
         QStringLiteral("Pole „Dopisek” mieści najwyżej 5 znaków, a wpisano 6.")},
        {{QString(101, QLatin1Char('x')), {}, {}, {}, {}},
         QStringLiteral("Pole „Nazwa usługi” mieści najwyżej 100 znaków, a wpisano 101.")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(list.problem(c.values), c.problem);
}

} // namespace
} // namespace kw
