#include "app/help_text.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace kw;

TEST(HelpText, SixtyFourLinesInElevenTitledSections)
{
    const QStringList lines = helpText().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 64);

    const QStringList titles = {
        "Nowa faktura",       "Wstawienie klienta", "Wstawienie usługi",   "Parametry stałe",
        "Numerator",          "Zapis faktury",      "Wczytanie faktury",   "Usuwanie faktury",
        "Faktura korygująca", "Wydruk faktury",     "Szablony dokumentów",
    };
    int searchFrom = 0;
    for (const QString& title : titles) {
        const int at = lines.indexOf(title, searchFrom);
        ASSERT_GT(at, searchFrom) << title.toStdString();
        EXPECT_EQ(lines[at + 1], QString(title.size(), QLatin1Char('-'))) << title.toStdString();
        EXPECT_FALSE(lines[at + 2].isEmpty()) << title.toStdString();
        EXPECT_TRUE(lines[at - 1].isEmpty()) << title.toStdString();
        const bool twoBlank = title == QStringLiteral("Wstawienie klienta");
        EXPECT_EQ(lines[at - 2].isEmpty(), twoBlank) << title.toStdString();
        searchFrom = at + 2;
    }
    EXPECT_FALSE(lines.first().isEmpty());
    EXPECT_FALSE(lines.last().isEmpty());
}

TEST(HelpText, SpeaksOfFaktura)
{
    const QString text = helpText();
    EXPECT_TRUE(text.contains(QStringLiteral("faktur")));
    EXPECT_FALSE(text.contains(QStringLiteral("rachun"), Qt::CaseInsensitive));
}
