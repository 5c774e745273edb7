#include "documents/payment_marks.h"

#include "documents/document_amount.h"
#include "documents/iso_date.h"
#include "documents/payment_marks_format.h"
#include "store/cp1250.h"
#include "store/document_file.h"
#include "store/document_journal.h"
#include "store/document_lock.h"
#include "store/io_error.h"
#include "store/open_file.h"
#include "store/record_file.h"
#include "store/record_stream.h"

#include <QFile>

#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <functional>
#include <string>
#include <unordered_set>
#include <utility>

namespace kw {

bool paidInCash(QByteArrayView record)
{
    static const QByteArray cash = toCp1250(QStringLiteral("Gotówka"));
    const std::string_view method = storedText(record, doc::PaymentMethod);
    return method == std::string_view(cash.constData(), size_t(cash.size()));
}

namespace {

// The marks file's bytes; none when there is no file.
std::optional<QByteArray> readMarksFile(FileOps& ops, const QString& path)
{
    const OpenFile file(ops, path, OpenFile::ReadOnlyIfExists);
    if (!file.isOpen())
        return std::nullopt;
    return file.readExactly(0, file.size());
}

// The marks being changed, in the order of the file.
class MarkList
{
public:
    explicit MarkList(QList<MarkLine> lines) : lines_(std::move(lines)) {}

    const QList<MarkLine>& lines() const { return lines_; }

    std::optional<Payment> markOf(const BillKey& key) const
    {
        const qsizetype at = indexOf(key);
        if (at < 0)
            return std::nullopt;
        return Payment{lines_[at].paid, lines_[at].date};
    }
    void set(const BillKey& key, bool paid, QDate date)
    {
        const qsizetype at = indexOf(key);
        if (at < 0)
            lines_.append({key, paid, date});
        else
            lines_[at] = {key, paid, date};
    }
    void remove(const BillKey& key)
    {
        lines_.removeIf([&](const MarkLine& line) { return line.key == key; });
    }
    void keepOnly(const std::function<bool(const MarkLine&)>& keep)
    {
        lines_.removeIf([&](const MarkLine& line) { return !keep(line); });
    }

private:
    qsizetype indexOf(const BillKey& key) const
    {
        for (qsizetype i = 0; i < lines_.size(); ++i)
            if (lines_[i].key == key)
                return i;
        return -1;
    }

