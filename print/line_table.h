#pragma once

#include "print/print_font.h"

#include <QString>
#include <QStringList>

#include <array>

namespace kw {

// The printed line table: six columns side by side, headed in the print font
// (bold, size S) and filled in Courier New a point smaller.
inline const QString lineTableFace = QStringLiteral("Courier New");

struct LineTableColumn {
    int x;     // print units
    int width; // the text starts one unit in, so it has width - 1
    QString heading;
    QString usualText; // the widest text the column usually holds
};

// Name, PKWiU, unit, quantity, price and line total. The usual texts are a
// long service name, a full PKWiU code, a short unit and the amounts as the
// window stores them (7, 8 and 9 characters).
inline const std::array<LineTableColumn, 6> lineTableColumns{{
    {10, 100, QStringLiteral("Nazwa"), QStringLiteral("Strzyżenie damskie z myciem i modelowaniem")},
    {110, 20, QStringLiteral("PKWiU"), QStringLiteral("96.02.11.0")},
    {130, 10, QStringLiteral("J.m."), QStringLiteral("szt.")},
    {140, 20, QStringLiteral("Ilość"), QStringLiteral("1000.00")},
    {160, 20, QStringLiteral("Cena"), QStringLiteral("99999.99")},
    {180, 20, QStringLiteral("Razem"), QStringLiteral("999999.99")},
}};

// The headings of the columns whose heading or usual text is wider than the
// column when printed in `lettering`; the printout cuts such text at the
// column's edge.
QStringList overflowingTableColumns(const PrintLettering& lettering);

// What the print-font choice says about such columns: empty when every
// column holds its text, otherwise a sentence naming them.
QString tableFitWarning(const PrintLettering& lettering);

} // namespace kw
