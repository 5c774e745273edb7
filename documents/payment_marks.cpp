#include "documents/payment_marks.h"

#include "documents/document_amount.h"
#include "documents/payment_marks_format.h"
#include "store/cp1250.h"
#include "store/document_file.h"
#include "store/document_journal.h"
#include "store/document_lock.h"
#include "store/io_error.h"
#include "store/open_file.h"
#include "store/record_file.h"
#include "store/record_stream.h"

#include <QSet>

#include <functional>

namespace kw {

namespace {

QString cashMethod() { return QStringLiteral("Gotówka"); }

void appendKeyField(QString& out, QStringView field)
{
    out += QChar(char16_t(field.size()));
    out += field;
}

void appendKeyField(QString& out, QByteArrayView record, StringField field)
{
    const std::string_view text = storedText(record, field);
    out += QChar(char16_t(text.size()));
    appendCp1250(out, QByteArrayView(text.data(), qsizetype(text.size())));
}

// One string per key, each field led by its length so that no two keys
// give the same string, whatever characters their fields hold.
QString lookupKey(const BillKey& key)
{
    QString out;
    for (const QString* field : {&key.kind, &key.number, &key.suffix, &key.issueDate})
        appendKeyField(out, *field);
    return out;
}

// The same from a record's bytes, into `out`, whose buffer is reused.
void lookupKeyOf(QByteArrayView record, QString& out)
{
    out.resize(0);
    for (const StringField field : {doc::DocKind, doc::DocNumber, doc::NumberSuffix, doc::IssueDate})
        appendKeyField(out, record, field);
}

bool isCash(QByteArrayView record)
{
    static const QByteArray cash = toCp1250(cashMethod());
    const std::string_view method = storedText(record, doc::PaymentMethod);
    return method == std::string_view(cash.constData(), size_t(cash.size()));
}

} // namespace

BillKey billKey(const DocumentRecord& record) { return billKey(QByteArrayView(record.bytes())); }

BillKey billKey(QByteArrayView record)
{
    const auto field = [&](StringField f) {
        const std::string_view text = storedText(record, f);
        return fromCp1250(QByteArrayView(text.data(), qsizetype(text.size())));
    };
    return {field(doc::DocKind), field(doc::DocNumber), field(doc::NumberSuffix), field(doc::IssueDate)};
}

// Reads, changes and writes the marks of a PaymentMarks.
class PaymentMarksEditor
{
public:
    static PaymentMarks parse(const QString& path, const QByteArray& bytes)
    {
        PaymentMarks marks;
        for (const MarkLine& line : parseMarkLines(path, bytes))
            set(marks, line.key, line.paid, line.date);
        return marks;
    }

    static QByteArray serialise(const PaymentMarks& marks)
    {
        QList<MarkLine> lines;
        for (const PaymentMarks::Mark& mark : marks.marks_)
            lines.append({mark.key, mark.paid, mark.date});
        return formatMarkLines(lines);
    }

    static void set(PaymentMarks& marks, const BillKey& key, bool paid, QDate date)
    {
        const QString lookup = lookupKey(key);
        const auto found = marks.index_.constFind(lookup);
        if (found != marks.index_.constEnd()) {
            marks.marks_[*found].paid = paid;
            marks.marks_[*found].date = date;
            return;
        }
        marks.index_.insert(lookup, marks.marks_.size());
        marks.marks_.append({key, paid, date});
    }

    static void remove(PaymentMarks& marks, const BillKey& key)
    {
        keepOnly(marks, [&](const BillKey& k) { return k != key; });
    }

    static std::optional<Payment> markOf(const PaymentMarks& marks, const BillKey& key)
    {
        const PaymentMarks::Mark* mark = marks.find(lookupKey(key));
        if (!mark)
            return std::nullopt;
        return Payment{mark->paid, mark->date};
    }

    static bool empty(const PaymentMarks& marks) { return marks.marks_.isEmpty(); }
    static bool has(const PaymentMarks& marks, const QString& lookup) { return marks.index_.contains(lookup); }
    static qsizetype count(const PaymentMarks& marks) { return marks.marks_.size(); }

