#include "archive/archive_output_kind.h"

#include <QIODevice>
#include <QtEndian>

#include <optional>

namespace kw {

namespace {

// The end-of-central-directory record: its signature, 16 bytes of counts and
// offsets, the comment's length, then the comment itself, which ends the file.
constexpr char endRecordSignature[] = "PK\x05\x06";
constexpr qint64 endRecordSize = 22;
constexpr qint64 commentLengthOffset = 20;
constexpr qint64 longestComment = 0xFFFF;

// The comment of the ZIP archive `file`, found from the end of the file as
// unpacking programs find it; nothing when the file ends in no such record.
std::optional<QByteArray> archiveComment(QIODevice& file)
{
    const qint64 tailSize = qMin(file.size(), endRecordSize + longestComment);
    if (!file.seek(file.size() - tailSize))
        return std::nullopt;
    const QByteArray tail = file.read(tailSize);
    // The last record whose comment reaches exactly to the end of the file;
    // a comment may itself hold the signature.
    for (qsizetype at = tail.lastIndexOf(endRecordSignature); at >= 0;
         at = at == 0 ? -1 : tail.lastIndexOf(endRecordSignature, at - 1)) {
        if (tail.size() - at < endRecordSize)
            continue;
        const quint16 length = qFromLittleEndian<quint16>(tail.constData() + at + commentLengthOffset);
        if (at + endRecordSize + length == tail.size())
            return tail.mid(at + endRecordSize);
    }
    return std::nullopt;
}

} // namespace

QByteArray backupArchiveComment() { return QByteArrayLiteral("Kwitarnia: kopia zapasowa folderu danych"); }

OutputKind backupOutputKind()
{
    return {QStringLiteral("archiwum ZIP"), [](QIODevice& existing) {
                const std::optional<QByteArray> comment = archiveComment(existing);
                return comment && comment->startsWith(backupArchiveComment());
            }};
}

} // namespace kw
