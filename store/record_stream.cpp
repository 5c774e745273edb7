#include "store/record_stream.h"

#include "store/io_error.h"

#include <algorithm>

namespace kw {

RecordStream::RecordStream(FileOps& ops, const QString& path, int recordSize, int recordsPerChunk)
    : file_(ops, path, OpenFile::ReadOnly), recordSize_(recordSize), recordsPerChunk_(recordsPerChunk),
      count_(file_.size() / recordSize)
{}

bool RecordStream::next(QByteArrayView& record)
{
    if (position_ >= count_)
        return false;
    const qint64 wanted = position_ + 1;
    if (chunkFirst_ == 0 || wanted >= chunkFirst_ + chunkRecords_) {
        chunkRecords_ = std::min<qint64>(recordsPerChunk_, count_ - position_);
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

} // namespace kw
