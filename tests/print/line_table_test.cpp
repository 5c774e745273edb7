#include "print/line_table.h"

#include <gtest/gtest.h>

#include "tests/print/qt_printers.h"

namespace kw {
namespace {

struct FitCase {
    const char* face;
    int size;
    QStringList overflowing;
};

class LineTableFit : public ::testing::TestWithParam<FitCase>
{};

// The table's cells are Courier New a point below the print font's size, so
// the size decides most columns; the headings are in the print font itself.
TEST_P(LineTableFit, NamesTheColumnsItsUsualTextOverflows)
{
    const FitCase& c = GetParam();
    EXPECT_EQ(overflowingTableColumns({QString::fromLatin1(c.face), c.size, QColor(Qt::black)}), c.overflowing);
}

INSTANTIATE_TEST_SUITE_P(PrintFonts, LineTableFit,
                         ::testing::Values(FitCase{"Arial", 10, {}}, FitCase{"DejaVu Sans", 10, {}},
                                           FitCase{"DejaVu Serif", 11, {"PKWiU"}},
                                           FitCase{"Arial", 12, {"PKWiU", "J.m.", "Razem"}},
                                           FitCase{"Arial", 16, {"Nazwa", "PKWiU", "J.m.", "Ilość", "Cena", "Razem"}}));

TEST(LineTableFit, WarnsInOneSentenceOnlyWhenAColumnOverflows)
{
    EXPECT_EQ(tableFitWarning({QStringLiteral("Arial"), 10, QColor(Qt::black)}), QString());
    EXPECT_EQ(tableFitWarning({QStringLiteral("Arial"), 12, QColor(Qt::black)}),
              QStringLiteral("Tekst tabeli w tej czcionce jest szerszy niż kolumny (PKWiU, J.m., Razem); "
                             "część zostanie obcięta."));
}

} // namespace
} // namespace kw
