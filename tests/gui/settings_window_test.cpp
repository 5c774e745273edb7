#include "app/Tfont_f.h"
#include "app/settings/fields_page.h"
#include "app/settings/print_font_page.h"
#include "app/settings/settings_window.h"
#include "app/settings/slot_list_page.h"
#include "app/settings/transfer_code_switch.h"
#include "exports/csv.h"
#include "tests/support/file_bytes.h"
#include "tests/support/window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include <cerrno>
#include <cstring>

using namespace kw;

namespace {

class SettingsWindowTest : public WindowTest
{
protected:
    SettingsWindow& openSettings()
    {
        if (!window)
            start();
        QAction* command = window->findChild<QAction*>(QStringLiteral("ustawienia"));
        EXPECT_NE(command, nullptr);
        command->trigger();
        EXPECT_NE(window->settingsWindow(), nullptr);
        return *window->settingsWindow();
    }

    void reopen()
    {
        window->settingsWindow()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ASSERT_EQ(window->settingsWindow(), nullptr);
        openSettings();
    }

    static void fill(FieldsPage* page, const QStringList& texts)
    {
        for (int i = 0; i < texts.size(); ++i)
            page->edit(i)->setText(texts[i]);
    }

    static QStringList texts(FieldsPage* page, int count)
    {
        QStringList out;
        for (int i = 0; i < count; ++i)
            out << page->edit(i)->text();
        return out;
    }

    // The settings window shown and active, so that its keys work.
    SettingsWindow& openShown()
    {
        SettingsWindow& settings = openSettings();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&settings));
        return settings;
    }

    // Esc as the user presses it; true when the window then closed.
    bool pressEscape(SettingsWindow& settings)
    {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &settings, Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return window->settingsWindow() == nullptr;
    }

    // A client list whose only client, "Jan", is in slot 1; returns its bytes.
    QByteArray writeClientListWithJanInSlot1()
    {
        QByteArray list = emptyClientList().bytes();
        std::memcpy(list.data() + clients::line(1, 1).offset,
                    "\x03"
                    "Jan",
                    4);
        writeBytes(QStringLiteral("Uslugi/klienci.dat"), list);
        return list;
    }

    static QPushButton* button(QWidget* page, const char* name)
    {
        return page->findChild<QPushButton*>(QString::fromLatin1(name));
    }
};

const QStringList seller = {QStringLiteral("Zakład Usług Różnych „Pszczółka”"),
                            QStringLiteral("ul. Źródlana 5"),
                            QStringLiteral("31-000 Kraków"),
                            QStringLiteral("123-456-32-18"),
                            QStringLiteral("Bank Śląski"),
                            QStringLiteral("61 1090 1014 0000 0712 1981 2874")};

TEST_F(SettingsWindowTest, OpensByCtrlCommaAndTheContextMenuWithItsFivePages)
{
    start();
    QAction* command = window->findChild<QAction*>(QStringLiteral("ustawienia"));
    ASSERT_NE(command, nullptr);
    EXPECT_EQ(command->shortcut(), QKeySequence(QStringLiteral("Ctrl+,")));
    EXPECT_TRUE(window->actions().contains(command));
    EXPECT_EQ(window->contextMenuPolicy(), Qt::ActionsContextMenu);

    SettingsWindow& settings = openSettings();
    EXPECT_EQ(settings.windowTitle(), QStringLiteral("Ustawienia"));
    EXPECT_TRUE(settings.isWindow());
    QStringList tabs;
    for (int i = 0; i < settings.pages()->count(); ++i)
        tabs << settings.pages()->tabText(i).remove(QLatin1Char('&'));
    EXPECT_EQ(tabs,
              (QStringList{QStringLiteral("Sprzedawca"), QStringLiteral("Numeracja i wydruk"),
                           QStringLiteral("Czcionka wydruku"), QStringLiteral("Klienci"), QStringLiteral("Usługi")}));
    // A second command shows the same window.
    command->trigger();
    EXPECT_EQ(window->settingsWindow(), &settings);
}

