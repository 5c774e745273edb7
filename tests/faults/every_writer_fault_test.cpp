// Every operation that writes a data file, with each of its writes, syncs,
// renames and truncations failing in turn (ENOSPC, EIO; writes also after
// putting half their bytes down). Each file must then hold exactly what it
// held before or what the operation would have made of it, no temporary file
// or journal may stay behind, and anything short of the complete result is
// reported.

#include "documents/document_template.h"
#include "documents/settings_fields.h"
#include "exports/slot_list_csv.h"
#include "handoff/sales_register_folder.h"
#include "print/print_font.h"
#include "store/document_file.h"
#include "store/edited_file.h"
#include "store/io_error.h"
#include "store/record_file.h"
#include "tests/support/failure_sweep.h"
#include "tests/support/file_bytes.h"
#include "tests/support/numbered_documents.h"
#include "tests/support/temp_data_folder.h"

#include <QDir>
#include <QMap>
#include <gtest/gtest.h>

#include <cerrno>
#include <functional>
#include <iostream>

namespace kw {
namespace {

SettingsRecord settingsNumbered(int number)
{
    SettingsRecord r;
    r.set(settings::Place, QStringLiteral("Łódź"));
    r.set(settings::BillNumber, QString::number(number));
    return r;
}

class EveryWriterFaultTest : public ::testing::Test
{
protected:
    using Files = QMap<QString, QByteArray>;

    struct Writer {
        const char* name;
        std::function<void()> operation;
        // Whether the document file has a torn tail to start with.
        bool tornTail = false;
        // Whether a failed write in place is finished from a journal at once.
        bool journaled = false;
    };

    QString templatePath() const { return folder.path() + QStringLiteral("/Szablony/stały klient.sza"); }

    // Five documents, settings, seller, client list, a template,
    // ewidencja.dat and the font file.
    void prepareFiles(bool tornTail)
    {
        QDir(folder.path()).mkpath(QStringLiteral("Szablony"));
        QDir(folder.path()).mkpath(QStringLiteral("FONT"));
        writeFileBytes(paths().documentFile(),
                       numberedDocuments({1, 2, 3, 4, 5}) + (tornTail ? QByteArray(1000, 'x') : QByteArray()));
        writeFileBytes(paths().settingsFile(), settingsNumbered(5).bytes());
        writeFileBytes(paths().sellerFile(), CompanyRecord().bytes());
        writeFileBytes(paths().clientFile(), emptyClientList().bytes());
        writeFileBytes(templatePath(), numberedDocument(40).bytes());
        SalesRegisterRecord register_;
        register_.set(salesregister::Folder, QStringLiteral("C:\\Ewidencja"));
        writeFileBytes(paths().salesRegisterFile(), register_.bytes());
        writeFileBytes(folder.path() + QStringLiteral("/FONT/") + printFontFileName, PrintFontRecord().bytes());
    }

    Files snapshot() const
    {
        Files files;
        for (const char* sub : {"Admini", "Uslugi", "Szablony", "FONT"}) {
            const QString dir = folder.path() + QLatin1Char('/') + sub;
            for (const QString& name : folderEntries(dir))
                files.insert(QLatin1String(sub) + QLatin1Char('/') + name,
                             readFileBytes(dir + QLatin1Char('/') + name));
        }
        return files;
    }

    DataPaths paths() const { return folder.paths(); }

