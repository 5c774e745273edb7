#include "tests/gui/document_window_test.h"

#include <functional>

using namespace kw;

namespace {

class SelectionListTest : public DocumentWindowTest
{
protected:
    bool listShown() const { return ui().Panel3->isVisibleTo(window.get()); }

    QString writeClients()
    {
        ClientListRecord list = emptyClientList();
        for (int k : {1, 2, 5}) {
            for (int n = 1; n <= 4; ++n)
                list.set(clients::line(n, k), QStringLiteral("K%1 linia %2").arg(k).arg(n));
            list.set(clients::taxId(k), QStringLiteral("NIP%1").arg(k));
        }
        list.set(clients::taxId(3), QStringLiteral("bez nazwy")); // not in use: no first line
        writeBytes("Uslugi/stali.kli", list.bytes());
        return path("Uslugi/stali.kli");
    }

    QString writeServices()
    {
        ServiceListRecord list = emptyServiceList();
        const auto add = [&](int k, const char* name, const char* price, const char* extra) {
            list.set(services::name(k), QString::fromUtf8(name));
            list.set(services::pkwiu(k), QStringLiteral("96.02"));
            list.set(services::unit(k), QStringLiteral("szt"));
            list.set(services::price(k), QString::fromUtf8(price));
            list.set(services::extra(k), QString::fromUtf8(extra));
        };
        add(1, "Mycie szyb", "5", "ext1");
        add(3, "Strzyżenie", "25.50", "ext3");
        add(4, "Golenie mycie", "12", "ext4");
        writeBytes("Uslugi/cennik.usl", list.bytes());
        return path("Uslugi/cennik.usl");
    }
};

TEST_F(SelectionListTest, BillListStartsWithTheSentinelAndLoadsIt)
{
    writeDocuments({sentinel(), bill("2", "Kowalski")});
    start();
    ui().SpeedButton3->click();
    EXPECT_TRUE(listShown());
    EXPECT_FALSE(ui().Panel1->isEnabled());
    EXPECT_EQ(ui().Panel3->geometry(), QRect(4, 4, 678, 618));
    EXPECT_EQ(ui().Label20->text(), QStringLiteral("Lista rachunków"));
    EXPECT_EQ(listLines(),
              (QStringList{QStringLiteral("F 0/2009-01-02 Początek bloczka rachunkowego"),
                           QStringLiteral("F 2/2009 Kowalski")}));
    EXPECT_EQ(ui().lista->currentIndex().row(), 0);
    emit ui().lista->dblClicked();
    EXPECT_FALSE(listShown());
    EXPECT_TRUE(ui().Panel1->isEnabled());
    EXPECT_EQ(ui().numerator->text(), "0");
    EXPECT_EQ(ui().rozszerzenie->text(), "2009-01-02");
    EXPECT_EQ(window->documentState().currentRecord(), 1);
    EXPECT_EQ(window->workingRecord(), sentinel());
}

TEST_F(SelectionListTest, ChoosingACorrectiveBillShowsItsKind)
{
    DocumentRecord correction = bill("3", "Nowak", "K");
    correction.set(doc::CorrectedRef, QStringLiteral("2/2009"));
    writeDocuments({sentinel(), correction, bill("2", "Kowalski")});
    start();
    EXPECT_TRUE(ui().SpeedButton9->isEnabled());
    loadFromList(1);
    EXPECT_FALSE(ui().SpeedButton9->isEnabled());
    EXPECT_EQ(ui().Label23->text(), QStringLiteral("korygujący"));
    EXPECT_EQ(ui().Label22->text(), QStringLiteral("Edycja wczytanego rachunku korygującego"));
    EXPECT_EQ(ui().Label24->text(), "2/2009");
    EXPECT_EQ(ui().Label25->text(), "Tabelka korekty");
    EXPECT_EQ(cell(1, 1), QStringLiteral("Usługa 3"));
    EXPECT_TRUE(window->documentState().inCorrection());
}

// Going back from the bill list leaves the document in the window as the one
// a later store writes, whichever line was selected.
TEST_F(SelectionListTest, ReturnThenStoreWritesTheDocumentReallyShown)
{
    const QByteArray before = writeDocuments({sentinel(), bill("2", "Kowalski"), bill("3", "Nowak")});
    start();
    loadFromList(1);
    const DocumentRecord working = window->workingRecord();
    ui().SpeedButton3->click();
    selectLine(2);
    ui().SpeedButton10->click();
    EXPECT_FALSE(listShown());
    EXPECT_TRUE(ui().Panel1->isEnabled());
    EXPECT_EQ(window->workingRecord(), working);
    EXPECT_EQ(window->documentState().currentRecord(), 2);
    EXPECT_EQ(ui().odbiorca1->text(), "Kowalski");

    ui().odbiorca2->setText(QStringLiteral("Rynek 5"));
    store();
    EXPECT_EQ(dialogs.questions, QStringList{QStringLiteral("Zapisać zmiany w rachunku ?")});
    DocumentRecord expected = bill("2", "Kowalski");
    expected.set(doc::BuyerLine2, QStringLiteral("Rynek 5"));
    EXPECT_EQ(stored(2), expected);
    EXPECT_EQ(documents().left(doc::Size), before.left(doc::Size));
    EXPECT_EQ(documents().mid(2 * doc::Size), before.mid(2 * doc::Size));
}

TEST_F(SelectionListTest, ReturnKeepsANewBillNew)
{
    const QByteArray before = writeDocuments({sentinel(), bill("2", "Kowalski")});
    start();
    ui().SpeedButton6->click();
    ui().odbiorca1->setText(QStringLiteral("Nowy klient"));
    ui().SpeedButton3->click();
    selectLine(0);
    ui().SpeedButton10->click();
    EXPECT_TRUE(ui().SpeedButton6->isEnabled());
    window->Timer2Timer();
    EXPECT_FALSE(ui().SpeedButton8->isEnabled());
    store();
    EXPECT_EQ(dialogs.questions, QStringList{QStringLiteral("Zapisać nowy rachunek ?")});
    EXPECT_EQ(documents().left(before.size()), before);
    ASSERT_EQ(storedCount(), 3);
    EXPECT_EQ(stored(3).get(doc::BuyerLine1), QStringLiteral("Nowy klient"));
}

TEST_F(SelectionListTest, ClientsInSlotsOneTwoAndFive)
{
    const QString file = writeClients();
    const QByteArray listBytes = bytes("Uslugi/stali.kli");
    start();
    dialogs.fileNames.enqueue(file);
    emit ui().odbiorca3->doubleClicked();
    EXPECT_EQ(dialogs.fileFilters,
              QStringList{QStringLiteral("Lista klientów|klienci.dat *.kli @ ") + dir.path() + "/Uslugi"});
    EXPECT_EQ(ui().Label20->text(), QStringLiteral("Baza klientów ") + file);
    const QStringList lines = listLines();
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[2], "05 K5 linia 1 K5 linia 2 NIP5 K5 linia 4 K5 linia 3");
    selectLine(2);
    ui().SpeedButton11->click();
    EXPECT_FALSE(listShown());
    store();
    const DocumentRecord shown = stored(1);
    EXPECT_EQ(shown.get(doc::BuyerLine1), "K5 linia 1");
    EXPECT_EQ(shown.get(doc::BuyerLine3), "K5 linia 3");
    EXPECT_EQ(shown.get(doc::BuyerLine4), "K5 linia 4");
    EXPECT_EQ(shown.get(doc::BuyerTaxId), "NIP5");
    EXPECT_EQ(bytes("Uslugi/stali.kli"), listBytes);
}

