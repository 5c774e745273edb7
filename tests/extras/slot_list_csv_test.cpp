#include "extras/csv.h"
#include "extras/slot_list_csv.h"
#include "store/records.h"

#include <gtest/gtest.h>

namespace kw {
namespace {

QByteArray csvOf(const QList<CsvRow>& rows) { return csvFileBytes(rows); }

TEST(SlotListCsv, AThousandPolishClientsGoOutAndBackUnchanged)
{
    SlotList list(clientListLayout(), emptyClientList().bytes());
    for (int k = 1; k <= 1000; ++k)
        list.setEntry(k * 5 - 2,
                      {QStringLiteral("Zażółć Gęślą %1; „Jaźń”").arg(k),
                       QStringLiteral("ul. Źródlana %1").arg(k),
                       QStringLiteral("\"Łódź\"  "),
                       {},
                       QStringLiteral("PL 123-456-32-18")});
    const QByteArray exported = slotListCsv(list);

    SlotList copy(clientListLayout(), emptyClientList().bytes());
    int refused = -1;
    const QString report = applyImport(copy, planImport(copy, exported), false, &refused);
    EXPECT_EQ(report, QStringLiteral("Wczytano wierszy: 1000."));
    EXPECT_EQ(refused, 0);
    EXPECT_EQ(copy.bytes(), list.bytes());
    EXPECT_EQ(slotListCsv(copy), exported);
}

TEST(SlotListCsv, PricesUseTheDecimalCommaInTheSpreadsheetAndThePointInTheFile)
{
    SlotList list(serviceListLayout(), emptyServiceList().bytes());
    list.setEntry(3,
                  {QStringLiteral("Mycie okien"), QStringLiteral("81.22"), QStringLiteral("m2"), QString(),
                   QStringLiteral("12.50")});
    EXPECT_EQ(slotListCsv(list),
              csvOf({{"Nr", "Nazwa usługi", "PKWiU", "J.m", "Dopisek", "Cena brutto"},
                     {"3", "Mycie okien", "81.22", "m2", "", "12,50"}}));

    SlotList imported(serviceListLayout(), emptyServiceList().bytes());
    applyImport(imported, planImport(imported, slotListCsv(list)), false);
    EXPECT_EQ(imported.entry(3).last(), QStringLiteral("12.50"));
}

TEST(SlotListCsv, RowsThatCannotBeTakenAreReportedWithTheirReason)
{
    SlotList list(clientListLayout(), emptyClientList().bytes());
    list.setEntry(1, {QStringLiteral("Zajęty"), {}, {}, {}, {}});
    const QByteArray csv = csvOf({
        {"Nr", "Nazwa", "Adres 1", "Adres 2", "Adres 3", "NIP"},
        {"", "Pierwszy wolny"},
        {"x7", "Zły numer"},
        {"5002", "Poza listą"},
        {"9", "Dziewiąty", "", "", "", "", "nadmiar"},
        {"10", ""},
        {"11", QString(81, QLatin1Char('a'))},
        {"12", "Dwunasty"},
        {"12", "Znowu dwunasty"},
        {"1", "Nowa nazwa"},
        {"", "Drugi wolny"},
    });
    SlotListImport plan = planImport(list, csv);
    EXPECT_EQ(plan.refused,
              (QStringList{
                  QStringLiteral("wiersz 3: nieprawidłowy numer pozycji „x7” (dozwolone 1–5001)"),
                  QStringLiteral("wiersz 4: nieprawidłowy numer pozycji „5002” (dozwolone 1–5001)"),
                  QStringLiteral("wiersz 5: za dużo kolumn (7, a lista ma 6)"),
                  QStringLiteral("wiersz 6: Pole „Nazwa” nie może być puste."),
                  QStringLiteral("wiersz 7: Pole „Nazwa” mieści najwyżej 80 znaków, a wpisano 81."),
                  QStringLiteral("wiersz 9: pozycja 12 podana w pliku drugi raz"),
              }));
    EXPECT_EQ(plan.slotsInUse, QList<int>{1});

    SlotList kept = list;
    EXPECT_EQ(applyImport(kept, plan, false),
              QStringLiteral("Wczytano wierszy: 3.\nOdrzucono wierszy: 7:\n") + plan.refused.join(QLatin1Char('\n')) +
                  QStringLiteral("\npozycja 1: zajęta, nie nadpisano"));
    EXPECT_EQ(kept.entry(1).first(), QStringLiteral("Zajęty"));
    EXPECT_EQ(kept.entry(2).first(), QStringLiteral("Pierwszy wolny"));
    EXPECT_EQ(kept.entry(3).first(), QStringLiteral("Drugi wolny"));
    EXPECT_EQ(kept.entry(12).first(), QStringLiteral("Dwunasty"));

    applyImport(list, plan, true);
    EXPECT_EQ(list.entry(1).first(), QStringLiteral("Nowa nazwa"));
}

TEST(SlotListCsv, AFileInAnotherCodePageIsRefusedWhole)
{
    SlotList list(clientListLayout(), emptyClientList().bytes());
    const SlotListImport plan = planImport(list,
                                           QByteArray("1;Ma\xB3"
                                                      "y\r\n"));
    EXPECT_TRUE(plan.rows.isEmpty());
    ASSERT_EQ(plan.refused.size(), 1);
    EXPECT_TRUE(plan.refused.first().contains(QStringLiteral("UTF-8")));
}

} // namespace
} // namespace kw
