#include "archive/archive_output_kind.h"
#include "tests/support/output_kind_cases.h"

#include <QtEndian>
#include <gtest/gtest.h>

namespace kw {
namespace {

// The end of a ZIP archive: an entry, the central directory's record of it
// and the end-of-central-directory record with `comment`.
QByteArray zipFile(const QByteArray& entryName, const QByteArray& contents, const QByteArray& comment)
{
    const auto le16 = [](int value) {
        QByteArray bytes(2, '\0');
        qToLittleEndian<quint16>(quint16(value), bytes.data());
        return bytes;
    };
    const auto le32 = [](qint64 value) {
        QByteArray bytes(4, '\0');
        qToLittleEndian<quint32>(quint32(value), bytes.data());
        return bytes;
    };
    const QByteArray sizes = le32(0) + le32(contents.size()) + le32(contents.size()) + le16(entryName.size());
    QByteArray zip = "PK\x03\x04" + le16(20) + le16(0) + le16(0) + le32(0) + sizes + le16(0) + entryName + contents;
    const qsizetype central = zip.size();
    zip += "PK\x01\x02" + le16(20) + le16(20) + le16(0) + le16(0) + le32(0) + sizes + le16(0) + le16(0) + le16(0) +
        le16(0) + le32(0) + le32(0) + entryName;
    return zip + "PK\x05\x06" + le16(0) + le16(0) + le16(1) + le16(1) + le32(zip.size() - central) + le32(central) +
        le16(comment.size()) + comment;
}

TEST(OutputKinds, ABackupIsKnownByItsArchiveComment)
{
    const QByteArray ours = backupArchiveComment();
    const QByteArray sheet = "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\"/>";
    const KindCase cases[] = {
        {"an earlier backup", zipFile("Uslugi/dokumenty_r.dat", "dane", ours), true},
        {"an earlier backup with more in its comment", zipFile("Admini/firma.dat", "dane", ours + " (2009-03-05)"),
         true},
        {"a comment that holds the record's signature", zipFile("Admini/firma.dat", "dane", ours + " PK\x05\x06"),
         true},
        {"a spreadsheet", zipFile("[Content_Types].xml", sheet, {}), false},
        {"a text document", zipFile("mimetype", "application/vnd.oasis.opendocument.text", {}), false},
        {"another program's comment", zipFile("a.txt", "a", "Zip archive made by someone else"), false},
        {"our comment inside an entry", zipFile("notatka.txt", ours, {}), false},
        {"bytes after the comment", zipFile("a.txt", "a", ours) + "x", false},
        {"only the start of a ZIP", "PK\x03\x04 stary", false},
        {"the comment alone", ours, false},
    };
    for (const KindCase& c : cases)
        EXPECT_EQ(recognised(backupOutputKind(), c.bytes), c.ours) << c.name;
}

} // namespace
} // namespace kw