TEST_F(SelectionListTest, WstawAlsoWritesTheExtraIntoColumnSix)
{
    struct Case {
        bool wstaw;
        const char* column6;
    };
    for (const Case& c : {Case{false, "typed"}, Case{true, "ext3"}}) {
        SCOPED_TRACE(c.wstaw ? "Wstaw" : "double-click");
        writeServices();
        start();
        setCell(2, 4, "7");
        setCell(2, 6, "typed");
        ui().tabela->setCurrentCell(2, 3);
        dialogs.fileNames.enqueue(path("Uslugi/cennik.usl"));
        emit ui().tabela->dblClicked();
        EXPECT_EQ(listLines(),
                  (QStringList{"01 Mycie szyb 96.02 5 ext1", QStringLiteral("03 Strzyżenie 96.02 25.50 ext3"),
                               "04 Golenie mycie 96.02 12 ext4"}));
        selectLine(1);
        if (c.wstaw)
            ui().SpeedButton11->click();
        else
            emit ui().lista->dblClicked();
        EXPECT_EQ(cell(2, 1), QStringLiteral("Strzyżenie"));
        EXPECT_EQ(cell(2, 2), "96.02");
        EXPECT_EQ(cell(2, 3), "szt");
        EXPECT_EQ(cell(2, 4), "7");
        EXPECT_EQ(cell(2, 5), "25.50");
        EXPECT_EQ(cell(2, 6), c.column6);
        EXPECT_EQ(cell(1, 1), "");
        store();
        // Storing computes the line total from the stored quantity and price.
        EXPECT_EQ(stored(1).get(lineCell(LineTable::Bill, 6, 2)), "   178.50");
        EXPECT_EQ(stored(1).get(lineCell(LineTable::Bill, 5, 2)), "   25.50");
    }
}

