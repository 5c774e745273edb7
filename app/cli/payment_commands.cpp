#include "app/cli/cli_commands.h"

#include "app/cli/cli_data_folder.h"
#include "app/cli/cli_error.h"
#include "app/cli/cli_output.h"
#include "app/cli/cli_tables.h"
#include "documents/payment_marks.h"
#include "exports/csv.h"
#include "exports/printable_text.h"
#include "store/document_file.h"

namespace kw {

namespace {

QString documentName(const DocumentRecord& document)
{
    const BillKey key = billKey(document);
    const QString number = key.suffix.isEmpty() ? key.number : key.number + u'/' + key.suffix;
    return (isCorrective(document) ? QStringLiteral("Rachunek korygujący ") : QStringLiteral("Rachunek ")) +
        printableText(number);
}

QString daysText(qint64 days)
{
    return QString::number(days) + (days == 1 ? QStringLiteral(" dzień") : QStringLiteral(" dni"));
}

// "12: 7/2026 Jan Kowalski; 123,00 zł; termin 14 dni (do 2026-12-15); po terminie 3 dni"
QString receivableLine(const Receivable& r)
{
    QString line = QStringLiteral("%1: %2 %3; %4 zł; ")
                       .arg(r.position)
                       .arg(printableText(r.number), printableText(r.buyer), csvAmount(r.amount));
    if (r.term.trimmed().isEmpty())
        line += r.due.isValid() ? QStringLiteral("płatny do %1").arg(r.due.toString(Qt::ISODate))
                                : QStringLiteral("bez terminu");
    else
        line += QStringLiteral("termin %1 (%2)")
                    .arg(printableText(r.term),
                         r.due.isValid() ? QStringLiteral("do ") + r.due.toString(Qt::ISODate)
                                         : QStringLiteral("data nieznana"));
    if (r.daysOverdue > 0)
        line += QStringLiteral("; po terminie ") + daysText(r.daysOverdue);
    return line;
}

QList<Receivable> chosenReceivables(FileOps& ops, const DataPaths& paths, bool overdueOnly)
{
    storedDocumentCount(ops, paths.documentFile());
    QList<Receivable> list = receivables(ops, paths, QDate::currentDate());
    if (overdueOnly)
        list.removeIf([](const Receivable& r) { return r.daysOverdue == 0; });
    return list;
}

} // namespace

void markPaid(FileOps& ops, const DataPaths& paths, std::optional<qint64> position, std::optional<QDate> paidOn)
{
    const qint64 chosen = storedPosition(ops, paths.documentFile(), position);
    const DocumentRecord document = DocumentFile(ops, paths).read(chosen);
    if (isOpeningRecord(document, chosen))
        throw CommandLineError(QStringLiteral("Na pozycji %1 jest początek bloczka rachunkowego, a nie rachunek; "
                                              "nie oznaczono zapłaty.")
                                   .arg(chosen));
    if (!hasKnownKind(document))
        throw CommandLineError(QStringLiteral("Dokument na pozycji %1 nie jest ani rachunkiem, ani rachunkiem "
                                              "korygującym; nie oznaczono zapłaty.")
                                   .arg(chosen));
    markPayment(ops, paths, chosen, document, paidOn);
    const QString what = QStringLiteral("%1 (pozycja %2) ").arg(documentName(document)).arg(chosen);
    printLine(paidOn ? what + QStringLiteral("zapłacony ") + paidOn->toString(Qt::ISODate) + u'.'
                     : what + QStringLiteral("nie jest zapłacony."));
}

void printReceivables(FileOps& ops, const DataPaths& paths, bool overdueOnly)
{
    const QList<Receivable> list = chosenReceivables(ops, paths, overdueOnly);
    if (list.isEmpty()) {
        printLine(overdueOnly ? QStringLiteral("Brak rachunków po terminie.")
                              : QStringLiteral("Brak nieopłaconych rachunków."));
        return;
    }
    Money total;
    for (const Receivable& r : list) {
        printLine(receivableLine(r));
        total += r.amount;
    }
    printLine(QStringLiteral("Razem do zapłaty: %1 zł (rachunków: %2).").arg(csvAmount(total)).arg(list.size()));
}

void exportReceivables(FileOps& ops, const DataPaths& paths, const QString& startFolder, bool overdueOnly,
                       const TableTarget& target)
{
    const QList<Receivable> list = chosenReceivables(ops, paths, overdueOnly);
    const TableRows rows = [&](const std::function<void(const ExportRow&)>& take) {
        ExportRow row;
        for (const Receivable& r : list) {
            receivableRow(r, row);
            take(row);
        }
    };
    deliverTable(ops, paths, startFolder, receivablesTable(), rows, target);
}

} // namespace kw
