// The command line's text output for fuzzed records: the bill list of
// fuzzed documents and the summary lines with a fuzzed client. Every
// document gives exactly one line, and no line holds a control character;
// as CSV, every document's row reads back as written.

#include "app/cli/cli_lines.h"
#include "extras/csv.h"
#include "extras/printable_text.h"
#include "fuzz/fuzz_checks.h"
#include "fuzz/fuzz_input.h"
#include "store/records.h"

#include <cstdint>

using namespace kw;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::FuzzInput input(data, size);
    const QString client = input.text(80);
    SelectionLines bills;
    while (!input.atEnd()) {
        // Documents are mostly zeros; the fuzzer fills the head fields.
        const DocumentRecord document = DocumentRecord::fromBytes(input.bytes(input.word() % 600));
        bills.texts.append(billLine(document));
        bills.sources.append(bills.texts.size());
    }
    const QStringList list = documentListLines(bills);
    if (list.size() != bills.texts.size())
        fuzz::fail("one line per document");
    fuzz::requirePrintable(list);
    for (qsizetype i = 0; i < bills.texts.size(); ++i) {
        const CsvRow row{QString::number(bills.sources[i]), printableText(bills.texts[i])};
        const std::optional<CsvContent> read = readCsv(csvLine(row).toUtf8());
        if (!read || !read->problems.isEmpty() || read->records != QList<CsvRecord>{{1, row}})
            fuzz::fail("CSV row reads back differently", csvLine(row));
    }
    fuzz::requirePrintable(yearlySummaryLines(YearlySummary{}, client));
    return 0;
}
