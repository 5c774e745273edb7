#pragma once

#include "store/output_file.h"

#include <QByteArray>

namespace kw {

// Gathers an output made in small pieces (a line per record) and passes it
// on to `sink` in large ones, as each write to a file costs a system call.
class SinkBuffer
{
public:
    explicit SinkBuffer(OutputSink& sink) : sink_(sink) {}

    // Where the next piece is appended; call pieceAdded() after.
    QByteArray& bytes() { return bytes_; }
    void pieceAdded()
    {
        if (bytes_.size() >= passOnSize)
            flush();
    }
    // Passes on what is gathered; call it once the output is complete.
    void flush()
    {
        sink_.write(bytes_);
        bytes_.resize(0);
    }

private:
    static constexpr qsizetype passOnSize = 1 << 20;

    OutputSink& sink_;
    QByteArray bytes_;
};

} // namespace kw