TEST_F(SettingsWindowTest, ASellerIsStoredByteForByteAndShownAtOnce)
{
    SettingsWindow& settings = openSettings();
    FieldsPage* page = settings.sellerPage();
    EXPECT_TRUE(page->edit(3)->toolTip().contains(QStringLiteral("Nip")));
    fill(page, seller);
    page->saveButton()->click();

    EXPECT_TRUE(dialogs.questions.isEmpty());
    EXPECT_TRUE(dialogs.errors.isEmpty());
    QByteArray expected(company::Size, '\0');
    const QByteArray cp1250[] = {"Zak\xB3"
                                 "ad Us\xB3"
                                 "ug R\xF3\xBF"
                                 "nych \x84"
                                 "Pszcz\xF3\xB3"
                                 "ka\x94",
                                 "ul. \x8F"
                                 "r\xF3"
                                 "dlana 5",
                                 "31-000 Krak\xF3w",
                                 "123-456-32-18",
                                 "Bank \x8Cl\xB9ski",
                                 "61 1090 1014 0000 0712 1981 2874"};
    for (int i = 0; i < 6; ++i) {
        expected[i * 51] = char(cp1250[i].size());
        std::memcpy(expected.data() + i * 51 + 1, cp1250[i].constData(), cp1250[i].size());
    }
    EXPECT_EQ(bytes("Admini/firma.dat"), expected);
    EXPECT_EQ(ui().Label55->text(), seller[0]);
    EXPECT_EQ(ui().Label56->text(), seller[1]);
    EXPECT_EQ(window->sellerLines()[2], seller[2]);

    reopen();
    EXPECT_EQ(texts(window->settingsWindow()->sellerPage(), 6), seller);
}

TEST_F(SettingsWindowTest, AnInvalidNipOrAccountIsShownAndStoredOnlyAfterAYes)
{
    FieldsPage* page = openSettings().sellerPage();
    QStringList invalid = seller;
    invalid[3] = QStringLiteral("123-456-32-19");
    fill(page, invalid);
    EXPECT_EQ(page->findChild<QLabel*>(QStringLiteral("sprawdzenie4"))->text(), QStringLiteral("nieprawidłowy NIP"));
    EXPECT_EQ(page->findChild<QLabel*>(QStringLiteral("sprawdzenie6"))->text(), QString());

    const QByteArray before = bytes("Admini/firma.dat");
    dialogs.answers.enqueue(false);
    page->saveButton()->click();
    EXPECT_EQ(dialogs.questions.last(), QStringLiteral("NIP nie ma prawidłowej sumy kontrolnej. Zapisać go mimo to ?"));
    EXPECT_EQ(bytes("Admini/firma.dat"), before);

    dialogs.answers.enqueue(true);
    page->saveButton()->click();
    EXPECT_EQ(readString(bytes("Admini/firma.dat"), company::SellerTaxId), QStringLiteral("123-456-32-19"));

    invalid[3] = seller[3];
    invalid[5] = QStringLiteral("61 1090 1014 0000 0712 1981 2875");
    fill(page, invalid);
    dialogs.answers.enqueue(false);
    page->saveButton()->click();
    EXPECT_TRUE(dialogs.questions.last().startsWith(QStringLiteral("Numer konta nie jest prawidłowym numerem NRB")));
    EXPECT_EQ(readString(bytes("Admini/firma.dat"), company::SellerAccount), seller[5]);
}

TEST_F(SettingsWindowTest, TooLongAFieldIsRefusedWithItsLimitAndNothingIsStored)
{
    FieldsPage* page = openSettings().sellerPage();
    const QByteArray before = bytes("Admini/firma.dat");
    page->edit(0)->setText(QString(51, QChar(0x0105)));
    page->saveButton()->click();
    EXPECT_EQ(
        dialogs.notices.last(),
        QStringLiteral("Pole „Sprzedawca, wiersz 1” mieści najwyżej 50 znaków, a wpisano 51. Niczego nie zapisano."));
    EXPECT_EQ(bytes("Admini/firma.dat"), before);
    EXPECT_EQ(ui().Label55->text(), QString());
}

TEST_F(SettingsWindowTest, NumberingKeepsTheBytesOfFieldsNotChangedAndTheWindowTakesTheCopyCount)
{
    QByteArray junk(settings::Size, '\x5A');
    for (const SettingsField& f : numberingFields())
        junk[f.field.offset] = '\x01';
    writeBytes(QStringLiteral("Admini/rachunek.dat"), junk + "tail");
    FieldsPage* page = openSettings().numberingPage();
    EXPECT_TRUE(page->edit(1)->toolTip().contains(QStringLiteral("+ 1")));

    page->edit(6)->setText(QStringLiteral("2"));
    page->edit(5)->setText(QStringLiteral("Oryginał"));
    page->saveButton()->click();

    QByteArray expected = junk + "tail";
    std::memcpy(expected.data() + settings::CopyCount.offset,
                "\x01"
                "2\0\0",
                4);
    QByteArray label(41, '\0');
    std::memcpy(label.data(),
                "\x08"
                "Orygina\xB3",
                9);
    expected.replace(settings::CopyLabel.offset, 41, label);
    EXPECT_EQ(bytes("Admini/rachunek.dat"), expected);
    EXPECT_EQ(window->copyCount(), 2);
    EXPECT_EQ(ui().Label13->text(), QStringLiteral("Oryginał"));
    EXPECT_EQ(ui().SpeedButton20->toolTip(), QStringLiteral(" Wydruk rachunku razy 2"));
}

