// The recognisers that decide whether an existing file in an output's place
// was written by this program and may be replaced: a PDF's document
// information, a backup's archive comment, a CSV export's header row. The
// input is the existing file; anything may lie there, so none of them may
// crash or read outside it. A file ended by a backup's end record, or
// started by a header row the export writes, is always taken for ours.

#include "archive/archive_output_kind.h"
#include "exports/csv_output_kind.h"
#include "fuzz/fuzz_checks.h"
#include "print/pdf_document.h"

#include <QBuffer>
#include <QtEndian>

#include <cstdint>

using namespace kw;

namespace {

const QList<CsvRow> knownHeads = {
    {QStringLiteral("Nr"), QStringLiteral("Nazwa"), QStringLiteral("Adres 1"), QStringLiteral("NIP")},
    {QStringLiteral("Miesiąc"), QStringLiteral("Kwota")},
};

bool recognised(const OutputKind& kind, const QByteArray& bytes)
{
    QBuffer file;
    file.setData(bytes);
    if (!file.open(QIODevice::ReadOnly))
        std::abort();
    return kind.writtenByThisProgram(file);
}

// `bytes` followed by an end-of-central-directory record carrying the
// backup's comment, as every backup ends.
QByteArray endedAsBackup(const QByteArray& bytes)
{
    const QByteArray comment = backupArchiveComment();
    QByteArray record = QByteArray("PK\x05\x06", 4) + QByteArray(18, '\0') + comment;
    qToLittleEndian<quint16>(quint16(comment.size()), record.data() + 20);
    return bytes + record;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const OutputKind pdf = pdfOutputKind();
    static const OutputKind backup = backupOutputKind();
    static const OutputKind csv = csvOutputKind(knownHeads);
    // Not copied, so that a read past the input's end is one past the
    // fuzzer's buffer.
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    recognised(pdf, bytes);
    recognised(backup, bytes);
    recognised(csv, bytes);

    if (!recognised(backup, endedAsBackup(bytes)))
        fuzz::fail("a file ended as a backup is not taken for one");
    for (const CsvRow& head : knownHeads) {
        const QByteArray line = csvLine(head).toUtf8();
        if (!recognised(csv, line + bytes) || !recognised(csv, csvByteOrderMark() + line + bytes))
            fuzz::fail("a file started by a known header row is not taken for an export", csvLine(head));
    }
    return 0;
}
