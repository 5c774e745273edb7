#pragma once

#include "store/output_file.h"

#include <QTemporaryFile>

namespace kw {

// Standard output for what a command makes while it holds the document
// lock: the bytes go to an unnamed temporary file and reach standard output
// only in copyToStdout(), called once the lock is given back, so a reader
// that takes its time (a pager) never keeps the document file locked, and
// memory does not grow with the output.
class StdoutSpool : public OutputSink
{
public:
    // Throws IoError when no temporary file can be made.
    StdoutSpool();

    // Throws IoError when the temporary file cannot take the bytes.
    void write(QByteArrayView bytes) override;
    // Throws IoError when the temporary file cannot be read back.
    void copyToStdout();

private:
    [[noreturn]] void fail() const;

    QTemporaryFile file_;
};

} // namespace kw
