// The marks file Uslugi/zaplaty.txt as fuzzed bytes: either a line is
// refused with an IoError, or the marks read are written back as a file that
// reads as the same marks, every mark on a line of its own.

#include "documents/payment_marks_format.h"
#include "fuzz/fuzz_checks.h"
#include "store/io_error.h"

#include <cstdint>

using namespace kw;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString path = QStringLiteral("Uslugi/zaplaty.txt");
    QList<MarkLine> marks;
    try {
        marks = parseMarkLines(path, bytes);
    } catch (const IoError&) {
        return 0;
    }
    const QByteArray written = formatMarkLines(marks);
    if (written.count('\n') != marks.size() + 1)
        fuzz::fail("a mark written on more or less than one line");
    try {
        if (parseMarkLines(path, written) != marks)
            fuzz::fail("marks written back read as other marks");
    } catch (const IoError& error) {
        fuzz::fail("marks written back refused", error.message());
    }
    return 0;
}
