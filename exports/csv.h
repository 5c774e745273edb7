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
//
// A text cell that a spreadsheet would take for a formula (one starting with
// '=', '+', '-', '@', a tab or a carriage return, and not a number) is
// written after an apostrophe, which makes the spreadsheet show it as text;
// the reader takes that apostrophe off again.

using CsvRow = QList<QString>;

// The UTF-8 byte-order mark that starts every file we write.
QByteArray csvByteOrderMark();

// One line of a file: the cells separated by ';' and ended by CRLF. A text
// cell a spreadsheet would run as a formula gets its apostrophe. A cell is
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

// A row read from a file, with the line of the file it starts on, counted
// from 1 with empty lines included, as an editor or a spreadsheet shows it.
struct CsvRecord {
    int line;
    CsvRow cells;
    bool operator==(const CsvRecord&) const = default;
};

// Why the file could not be read from `line` on.
struct CsvProblem {
    int line;
    QString reason;
    bool operator==(const CsvProblem&) const = default;
};

struct CsvContent {
    QList<CsvRecord> records;
    QList<CsvProblem> problems;
};

// Reads CSV bytes with or without the byte-order mark, lines ended by CRLF,
// LF or a lone CR, as spreadsheets do: a quote opens a quoted cell only as
// the cell's first character and is an ordinary character anywhere else.
// Empty lines are skipped. A quoted cell still open at the end of the file
// is a problem, not data: its row and everything after the quote are left
// out. Returns nothing when the bytes are not UTF-8 (a file saved in another
// code page) so the caller can say so rather than import mangled letters.
std::optional<CsvContent> readCsv(const QByteArray& bytes);

} // namespace kw
