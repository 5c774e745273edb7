#include "documents/payment_marks.h"
#include "documents/payment_marks_format.h"
#include "store/document_file.h"
#include "store/io_error.h"
#include "store/record_parts.h"
#include "tests/documents/document_builder.h"
#include "tests/support/file_bytes.h"
#include "tests/support/temp_data_folder.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include <sys/stat.h>

namespace kw {
namespace {

const QDate today(2026, 12, 9);

DocumentRecord bill(const QString& number, const QString& issueDate, const QString& method = QStringLiteral("Przelew"),
                    const QString& term = QStringLiteral("14 dni"))
{
    DocumentRecord record = billRecord(issueDate, QStringLiteral("Kowalski"), {QStringLiteral("100.00")});
    record.set(doc::DocNumber, number);
    record.set(doc::NumberSuffix, QStringLiteral("2026"));
    record.set(doc::PaymentMethod, method);
    record.set(doc::PaymentTerm, term);
    return record;
}

// Lines marking `count` bills of 2026-12-01 from number `first` on unpaid.
QByteArray manyMarks(int count, int first = 1)
{
    QByteArray lines;
    for (int i = first; i < first + count; ++i)
        lines += "F\t" + QByteArray::number(i) + "\t2026\t2026-12-01\tnie\n";
    return lines;
}

class PaymentMarksTest : public ::testing::Test
{
protected:
    void store(const QList<DocumentRecord>& documents)
    {
        writeFileBytes(paths().documentFile(), documentFileBytes(documents));
    }
    DataPaths paths() const { return folder.paths(); }
    DocumentRecord at(qint64 position) const { return DocumentFile(systemFileOps(), paths()).read(position); }
    Payment paymentAt(qint64 position) const
    {
        return PaymentMarks::read(systemFileOps(), paths()).paymentOf(at(position));
    }
    void mark(qint64 position, std::optional<QDate> date)
    {
        markPayment(systemFileOps(), paths(), position, at(position), date);
    }
    QString marksText() const { return QString::fromUtf8(readFileBytesIfAny(paths().paymentMarksFile())); }

