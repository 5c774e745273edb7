// The bill list over a document file of fuzzed bytes, and a search in it.

#include "editing/selection_lines.h"
#include "fuzz/fuzz_checks.h"
#include "fuzz/fuzz_folder.h"
#include "fuzz/fuzz_input.h"
#include "store/io_error.h"
#include "store/record_file.h"

#include <cstdint>

using namespace kw;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::FuzzInput input(data, size);
    const QString fragment = input.text(40);
    const fuzz::FuzzFolder& folder = fuzz::FuzzFolder::instance();
    const QString documentFile = folder.paths().documentFile();
    const QByteArray bytes = input.rest();
    folder.write(documentFile, bytes);
    try {
        const SelectionLines lines = billLines(systemFileOps(), documentFile);
        if (lines.texts.size() != lines.sources.size() || lines.texts.size() != bytes.size() / doc::Size)
            fuzz::fail("one list line per whole record");
        const int found = findLine(lines.texts, fragment);
        if (found < -1 || found >= lines.texts.size())
            fuzz::fail("found line outside the list");
    } catch (const IoError&) {}
    return 0;
}
