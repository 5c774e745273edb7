// export_folder FOLDER COUNT: writes a data folder (Admini and Uslugi with
// settings, seller and document file) holding COUNT documents of 2009 as an
// office would have them: buyers with Polish letters, one to three service
// lines with PKWiU codes, a corrective bill now and then; for timing the
// command line's listings and exports on it.

#include "store/data_folder.h"
#include "store/records.h"
#include "tests/cli/cli_data.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <array>
#include <cstdio>
#include <stdexcept>

using namespace kw;

namespace {

const std::array<QString, 5> buyers = {QStringLiteral("Zakład Usługowy „Łączność”"), QStringLiteral("Jan Kowalski"),
                                       QStringLiteral("Żaneta Łęcka"), QStringLiteral("Firma ABC sp. z o.o."),
                                       QStringLiteral("Przedsiębiorstwo Źródło")};
const std::array<QString, 3> services = {QStringLiteral("Naprawa zegarka"), QStringLiteral("Wymiana baterii"),
                                         QStringLiteral("Czyszczenie mechanizmu")};

DocumentRecord document(int n)
{
    const QString issueDate =
        QStringLiteral("2009-%1-%2").arg(n % 12 + 1, 2, 10, QLatin1Char('0')).arg(n % 28 + 1, 2, 10, QLatin1Char('0'));
    const QString buyer = QStringLiteral("%1 %2").arg(buyers[n % buyers.size()]).arg(n % 700);
    const QString total = QString::number(10 + n % 990) + QStringLiteral(".50");
    DocumentRecord record = n % 20 == 0
        ? cliCorrectiveBill(n / 20, issueDate, buyer, QStringLiteral("%1/2009").arg(n - 1), total,
                            QStringLiteral("10.00"))
        : cliBill(n, issueDate, buyer, total);
    record.set(doc::BuyerTaxId, QStringLiteral("%1").arg(n % 1000000000, 10, 10, QLatin1Char('0')));
    const LineTable table = isCorrective(record) ? LineTable::Correction : LineTable::Bill;
    record.set(lineCell(table, 2, 1), QStringLiteral("95.25.11"));
    for (int line = 2; line <= 1 + n % 3; ++line) {
        record.set(lineCell(table, 1, line), services[line - 1]);
        record.set(lineCell(table, 2, line), QStringLiteral("33.12.1%1").arg(line));
        record.set(lineCell(table, 3, line), QStringLiteral("usł."));
        record.set(lineCell(table, 4, line), QStringLiteral("2.00"));
        record.set(lineCell(table, 5, line), QStringLiteral("15.25"));
        record.set(lineCell(table, 6, line), QStringLiteral("30.50"));
    }
    return record;
}

void appendDocuments(const QString& documentFile, int count)
{
    QFile file(documentFile);
    if (!file.open(QIODevice::Append))
        throw std::runtime_error("cannot open " + documentFile.toStdString());
    QByteArray chunk;
    for (int n = 1; n <= count; ++n) {
        chunk += document(n).bytes();
        if (chunk.size() >= (1 << 22) || n == count) {
            if (file.write(chunk) != chunk.size())
                throw std::runtime_error("cannot write " + documentFile.toStdString());
            chunk.clear();
        }
    }
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    bool countOk = false;
    const int count = args.value(2).toInt(&countOk);
    if (args.size() != 3 || !countOk || count < 0) {
        std::fprintf(stderr, "usage: export_folder FOLDER COUNT\n");
        return 2;
    }
    const QString folder = args[1];
    try {
        if (!QDir(folder).mkpath(QStringLiteral("Admini")) || !QDir(folder).mkpath(QStringLiteral("Uslugi")))
            throw std::runtime_error("cannot create the data folder");
        writeCliDataFolder(folder, {});
        appendDocuments(DataPaths(folder).documentFile(), count);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
