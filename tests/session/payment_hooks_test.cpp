#include "tests/session/session_test.h"

#include "documents/payment_marks.h"
#include "store/io_error.h"
#include "tests/support/file_bytes.h"

#include <QFile>

#include <sys/stat.h>

namespace kw {
namespace {

const QDate paidOn(2009, 2, 20);

ino_t inodeOf(const QString& path)
{
    struct stat info {};
    EXPECT_EQ(::stat(QFile::encodeName(path).constData(), &info), 0);
    return info.st_ino;
}

// Bills 2..5/2009 at positions 2..5, bills 3 and 5 marked paid.
class PaymentHooksTest : public SessionTest
{
protected:
    void SetUp() override
    {
        writeDocuments({sentinel(), bill("2", "B"), bill("3", "C"), bill("4", "D"), bill("5", "E")});
        start();
        markPayment(ops, folder.paths(), 3, stored(3), paidOn);
        markPayment(ops, folder.paths(), 5, stored(5), paidOn);
    }

    // Whether the bill numbered `number` is paid, wherever it lies now.
    bool paid(const QString& number) const
    {
        const PaymentMarks marks = PaymentMarks::read(systemFileOps(), folder.paths());
        for (qint64 position = 1; position <= storedCount(); ++position)
            if (stored(position).get(doc::DocNumber) == number)
                return marks.paymentOf(stored(position)).paid;
        ADD_FAILURE() << "no bill " << number.toStdString();
        return false;
    }
    QString marksText() const { return QString::fromUtf8(readFileBytes(folder.paths().paymentMarksFile())); }
};

TEST_F(PaymentHooksTest, DeletingABillDropsItsMarkAndLeavesTheOthersOnTheirBills)
{
    session.loadChosen(3);
    session.remove();
    EXPECT_FALSE(marksText().contains(QStringLiteral("\t3\t")));
    EXPECT_FALSE(paid("2"));
    EXPECT_FALSE(paid("4"));
    EXPECT_TRUE(paid("5"));

    // A new bill given the deleted one's number and date is not paid.
    writeDocuments({sentinel(), bill("2", "B"), bill("4", "D"), bill("5", "E"), bill("3", "C nowy")});
    EXPECT_FALSE(paid("3"));
}

TEST_F(PaymentHooksTest, DeletingAnotherBillMovesNoMark)
{
    session.loadChosen(2);
    session.remove();
    const QByteArray marks = marksText().toUtf8();
    EXPECT_TRUE(paid("3"));
    EXPECT_FALSE(paid("4"));
    EXPECT_TRUE(paid("5"));
    session.loadChosen(3); // bill 4, now at position 3
    session.remove();
    EXPECT_EQ(marksText().toUtf8(), marks);
    EXPECT_TRUE(paid("3"));
    EXPECT_TRUE(paid("5"));
}

TEST_F(PaymentHooksTest, RenumberingABillTakesItsMarkAlong)
{
    session.loadChosen(3);
    edit([](DocumentForm& form) { form.head.number = QStringLiteral("13"); });
    session.store();
    EXPECT_TRUE(paid("13"));
    EXPECT_FALSE(marksText().contains(QStringLiteral("\t3\t")));
    EXPECT_EQ(PaymentMarks::read(systemFileOps(), folder.paths()).paymentOf(stored(3)).paidOn, paidOn);

    session.loadChosen(4);
    edit([](DocumentForm& form) { form.head.issueDate = QStringLiteral("2009-02-11"); });
    session.store();
    EXPECT_FALSE(paid("4"));
    EXPECT_TRUE(paid("5"));
}

TEST_F(PaymentHooksTest, OverwritingAnotherBillWithTheMarkedOnesNumberGivesItNoMark)
{
    session.loadChosen(2);
    edit([](DocumentForm& form) { form.head.number = QStringLiteral("22"); });
    session.store();
    EXPECT_TRUE(paid("3"));
    EXPECT_FALSE(paid("22"));
    EXPECT_FALSE(paid("4"));
}

TEST_F(PaymentHooksTest, OverwritingWithTheKeyUnchangedLeavesTheMarksFileAlone)
{
    const ino_t before = inodeOf(folder.paths().paymentMarksFile());
    session.loadChosen(3);
    edit([](DocumentForm& form) { form.head.buyerLines[0] = QStringLiteral("C zmieniony"); });
    session.store();
    EXPECT_TRUE(paid("3"));
    EXPECT_EQ(inodeOf(folder.paths().paymentMarksFile()), before);
}

TEST_F(PaymentHooksTest, AMarksFailureIsReportedAfterTheDeleteStaysDone)
{
    writeFileBytes(folder.paths().paymentMarksFile(), "nie ten plik\n");
    session.loadChosen(3);
    try {
        session.remove();
        ADD_FAILURE() << "the broken marks file went unreported";
    } catch (const IoError& error) {
        EXPECT_TRUE(error.message().contains(folder.paths().paymentMarksFile())) << error.message().toStdString();
    }
    EXPECT_EQ(storedCount(), 4);
    EXPECT_EQ(stored(3).get(doc::DocNumber), QStringLiteral("4"));
    EXPECT_EQ(session.state().currentRecord(), 4);
    EXPECT_EQ(session.form().head.buyerLines[0], QStringLiteral("E"));
    EXPECT_EQ(readFileBytes(folder.paths().paymentMarksFile()), QByteArray("nie ten plik\n"));
}

TEST_F(PaymentHooksTest, AMarksFailureIsReportedAfterTheOverwriteStaysDone)
{
    writeFileBytes(folder.paths().paymentMarksFile(), "nie ten plik\n");
    session.loadChosen(3);
    edit([](DocumentForm& form) { form.head.number = QStringLiteral("13"); });
    EXPECT_THROW(session.store(), IoError);
    EXPECT_EQ(stored(3).get(doc::DocNumber), QStringLiteral("13"));
    EXPECT_FALSE(session.hasUnsavedChanges());
    EXPECT_FALSE(session.state().isNew());
}

} // namespace
} // namespace kw
