#include "documents/settings_fields.h"
#include "store/data_folder.h"
#include "store/document_lock.h"
#include "store/edited_file.h"
#include "store/io_error.h"
#include "store/record_layouts.h"
#include "tests/support/file_bytes.h"
#include "tests/support/temp_data_folder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>

namespace kw {
namespace {

QStringList sellerTexts()
{
    return {QStringLiteral("Zakład Usług Różnych"),
            QStringLiteral("ul. Żółta 3"),
            QStringLiteral("31-000 Kraków"),
            QStringLiteral("1234563218"),
            QStringLiteral("PKO"),
            QStringLiteral("61109010140000071219812874")};
}

TEST(SettingsFields, ASellerOnZerosIsTheRecordBuiltByHand)
{
    QByteArray expected(company::Size, '\0');
    const QByteArray cp1250[] = {"Zak\xB3"
                                 "ad Us\xB3"
                                 "ug R\xF3\xBF"
                                 "nych",
                                 "ul. \xAF\xF3\xB3"
                                 "ta 3",
                                 "31-000 Krak\xF3w",
                                 "1234563218",
                                 "PKO",
                                 "61109010140000071219812874"};
    for (int i = 0; i < 6; ++i) {
        expected[i * 51] = char(cp1250[i].size());
        std::memcpy(expected.data() + i * 51 + 1, cp1250[i].constData(), cp1250[i].size());
    }
    EXPECT_EQ(withFieldTexts(QByteArray(company::Size, '\0'), sellerFields(), sellerTexts()), expected);
}

TEST(SettingsFields, OnlyChangedFieldsAreWrittenOverJunk)
{
    QByteArray junk(settings::Size, '\x5A');
    for (const SettingsField& f : numberingFields())
        junk[f.field.offset] = '\x01'; // every field holds "Z" and junk after it
    QStringList texts = fieldTexts(numberingFields(), junk);
    EXPECT_EQ(withFieldTexts(junk, numberingFields(), texts), junk);

    texts[6] = QStringLiteral("2"); // the copy count
    QByteArray expected = junk;
    std::memcpy(expected.data() + settings::CopyCount.offset,
                "\x01"
                "2\0\0",
                4);
    EXPECT_EQ(withFieldTexts(junk, numberingFields(), texts), expected);
}

TEST(SettingsFields, TooLongATextIsRefusedWithItsLimit)
{
    QStringList texts = fieldTexts(numberingFields(), QByteArray(settings::Size, '\0'));
    texts[6] = QStringLiteral("1"); // an empty copy count is refused, see below
    EXPECT_EQ(fieldsProblem(numberingFields(), texts), QString());
    texts[6] = QStringLiteral("1000");
    EXPECT_EQ(fieldsProblem(numberingFields(), texts),
              QStringLiteral("Pole „Liczba egzemplarzy” mieści najwyżej 3 znaków, a wpisano 4."));
}

TEST(SettingsFields, TheCopyCountIsAWholeNumberFrom1To99)
{
    const QString rule = QStringLiteral("Pole „Liczba egzemplarzy” przyjmuje tylko liczbę całkowitą od 1 do 99");
    const struct {
        const char* typed;
        QString refusal;
    } cases[] = {
        {"1", {}},
        {"99", {}},
        {" 3 ", {}},
        {"07", {}},
        {"", rule + QStringLiteral(", a jest puste.")},
        {"  ", rule + QStringLiteral(", a jest puste.")},
        {"0", rule + QStringLiteral(", a wpisano „0”.")},
        {"dwa", rule + QStringLiteral(", a wpisano „dwa”.")},
        {"2a", rule + QStringLiteral(", a wpisano „2a”.")},
        {"-1", rule + QStringLiteral(", a wpisano „-1”.")},
        {"1,5", rule + QStringLiteral(", a wpisano „1,5”.")},
        {"+2", rule + QStringLiteral(", a wpisano „+2”.")},
        {"100", rule + QStringLiteral(", a wpisano „100”.")},
    };
    QStringList texts = fieldTexts(numberingFields(), QByteArray(settings::Size, '\0'));
    for (const auto& c : cases) {
        texts[6] = QString::fromUtf8(c.typed);
        EXPECT_EQ(fieldsProblem(numberingFields(), texts), c.refusal) << c.typed;
    }
}

TEST(SettingsFields, SavingIsRefusedWhileAnotherInstanceHoldsTheLock)
{
    TempDataFolder folder;
    const DataPaths paths = folder.paths();
    writeFileBytes(paths.sellerFile(), QByteArray(company::Size, '\0'));
    EditedFile seller(systemFileOps(), paths.sellerFile(), company::Size);
    {
        const DocumentLock other(paths.documentFile());
        EXPECT_THROW(saveDataFile(seller, paths, QByteArray(company::Size, '\1')), IoError);
    }
    EXPECT_EQ(readFileBytes(paths.sellerFile()), QByteArray(company::Size, '\0'));
    saveDataFile(seller, paths, QByteArray(company::Size, '\1'));
    EXPECT_EQ(readFileBytes(paths.sellerFile()), QByteArray(company::Size, '\1'));
}

} // namespace
} // namespace kw
