#include "tests/gui/bill_window_test.h"

#include <QProcess>
#include <QStandardPaths>

using namespace kw;

namespace {

// One amount followed from the grid to the stored bytes, the printout and
// the yearly summary: every place states the same grosze.
class AmountsWindowTest : public BillWindowTest
{
protected:
    void SetUp() override
    {
        QDir(dir.path()).mkdir(QStringLiteral("wydruki"));
        dialogs.pdfFile = path("wydruki/rachunek.pdf");
        SettingsRecord s;
        s.set(settings::CopyCount, QStringLiteral("1"));
        writeSettings(s);
        writeDocuments({});
    }

    // A new bill of one line, ticked and stored.
    void storeNewBill(const QString& quantity, const QString& price)
    {
        ui().SpeedButton6->click();
        setCell(1, 4, quantity);
        setCell(1, 5, price);
        tick();
        dialogs.answers.enqueue(true);
        ui().SpeedButton2->click();
        tick();
    }

    // The printed text of the bill on screen; empty without pdftotext.
    QString printedText()
    {
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty())
            return {};
        dialogs.printerAnswers.enqueue(true);
        ui().SpeedButton20->click();
        QProcess run;
        run.start(pdftotext, {dialogs.pdfFile, QStringLiteral("-")});
        run.waitForFinished(60000);
        return QString::fromUtf8(run.readAllStandardOutput());
    }

    // The March total of the yearly summary of 2009 (the clock's month).
    QString marchInTheSummary()
    {
        ui().SpeedButton17->click();
        ui().lata->setEditText(QStringLiteral("2009"));
        tick();
        ui().SpeedButton19->click();
        ui().SpeedButton18->click();
        return ui().Label31->text();
    }
};

TEST_F(AmountsWindowTest, HalfAGroszRoundsUpEverywhere)
{
    start();
    storeNewBill(QStringLiteral("1,5"), QStringLiteral("99,99"));
    expectNoErrors();

    // The record holds the figures as stored, length byte first.
    const QByteArray bytes = storedBytes(2);
    const auto field = [&](int column) {
        const StringField cell = lineCell(LineTable::Bill, column, 1);
        return bytes.mid(cell.offset, 1 + quint8(bytes[cell.offset]));
    };
    EXPECT_EQ(field(4), QByteArray("\x07   1.50"));
    EXPECT_EQ(field(5), QByteArray("\x08   99.99"));
    EXPECT_EQ(field(6), QByteArray("\x09   149.99"));

    EXPECT_EQ(cell(1, 6), "   149.99");
    EXPECT_EQ(ui().Label17->text(), "      149.99 PLN");
    EXPECT_EQ(ui().Label19->text(), QStringLiteral("sto czterdzieści dziewięć złotych"));
    EXPECT_EQ(ui().Label58->text(), QStringLiteral("dziewięćdziesiąt dziewięć groszy"));

    const QString printed = printedText();
    if (!printed.isEmpty()) {
        EXPECT_TRUE(printed.contains(QStringLiteral("149.99 PLN"))) << printed.toStdString();
        EXPECT_TRUE(printed.contains(QStringLiteral("dziewięćdziesiąt dziewięć groszy"))) << printed.toStdString();
        EXPECT_FALSE(printed.contains(QStringLiteral("149.98")));
    }

    EXPECT_EQ(marchInTheSummary(), "      149.99 PLN");
    expectNoErrors();
}

} // namespace