    static void keepOnly(PaymentMarks& marks, const std::function<bool(const BillKey&)>& keep)
    {
        QList<PaymentMarks::Mark> kept;
        for (const PaymentMarks::Mark& mark : std::as_const(marks.marks_))
            if (keep(mark.key))
                kept.append(mark);
        marks.marks_ = kept;
        marks.index_.clear();
        for (qsizetype i = 0; i < marks.marks_.size(); ++i)
            marks.index_.insert(lookupKey(marks.marks_[i].key), i);
    }
};

namespace {

// The marks file as read, and whether there was one.
struct StoredMarks {
    PaymentMarks marks;
    std::optional<QByteArray> bytes;
};

StoredMarks readStoredMarks(FileOps& ops, const QString& path)
{
    const OpenFile file(ops, path, OpenFile::ReadOnlyIfExists);
    if (!file.isOpen())
        return {};
    QByteArray bytes = file.readExactly(0, file.size());
    return {PaymentMarksEditor::parse(path, bytes), bytes};
}

// The document at `position` must still be `bytes` for the change to go on.
struct ExpectedDocument {
    qint64 position;
    QByteArray bytes;
};

// Changes the marks under the document lock and writes them back, without
// the marks of bills the document file no longer holds; writes nothing when
// that leaves the file as it was. A `change` that returns false has nothing
// to do, and the document file is not read then.
void changeMarks(FileOps& ops, const DataPaths& paths, const std::optional<ExpectedDocument>& expected,
                 const std::function<bool(PaymentMarks&)>& change)
{
    const QString documentFile = paths.documentFile();
    const QString marksFile = paths.paymentMarksFile();
    const DocumentLock lock(documentFile, DocumentLock::Writing);
    DocumentJournal(ops, documentFile).recover(lock);
    StoredMarks stored = readStoredMarks(ops, marksFile);
    PaymentMarks& marks = stored.marks;
    if (!change(marks))
        return;

    QSet<QString> held;
    bool expectedFound = !expected;
    RecordStream stream(ops, documentFile, doc::Size);
    QByteArrayView record;
    QString lookup;
    while (stream.next(record)) {
        if (expected && stream.position() == expected->position)
            expectedFound = record == QByteArrayView(expected->bytes);
        lookupKeyOf(record, lookup);
        if (PaymentMarksEditor::has(marks, lookup))
            held.insert(lookup);
        if (held.size() == PaymentMarksEditor::count(marks) && (!expected || stream.position() >= expected->position))
            break;
    }
    if (!expectedFound)
        throw IoError(documentChangedNotice(documentFile, expected->position));
    PaymentMarksEditor::keepOnly(marks, [&](const BillKey& key) { return held.contains(lookupKey(key)); });

    const QByteArray bytes = PaymentMarksEditor::serialise(marks);
    if (stored.bytes ? *stored.bytes == bytes : PaymentMarksEditor::empty(marks))
        return;
    removeStaleTemporaries(ops, marksFile);
    replaceFileAtomically(ops, marksFile, temporaryNameFor(marksFile), [&](OpenFile& out) { out.writeAt(0, bytes); });
}

} // namespace

PaymentMarks PaymentMarks::read(FileOps& ops, const DataPaths& paths)
{
    return readStoredMarks(ops, paths.paymentMarksFile()).marks;
}

const PaymentMarks::Mark* PaymentMarks::find(const QString& lookupKey) const
{
    const auto found = index_.constFind(lookupKey);
    return found == index_.constEnd() ? nullptr : &marks_[*found];
}

Payment PaymentMarks::paymentOf(const DocumentRecord& record) const
{
    return paymentOf(QByteArrayView(record.bytes()));
}

Payment PaymentMarks::paymentOf(QByteArrayView record) const
{
    if (!index_.isEmpty()) {
        QString lookup;
        lookupKeyOf(record, lookup);
        if (const Mark* mark = find(lookup))
            return {mark->paid, mark->date};
    }
    if (isCash(record)) {
        const std::string_view issued = storedText(record, doc::IssueDate);
        return {true, QDate::fromString(QLatin1StringView(issued.data(), qsizetype(issued.size())), Qt::ISODate)};
    }
    return {};
}

void markPayment(FileOps& ops, const DataPaths& paths, qint64 position, const DocumentRecord& record,
                 std::optional<QDate> date)
{
    if (!hasKnownKind(record))
        throw IoError(QStringLiteral("Dokument nr %1 nie jest rachunkiem ani rachunkiem korygującym: "
                                     "nie można oznaczyć jego zapłaty.")
                          .arg(position));
    if (date && !date->isValid())
        throw IoError(QStringLiteral("Niepoprawna data zapłaty."));
    const BillKey key = billKey(record);
    const bool cash = isCash(QByteArrayView(record.bytes()));
    changeMarks(ops, paths, ExpectedDocument{position, record.bytes()}, [&](PaymentMarks& marks) {
        if (date)
            PaymentMarksEditor::set(marks, key, true, *date);
        else if (cash)
            PaymentMarksEditor::set(marks, key, false, QDate());
        else
            PaymentMarksEditor::remove(marks, key);
        return true;
    });
}

void dropPayment(FileOps& ops, const DataPaths& paths, const DocumentRecord& deleted)
{
    // The mark stays when another stored bill has the same key: it may be
    // that bill's as well.
    const BillKey key = billKey(deleted);
    changeMarks(ops, paths, std::nullopt,
                [&](PaymentMarks& marks) { return PaymentMarksEditor::markOf(marks, key).has_value(); });
}

void movePayment(FileOps& ops, const DataPaths& paths, const DocumentRecord& before, const DocumentRecord& after)
{
    const BillKey from = billKey(before);
    const BillKey to = billKey(after);
    if (from == to)
        return;
    changeMarks(ops, paths, std::nullopt, [&](PaymentMarks& marks) {
        const std::optional<Payment> payment = PaymentMarksEditor::markOf(marks, from);
        if (payment)
            PaymentMarksEditor::set(marks, to, payment->paid, payment->paidOn);
        return payment.has_value();
    });
}

} // namespace kw
