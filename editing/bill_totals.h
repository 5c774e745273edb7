#pragma once

#include "editing/money.h"

#include <QString>

#include <array>

namespace kw {

// Width of a line total in column 6 and of the bill total text.
inline constexpr int lineTotalWidth = 9;
inline constexpr int billTotalWidth = 12;
// Quantities and prices are stored with this many decimals.
inline constexpr int storedFigureDecimals = 2;

// The amount cells of one bill line: quantity (column 4) and gross unit
// price (column 5), as typed.
struct LineCells {
    QString quantity;
    QString price;
};

struct LineTotal {
    Money quantity;          // as it will be stored, with two decimals
    Money price;             // likewise
    Money product;           // quantity × price, exact
    QString totalText;       // the product in lineTotalWidth characters
    bool writeTotal = false; // column 6 is written only for a non-zero product
};

struct BillTotals {
    std::array<LineTotal, 3> lines;
    Money total;        // sum of the exact products
    QString totalText;  // the total in billTotalWidth characters
    QString totalLabel; // totalText followed by " PLN"
    QString zlotyWords; // empty for a negative total
    QString groszWords;
};

// Recomputes the line totals, the bill total and its words from the three
// lines' amount cells. The quantities and prices count as storing will write
// them, so what is shown is what storing keeps.
BillTotals computeBillTotals(const std::array<LineCells, 3>& lines);

} // namespace kw