TEST_F(SettingsWindowTest, StoringABillShowsItsNumberOnAnUntouchedNumberingPage)
{
    FieldsPage* page = openSettings().numberingPage();
    const auto storeNewBill = [this] {
        ui().SpeedButton6->click();
        ui().odbiorca1->setText(QStringLiteral("Jan"));
        dialogs.answers.enqueue(true);
        ui().SpeedButton2->click();
    };
    storeNewBill();
    EXPECT_EQ(page->edit(1)->text(), QStringLiteral("1"));
    page->edit(6)->setText(QStringLiteral("2"));
    page->saveButton()->click();
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(readString(bytes("Admini/rachunek.dat"), settings::CopyCount), QStringLiteral("2"));

    // Changes not yet stored stay on the page, and storing them is refused.
    page->edit(5)->setText(QStringLiteral("Kopia"));
    storeNewBill();
    EXPECT_EQ(page->edit(5)->text(), QStringLiteral("Kopia"));
    EXPECT_EQ(page->edit(1)->text(), QStringLiteral("1"));
    page->saveButton()->click();
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_EQ(readString(bytes("Admini/rachunek.dat"), settings::BillNumber), QStringLiteral("2"));
}

TEST_F(SettingsWindowTest, AFileChangedOnDiskSinceOpeningIsNotOverwritten)
{
    FieldsPage* page = openSettings().sellerPage();
    QByteArray other(company::Size, '\0');
    std::memcpy(other.data(),
                "\x05"
                "Inny!",
                6);
    writeBytes(QStringLiteral("Admini/firma.dat"), other);
    fill(page, seller);
    page->saveButton()->click();
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors.first().contains(QStringLiteral("został zmieniony od chwili jego otwarcia")));
    EXPECT_EQ(bytes("Admini/firma.dat"), other);
    EXPECT_EQ(ui().Label55->text(), QString());
}

TEST_F(SettingsWindowTest, AClientIsAddedEditedFoundAndDeletedInItsSlot)
{
    QByteArray list = emptyClientList().bytes();
    std::memset(list.data() + clients::ClientReserved, '\xA7', clients::Slots * clients::ReservedBytesPerSlot);
    writeBytes(QStringLiteral("Uslugi/klienci.dat"), list);
    SlotListPage* page = openSettings().clientsPage();
    const auto addClient = [&](const QStringList& values) {
        page->findChild<QPushButton*>(QStringLiteral("nowa"))->click();
        for (int i = 0; i < values.size(); ++i)
            page->edit(i)->setText(values[i]);
        page->findChild<QPushButton*>(QStringLiteral("zapisz"))->click();
    };
    addClient({QStringLiteral("Jan Kowalski"),
               QStringLiteral("ul. Polna 1"),
               QStringLiteral("Łódź"),
               {},
               QStringLiteral("1234563218")});
    addClient({QStringLiteral("Zofia Żak"), {}, {}, {}, {}});
    EXPECT_EQ(page->table()->rowCount(), 2);

    QByteArray expected = list;
    std::memcpy(expected.data() + clients::line(1, 1).offset,
                "\x0C"
                "Jan Kowalski",
                13);
    std::memcpy(expected.data() + clients::line(2, 1).offset,
                "\x0B"
                "ul. Polna 1",
                12);
    std::memcpy(expected.data() + clients::line(3, 1).offset,
                "\x04"
                "\xA3\xF3"
                "d\x9F",
                5);
    std::memcpy(expected.data() + clients::taxId(1).offset,
                "\x0A"
                "1234563218",
                11);
    std::memcpy(expected.data() + clients::line(1, 2).offset,
                "\x09"
                "Zofia \xAF"
                "ak",
                10);
    EXPECT_EQ(bytes("Uslugi/klienci.dat"), expected);

    page->search()->setText(QStringLiteral("żak"));
    ASSERT_EQ(page->table()->rowCount(), 1);
    EXPECT_EQ(page->table()->item(0, 0)->text(), "2");
    page->table()->setCurrentCell(0, 1);
    EXPECT_EQ(page->edit(0)->text(), QStringLiteral("Zofia Żak"));
    page->edit(1)->setText(QStringLiteral("ul. Długa 2"));
    page->findChild<QPushButton*>(QStringLiteral("zapisz"))->click();
    EXPECT_EQ(page->list().entry(2)[1], QStringLiteral("ul. Długa 2"));
    EXPECT_EQ(readString(bytes("Uslugi/klienci.dat"), clients::line(2, 2)), QStringLiteral("ul. Długa 2"));

    page->search()->clear();
    page->chooseSlot(1);
    dialogs.answers.enqueue(true);
    page->findChild<QPushButton*>(QStringLiteral("usun"))->click();
    EXPECT_EQ(dialogs.questions.last(), QStringLiteral("Usunąć klienta „Jan Kowalski” (pozycja 1) ?"));
    const QByteArray after = bytes("Uslugi/klienci.dat");
    EXPECT_EQ(readString(after, clients::line(1, 1)), QString());
    EXPECT_EQ(readString(after, clients::line(1, 2)), QStringLiteral("Zofia Żak"));
    EXPECT_EQ(after.mid(clients::ClientReserved), list.mid(clients::ClientReserved));
    EXPECT_EQ(after.left(clients::ClientLine1), list.left(clients::ClientLine1));
    ASSERT_EQ(page->table()->rowCount(), 1);
    EXPECT_EQ(page->table()->item(0, 0)->text(), "2");
}

