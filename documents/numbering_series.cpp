#include "documents/numbering_series.h"

#include "documents/document_amount.h"
#include "editing/amount_text.h"
#include "store/cp1250.h"
#include "store/document_journal.h"
#include "store/document_lock.h"
#include "store/record_parts.h"
#include "store/records.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

namespace kw {

namespace {

QByteArrayView viewOf(std::string_view text) { return QByteArrayView(text.data(), qsizetype(text.size())); }

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The number's leading digits as readCount reads them, or empty when it
// has none. Read without a copy unless the text holds letters beyond ASCII.
std::optional<qint64> leadingNumber(std::string_view text)
{
    std::array<char16_t, doc::DocNumber.maxChars> wide;
    QString decoded;
    QStringView view;
    if (std::any_of(text.begin(), text.end(), [](char c) { return quint8(c) >= 0x80; })) {
        decoded = fromCp1250(viewOf(text));
        view = decoded;
    } else {
        std::copy(text.begin(), text.end(), wide.begin());
        view = QStringView(wide.data(), qsizetype(text.size()));
    }
    qsizetype first = 0;
    while (first < view.size() && view[first].isSpace())
        ++first;
    if (first == view.size() || view[first] < u'0' || view[first] > u'9')
        return std::nullopt;
    return readCount(view);
}

// Written exactly as QString::number writes its value.
bool isPlain(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), isDigit) && (text[0] != '0' || text.size() == 1);
}

// "2026-03-05" as 20260305; 0 for any other text.
qint32 dateValue(std::string_view text)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return 0;
    qint32 value = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (i == 4 || i == 7)
            continue;
        if (!isDigit(text[i]))
            return 0;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

// "number/extension" as a corrective bill stores the number it corrects.
QByteArray reference(std::string_view number, std::string_view suffix)
{
    QByteArray text = QByteArray(number.data(), qsizetype(number.size())) + '/';
    text.append(suffix.data(), qsizetype(suffix.size()));
    return text.left(doc::CorrectedRef.maxChars);
}

class NumberGatherer
{
public:
    explicit NumberGatherer(const QString& year) : year_(year.toLatin1()), opening_(toCp1250(openingBuyer())) {}

    void take(qint64 position, QByteArrayView record);
    // Adds what `later` gathered from the positions after this one's.
    void add(NumberGatherer&& later);
    GatheredNumbers finish();

private:
    static QString openingBuyer() { return sentinelRecord(QString()).get(doc::BuyerLine1); }
    bool isOpening(qint64 position, QByteArrayView record) const;
    NumberSeries& seriesOf(char kind, std::string_view suffix);

    QByteArray year_;
    QByteArray opening_;
    GatheredNumbers gathered_;
    size_t lastSeries_ = 0;
};

bool NumberGatherer::isOpening(qint64 position, QByteArrayView record) const
{
    return position == 1 && storedText(record, doc::DocNumber) == "0" &&
        viewOf(storedText(record, doc::BuyerLine1)) == opening_;
}

// Documents of one series mostly follow each other, so the last one is
// tried first.
NumberSeries& NumberGatherer::seriesOf(char kind, std::string_view suffix)
{
    std::vector<NumberSeries>& all = gathered_.series;
    const auto matches = [&](const NumberSeries& s) { return s.kind == kind && viewOf(suffix) == s.suffix; };
    if (lastSeries_ < all.size() && matches(all[lastSeries_]))
        return all[lastSeries_];
    const auto found = std::find_if(all.begin(), all.end(), matches);
    lastSeries_ = size_t(found - all.begin());
    if (found != all.end())
        return *found;
    NumberSeries series;
    series.kind = kind;
    series.suffix = QByteArray(suffix.data(), qsizetype(suffix.size()));
    all.push_back(std::move(series));
    return all.back();
}