    TempDataFolder folder;
};

TEST_F(PaymentMarksTest, AMarkedBillIsPaidOnItsDateAndUnmarkingUndoesIt)
{
    store({bill("1", "2026-12-01"), bill("2", "2026-12-02")});
    EXPECT_FALSE(paymentAt(2).paid);
    mark(2, QDate(2026, 12, 5));
    EXPECT_TRUE(paymentAt(2).paid);
    EXPECT_EQ(paymentAt(2).paidOn, QDate(2026, 12, 5));
    EXPECT_FALSE(paymentAt(3).paid);
    EXPECT_EQ(marksText(),
              QStringLiteral("Kwitarnia: zapłaty rachunków, wersja 1\nF\t1\t2026\t2026-12-01\t2026-12-05\n"));

    mark(2, std::nullopt);
    EXPECT_FALSE(paymentAt(2).paid);
    EXPECT_EQ(marksText(), QStringLiteral("Kwitarnia: zapłaty rachunków, wersja 1\n"));
}

TEST_F(PaymentMarksTest, ACashBillIsPaidOnItsIssueDateUntilMarkedUnpaid)
{
    store({bill("1", "2026-12-01", QStringLiteral("Gotówka"), QStringLiteral("2026-12-01"))});
    EXPECT_TRUE(paymentAt(2).paid);
    EXPECT_EQ(paymentAt(2).paidOn, QDate(2026, 12, 1));
    mark(2, std::nullopt);
    EXPECT_FALSE(paymentAt(2).paid);
    EXPECT_TRUE(marksText().endsWith(QStringLiteral("\tnie\n")));
    mark(2, QDate(2026, 12, 3));
    EXPECT_EQ(paymentAt(2).paidOn, QDate(2026, 12, 3));
}

TEST_F(PaymentMarksTest, AMissingMarksFileHoldsNoMarks)
{
    store({bill("1", "2026-12-01")});
    EXPECT_FALSE(paymentAt(2).paid);
    EXPECT_TRUE(receivables(systemFileOps(), paths(), today).size() == 1);
}

TEST_F(PaymentMarksTest, MarkingADocumentChangedMeanwhileIsRefusedAndWritesNothing)
{
    store({bill("1", "2026-12-01"), bill("2", "2026-12-02")});
    const DocumentRecord loaded = at(2);
    DocumentFile(systemFileOps(), paths()).remove(2);
    EXPECT_THROW(markPayment(systemFileOps(), paths(), 2, loaded, today), IoError);
    EXPECT_FALSE(QFileInfo::exists(paths().paymentMarksFile()));
}

TEST_F(PaymentMarksTest, FieldsWithTabsAndControlCharactersStayOnTheirLine)
{
    DocumentRecord odd = bill(QStringLiteral("1\t%\n"), "2026-12-01");
    odd.set(doc::NumberSuffix, QStringLiteral("a\rb"));
    store({odd, bill("2", "2026-12-01")});
    mark(2, today);
    mark(3, today);
    EXPECT_EQ(marksText(),
              QStringLiteral("Kwitarnia: zapłaty rachunków, wersja 1\n"
                             "F\t1%09%25%0A\ta%0Db\t2026-12-01\t2026-12-09\n"
                             "F\t2\t2026\t2026-12-01\t2026-12-09\n"));
    EXPECT_TRUE(paymentAt(2).paid);
    EXPECT_TRUE(paymentAt(3).paid);
}

TEST_F(PaymentMarksTest, TheReplacedMarksFileKeepsItsPermissions)
{
    store({bill("1", "2026-12-01"), bill("2", "2026-12-02")});
    mark(2, today);
    ASSERT_EQ(::chmod(QFile::encodeName(paths().paymentMarksFile()).constData(), 0640), 0);
    mark(3, today);
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(paths().paymentMarksFile()).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(folderEntries(folder.uslugi()).filter(QStringLiteral("zaplaty")),
              QStringList{QStringLiteral("zaplaty.txt")});
}

// Thousands of bills whose keys differ in one field only, some with
// escaped or Polish characters, marked in an order unlike the file's.
TEST_F(PaymentMarksTest, ManyMarksInAnyOrderEachBelongToTheirOwnBill)
{
    const int count = int(recordsWorthSplitting) + 1000; // so the list is made in parts
    const QStringList suffixes = {QStringLiteral("2026"), QStringLiteral("Łódź/26"), QStringLiteral("a%\tb")};
    QList<DocumentRecord> bills;
    QList<MarkLine> marks;
    std::vector<Payment> expected;
    for (int i = 0; i < count; ++i) {
        const bool cash = i % 7 == 0;
        const QDate issued = QDate(2026, 1, 1).addDays(i / 1000);
        DocumentRecord record = bill(QString::number(i % 1000), issued.toString(Qt::ISODate),
                                     cash ? QStringLiteral("Gotówka") : QStringLiteral("Przelew"));
        record.set(doc::NumberSuffix, suffixes[i % 3]);
        bills.append(record);
        const QDate paidOn = QDate(2026, 3, 1).addDays(i % 200);
        Payment payment;
        if (i % 4 == 1) {
            marks.append({billKey(record), true, paidOn});
            payment = {true, paidOn};
        } else if (i % 4 == 2 && cash) {
            marks.append({billKey(record), false, QDate()});
        } else if (cash) {
            payment = {true, issued};
        }
        expected.push_back(payment);
    }
    std::reverse(marks.begin(), marks.end());
    std::stable_partition(marks.begin(), marks.end(), [](const MarkLine& m) { return m.key.number.toInt() % 2 == 0; });
    store(bills);
    writeFileBytes(paths().paymentMarksFile(), formatMarkLines(marks));

    const PaymentMarks read = PaymentMarks::read(systemFileOps(), paths());
    const QByteArray documents = readFileBytes(paths().documentFile());
    std::vector<Payment> inRow;
    read.paymentsOf(QByteArrayView(documents).sliced(doc::Size), inRow);
    ASSERT_EQ(inRow.size(), size_t(count));
    QList<qint64> owed;
    for (int i = 0; i < count; ++i) {
        const Payment one = read.paymentOf(bills[i]);
        ASSERT_EQ(one.paid, expected[size_t(i)].paid) << "bill " << i;
        ASSERT_EQ(one.paidOn, expected[size_t(i)].paidOn) << "bill " << i;
        ASSERT_EQ(inRow[size_t(i)].paid, one.paid) << "bill " << i;
        ASSERT_EQ(inRow[size_t(i)].paidOn, one.paidOn) << "bill " << i;
        if (!one.paid)
            owed.append(i + 2); // after the opening record
    }
    // By due date, then position: the parts meet among bills due on one day.
    const auto due = [&](qint64 position) {
        const DocumentRecord& owedBill = bills[position - 2];
        const QDate issued = QDate::fromString(owedBill.get(doc::IssueDate), Qt::ISODate);
        return owedBill.get(doc::PaymentMethod) == QStringLiteral("Gotówka") ? issued : issued.addDays(14);
    };
    std::stable_sort(owed.begin(), owed.end(), [&](qint64 a, qint64 b) { return due(a) < due(b); });
    QList<qint64> listed;
    for (const Receivable& r : receivables(systemFileOps(), paths(), today))
        listed.append(r.position);
    EXPECT_EQ(listed, owed);
}

TEST_F(PaymentMarksTest, ALineThisProgramDoesNotWriteIsAnErrorNamingFileAndLine)
{
    store({bill("1", "2026-12-01")});
    const QByteArray heading = "Kwitarnia: zap\xc5\x82"
                               "aty rachunk\xc3\xb3w, wersja 1\n";
    const struct {
        QByteArray bytes;
        int line;
        const char* reason;
    } cases[] = {
        {"Kwitarnia: zaplaty\n", 1, "pierwszy wiersz powinien brzmieć"},
        {heading + "F\t1\t2026\t2026-12-01\n", 2, "pięć pól"},
        {heading + "F\t1\t2026\t2026-12-01\t2026-12-09\t\n", 2, "pięć pól"},
        {heading + "\n", 2, "pięć pól"},
        {heading + "F\t1\t2026\t2026-12-01\t2026-12-09\r\n", 2, "datą RRRR-MM-DD"},
        {heading + "X\t1\t2026\t2026-12-01\t2026-12-09\n", 2, "„F” albo „K”"},
        {heading + "F\t12345678901\t2026\t2026-12-01\t2026-12-09\n", 2, "pole 2 jest dłuższe"},
        {heading + "F\t1\r\t2026\t2026-12-01\t2026-12-09\n", 2, "pole 2 zawiera niedozwolony znak"},
        {heading + "F\t1%4\t2026\t2026-12-01\t2026-12-09\n", 2, "pole 2 zawiera niedozwolony znak"},
        {heading + "F\t1%41\t2026\t2026-12-01\t2026-12-09\n", 2, "pole 2 zawiera niedozwolony znak"},
        {heading + "F\t1%0a\t2026\t2026-12-01\t2026-12-09\n", 2, "pole 2 zawiera niedozwolony znak"},
        {heading + "F\t1\t2026\t2026-12-01\t2026-13-01\n", 2, "datą RRRR-MM-DD"},
        {heading + "F\t1\t2026\t2026-12-01\t2026-12-9\n", 2, "datą RRRR-MM-DD"},
        {heading + "F\t1\t2026\t2026-12-01\tabcd-12-01\n", 2, "datą RRRR-MM-DD"},
        {heading + "F\t1\t2026\t2026-12-01\t0000-12-01\n", 2, "datą RRRR-MM-DD"},
        {heading + "F\t1\t2026\t2026-12-01\t2026-1a-01\n", 2, "datą RRRR-MM-DD"},
        {heading + "F\t1\t2026\t2026-12-01\tnie\n\xc3\n", 3, "UTF-8"},
        {heading + "F\t1\t2026\t2026-12-01\tNIE\n", 2, "datą RRRR-MM-DD"},
        {heading + "F\t1\t2026\t2026-12-01\t\xff\n", 2, "UTF-8"},
        {heading + "F\t2\t2026\t2026-12-01\tnie\nF\t1\t2026\t2026-12-01\tnie\nF\t1\t2026\t2026-12-01\t2026-12-09\n", 4,
         "ma już wpis"},
        {heading + manyMarks(40) + "F\t7\t2026\t2026-12-01\tnie\n" + manyMarks(3) + "F\t1\t2026\n", 42, "ma już wpis"},
        {heading + manyMarks(40) + "F\t39\t2026\t2026-12-01\tnie\n", 42, "ma już wpis"},
        {heading + manyMarks(40) + "F\t39\t2026\t2026-12-01\tnie\n" + manyMarks(30, 100), 42, "ma już wpis"},
        {heading + manyMarks(40) + "F\t39\t2026\t2026-12-01\tnie\n" + manyMarks(20, 100) + "\xff\n", 63, "UTF-8"},
    };
    for (const auto& c : cases) {
        writeFileBytes(paths().paymentMarksFile(), c.bytes);
        for (const auto& attempt : {std::function<void()>([&] { PaymentMarks::read(systemFileOps(), paths()); }),
                                    std::function<void()>([&] { mark(2, today); }),
                                    std::function<void()>([&] { receivables(systemFileOps(), paths(), today); })}) {
            try {
                attempt();
                ADD_FAILURE() << "accepted " << c.bytes.toStdString();
            } catch (const IoError& error) {
                const QString message = error.message();
                EXPECT_TRUE(message.startsWith(QStringLiteral("Plik zapłat %1 jest uszkodzony (wiersz %2): ")
                                                   .arg(paths().paymentMarksFile())
                                                   .arg(c.line)))
                    << message.toStdString();
                EXPECT_TRUE(message.contains(QString::fromUtf8(c.reason))) << message.toStdString();
            }
        }
        EXPECT_EQ(readFileBytes(paths().paymentMarksFile()), c.bytes);
    }
}

TEST_F(PaymentMarksTest, AnEmptyMarksFileOrOneWithoutItsLastNewlineReads)
{
    store({bill("1", "2026-12-01")});
    writeFileBytes(paths().paymentMarksFile(), "");
    EXPECT_FALSE(paymentAt(2).paid);
    writeFileBytes(
        paths().paymentMarksFile(),
        QStringLiteral("Kwitarnia: zapłaty rachunków, wersja 1\nF\t1\t2026\t2026-12-01\t2026-12-05").toUtf8());
    EXPECT_EQ(paymentAt(2).paidOn, QDate(2026, 12, 5));
}

TEST_F(PaymentMarksTest, AnUnreadableMarksFileIsAnError)
{
    store({bill("1", "2026-12-01")});
    QDir().mkdir(paths().paymentMarksFile());
    EXPECT_THROW(PaymentMarks::read(systemFileOps(), paths()), IoError);
    EXPECT_THROW(mark(2, today), IoError);
}

TEST_F(PaymentMarksTest, MarksOfBillsNoLongerStoredAreDroppedWithTheNextMark)
{
    store({bill("1", "2026-12-01"), bill("2", "2026-12-02"), bill("3", "2026-12-03")});
    mark(2, today);
    mark(3, today);
    DocumentFile(systemFileOps(), paths()).remove(2);
    mark(3, today); // bill 3, now at position 3
    EXPECT_EQ(marksText(),
              QStringLiteral("Kwitarnia: zapłaty rachunków, wersja 1\n"
                             "F\t2\t2026\t2026-12-02\t2026-12-09\n"
                             "F\t3\t2026\t2026-12-03\t2026-12-09\n"));
}

TEST_F(PaymentMarksTest, TheOpeningRecordIsNoBillToMark)
{
    store({bill("1", "2026-12-01")});
    DocumentRecord blank;
    writeFileBytes(paths().documentFile(), documentFileBytes({blank}));
    EXPECT_THROW(mark(2, today), IoError);
    EXPECT_FALSE(QFileInfo::exists(paths().paymentMarksFile()));
}

} // namespace
} // namespace kw
