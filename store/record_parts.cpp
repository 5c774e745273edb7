#include "store/record_parts.h"

#include <algorithm>
#include <exception>
#include <future>
#include <thread>
#include <vector>

namespace kw {

int streamInParts(FileOps& ops, const QString& path, int recordSize,
                  const std::function<void(int part, RecordStream& stream)>& work, int maxParts)
{
    RecordStream first(ops, path, recordSize);
    const qint64 count = first.count();
    const int threads = int(std::max(1u, std::thread::hardware_concurrency()));
    const int parts = count < recordsWorthSplitting ? 1 : std::clamp(threads, 1, maxParts);
    const auto firstOf = [&](int part) { return count * part / parts + 1; };

    std::vector<std::future<void>> others;
    for (int part = 1; part < parts; ++part)
        others.push_back(std::async(std::launch::async, [&, part] {
            RecordStream stream(ops, path, recordSize);
            stream.limitTo(firstOf(part), firstOf(part + 1) - 1);
            work(part, stream);
        }));
    std::exception_ptr failure;
    try {
        first.limitTo(1, firstOf(1) - 1);
        work(0, first);
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
