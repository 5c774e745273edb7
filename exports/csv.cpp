#include "exports/csv.h"

#include "editing/amount_text.h"

#include <QRegularExpression>
#include <QStringDecoder>

namespace kw {
namespace {

constexpr QChar Separator = u';';
constexpr QChar Quote = u'"';
constexpr QChar Apostrophe = u'\'';

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

// The characters that make a spreadsheet read a cell as a formula (or, for
// tab and carriage return, hide one behind them) when they come first.
bool startsFormula(QChar c) { return c == u'=' || c == u'+' || c == u'-' || c == u'@' || c == u'\t' || c == u'\r'; }

// A number as written: a sign, digits with one decimal comma or point, an
// exponent. Amounts are such cells and must stay numbers for the spreadsheet.
bool isNumber(const QString& cell)
{
    static const QRegularExpression number(QStringLiteral("^[+-]?(\\d+([.,]\\d*)?|[.,]\\d+)([eE][+-]?\\d+)?$"));
    return number.match(cell).hasMatch();
}

// Whether the cell, after any apostrophes it starts with, starts a formula.
// The apostrophes count so that a text which itself starts with an
// apostrophe before such a character gets one more and reads back whole.
bool startsFormulaAfterApostrophes(const QString& cell)
{
    qsizetype i = 0;
    while (i < cell.size() && cell.at(i) == Apostrophe)
        ++i;
    return i < cell.size() && startsFormula(cell.at(i));
}

QString shownAsText(const QString& cell)
{
    return startsFormulaAfterApostrophes(cell) && !isNumber(cell) ? Apostrophe + cell : cell;
}

QString withoutTextMark(const QString& cell)
{
    return cell.startsWith(Apostrophe) && startsFormulaAfterApostrophes(cell) ? cell.sliced(1) : cell;
}

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

// Splits decoded text into rows as spreadsheets read CSV: RFC 4180 with ';',
// a quote opening a quoted cell only where the cell starts.
class CsvParser
{
public:
    CsvContent parse(const QString& text)
    {
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text.at(i);
            // CRLF is one line end, counted at its LF; a lone CR is an old Mac line end.
            const bool lineEnd = c == u'\n' || (c == u'\r' && (i + 1 == text.size() || text.at(i + 1) != u'\n'));
            if (inQuotes_) {
                if (c != Quote)
                    cell_ += c;
                else if (i + 1 < text.size() && text.at(i + 1) == Quote)
                    cell_ += text.at(++i);
                else
                    inQuotes_ = false;
                if (lineEnd)
                    ++line_;
            } else if (c == Quote && cell_.isEmpty() && !quoted_) {
                inQuotes_ = true;
                quoted_ = true;
                touched_ = true;
            } else if (c == Separator) {
                endCell();
            } else if (lineEnd) {
                endRow();
                ++line_;
                rowLine_ = line_;
            } else if (c != u'\r') {
                cell_ += c;
                touched_ = true;
            }
        }
        if (inQuotes_)
            content_.problems.append(
                {rowLine_,
                 QStringLiteral("cudzysłów otwarty w kolumnie %1 nie jest zamknięty do końca pliku; "
                                "tego wiersza ani dalszej części pliku nie wczytano")
                     .arg(row_.size() + 1)});
        else
            endRow();
        return content_;
    }

private:
    void endCell()
    {
        row_.append(withoutTextMark(cell_));
        cell_.clear();
        quoted_ = false;
        touched_ = true;
    }

    void endRow()
    {
        if (touched_ || !cell_.isEmpty()) {
            endCell();
            content_.records.append({rowLine_, row_});
        }
        row_.clear();
        cell_.clear();
        quoted_ = false;
        touched_ = false;
    }

    CsvContent content_;
    CsvRow row_;
    QString cell_;
    int line_ = 1;
    int rowLine_ = 1;
    bool inQuotes_ = false;
    bool quoted_ = false;  // the current cell opened with a quote
    bool touched_ = false; // the current line has held something, even an empty quoted cell
};

} // namespace

QByteArray csvByteOrderMark() { return QByteArrayLiteral("\xEF\xBB\xBF"); }

QString csvLine(const CsvRow& cells)
{
    QStringList quoted;
    quoted.reserve(cells.size());
    for (const QString& cell : cells)
        quoted.append(quotedCell(shownAsText(cell)));
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

std::optional<CsvContent> readCsv(const QByteArray& bytes)
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
