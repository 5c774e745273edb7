#include "store/io_error.h"
#include "store/record_parts.h"
#include "store/record_stream.h"
#include "tests/support/file_bytes.h"
#include "tests/support/temp_data_folder.h"

#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

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

TEST(RecordStream, RecordsInRowsFollowSingleRecordsWithoutGapOrRepeat)
{
    TempDataFolder folder;
    const QString path = folder.uslugi() + QStringLiteral("/strumien.dat");
    for (int count : {0, 1, 7, 8, 9, 100}) {
        for (int chunk : {1, 4}) {
            writeFileBytes(path, numbered(count) + "99");
            RecordStream stream(systemFileOps(), path, Size, chunk);
            QByteArray seen;
            QByteArrayView records;
            // A single record now and then, so both ways meet mid-chunk.
            for (int step = 0;; ++step) {
                const qint64 before = stream.position();
                const bool more = step % 3 == 1 ? stream.next(records) : stream.nextRecords(records);
                if (!more)
                    break;
                ASSERT_GT(records.size(), 0);
                ASSERT_EQ(records.size() % Size, 0);
                ASSERT_LE(records.size(), chunk * Size);
                EXPECT_EQ(stream.position(), before + records.size() / Size);
                seen += records.toByteArray();
            }
            EXPECT_EQ(seen, numbered(count)) << count << " records, chunks of " << chunk;
            EXPECT_FALSE(stream.nextRecords(records));
            // Limited afresh, a stream read to its end returns the new range.
            stream.limitTo(3, 5);
            seen.clear();
            while (stream.nextRecords(records))
                seen += records.toByteArray();
            EXPECT_EQ(seen, numbered(count).mid(2 * Size, 3 * Size)) << count << " records, chunks of " << chunk;
        }
    }
}

TEST(RecordStream, PartsOfALongFileHoldEachRecordOnceAndFailTogether)
{
    TempDataFolder folder;
    const QString path = folder.uslugi() + QStringLiteral("/strumien.dat");
    for (const qint64 count :
         {qint64(10), recordsWorthSplitting - 1, recordsWorthSplitting, recordsWorthSplitting + 7}) {
        writeFileBytes(path, numbered(int(count)) + "12");
        std::vector<QByteArray> seen(4);
        std::vector<qint64> firsts(4, 0);
        const int parts = streamInParts(systemFileOps(), path, Size, [&](int part, RecordStream& stream) {
            QByteArrayView records;
            while (stream.nextRecords(records)) {
                if (firsts[size_t(part)] == 0)
                    firsts[size_t(part)] = stream.position() - records.size() / Size + 1;
                seen[size_t(part)] += records.toByteArray();
            }
        });
        EXPECT_EQ(parts > 1, count >= recordsWorthSplitting) << count;
        QByteArray all;
        for (int part = 0; part < parts; ++part) {
            // Each part starts where the one before it ended.
            EXPECT_EQ(firsts[size_t(part)], all.size() / Size + 1) << "part " << part;
            all += seen[size_t(part)];
        }
        EXPECT_EQ(all, numbered(int(count)));
    }
    // A failure in any part reaches the caller after the other parts ended.
    for (const int failing : {0, 1}) {
        std::array<std::atomic<bool>, 4> finished{};
        try {
            streamInParts(systemFileOps(), path, Size, [&](int part, RecordStream&) {
                if (part == failing)
                    throw IoError(QStringLiteral("część %1").arg(part));
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
                finished[size_t(part)] = true;
            });
            ADD_FAILURE() << "no failure";
        } catch (const IoError& error) {
            EXPECT_EQ(error.message(), QStringLiteral("część %1").arg(failing));
            EXPECT_TRUE(finished[size_t(1 - failing)]) << "part " << 1 - failing << " still running";
        }
    }
}

} // namespace
} // namespace kw