TEST_F(SelectionListTest, SearchIsCaseSensitiveAndSkipsTheFirstLine)
{
    struct Case {
        const char* fragment;
        int line;
        bool notice;
    };
    const Case cases[] = {
        {"mycie", 2, false}, {"Mycie", 0, true}, {"szyb", 0, true},
        {"Strzy", 1, false}, {"", 0, true},      {"MYCIE", 0, true},
    };
    start();
    dialogs.fileNames.enqueue(writeServices());
    ui().SpeedButton13->click();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fragment);
        dialogs.notices.clear();
        selectLine(1);
        ui().szukaj->setText(QString::fromUtf8(c.fragment));
        ui().SpeedButton12->click();
        EXPECT_EQ(ui().lista->currentIndex().row(), c.line);
        EXPECT_EQ(dialogs.notices,
                  c.notice ? QStringList{QStringLiteral("Brak danych spełniających zadane kryteria.")} : QStringList{});
    }
}

// A new user's lists are the ones "Ustawienia" writes: every list dialog
// offers them beside the suite's list files, preselected, so the dialog's
// first Return opens them.
TEST_F(SelectionListTest, ListDialogsOfferTheProgramsOwnListPreselected)
{
    const QString clients = QStringLiteral("Lista klientów|klienci.dat *.kli @ ") + path("Uslugi");
    const QString services = QStringLiteral("Lista usług|uslugi.dat *.usl @ ") + path("Uslugi");
    const struct {
        const char* command;
        std::function<void()> open;
        QString offer;
        QString preset;
    } cases[] = {
        {"buyer line", [this] { emit ui().odbiorca2->doubleClicked(); }, clients, "klienci.dat"},
        {"Baza klientów", [this] { ui().SpeedButton5->click(); }, clients, "klienci.dat"},
        {"grid", [this] { emit ui().tabela->dblClicked(); }, services, "uslugi.dat"},
        {"Usługi", [this] { ui().SpeedButton13->click(); }, services, "uslugi.dat"},
        {"Podliczenie",
         [this] {
             ui().SpeedButton17->click();
             ui().SpeedButton24->click();
             ui().SpeedButton18->click();
         },
         clients, "klienci.dat"},
    };
    start();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        dialogs.fileFilters.clear();
        dialogs.presetNames.clear();
        dialogs.fileNames.enqueue(QString());
        c.open();
        EXPECT_EQ(dialogs.fileFilters, QStringList{c.offer});
        EXPECT_EQ(dialogs.presetNames, QStringList{c.preset});
    }
}

TEST_F(SelectionListTest, CancelledDialogsLeaveTheListClosed)
{
    start();
    dialogs.fileNames << ""
                      << "";
    ui().SpeedButton5->click();
    emit ui().tabela->dblClicked();
    EXPECT_FALSE(listShown());
    EXPECT_TRUE(ui().Panel1->isEnabled());
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(SelectionListTest, AListThatFailsToLoadGivesTheCommandsBack)
{
    writeBytes("Uslugi/krotki.kli", QByteArray(1000, '\0'));
    start();
    dialogs.fileNames << path("Uslugi/krotki.kli") << path("Uslugi/brak.usl");
    ui().SpeedButton5->click();
    ui().SpeedButton13->click();
    EXPECT_FALSE(listShown());
    EXPECT_TRUE(ui().Panel1->isEnabled());
    ASSERT_EQ(dialogs.errors.size(), 2);
    EXPECT_TRUE(dialogs.errors[0].contains("krotki.kli")) << dialogs.errors[0].toStdString();
    EXPECT_TRUE(dialogs.errors[1].contains("brak.usl")) << dialogs.errors[1].toStdString();
}

TEST_F(SelectionListTest, InsertingFromAnEmptyListDoesNothing)
{
    start();
    const QByteArray before = documents();
    setCell(1, 6, "typed");
    dialogs.fileNames << path("Uslugi/uslugi.dat") << path("Uslugi/klienci.dat");
    ui().SpeedButton13->click();
    EXPECT_TRUE(listLines().isEmpty());
    ui().SpeedButton11->click();
    emit ui().lista->dblClicked();
    EXPECT_EQ(cell(1, 6), "typed");
    EXPECT_TRUE(listShown());
    ui().SpeedButton10->click();
    ui().SpeedButton5->click();
    ui().SpeedButton11->click();
    EXPECT_EQ(ui().odbiorca1->text(), QStringLiteral("Początek bloczka rachunkowego"));
    EXPECT_TRUE(dialogs.errors.isEmpty());
    EXPECT_EQ(documents(), before);
}

} // namespace
