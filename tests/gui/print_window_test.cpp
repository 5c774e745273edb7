#include "bill_window_test.h"

#include "Tfont_f.h"

#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>

#include <sys/inotify.h>
#include <unistd.h>

using namespace kw;

namespace {

// Counts how often files in a folder were closed after being opened for
// writing. A PDF printer opens and closes its output file once per job.
// Opens are watched too: inotify merges identical events queued one after
// the other, so two closes in a row would count as one.
class ClosedForWriting {
public:
    explicit ClosedForWriting(const QString& folder) : fd_(inotify_init1(IN_NONBLOCK))
    {
        inotify_add_watch(fd_, QFile::encodeName(folder).constData(), IN_OPEN | IN_CLOSE_WRITE);
    }
    ~ClosedForWriting() { ::close(fd_); }
    ClosedForWriting(const ClosedForWriting&) = delete;
    ClosedForWriting& operator=(const ClosedForWriting&) = delete;

    int count(const QString& fileName) const
    {
        int closes = 0;
        alignas(inotify_event) char buffer[8192];
        ssize_t size;
        while ((size = ::read(fd_, buffer, sizeof buffer)) > 0) {
            for (char* p = buffer; p < buffer + size;) {
                const auto* event = reinterpret_cast<const inotify_event*>(p);
                if ((event->mask & IN_CLOSE_WRITE) && event->len > 0 && QFile::decodeName(event->name) == fileName)
                    ++closes;
                p += sizeof(inotify_event) + event->len;
            }
        }
        return closes;
    }

private:
    int fd_;
};

// The output of a poppler tool for `pdf`; empty when the tool is missing.
QString poppler(const QString& tool, const QStringList& arguments)
{
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        return {};
    QProcess run;
    run.start(program, arguments);
    run.waitForFinished(60000);
    return QString::fromUtf8(run.readAllStandardOutput());
}

class PrintWindowTest : public BillWindowTest {
protected:
    void SetUp() override
    {
        QDir(dir.path()).mkdir(QStringLiteral("FONT"));
        QDir(dir.path()).mkdir(QStringLiteral("wydruki"));
        dialogs.pdfFile = path("wydruki/rachunek.pdf");
        writeDocuments({document(QStringLiteral("7"), QStringLiteral("2009-05-07"), QStringLiteral("Firma ABC"),
                                 {{QStringLiteral("Strzyżenie"), 100.0}, {QStringLiteral("Golenie"), 50.0}})});
    }

    void writeCopyCount(const QString& copies)
    {
        SettingsRecord s;
        s.set(settings::CopyCount, copies);
        writeSettings(s);
    }

    void writePrintFont(const QString& face, int size)
    {
        PrintFontRecord r;
        r.set(printfont::Face, face);
        r.setInt32At(printfont::PointSize, size);
        writeBytes("FONT/font_trelmo_2007.dat", r.bytes());
    }

    // Prints with the print dialog answered `chosen`; returns the number of
    // print jobs written to the PDF file.
    int print(bool chosen = true)
    {
        ClosedForWriting closes(path("wydruki"));
        dialogs.printerAnswers.enqueue(chosen);
        ui().SpeedButton20->click();
        return closes.count(QStringLiteral("rachunek.pdf"));
    }

    bool popplerMissing() const { return QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(); }
};

TEST_F(PrintWindowTest, EachCopyIsAJobOfItsOwnAfterOnePrintDialog)
{
    const struct {
        const char* copies;
        int jobs;
    } cases[] = {{"2", 2}, {"1", 1}, {"0", 0}};
    for (const auto& c : cases) {
        writeCopyCount(QString::fromLatin1(c.copies));
        QFile::remove(dialogs.pdfFile);
        dialogs.printDialogs = 0;
        start();
        tick();
        EXPECT_EQ(print(), c.jobs) << c.copies << " copies";
        EXPECT_EQ(dialogs.printDialogs, 1) << c.copies << " copies";
        EXPECT_EQ(QFile::exists(dialogs.pdfFile), c.jobs > 0) << c.copies << " copies";
    }
    expectNoErrors();
}

TEST_F(PrintWindowTest, CancelledPrintDialogPrintsNothing)
{
    writeCopyCount(QStringLiteral("2"));
    start();
    EXPECT_EQ(print(false), 0);
    EXPECT_EQ(dialogs.printDialogs, 1);
    EXPECT_FALSE(QFile::exists(dialogs.pdfFile));
    expectNoErrors();
}

TEST_F(PrintWindowTest, UnwritableOutputIsReportedOnce)
{
    writeCopyCount(QStringLiteral("3"));
    dialogs.pdfFile = path("brak/rachunek.pdf");
    start();
    print();
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_FALSE(QFile::exists(dialogs.pdfFile));
}

TEST_F(PrintWindowTest, HeadComesFromTheWindowAndAmountsFromTheStoredLines)
{
    if (popplerMissing())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed; the printed text is not checked";
    writeCopyCount(QStringLiteral("1"));
    start();
    ui().odbiorca1->setText(QStringLiteral("Nowy Nabywca"));
    setCell(1, 5, QStringLiteral("999")); // not saved
    tick();
    ASSERT_EQ(print(), 1);
    expectNoErrors();

    const QString text = poppler(QStringLiteral("pdftotext"), {dialogs.pdfFile, QStringLiteral("-")});
    EXPECT_TRUE(text.contains(QStringLiteral("Nowy Nabywca"))) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("Firma ABC")));
    EXPECT_TRUE(text.contains(QStringLiteral("Rachunek nr 7/2009")));
    EXPECT_TRUE(text.contains(QStringLiteral("Do zapłaty :")));
    EXPECT_TRUE(text.contains(QStringLiteral("150.00 PLN")));
    EXPECT_TRUE(text.contains(QStringLiteral("sto pięćdziesiąt złotych")));
    EXPECT_FALSE(text.contains(QStringLiteral("999")));
}

