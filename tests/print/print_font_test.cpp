#include "print/print_font.h"

#include "store/io_error.h"
#include "tests/support/file_bytes.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

#include "tests/print/qt_printers.h"

namespace kw {
namespace {

// A 76-byte font record built by hand: colour word, length byte, name bytes
// (which may run past the length), size and style.
QByteArray fontRecord(quint32 colour, quint8 length, const QByteArray& nameBytes, qint32 size, quint8 style)
{
    QByteArray r(76, '\0');
    qToLittleEndian(colour, r.data());
    r[4] = char(length);
    r.replace(5, nameBytes.size(), nameBytes);
    qToLittleEndian(size, r.data() + 68);
    r[72] = char(style);
    return r;
}

class PrintFontFile : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        ASSERT_TRUE(QDir(folder()).mkdir(QStringLiteral("FONT")));
    }
    QString folder() const { return dir_.path(); }
    QString file(const QString& name = printFontFileName) const { return folder() + "/FONT/" + name; }

    QTemporaryDir dir_;
    PrintFont font_{systemFileOps()};
};

TEST_F(PrintFontFile, FaceIsTheLengthPrefixedNameWithoutTheJunkAfterIt)
{
    writeFileBytes(file(), fontRecord(0x000000FF, 11, "Courier NewXYZ junk", 10, 0x01));
    EXPECT_TRUE(font_.CzytajFonty(printFontFileName, folder()));
    EXPECT_EQ(font_.face(), QStringLiteral("Courier New"));
    EXPECT_EQ(font_.size(), 10);
    EXPECT_EQ(font_.record().bytes(), fontRecord(0x000000FF, 11, "Courier NewXYZ junk", 10, 0x01));

    // The style byte does not make the printout bold; the layout sets that.
    const PrintLettering lettering = font_.lettering();
    EXPECT_EQ(lettering.face, QStringLiteral("Courier New"));
    EXPECT_EQ(lettering.size, 10);
    EXPECT_EQ(lettering.colour, QColor(255, 0, 0));
}

TEST_F(PrintFontFile, OnlyTheFirstRecordCounts)
{
    writeFileBytes(file(), fontRecord(0, 5, "Arial", 12, 0) + fontRecord(0, 6, "Tahoma", 30, 0) + "torn");
    font_.CzytajFonty(printFontFileName, folder());
    EXPECT_EQ(font_.face(), QStringLiteral("Arial"));
    EXPECT_EQ(font_.size(), 12);
}

TEST_F(PrintFontFile, MissingFileBeforeAnyReadPrintsWithTheDefault)
{
    EXPECT_FALSE(font_.CzytajFonty(QStringLiteral("brak.dat"), folder()));
    EXPECT_EQ(font_.face(), QString());
    EXPECT_EQ(font_.size(), 0);
    EXPECT_EQ(font_.record(), PrintFontRecord());

    const PrintLettering lettering = font_.lettering();
    EXPECT_EQ(lettering.face, QStringLiteral("Arial"));
    EXPECT_EQ(lettering.size, 10);
    EXPECT_EQ(lettering.colour, QColor(Qt::black));
}

TEST_F(PrintFontFile, MissingFileAfterAReadKeepsWhatWasRead)
{
    writeFileBytes(file(), fontRecord(0, 6, "Tahoma", 11, 0));
    font_.CzytajFonty(printFontFileName, folder());
    ASSERT_TRUE(QFile::remove(file()));

    EXPECT_FALSE(font_.CzytajFonty(printFontFileName, folder()));
    EXPECT_EQ(font_.lettering().face, QStringLiteral("Tahoma"));
    EXPECT_EQ(font_.lettering().size, 11);
}

struct UnusableCase {
    const char* name;
    QByteArray record;
    QString face;
    int size;
};

class UnusableFont : public PrintFontFile, public ::testing::WithParamInterface<UnusableCase>
{};

TEST_P(UnusableFont, FallsBackFieldByField)
{
    writeFileBytes(file(), GetParam().record);
    font_.CzytajFonty(printFontFileName, folder());
    EXPECT_EQ(font_.lettering().face, GetParam().face);
    EXPECT_EQ(font_.lettering().size, GetParam().size);
}

INSTANTIATE_TEST_SUITE_P(
    Records, UnusableFont,
    ::testing::Values(UnusableCase{"SizeZero", fontRecord(0, 6, "Tahoma", 0, 0), "Tahoma", 10},
                      UnusableCase{"NegativeSize", fontRecord(0, 6, "Tahoma", -12, 0), "Tahoma", 10},
                      UnusableCase{"LargestUsableSize", fontRecord(0, 6, "Tahoma", 200, 0), "Tahoma", 200},
                      UnusableCase{"SizeAboveTheRange", fontRecord(0, 6, "Tahoma", 201, 0), "Tahoma", 10},
                      UnusableCase{"RandomHugeSize", fontRecord(0, 6, "Tahoma", 369140570, 0), "Tahoma", 10},
                      UnusableCase{"LargestStoredSize", fontRecord(0, 6, "Tahoma", 2147483647, 0), "Tahoma", 10},
                      UnusableCase{"EmptyFace", fontRecord(0, 0, "Tahoma", 14, 0), "Arial", 14},
                      UnusableCase{"AllZero", QByteArray(76, '\0'), "Arial", 10}),
    [](const auto& instance) { return std::string(instance.param.name); });

