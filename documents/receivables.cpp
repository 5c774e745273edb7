#include "documents/document_amount.h"
#include "documents/payment_marks.h"
#include "store/cp1250.h"
#include "store/document_journal.h"
#include "store/document_lock.h"
#include "store/record_stream.h"

#include <algorithm>

namespace kw {

namespace {

// Longer terms are taken for a typing error rather than a due date decades
// away.
constexpr int longestTermDays = 3660;

QDate isoDate(QStringView text)
{
    if (text.size() != 10)
        return {};
    const QDate date = QDate::fromString(text, Qt::ISODate);
    return date.isValid() && date.toString(Qt::ISODate) == text ? date : QDate();
}

// "14", "14 dni", "1 dzień": the number of days, or -1.
int termDays(QStringView term)
{
    qsizetype digits = 0;
    while (digits < term.size() && term[digits].isDigit() && term[digits].unicode() < 0x80)
        ++digits;
    if (digits == 0 || digits > 4)
        return -1;
    const QStringView unit = term.mid(digits).trimmed();
    if (!unit.isEmpty() && unit.compare(u"dni", Qt::CaseInsensitive) != 0 &&
        unit.compare(u"dzień", Qt::CaseInsensitive) != 0)
        return -1;
    const int days = term.left(digits).toInt();
    return days <= longestTermDays ? days : -1;
}

QString text(QByteArrayView record, StringField field)
{
    const std::string_view bytes = storedText(record, field);
    return fromCp1250(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
}

} // namespace

QDate dueDate(const QString& issueDate, const QString& paymentTerm, const QString& paymentMethod)
{
    const QDate issued = isoDate(QStringView(issueDate).trimmed());
    if (paymentMethod == QStringLiteral("Gotówka"))
        return issued;
    const QStringView term = QStringView(paymentTerm).trimmed();
    if (const QDate date = isoDate(term); date.isValid())
        return date;
    const int days = termDays(term);
    return days >= 0 && issued.isValid() ? issued.addDays(days) : QDate();
}

QList<Receivable> receivables(FileOps& ops, const DataPaths& paths, QDate today)
{
    const QString documentFile = paths.documentFile();
    const DocumentLock lock(documentFile, DocumentLock::Reading);
    DocumentJournal(ops, documentFile).recover(lock);
    const PaymentMarks marks = PaymentMarks::read(ops, paths);

    QList<Receivable> unpaid;
    RecordStream stream(ops, documentFile, doc::Size);
    QByteArrayView record;
    while (stream.next(record)) {
        const std::optional<Money> amount = documentAmount(record);
        if (!amount || *amount <= Money() || marks.paymentOf(record).paid)
            continue;
        Receivable r;
        r.position = stream.position();
        const QString suffix = text(record, doc::NumberSuffix);
        r.number = text(record, doc::DocNumber);
        if (!suffix.isEmpty())
            r.number += u'/' + suffix;
        r.buyer = text(record, doc::BuyerLine1);
        r.amount = *amount;
        r.term = text(record, doc::PaymentTerm);
        r.due = dueDate(text(record, doc::IssueDate), r.term, text(record, doc::PaymentMethod));
        r.daysOverdue = r.due.isValid() && r.due < today ? int(r.due.daysTo(today)) : 0;
        unpaid.append(std::move(r));
    }
    std::stable_sort(unpaid.begin(), unpaid.end(), [](const Receivable& a, const Receivable& b) {
        if (a.due.isValid() != b.due.isValid())
            return a.due.isValid();
        return a.due < b.due;
    });
    return unpaid;
}

QString paymentCaption(const Payment& payment, QDate due, QDate today)
{
    if (payment.paid)
        return payment.paidOn.isValid() ? QStringLiteral("Zapłacono %1").arg(payment.paidOn.toString(Qt::ISODate))
                                        : QStringLiteral("Zapłacono");
    if (!due.isValid())
        return QStringLiteral("Nie zapłacono");
    if (due < today) {
        const qint64 days = due.daysTo(today);
        return QStringLiteral("Nie zapłacono — po terminie %1 %2")
            .arg(days)
            .arg(days == 1 ? QStringLiteral("dzień") : QStringLiteral("dni"));
    }
    return QStringLiteral("Nie zapłacono — termin %1").arg(due.toString(Qt::ISODate));
}

} // namespace kw
