// Listing and totalling a large document file against plain reading of the
// same file, storing changes to one document of it, and the cost of the bill
// table's computation per tick.
//
//   store_bench [--records=N] [google benchmark flags]

#include "documents/yearly_summary.h"
#include "editing/bill_totals.h"
#include "editing/selection_lines.h"
#include "store/document_file.h"
#include "store/file_ops.h"
#include "store/open_file.h"
#include "store/records.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstring>

using namespace kw;

namespace {

int recordCount = 100000;
QString dataFolder;
QString documentFile;

DocumentRecord sampleBill(int i)
{
    DocumentRecord r;
    r.set(doc::Place, QStringLiteral("Kraków"));
    r.set(doc::IssueDate, QStringLiteral("2009-%1-15").arg(i % 12 + 1, 2, 10, QLatin1Char('0')));
    r.set(doc::DocNumber, QString::number(i));
    r.set(doc::NumberSuffix, QStringLiteral("2009"));
    r.set(doc::BuyerLine1, QStringLiteral("Zakład Usługowy nr %1").arg(i % 500));
    r.set(doc::DocKind, QStringLiteral("F"));
    r.set(lineCell(LineTable::Bill, 6, 1), QStringLiteral("   123.45"));
    r.set(lineCell(LineTable::Bill, 6, 2), QStringLiteral("    10.00"));
    return r;
}

void writeDocumentFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    QByteArray chunk;
    for (int i = 1; i <= recordCount; ++i) {
        chunk += sampleBill(i).bytes();
        if (chunk.size() >= (1 << 22) || i == recordCount) {
            file.write(chunk);
            chunk.clear();
        }
    }
}

void BM_ReadWholeFile(benchmark::State& state)
{
    QByteArray buffer(1 << 20, Qt::Uninitialized);
    for (auto _ : state) {
        OpenFile file(systemFileOps(), documentFile, OpenFile::ReadOnly);
        qint64 offset = 0;
        qint64 n;
        while ((n = file.readAt(offset, buffer.data(), buffer.size())) > 0)
            offset += n;
        benchmark::DoNotOptimize(offset);
    }
    state.SetItemsProcessed(state.iterations() * recordCount);
}
BENCHMARK(BM_ReadWholeFile)->Unit(benchmark::kMillisecond);

void BM_BillList(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(billLines(systemFileOps(), documentFile));
    state.SetItemsProcessed(state.iterations() * recordCount);
}
BENCHMARK(BM_BillList)->Unit(benchmark::kMillisecond);

void BM_YearlySummary(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(
            computeYearlySummary(systemFileOps(), documentFile, QStringLiteral("2009"), QStringLiteral("Zakład")));
    state.SetItemsProcessed(state.iterations() * recordCount);
}
BENCHMARK(BM_YearlySummary)->Unit(benchmark::kMillisecond);

// "Save changes" of a loaded bill in the middle of the file, checked against
// the loaded bytes as the window does; the bill is changed back and forth, so
// the file ends as it began.
void BM_OverwriteOne(benchmark::State& state)
{
    DocumentFile documents(systemFileOps(), DataPaths(dataFolder));
    const qint64 position = recordCount / 2;
    const DocumentRecord original = documents.read(position);
    DocumentRecord changed = original;
    changed.set(doc::BuyerLine2, QStringLiteral("ul. Zmieniona 1"));
    bool isChanged = false;
    for (auto _ : state) {
        documents.overwrite(position, isChanged ? original : changed, isChanged ? changed : original);
        isChanged = !isChanged;
    }
    if (isChanged)
        documents.overwrite(position, original, changed);
}
BENCHMARK(BM_OverwriteOne)->Unit(benchmark::kMillisecond);

void BM_BillTotalsTick(benchmark::State& state)
{
    const std::array<LineCells, 3> cells = {LineCells{QStringLiteral("   2.00"), QStringLiteral("   10.00")},
                                            LineCells{QStringLiteral("1,5"), QStringLiteral("249.99")},
                                            LineCells{QString(), QString()}};
    for (auto _ : state)
        benchmark::DoNotOptimize(computeBillTotals(cells));
}
BENCHMARK(BM_BillTotalsTick)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--records=", 10) == 0)
            recordCount = std::atoi(argv[i] + 10);
    }
    QTemporaryDir folder;
    dataFolder = folder.path();
    QDir(dataFolder).mkpath(QStringLiteral("Uslugi"));
    documentFile = DataPaths(dataFolder).documentFile();
    writeDocumentFile(documentFile);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
