#include "store/data_folder.h"
#include "tests/support/file_bytes.h"
#include "tests/support/temp_data_folder.h"

#include <QDir>
#include <gtest/gtest.h>

namespace kw {
namespace {

TEST(ResolvePath, FindsAFolderSpelledInAnotherCase)
{
    TempDataFolder folder;
    writeFileBytes(folder.admini() + QStringLiteral("/Rachunek.DAT"), "x");
    EXPECT_EQ(resolvePath(folder.path(), QStringLiteral("ADMINI/rachunek.dat")),
              folder.path() + QStringLiteral("/Admini/Rachunek.DAT"));
    EXPECT_EQ(folder.paths().settingsFile(), folder.path() + QStringLiteral("/Admini/Rachunek.DAT"));
}

TEST(ResolvePath, ExactSpellingWinsWhenBothExist)
{
    TempDataFolder folder;
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("ADMINI")));
    EXPECT_EQ(resolvePath(folder.path(), QStringLiteral("ADMINI/x.dat")),
              folder.path() + QStringLiteral("/ADMINI/x.dat"));
    EXPECT_EQ(resolvePath(folder.path(), QStringLiteral("Admini/x.dat")),
              folder.path() + QStringLiteral("/Admini/x.dat"));
}

TEST(ResolvePath, MissingComponentsKeepTheirSpelling)
{
    TempDataFolder folder;
    EXPECT_EQ(resolvePath(folder.path(), QStringLiteral("Uslugi/Dokumenty_R.dat")),
              folder.path() + QStringLiteral("/Uslugi/Dokumenty_R.dat"));
    EXPECT_EQ(resolvePath(folder.path(), QStringLiteral("Brak/Pod/plik.dat")),
              folder.path() + QStringLiteral("/Brak/Pod/plik.dat"));
}

TEST(DataPaths, LocationFileLiesUnderTheStartFolder)
{
    TempDataFolder folder;
    EXPECT_EQ(DataPaths::locationFile(folder.path()), folder.path() + QStringLiteral("/Admini/siec.dat"));
    EXPECT_EQ(folder.paths().documentFile(), folder.path() + QStringLiteral("/Uslugi/dokumenty_r.dat"));
}

} // namespace
} // namespace kw
