#pragma once

#include <QString>

#include <array>

namespace kw {

// Width of a line total in column 6 and of the bill total text.
inline constexpr int lineTotalWidth = 9;
inline constexpr int billTotalWidth = 12;

// The amount cells of one bill line: quantity (column 4) and gross unit
// price (column 5), as typed.
struct LineCells {
    QString quantity;
    QString price;
};

struct LineTotal {
    double quantity = 0.0;
    double price = 0.0;
    double product = 0.0;    // quantity × price, not rounded
    QString totalText;       // the product in lineTotalWidth characters
    bool writeTotal = false; // column 6 is written only for a non-zero product
};

struct BillTotals {
    std::array<LineTotal, 3> lines;
    double total = 0.0; // sum of the unrounded products
    QString totalText;  // the total in billTotalWidth characters
    QString totalLabel; // totalText followed by " PLN"
    QString zlotyWords; // empty for a negative total
    QString groszWords;
};

// Recomputes the line totals, the bill total and its words from the three
// lines' amount cells.
BillTotals computeBillTotals(const std::array<LineCells, 3>& lines);

} // namespace kw
