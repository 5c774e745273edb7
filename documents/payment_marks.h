#pragma once

#include "editing/money.h"
#include "store/data_folder.h"
#include "store/file_ops.h"
#include "store/records.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QList>
#include <QString>

#include <optional>
#include <string_view>
#include <vector>

namespace kw {

// Whether bills are paid: marks kept in a file of this module's own beside
// the document file (Uslugi/zaplaty.txt), which the suite's other programs
// neither read nor write. A bill is known by its kind, number, extension and
// issue date, never by its position, so deleting or overwriting another bill
// never moves a mark to the wrong one. A "Gotówka" bill counts as paid on
// its issue date until it is marked unpaid.

// What makes a stored bill the one a mark belongs to.
struct BillKey {
    QString kind; // "F" or "K"
    QString number;
    QString suffix;
    QString issueDate;

    friend bool operator==(const BillKey&, const BillKey&) = default;
};
BillKey billKey(const DocumentRecord& record);
BillKey billKey(QByteArrayView record);

// A bill's payment as the marks and its payment form give it.
struct Payment {
    bool paid = false;
    QDate paidOn; // valid when paid
};

// Whether the record's payment form is "Gotówka".
bool paidInCash(QByteArrayView record);

// The date a bill is due: its payment term read as a date (YYYY-MM-DD) or as
// a number of days after the issue date ("14 dni", "14"); for a cash bill
// its issue date. Invalid when neither the term nor the issue date can be read.
QDate dueDate(const QString& issueDate, const QString& paymentTerm, const QString& paymentMethod);

// The marks file read whole: small, one line per marked bill.
class PaymentMarks
{
public:
    // Reads Uslugi/zaplaty.txt of `paths`; a missing file holds no marks.
    // Throws IoError naming the file and line when it cannot be read or a
    // line is not one this program writes.
    static PaymentMarks read(FileOps& ops, const DataPaths& paths);

    Payment paymentOf(const DocumentRecord& record) const;
    Payment paymentOf(QByteArrayView record) const;
    // The payments of `records`, document records in a row, into `out`: a
    // long file's look-ups are started a chunk at a time, so that they wait
    // on memory together rather than one after another.
    void paymentsOf(QByteArrayView records, std::vector<Payment>& out) const;

private:
    // Where in index_ the entry of `key` is, or the free entry where it would go.
    size_t entryOf(std::string_view key, quint64 hash) const;
    // The payment of `record`, whose mark's entry is `entry` (0 when none)
    // for a key of `keySize` bytes.
    Payment paymentFrom(QByteArrayView record, quint64 entry, size_t keySize) const;

    // The marks file as read, never changed, so that copies share it.
    QByteArray text_;
    // Open addressing over a power-of-two table at most two thirds full, an
    // entry per mark: the top bits of its key's hash, then where its line
    // starts in text_ + 1; 0 is free. A line starts with the key as the file
    // writes it, so the table needs nothing but the text beside it.
    std::vector<quint64> index_;
};

// Marks the bill `record`, stored at `position`, paid on `date`, or unpaid
// when `date` is empty (a cash bill thus stops counting as paid). Holds the
// DocumentLock, checks that `position` still holds `record` (IoError with
// documentChangedNotice otherwise), drops the marks of bills the document
// file no longer holds and replaces the marks file in one step (a temporary
// file renamed over it), keeping its permissions. Throws IoError.
void markPayment(FileOps& ops, const DataPaths& paths, qint64 position, const DocumentRecord& record,
                 std::optional<QDate> date);

// Drops the mark of a bill that was deleted, under the lock as markPayment.
// Called by the document session after deleting.
void dropPayment(FileOps& ops, const DataPaths& paths, const DocumentRecord& deleted);

// Moves the mark of a bill whose number, extension or issue date an
// overwrite changed to its new key. Called by the document session after
// overwriting; nothing is written when the key stayed.
void movePayment(FileOps& ops, const DataPaths& paths, const DocumentRecord& before, const DocumentRecord& after);

// One unpaid bill or corrective bill of the list "Należności".
struct Receivable {
    qint64 position = 0;
    QString number;  // "7/2026"
    QString buyer;   // first buyer line
    Money amount;    // documentAmount
    QString term;    // the payment term as stored
    QDate due;       // dueDate; invalid when it cannot be read
    int daysOverdue; // days after `due` as of `today`, 0 when not yet due or unknown
};

// Every unpaid document with a positive amount, sorted by due date (unknown
// last), then position. The document file is streamed under the reading
// lock, so memory grows with the unpaid bills only.
QList<Receivable> receivables(FileOps& ops, const DataPaths& paths, QDate today);

// The text the main window shows for a loaded bill: "Zapłacono RRRR-MM-DD",
// "Nie zapłacono — po terminie N dni", "Nie zapłacono — termin RRRR-MM-DD"
// or "Nie zapłacono".
QString paymentCaption(const Payment& payment, QDate due, QDate today);

} // namespace kw
