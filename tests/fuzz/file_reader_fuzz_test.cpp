// Every reader of a data file run on files of random and mutated bytes:
// record files and streams, the bill list, the yearly summary, an
// overwrite's journal, templates, the print font, ewidencja.dat and client
// lists. A reader may refuse a file
// with IoError; anything else that escapes, or a sanitizer report, fails.

#include "tests/fuzz/fuzz_bytes.h"

#include "documents/client_names.h"
#include "documents/document_template.h"
#include "documents/yearly_summary.h"
#include "editing/selection_lines.h"
#include "handoff/sales_register_folder.h"
#include "print/print_font.h"
#include "store/document_file.h"
#include "store/document_journal.h"
#include "store/io_error.h"
#include "store/record_file.h"
#include "store/record_stream.h"
#include "tests/support/file_bytes.h"
#include "tests/support/temp_data_folder.h"

#include <QDir>
#include <gtest/gtest.h>

#include <cmath>

namespace kw::fuzz {
namespace {

DocumentRecord sampleBill(QRandomGenerator& random)
{
    DocumentRecord r;
    r.set(doc::IssueDate, QStringLiteral("2024-%1-03").arg(random.bounded(1, 13), 2, 10, QLatin1Char('0')));
    r.set(doc::DocNumber, QString::number(random.bounded(1000)));
    r.set(doc::BuyerLine1, QStringLiteral("Usługi Różne Sp. z o.o."));
    for (int line = 1; line <= doc::Lines; ++line) {
        r.set(lineCell(LineTable::Bill, 6, line), fuzzText(random, 12));
        r.set(lineCell(LineTable::Correction, 6, line), QStringLiteral("1e308"));
    }
    r.set(doc::DocKind, random.bounded(2) ? QStringLiteral("F") : QStringLiteral("K"));
    return r;
}

// Runs a reader; IoError is its way of refusing a file.
template <class F>
void refusesOrReads(F reader)
{
    try {
        reader();
    } catch (const IoError&) {}
}

class FileReaderFuzz : public ::testing::Test
{
protected:
    TempDataFolder folder;
};

TEST_F(FileReaderFuzz, DocumentFileReaders)
{
    QRandomGenerator random(11);
    const QString path = folder.paths().documentFile();
    const int rounds = 250;
    for (int round = 0; round < rounds; ++round) {
        QByteArray seed;
        for (int n = random.bounded(1, 4); n > 0; --n)
            seed += sampleBill(random).bytes();
        const QByteArray bytes =
            fuzzBytes(random, doc::Size * 3, seed,
                      {doc::IssueDate, doc::BuyerLine1, doc::DocKind, lineCell(LineTable::Bill, 6, 1)});
        writeFileBytes(path, bytes);
        const qint64 whole = bytes.size() / doc::Size;

        RecordFile file(systemFileOps(), path, doc::Size);
        ASSERT_EQ(file.count(), whole);
        for (qint64 position : {qint64(-1), qint64(0), qint64(1), whole, whole + 1}) {
            refusesOrReads([&] {
                ASSERT_EQ(file.read(position).size(), doc::Size);
                ASSERT_GE(position, 1);
            });
        }
        refusesOrReads([&] { DocumentFile(systemFileOps(), folder.paths()).read(1 + random.bounded(whole + 2)); });

        RecordStream stream(systemFileOps(), path, doc::Size, 1 + random.bounded(4));
        QByteArrayView record;
        qint64 streamed = 0;
        while (stream.next(record)) {
            ASSERT_EQ(record.size(), doc::Size);
            ASSERT_EQ(record, QByteArrayView(bytes).sliced(streamed * doc::Size, doc::Size));
            ++streamed;
        }
        ASSERT_EQ(streamed, whole);

        const SelectionLines lines = billLines(systemFileOps(), path);
        ASSERT_EQ(lines.texts.size(), whole);

        const QString year = random.bounded(2) ? QStringLiteral("2024") : fuzzText(random, 6);
        const QString client = random.bounded(2) ? anyClient() : fuzzText(random, 8);
        const YearlySummary summary = computeYearlySummary(systemFileOps(), path, year, client);
        for (int m = 0; m < 12; ++m) {
            ASSERT_GE(summary.barPositions[m], 0);
            ASSERT_LE(summary.barPositions[m], summary.barMaximum);
            ASSERT_FALSE(summary.totalLabels[m].isEmpty());
        }
    }
    countRounds("document file: record file, stream, bill list, yearly summary", rounds);
}

// A journal of random or mutated bytes, or a whole one naming any position,
// met by a read: the document file then holds its old documents, or the
// journal's record at a position it has.
TEST_F(FileReaderFuzz, OverwriteJournals)
{
    QRandomGenerator random(14);
    const DataPaths paths = folder.paths();
    const QByteArray documents = sampleBill(random).bytes() + sampleBill(random).bytes() + sampleBill(random).bytes();
    const int rounds = 200;
    for (int round = 0; round < rounds; ++round) {
        const JournalEntry entry{random.bounded(2) ? qint64(random.bounded(-2, 6)) : qint64(random.generate64()),
                                 sampleBill(random).bytes()};
        const QByteArray journal = random.bounded(4) == 0
            ? journalBytes(entry)
            : fuzzBytes(random, DocumentJournal::Size, journalBytes(entry), {});
        writeFileBytes(paths.documentFile(), documents);
        writeFileBytes(paths.documentJournalFile(), journal);
        QByteArray expected = documents;
        const std::optional<JournalEntry> parsed = parseJournal(journal);
        if (parsed && parsed->position <= 3)
            expected.replace((parsed->position - 1) * doc::Size, doc::Size, parsed->record);

        refusesOrReads([&] { DocumentFile(systemFileOps(), paths).read(1 + random.bounded(3)); });
        ASSERT_EQ(readFileBytes(paths.documentFile()), expected);
        ASSERT_FALSE(QFile::exists(paths.documentJournalFile()));
    }
    countRounds("overwrite journals", rounds);
}

TEST_F(FileReaderFuzz, SingleRecordFiles)
{
    QRandomGenerator random(12);
    QDir(folder.path()).mkpath(QStringLiteral("FONT"));
    QDir(folder.path()).mkpath(QStringLiteral("Szablony"));
    const QString templatePath = folder.path() + QStringLiteral("/Szablony/wzór.sza");
    const QString fontPath = folder.path() + QStringLiteral("/FONT/") + printFontFileName;
    PrintFontRecord font;
    font.set(printfont::Face, QStringLiteral("Liberation Sans"));
    font.setInt32At(printfont::PointSize, 11);
    SalesRegisterRecord salesRegister;
    salesRegister.set(salesregister::Folder, QStringLiteral("C:\\Program Files\\Ewidencja"));
    const int rounds = 1500;
    for (int round = 0; round < rounds; ++round) {
        writeFileBytes(templatePath,
                       fuzzBytes(random, doc::Size, sampleBill(random).bytes(),
                                 {doc::Place, doc::BuyerLine1, lineCell(LineTable::Bill, 1, 1)}));
        refusesOrReads([&] {
            DocumentForm form = applyTemplate(readTemplate(systemFileOps(), templatePath), DocumentForm());
            ASSERT_LE(form.head.place.size(), doc::Place.maxChars);
        });

        writeFileBytes(fontPath, fuzzBytes(random, printfont::Size, font.bytes(), {printfont::Face}));
        PrintFont printFont(systemFileOps());
        refusesOrReads([&] {
            printFont.CzytajFonty(printFontFileName, folder.path());
            const PrintLettering lettering = printFont.lettering();
            ASSERT_FALSE(lettering.face.isEmpty());
            ASSERT_GT(lettering.size, 0);
            ASSERT_TRUE(lettering.colour.isValid());
            printFont.dialogPreset(printFontFileName, folder.path());
        });

        writeFileBytes(folder.paths().salesRegisterFile(),
                       fuzzBytes(random, salesregister::Size, salesRegister.bytes(), {salesregister::Folder}));
        refusesOrReads([&] { ASSERT_LE(readSalesRegisterFolder(systemFileOps(), folder.paths()).size(), 250); });
    }
    countRounds("template, print font and ewidencja.dat files", rounds);
}

TEST_F(FileReaderFuzz, ClientListFiles)
{
    QRandomGenerator random(13);
    const QString path = folder.uslugi() + QStringLiteral("/stali.kli");
    ClientListRecord clients = emptyClientList();
    clients.set(clients::line(1, 1), QStringLiteral("Piekarnia „Pod Kłosem”"));
    const int rounds = 10;
    for (int round = 0; round < rounds; ++round) {
        writeFileBytes(
            path, fuzzBytes(random, clients::Size, clients.bytes(), {clients::line(1, 1), clients::slotNumber(1)}));
        refusesOrReads([&] { ASSERT_LE(readClientNames(systemFileOps(), path).size(), clients::Slots); });
    }
    countRounds("client list files", rounds);
}

} // namespace
} // namespace kw::fuzz
