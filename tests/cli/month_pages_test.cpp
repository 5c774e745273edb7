#include "app/cli/month_pages.h"
#include "store/document_lock.h"
#include "store/io_error.h"
#include "tests/cli/cli_fixture.h"

#include <chrono>

namespace kw {
namespace {

// Drawing a month of bills takes seconds; meanwhile the window must be able
// to store a bill.
TEST_F(CliTest, MonthPagesAreDrawnWithoutTheDocumentLock)
{
    const DataPaths paths(start());
    const PrintSources sources = readPrintSources(systemFileOps(), paths, start());
    PdfDocument pdf(QStringLiteral("Marzec"));
    int lockedWhileDrawing = 0;
    int pagesDrawn = 0;
    const auto takeTheLock = [&] {
        ++pagesDrawn;
        try {
            const DocumentLock writer(paths.documentFile(), DocumentLock::Writing, std::chrono::milliseconds(0));
        } catch (const IoError&) {
            ++lockedWhileDrawing;
        }
    };
    EXPECT_EQ(
        drawMonthPages(systemFileOps(), paths.documentFile(), QStringLiteral("2009-03"), sources, pdf, takeTheLock), 3);
    EXPECT_EQ(pagesDrawn, 3);
    EXPECT_EQ(pdf.pageCount(), 3);
    EXPECT_EQ(lockedWhileDrawing, 0);
}

} // namespace
} // namespace kw
