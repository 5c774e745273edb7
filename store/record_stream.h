#pragma once

#include "store/file_ops.h"
#include "store/open_file.h"

#include <QByteArray>
#include <QByteArrayView>

namespace kw {

// Reads a record file front to back in large chunks through a buffer of its
// own, so listing or totalling a large file costs about one sequential read
// and memory does not grow with the file. A torn tail is not returned.
class RecordStream
{
public:
    RecordStream(FileOps& ops, const QString& path, int recordSize, int recordsPerChunk = 256);

    // The whole records of the file.
    qint64 count() const { return count_; }

    // Returns only the records at positions `first` to `last` (1-based, as
    // far as the file reaches) from now on.
    void limitTo(qint64 first, qint64 last);
    // How many records are still to be returned.
    qint64 remaining() const { return end_ - position_; }

    // Sets `record` to the next record and returns true, or returns false at
    // the end. The view stays valid until the next call.
    bool next(QByteArrayView& record);

    // Sets `records` to the next record and those after it that were read
    // with it, at most recordsPerChunk records in a row, and returns true, or
    // returns false at the end. position() is then that of the last of them.
    // For work that starts something for each record before finishing any.
    bool nextRecords(QByteArrayView& records);

    // 1-based position of the record last returned.
    qint64 position() const { return position_; }

private:
    OpenFile file_;
    int recordSize_;
    int recordsPerChunk_;
    qint64 count_;
    qint64 end_; // the last position returned
    qint64 position_ = 0;
    QByteArray chunk_;
    qint64 chunkFirst_ = 0; // position of the chunk's first record, 0 when none
    qint64 chunkRecords_ = 0;
};

} // namespace kw
