// The yearly summary over a document file of fuzzed bytes, for a fuzzed
// year and client, as the panel and the command line show it.

#include "app/cli/cli_lines.h"
#include "documents/yearly_summary.h"
#include "fuzz/fuzz_checks.h"
#include "fuzz/fuzz_folder.h"
#include "fuzz/fuzz_input.h"
#include "store/io_error.h"

#include <cstdint>

using namespace kw;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::FuzzInput input(data, size);
    const QString year = input.text(8);
    const QString client = input.byte() % 4 == 0 ? anyClient() : input.text(40);
    const fuzz::FuzzFolder& folder = fuzz::FuzzFolder::instance();
    const QString documentFile = folder.paths().documentFile();
    folder.write(documentFile, input.rest());
    try {
        const YearlySummary summary = computeYearlySummary(systemFileOps(), documentFile, year, client);
        for (int m = 0; m < 12; ++m)
            if (summary.barPositions[m] < 0 || summary.barPositions[m] > summary.barMaximum)
                fuzz::fail("bar outside its range");
        fuzz::requirePrintable(yearlySummaryLines(summary, client));
    } catch (const IoError&) {}
    return 0;
}