    std::vector<Writer> writers()
    {
        DataPaths p = paths();
        return {
            {"append with number store",
             [this, p] {
                 DocumentFile(ops, p).append(numberedDocument(6));
                 RecordFile(ops, p.settingsFile(), settings::Size).replace(settingsNumbered(6).bytes());
             }},
            {"append onto a torn tail with number store",
             [this, p] {
                 DocumentFile(ops, p).append(numberedDocument(6));
                 RecordFile(ops, p.settingsFile(), settings::Size).replace(settingsNumbered(6).bytes());
             },
             true},
            {"overwrite", [this, p] { DocumentFile(ops, p).overwrite(2, numberedDocument(9), numberedDocument(2)); },
             false, true},
            {"delete", [this, p] { DocumentFile(ops, p).remove(4, numberedDocument(4)); }},
            {"template save", [this] { saveTemplate(ops, templatePath(), numberedDocument(41)); }},
            {"ewidencja.dat", [this, p] { writeSalesRegisterFolder(ops, p, QStringLiteral("D:\\Księgi")); }},
            {"seller from the settings window",
             [this, p] {
                 EditedFile seller(ops, p.sellerFile(), company::Size);
                 saveDataFile(seller, p, QByteArray(company::Size, 'S'));
             }},
            {"client list import",
             [this, p] {
                 EditedFile file(ops, p.clientFile(), clients::Size);
                 SlotList list(clientListLayout(), file.record());
                 applyImport(list, planImport(list, "Nr;Nazwa\r\n7;Żaneta Łęcka\r\n"), false);
                 saveDataFile(file, p, list.bytes());
             }},
            {"font file",
             [this] {
                 PrintFont(ops).write({QFont(QStringLiteral("Liberation Serif"), 12), Qt::darkBlue}, printFontFileName,
                                      folder.path());
             }},
        };
    }

    TempDataFolder folder;
    FailingFileOps ops;
};

TEST_F(EveryWriterFaultTest, EachFailureLeavesEveryFileWholeAndIsReported)
{
    int points = 0;
    int completedAnyway = 0;
    for (const Writer& writer : writers()) {
        SCOPED_TRACE(writer.name);
        const auto prepare = [&] { prepareFiles(writer.tornTail); };
        prepare();
        const Files before = snapshot();
        const auto failures =
            everyFailureOf(ops, prepare, writer.operation,
                           {FileCall::Write, FileCall::Sync, FileCall::Rename, FileCall::Truncate}, {ENOSPC, EIO});
        const Files after = snapshot();
        ASSERT_NE(after, before);
        ASSERT_EQ(after.keys(), before.keys()) << "a file was left behind or lost";
        ASSERT_GE(failures.size(), 4u);
        for (const InjectedFailure& failure : failures) {
            for (bool writeHalfFirst : {false, true}) {
                if (writeHalfFirst && failure.call != FileCall::Write)
                    continue;
                SCOPED_TRACE(describe(failure) + (writeHalfFirst ? ", half written" : ""));
                ++points;
                prepare();
                ops.failAt(failure.call, failure.n, failure.error, writeHalfFirst);
                bool reported = false;
                try {
                    writer.operation();
                } catch (const IoError& e) {
                    reported = true;
                    EXPECT_TRUE(e.message().contains(describeErrno(failure.error))) << e.what();
                }
                ASSERT_TRUE(ops.failed());
                ops.reset();
                const Files now = snapshot();
                ASSERT_EQ(now.keys(), before.keys()) << "a file was left behind or lost";
                for (const QString& name : now.keys()) {
                    // A failed append may have cut a torn tail away.
                    const QByteArray whole = before[name].left(before[name].size() / doc::Size * doc::Size);
                    const bool cutTail = name.endsWith(QLatin1String("dokumenty_r.dat")) && now[name] == whole;
                    EXPECT_TRUE(now[name] == before[name] || now[name] == after[name] || cutTail) << name.toStdString();
                }
                if (!reported) {
                    // Only a failure after the result was complete and in
                    // place (syncing the folder after the rename), or one
                    // the journal made good at once, may pass unreported.
                    EXPECT_EQ(now, after) << "an incomplete result went unreported";
                    EXPECT_TRUE(failure.call == FileCall::Sync || writer.journaled);
                    ++completedAnyway;
                }
            }
        }
    }
    std::cout << "[ faults   ] " << points << " injection points over " << writers().size() << " writing operations, "
              << completedAnyway << " of them after the result was in place or finished from the journal\n";
    RecordProperty("injection_points", points);
    EXPECT_GE(points, 80);
}

} // namespace
} // namespace kw
