#include "tests/gui/bill_window_test.h"

#include <QProgressBar>

#include <array>

using namespace kw;

namespace {

class SummaryWindowTest : public BillWindowTest
{
protected:
    std::array<QLabel*, 12> totals() const
    {
        return {ui().Label29, ui().Label30, ui().Label31, ui().Label32, ui().Label33, ui().Label34,
                ui().Label35, ui().Label36, ui().Label37, ui().Label38, ui().Label39, ui().Label40};
    }
    std::array<QProgressBar*, 12> bars() const
    {
        return {ui().ProgressBar1, ui().ProgressBar2,  ui().ProgressBar3,  ui().ProgressBar4,
                ui().ProgressBar5, ui().ProgressBar6,  ui().ProgressBar7,  ui().ProgressBar8,
                ui().ProgressBar9, ui().ProgressBar10, ui().ProgressBar11, ui().ProgressBar12};
    }

    void compute(const QString& year, const QString& client = QStringLiteral("Dowolny"))
    {
        ui().lata->setEditText(year);
        ui().klienci->setEditText(client);
        tick();
        ui().SpeedButton19->click();
    }

    QStringList clientItems() const
    {
        QStringList items;
        for (int i = 0; i < ui().klienci->count(); ++i)
            items << ui().klienci->itemText(i);
        return items;
    }

