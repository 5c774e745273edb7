#include "store/data_folder.h"
#include "store/records.h"
#include "tests/cli/cli_fixture.h"
#include "tests/support/file_bytes.h"

#include <QFile>

namespace kw {
namespace {

TEST_F(CliTest, SettingsPrintsTheSellerAndTheSettingsAsNameValueLines)
{
    const ProcessResult result = run({QStringLiteral("settings")});
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(result.outLines(),
              (QStringList{
                  QStringLiteral("Sprzedawca, wiersz 1: Zegarmistrz Żółkiewski"),
                  QStringLiteral("Sprzedawca, wiersz 2: ul. Floriańska 3"),
                  QStringLiteral("Sprzedawca, wiersz 3: 31-019 Kraków"),
                  QStringLiteral("NIP: 676-000-11-22"),
                  QStringLiteral("Bank: "),
                  QStringLiteral("Numer konta: "),
                  QStringLiteral("Miejscowość: Kraków"),
                  QStringLiteral("Numer rachunku: "),
                  QStringLiteral("Rozszerzenie numeru rachunku: "),
                  QStringLiteral("Numer korekty: "),
                  QStringLiteral("Rozszerzenie numeru korekty: "),
                  QStringLiteral("Oznaczenie egzemplarza: oryginał / kopia"),
                  QStringLiteral("Liczba egzemplarzy: 2"),
                  QStringLiteral("Przypis na wydruku: Zwolnienie z VAT na podstawie art. 113"),
                  QStringLiteral("Wystawił: "),
              }));
}

TEST_F(CliTest, ServicesGoToCsvAndComeBackIntoFreeSlotsOnly)
{
    const QString listFile = DataPaths(start()).serviceFile();
    ServiceListRecord services = emptyServiceList();
    services.set(services::name(2), QStringLiteral("Wymiana baterii"));
    services.set(services::unit(2), QStringLiteral("szt."));
    services.set(services::price(2), QStringLiteral("15.50"));
    writeFileBytes(listFile, services.bytes());

    const QString csv = start() + QStringLiteral("/uslugi.csv");
    ProcessResult result = run({QStringLiteral("services"), QStringLiteral("export"), csv});
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(result.outLines(), QStringList{QStringLiteral("Zapisano pozycji: 1 do pliku %1.").arg(csv)});
    EXPECT_EQ(readFileBytesIfAny(csv),
              QByteArray("\xEF\xBB\xBFNr;Nazwa us\xC5\x82ugi;PKWiU;J.m;Dopisek;Cena brutto\r\n"
                         "2;Wymiana baterii;;szt.;;15,50\r\n"));

    writeFileBytes(csv,
                   "Nr;Nazwa;PKWiU;J.m;Dopisek;Cena\r\n"
                   "2;Inna nazwa;;;;1\r\n"
                   ";Czyszczenie;;szt.;;20,00\r\n"
                   "300;Za daleko\r\n");
    result = run({QStringLiteral("services"), QStringLiteral("import"), csv});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.outLines(),
              (QStringList{QStringLiteral("Wczytano wierszy: 1."), QStringLiteral("Odrzucono wierszy: 2:"),
                           QStringLiteral("wiersz 4: nieprawidłowy numer pozycji „300” (dozwolone 1–201)"),
                           QStringLiteral("pozycja 2: zajęta, nie nadpisano")}));
    EXPECT_TRUE(result.err.contains(QStringLiteral("Odrzucono wierszy: 2"))) << result.err.toStdString();
    const ServiceListRecord after = ServiceListRecord::fromBytes(readFileBytesIfAny(listFile));
    EXPECT_EQ(after.get(services::name(2)), QStringLiteral("Wymiana baterii"));
    EXPECT_EQ(after.get(services::name(1)), QStringLiteral("Czyszczenie"));
    EXPECT_EQ(after.get(services::price(1)), QStringLiteral("20.00"));
    EXPECT_EQ(readFileBytesIfAny(listFile).size(), services::Size);
}

struct ImportCase {
    const char* name;
    QByteArray csv;
    int exitCode;
    QStringList out;
    QString err;
    QString firstName;
};

TEST_F(CliTest, AnImportSaysWhatItTookAndWhatItRefused)
{
    const QString cutShort = QStringLiteral("wiersz 2: cudzysłów otwarty w kolumnie 2 nie jest zamknięty do końca "
                                            "pliku; tego wiersza ani dalszej części pliku nie wczytano");
    const ImportCase cases[] = {
        {"an open quote and nothing taken",
         "Nr;Nazwa;Adres 1;Adres 2;Adres 3;NIP\r\n;\"niedomknięty;;;;\r\n;Drugi;;;;\r\n",
         1,
         {QStringLiteral("Nie wczytano żadnego wiersza."), QStringLiteral("Odrzucono wierszy: 1:"), cutShort},
         QStringLiteral("Odrzucono wierszy: 1; nie zapisano żadnego wiersza."),
         {}},
        {"an open quote after a row taken",
         ";Pierwszy\r\n;\"niedomknięty\r\n;Drugi\r\n",
         1,
         {QStringLiteral("Wczytano wierszy: 1."), QStringLiteral("Odrzucono wierszy: 1:"), cutShort},
         QStringLiteral("Odrzucono wierszy: 1; zapisano wierszy: 1."),
         QStringLiteral("Pierwszy")},
        {"columns by their names",
         "NIP;Nazwa;E-mail\r\n123-456-32-18;Sklep 24\" Full HD;biuro@sklep.pl\r\n",
         0,
         {QStringLiteral("Wczytano wierszy: 1."), QStringLiteral("Pominięto nieznaną kolumnę „E-mail”.")},
         {},
         QStringLiteral("Sklep 24\" Full HD")},
    };
    const QString listFile = DataPaths(start()).clientFile();
    const QString csv = start() + QStringLiteral("/klienci.csv");
    for (const ImportCase& c : cases) {
        writeFileBytes(listFile, emptyClientList().bytes());
        writeFileBytes(csv, c.csv);
        const ProcessResult result = run({QStringLiteral("clients"), QStringLiteral("import"), csv});
        EXPECT_EQ(result.exitCode, c.exitCode) << c.name;
        EXPECT_EQ(result.outLines(), c.out) << c.name;
        EXPECT_EQ(result.err.trimmed(), c.err) << c.name;
        const ClientListRecord after = ClientListRecord::fromBytes(readFileBytesIfAny(listFile));
        EXPECT_EQ(after.get(clients::line(1, 1)), c.firstName) << c.name;
        EXPECT_TRUE(after.get(clients::line(1, 2)).isEmpty()) << c.name;
    }
}

TEST_F(CliTest, ImportWithoutAListFileCreatesNothing)
{
    const QString csv = start() + QStringLiteral("/klienci.csv");
    writeFileBytes(csv, "Nr;Nazwa\r\n1;Jan\r\n");
    const ProcessResult result = run({QStringLiteral("clients"), QStringLiteral("import"), csv});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.err.contains(QStringLiteral("klienci.dat"))) << result.err.toStdString();
    EXPECT_FALSE(QFile::exists(DataPaths(start()).clientFile()));
}

} // namespace
} // namespace kw