TEST_F(PrintFontFile, ColourIsRedGreenBlueFromTheLowByteUp)
{
    writeFileBytes(file(), fontRecord(0x00332211, 5, "Arial", 10, 0));
    font_.CzytajFonty(printFontFileName, folder());
    EXPECT_EQ(font_.colour(), QColor(0x11, 0x22, 0x33));

    // A system colour of the program that wrote the file prints black.
    writeFileBytes(file(), fontRecord(0x80000008, 5, "Arial", 10, 0));
    font_.CzytajFonty(printFontFileName, folder());
    EXPECT_EQ(font_.colour(), QColor(Qt::black));
}

TEST_F(PrintFontFile, FileShorterThanARecordIsAnErrorAndChangesNothing)
{
    writeFileBytes(file(), fontRecord(0, 5, "Arial", 12, 0));
    font_.CzytajFonty(printFontFileName, folder());
    writeFileBytes(file(), fontRecord(0, 6, "Tahoma", 30, 0).left(75));

    EXPECT_THROW(font_.CzytajFonty(printFontFileName, folder()), IoError);
    EXPECT_EQ(font_.face(), QStringLiteral("Arial"));
    EXPECT_EQ(font_.size(), 12);
    EXPECT_EQ(font_.record().bytes(), fontRecord(0, 5, "Arial", 12, 0));
}

TEST_F(PrintFontFile, FolderNameIsMatchedWhateverItsCase)
{
    ASSERT_TRUE(QDir(folder()).rename(QStringLiteral("FONT"), QStringLiteral("Font")));
    writeFileBytes(folder() + "/Font/" + printFontFileName, fontRecord(0, 5, "Arial", 9, 0));
    EXPECT_TRUE(font_.CzytajFonty(printFontFileName, folder()));
    EXPECT_EQ(font_.size(), 9);
}

TEST_F(PrintFontFile, WritingLeavesOneRecordOfTheChosenFont)
{
    writeFileBytes(file(QStringLiteral("44.abc")), fontRecord(0, 5, "Arial", 12, 0).repeated(3));
    QFont chosen(QStringLiteral("Łódź Sans"));
    chosen.setPointSize(14);
    chosen.setBold(true);
    chosen.setUnderline(true);
    font_.write({chosen, QColor(1, 2, 3)}, QStringLiteral("44.abc"), folder());

    // "Łódź Sans" in code page 1250.
    EXPECT_EQ(readFileBytes(file(QStringLiteral("44.abc"))),
              fontRecord(0x00030201, 9,
                         "\xA3\xF3"
                         "d\x9F Sans",
                         14, 0x05));
    EXPECT_EQ(font_.face(), QStringLiteral("Łódź Sans"));
    EXPECT_EQ(font_.size(), 14);
    EXPECT_EQ(font_.record().bytes(), readFileBytes(file(QStringLiteral("44.abc"))));
}

TEST_F(PrintFontFile, WrittenFaceIsCutToSixtyCharacters)
{
    font_.write({QFont(QString(70, QLatin1Char('F'))), QColor(Qt::black)}, printFontFileName, folder());
    const QByteArray bytes = readFileBytes(file());
    ASSERT_EQ(bytes.size(), 76);
    EXPECT_EQ(quint8(bytes[4]), 60);
    EXPECT_EQ(bytes.mid(5, 60), QByteArray(60, 'F'));
}

TEST_F(PrintFontFile, FailedWriteKeepsEverythingAsItWas)
{
    writeFileBytes(file(), fontRecord(0, 5, "Arial", 12, 0));
    font_.CzytajFonty(printFontFileName, folder());
    ASSERT_TRUE(QDir(folder() + "/FONT").removeRecursively());

    EXPECT_THROW(font_.write({QFont(QStringLiteral("Tahoma")), QColor(Qt::red)}, printFontFileName, folder()), IoError);
    EXPECT_EQ(font_.face(), QStringLiteral("Arial"));
    EXPECT_EQ(font_.size(), 12);
    EXPECT_EQ(font_.record().bytes(), fontRecord(0, 5, "Arial", 12, 0));
}

TEST_F(PrintFontFile, DialogPresetRefreshesTheRecordButNotFaceAndSize)
{
    writeFileBytes(file(), fontRecord(0, 5, "Arial", 12, 0));
    font_.CzytajFonty(printFontFileName, folder());
    writeFileBytes(file(), fontRecord(0x0000FF00, 6, "Tahoma", 16, 0x0A));

    const std::optional<FontChoice> preset = font_.dialogPreset(printFontFileName, folder());
    ASSERT_TRUE(preset);
    EXPECT_EQ(preset->font.family(), QStringLiteral("Tahoma"));
    EXPECT_EQ(preset->font.pointSize(), 16);
    EXPECT_FALSE(preset->font.bold());
    EXPECT_TRUE(preset->font.italic());
    EXPECT_TRUE(preset->font.strikeOut());
    EXPECT_EQ(preset->colour, QColor(0, 255, 0));
    EXPECT_EQ(font_.record().bytes(), fontRecord(0x0000FF00, 6, "Tahoma", 16, 0x0A));
    EXPECT_EQ(font_.face(), QStringLiteral("Arial"));
    EXPECT_EQ(font_.size(), 12);

    EXPECT_FALSE(font_.dialogPreset(QStringLiteral("brak.dat"), folder()));
}

} // namespace
} // namespace kw
