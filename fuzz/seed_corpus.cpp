// Writes the seed corpus of every fuzz target into the folder given: the
// records the tests store (bills, a corrective bill, settings, seller,
// location, a print font), put together the way each target reads its input,
// and the files the program writes and reads back whole (a bill's PDF, a
// backup archive, a CSV export) with spoilt and hostile variants of them.

#include "archive/backup_archive.h"
#include "exports/csv.h"
#include "fuzz/gui_application.h"
#include "print/pdf_document.h"
#include "store/document_head.h"
#include "store/records.h"
#include "tests/cli/cli_data.h"
#include "tests/support/zip_files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>

#include <cstdio>

using namespace kw;

namespace {

QString root;

void seed(const char* target, const char* name, const QByteArray& bytes)
{
    const QString folder = root + QLatin1Char('/') + QString::fromLatin1(target);
    QDir().mkpath(folder);
    QFile file(folder + QLatin1Char('/') + QString::fromLatin1(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write the seed %s/%s\n", target, name);
        std::exit(1);
    }
}

// A length byte and UTF-8 text, as FuzzInput::text reads it.
QByteArray text(const char* utf8)
{
    const QByteArray bytes(utf8);
    return char(bytes.size()) + bytes;
}

QByteArray word(int value) { return QByteArray(1, char(value & 0xFF)) + char(value >> 8); }

PrintFontRecord font(const QString& face, qint32 points)
{
    PrintFontRecord r;
    r.set(printfont::Face, face);
    r.setInt32At(printfont::PointSize, points);
    return r;
}

[[noreturn]] void failed(const char* what)
{
    std::fprintf(stderr, "cannot make the seed %s\n", what);
    std::exit(1);
}

QByteArray billPdf(const DocumentRecord& bill, const CompanyRecord& seller)
{
    BillPrintout printout;
    printout.head = readHead(bill);
    printout.document = bill;
    printout.seller = seller;
    printout.copyLabel = QStringLiteral("oryginał");
    PdfDocument pdf(billTitle(printout));
    pdf.addBill(printout);
    return pdf.finish();
}

// A PDF of one object, the document information `info`, with its
// cross-reference table and trailer, laid out as writers lay them out.
QByteArray pdfWithInfo(const QByteArray& info)
{
    const QByteArray object = "%PDF-1.4\n1 0 obj\n" + info + "\nendobj\n";
    return object + "xref\n0 2\n0000000000 65535 f \n0000000009 00000 n \ntrailer\n<< /Size 2 /Info 1 0 R >>\n" +
        "startxref\n" + QByteArray::number(object.size()) + "\n%%EOF\n";
}

// The backup of a data folder holding `documents`, settings, seller and a
// print font.
QByteArray backupOf(const QList<DocumentRecord>& documents)
{
    QTemporaryDir folder;
    if (!folder.isValid() || !QDir(folder.path()).mkpath(QStringLiteral("Admini")) ||
        !QDir(folder.path()).mkpath(QStringLiteral("Uslugi")))
        failed("backup");
    writeCliDataFolder(folder.path(), documents);
    writePrintFontFile(folder.path(), QStringLiteral("Tahoma"), 11);
    return makeBackupArchive(systemFileOps(), DataPaths(folder.path())).bytes;
}

QByteArray zipOf(const QList<ZipItem>& items)
{
    QTemporaryDir folder;
    if (!folder.isValid())
        failed("archive");
    const QString path = folder.filePath(QStringLiteral("kopia.zip"));
    writeZip(path, items);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        failed("archive");
    return file.readAll();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_seeds FOLDER\n");
        return 2;
    }
    root = QString::fromLocal8Bit(argv[1]);

    const DocumentRecord bill =
        cliBill(7, QStringLiteral("2009-03-05"), QStringLiteral("Jan Kowalski"), QStringLiteral("120.00"));
    const DocumentRecord corrective =
        cliCorrectiveBill(1, QStringLiteral("2009-03-20"), QStringLiteral("Żaneta Łęcka"), QStringLiteral("7/2009"),
                          QStringLiteral("120.00"), QStringLiteral("100.00"));
    const QByteArray documents =
        sentinelRecord(QStringLiteral("2009-03-01")).bytes() + bill.bytes() + corrective.bytes();

    seed("document_record", "bill", bill.bytes());
    seed("document_record", "corrective", corrective.bytes());

    SettingsRecord settings;
    settings.set(settings::Place, QStringLiteral("Łódź"));
    settings.set(settings::BillNumber, QStringLiteral("7"));
    settings.set(settings::BillSuffix, QStringLiteral("2009"));
    settings.set(settings::CopyLabel, QStringLiteral("oryginał / kopia"));
    settings.set(settings::CopyCount, QStringLiteral("2"));
    CompanyRecord seller;
    seller.set(company::SellerLine1, QStringLiteral("Usługi Różne"));
    seller.set(company::SellerTaxId, QStringLiteral("123-456-78-90"));
    LocationRecord location = initialLocation(QStringLiteral("/dane"));
    location.setByteAt(location::FolderMode, 1);
    seed("data_records", "settings", '\0' + settings.bytes());
    seed("data_records", "seller", '\1' + seller.bytes());
    seed("data_records", "location", '\2' + location.bytes());
    seed("data_records", "info", '\3' + InfoRecord().bytes());
    seed("data_records", "font", '\4' + font(QStringLiteral("Tahoma"), 11).bytes());
    seed("data_records", "sales_register", '\5' + SalesRegisterRecord().bytes());

    seed("list_records", "clients",
         text("Kow") + word(1) + '\1' + text("\x0cJan Kowalski") + word(1) + '\5' +
             text("\x03"
                  "123"));
    seed("list_records", "services",
         text("Napr") + word(2) + '\7' + text("\x08Naprawa ") + word(2) + '\13' +
             text("\x05"
                  "12.50"));

    seed("amount_reader", "comma", QByteArray("\x0c") + "  1234,5 zł");
    seed("amount_reader", "exponent", QByteArray("\x09") + "-1.5e3");
    seed("amount_reader", "half_grosz", QByteArray("\x09") + "149,985");
    // 121.00 zł in ten-thousandths, little-endian.
    seed("amount_words", "amount", QByteArray("\x90\x76\x12\x00\x00\x00\x00\x00", 8) + text("złotych"));

    seed("summary", "every_client", text("2009") + '\0' + documents);
    seed("summary", "one_client", text("2009") + '\1' + text("Łęcka") + documents);
    seed("selection_lines", "documents", text("Kowal") + documents);
    const QByteArray marksHeading = "Kwitarnia: zap\xc5\x82"
                                    "aty rachunk\xc3\xb3w, wersja 1\n";
    seed("payment_marks", "marks",
         marksHeading + "F\t7\t2009\t2009-03-05\t2009-03-20\nK\t1\tK/2009\t2009-03-20\tnie\n");
    seed("payment_marks", "escapes",
         marksHeading +
             "F\t7%09%25\t%0A\t\xc5\x81\xc3\xb3"
             "d\xc5\xba\t2009-03-20\n");
    seed("cli_format", "documents",
         text("Podliczenie dokumentów") + text("Jan") + word(600) + bill.bytes().left(600) + word(600) +
             corrective.bytes().left(600));

    seed("sales_register", "company", '\1' + text("2009-05-07") + text("123.45") + text("12") + text("2009"));
    seed("sales_register", "individual", '\0' + text("2009-05-07") + text("100") + text("7") + text("K/2009"));

    seed("printout", "bill",
         font(QStringLiteral("Arial"), 10).bytes() + bill.bytes() + seller.bytes() + settings.bytes() + word(600) +
             word(600));
    seed("printout", "corrective",
         font(QStringLiteral("Tahoma"), 12).bytes() + corrective.bytes() + seller.bytes() + settings.bytes() +
             word(300) + word(360));

    fuzz::ensureGuiApplication();
    const QByteArray pdf = billPdf(bill, seller);
    const QByteArray backup = backupOf({bill, corrective});
    const QByteArray csv =
        csvFileBytes({{QStringLiteral("Nr"), QStringLiteral("Nazwa"), QStringLiteral("Adres 1"), QStringLiteral("NIP")},
                      {QStringLiteral("1"), QStringLiteral("Jan Kowalski"), QStringLiteral("ul. Krótka 1; m. 2"),
                       QStringLiteral("123-456-78-90")}});
    seed("existing_output", "pdf", pdf);
    seed("existing_output", "pdf_without_trailer", pdf.left(pdf.lastIndexOf("trailer")));
    seed("existing_output", "pdf_half", pdf.left(pdf.size() / 2));
    seed("existing_output", "pdf_hex_creator",
         pdfWithInfo("<< /Creator <FEFF004B0077 0069007400610072006E00690061> /Producer (Qt) >>"));
    seed("existing_output", "pdf_escaped_creator", pdfWithInfo("<</Creator(\\113wit\\\r\narnia \\(1.0\\))>>"));
    seed("existing_output", "backup", backup);
    seed("existing_output", "backup_cut_short", backup.chopped(1));
    seed("existing_output", "csv", csv);
    seed("existing_output", "csv_head_cut_short", csv.left(10));

    seed("restore_entries", "backup", backup);
    seed("restore_entries", "outside", zipOf({{"Admini/firma.dat", seller.bytes()}, {"../x", "x"}}));
    seed("restore_entries", "link", zipOf({{"FONT/", {}, S_IFDIR | 0755}, {"FONT/font", "/etc", S_IFLNK | 0777}}));
    seed("restore_entries", "inside_a_file",
         zipOf({{"Uslugi/dokumenty_r.dat", documents}, {"Uslugi/dokumenty_r.dat/x", bill.bytes()}}));
    return 0;
}
