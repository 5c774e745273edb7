// An overwrite cut short leaves its journal beside the document file, and
// perhaps a torn record in place. Every reader and writer of the document
// file must finish a whole journal before it sees the record, and drop one
// whose writing never finished.

#include "documents/yearly_summary.h"
#include "editing/selection_lines.h"
#include "store/document_file.h"
#include "store/document_journal.h"
#include "tests/support/file_bytes.h"
#include "tests/support/numbered_documents.h"
#include "tests/support/temp_data_folder.h"

#include <QFile>
#include <gtest/gtest.h>

#include <functional>

namespace kw {
namespace {

// The document at `position` as the file holds it, read past the store.
DocumentRecord onDisk(const DataPaths& paths, int position)
{
    return DocumentRecord::fromBytes(readFileBytes(paths.documentFile()).mid((position - 1) * doc::Size, doc::Size));
}

TEST(LeftoverJournal, EveryReaderAndWriterFinishesAWholeOneAndDropsAnyOther)
{
    // What each operation shows of the document at position 2, the one the
    // journal is about.
    struct Operation {
        const char* name;
        std::function<QString(const DataPaths&)> secondDocument;
    };
    const Operation operations[] = {
        {"read", [](const DataPaths& p) { return billLine(DocumentFile(systemFileOps(), p).read(2)); }},
        {"read of another document",
         [](const DataPaths& p) {
             DocumentFile(systemFileOps(), p).read(3);
             return billLine(onDisk(p, 2));
         }},
        {"bill list", [](const DataPaths& p) { return billLines(systemFileOps(), p.documentFile()).texts[1]; }},
        {"yearly summary",
         [](const DataPaths& p) {
             const YearlySummary s =
                 computeYearlySummary(systemFileOps(), p.documentFile(), QStringLiteral("2024"), anyClient());
             // Documents 1 and 3 add 4 złoty to the document at position 2.
             return QString::number(s.totals[2].units() / Money::unitsPerZloty - 4);
         }},
        {"append",
         [](const DataPaths& p) {
             DocumentFile(systemFileOps(), p).append(numberedDocument(4));
             return billLine(onDisk(p, 2));
         }},
        {"overwrite of another document",
         [](const DataPaths& p) {
             DocumentFile(systemFileOps(), p).overwrite(3, numberedDocument(5), numberedDocument(3));
             return billLine(onDisk(p, 2));
         }},
        {"delete of another document",
         [](const DataPaths& p) {
             DocumentFile(systemFileOps(), p).remove(1, numberedDocument(1));
             return billLine(onDisk(p, 1));
         }},
    };
    const QByteArray journal = journalBytes({2, numberedDocument(9).bytes()});
    const QByteArray file = numberedDocument(1).bytes() + numberedDocument(2).bytes() + numberedDocument(3).bytes();
    // Killed half-way through the write in place.
    const QByteArray torn = numberedDocument(1).bytes() + numberedDocument(9).bytes().left(doc::Size / 2) +
        numberedDocument(2).bytes().mid(doc::Size / 2) + numberedDocument(3).bytes();
    const struct {
        const char* name;
        QByteArray documentFile;
        QByteArray journal;
        int second; // the document at position 2 afterwards
    } leftovers[] = {
        {"whole journal", file, journal, 9},
        {"whole journal, torn record", torn, journal, 9},
        {"journal cut short", file, journal.left(journal.size() / 2), 2},
        {"journal with a wrong sum", file, journal.chopped(1) + char(journal.back() ^ 1), 2},
    };
    for (const auto& leftover : leftovers) {
        for (const Operation& operation : operations) {
            SCOPED_TRACE(std::string(leftover.name) + ", " + operation.name);
            TempDataFolder folder;
            const DataPaths paths = folder.paths();
            writeFileBytes(paths.documentFile(), leftover.documentFile);
            writeFileBytes(paths.documentJournalFile(), leftover.journal);
            const QString shown = operation.secondDocument(paths);
            EXPECT_EQ(shown,
                      QString(operation.name) == QLatin1String("yearly summary")
                          ? QString::number(leftover.second)
                          : billLine(numberedDocument(leftover.second)));
            EXPECT_FALSE(QFile::exists(paths.documentJournalFile()));
        }
    }
}

} // namespace
} // namespace kw
