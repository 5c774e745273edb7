#include "tests/gui/bill_window_test.h"

#include "app/Tfont_f.h"
#include "app/settings/print_font_page.h"
#include "app/settings/settings_window.h"
#include "tests/support/recording_program.h"
#include "tests/support/small_disk.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>

using namespace kw;

namespace {

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

class PrintWindowTest : public BillWindowTest
{
protected:
    void SetUp() override
    {
        QDir(dir.path()).mkdir(QStringLiteral("FONT"));
        QDir(dir.path()).mkdir(QStringLiteral("wydruki"));
        dialogs.pdfFile = path("wydruki/rachunek.pdf");
        writeDocuments({document(QStringLiteral("7"), QStringLiteral("2009-05-07"), QStringLiteral("Firma ABC"),
                                 {{QStringLiteral("Strzyżenie"), 100.0}, {QStringLiteral("Golenie"), 50.0}})});
    }

    void writeCopyCount(const QString& copies, const QString& label = {})
    {
        SettingsRecord s;
        s.set(settings::CopyCount, copies);
        s.set(settings::CopyLabel, label);
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
    // pages of the PDF file, 0 when there is none.
    int print(bool chosen = true)
    {
        dialogs.printerAnswers.enqueue(chosen);
        ui().SpeedButton20->click();
        return pageCount(dialogs.pdfFile);
    }

    static int pageCount(const QString& pdf)
    {
        if (!QFile::exists(pdf))
            return 0;
        static const QRegularExpression pages(QStringLiteral(R"(Pages:\s+(\d+))"));
        return pages.match(poppler(QStringLiteral("pdfinfo"), {pdf})).captured(1).toInt();
    }

    bool popplerMissing() const { return QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(); }

    // The text on page `page` of the PDF file.
    QString pageText(int page) const
    {
        const QString number = QString::number(page);
        return poppler(
            QStringLiteral("pdftotext"),
            {QStringLiteral("-f"), number, QStringLiteral("-l"), number, dialogs.pdfFile, QStringLiteral("-")});
    }
};

// What ZBar reads on page `page` of `pdf` rendered at 300 dpi: one line per
// code found.
QString decodedPage(const QString& pdf, int page)
{
    const QString image = QFileInfo(pdf).dir().filePath(QStringLiteral("strona"));
    poppler(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QStringLiteral("300"), QStringLiteral("-png"), QStringLiteral("-singlefile"),
             QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"), QString::number(page), pdf, image});
    return poppler(QStringLiteral("zbarimg"),
                   {QStringLiteral("--raw"), QStringLiteral("-q"), image + QStringLiteral(".png")});
}

// A queue that turns every job away, and notes the jobs it was offered.
class RefusingQueue : public PrintQueue
{
public:
    QStringList jobNames;
    QList<int> copyCounts;

    QString refusal(const QPrinter& printer) override
    {
        jobNames.append(printer.docName());
        copyCounts.append(printer.copyCount());
        return QStringLiteral("Kolejka drukarki testowej nie przyjmuje zadań.");
    }
    QString jobRefusal(const QPrinter&) override { return {}; }
};

// A file holds every copy, one a page, where a printer gets a job a copy.
TEST_F(PrintWindowTest, PrintToFileHoldsEveryCopyAfterOnePrintDialog)
{
    if (popplerMissing())
        GTEST_SKIP() << "pdfinfo (poppler-utils) is not installed; the pages are not counted";
    const struct {
        const char* copies;
        int jobs;
    } cases[] = {{"2", 2}, {"1", 1}, {"0", 1}};
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

// Every copy carries the payment QR code of a bill paid by transfer, until
// the switch in "Ustawienia" is cleared; the next print then has none.
TEST_F(PrintWindowTest, EveryCopyCarriesThePaymentCodeUntilItIsSwitchedOff)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty() ||
        QStandardPaths::findExecutable(QStringLiteral("zbarimg")).isEmpty())
        GTEST_SKIP() << "pdftoppm (poppler-utils) or zbarimg (zbar-tools) is not installed";
    DocumentRecord bill = document(QStringLiteral("7"), QStringLiteral("2009-05-07"), QStringLiteral("Firma ABC"),
                                   {{QStringLiteral("Strzyżenie"), 100.0}, {QStringLiteral("Golenie"), 50.0}});
    bill.set(doc::PaymentMethod, QStringLiteral("Przelew"));
    writeDocuments({bill});
    CompanyRecord seller;
    seller.set(company::SellerLine1, QStringLiteral("Salon Grzywka"));
    seller.set(company::SellerTaxId, QStringLiteral("676-123-45-65"));
    seller.set(company::SellerAccount, QStringLiteral("61 1090 1014 0000 0712 1981 2874"));
    writeBytes("Admini/firma.dat", seller.bytes());
    writeCopyCount(QStringLiteral("2"));
    start();
    tick();

    ASSERT_EQ(print(), 2);
    const QString line =
        QStringLiteral("6761234565|PL|61109010140000071219812874|015000|Salon Grzywka|Rachunek 7/2009|||\n");
    EXPECT_EQ(decodedPage(dialogs.pdfFile, 1), line);
    EXPECT_EQ(decodedPage(dialogs.pdfFile, 2), line);

    window->findChild<QAction*>(QStringLiteral("ustawienia"))->trigger();
    SettingsWindow* settings = window->settingsWindow();
    ASSERT_NE(settings, nullptr);
    auto* codeSwitch = settings->findChild<QCheckBox*>(QStringLiteral("kodQr"));
    ASSERT_NE(codeSwitch, nullptr);
    EXPECT_TRUE(codeSwitch->isChecked());
    const QByteArray suiteFiles = bytes("Admini/firma.dat") + bytes("Admini/rachunek.dat");
    codeSwitch->click();
    EXPECT_EQ(bytes("Admini/kwitarnia.ini"), "kod_qr_przelewu=0\n");
    EXPECT_EQ(bytes("Admini/firma.dat") + bytes("Admini/rachunek.dat"), suiteFiles);
    EXPECT_EQ(settings->status()->text(), QStringLiteral("Kod QR przelewu nie będzie drukowany."));

    QFile::remove(dialogs.pdfFile);
    ASSERT_EQ(print(), 2);
    EXPECT_EQ(decodedPage(dialogs.pdfFile, 1), QString());
    EXPECT_EQ(decodedPage(dialogs.pdfFile, 2), QString());
    expectNoErrors();
}

// The print dialog shows the copies that will print, at least one; a number
// changed there prints, the first copy labelled as the settings say and the
// others as copies.
TEST_F(PrintWindowTest, ThePrintDialogShowsTheCopiesThatPrintAndHonoursAChange)
{
    if (popplerMissing())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed; the pages are not read";
    const struct {
        const char* stored;
        int shown;
        int changedTo;
        QStringList labels; // one a page
    } cases[] = {
        {"", 1, 0, {"oryginał"}},
        {"0", 1, 0, {"oryginał"}},
        {"2", 2, 0, {"oryginał", "oryginał"}},
        {"1", 1, 3, {"oryginał", "kopia", "kopia"}},
        {"3", 3, 1, {"oryginał"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("stored \"") + c.stored + "\", changed to " + std::to_string(c.changedTo));
        writeCopyCount(QString::fromLatin1(c.stored), QStringLiteral("oryginał"));
        QFile::remove(dialogs.pdfFile);
        dialogs.changeCopiesTo = c.changedTo;
        start();
        ASSERT_EQ(print(), c.labels.size());
        EXPECT_EQ(dialogs.shownCopies, c.shown);
        for (int page = 1; page <= c.labels.size(); ++page) {
            const QString text = pageText(page);
            const QString other =
                c.labels[page - 1] == QLatin1String("kopia") ? QStringLiteral("oryginał") : QStringLiteral("kopia");
            EXPECT_TRUE(text.contains(c.labels[page - 1])) << page << "\n" << text.toStdString();
            EXPECT_FALSE(text.contains(other)) << page;
        }
    }
    expectNoErrors();
}

// A queue that turns jobs away gets no job and no file is written in its
// place; the user is told the bill was not printed. The job carries the
// bill's name, and the queue is asked for one copy a job.
TEST_F(PrintWindowTest, AQueueThatRefusesTheJobIsReported)
{
    DocumentRecord k = document(QStringLiteral("42"), QStringLiteral("2009-06-01"), QStringLiteral("Firma ABC"),
                                {{QStringLiteral("Strzyżenie"), 30.0}}, QStringLiteral("K"));
    const struct {
        DocumentRecord stored;
        const char* jobName;
    } cases[] = {
        {document(QStringLiteral("7"), QStringLiteral("2009-05-07"), QStringLiteral("Firma ABC"),
                  {{QStringLiteral("Strzyżenie"), 100.0}}),
         "Rachunek 7/2009"},
        {k, "Rachunek korygujący 42/2009"},
    };
    for (const auto& c : cases) {
        writeDocuments({c.stored});
        writeCopyCount(QStringLiteral("2"));
        dialogs.errors.clear();
        dialogs.pdfFile.clear();
        RefusingQueue queue;
        Platform withQueue{dialogs, clock, files, processes, queue};
        window = std::make_unique<Tfaktura_f>(withQueue, dir.path());
        print();

        ASSERT_EQ(dialogs.errors.size(), 1) << c.jobName;
        EXPECT_EQ(dialogs.errors[0],
                  QStringLiteral("Rachunek nie został wydrukowany.\n"
                                 "Kolejka drukarki testowej nie przyjmuje zadań."));
        EXPECT_EQ(queue.jobNames, QStringList{QString::fromUtf8(c.jobName)});
        EXPECT_EQ(queue.copyCounts, QList<int>{1});
        EXPECT_EQ(QDir(dir.path()).entryList({QStringLiteral("*.pdf")}, QDir::Files), QStringList());
        window.reset();
    }
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

// The print-font page warns while the chosen font would cut the line table's
// text at its columns, and names them.
TEST_F(PrintWindowTest, TheFontPageWarnsWhileTheTableTextWouldBeCut)
{
    PrintFontPage page(dialogs, files, path("FONT/font_trelmo_2007.dat"));
    EXPECT_TRUE(page.tableWarning()->isHidden()) << "the default, Arial 10 pt, fits";

    dialogs.fonts.enqueue(QFont(QStringLiteral("DejaVu Serif"), 11));
    page.chooseFont();
    EXPECT_FALSE(page.tableWarning()->isHidden());
    EXPECT_EQ(page.tableWarning()->text(),
              QStringLiteral("Tekst tabeli w tej czcionce jest szerszy niż kolumny (PKWiU); część zostanie obcięta."));

    dialogs.fonts.enqueue(QFont(QStringLiteral("DejaVu Sans"), 10));
    page.chooseFont();
    EXPECT_TRUE(page.tableWarning()->isHidden());
    expectNoErrors();
}

TEST_F(PrintWindowTest, CancelledFontDialogWritesNothing)
{
    start();
    window->fontWindow().Button1->click();
    expectNoErrors();
    EXPECT_FALSE(QFile::exists(path("FONT/44.abc")));
    EXPECT_EQ(window->fontWindow().printFont().size(), 0);
}

TEST_F(PrintWindowTest, ThePrintDialogOffersTheBillsNameInTheDataFolder)
{
    writeCopyCount(QStringLiteral("1"));
    start();
    print(false);
    EXPECT_EQ(dialogs.offeredPdfFile, path("Rachunek 7-2009.pdf"));
}

// Print to file never replaces a data file, whatever the spelling, and a
// failed write is reported and leaves no file.
TEST_F(PrintWindowTest, PrintToFileRefusesDataFilesAndReportsFailedWrites)
{
    writeCopyCount(QStringLiteral("2"));
    QDir(dir.path()).mkdir(QStringLiteral("Szablony"));
    writePrintFont(QStringLiteral("Arial"), 10);
    ASSERT_TRUE(QFile::link(path("Uslugi/dokumenty_r.dat"), path("wydruki/skrót.pdf")));
    start();
    const QByteArray documents = bytes("Uslugi/dokumenty_r.dat");
    const QByteArray font = bytes("FONT/font_trelmo_2007.dat");
    const QStringList targets = {path("Uslugi/dokumenty_r.dat"), path("USLUGI/DOKUMENTY_R.DAT"),
                                 path("wydruki/skrót.pdf"),      path("FONT/font_trelmo_2007.dat"),
                                 path("Szablony/nowy.pdf"),      QStringLiteral("/dev/full")};
    for (const QString& target : targets) {
        dialogs.errors.clear();
        dialogs.pdfFile = target;
        print();
        ASSERT_EQ(dialogs.errors.size(), 1) << target.toStdString();
        EXPECT_TRUE(dialogs.errors[0].startsWith(QStringLiteral("Nie zapisano pliku ") + target))
            << dialogs.errors[0].toStdString();
    }
    EXPECT_EQ(bytes("Uslugi/dokumenty_r.dat"), documents);
    EXPECT_EQ(bytes("FONT/font_trelmo_2007.dat"), font);
    EXPECT_FALSE(QFile::exists(path("Szablony/nowy.pdf")));

    // A disk that fills up half-way through the write.
    dialogs.errors.clear();
    dialogs.pdfFile = path("wydruki/rachunek.pdf");
    files.failAt(FileCall::Write, 1, ENOSPC, true);
    print();
    files.reset();
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].startsWith(QStringLiteral("Nie można zapisać pliku ") + dialogs.pdfFile))
        << dialogs.errors[0].toStdString();
    EXPECT_EQ(QDir(path("wydruki")).entryList(QDir::Files), QStringList{QStringLiteral("skrót.pdf")});

    SmallDisk disk(64);
    if (disk.available()) {
        disk.fill(QStringLiteral(".zapełnienie"));
        dialogs.errors.clear();
        dialogs.pdfFile = disk.path() + QStringLiteral("/rachunek.pdf");
        print();
        EXPECT_EQ(dialogs.errors.size(), 1);
        EXPECT_EQ(QDir(disk.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral(".zapełnienie")});
    }
}

TEST_F(PrintWindowTest, PreviewShowsEveryCopyAsThePrintoutDraws)
{
    writeCopyCount(QStringLiteral("3"));
    start();
    window->show();
    auto* action = ui().SpeedButton20->findChild<QAction*>(QStringLiteral("printPreviewAction"));
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->text(), QStringLiteral("Podgląd wydruku…"));
    action->trigger();
    QPrintPreviewDialog* preview = nullptr;
    QTRY_VERIFY((preview = window->findChild<QPrintPreviewDialog*>(QStringLiteral("printPreview"))) != nullptr);
    auto* pages = preview->findChild<QPrintPreviewWidget*>();
    ASSERT_NE(pages, nullptr);
    QTRY_COMPARE(pages->pageCount(), 3);
    EXPECT_EQ(preview->windowTitle(), QStringLiteral("Podgląd wydruku"));
    // Its print dialog offers the same file as the one of "Drukuj".
    EXPECT_EQ(preview->printer()->outputFileName(), path("Rachunek 7-2009.pdf"));
    expectNoErrors();
    preview->close();