TEST_F(SettingsWindowTest, EscWithChangesNotStoredAsksAndEachAnswerDoesWhatItSays)
{
    const QByteArray zeros(company::Size, '\0');
    QByteArray typed = zeros;
    std::memcpy(typed.data(),
                "\x0A"
                "Nowa firma",
                11);
    const struct {
        Answer answer;
        bool closes;
        QByteArray stored;
    } cases[] = {
        {Answer::Cancel, false, zeros},
        {Answer::No, true, zeros},
        {Answer::Yes, true, typed},
    };
    for (const auto& c : cases) {
        SettingsWindow& settings = openShown();
        QLineEdit* name = settings.sellerPage()->edit(0);
        name->setFocus();
        name->clear();
        QTest::keyClicks(name, QStringLiteral("Nowa firma"));
        dialogs.questions.clear();
        dialogs.threeWayAnswers.enqueue(c.answer);
        EXPECT_EQ(pressEscape(settings), c.closes) << int(c.answer);
        EXPECT_EQ(dialogs.questions, QStringList{QStringLiteral("Zapisać zmiany na stronie „Sprzedawca”?")});
        EXPECT_EQ(bytes("Admini/firma.dat"), c.stored) << int(c.answer);
        if (!c.closes) {
            EXPECT_EQ(name->text(), QStringLiteral("Nowa firma"));
        }
    }
    EXPECT_EQ(ui().Label55->text(), QStringLiteral("Nowa firma"));

    // Nothing changed: Esc closes at once.
    dialogs.questions.clear();
    EXPECT_TRUE(pressEscape(openShown()));
    EXPECT_TRUE(dialogs.questions.isEmpty());
}

// Ending the module asks about the settings typed but not stored before it
// asks whether to end; "Anuluj" keeps both windows.
TEST_F(SettingsWindowTest, EndingTheModuleAsksAboutSettingsNotStoredFirst)
{
    for (const Answer answer : {Answer::Cancel, Answer::No}) {
        SettingsWindow& settings = openSettings();
        settings.sellerPage()->edit(0)->setText(QStringLiteral("Nowa firma"));
        dialogs.questions.clear();
        dialogs.threeWayAnswers.enqueue(answer);
        dialogs.answers.enqueue(false);
        window->SpeedButton1Click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (answer == Answer::Cancel) {
            EXPECT_EQ(dialogs.questions, QStringList{QStringLiteral("Zapisać zmiany na stronie „Sprzedawca”?")});
            ASSERT_NE(window->settingsWindow(), nullptr);
            EXPECT_EQ(window->settingsWindow()->sellerPage()->edit(0)->text(), QStringLiteral("Nowa firma"));
            dialogs.answers.clear();
        } else {
            EXPECT_EQ(dialogs.questions,
                      (QStringList{QStringLiteral("Zapisać zmiany na stronie „Sprzedawca”?"),
                                   QStringLiteral("Koniec pracy ?")}));
            EXPECT_EQ(window->settingsWindow(), nullptr);
        }
    }
    EXPECT_EQ(bytes("Admini/firma.dat"), QByteArray(company::Size, '\0'));
}

