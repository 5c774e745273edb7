#include "store/location_choice.h"

#include <gtest/gtest.h>

using namespace kw;

namespace {

LocationRecord locationOf(quint8 mode, const QString& local, const QString& network)
{
    LocationRecord r;
    r.setByteAt(location::FolderMode, mode);
    r.set(location::LocalPath, local);
    r.set(location::NetworkPath, network);
    return r;
}

// The path the mode reads is replaced and every other byte kept, so the
// suite's other programs find the file as they wrote it.
TEST(LocationNaming, ReplacesOnlyThePathOfTheMode)
{
    const QString folder = QStringLiteral("/home/anna/Kwitarnia.kopia");
    const struct {
        quint8 mode;
        LocationRecord expected;
    } cases[] = {
        {1, locationOf(1, folder, QStringLiteral("\\\\serwer\\dane"))},
        {2, locationOf(2, QStringLiteral("/home/anna/Kwitarnia"), folder)},
        {3, locationOf(3, QStringLiteral("/home/anna/Kwitarnia"), QStringLiteral("\\\\serwer\\dane"))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.mode));
        const LocationRecord before =
            locationOf(c.mode, QStringLiteral("/home/anna/Kwitarnia"), QStringLiteral("\\\\serwer\\dane"));
        const std::optional<LocationRecord> named = locationNaming(before, folder);
        ASSERT_TRUE(named);
        EXPECT_EQ(named->bytes(), c.expected.bytes());
        EXPECT_EQ(namedDataFolder(*named, folder), folder);
    }
}

// A path the field cannot hold whole would name another folder.
TEST(LocationNaming, RefusesAPathTheFieldCannotHold)
{
    const LocationRecord before = locationOf(1, QStringLiteral("/dane"), QString());
    for (const QString& folder : {QStringLiteral("/") + QString(200, QLatin1Char('a')), QStringLiteral("/dane/Київ")})
        EXPECT_FALSE(locationNaming(before, folder)) << folder.toStdString();
    EXPECT_TRUE(locationNaming(before, QStringLiteral("/") + QString(199, QLatin1Char('a'))));
    EXPECT_TRUE(locationNaming(before, QStringLiteral("/home/żółć")));
}

} // namespace
