#include "exports/csv_output_kind.h"
#include "tests/support/output_kind_cases.h"

#include <gtest/gtest.h>

namespace kw {
namespace {

TEST(OutputKinds, ACsvExportIsKnownByTheHeaderRowTheProgramWrites)
{
    const QList<CsvRow> heads = {{QStringLiteral("Nr"), QStringLiteral("Nazwa"), QStringLiteral("Adres 1")},
                                 {QStringLiteral("Miesiąc"), QStringLiteral("Kwota brutto")}};
    const KindCase cases[] = {
        {"an earlier export", csvFileBytes({heads[0], {QStringLiteral("1"), QStringLiteral("Jan"), {}}}), true},
        {"an export of another table", csvFileBytes({heads[1]}), true},
        {"without the byte-order mark", csvLine(heads[1]).toUtf8() + "01;12,50\r\n", true},
        {"one column more", csvFileBytes({heads[0] + CsvRow{QStringLiteral("Uwagi")}}), false},
        {"a column less", csvFileBytes({heads[0].first(2)}), false},
        {"a bank statement",
         "\xEF\xBB\xBF"
         "Data operacji;Opis;Kwota\r\n2009-03-05;Przelew;-120,00\r\n",
         false},
        {"the header further down", "Wyciąg\r\n" + csvLine(heads[0]).toUtf8(), false},
        {"lines ended otherwise", "Nr;Nazwa;Adres 1\n1;Jan;\n", false},
    };
    for (const KindCase& c : cases)
        EXPECT_EQ(recognised(csvOutputKind(heads), c.bytes), c.ours) << c.name;
    EXPECT_FALSE(recognised(csvOutputKind({}), csvFileBytes({heads[0]})));
}

} // namespace
} // namespace kw
