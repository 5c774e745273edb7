#pragma once

#include "editing/money.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace kw {

// Kwitarnia's CSV files are made for LibreOffice Calc and Excel in the Polish
// locale: UTF-8 with a byte-order mark, cells separated by semicolons, quoted
// as RFC 4180 says, lines ended by CRLF, amounts with a decimal comma.

using CsvRow = QList<QString>;

// The UTF-8 byte-order mark that starts every file we write.
QByteArray csvByteOrderMark();

// One line of a file: the cells separated by ';' and ended by CRLF. A cell is
// quoted when it holds ';', '"', CR or LF or starts or ends with a blank;
// quotes inside it are doubled.
QString csvLine(const CsvRow& cells);

// A whole file: the byte-order mark, then one line per row, in UTF-8.
QByteArray csvFileBytes(const QList<CsvRow>& rows);

// An amount rounded to grosze as the program shows it, with a decimal comma:
// 1234.5 gives "1234,50".
QString csvAmount(Money value);

// An amount as the program shows it ("     12.50") as a spreadsheet in the
// Polish locale reads it ("12,50"): blanks trimmed, the point made a comma.
QString csvAmountText(const QString& shownAmount);

// Reads CSV bytes with or without the byte-order mark, lines ended by CRLF,
// LF or a lone CR, into rows of cells. Empty lines are skipped; a quote left
// open takes the rest of the file into its cell. Returns nothing when the
// bytes are not UTF-8 (a file saved in another code page) so the caller can
// say so rather than import mangled letters.
std::optional<QList<CsvRow>> readCsv(const QByteArray& bytes);

} // namespace kw
