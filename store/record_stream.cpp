#include "store/record_stream.h"

#include "store/io_error.h"

#include <algorithm>

namespace kw {

RecordStream::RecordStream(FileOps& ops, const QString& path, int recordSize, int recordsPerChunk)
    : file_(ops, path, OpenFile::ReadOnly), recordSize_(recordSize), recordsPerChunk_(recordsPerChunk),
      count_(file_.size() / recordSize), end_(count_)
{}

void RecordStream::limitTo(qint64 first, qint64 last)
{
    position_ = std::clamp<qint64>(first - 1, 0, count_);
    end_ = std::clamp<qint64>(last, position_, count_);
    chunkFirst_ = 0;
}

bool RecordStream::next(QByteArrayView& record)
{
    if (position_ >= end_)
        return false;
    const qint64 wanted = position_ + 1;
    if (chunkFirst_ == 0 || wanted >= chunkFirst_ + chunkRecords_) {
        chunkRecords_ = std::min<qint64>(recordsPerChunk_, end_ - position_);
        const qint64 bytes = chunkRecords_ * recordSize_;
        if (chunk_.size() < bytes)
            chunk_.resize(bytes);
        if (file_.readAt(position_ * recordSize_, chunk_.data(), bytes) != bytes)
            throw IoError(QStringLiteral("Błąd odczytu pliku %1: plik skrócił się podczas odczytu.").arg(file_.path()));
        chunkFirst_ = wanted;
    }
    record = QByteArrayView(chunk_.constData() + (wanted - chunkFirst_) * recordSize_, recordSize_);
    position_ = wanted;
    return true;
}

bool RecordStream::nextRecords(QByteArrayView& records)
{
    QByteArrayView first;
    if (!next(first))
        return false;
    const qint64 last = chunkFirst_ + chunkRecords_ - 1;
    records = QByteArrayView(first.data(), (last - position_ + 1) * recordSize_);
    position_ = last;
    return true;
}

} // namespace kw
