// payment_scan FOLDER [RUNS]: the receivables list and the numbering check
// over the document file of FOLDER, in this process, against a plain read of
// the same file in 128 KiB pieces (as cat reads it). Each of RUNS rounds
// (default 7) times the plain read and then each piece of work once, so that
// a machine whose speed drifts from second to second compares each with a
// read made just before it; the table gives the medians of the times and of
// the ratios, and the pages of fresh memory the first round touched (a
// command makes every one of them fresh). Unlike payments.sh, which times
// the commands, this leaves out the program's start, the same for any file.
// The first line says what touching a page of fresh memory costs here.

#include "documents/numbering_check.h"
#include "documents/payment_marks.h"
#include "store/data_folder.h"
#include "store/file_ops.h"
#include "store/io_error.h"
#include "store/open_file.h"
#include "store/record_stream.h"
#include "store/records.h"

#include <QCoreApplication>
#include <QDate>

#include <sys/mman.h>
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

using namespace kw;

namespace {

long minorFaults()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_minflt;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct Work {
    const char* name;
    std::function<qint64()> run;
    std::vector<double> ms;
    std::vector<double> ratios;
    long firstFaults = -1;
};

qint64 sink = 0;

double timeMs(Work& work)
{
    const long faultsBefore = minorFaults();
    const auto start = std::chrono::steady_clock::now();
    sink += work.run();
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    if (work.firstFaults < 0)
        work.firstFaults = minorFaults() - faultsBefore;
    return ms;
}

qint64 plainRead(const QString& path)
{
    static QByteArray buffer(128 * 1024, Qt::Uninitialized);
    const OpenFile file(systemFileOps(), path, OpenFile::ReadOnly);
    qint64 offset = 0;
    qint64 n;
    while ((n = file.readAt(offset, buffer.data(), buffer.size())) > 0)
        offset += n;
    return offset;
}

// Microseconds to touch one 4 KiB page of memory just mapped.
double freshPageCost()
{
    const size_t bytes = 16 << 20;
    std::vector<double> times;
    for (int i = 0; i < 5; ++i) {
        const auto start = std::chrono::steady_clock::now();
        auto* memory =
            static_cast<char*>(mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0));
        if (memory == MAP_FAILED)
            return 0;
        for (size_t at = 0; at < bytes; at += 4096)
            memory[at] = 1;
        munmap(memory, bytes);
        times.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
    }
    return median(times) / double(bytes / 4096);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2 || args.size() > 3) {
        std::fprintf(stderr, "usage: payment_scan FOLDER [RUNS]\n");
        return 2;
    }
    const DataPaths paths(args[1]);
    const int runs = args.size() == 3 ? std::max(1, args[2].toInt()) : 7;
    FileOps& ops = systemFileOps();
    const QDate today(2010, 6, 1);
    try {
        std::printf("fresh memory: %.1f us per 4 KiB page touched\n", freshPageCost());
        std::vector<Work> works = {
            {"plain read", [&] { return plainRead(paths.documentFile()); }},
            {"records streamed",
             [&] {
                 RecordStream stream(ops, paths.documentFile(), doc::Size);
                 QByteArrayView records;
                 qint64 bytes = 0;
                 while (stream.nextRecords(records))
                     bytes += records.size();
                 return bytes;
             }},
            {"marks file read",
             [&] { return qint64(PaymentMarks::read(ops, paths).paymentOf(DocumentRecord()).paid); }},
            {"receivables", [&] { return qint64(receivables(ops, paths, today).size()); }},
            {"numbering check", [&] { return qint64(numberingFindings(ops, paths.documentFile()).size()); }},
        };
        for (int round = 0; round < runs; ++round) {
            const double read = timeMs(works[0]);
            for (Work& work : works) {
                const double ms = &work == &works[0] ? read : timeMs(work);
                work.ms.push_back(ms);
                work.ratios.push_back(ms / read);
            }
        }
        std::printf("%-30s %9s %8s %12s\n", "in this process", "ms", "x read", "fresh pages");
        for (const Work& work : works)
            std::printf("%-30s %9.1f %8.2f %12ld\n", work.name, median(work.ms), median(work.ratios), work.firstFaults);
        if (sink == -1)
            std::puts("");
    } catch (const IoError& error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.message()));
        return 1;
    }
    return 0;
}
