#include "documents/client_names.h"
#include "store/io_error.h"
#include "tests/support/file_bytes.h"
#include "tests/support/temp_data_folder.h"

#include <gtest/gtest.h>

namespace kw {
namespace {

TEST(ClientNames, NonEmptyFirstLinesInSlotOrderWithRepeatsKept)
{
    ClientListRecord list = emptyClientList();
    list.set(clients::line(1, 1), QStringLiteral("Zakład Łódź"));
    list.set(clients::line(1, 3), QStringLiteral("ABC"));
    list.set(clients::line(2, 4), QStringLiteral("only a second line"));
    list.set(clients::line(1, 4000), QStringLiteral("ABC"));
    list.set(clients::line(1, clients::Slots), QStringLiteral("Ostatni"));
    EXPECT_EQ(clientNames(list), (QStringList{"Zakład Łódź", "ABC", "ABC", "Ostatni"}));
}

TEST(ClientNames, FileIsReadWholeOrNotAtAll)
{
    TempDataFolder folder;
    const QString path = folder.uslugi() + QStringLiteral("/stali.kli");
    ClientListRecord list = emptyClientList();
    list.set(clients::line(1, 2), QStringLiteral("Kowalski"));
    writeFileBytes(path, list.bytes());
    EXPECT_EQ(readClientNames(systemFileOps(), path), QStringList{"Kowalski"});

    writeFileBytes(path, list.bytes().left(clients::Size - 1));
    EXPECT_THROW(readClientNames(systemFileOps(), path), IoError);
}

} // namespace
} // namespace kw
