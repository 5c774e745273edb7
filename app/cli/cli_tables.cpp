#include "app/cli/cli_tables.h"

#include "app/cli/cli_lines.h"
#include "documents/document_amount.h"
#include "exports/printable_text.h"
#include "store/cp1250.h"
#include "store/records.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace kw {

namespace {

// The opening record of the file, which is no bill.
constexpr qint64 openingPosition = 1;

constexpr std::array<StringField, 11> headFields = {
    doc::DocKind,    doc::DocNumber,  doc::NumberSuffix, doc::IssueDate,     doc::BuyerLine1, doc::BuyerLine2,
    doc::BuyerLine3, doc::BuyerLine4, doc::BuyerTaxId,   doc::PaymentMethod, doc::PaymentTerm};

ExportTable makeDocumentListTable()
{
    const auto text = [](const char* title, int width) {
        return ExportColumn{QString::fromUtf8(title), ColumnType::Text, width};
    };
    ExportTable table{QStringLiteral("Dokumenty"),
                      {text("Pozycja", 8), text("Rodzaj", 7), text("Numer", 8), text("Rozszerzenie", 12),
                       ExportColumn{QStringLiteral("Data wystawienia"), ColumnType::Date, 16}, text("Nabywca 1", 30),
                       text("Nabywca 2", 25), text("Nabywca 3", 20), text("Nabywca 4", 20), text("NIP nabywcy", 15),
                       text("Forma zapłaty", 14), text("Termin płatności", 16)}};
    for (int line = 1; line <= doc::Lines; ++line) {
        const QString number = QString::number(line);
        table.columns.append({QStringLiteral("Nazwa ") + number, ColumnType::Text, 30});
        table.columns.append({QStringLiteral("PKWiU ") + number, ColumnType::Text, 10});
        table.columns.append({QStringLiteral("J.m. ") + number, ColumnType::Text, 7});
        table.columns.append({QStringLiteral("Ilość ") + number, ColumnType::Amount, 9});
        table.columns.append({QStringLiteral("Cena ") + number, ColumnType::Amount, 11});
        table.columns.append({QStringLiteral("Razem ") + number, ColumnType::Amount, 11});
    }
    table.columns.append({QStringLiteral("Do zapłaty"), ColumnType::Amount, 12});
    return table;
}

// The columns the document list gained after "Do zapłaty": when the bill
// was paid, empty while it is not, and the date it is due.
const QList<ExportColumn> paymentColumns = {{QStringLiteral("Zapłacono"), ColumnType::Date, 12},
                                            {QStringLiteral("Płatny do"), ColumnType::Date, 12}};

void addDateCell(ExportRow& row, QDate date)
{
    row.addCell(date.isValid() ? date.toString(Qt::ISODate).toUtf8() : QByteArray());
}

QString fieldText(QByteArrayView record, StringField field)
{
    const std::string_view text = storedText(record, field);
    return fromCp1250(QByteArrayView(text.data(), qsizetype(text.size())));
}

bool isPrintableAscii(std::string_view text)
{
    for (char c : text) {
        if (c < 0x20 || c == 0x7F)
            return false;
    }
    return true;
}

// An amount as the record shows it ("     12.50") as a spreadsheet in the
// Polish locale reads it ("12,50"), as csvAmountText() makes it.
void addAmountTextCell(ExportRow& row, std::string_view stored)
{
    if (!isPrintableAscii(stored)) {
        row.addCell(printableText(csvAmountText(fromCp1250(QByteArrayView(stored)))).toUtf8());
        return;
    }
    const size_t first = stored.find_first_not_of(' ');
    const std::string_view amount = first == std::string_view::npos
        ? std::string_view()
        : stored.substr(first, stored.find_last_not_of(' ') + 1 - first);
    char* at = row.openCell(qsizetype(amount.size()));
    row.closeCell(std::replace_copy(amount.begin(), amount.end(), at, '.', ','));
}

// `amount` as csvAmount() writes it: grosze rounded half away from zero, a
// decimal comma, a minus only before an amount that does not round to zero.
void addAmountCell(ExportRow& row, Money amount)
{
    const qint64 grosze = amount.grosze();
    const quint64 magnitude = grosze < 0 ? 0 - quint64(grosze) : quint64(grosze);
    char* at = row.openCell(24);
    if (grosze < 0)
        *at++ = '-';
    at = std::to_chars(at, at + 20, magnitude / 100).ptr;
    *at++ = ',';
    *at++ = char('0' + magnitude % 100 / 10);
    *at++ = char('0' + magnitude % 10);
    row.closeCell(at);
}

void addFieldCell(ExportRow& row, QByteArrayView record, StringField field)
{
    const std::string_view text = storedText(record, field);
    row.closeCell(writePrintableUtf8(row.openCell(3 * qsizetype(text.size())), QByteArrayView(text)));
}

} // namespace