void NumberGatherer::take(qint64 position, QByteArrayView record)
{
    const std::string_view kindText = storedText(record, doc::DocKind);
    if ((kindText != "F" && kindText != "K") || isOpening(position, record))
        return;
    const char kind = kindText[0];
    const std::string_view issued = storedText(record, doc::IssueDate);
    const bool counted = year_.isEmpty() || viewOf(issued).startsWith(year_);
    // A bill of another year may still be the one a corrective bill names.
    if (!counted && kind == 'K')
        return;
    const std::string_view number = storedText(record, doc::DocNumber);
    const std::string_view suffix = storedText(record, doc::NumberSuffix);
    NumberSeries& series = seriesOf(kind, suffix);
    const std::optional<qint64> value = leadingNumber(number);
    const bool plain = value && isPlain(number);
    if (value)
        series.numbers.push_back({*value, position, dateValue(issued), plain, counted});
    else if (counted)
        series.unread.push_back({QByteArray(number.data(), qsizetype(number.size())), position});
    if (kind == 'F' && !plain)
        gathered_.otherBillNumbers.push_back(reference(number, suffix));
    if (kind == 'K') {
        const std::string_view corrected = storedText(record, doc::CorrectedRef);
        gathered_.corrections.push_back({position, QByteArray(number.data(), qsizetype(number.size())), series.suffix,
                                         QByteArray(corrected.data(), qsizetype(corrected.size()))});
    }
}

void NumberGatherer::add(NumberGatherer&& later)
{
    for (NumberSeries& series : later.gathered_.series) {
        NumberSeries& into =
            seriesOf(series.kind, std::string_view(series.suffix.constData(), size_t(series.suffix.size())));
        into.numbers.insert(into.numbers.end(), series.numbers.begin(), series.numbers.end());
        into.unread.insert(into.unread.end(), std::make_move_iterator(series.unread.begin()),
                           std::make_move_iterator(series.unread.end()));
    }
    std::vector<CorrectiveBill>& corrections = gathered_.corrections;
    corrections.insert(corrections.end(), std::make_move_iterator(later.gathered_.corrections.begin()),
                       std::make_move_iterator(later.gathered_.corrections.end()));
    std::vector<QByteArray>& others = gathered_.otherBillNumbers;
    others.insert(others.end(), std::make_move_iterator(later.gathered_.otherBillNumbers.begin()),
                  std::make_move_iterator(later.gathered_.otherBillNumbers.end()));
}

GatheredNumbers NumberGatherer::finish()
{
    for (NumberSeries& series : gathered_.series)
        std::sort(series.numbers.begin(), series.numbers.end(), [](const IssuedNumber& a, const IssuedNumber& b) {
            return a.number != b.number ? a.number < b.number : a.position < b.position;
        });
    std::sort(gathered_.otherBillNumbers.begin(), gathered_.otherBillNumbers.end());
    return std::move(gathered_);
}

} // namespace

bool GatheredNumbers::hasBill(QByteArrayView reference) const
{
    if (std::binary_search(otherBillNumbers.begin(), otherBillNumbers.end(), reference))
        return true;
    // A plain number holds no "/", so the reference splits at its first one.
    const qsizetype slash = reference.indexOf('/');
    const QByteArrayView numberPart = reference.first(std::max<qsizetype>(slash, 0));
    if (slash < 0 || numberPart.size() > doc::DocNumber.maxChars ||
        !isPlain(std::string_view(numberPart.data(), size_t(numberPart.size()))))
        return false;
    const qint64 number = numberPart.toLongLong();
    const QByteArrayView suffixPart = reference.sliced(slash + 1);
    const bool cut = reference.size() == doc::CorrectedRef.maxChars;
    for (const NumberSeries& candidate : series) {
        if (candidate.kind != 'F' ||
            !(candidate.suffix == suffixPart || (cut && candidate.suffix.startsWith(suffixPart))))
            continue;
        const std::vector<IssuedNumber>& numbers = candidate.numbers;
        const auto first = std::lower_bound(numbers.begin(), numbers.end(), number,
                                            [](const IssuedNumber& issued, qint64 n) { return issued.number < n; });
        for (auto it = first; it != numbers.end() && it->number == number; ++it)
            if (it->plain)
                return true;
    }
    return false;
}

GatheredNumbers gatherNumbers(FileOps& ops, const QString& documentFile, const QString& year)
{
    const DocumentLock lock(documentFile, DocumentLock::Reading);
    DocumentJournal(ops, documentFile).recover(lock);
    // Each part gathers the documents of its positions; added one after
    // another they are in file order, as one pass would gather them.
    std::vector<NumberGatherer> parts(4, NumberGatherer(year));
    const int count = streamInParts(
        ops, documentFile, doc::Size,
        [&](int part, RecordStream& stream) {
            QByteArrayView record;
            while (stream.next(record))
                parts[size_t(part)].take(stream.position(), record);
        },
        int(parts.size()));
    for (int part = 1; part < count; ++part)
        parts[0].add(std::move(parts[size_t(part)]));
    return parts[0].finish();
}

} // namespace kw
