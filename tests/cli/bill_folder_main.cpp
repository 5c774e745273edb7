// cli_bill_folder FOLDER COUNT YYYY-MM: writes a data folder (Admini and
// Uslugi with settings, seller and document file) holding COUNT bills
// issued in the month YYYY-MM, for timing the command line on it.

#include "tests/cli/cli_data.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>
#include <stdexcept>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    bool countOk = false;
    const int count = args.value(2).toInt(&countOk);
    if (args.size() != 4 || !countOk || count < 0) {
        std::fprintf(stderr, "usage: cli_bill_folder FOLDER COUNT YYYY-MM\n");
        return 2;
    }
    const QString folder = args[1];
    const QString month = args[3];
    QList<kw::DocumentRecord> bills;
    bills.reserve(count);
    for (int n = 1; n <= count; ++n) {
        const QString day = QStringLiteral("%1-%2").arg(month).arg(n % 28 + 1, 2, 10, QLatin1Char('0'));
        bills.append(kw::cliBill(n, day, QStringLiteral("Klient nr %1").arg(n),
                                 QString::number(10 + n % 990) + QStringLiteral(".50")));
    }
    try {
        if (!QDir(folder).mkpath(QStringLiteral("Admini")) || !QDir(folder).mkpath(QStringLiteral("Uslugi")))
            throw std::runtime_error("cannot create the data folder");
        kw::writeCliDataFolder(folder, bills);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