TEST_F(SettingsWindowTest, LeavingAPageWithChangesNotStoredAsksFirst)
{
    SettingsWindow& settings = openSettings();
    settings.pages()->setCurrentWidget(settings.numberingPage());
    settings.numberingPage()->edit(0)->setText(QStringLiteral("Kraków"));
    const QByteArray before = bytes("Admini/rachunek.dat");

    dialogs.threeWayAnswers.enqueue(Answer::Cancel);
    settings.pages()->setCurrentWidget(settings.clientsPage());
    EXPECT_EQ(dialogs.questions.last(), QStringLiteral("Zapisać zmiany na stronie „Numeracja i wydruk”?"));
    EXPECT_EQ(settings.pages()->currentWidget(), settings.numberingPage());
    EXPECT_EQ(settings.numberingPage()->edit(0)->text(), QStringLiteral("Kraków"));

    dialogs.threeWayAnswers.enqueue(Answer::No);
    settings.pages()->setCurrentWidget(settings.clientsPage());
    EXPECT_EQ(settings.pages()->currentWidget(), settings.clientsPage());
    EXPECT_EQ(settings.numberingPage()->edit(0)->text(), QString());
    EXPECT_EQ(bytes("Admini/rachunek.dat"), before);
    EXPECT_EQ(dialogs.questions.size(), 2);
}

TEST_F(SettingsWindowTest, EverySaveIsToldInTheStatusLineUntilTheNextChange)
{
    SettingsWindow& settings = openShown();
    fill(settings.sellerPage(), seller);
    settings.sellerPage()->saveButton()->click();
    EXPECT_EQ(settings.status()->text(), QStringLiteral("Zapisano dane sprzedawcy."));
    EXPECT_TRUE(dialogs.notices.isEmpty());
    QTest::keyClick(settings.sellerPage()->edit(0), Qt::Key_Backspace);
    EXPECT_EQ(settings.status()->text(), QString());

    settings.numberingPage()->edit(6)->setText(QStringLiteral("2"));
    settings.numberingPage()->saveButton()->click();
    EXPECT_EQ(settings.status()->text(), QStringLiteral("Zapisano numerację i ustawienia wydruku."));
}

TEST_F(SettingsWindowTest, ACopyCountThatIsNoWholeNumberFrom1To99IsRefusedAndNothingStored)
{
    FieldsPage* page = openSettings().numberingPage();
    EXPECT_TRUE(page->edit(6)->toolTip().contains(QStringLiteral("od 1 do 99")));
    page->edit(0)->setText(QStringLiteral("Kraków"));
    const QByteArray before = bytes("Admini/rachunek.dat");
    for (const char* count : {"dwa", "0", "", "2,5"}) {
        page->edit(6)->setText(QString::fromUtf8(count));
        EXPECT_FALSE(page->saveFields()) << count;
        EXPECT_TRUE(dialogs.notices.last().startsWith(
            QStringLiteral("Pole „Liczba egzemplarzy” przyjmuje tylko liczbę całkowitą od 1 do 99")))
            << dialogs.notices.last().toStdString();
        EXPECT_TRUE(dialogs.notices.last().endsWith(QStringLiteral(" Niczego nie zapisano.")));
        EXPECT_EQ(bytes("Admini/rachunek.dat"), before) << count;
    }
    EXPECT_EQ(dialogs.notices.first(),
              QStringLiteral("Pole „Liczba egzemplarzy” przyjmuje tylko liczbę całkowitą "
                             "od 1 do 99, a wpisano „dwa”. Niczego nie zapisano."));
    EXPECT_EQ(window->copyCount(), 0);

    page->edit(6)->setText(QStringLiteral("99"));
    EXPECT_TRUE(page->saveFields());
    EXPECT_EQ(window->copyCount(), 99);
}