    QList<MarkLine> lines_;
};

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
                 const std::function<bool(MarkList&)>& change)
{
    const QString documentFile = paths.documentFile();
    const QString marksFile = paths.paymentMarksFile();
    const DocumentLock lock(documentFile, DocumentLock::Writing);
    DocumentJournal(ops, documentFile).recover(lock);
    const std::optional<QByteArray> stored = readMarksFile(ops, marksFile);
    MarkList marks(stored ? parseMarkLines(marksFile, *stored) : QList<MarkLine>());
    if (!change(marks))
        return;

    std::unordered_set<std::string> wanted;
    for (const MarkLine& line : marks.lines())
        wanted.insert(writtenKey(line.key));
    std::unordered_set<std::string> held;
    bool expectedFound = !expected;
    RecordStream stream(ops, documentFile, doc::Size);
    QByteArrayView record;
    std::string key;
    while (stream.next(record)) {
        if (expected && stream.position() == expected->position)
            expectedFound = record == QByteArrayView(expected->bytes);
        writtenKeyOf(record, key);
        if (wanted.count(key))
            held.insert(key);
        if (held.size() == wanted.size() && (!expected || stream.position() >= expected->position))
            break;
    }
    if (!expectedFound)
        throw IoError(documentChangedNotice(documentFile, expected->position));
    marks.keepOnly([&](const MarkLine& line) { return held.count(writtenKey(line.key)) > 0; });

    const QByteArray bytes = formatMarkLines(marks.lines());
    if (stored ? *stored == bytes : marks.lines().isEmpty())
        return;
    removeStaleTemporaries(ops, marksFile);
    replaceFileAtomically(ops, marksFile, temporaryNameFor(marksFile), [&](OpenFile& out) { out.writeAt(0, bytes); });
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

namespace {

// An entry of the table: the upper 24 bits of its key's hash, then where
// its line starts + 1 in 40 bits, as far as a terabyte.
constexpr quint64 tagBits = ~quint64(0) << 40;
constexpr char fieldEnd = '\t';

quint64 keyHash(std::string_view key) { return std::hash<std::string_view>{}(key); }

// Lines are short, so a plain search beats memchr's start-up for each.
qsizetype lineCount(QByteArrayView text)
{
    qsizetype count = 0;
    for (auto at = std::find(text.begin(), text.end(), '\n'); at != text.end();
         at = std::find(at + 1, text.end(), '\n'))
        ++count;
    return count;
}

} // namespace

PaymentMarks PaymentMarks::read(FileOps& ops, const DataPaths& paths)
{
    PaymentMarks marks;
    const QString path = paths.paymentMarksFile();
    const std::optional<QByteArray> bytes = readMarksFile(ops, path);
    if (!bytes)
        return marks;
    marks.text_ = *bytes;
    const QByteArrayView text(marks.text_.constData(), marks.text_.size());
    // A mark's line has nine bytes at least; a file of blank lines is to be
    // refused for its second line, not to fill memory first.
    const size_t lines = size_t(std::min(lineCount(text) + 1, text.size() / 9 + 2));
    const size_t wanted = lines * 3 / 2;
    size_t size = 4;
    while (size < wanted)
        size *= 2;
    marks.index_.resize(size);

    // A few marks are taken in at once: the table's entries for them are
    // fetched from memory together rather than one after another.
    struct Pending {
        std::string_view key;
        quint64 hash;
        qsizetype line;
    };
    std::array<Pending, 16> pending;
    size_t waiting = 0;
    qsizetype line = 1; // the heading
    const auto takeWaiting = [&] {
        const size_t taken = std::exchange(waiting, 0);
        for (size_t i = 0; i < taken; ++i) {
            quint64& entry = marks.index_[marks.entryOf(pending[i].key, pending[i].hash)];
            if (entry != 0)
                throw IoError(repeatedMarkError(path, pending[i].line));
            entry = (pending[i].hash & tagBits) | quint64(pending[i].key.data() - text.data() + 1);
        }
    };
    try {
        scanMarkLines(path, text, [&](const WrittenMark& mark) {
            const quint64 hash = keyHash(mark.key);
            __builtin_prefetch(&marks.index_[hash & (size - 1)], 1);
            pending[waiting++] = {mark.key, hash, ++line};
            if (waiting == pending.size())
                takeWaiting();
            return true;
        });
    } catch (const IoError&) {
        // A mark repeated on a line before the faulty one is named first.
        takeWaiting();
        throw;
    }
    takeWaiting();
    return marks;
}

size_t PaymentMarks::entryOf(std::string_view key, quint64 hash) const
{
    const size_t mask = index_.size() - 1;
    const std::string_view text(text_.constData(), size_t(text_.size()));
    for (size_t at = hash & mask;; at = (at + 1) & mask) {
        const quint64 entry = index_[at];
        if (entry == 0)
            return at;
        // The key as written holds three tabs, so a line that starts with
        // it and a fourth tab has that very key.
        const size_t line = size_t(entry & ~tagBits) - 1;
        if ((entry & tagBits) == (hash & tagBits) && text.substr(line, key.size()) == key &&
            line + key.size() < text.size() && text[line + key.size()] == fieldEnd)
            return at;
    }
}

Payment PaymentMarks::paymentOf(const DocumentRecord& record) const
{
    return paymentOf(QByteArrayView(record.bytes()));
}

Payment PaymentMarks::paymentOf(QByteArrayView record) const
{
    // Kept between calls, so going through a long file allocates no key per
    // record.
    thread_local std::string key;
    if (index_.empty())
        return paymentFrom(record, 0, 0);
    writtenKeyOf(record, key);
    return paymentFrom(record, index_[entryOf(key, keyHash(key))], key.size());
}

void PaymentMarks::paymentsOf(QByteArrayView records, std::vector<Payment>& out) const
{
    const size_t count = size_t(records.size() / doc::Size);
    const auto record = [&](size_t i) { return records.sliced(qsizetype(i) * doc::Size, doc::Size); };
    thread_local std::vector<std::string> keys;
    thread_local std::vector<quint64> hashes;
    if (keys.size() < count) {
        keys.resize(count);
        hashes.resize(count);
    }
    if (!index_.empty()) {
        for (size_t i = 0; i < count; ++i) {
            writtenKeyOf(record(i), keys[i]);
            hashes[i] = keyHash(keys[i]);
            __builtin_prefetch(&index_[hashes[i] & (index_.size() - 1)]);
        }
    }
    out.resize(count);
    for (size_t i = 0; i < count; ++i)
        out[i] = paymentFrom(record(i), index_.empty() ? 0 : index_[entryOf(keys[i], hashes[i])], keys[i].size());
}

Payment PaymentMarks::paymentFrom(QByteArrayView record, quint64 entry, size_t keySize) const
{
    if (entry != 0) {
        // The payment follows the key and a tab: "nie" or a date, as
        // checked when the file was read.
        const size_t at = size_t(entry & ~tagBits) - 1 + keySize + 1;
        if (text_[qsizetype(at)] == 'n')
            return {};
        const QDate date = isoDate(std::string_view(text_.constData() + at, 10));
        return {true, date};
    }
    if (paidInCash(record))
        return {true, isoDate(storedText(record, doc::IssueDate))};
    return {};
}

void markPayment(FileOps& ops, const DataPaths& paths, qint64 position, const DocumentRecord& record,
                 std::optional<QDate> date)
{
    if (!hasKnownKind(record))
        throw IoError(QStringLiteral("Dokument nr %1 nie jest rachunkiem ani rachunkiem korygującym: "
                                     "nie można oznaczyć jego zapłaty.")
                          .arg(position));
    if (date && (!date->isValid() || date->year() < 1 || date->year() > 9999))
        throw IoError(QStringLiteral("Niepoprawna data zapłaty."));
    const BillKey key = billKey(record);
    const bool cash = paidInCash(QByteArrayView(record.bytes()));
    changeMarks(ops, paths, ExpectedDocument{position, record.bytes()}, [&](MarkList& marks) {
        if (date)
            marks.set(key, true, *date);
        else if (cash)
            marks.set(key, false, QDate());
        else
            marks.remove(key);
        return true;
    });
}

namespace {

// Without a marks file no bill is marked, so deleting or renumbering one has
// no mark to carry; nothing is locked or read then. A file that is merely
// unreadable counts as there.
bool marksFileMayExist(const DataPaths& paths)
{
    struct stat info {};
    return ::lstat(QFile::encodeName(paths.paymentMarksFile()).constData(), &info) == 0 || errno != ENOENT;
}

} // namespace

void dropPayment(FileOps& ops, const DataPaths& paths, const DocumentRecord& deleted)
{
    if (!marksFileMayExist(paths))
        return;
    // The mark stays when another stored bill has the same key: it may be
    // that bill's as well.
    const BillKey key = billKey(deleted);
    changeMarks(ops, paths, std::nullopt, [&](MarkList& marks) { return marks.markOf(key).has_value(); });
}

void movePayment(FileOps& ops, const DataPaths& paths, const DocumentRecord& before, const DocumentRecord& after)
{
    const BillKey from = billKey(before);
    const BillKey to = billKey(after);
    if (from == to || !marksFileMayExist(paths))
        return;
    changeMarks(ops, paths, std::nullopt, [&](MarkList& marks) {
        const std::optional<Payment> payment = marks.markOf(from);
        if (payment)
            marks.set(to, payment->paid, payment->paidOn);
        return payment.has_value();
    });
}

} // namespace kw
