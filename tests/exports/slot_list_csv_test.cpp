#include "exports/csv.h"
#include "exports/slot_list_csv.h"
#include "store/records.h"

#include <gtest/gtest.h>

namespace kw {
namespace {

QByteArray csvOf(const QList<CsvRow>& rows) { return csvFileBytes(rows); }

SlotList emptyClients() { return SlotList(clientListLayout(), emptyClientList().bytes()); }

const QByteArray clientHeader = "Nr;Nazwa;Adres 1;Adres 2;Adres 3;NIP\r\n";

// A planned row as "slot: texts", for comparing plans at a glance.
QStringList takenRows(const SlotListImport& plan)
{
    QStringList rows;
    for (const SlotListImport::Row& row : plan.rows)
        rows.append(QStringLiteral("%1: %2").arg(row.slot).arg(row.values.join(QLatin1Char('|'))));
    return rows;
}

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
    const SlotListImportReport report = applyImport(copy, planImport(copy, exported), false);
    EXPECT_EQ(report.text, QStringLiteral("Wczytano wierszy: 1000."));
    EXPECT_EQ(report.taken, 1000);
    EXPECT_EQ(report.refused, 0);
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
    EXPECT_EQ(applyImport(kept, plan, false).text,
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

TEST(SlotListCsv, ABadlyQuotedLineIsRefusedWithItsLineAndTheRowsBeforeItAreTaken)
{
    SlotList list = emptyClients();
    const SlotListImport plan = planImport(list,
                                           clientHeader +
                                               ";Sklep 24\" Full HD;;;;\r\n"
                                               "\r\n"
                                               ";\r\n"
                                               ";\"niedomknięty;;;;\r\n"
                                               ";Drugi;;;;\r\n");
    EXPECT_EQ(takenRows(plan), QStringList{"1: Sklep 24\" Full HD||||"});
    EXPECT_EQ(plan.refused,
              (QStringList{
                  QStringLiteral("wiersz 4: Pole „Nazwa” nie może być puste."),
                  QStringLiteral("wiersz 5: cudzysłów otwarty w kolumnie 2 nie jest zamknięty do końca pliku; tego "
                                 "wiersza ani dalszej części pliku nie wczytano"),
              }));
}

TEST(SlotListCsv, TheReportSaysSoWhenNoRowWasTaken)
{
    SlotList list = emptyClients();
    const SlotListImportReport report =
        applyImport(list, planImport(list, ";\"niedomknięty;;;;\r\n;Drugi;;;;\r\n"), false);
    EXPECT_EQ(report.text,
              QStringLiteral("Nie wczytano żadnego wiersza.\nOdrzucono wierszy: 1:\nwiersz 1: cudzysłów "
                             "otwarty w kolumnie 2 nie jest zamknięty do końca pliku; tego wiersza ani "
                             "dalszej części pliku nie wczytano"));
    EXPECT_EQ(report.taken, 0);
    EXPECT_EQ(report.refused, 1);
    EXPECT_EQ(list.bytes(), emptyClientList().bytes());
}

struct ControlCase {
    const char* name;
    QByteArray csv;
    QString reason;
};

TEST(SlotListCsv, RowsWithAControlCharacterAreRefusedNamingTheColumnAndTheCharacter)
{
    const ControlCase cases[] = {
        {"NUL in a name", clientHeader + QByteArray(";Jan\0Kowalski\r\n", 15),
         "„Nazwa” zawiera znak sterujący NUL (U+0000)"},
        {"TAB in a name", clientHeader + ";Jan\tKowalski\r\n", "„Nazwa” zawiera znak sterujący tabulator (U+0009)"},
        {"ESC in a name", clientHeader + ";Jan\x1B[2J\r\n", "„Nazwa” zawiera znak sterujący ESC (U+001B)"},
        {"marked TAB in a name", clientHeader + ";'\tJan\r\n", "„Nazwa” zawiera znak sterujący tabulator (U+0009)"},
        {"LF in an address line", clientHeader + ";Jan;\"ul. Długa 1\nWarszawa\"\r\n",
         "„Adres 1” zawiera znak sterujący koniec wiersza (U+000A)"},
        {"CR in an address line", clientHeader + ";Jan;;\"a\rb\"\r\n",
         "„Adres 2” zawiera znak sterujący powrót karetki (U+000D)"},
        {"another C0 character", clientHeader + ";Jan;;;\x01\r\n", "„Adres 3” zawiera znak sterujący U+0001"},
        {"DEL in a tax number", clientHeader + ";Jan;;;;12\x7F\r\n", "„NIP” zawiera znak sterujący DEL (U+007F)"},
        {"C1 character", clientHeader + ";Jan\xC2\x85\r\n", "„Nazwa” zawiera znak sterujący U+0085"},
        {"TAB after the slot number", clientHeader + "7\t;Jan\r\n", "„Nr” zawiera znak sterujący tabulator (U+0009)"},
        {"by the header's own name", "nip;Nazwa\r\n1\x02;Jan\r\n", "„nip” zawiera znak sterujący U+0002"},
    };
    for (const ControlCase& c : cases) {
        const SlotListImport plan = planImport(emptyClients(), c.csv);
        EXPECT_TRUE(plan.rows.isEmpty()) << c.name;
        EXPECT_EQ(plan.refused, QStringList{QStringLiteral("wiersz 2: kolumna ") + c.reason}) << c.name;
    }
}

TEST(SlotListCsv, AHeaderPlacesColumnsByTheirNamesInAnyOrder)
{
    SlotList list = emptyClients();
    list.setEntry(2, {"Stara nazwa", "ul. Stara 1", "00-001 Warszawa", "", "111"});
    const QByteArray csv = csvOf({
        {" nip ", "ADRES 1", "Ulubiony kolor", "nazwa", "nr"},
        {"525-000-00-00", "ul. Łąkowa 2", "zielony", "Żaneta Źdźbło", ""},
        {"999", "ul. Nowa 5", "", "Nowa nazwa", "2"},
    });
    const SlotListImport plan = planImport(list, csv);
    EXPECT_TRUE(plan.refused.isEmpty()) << plan.refused.join(u'\n').toStdString();
    EXPECT_EQ(plan.ignoredColumns, QStringList{QStringLiteral("Pominięto nieznaną kolumnę „Ulubiony kolor”.")});
    // The file has no "Adres 2" or "Adres 3": slot 2 keeps its own.
    EXPECT_EQ(takenRows(plan),
              (QStringList{"1: Żaneta Źdźbło|ul. Łąkowa 2|||525-000-00-00",
                           "2: Nowa nazwa|ul. Nowa 5|00-001 Warszawa||999"}));
    EXPECT_EQ(plan.slotsInUse, QList<int>{2});
    EXPECT_EQ(applyImport(list, plan, true).text,
              QStringLiteral("Wczytano wierszy: 2.\nPominięto nieznaną kolumnę „Ulubiony kolor”."));
    EXPECT_EQ(list.entry(2), (QStringList{"Nowa nazwa", "ul. Nowa 5", "00-001 Warszawa", "", "999"}));

    SlotList services(serviceListLayout(), emptyServiceList().bytes());
    const SlotListImport priced = planImport(services, "CENA BRUTTO ; Nazwa Uslugi;j.m\r\n12,50;Mycie okien;m2\r\n");
    EXPECT_EQ(takenRows(priced), QStringList{"1: Mycie okien||m2||12.50"});
    EXPECT_TRUE(priced.ignoredColumns.isEmpty());
}

struct HeaderCase {
    const char* name;
    QByteArray csv;
    QStringList taken;
    QStringList ignored;
    QStringList refused;
};

TEST(SlotListCsv, TheFirstRowDecidesHowColumnsAreRead)
{
    const HeaderCase cases[] = {
        {"no header: by position", "5;Jan;ul. A\r\n;Ewa\r\n", {"5: Jan|ul. A|||", "1: Ewa||||"}, {}, {}},
        {"a slot number first: data", "4;Nazwa\r\n", {"4: Nazwa||||"}, {}, {}},
        {"Nr with other captions: by position", "Nr;Klient;Ulica\r\n3;Jan;ul. A\r\n", {"3: Jan|ul. A|||"}, {}, {}},
        {"no name column", "NIP;Adres 1\r\n1;ul. A\r\n", {}, {}, {"wiersz 1: nagłówek pliku nie ma kolumny „Nazwa”"}},
        {"a column twice",
         "Nazwa;NAZWA\r\nJan;Ewa\r\n",
         {"1: Jan||||"},
         {"Pominięto kolumnę „NAZWA” podaną drugi raz."},
         {}},
        {"a column without a name",
         "Nazwa;;NIP\r\nJan;x;1\r\n",
         {"1: Jan||||1"},
         {"Pominięto kolumnę 2 bez nazwy."},
         {}},
        {"more cells than the header",
         "Nazwa;NIP\r\nJan;1;x\r\n",
         {},
         {},
         {"wiersz 2: za dużo kolumn (3, a nagłówek ma 2)"}},
    };
    for (const HeaderCase& c : cases) {
        const SlotListImport plan = planImport(emptyClients(), c.csv);
        EXPECT_EQ(takenRows(plan), c.taken) << c.name;
        EXPECT_EQ(plan.ignoredColumns, c.ignored) << c.name;
        EXPECT_EQ(plan.refused, c.refused) << c.name;
    }
}

TEST(SlotListCsv, TextsThatLookLikeFormulasGoOutAsTextAndComeBackUnchanged)
{
    SlotList list = emptyClients();
    list.setEntry(1, {"=1+1", "-ul. Długa 1", "+48 600 100 200", "@dom", "'=2"});
    const QByteArray exported = slotListCsv(list);
    EXPECT_EQ(exported, "\xEF\xBB\xBF" + clientHeader + "1;'=1+1;'-ul. Długa 1;'+48 600 100 200;'@dom;''=2\r\n");
    SlotList copy = emptyClients();
    applyImport(copy, planImport(copy, exported), false);
    EXPECT_EQ(copy.bytes(), list.bytes());

    SlotList services(serviceListLayout(), emptyServiceList().bytes());
    services.setEntry(1, {"=SUMA(A1:A9)", "", "", "", "-5.00"});
    EXPECT_TRUE(slotListCsv(services).endsWith("1;'=SUMA(A1:A9);;;;-5,00\r\n"));
}

} // namespace
} // namespace kw