TEST_F(SettingsWindowTest, ASuffixStartingWithASlashIsQuestionedBeforeItIsStored)
{
    FieldsPage* page = openSettings().numberingPage();
    EXPECT_EQ(page->edit(2)->toolTip(),
              QStringLiteral("Tekst pisany po numerze rachunku i ukośniku, np. 2026 "
                             "(numer 1/2026)."));
    page->edit(6)->setText(QStringLiteral("1"));
    page->edit(2)->setText(QStringLiteral("/2026"));
    EXPECT_EQ(page->findChild<QLabel*>(QStringLiteral("sprawdzenie3"))->text(), QStringLiteral("zaczyna się od „/”"));
    const QByteArray before = bytes("Admini/rachunek.dat");

    dialogs.answers.enqueue(false);
    EXPECT_FALSE(page->saveFields());
    EXPECT_EQ(dialogs.questions.last(),
              QStringLiteral("Rozszerzenie numeru rachunku zaczyna się od „/”, a numer jest drukowany jako "
                             "numer/rozszerzenie (np. 1//2026). Zapisać je mimo to?"));
    EXPECT_EQ(bytes("Admini/rachunek.dat"), before);

    page->edit(2)->setText(QStringLiteral("2026"));
    page->edit(4)->setText(QStringLiteral("/K"));
    dialogs.answers.enqueue(true);
    EXPECT_TRUE(page->saveFields());
    EXPECT_TRUE(dialogs.questions.last().startsWith(QStringLiteral("Rozszerzenie numeru korekty zaczyna się od „/”")));
    EXPECT_EQ(readString(bytes("Admini/rachunek.dat"), settings::BillSuffix), QStringLiteral("2026"));
    EXPECT_EQ(readString(bytes("Admini/rachunek.dat"), settings::CorrectionSuffix), QStringLiteral("/K"));
    EXPECT_EQ(dialogs.questions.size(), 2);
}

TEST_F(SettingsWindowTest, AClientTypedWithNoSlotChosenIsStoredInTheFirstFreeSlot)
{
    const QByteArray list = writeClientListWithJanInSlot1();
    SettingsWindow& settings = openSettings();
    SlotListPage* page = settings.clientsPage();
    EXPECT_EQ(page->currentSlot(), 0);
    page->edit(0)->setText(QStringLiteral("Zofia Żak"));
    page->edit(4)->setText(QStringLiteral("5260250274"));
    button(page, "zapisz")->click();

    EXPECT_TRUE(dialogs.notices.isEmpty()) << dialogs.notices.join('\n').toStdString();
    QByteArray expected = list;
    std::memcpy(expected.data() + clients::line(1, 2).offset,
                "\x09"
                "Zofia \xAF"
                "ak",
                10);
    std::memcpy(expected.data() + clients::taxId(2).offset,
                "\x0A"
                "5260250274",
                11);
    EXPECT_EQ(bytes("Uslugi/klienci.dat"), expected);
    EXPECT_EQ(page->currentSlot(), 2);
    EXPECT_EQ(page->table()->rowCount(), 2);
    EXPECT_EQ(settings.status()->text(), QStringLiteral("Zapisano klienta „Zofia Żak” (pozycja 2)."));
}

TEST_F(SettingsWindowTest, TypedTextIsAskedAboutBeforeANewEntryOrAnotherSlotReplacesIt)
{
    const QByteArray list = writeClientListWithJanInSlot1();
    SlotListPage* page = openSettings().clientsPage();
    page->edit(0)->setText(QStringLiteral("Ewa"));

    dialogs.threeWayAnswers.enqueue(Answer::Cancel);
    button(page, "nowa")->click();
    EXPECT_EQ(dialogs.questions.last(), QStringLiteral("Zapisać nową pozycję „Ewa”?"));
    EXPECT_EQ(page->edit(0)->text(), QStringLiteral("Ewa"));

    dialogs.threeWayAnswers.enqueue(Answer::No);
    button(page, "nowa")->click();
    EXPECT_EQ(page->edit(0)->text(), QString());
    EXPECT_EQ(page->currentSlot(), 2);
    EXPECT_EQ(bytes("Uslugi/klienci.dat"), list);

    // Another slot chosen in the table: the typed client is stored first.
    page->edit(0)->setText(QStringLiteral("Ewa"));
    dialogs.threeWayAnswers.enqueue(Answer::Yes);
    page->table()->setCurrentCell(0, 1);
    EXPECT_EQ(readString(bytes("Uslugi/klienci.dat"), clients::line(1, 2)), QStringLiteral("Ewa"));
    EXPECT_EQ(page->currentSlot(), 1);
    EXPECT_EQ(page->edit(0)->text(), QStringLiteral("Jan"));

    page->edit(0)->setText(QStringLiteral("Jan Nowak"));
    dialogs.threeWayAnswers.enqueue(Answer::Cancel);
    page->table()->setCurrentCell(1, 1);
    EXPECT_EQ(dialogs.questions.last(), QStringLiteral("Zapisać zmiany w pozycji 1 („Jan”)?"));
    EXPECT_EQ(page->currentSlot(), 1);
    EXPECT_EQ(page->table()->currentRow(), 0);
    EXPECT_EQ(page->edit(0)->text(), QStringLiteral("Jan Nowak"));
    EXPECT_EQ(dialogs.questions.size(), 4);
}

