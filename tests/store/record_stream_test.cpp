#include "store/record_stream.h"
#include "tests/support/file_bytes.h"
#include "tests/support/temp_data_folder.h"

#include <gtest/gtest.h>

namespace kw {
namespace {

constexpr int Size = 5;

// Record i holds i as five decimal digits, so order and duplicates show.
QByteArray numbered(int count)
{
    QByteArray bytes;
    for (int i = 1; i <= count; ++i)
        bytes += QByteArray::number(i).rightJustified(Size, '0');
    return bytes;
}

TEST(RecordStream, ReturnsEachWholeRecordOnceInOrder)
{
    TempDataFolder folder;
    const QString path = folder.uslugi() + QStringLiteral("/strumien.dat");
    for (int count : {0, 1, 255, 256, 257, 1000}) {
        for (int chunk : {1, 3, 256}) {
            for (const QByteArray& tail : {QByteArray(), QByteArray("999")}) {
                writeFileBytes(path, numbered(count) + tail);
                RecordStream stream(systemFileOps(), path, Size, chunk);
                EXPECT_EQ(stream.count(), count);
                QByteArrayView record;
                int seen = 0;
                while (stream.next(record)) {
                    ++seen;
                    ASSERT_EQ(record.toByteArray(), QByteArray::number(seen).rightJustified(Size, '0'))
                        << count << " records, chunks of " << chunk;
                    ASSERT_EQ(stream.position(), seen);
                }
                EXPECT_EQ(seen, count) << "chunks of " << chunk << ", tail " << tail.size();
                EXPECT_FALSE(stream.next(record));
            }
        }
    }
}

} // namespace
} // namespace kw
