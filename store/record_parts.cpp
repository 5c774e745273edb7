#include "store/record_parts.h"

#include <algorithm>
#include <exception>
#include <future>
#include <system_error>
#include <thread>
#include <vector>

namespace kw {

int streamInParts(FileOps& ops, const QString& path, int recordSize,
                  const std::function<void(int part, RecordStream& stream)>& work, int maxParts)
{
    RecordStream first(ops, path, recordSize);
    const qint64 count = first.count();
    // Two parts at least, so that a long file is read in parts on every
    // machine alike, if not faster on one of a single processor.
    const int threads = int(std::thread::hardware_concurrency());
    const int parts = count < recordsWorthSplitting ? 1 : std::clamp(threads, 2, std::max(maxParts, 2));
    const auto firstOf = [&](int part) { return count * part / parts + 1; };
    const auto runPart = [&](int part) {
        RecordStream stream(ops, path, recordSize);
        stream.limitTo(firstOf(part), firstOf(part + 1) - 1);
        work(part, stream);
    };

    std::vector<std::future<void>> others;
    std::vector<int> notStarted;
    for (int part = 1; part < parts; ++part) {
        try {
            others.push_back(std::async(std::launch::async, runPart, part));
        } catch (const std::system_error&) {
            // No thread to be had: the part is read on this one after part 0.
            notStarted.push_back(part);
        }
    }
    std::exception_ptr failure;
    try {
        first.limitTo(1, firstOf(1) - 1);
        work(0, first);
        for (const int part : notStarted)
            runPart(part);
    } catch (...) {
        failure = std::current_exception();
    }
    for (std::future<void>& other : others) {
        try {
            other.get();
        } catch (...) {
            if (!failure)
                failure = std::current_exception();
        }
    }
    if (failure)
        std::rethrow_exception(failure);
    return parts;
}

} // namespace kw
