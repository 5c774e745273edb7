// The command line's text output for fuzzed records: the bill list of
// fuzzed documents and the summary lines with a fuzzed client. Every
// document gives exactly one line, made in bytes as the bill list's line
// is made in text, and no line holds a control character; as CSV, every
// document's row is the line csvLine() writes for its cells and reads back
// as written.

#include "app/cli/cli_lines.h"
#include "app/cli/cli_tables.h"
#include "editing/selection_lines.h"
#include "exports/csv.h"
#include "exports/printable_text.h"
#include "fuzz/fuzz_checks.h"
#include "fuzz/fuzz_input.h"
#include "store/records.h"

#include <cstdint>

using namespace kw;

namespace {

void checkListLine(qint64 position, const DocumentRecord& document)
{
    QByteArray line;
    appendDocumentListLine(line, position, document.bytes());
    const QString expected = QStringLiteral("%1: %2\n").arg(position).arg(printableText(billLine(document)));
    if (line != expected.toUtf8())
        fuzz::fail("list line differs from the bill list's line", QString::fromUtf8(line));
    fuzz::requirePrintable({QString::fromUtf8(line.chopped(1))});
}

void checkCsvRow(qint64 position, const DocumentRecord& document)
{
    ExportRow row;
    if (!documentListRow(position, document.bytes(), row))
        return;
    CsvRow cells;
    for (qsizetype i = 0; i < row.size(); ++i)
        cells.append(QString::fromUtf8(row.cell(i)));
    fuzz::requirePrintable(cells);
    QByteArray line;
    appendCsvLine(line, row);
    if (line != csvLine(cells).toUtf8())
        fuzz::fail("CSV line differs from csvLine()", QString::fromUtf8(line));
    const std::optional<CsvContent> read = readCsv(line);
    if (!read || !read->problems.isEmpty() || read->records != QList<CsvRecord>{{1, cells}})
        fuzz::fail("CSV row reads back differently", QString::fromUtf8(line));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::FuzzInput input(data, size);
    const QString client = input.text(80);
    qint64 position = 0;
    while (!input.atEnd()) {
        // Documents are mostly zeros; the fuzzer fills the head fields.
        DocumentRecord document = DocumentRecord::fromBytes(input.bytes(input.word() % 600));
        ++position;
        // Every other one a bill or a corrective bill, so rows are made.
        if (position % 2 == 0)
            document.set(doc::DocKind, position % 4 == 0 ? QStringLiteral("K") : QStringLiteral("F"));
        checkListLine(position, document);
        checkCsvRow(position, document);
    }
    fuzz::requirePrintable(yearlySummaryLines(YearlySummary{}, client));
    return 0;
}