    static DocumentRecord lowering100To80(const QString& issueDate)
    {
        DocumentRecord k = document(QStringLiteral("1"), issueDate, QStringLiteral("ABC"),
                                    {{QStringLiteral("Usługa"), 80.0}}, QStringLiteral("K"));
        setLines(k, LineTable::Bill, {{QStringLiteral("Usługa"), 100.0}});
        return k;
    }
};

TEST_F(SummaryWindowTest, OpeningDisablesTheCommandColumnAndResetsTheClientChoice)
{
    start();
    ui().klienci->addItem(QStringLiteral("Stary"));
    ui().Label60->setText(QStringLiteral("Stary"));
    ui().SpeedButton17->click();
    EXPECT_FALSE(ui().Panel1->isEnabled());
    EXPECT_TRUE(shown(ui().Panel5));
    EXPECT_EQ(ui().Panel5->geometry(), QRect(10, 8, 682, 625));
    EXPECT_EQ(clientItems(), QStringList{"Dowolny"});
    EXPECT_EQ(ui().klienci->currentText(), "Dowolny");
    EXPECT_EQ(ui().Label60->text(), "");

    ui().SpeedButton18->click();
    EXPECT_FALSE(shown(ui().Panel5));
    EXPECT_TRUE(ui().Panel1->isEnabled());
}

TEST_F(SummaryWindowTest, ClientListAddsItsNamesAtEveryPress)
{
    ClientListRecord list;
    list.set(clients::line(1, 1), QStringLiteral("Adam Nowak"));
    list.set(clients::line(1, 3), QStringLiteral("Łucja Kowalska"));
    writeBytes("Uslugi/stali.kli", list.bytes());
    start();
    ui().SpeedButton17->click();
    for (int press = 0; press < 2; ++press)
        dialogs.fileNames.enqueue(path("Uslugi/stali.kli"));
    ui().SpeedButton24->click();
    ui().SpeedButton24->click();
    expectNoErrors();
    EXPECT_EQ(clientItems(),
              (QStringList{"Dowolny", "Adam Nowak", QStringLiteral("Łucja Kowalska"), "Adam Nowak",
                           QStringLiteral("Łucja Kowalska")}));
    EXPECT_EQ(ui().klienci->currentText(), "Dowolny");
    EXPECT_EQ(dialogs.fileFilters[0], QStringLiteral("Lista klientów|klienci.dat *.kli @ ") + path("Uslugi"));

    ui().SpeedButton18->click();
    ui().SpeedButton17->click();
    EXPECT_EQ(clientItems(), QStringList{"Dowolny"});
}

TEST_F(SummaryWindowTest, WyliczFillsTheMonthsTheBasisAndTheBars)
{
    writeDocuments({
        document(QStringLiteral("1"), QStringLiteral("2009-03-10"), QStringLiteral("ABC"),
                 {{QStringLiteral("a"), 1000.0}, {QStringLiteral("b"), 0.5}}),
        document(QStringLiteral("2"), QStringLiteral("2009-05-02"), QStringLiteral("ABCD"),
                 {{QStringLiteral("a"), 2000.49}}),
        document(QStringLiteral("3"), QStringLiteral("2009-06-02"), QStringLiteral("abc"),
                 {{QStringLiteral("a"), 100.0}}),
        lowering100To80(QStringLiteral("2009-07-15")),
        document(QStringLiteral("4"), QStringLiteral("2010-03-01"), QStringLiteral("ABC"),
                 {{QStringLiteral("a"), 500.0}}),
    });
    start();
    const QByteArray working = window->workingRecord().bytes();
    ui().SpeedButton17->click();
    compute(QStringLiteral("2009"));
    expectNoErrors();

    const QString zero = QStringLiteral("        0.00 PLN");
    const std::array<QString, 12> labels = {zero,
                                            zero,
                                            QStringLiteral("     1000.50 PLN"),
                                            zero,
                                            QStringLiteral("     2000.49 PLN"),
                                            QStringLiteral("      100.00 PLN"),
                                            QStringLiteral("      -20.00 PLN"),
                                            zero,
                                            zero,
                                            zero,
                                            zero,
                                            zero};
    const std::array<int, 12> positions = {0, 0, 1000, 0, 2000, 100, 0, 0, 0, 0, 0, 0};
    for (int m = 0; m < 12; ++m) {
        EXPECT_EQ(totals()[m]->text(), labels[m]) << "month " << m + 1;
        EXPECT_EQ(bars()[m]->maximum(), 2000) << "month " << m + 1;
        EXPECT_EQ(bars()[m]->value(), positions[m]) << "month " << m + 1;
    }
    EXPECT_EQ(ui().Label54->text(), QStringLiteral("     2000.49 PLN = 100%"));
    EXPECT_EQ(ui().Label27->text(), QStringLiteral("Podliczenie dokumentów dla wszystkich klientów"));
    EXPECT_EQ(window->workingRecord().bytes(), working);

    // One client, matched as a substring: ABC and ABCD but not abc.
    compute(QStringLiteral("2009"), QStringLiteral("ABC"));
    EXPECT_EQ(ui().Label31->text(), QStringLiteral("     1000.50 PLN"));
    EXPECT_EQ(ui().Label33->text(), QStringLiteral("     2000.49 PLN"));
    EXPECT_EQ(ui().Label34->text(), zero);
    EXPECT_EQ(ui().Label35->text(), QStringLiteral("      -20.00 PLN"));
    EXPECT_EQ(ui().Label27->text(), QStringLiteral("Podliczenie dokumentów dla wybranego klienta"));
    EXPECT_EQ(ui().Label60->text(), "ABC");

    // A year no record matches empties every bar and keeps the titles.
    compute(QStringLiteral("2011"));
    for (int m = 0; m < 12; ++m) {
        EXPECT_EQ(totals()[m]->text(), zero) << "month " << m + 1;
        EXPECT_EQ(bars()[m]->value(), 0) << "month " << m + 1;
    }
    EXPECT_EQ(ui().Label54->text(), QStringLiteral("        0.00 PLN = 100%"));
    EXPECT_EQ(ui().Label27->text(), QStringLiteral("Podliczenie dokumentów dla wybranego klienta"));
    EXPECT_EQ(ui().Label60->text(), "ABC");
}

TEST_F(SummaryWindowTest, WyliczIsOfferedOnlyWithAYear)
{
    start();
    tick();
    EXPECT_FALSE(ui().SpeedButton19->isEnabled());
    ui().lata->setEditText(QStringLiteral("2009"));
    tick();
    EXPECT_TRUE(ui().SpeedButton19->isEnabled());
    ui().lata->setEditText(QString());
    tick();
    EXPECT_FALSE(ui().SpeedButton19->isEnabled());
}

TEST_F(SummaryWindowTest, UnreadableDocumentFileKeepsTheShownResults)
{
    writeDocuments({document(QStringLiteral("1"), QStringLiteral("2009-03-10"), QStringLiteral("ABC"),
                             {{QStringLiteral("a"), 10.0}})});
    start();
    ui().SpeedButton17->click();
    compute(QStringLiteral("2009"));
    ASSERT_EQ(ui().Label31->text(), QStringLiteral("       10.00 PLN"));
    files.failAt(FileCall::Read, 1, EIO);
    compute(QStringLiteral("2010"));
    EXPECT_EQ(dialogs.errors.size(), 1);
    EXPECT_EQ(ui().Label31->text(), QStringLiteral("       10.00 PLN"));
    EXPECT_EQ(ui().ProgressBar3->value(), 10);
}

} // namespace