TEST_F(SettingsWindowTest, AThousandClientsAreImportedFromCsvAndExportedBackTheSame)
{
    QList<CsvRow> rows{{"Nr", "Nazwa", "Adres 1", "Adres 2", "Adres 3", "NIP"}};
    for (int k = 1; k <= 1000; ++k)
        rows.append({QString::number(k + 10),
                     QStringLiteral("Klient %1 Żółć ąęśćńź; \"Łąka\"").arg(k),
                     QStringLiteral("ul. Śliwkowa %1").arg(k),
                     QStringLiteral("00-%1 Gdańsk").arg(k),
                     {},
                     QStringLiteral("1234563218")});
    const QByteArray csv = csvFileBytes(rows);
    writeBytes(QStringLiteral("klienci.csv"), csv);

    SlotListPage* page = openSettings().clientsPage();
    dialogs.fileNames.enqueue(path(QStringLiteral("klienci.csv")));
    EXPECT_TRUE(page->importCsv());
    EXPECT_EQ(dialogs.notices.last(), QStringLiteral("Wczytano wierszy: 1000."));
    EXPECT_EQ(page->table()->rowCount(), 1000);
    EXPECT_EQ(readString(bytes("Uslugi/klienci.dat"), clients::line(1, 1010)),
              QStringLiteral("Klient 1000 Żółć ąęśćńź; \"Łąka\""));

    dialogs.fileNames.enqueue(path(QStringLiteral("z_powrotem")));
    EXPECT_TRUE(page->exportCsv());
    EXPECT_EQ(bytes("z_powrotem.csv"), csv);

    // A second import would change slots in use: only a yes lets it.
    rows[1][1] = QStringLiteral("Zmieniony");
    writeBytes(QStringLiteral("klienci.csv"), csvFileBytes(rows));
    dialogs.fileNames.enqueue(path(QStringLiteral("klienci.csv")));
    dialogs.answers.enqueue(false);
    EXPECT_TRUE(page->importCsv());
    EXPECT_EQ(dialogs.questions.last(), QStringLiteral("Plik zmienia zajęte pozycje (1: nr 11). Nadpisać je ?"));
    EXPECT_EQ(dialogs.notices.last(),
              QStringLiteral("Wczytano wierszy: 999.\nOdrzucono wierszy: 1:\npozycja 11: zajęta, nie nadpisano"));
    EXPECT_EQ(page->list().entry(11).first(), QStringLiteral("Klient 1 Żółć ąęśćńź; \"Łąka\""));
}

TEST_F(SettingsWindowTest, AnImportThatTakesNoRowSaysSoAndChangesNothing)
{
    writeBytes(QStringLiteral("klienci.csv"), ";\"niedomknięty;;;;\r\n;Drugi;;;;\r\n");
    SlotListPage* page = openSettings().clientsPage();
    const QByteArray before = bytes("Uslugi/klienci.dat");
    dialogs.fileNames.enqueue(path(QStringLiteral("klienci.csv")));
    EXPECT_TRUE(page->importCsv());
    EXPECT_EQ(dialogs.notices.last(),
              QStringLiteral("Nie wczytano żadnego wiersza.\nOdrzucono wierszy: 1:\nwiersz 1: cudzysłów otwarty w "
                             "kolumnie 2 nie jest zamknięty do końca pliku; tego wiersza ani dalszej części pliku nie "
                             "wczytano"));
    EXPECT_EQ(page->table()->rowCount(), 0);
    EXPECT_EQ(bytes("Uslugi/klienci.dat"), before);
}

