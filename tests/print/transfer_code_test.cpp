#include "print/transfer_code.h"
#include "tests/print/bill_fixture.h"

#include <gtest/gtest.h>

#include "tests/print/qt_printers.h"

namespace kw {
namespace {

Money zloty(qint64 grosze) { return Money::fromUnits(grosze * Money::unitsPerGrosz); }

TransferOrder validOrder()
{
    return {QStringLiteral("676-123-45-65"), QStringLiteral("61 1090 1014 0000 0712 1981 2874"), zloty(12050),
            QStringLiteral("Zegarmistrz"), QStringLiteral("Rachunek 7/2026")};
}

struct LineCase {
    const char* name;
    TransferOrder order;
    const char* line;
};

void PrintTo(const LineCase& c, std::ostream* os) { *os << c.name; }

class TransferCodeLineTest : public ::testing::TestWithParam<LineCase>
{};

TEST_P(TransferCodeLineTest, GivesTheNineFields)
{
    const std::optional<QString> line = transferCodeLine(GetParam().order);
    ASSERT_TRUE(line.has_value());
    EXPECT_EQ(*line, QString::fromUtf8(GetParam().line));
    EXPECT_EQ(line->count(QLatin1Char('|')), 8);
}

TransferOrder with(void (*change)(TransferOrder&))
{
    TransferOrder order = validOrder();
    change(order);
    return order;
}

INSTANTIATE_TEST_SUITE_P(
    Orders, TransferCodeLineTest,
    ::testing::Values(
        LineCase{"Plain", validOrder(),
                 "6761234565|PL|61109010140000071219812874|012050|Zegarmistrz|Rachunek 7/2026|||"},
        LineCase{"NoNip", with([](TransferOrder& o) { o.sellerNip = QStringLiteral("  "); }),
                 "|PL|61109010140000071219812874|012050|Zegarmistrz|Rachunek 7/2026|||"},
        LineCase{"CountryCodesAndHyphens", with([](TransferOrder& o) {
                     o.sellerNip = QStringLiteral("PL6761234565");
                     o.account = QStringLiteral("PL61-1090-1014-0000-0712-1981-2874");
                 }),
                 "6761234565|PL|61109010140000071219812874|012050|Zegarmistrz|Rachunek 7/2026|||"},
        LineCase{"SmallestAndLargestAmounts", with([](TransferOrder& o) { o.amount = zloty(1); }),
                 "6761234565|PL|61109010140000071219812874|000001|Zegarmistrz|Rachunek 7/2026|||"},
        LineCase{"LargestAmount", with([](TransferOrder& o) { o.amount = zloty(999999); }),
                 "6761234565|PL|61109010140000071219812874|999999|Zegarmistrz|Rachunek 7/2026|||"},
        // 0,005 zł rounds to a grosz, as the printed total shows it.
        LineCase{"HalfAGroszRoundsUp", with([](TransferOrder& o) { o.amount = Money::fromUnits(50); }),
                 "6761234565|PL|61109010140000071219812874|000001|Zegarmistrz|Rachunek 7/2026|||"},
        LineCase{"PolishLettersLoseTheirMarks", with([](TransferOrder& o) {
                     o.recipient = QStringLiteral("ĄĆĘŁŃÓŚŹŻ ąćęłńóśźż");
                     o.title = QStringLiteral("Rachunek 7/Żółć");
                 }),
                 "6761234565|PL|61109010140000071219812874|012050|ACELNOSZZ acelnoszz|Rachunek 7/Zolc|||"},
        LineCase{
            "LongTextsAreCut", with([](TransferOrder& o) {
                o.recipient = QStringLiteral("Zakład Fryzjerski Grzywka s.c.");
                o.title = QStringLiteral("Rachunek 1234567/2026/USLUGI/FRYZJERSKIE");
            }),
            "6761234565|PL|61109010140000071219812874|012050|Zaklad Fryzjerski Gr|Rachunek 1234567/2026/USLUGI/FRY|||"},
        LineCase{"NoBarInsideAField", with([](TransferOrder& o) {
                     o.recipient = QStringLiteral("Kowalski|Nowak");
                     o.title = QStringLiteral("Rachunek|7\t/2026");
                 }),
                 "6761234565|PL|61109010140000071219812874|012050|Kowalski Nowak|Rachunek 7 /2026|||"},
        LineCase{"BlanksAtACutAreDropped",
                 with([](TransferOrder& o) { o.recipient = QStringLiteral("  Jan    Kowalski   i Syn  "); }),
                 "6761234565|PL|61109010140000071219812874|012050|Jan Kowalski i Syn|Rachunek 7/2026|||"},
        LineCase{"OtherCharactersAreLeftOut",
                 with([](TransferOrder& o) { o.recipient = QStringLiteral("Café «Ω» №1"); }),
                 "6761234565|PL|61109010140000071219812874|012050|Cafe No1|Rachunek 7/2026|||"}),
    [](const ::testing::TestParamInfo<LineCase>& c) { return std::string(c.param.name); });

struct RefusedCase {
    const char* name;
    TransferOrder order;
};

void PrintTo(const RefusedCase& c, std::ostream* os) { *os << c.name; }

class TransferCodeRefusedTest : public ::testing::TestWithParam<RefusedCase>
{};

TEST_P(TransferCodeRefusedTest, GivesNoCode) { EXPECT_FALSE(transferCodeLine(GetParam().order).has_value()); }

INSTANTIATE_TEST_SUITE_P(
    Orders, TransferCodeRefusedTest,
    ::testing::Values(
        RefusedCase{"NoAccount", with([](TransferOrder& o) { o.account.clear(); })},
        RefusedCase{"AccountCheckDigitsWrong",
                    with([](TransferOrder& o) { o.account = QStringLiteral("62 1090 1014 0000 0712 1981 2874"); })},
        RefusedCase{"AccountOfTwentyFiveDigits",
                    with([](TransferOrder& o) { o.account = QStringLiteral("61 1090 1014 0000 0712 1981 287"); })},
        RefusedCase{"AccountWithLetters",
                    with([](TransferOrder& o) { o.account = QStringLiteral("61 1090 1014 0000 0712 1981 287X"); })},
        RefusedCase{"ForeignIban",
                    with([](TransferOrder& o) { o.account = QStringLiteral("DE89 3704 0044 0532 0130 00"); })},
        RefusedCase{"NipChecksumWrong", with([](TransferOrder& o) { o.sellerNip = QStringLiteral("676-123-45-66"); })},
        RefusedCase{"NipOfNineDigits", with([](TransferOrder& o) { o.sellerNip = QStringLiteral("676-123-45-6"); })},
        RefusedCase{"AmountOverSixDigits", with([](TransferOrder& o) { o.amount = zloty(1000000); })},
        RefusedCase{"AmountZero", with([](TransferOrder& o) { o.amount = Money(); })},
        RefusedCase{"AmountNegative", with([](TransferOrder& o) { o.amount = zloty(-2000); })},
        RefusedCase{"RecipientBlank", with([](TransferOrder& o) { o.recipient = QStringLiteral(" | "); })}),
    [](const ::testing::TestParamInfo<RefusedCase>& c) { return std::string(c.param.name); });

BillPrintout transferBill()
{
    BillPrintout bill = sampleBill();
    bill.head.paymentMethod = QStringLiteral("Przelew");
    bill.seller.set(company::SellerTaxId, QStringLiteral("676-123-45-65"));
    bill.seller.set(company::SellerAccount, QStringLiteral("61 1090 1014 0000 0712 1981 2874"));
    return bill;
}

TEST(TransferOrderFor, ABillPaidByTransferAsksForItsTotalToTheSellersAccount)
{
    const std::optional<TransferOrder> order = transferOrderFor(transferBill());
    ASSERT_TRUE(order.has_value());
    EXPECT_EQ(
        transferCodeLine(*order),
        QStringLiteral("6761234565|PL|61109010140000071219812874|001250|Zaklad Fryzjerski Gr|Rachunek 7/2009|||"));
}

TEST(TransferOrderFor, OnlyTheTransferPaymentFormAsksForATransfer)
{
    for (const char* form : {" przelew ", "PRZELEW"}) {
        BillPrintout bill = transferBill();
        bill.head.paymentMethod = QString::fromUtf8(form);
        EXPECT_TRUE(transferOrderFor(bill).has_value()) << form;
    }
    for (const char* form : {"Gotówka", "Karta kredytowa", "", "Przelew 14 dni"}) {
        BillPrintout bill = transferBill();
        bill.head.paymentMethod = QString::fromUtf8(form);
        EXPECT_FALSE(transferOrderFor(bill).has_value()) << form;
    }
}

TEST(TransferOrderFor, ACorrectiveBillAsksForNone)
{
    BillPrintout bill = sampleCorrectiveBill();
    bill.head.paymentMethod = QStringLiteral("Przelew");
    bill.seller = transferBill().seller;
    // Its difference would be payable (30.00 more after the correction).
    setLine(bill.document, LineTable::Correction, 2,
            {QStringLiteral("Farbowanie"), QString(), QStringLiteral("szt"), QStringLiteral("1"),
             QStringLiteral("50.00"), QStringLiteral("    50.00")});
    EXPECT_FALSE(transferOrderFor(bill).has_value());
}

} // namespace
} // namespace kw
