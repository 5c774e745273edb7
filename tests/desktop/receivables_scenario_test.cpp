#include "tests/desktop/desktop_test.h"

#include "tests/cli/kwitarnia_process.h"
#include "tests/support/file_bytes.h"

using namespace kw;

namespace {

// Three bills paid by transfer, the first two overdue, are waiting for
// their money when the program starts.
class ReceivablesScenarioTest : public DesktopTest
{
protected:
    void SetUp() override
    {
        writeBills();
        DesktopTest::SetUp();
    }

    static QString daysAgo(int days)
    {
        return QDate::currentDate().addDays(-days).toString(QStringLiteral("yyyy-MM-dd"));
    }

    static DocumentRecord owed(const QString& number, const QString& issueDate, const QString& term)
    {
        DocumentRecord r;
        r.set(doc::DocKind, QStringLiteral("F"));
        r.set(doc::Place, QStringLiteral("Kraków"));
        r.set(doc::IssueDate, issueDate);
        r.set(doc::DocNumber, number);
        r.set(doc::NumberSuffix, QStringLiteral("2026"));
        r.set(doc::BuyerLine1, QStringLiteral("Odbiorca ") + number);
        r.set(doc::PaymentMethod, QStringLiteral("Przelew"));
        r.set(doc::PaymentTerm, term);
        r.set(lineCell(LineTable::Bill, 1, 1), QStringLiteral("Usługa"));
        r.set(lineCell(LineTable::Bill, 4, 1), QStringLiteral("   1.00"));
        r.set(lineCell(LineTable::Bill, 5, 1), QStringLiteral("  100.00"));
        r.set(lineCell(LineTable::Bill, 6, 1), QStringLiteral("   100.00"));
        return r;
    }

    void writeBills() const
    {
        const QByteArray file = sentinelRecord(daysAgo(40)).bytes() + owed("4", daysAgo(30), "14 dni").bytes() +
            owed("5", daysAgo(10), "7 dni").bytes() + owed("6", daysAgo(2), "14 dni").bytes();
        writeFileBytes(folder.filePath(QStringLiteral("Uslugi/dokumenty_r.dat")), file);
    }

    QByteArray marksFile() const { return readFileBytesIfAny(folder.filePath(QStringLiteral("Uslugi/zaplaty.txt"))); }
};

// "Należności" from its key, the two overdue bills chosen with Space and
// Ctrl+Down and marked paid today with Return; the command line then owes
// only the third.
TEST_F(ReceivablesScenarioTest, TwoBillsMarkedPaidFromTheKeyboard)
{
    session->key(QStringLiteral("ctrl+shift+n"));
    session->keys(
        {QStringLiteral("space"), QStringLiteral("ctrl+Down"), QStringLiteral("space"), QStringLiteral("Return")});
    const QString today = QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"));
    const QByteArray expected = QStringLiteral("Kwitarnia: zapłaty rachunków, wersja 1\n"
                                               "F\t4\t2026\t%1\t%3\n"
                                               "F\t5\t2026\t%2\t%3\n")
                                    .arg(daysAgo(30), daysAgo(10), today)
                                    .toUtf8();
    ASSERT_TRUE(DesktopSession::waitFor([&] { return marksFile() == expected; })) << marksFile().toStdString();
    session->key(QStringLiteral("Escape"));

    const ProcessResult unpaid = runKwitarnia(folder.path(), {QStringLiteral("unpaid")});
    EXPECT_EQ(unpaid.exitCode, 0) << unpaid.err.toStdString();
    const QStringList owed = unpaid.outLines().filter(QStringLiteral("/2026 "));
    ASSERT_EQ(owed.size(), 1) << unpaid.out.toStdString();
    EXPECT_TRUE(owed[0].contains(QStringLiteral(" 6/2026 "))) << unpaid.out.toStdString();
}

} // namespace
