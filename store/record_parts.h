#pragma once

#include "store/file_ops.h"
#include "store/record_stream.h"

#include <QString>

#include <functional>

namespace kw {

// Files of fewer records are read on one thread: starting another would
// cost more than it saves.
constexpr qint64 recordsWorthSplitting = 8192;

// Streams the whole records of `path` in parts of neighbouring positions,
// first to last, each through a RecordStream of its own on a thread of its
// own: as many parts as the processor runs threads at once, at least two and
// at most `maxParts`, or one part for a file under recordsWorthSplitting
// records. Copying the file out of the system's cache is most of the cost of
// going through a long file, and each thread copies its own part. Part 0 runs
// on the calling thread, and so does a part no thread could be started for.
// `work(part, stream)` must touch nothing another part touches. Returns the
// number of parts; waits for all of them and rethrows the first one's
// exception. Throws IoError.
int streamInParts(FileOps& ops, const QString& path, int recordSize,
                  const std::function<void(int part, RecordStream& stream)>& work, int maxParts = 4);

} // namespace kw