TEST_F(PrintWindowTest, CorrectiveBillPrintsTheReferenceAndTheDifference)
{
    if (popplerMissing())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed; the printed text is not checked";
    DocumentRecord k = document(QStringLiteral("42"), QStringLiteral("2009-06-01"), QStringLiteral("Firma ABC"),
                                {{QStringLiteral("Strzyżenie"), 30.0}}, QStringLiteral("K"));
    k.set(doc::CorrectedRef, QStringLiteral("7/2009"));
    setLines(k, LineTable::Bill, {{QStringLiteral("Strzyżenie"), 50.0}});
    writeDocuments({k});
    writeCopyCount(QStringLiteral("1"));
    start();
    ASSERT_EQ(print(), 1);
    expectNoErrors();

    const QString text = poppler(QStringLiteral("pdftotext"), {dialogs.pdfFile, QStringLiteral("-")});
    for (const char* expected : {"Rachunek korygujący", "nr 42/2009", "Korekta dotyczy rachunku nr 7/2009",
                                 "-20.00 PLN", "minus dwadzieścia złotych"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << "\n" << text.toStdString();
}

TEST_F(PrintWindowTest, PrintFontFileUnderTheCurrentFolderIsRead)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdffonts")).isEmpty())
        GTEST_SKIP() << "pdffonts (poppler-utils) is not installed; the printed fonts are not checked";
    writeCopyCount(QStringLiteral("1"));
    start();
    ASSERT_EQ(print(), 1);
    EXPECT_FALSE(poppler(QStringLiteral("pdffonts"), {dialogs.pdfFile}).contains(QStringLiteral("LiberationSerif")));

    writePrintFont(QStringLiteral("Liberation Serif"), 11); // read again at every print
    ASSERT_EQ(print(), 1);
    expectNoErrors();
    const QString fonts = poppler(QStringLiteral("pdffonts"), {dialogs.pdfFile});
    EXPECT_TRUE(fonts.contains(QStringLiteral("LiberationSerif"))) << fonts.toStdString();
    EXPECT_EQ(window->fontWindow().printFont().face(), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(window->fontWindow().printFont().size(), 11);
}

TEST_F(PrintWindowTest, ShortPrintFontFileStopsThePrintBeforeAnyJob)
{
    writeCopyCount(QStringLiteral("2"));
    writeBytes("FONT/font_trelmo_2007.dat", QByteArray(40, '\0'));
    start();
    EXPECT_EQ(print(), 0);
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].contains(QStringLiteral("font_trelmo_2007.dat"))) << dialogs.errors[0].toStdString();
}

TEST_F(PrintWindowTest, DrukujIsOfferedOnlyForAStoredDocument)
{
    start();
    tick();
    EXPECT_TRUE(ui().SpeedButton20->isEnabled());
    ui().SpeedButton6->click();
    tick();
    EXPECT_FALSE(ui().SpeedButton20->isEnabled());
    print();
    EXPECT_EQ(dialogs.printDialogs, 0);
}

TEST_F(PrintWindowTest, FontButtonWritesTheChosenFontUnderTheCurrentFolder)
{
    start();
    dialogs.fonts.enqueue(QFont(QStringLiteral("DejaVu Sans"), 14));
    window->fontWindow().Button1->click();
    expectNoErrors();
    const PrintFontRecord r = PrintFontRecord::fromBytes(bytes("FONT/44.abc"));
    EXPECT_EQ(bytes("FONT/44.abc").size(), printfont::Size);
    EXPECT_EQ(r.get(printfont::Face), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(r.int32At(printfont::PointSize), 14);
    EXPECT_EQ(window->fontWindow().printFont().face(), QStringLiteral("DejaVu Sans"));
}

TEST_F(PrintWindowTest, CancelledFontDialogWritesNothing)
{
    start();
    window->fontWindow().Button1->click();
    expectNoErrors();
    EXPECT_FALSE(QFile::exists(path("FONT/44.abc")));
    EXPECT_EQ(window->fontWindow().printFont().size(), 0);
}

} // namespace
