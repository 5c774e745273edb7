#include "session/form_rules.h"

#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

namespace kw {
namespace {

QString& cellOf(DocumentForm& form, int column, int line) { return form.cells[column - 1][line - 1]; }

TEST(FormRules, NonZeroQuantitiesAndPricesAreStoredWithTwoDecimals)
{
    const struct {
        const char* typed;
        const char* quantity; // in 7 characters
        const char* price;    // in 8 characters
    } cases[] = {
        {"1.5", "   1.50", "    1.50"},
        {"2", "   2.00", "    2.00"},
        {"1,5", "   1.50", "    1.50"},
        {" 12.345", "  12.35", "   12.35"},
        {"-3", "  -3.00", "   -3.00"},
        {"1234567.5", "1234567.50", "1234567.50"}, // wider than the field: never cut
        {"0.004", "   0.00", "    0.00"},          // not zero, though it rounds to 0.00
        {"5 zł", "   5.00", "    5.00"},
        {"0", "0", "0"},
        {"0.00", "0.00", "0.00"},
        {"", "", ""},
        {"abc", "abc", "abc"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        DocumentForm form;
        for (int line = 1; line <= 3; ++line) {
            cellOf(form, 4, line) = QString::fromUtf8(c.typed);
            cellOf(form, 5, line) = QString::fromUtf8(c.typed);
        }
        normaliseAmounts(form);
        for (int line = 1; line <= 3; ++line) {
            EXPECT_EQ(cellOf(form, 4, line), QString::fromUtf8(c.quantity)) << "line " << line;
            EXPECT_EQ(cellOf(form, 5, line), QString::fromUtf8(c.price)) << "line " << line;
        }
    }
}

TEST(FormRules, LineTotalsFollowTheFiguresAsStored)
{
    DocumentForm form;
    cellOf(form, 4, 1) = QStringLiteral("3");
    cellOf(form, 5, 1) = QStringLiteral("4.3325");
    cellOf(form, 4, 2) = QStringLiteral("1,5");
    cellOf(form, 5, 2) = QStringLiteral("99,99");
    cellOf(form, 6, 3) = QStringLiteral("typed by hand");
    normaliseAmounts(form);
    EXPECT_EQ(cellOf(form, 6, 1), QStringLiteral("    12.99"));
    EXPECT_EQ(cellOf(form, 6, 2), QStringLiteral("   149.99"));
    EXPECT_EQ(cellOf(form, 6, 3), QStringLiteral("typed by hand")); // no total: left as it is
}

TEST(FormRules, LineTotalsAreWrittenOnlyForLinesWithATotal)
{
    DocumentForm form;
    cellOf(form, 4, 1) = QStringLiteral("2");
    cellOf(form, 5, 1) = QStringLiteral("10");
    cellOf(form, 6, 1) = QStringLiteral("5.00");
    cellOf(form, 4, 2) = QStringLiteral("2");
    cellOf(form, 6, 2) = QStringLiteral("old");
    cellOf(form, 4, 3) = QStringLiteral("-1");
    cellOf(form, 5, 3) = QStringLiteral("2.5");
    const BillTotals totals = writeLineTotals(form);
    EXPECT_EQ(cellOf(form, 6, 1), QStringLiteral("    20.00"));
    EXPECT_EQ(cellOf(form, 6, 2), QStringLiteral("old"));
    EXPECT_EQ(cellOf(form, 6, 3), QStringLiteral("    -2.50"));
    EXPECT_EQ(totals.totalText, QStringLiteral("       17.50"));
    // The figures themselves stay as typed.
    EXPECT_EQ(cellOf(form, 4, 1), QStringLiteral("2"));
}

TEST(FormRules, ACashBillIsPaidOnItsIssueDate)
{
    const struct {
        const char* method;
        const char* term;
        const char* kept;
    } cases[] = {
        {"Gotówka", "14 dni", "2009-02-10"}, {"Gotówka", "", "2009-02-10"},    {"Przelew", "14 dni", "14 dni"},
        {"gotówka", "14 dni", "14 dni"},     {"Gotówka ", "14 dni", "14 dni"}, {"", "7 dni", "7 dni"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.method);
        DocumentHead head;
        head.issueDate = QStringLiteral("2009-02-10");
        head.paymentMethod = QString::fromUtf8(c.method);
        head.paymentTerm = QString::fromUtf8(c.term);
        keepCashTerm(head);
        EXPECT_EQ(head.paymentTerm, QString::fromUtf8(c.kept));
        EXPECT_EQ(head.issueDate, QStringLiteral("2009-02-10"));
    }
}

} // namespace
} // namespace kw
