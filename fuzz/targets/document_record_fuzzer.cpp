// One document record of fuzzed bytes: every field, both line tables, their
// totals and the amounts a printout shows.

#include "editing/bill_totals.h"
#include "editing/selection_lines.h"
#include "fuzz/fuzz_checks.h"
#include "print/printed_amounts.h"
#include "store/records.h"

#include <cstdint>

using namespace kw;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const DocumentRecord record =
        DocumentRecord::fromBytes(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    for (const StringField field :
         {doc::Place, doc::IssueDate, doc::DocNumber, doc::NumberSuffix, doc::BuyerLine1, doc::BuyerLine2,
          doc::BuyerLine3, doc::BuyerLine4, doc::BuyerTaxId, doc::PaymentMethod, doc::ServiceDate, doc::PaymentTerm,
          doc::Signature, doc::DocKind, doc::CorrectedRef})
        if (record.get(field).size() > field.maxChars)
            fuzz::fail("field longer than its width");
    for (const LineTable table : {LineTable::Bill, LineTable::Correction}) {
        std::array<LineCells, 3> lines;
        for (int line = 1; line <= doc::Lines; ++line) {
            for (int column = 1; column <= doc::Columns; ++column)
                if (record.get(lineCell(table, column, line)).size() > doc::CellChars)
                    fuzz::fail("cell longer than its width");
            lines[line - 1] = {record.get(lineCell(table, 4, line)), record.get(lineCell(table, 5, line))};
        }
        computeBillTotals(lines);
    }
    printedAmounts(record);
    billLine(record);
    return 0;
}