TEST_F(SettingsWindowTest, TooLongAServiceFieldIsRefusedWithItsLimit)
{
    SlotListPage* page = openSettings().servicesPage();
    page->startNew();
    page->edit(0)->setText(QStringLiteral("Mycie okien"));
    page->edit(3)->setText(QStringLiteral("123456"));
    const QByteArray before = bytes("Uslugi/uslugi.dat");
    EXPECT_FALSE(page->storeCurrent());
    EXPECT_EQ(dialogs.notices.last(),
              QStringLiteral("Pole „Dopisek” mieści najwyżej 5 znaków, a wpisano 6. Niczego nie zapisano."));
    EXPECT_EQ(bytes("Uslugi/uslugi.dat"), before);
}

TEST_F(SettingsWindowTest, ThePrintFontIsWrittenKeepingItsPaddingAndPrintedWithAtOnce)
{
    QDir(dir.path()).mkdir(QStringLiteral("FONT"));
    QByteArray old(printfont::Size, '\0');
    std::memcpy(old.data() + 4,
                "\x05"
                "Arial",
                6);
    std::memset(old.data() + 65, '\xCC', 3);
    std::memset(old.data() + 73, '\xDD', 3);
    old[68] = 10;
    writeBytes(QStringLiteral("FONT/font_trelmo_2007.dat"), old);

    PrintFontPage* page = openSettings().fontPage();
    EXPECT_EQ(page->choice().font.family(), QStringLiteral("Arial"));
    QFont chosen(QStringLiteral("Courier New"), 12);
    chosen.setBold(true);
    dialogs.fonts.enqueue(chosen);
    dialogs.colours.enqueue(QColor(0x10, 0x20, 0x30));
    page->chooseFont();
    page->chooseColour();
    EXPECT_EQ(page->sample()->font().family(), QStringLiteral("Courier New"));
    page->findChild<QPushButton*>(QStringLiteral("zapisz"))->click();

    QByteArray expected = old;
    std::memcpy(expected.data(), "\x10\x20\x30\x00", 4);
    std::memset(expected.data() + 4, 0, 61);
    std::memcpy(expected.data() + 4,
                "\x0B"
                "Courier New",
                12);
    expected[68] = 12;
    expected[72] = 0x01;
    EXPECT_EQ(bytes("FONT/font_trelmo_2007.dat"), expected);
    EXPECT_EQ(window->fontWindow().printFont().face(), QStringLiteral("Courier New"));
    EXPECT_EQ(window->fontWindow().printFont().size(), 12);
}

TEST_F(SettingsWindowTest, ANewFolderGetsItsFontFolderAndFile)
{
    PrintFontPage* page = openSettings().fontPage();
    EXPECT_EQ(page->choice().font.family(), QStringLiteral("Arial"));
    EXPECT_EQ(page->choice().font.pointSize(), 10);
    EXPECT_TRUE(page->saveFont());
    EXPECT_EQ(bytes("FONT/font_trelmo_2007.dat").size(), printfont::Size);
}

// The switch is stored by the click itself, in the module's own file; one
// that cannot be stored is reported and shows the stored state again.
TEST_F(SettingsWindowTest, ThePaymentCodeSwitchIsStoredAtOnceOrShownBackWhenItCannotBe)
{
    writeBytes(QStringLiteral("Admini/kwitarnia.ini"), "kod_qr_przelewu=0\n");
    SettingsWindow& settings = openSettings();
    TransferCodeSwitch* codeSwitch = settings.transferCodeSwitch();
    EXPECT_FALSE(codeSwitch->isChecked());

    codeSwitch->click();
    EXPECT_TRUE(codeSwitch->isChecked());
    EXPECT_EQ(bytes("Admini/kwitarnia.ini"), "kod_qr_przelewu=1\n");
    EXPECT_EQ(settings.status()->text(), QStringLiteral("Kod QR przelewu będzie drukowany na rachunkach."));

    files.failAt(FileCall::Rename, 1, EACCES);
    codeSwitch->click();
    EXPECT_TRUE(files.failed());
    EXPECT_TRUE(codeSwitch->isChecked());
    EXPECT_EQ(bytes("Admini/kwitarnia.ini"), "kod_qr_przelewu=1\n");
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors.first().contains(QStringLiteral("kwitarnia.ini")));
}

TEST_F(SettingsWindowTest, AShortListFileIsReportedAndNoWindowOpens)
{
    start();
    writeBytes(QStringLiteral("Uslugi/uslugi.dat"), "krotki");
    window->findChild<QAction*>(QStringLiteral("ustawienia"))->trigger();
    EXPECT_EQ(window->settingsWindow(), nullptr);
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors.first().contains(QStringLiteral("uslugi.dat")));
}

} // namespace