const ExportTable& documentListTable()
{
    static const ExportTable table = [] {
        ExportTable list = makeDocumentListTable();
        list.columns += paymentColumns;
        return list;
    }();
    return table;
}

QList<CsvRow> earlierDocumentListHeads() { return {headerRow(makeDocumentListTable())}; }

bool documentListRow(qint64 position, QByteArrayView record, ExportRow& row, const PaymentMarks& marks)
{
    const std::optional<Money> payable = documentAmount(record);
    if (position == openingPosition || !payable)
        return false;
    row.clear();
    row.closeCell(writeNumber(row.openCell(20), position));
    for (StringField field : headFields)
        addFieldCell(row, record, field);
    const bool corrective = storedText(record, doc::DocKind) == "K";
    const LineTable table = corrective ? LineTable::Correction : LineTable::Bill;
    for (int line = 1; line <= doc::Lines; ++line) {
        for (int column = 1; column <= doc::Columns; ++column) {
            // Quantity, price and total are numbers for the spreadsheet.
            if (column >= 4)
                addAmountTextCell(row, storedText(record, lineCell(table, column, line)));
            else
                addFieldCell(row, record, lineCell(table, column, line));
        }
    }
    addAmountCell(row, *payable);
    const Payment payment = marks.paymentOf(record);
    addDateCell(row, payment.paid ? payment.paidOn : QDate());
    addDateCell(row,
                dueDate(fieldText(record, doc::IssueDate), fieldText(record, doc::PaymentTerm),
                        fieldText(record, doc::PaymentMethod)));
    return true;
}

ExportTable yearlySummaryTable(const QString& year)
{
    return {QStringLiteral("Podliczenie %1").arg(year),
            {{QStringLiteral("Miesiąc"), ColumnType::Text, 14}, {QStringLiteral("Kwota"), ColumnType::Amount, 14}}};
}

void yearlySummaryRow(const YearlySummary& summary, int m, ExportRow& row)
{
    row.clear();
    row.addCell(monthName(m).toUtf8());
    addAmountCell(row, summary.totals[m]);
}

ExportTable receivablesTable()
{
    return {QStringLiteral("Należności"),
            {{QStringLiteral("Pozycja"), ColumnType::Text, 8},
             {QStringLiteral("Numer"), ColumnType::Text, 12},
             {QStringLiteral("Nabywca"), ColumnType::Text, 30},
             {QStringLiteral("Kwota"), ColumnType::Amount, 12},
             {QStringLiteral("Termin płatności"), ColumnType::Text, 16},
             {QStringLiteral("Płatny do"), ColumnType::Date, 12},
             {QStringLiteral("Dni po terminie"), ColumnType::Text, 15}}};
}

void receivableRow(const Receivable& receivable, ExportRow& row)
{
    row.clear();
    row.closeCell(writeNumber(row.openCell(20), receivable.position));
    row.addCell(printableText(receivable.number).toUtf8());
    row.addCell(printableText(receivable.buyer).toUtf8());
    addAmountCell(row, receivable.amount);
    row.addCell(printableText(receivable.term).toUtf8());
    addDateCell(row, receivable.due);
    row.closeCell(writeNumber(row.openCell(20), receivable.daysOverdue));
}

} // namespace kw
