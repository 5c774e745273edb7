// payment_scan FOLDER [RUNS]: the receivables list and the numbering check
// over the document file of FOLDER, in this process, against a plain read of
// the same file in 128 KiB pieces (as cat reads it): median wall time of RUNS
// runs (default 7) and the pages of fresh memory each run touches. Unlike
// payments.sh, which times the commands, this leaves out the program's start,
// which costs the same for any file. The first line says what touching a page
// of fresh memory costs on this machine, the part of each time that depends
// on the machine rather than on the work.

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

struct Timing {
    double ms = 0;
    long faults = 0; // minor page faults: pages of fresh memory touched
};

long minorFaults()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_minflt;
}

Timing median(int runs, const std::function<qint64()>& work)
{
    std::vector<double> times;
    long faults = 0;
    qint64 sink = 0;
    for (int i = 0; i < runs; ++i) {
        const long faultsBefore = minorFaults();
        const auto start = std::chrono::steady_clock::now();
        sink += work();
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        faults = minorFaults() - faultsBefore;
    }
    std::sort(times.begin(), times.end());
    if (sink == -1)
        std::puts("");
    return {times[times.size() / 2], faults};
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
    const Timing timing = median(5, [&] {
        auto* memory =
            static_cast<char*>(mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0));
        if (memory == MAP_FAILED)
            return qint64(0);
        for (size_t at = 0; at < bytes; at += 4096)
            memory[at] = 1;
        munmap(memory, bytes);
        return qint64(1);
    });
    return timing.ms * 1000 / double(bytes / 4096);
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
        const Timing read = median(runs, [&] { return plainRead(paths.documentFile()); });
        std::printf("%-30s %9s %8s %12s\n", "in this process", "ms", "x read", "fresh pages");
        const auto row = [&](const char* name, const Timing& timing) {
            std::printf("%-30s %9.1f %8.2f %12ld\n", name, timing.ms, timing.ms / read.ms, timing.faults);
        };
        row("plain read", read);
        row("records streamed", median(runs, [&] {
                RecordStream stream(ops, paths.documentFile(), doc::Size);
                QByteArrayView records;
                qint64 count = 0;
                while (stream.nextRecords(records))
                    count += records.size();
                return count;
            }));
        row("marks file read", median(runs, [&] {
                const PaymentMarks marks = PaymentMarks::read(ops, paths);
                return qint64(marks.paymentOf(DocumentRecord()).paid);
            }));
        row("receivables", median(runs, [&] { return qint64(receivables(ops, paths, today).size()); }));
        row("numbering check",
            median(runs, [&] { return qint64(numberingFindings(ops, paths.documentFile()).size()); }));
    } catch (const IoError& error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.message()));
        return 1;
    }
    return 0;
}
