// payment_folder FOLDER: turns the documents of a data folder that
// export_folder wrote into those of an office paid mostly by transfer: nine
// bills in ten by "Przelew" within 14 days or by a date, of which seven are
// marked paid in Uslugi/zaplaty.txt; for timing `unpaid` and `paid` on it.

#include "documents/payment_marks.h"
#include "documents/payment_marks_format.h"
#include "store/data_folder.h"
#include "store/records.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>
#include <stdexcept>

using namespace kw;

namespace {

QByteArray readWhole(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + path.toStdString());
    return file.readAll();
}

void writeWhole(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: payment_folder FOLDER\n");
        return 2;
    }
    const DataPaths paths(args[1]);
    try {
        QByteArray documents = readWhole(paths.documentFile());
        QList<MarkLine> marks;
        // Record 1 opens the file.
        for (qsizetype at = doc::Size, n = 1; at + doc::Size <= documents.size(); at += doc::Size, ++n) {
            DocumentRecord record = DocumentRecord::fromBytes(QByteArrayView(documents).sliced(at, doc::Size));
            if (n % 10 == 0)
                continue;
            record.set(doc::PaymentMethod, QStringLiteral("Przelew"));
            record.set(doc::PaymentTerm, n % 10 == 1 ? QStringLiteral("2009-12-31") : QStringLiteral("14 dni"));
            std::copy_n(record.bytes().constData(), doc::Size, documents.data() + at);
            if (n % 10 >= 3)
                marks.append({billKey(record), true, QDate(2009, 12, 31)});
        }
        writeWhole(paths.documentFile(), documents);
        writeWhole(paths.paymentMarksFile(), formatMarkLines(marks));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
