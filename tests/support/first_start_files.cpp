#include "tests/support/first_start_files.h"

#include "store/records.h"
#include "tests/support/file_bytes.h"

#include <gtest/gtest.h>

namespace {

QByteArray bytes(const QString& folder, const char* relative)
{
    return kw::readFileBytesIfAny(folder + QLatin1Char('/') + QLatin1String(relative));
}

QByteArray slot(const QByteArray& list, int offset, int width)
{
    const int length = quint8(list[offset]);
    return list.mid(offset + 1, std::min(length, width));
}

} // namespace

void expectFirstStartFiles(const QString& folder, const QByteArray& settings)
{
    const QByteArray location = bytes(folder, "Admini/siec.dat");
    ASSERT_EQ(location.size(), 403);
    EXPECT_EQ(location[0], 1);
    EXPECT_EQ(location.mid(2, quint8(location[1])), folder.toLocal8Bit());
    EXPECT_EQ(location.mid(202), QByteArray(201, '\0'));

    const QByteArray clients = bytes(folder, "Uslugi/klienci.dat");
    ASSERT_EQ(clients.size(), 3490698);
    EXPECT_EQ(slot(clients, 0, 5), "01");
    EXPECT_EQ(slot(clients, 9 * 6, 5), "10");
    EXPECT_EQ(slot(clients, 5000 * 6, 5), "5001");
    EXPECT_EQ(clients.mid(30006), QByteArray(3490698 - 30006, '\0'));

    const QByteArray services = bytes(folder, "Uslugi/uslugi.dat");
    ASSERT_EQ(services.size(), 36984);
    EXPECT_EQ(slot(services, 0, 3), "01");
    EXPECT_EQ(slot(services, 200 * 4, 3), "201");

    EXPECT_EQ(bytes(folder, "Admini/rachunek.dat"), settings);
    EXPECT_EQ(bytes(folder, "Admini/firma.dat"), QByteArray(306, '\0'));
    EXPECT_EQ(bytes(folder, "Admini/info.dat"), QByteArray(66, '\0'));

    const QByteArray documents = bytes(folder, "Uslugi/dokumenty_r.dat");
    ASSERT_EQ(documents.size(), 3251);
    EXPECT_EQ(documents, kw::sentinelRecord(QStringLiteral("2009-03-05")).bytes());
}
