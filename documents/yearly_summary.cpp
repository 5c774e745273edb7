#include "documents/yearly_summary.h"

#include "documents/document_amount.h"
#include "editing/amount_text.h"
#include "store/cp1250.h"
#include "store/document_journal.h"
#include "store/document_lock.h"
#include "store/record_stream.h"
#include "store/records.h"

#include <QByteArray>

#include <algorithm>
#include <limits>
#include <string_view>

namespace kw {
namespace {

// The records are matched byte by byte, without decoding every field: a
// search text is taken as the code-page bytes it has in a record. Empty
// when it can occur in no record (it is empty, or holds a character the
// code page cannot hold).
std::optional<QByteArray> recordBytesOf(const QString& text)
{
    if (text.isEmpty())
        return std::nullopt;
    QByteArray bytes = toCp1250(text);
    if (fromCp1250(bytes) != text)
        return std::nullopt;
    return bytes;
}

bool contains(std::string_view text, const std::optional<QByteArray>& part)
{
    return part && text.find(std::string_view(part->constData(), size_t(part->size()))) != std::string_view::npos;
}

// The month written at characters 6 and 7 of an issue date, 0 when they do
// not give 1..12.
int monthOf(std::string_view issueDate)
{
    if (issueDate.size() < 7)
        return 0;
    const char tens = issueDate[5];
    const char ones = issueDate[6];
    if (tens < '0' || tens > '9' || ones < '0' || ones > '9')
        return 0;
    const int month = (tens - '0') * 10 + (ones - '0');
    return month >= 1 && month <= 12 ? month : 0;
}

QString summaryAmountText(Money amount) { return formatAmount(amount, 12); }

} // namespace

QString anyClient() { return QStringLiteral("Dowolny"); }

int barCount(Money amount)
{
    constexpr int largest = std::numeric_limits<int>::max();
    return int(std::clamp<qint64>(amount.zlotyHalvesToEven(), 0, largest));
}

QString summaryTitle(const QString& client)
{
    return client == anyClient() ? QStringLiteral("Podliczenie dokumentów dla wszystkich klientów")
                                 : QStringLiteral("Podliczenie dokumentów dla wybranego klienta");
}

YearlySummary computeYearlySummary(FileOps& ops, const QString& documentFile, const QString& year,
                                   const QString& client)
{
    const bool everyClient = client == anyClient();
    const std::optional<QByteArray> yearBytes = recordBytesOf(year);
    const std::optional<QByteArray> clientBytes = recordBytesOf(client);

    YearlySummary summary;
    bool anyCounted = false;
    DocumentLock lock(documentFile, DocumentLock::Reading);
    DocumentJournal(ops, documentFile).recover(lock);
    RecordStream stream(ops, documentFile, doc::Size, 256);
    QByteArrayView record;
    while (stream.next(record)) {
        if (!contains(storedText(record, doc::IssueDate), yearBytes))
            continue;
        if (!everyClient && !contains(storedText(record, doc::BuyerLine1), clientBytes))
            continue;
        const int month = monthOf(storedText(record, doc::IssueDate));
        const std::optional<Money> amount = documentAmount(record);
        if (month == 0 || !amount)
            continue;
        summary.totals[month - 1] += *amount;
        anyCounted = true;
    }

    for (int m = 0; m < 12; ++m) {
        summary.totalLabels[m] = summaryAmountText(summary.totals[m]) + QStringLiteral(" PLN");
        if (summary.totals[m] >= summary.basis)
            summary.basis = summary.totals[m];
    }
    summary.basisLabel = summaryAmountText(summary.basis) + QStringLiteral(" PLN = 100%");
    summary.barMaximum = barCount(summary.basis);
    for (int m = 0; m < 12; ++m)
        summary.barPositions[m] = std::min(barCount(summary.totals[m]), summary.barMaximum);

    if (anyCounted) {
        summary.title = summaryTitle(client);
        if (!everyClient)
            summary.clientLabel = client;
    }
    return summary;
}

} // namespace kw