    // The shortcut opens it too.
    QTest::keyClick(window.get(), Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    QTRY_VERIFY(window->findChild<QPrintPreviewDialog*>(QStringLiteral("printPreview")) != nullptr);
}

// The extras hang on the right button only: a long press of "Drukuj" is
// still a click that prints, not a drop-down.
TEST_F(PrintWindowTest, DrukujKeepsItsClickAndOffersTheExtrasOnTheRightButton)
{
    writeCopyCount(QStringLiteral("1"));
    start();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    QToolButton* button = ui().SpeedButton20;
    QStringList popped;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            for (QAction* action : menu->actions())
                popped.append(action->text());
            menu->close();
        }
    });
    closer.start(20);

    QTest::mousePress(button, Qt::LeftButton, {}, button->rect().center());
    QTest::qWait(button->style()->styleHint(QStyle::SH_ToolButton_PopupDelay, nullptr, button) + 400);
    QTest::mouseRelease(button, Qt::LeftButton, {}, button->rect().center());
    EXPECT_EQ(popped, QStringList());
    EXPECT_EQ(dialogs.offeredPdfFile, path("Rachunek 7-2009.pdf")) << "the long press did not print";
    popped.clear();

    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, button->rect().center(),
                                button->mapToGlobal(button->rect().center()));
    QApplication::sendEvent(button, &menuEvent);
    QTRY_COMPARE(popped,
                 QStringList({QStringLiteral("Podgląd wydruku…"), QStringLiteral("Drukuj duplikat…"),
                              QStringLiteral("Wyślij e-mailem…")}));
}

TEST_F(PrintWindowTest, MailEntryStartsTheComposerWithTheBillAttached)
{
    QTemporaryDir bin;
    const QString log = bin.filePath(QStringLiteral("args.txt"));
    ASSERT_TRUE(writeRecordingProgram(bin.path(), QStringLiteral("xdg-email"), log));
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", bin.path().toUtf8() + ":/usr/bin:/bin");
    start();
    ui().SpeedButton20->findChild<QAction*>(QStringLiteral("mailAction"))->trigger();
    qputenv("PATH", oldPath);
    expectNoErrors();
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(log), 5000);
    const QStringList args =
        QString::fromUtf8(bytes(QDir(dir.path()).relativeFilePath(log))).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(args.size(), 4);
    EXPECT_EQ(
        args.mid(0, 3),
        QStringList({QStringLiteral("--subject"), QStringLiteral("Rachunek 7/2009"), QStringLiteral("--attach")}));
    EXPECT_TRUE(args[3].endsWith(QStringLiteral("/Rachunek 7-2009.pdf")));
    QDir(QFileInfo(args[3]).absolutePath()).removeRecursively();
}

} // namespace
