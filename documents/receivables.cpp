#include "documents/document_amount.h"
#include "documents/iso_date.h"
#include "documents/payment_marks.h"
#include "store/cp1250.h"
#include "store/document_journal.h"
#include "store/document_lock.h"
#include "store/record_parts.h"
#include "store/record_stream.h"

#include <QVarLengthArray>

#include <algorithm>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace kw {

namespace {

// Longer terms are taken for a typing error rather than a due date decades
// away.
constexpr int longestTermDays = 3660;

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

QByteArrayView bytesOf(QByteArrayView record, StringField field)
{
    const std::string_view bytes = storedText(record, field);
    return QByteArrayView(bytes.data(), qsizetype(bytes.size()));
}

// Without the blanks QString::trimmed would take off the text decoded from
// code page 1250, where only 0xA0 (no-break space) is one beyond ASCII.
std::string_view trimmed(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r') || quint8(c) == 0xA0; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

QDate dueOn(QDate issued, QStringView paymentTerm, bool cash)
{
    if (cash)
        return issued;
    const QStringView term = paymentTerm.trimmed();
    if (const QDate date = isoDate(term); date.isValid())
        return date;
    const int days = termDays(term);
    const QDate due = days >= 0 && issued.isValid() ? issued.addDays(days) : QDate();
    // Written with four digits of the year, as every date of the program.
    return due.year() <= 9999 ? due : QDate();
}

} // namespace

QDate dueDate(const QString& issueDate, const QString& paymentTerm, const QString& paymentMethod)
{
    return dueOn(isoDate(QStringView(issueDate).trimmed()), paymentTerm, paymentMethod == QStringLiteral("Gotówka"));
}

namespace {

// Buyers and payment terms repeat from bill to bill, so every row that has
// one shares one string of it, and a long list allocates far less.
class SharedTexts
{
public:
    QString operator()(QByteArrayView bytes)
    {
        const std::string_view key(bytes.data(), size_t(bytes.size()));
        if (const auto found = texts_.find(key); found != texts_.end())
            return found->second;
        QString text = fromCp1250(bytes);
        // A file of ever new texts would only fill the map.
        if (texts_.size() < 4096)
            texts_.emplace(std::string(key), text);
        return text;
    }

private:
    struct Hash {
        using is_transparent = void;
        size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
    };
    std::unordered_map<std::string, QString, Hash, std::equal_to<>> texts_;
};

// Adds `record`, stored at `position`, when it is owed.
void addReceivable(QList<Receivable>& unpaid, SharedTexts& shared, QByteArrayView record, qint64 position, QDate today)
{
    const std::optional<Money> amount = documentAmount(record);
    if (!amount || *amount <= Money())
        return;
    Receivable r;
    r.position = position;
    QVarLengthArray<char, 64> number;
    const QByteArrayView digits = bytesOf(record, doc::DocNumber);
    number.append(digits.data(), digits.size());
    if (const QByteArrayView suffix = bytesOf(record, doc::NumberSuffix); !suffix.isEmpty()) {
        number.append('/');
        number.append(suffix.data(), suffix.size());
    }
    r.number = fromCp1250(QByteArrayView(number.constData(), number.size()));
    r.buyer = shared(bytesOf(record, doc::BuyerLine1));
    r.amount = *amount;
    r.term = shared(bytesOf(record, doc::PaymentTerm));
    r.due = dueOn(isoDate(trimmed(storedText(record, doc::IssueDate))), r.term, paidInCash(record));
    r.daysOverdue = r.due.isValid() && r.due < today ? int(r.due.daysTo(today)) : 0;
    unpaid.append(std::move(r));
}

} // namespace

QList<Receivable> receivables(FileOps& ops, const DataPaths& paths, QDate today)
{
    const QString documentFile = paths.documentFile();
    const DocumentLock lock(documentFile, DocumentLock::Reading);
    DocumentJournal(ops, documentFile).recover(lock);
    const PaymentMarks marks = PaymentMarks::read(ops, paths);

    // Each part lists the receivables of its positions, in file order, so
    // the parts one after another list them all in file order.
    std::vector<QList<Receivable>> parts(4);
    streamInParts(
        ops, documentFile, doc::Size,
        [&](int part, RecordStream& stream) {
            QList<Receivable>& unpaid = parts[size_t(part)];
            // Only the part filled is ever touched, and growing the list step
            // by step would copy it into fresh memory again and again.
            unpaid.reserve(part == 0 ? stream.count() : stream.remaining());
            SharedTexts shared;
            QByteArrayView records;
            std::vector<Payment> payments;
            while (stream.nextRecords(records)) {
                marks.paymentsOf(records, payments);
                const qint64 first = stream.position() - qint64(payments.size()) + 1;
                for (size_t i = 0; i < payments.size(); ++i)
                    if (!payments[i].paid)
                        addReceivable(unpaid, shared, records.sliced(qsizetype(i) * doc::Size, doc::Size),
                                      first + qint64(i), today);
            }
        },
        int(parts.size()));
    QList<Receivable> unpaid = std::move(parts[0]);
    for (size_t part = 1; part < parts.size(); ++part)
        unpaid.append(std::move(parts[part]));
    // Positions tell apart what the due date does not, as a stable sort by
    // due date would, without the copy of the list a stable sort makes.
    std::sort(unpaid.begin(), unpaid.end(), [](const Receivable& a, const Receivable& b) {
        if (a.due.isValid() != b.due.isValid())
            return a.due.isValid();
        return a.due != b.due ? a.due < b.due : a.position < b.position;
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
