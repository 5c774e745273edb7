#include "tests/gui/bill_window_test.h"

#include <QAction>
#include <QMenu>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

using namespace kw;

namespace {

// The output of a poppler tool; empty when the tool is missing.
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

// "Drukuj duplikat…" in the context menu of "Drukuj", over bill 7/2009 of
// Firma ABC (150.00) and the print dialog printing to a PDF file.
class DuplicateWindowTest : public BillWindowTest
{
protected:
    void SetUp() override
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() ||
            QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
            GTEST_SKIP() << "pdftotext or pdfinfo (poppler-utils) is not installed; the printout is not read";
        QDir(dir.path()).mkdir(QStringLiteral("wydruki"));
        dialogs.pdfFile = path("wydruki/duplikat.pdf");
        writeDocuments({document(QStringLiteral("7"), QStringLiteral("2009-05-07"), QStringLiteral("Firma ABC"),
                                 {{QStringLiteral("Strzyżenie"), 100.0}, {QStringLiteral("Golenie"), 50.0}})});
        SettingsRecord s;
        s.set(settings::CopyCount, QStringLiteral("2"));
        s.set(settings::CopyLabel, QStringLiteral("ORYGINAŁ"));
        writeSettings(s);
    }

    QAction* duplicateAction() const
    {
        return ui().SpeedButton20->findChild<QAction*>(QStringLiteral("duplicateAction"));
    }

    // Whether the entry is offered when the menu opens.
    bool offered() const
    {
        auto* menu = ui().SpeedButton20->findChild<QMenu*>(QStringLiteral("printMenu"));
        emit menu->aboutToShow();
        return duplicateAction()->isEnabled();
    }

    QString pages() const { return poppler(QStringLiteral("pdftotext"), {dialogs.pdfFile, QStringLiteral("-")}); }
    QString info() const { return poppler(QStringLiteral("pdfinfo"), {dialogs.pdfFile}); }
};

// Edits on screen that were not stored are not part of a duplicate: it
// prints the bill as stored, every copy marked with the day of the
// duplicate, and leaves the edits in the window and the files as they were.
TEST_F(DuplicateWindowTest, PrintsTheStoredBillOnEveryCopyWithTodaysDate)
{
    clock.date = QDate(2026, 2, 3);
    start();
    ASSERT_NE(duplicateAction(), nullptr);
    EXPECT_EQ(duplicateAction()->text(), QStringLiteral("Drukuj duplikat…"));
    ui().odbiorca1->setText(QStringLiteral("Nowy Nabywca"));
    setCell(1, 5, QStringLiteral("999"));
    tick();
    const QByteArray stored = documents();

    dialogs.printerAnswers.enqueue(true);
    duplicateAction()->trigger();
    expectNoErrors();
    EXPECT_EQ(dialogs.printDialogs, 1);
    EXPECT_EQ(dialogs.shownCopies, 2);
    EXPECT_EQ(dialogs.offeredPdfFile, path("Duplikat rachunku 7-2009.pdf"));

    const QString text = pages();
    EXPECT_EQ(text.count(QStringLiteral("DUPLIKAT")), 2) << text.toStdString();
    EXPECT_EQ(text.count(QStringLiteral("Data wystawienia duplikatu: 2026-02-03")), 2) << text.toStdString();
    EXPECT_EQ(text.count(QStringLiteral("Data wystawienia 2009-05-07")), 2);
    EXPECT_EQ(text.count(QStringLiteral("Firma ABC")), 2);
    EXPECT_EQ(text.count(QStringLiteral("150.00 PLN")), 4); // the total box and "Do zapłaty" of each copy
    EXPECT_FALSE(text.contains(QStringLiteral("Nowy Nabywca")));
    EXPECT_FALSE(text.contains(QStringLiteral("999")));
    EXPECT_TRUE(info().contains(QRegularExpression(QStringLiteral("Title: +Duplikat rachunku 7/2009\n"))))
        << info().toStdString();

    EXPECT_EQ(ui().odbiorca1->text(), QStringLiteral("Nowy Nabywca"));
    EXPECT_EQ(cell(1, 5), QStringLiteral("999"));
    EXPECT_EQ(documents(), stored);

    // "Drukuj" still prints the window's head, with no mark.
    dialogs.printerAnswers.enqueue(true);
    ui().SpeedButton20->click();
    const QString plain = pages();
    EXPECT_TRUE(plain.contains(QStringLiteral("Nowy Nabywca"))) << plain.toStdString();
    EXPECT_FALSE(plain.contains(QStringLiteral("DUPLIKAT")));
    EXPECT_FALSE(plain.contains(QStringLiteral("duplikatu")));
}

TEST_F(DuplicateWindowTest, IsOfferedOnlyForAStoredDocument)
{
    start();
    tick();
    EXPECT_TRUE(offered());

    ui().SpeedButton6->click(); // "Nowy rachunek"
    tick();
    EXPECT_FALSE(offered());
    dialogs.printerAnswers.enqueue(true);
    duplicateAction()->trigger();
    EXPECT_EQ(dialogs.printDialogs, 0);
    EXPECT_FALSE(QFile::exists(dialogs.pdfFile));
    expectNoErrors();
}

// Another program changed the bill after it was loaded: what the window
// holds is no longer what is stored, so no duplicate of either is printed.
TEST_F(DuplicateWindowTest, ABillChangedInTheFileSinceLoadingIsNotPrinted)
{
    start();
    writeDocuments({document(QStringLiteral("7"), QStringLiteral("2009-05-07"), QStringLiteral("Firma XYZ"),
                             {{QStringLiteral("Strzyżenie"), 100.0}})});
    dialogs.printerAnswers.enqueue(true);
    duplicateAction()->trigger();
    EXPECT_EQ(dialogs.printDialogs, 0);
    EXPECT_FALSE(QFile::exists(dialogs.pdfFile));
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].contains(QStringLiteral("w międzyczasie zmieniony")))
        << dialogs.errors[0].toStdString();
}

} // namespace
