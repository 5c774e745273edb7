#include "documents/payment_marks.h"
#include "editing/amount_text.h"
#include "tests/documents/document_builder.h"
#include "tests/support/file_bytes.h"
#include "tests/support/money_printer.h"
#include "tests/support/qt_printers.h"
#include "tests/support/temp_data_folder.h"

#include <gtest/gtest.h>

namespace kw {
namespace {

struct DueCase {
    const char* issueDate;
    const char* term;
    const char* method;
    QDate due;
};

TEST(DueDateTest, ATermIsADateOrDaysAfterTheIssueDate)
{
    const DueCase cases[] = {
        {"2026-12-01", "2026-12-20", "Przelew", QDate(2026, 12, 20)},
        {"2026-12-01", " 2026-12-20 ", "Przelew", QDate(2026, 12, 20)},
        {"2026-12-01", "14 dni", "Przelew", QDate(2026, 12, 15)},
        {"2026-12-25", "14 DNI", "Przelew", QDate(2027, 1, 8)},
        {"2026-12-01", "14", "Karta kredytowa", QDate(2026, 12, 15)},
        {"2026-12-01", "14dni", "Przelew", QDate(2026, 12, 15)},
        {"2026-12-01", "1 dzień", "Przelew", QDate(2026, 12, 2)},
        {"2026-12-01", "0", "Przelew", QDate(2026, 12, 1)},
        {"2024-02-20", "10 dni", "Przelew", QDate(2024, 3, 1)},
        // Cash is due on its issue date whatever the term says.
        {"2026-12-01", "14 dni", "Gotówka", QDate(2026, 12, 1)},
        {"2026-12-01", "", "Gotówka", QDate(2026, 12, 1)},
        // Nothing to read a date from.
        {"2026-12-01", "", "Przelew", QDate()},
        {"2026-12-01", "zaraz", "Przelew", QDate()},
        {"2026-12-01", "14 tygodni", "Przelew", QDate()},
        {"2026-12-01", "-14", "Przelew", QDate()},
        {"2026-12-01", "2026-02-30", "Przelew", QDate()},
        {"2026-12-01", "99999 dni", "Przelew", QDate()},
        {"2026-12-01", "١٤", "Przelew", QDate()},
        {"", "14 dni", "Przelew", QDate()},
        {"01.12.2026", "14 dni", "Przelew", QDate()},
        {"bzdura", "", "Gotówka", QDate()},
    };
    for (const DueCase& c : cases)
        EXPECT_EQ(dueDate(QString::fromUtf8(c.issueDate), QString::fromUtf8(c.term), QString::fromUtf8(c.method)),
                  c.due)
            << c.issueDate << " / " << c.term << " / " << c.method;
}

TEST(PaymentCaptionTest, SaysWhetherPaidAndHowLate)
{
    const QDate today(2026, 12, 9);
    const struct {
        Payment payment;
        QDate due;
        const char* caption;
    } cases[] = {
        {{true, QDate(2026, 12, 5)}, QDate(2026, 12, 1), "Zapłacono 2026-12-05"},
        {{true, QDate()}, QDate(), "Zapłacono"},
        {{}, QDate(2026, 12, 1), "Nie zapłacono — po terminie 8 dni"},
        {{}, QDate(2026, 12, 8), "Nie zapłacono — po terminie 1 dzień"},
        {{}, today, "Nie zapłacono — termin 2026-12-09"},
        {{}, QDate(2027, 1, 2), "Nie zapłacono — termin 2027-01-02"},
        {{}, QDate(), "Nie zapłacono"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(paymentCaption(c.payment, c.due, today), QString::fromUtf8(c.caption)) << c.caption;
}

DocumentRecord bill(const QString& number, const QString& buyer, const QString& total, const QString& term,
                    const QString& method = QStringLiteral("Przelew"))
{
    DocumentRecord record = billRecord(QStringLiteral("2026-12-01"), buyer, {total});
    record.set(doc::DocNumber, number);
    record.set(doc::NumberSuffix, QStringLiteral("2026"));
    record.set(doc::PaymentMethod, method);
    record.set(doc::PaymentTerm, term);
    return record;
}

TEST(ReceivablesTest, UnpaidDocumentsOfPositiveAmountSortedByDueDate)
{
    TempDataFolder folder;
    const DocumentRecord later = bill("1", "Później", "100.00", "21 dni");
    const DocumentRecord marked = bill("2", "Zapłacony", "50.00", "7 dni");
    const DocumentRecord cash = bill("3", "Gotówka", "30.00", "2026-12-01", QStringLiteral("Gotówka"));
    const DocumentRecord unknown = bill("4", "Bez terminu", "20.00", "kiedyś");
    const DocumentRecord earlier = bill("5", "Wcześniej", "10.50", "2026-12-03");
    const DocumentRecord empty = bill("6", "Zero", "", "7 dni");
    DocumentRecord lowered = correctiveRecord("2026-12-02", "Obniżka", {"100.00"}, {"80.00"});
    DocumentRecord raised = correctiveRecord("2026-12-02", "Dopłata", {"100.00"}, {"125.00"});
    raised.set(doc::DocNumber, QStringLiteral("1"));
    raised.set(doc::NumberSuffix, QStringLiteral("K/2026"));
    raised.set(doc::PaymentTerm, QStringLiteral("21 dni"));
    writeFileBytes(folder.paths().documentFile(),
                   documentFileBytes({later, marked, cash, unknown, earlier, empty, lowered, raised}));
    markPayment(systemFileOps(), folder.paths(), 3, marked, QDate(2026, 12, 4));

    const QList<Receivable> list = receivables(systemFileOps(), folder.paths(), QDate(2026, 12, 9));
    QStringList order;
    for (const Receivable& r : list)
        order << QString::number(r.position);
    EXPECT_EQ(order, QStringList({"6", "2", "9", "5"}));
    ASSERT_EQ(list.size(), 4);
    EXPECT_EQ(list[0].number, QStringLiteral("5/2026"));
    EXPECT_EQ(list[0].buyer, QStringLiteral("Wcześniej"));
    EXPECT_EQ(list[0].amount, readAmount(QStringLiteral("10.50")));
    EXPECT_EQ(list[0].term, QStringLiteral("2026-12-03"));
    EXPECT_EQ(list[0].due, QDate(2026, 12, 3));
    EXPECT_EQ(list[0].daysOverdue, 6);
    EXPECT_EQ(list[1].due, QDate(2026, 12, 22));
    EXPECT_EQ(list[1].daysOverdue, 0);
    EXPECT_EQ(list[2].number, QStringLiteral("1/K/2026"));
    EXPECT_EQ(list[2].amount, readAmount(QStringLiteral("25.00")));
    EXPECT_EQ(list[2].due, QDate(2026, 12, 23));
    EXPECT_FALSE(list[3].due.isValid());
    EXPECT_EQ(list[3].daysOverdue, 0);

    // Marked unpaid, the cash bill is owed from its issue date.
    markPayment(systemFileOps(), folder.paths(), 4, cash, std::nullopt);
    const QList<Receivable> withCash = receivables(systemFileOps(), folder.paths(), QDate(2026, 12, 9));
    ASSERT_EQ(withCash.size(), 5);
    EXPECT_EQ(withCash[0].position, 4);
    EXPECT_EQ(withCash[0].daysOverdue, 8);
}

} // namespace
} // namespace kw
