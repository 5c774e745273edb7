#pragma once

#include "print/bill_printout.h"

#include <array>

namespace kw {

using LineCellsText = std::array<QString, 6>;

// Writes columns 1 to 6 of one line of a document's line table.
void setLine(DocumentRecord& document, LineTable table, int line, const LineCellsText& cells);

// Bill 7/2009 for Jan Kowalski: a haircut for 10.00 and a wash for 2.50,
// printed in Arial 10 pt, black.
BillPrintout sampleBill();

// Corrective bill K/1/2009 of bill 7/2009: the bill's lines 30.00 and 20.00
// before correction, one line of 30.00 after it.
BillPrintout sampleCorrectiveBill();

} // namespace kw
