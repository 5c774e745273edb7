#include "extras/csv.h"

#include "editing/amount_text.h"

#include <QStringDecoder>

namespace kw {
namespace {

constexpr QChar Separator = u';';
constexpr QChar Quote = u'"';

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

bool needsQuotes(const QString& cell)
{
    if (cell.isEmpty())
        return false;
    if (isBlank(cell.front()) || isBlank(cell.back()))
        return true;
    for (QChar c : cell) {
        if (c == Separator || c == Quote || c == u'\r' || c == u'\n')
            return true;
    }
    return false;
}

QString quotedCell(const QString& cell)
{
    if (!needsQuotes(cell))
        return cell;
    QString quoted = cell;
    quoted.replace(Quote, QStringLiteral("\"\""));
    return Quote + quoted + Quote;
}

// Splits decoded text into rows; the state machine of RFC 4180 with ';'.
class CsvParser
{
public:
    QList<CsvRow> parse(const QString& text)
    {
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text.at(i);
            if (inQuotes_) {
                if (c != Quote)
                    cell_ += c;
                else if (i + 1 < text.size() && text.at(i + 1) == Quote)
                    cell_ += text.at(++i);
                else
                    inQuotes_ = false;
            } else if (c == Quote) {
                inQuotes_ = true;
                touched_ = true;
            } else if (c == Separator) {
                endCell();
            } else if (c == u'\n') {
                endRow();
            } else if (c == u'\r') {
                // CRLF ends the row at its LF; a lone CR is an old Mac line end.
                if (i + 1 == text.size() || text.at(i + 1) != u'\n')
                    endRow();
            } else {
                cell_ += c;
                touched_ = true;
            }
        }
        endRow();
        return rows_;
    }

private:
    void endCell()
    {
        row_.append(cell_);
        cell_.clear();
        touched_ = true;
    }

    void endRow()
    {
        if (touched_ || !cell_.isEmpty()) {
            row_.append(cell_);
            rows_.append(row_);
        }
        row_.clear();
        cell_.clear();
        touched_ = false;
    }

    QList<CsvRow> rows_;
    CsvRow row_;
    QString cell_;
    bool inQuotes_ = false;
    bool touched_ = false; // the current line has held something, even an empty quoted cell
};

} // namespace

QByteArray csvByteOrderMark() { return QByteArrayLiteral("\xEF\xBB\xBF"); }

QString csvLine(const CsvRow& cells)
{
    QStringList quoted;
    quoted.reserve(cells.size());
    for (const QString& cell : cells)
        quoted.append(quotedCell(cell));
    return quoted.join(Separator) + QStringLiteral("\r\n");
}

QByteArray csvFileBytes(const QList<CsvRow>& rows)
{
    QByteArray bytes = csvByteOrderMark();
    for (const CsvRow& row : rows)
        bytes += csvLine(row).toUtf8();
    return bytes;
}

QString csvAmount(Money value) { return formatAmount(value, 0).replace(u'.', u','); }

QString csvAmountText(const QString& shownAmount) { return shownAmount.trimmed().replace(u'.', u','); }

std::optional<QList<CsvRow>> readCsv(const QByteArray& bytes)
{
    QByteArrayView body = bytes;
    if (body.startsWith(csvByteOrderMark()))
        body = body.sliced(csvByteOrderMark().size());
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(body);
    if (decoder.hasError())
        return std::nullopt;
    return CsvParser().parse(text);
}

} // namespace kw
