// kwitarnia-demo FOLDER: writes a ready data folder for trying the program,
// through the same record code the program uses.

#include "store/data_files.h"
#include "store/io_error.h"
#include "store/records.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QTextStream>

#include <cstdio>

using namespace kw;

namespace {

void write(const QString& path, const QByteArray& bytes)
{
    if (!createIfMissing(systemFileOps(), path, bytes))
        std::fprintf(stderr, "kept existing %s\n", qPrintable(path));
}

SettingsRecord demoSettings()
{
    const QString year = QString::number(QDate::currentDate().year());
    SettingsRecord s;
    s.set(settings::Place, QStringLiteral("Kraków"));
    s.set(settings::BillNumber, QStringLiteral("2"));
    s.set(settings::BillSuffix, year);
    s.set(settings::CorrectionNumber, QStringLiteral("0"));
    s.set(settings::CorrectionSuffix, QStringLiteral("K/") + year);
    s.set(settings::CopyLabel, QStringLiteral("oryginał / kopia"));
    s.set(settings::Signature, QStringLiteral("Małgorzata Wiśniewska"));
    s.set(settings::CopyCount, QStringLiteral("2"));
    s.set(settings::PrintFootnote, QStringLiteral("Dziękujemy za skorzystanie z naszych usług."));
    return s;
}

CompanyRecord demoSeller()
{
    CompanyRecord c;
    c.set(company::SellerLine1, QStringLiteral("Pracownia Usług Komputerowych „Bajt”"));
    c.set(company::SellerLine2, QStringLiteral("ul. Źródlana 12/3"));
    c.set(company::SellerLine3, QStringLiteral("30-547 Kraków"));
    c.set(company::SellerTaxId, QStringLiteral("676-123-45-65"));
    c.set(company::SellerBank, QStringLiteral("PKO BP S.A. o/Kraków"));
    c.set(company::SellerAccount, QStringLiteral("04 1234 5678 9012 3456 7890 1234"));
    return c;
}

ClientListRecord demoClients()
{
    struct Client {
        const char* l1;
        const char* l2;
        const char* l3;
        const char* l4;
        const char* nip;
    };
    const Client list[] = {
        {"Zakład Stolarski Józef Łęcki", "ul. Długa 5", "31-146 Kraków", "", "677-001-22-32"},
        {"Gabinet Weterynaryjny „Żbik”", "os. Słoneczne 14", "32-020 Wieliczka", "", ""},
        {"Anna Ślusarczyk", "ul. Ogrodowa 7 m. 2", "30-001 Kraków", "", ""},
        {"Księgarnia Źródło s.c.", "Rynek Główny 40", "31-010 Kraków", "pawilon B", "676-987-65-47"},
    };
    ClientListRecord r = emptyClientList();
    int slot = 1;
    for (const Client& c : list) {
        r.set(clients::line(1, slot), QString::fromUtf8(c.l1));
        r.set(clients::line(2, slot), QString::fromUtf8(c.l2));
        r.set(clients::line(3, slot), QString::fromUtf8(c.l3));
        r.set(clients::line(4, slot), QString::fromUtf8(c.l4));
        r.set(clients::taxId(slot), QString::fromUtf8(c.nip));
        ++slot;
    }
    return r;
}

ServiceListRecord demoServices()
{
    struct Service {
        const char* name;
        const char* pkwiu;
        const char* unit;
        const char* price;
    };
    const Service list[] = {
        {"Naprawa komputera stacjonarnego", "95.11.10.0", "szt.", "150.00"},
        {"Instalacja oprogramowania", "62.09.20.0", "godz.", "80.00"},
        {"Konfiguracja sieci bezprzewodowej", "62.02.30.0", "usł.", "120.00"},
        {"Odzyskiwanie danych z dysku", "95.11.10.0", "szt.", "249.99"},
        {"Dojazd do klienta", "49.32.11.0", "km", "1.50"},
    };
    ServiceListRecord r = emptyServiceList();
    int slot = 1;
    for (const Service& s : list) {
        r.set(services::name(slot), QString::fromUtf8(s.name));
        r.set(services::pkwiu(slot), QString::fromUtf8(s.pkwiu));
        r.set(services::unit(slot), QString::fromUtf8(s.unit));
        r.set(services::price(slot), QString::fromUtf8(s.price));
        ++slot;
    }
    return r;
}

// The opening record and two stored bills, so the lists and the summary
// have something to show.
QByteArray demoDocuments()
{
    const QDate today = QDate::currentDate();
    const QString year = QString::number(today.year());
    QByteArray file = sentinelRecord(today.toString(QStringLiteral("yyyy-MM-dd"))).bytes();
    struct Bill {
        const char* number;
        const char* buyer;
        const char* street;
        const char* town;
        const char* service;
        const char* quantity;
        const char* price;
        const char* total;
    };
    const Bill bills[] = {
        {"1", "Zakład Stolarski Józef Łęcki", "ul. Długa 5", "31-146 Kraków", "Naprawa komputera stacjonarnego",
         "   1.00", "  150.00", "   150.00"},
        {"2", "Anna Ślusarczyk", "ul. Ogrodowa 7 m. 2", "30-001 Kraków", "Instalacja oprogramowania", "   2.50",
         "   80.00", "   200.00"},
    };
    for (const Bill& b : bills) {
        DocumentRecord r;
        r.set(doc::Place, QStringLiteral("Kraków"));
        r.set(doc::IssueDate, today.toString(QStringLiteral("yyyy-MM-dd")));
        r.set(doc::DocNumber, QString::fromUtf8(b.number));
        r.set(doc::NumberSuffix, year);
        r.set(doc::BuyerLine1, QString::fromUtf8(b.buyer));
        r.set(doc::BuyerLine2, QString::fromUtf8(b.street));
        r.set(doc::BuyerLine3, QString::fromUtf8(b.town));
        r.set(doc::PaymentMethod, QStringLiteral("Przelew"));
        r.set(doc::PaymentTerm, QStringLiteral("14 dni"));
        r.set(doc::ServiceDate, today.toString(QStringLiteral("yyyy-MM-dd")));
        r.set(doc::Signature, QStringLiteral("Małgorzata Wiśniewska"));
        r.set(doc::DocKind, QStringLiteral("F"));
        r.set(lineCell(LineTable::Bill, 1, 1), QString::fromUtf8(b.service));
        r.set(lineCell(LineTable::Bill, 3, 1), QStringLiteral("szt."));
        r.set(lineCell(LineTable::Bill, 4, 1), QString::fromUtf8(b.quantity));
        r.set(lineCell(LineTable::Bill, 5, 1), QString::fromUtf8(b.price));
        r.set(lineCell(LineTable::Bill, 6, 1), QString::fromUtf8(b.total));
        file += r.bytes();
    }
    return file;
}

PrintFontRecord demoPrintFont()
{
    PrintFontRecord f;
    f.set(printfont::Face, QStringLiteral("Arial"));
    f.setInt32At(printfont::PointSize, 10);
    return f;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "użycie: kwitarnia-demo FOLDER\n");
        return 2;
    }
    const QString folder = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    for (const char* sub : {"Admini", "Uslugi", "Szablony", "FONT"})
        QDir().mkpath(folder + QLatin1Char('/') + QLatin1String(sub));
    try {
        write(folder + QStringLiteral("/Admini/siec.dat"), initialLocation(folder).bytes());
        write(folder + QStringLiteral("/Admini/rachunek.dat"), demoSettings().bytes());
        write(folder + QStringLiteral("/Admini/firma.dat"), demoSeller().bytes());
        const QByteArray clientBytes = demoClients().bytes();
        write(folder + QStringLiteral("/Uslugi/klienci.dat"), clientBytes);
        write(folder + QStringLiteral("/Uslugi/klienci.kli"), clientBytes);
        const QByteArray serviceBytes = demoServices().bytes();
        write(folder + QStringLiteral("/Uslugi/uslugi.dat"), serviceBytes);
        write(folder + QStringLiteral("/Uslugi/uslugi.usl"), serviceBytes);
        write(folder + QStringLiteral("/FONT/font_trelmo_2007.dat"), demoPrintFont().bytes());
        write(folder + QStringLiteral("/Uslugi/dokumenty_r.dat"), demoDocuments());
    } catch (const IoError& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.message()));
        return 1;
    }
    std::printf("Demo data folder ready: %s\n", qPrintable(folder));
    return 0;
}
