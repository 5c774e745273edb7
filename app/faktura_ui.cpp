#include "app/faktura_ui.h"

#include "app/pictures/pictures.h"
#include "app/widgets/bevels.h"
#include "app/widgets/bill_grid.h"
#include "app/widgets/control_factory.h"
#include "app/widgets/dbl_click_line_edit.h"
#include "app/widgets/designed_palette.h"
#include "app/widgets/month_calendar.h"
#include "app/widgets/panel_factory.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

using namespace kw;

namespace {

using Edge = BevelPanel::Edge;

} // namespace

void FakturaUi::setup(QWidget* window)
{
    setupWindow(window);
    setupCommandColumn();
    setupDocumentArea();
    setupTabOrder();
    setupAccessibleNames();
}

void FakturaUi::setupOverlays()
{
    setupCalendar();
    setupSelectionList();
    setupHelp();
    setupSummary();
    setupHandOff();
    setupReceivables();
}

void FakturaUi::setupWindow(QWidget* window)
{
    window->setWindowTitle(QStringLiteral("Kwitarnia"));
    window->setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint);
    window->setFixedSize(861, 641);
    window->setFont(font("Tahoma", 11));
    // Before any control: every control takes the roles it does not set itself from here.
    window->setPalette(designedPalette());
    window->setAutoFillBackground(true);

    // Creation order is stacking order: the overlays lie above the columns.
    Label2 = label(window, "Label2", QStringLiteral("00:00:00"), 752, 10, font("Tahoma", 13), grey, 100);
    Panel1 = panel(window, "Panel1", {701, 32, 153, 599}, Qt::white, Edge::Raised, Edge::Lowered);
    Panel2 = panel(window, "Panel2", {10, 10, 682, 623}, documentColour, Edge::Raised, Edge::Lowered);
    Panel4 = panel(window, "Panel4", {86, 112, 179, 72}, documentColour, Edge::Raised, Edge::Lowered);
    Panel5 = panel(window, "Panel5", {157, 37, 150, 76}, listColour, Edge::Raised, Edge::None);
    Panel6 = panel(window, "Panel6", {134, 109, 533, 281}, Qt::white, Edge::Raised, Edge::Lowered);
    Panel7 = panel(window, "Panel7", {10, 8, 682, 625}, listColour, Edge::Raised, Edge::None);
    Panel4->hide();
    Panel5->hide();
    Panel6->hide();
    Panel7->hide();
}

void FakturaUi::setupCommandColumn()
{
    QWidget* p = Panel1;
    const QFont arial = font("Arial", 12);
    const QFont tahoma = font("Tahoma", 12);

    Label10 = label(p, "Label10", QStringLiteral("Rachunek"), 32, 6, font("Arial", 21), maroon);
    Image1 = make<QLabel>(p, "Image1", {28, 36, 105, 93});
    Image1->setScaledContents(true);
    Image1->setPixmap(commandColumnPicture());

    SpeedButton21 = commandButton(p, "SpeedButton21", QStringLiteral("Zapisz szablon"),
                                  QStringLiteral("Zapis obrazu dokumentu"), {16, 226, 125, 22}, arial);
    SpeedButton22 = commandButton(p, "SpeedButton22", QStringLiteral("Wstaw szablon"),
                                  QStringLiteral("Wypełnienie nowego rachunku z szablonu"), {16, 251, 125, 22}, arial);
    SpeedButton23 = commandButton(p, "SpeedButton23", QStringLiteral("Usuń szablon"),
                                  QStringLiteral("Usuwanie pliku szablonu"), {12, 276, 129, 22}, arial);
    SpeedButton25 =
        commandButton(p, "SpeedButton25", QStringLiteral("Ewidencja"),
                      QStringLiteral("Przekazanie kwoty brutto do Ewidencji sprzedaży"), {16, 316, 125, 22}, arial);
    SpeedButton20 = commandButton(p, "SpeedButton20", QStringLiteral("Drukuj"), QString(), {16, 344, 125, 22}, arial);
    SpeedButton17 = commandButton(p, "SpeedButton17", QStringLiteral("Podliczenie"),
                                  QStringLiteral("Zestawienie miesięczne kwot"), {16, 372, 125, 22}, arial);
    SpeedButton9 = commandButton(p, "SpeedButton9", QStringLiteral("Korekta rachunku"),
                                 QStringLiteral("Korygowanie wczytanego rachunku"), {16, 400, 125, 22}, arial);
    SpeedButton8 = commandButton(p, "SpeedButton8", QStringLiteral("Usuń rachunek"),
                                 QStringLiteral("Usuwanie wczytanego rachunku"), {12, 428, 129, 22}, arial);
    SpeedButton3 = commandButton(p, "SpeedButton3", QStringLiteral("Wczytaj rachunek"),
                                 QStringLiteral("Wczytanie istniejącego rachunku "), {8, 456, 133, 22}, arial);
    SpeedButton2 = commandButton(p, "SpeedButton2", QStringLiteral("Zapisz rachunek"),
                                 QStringLiteral("Zapis nowego lub poprawionego rachunku"), {12, 484, 129, 22}, arial);
    SpeedButton6 = commandButton(p, "SpeedButton6", QStringLiteral("Nowy rachunek"),
                                 QStringLiteral("Tworzenie nowego rachunku"), {12, 512, 129, 22}, tahoma);
    SpeedButton4 = commandButton(p, "SpeedButton4", QStringLiteral("Pomoc"), QStringLiteral("Opis pracy z modułem"),
                                 {12, 540, 129, 22}, tahoma);
    SpeedButton1 =
        commandButton(p, "SpeedButton1", QStringLiteral("Zamknij moduł"), QStringLiteral("Zakończenie pracy z modułem"),
                      {8, 568, 133, 22}, font("Tahoma", 12, true));
}

void FakturaUi::setupDocumentArea()
{
    QWidget* p = Panel2;
    const QFont caption = font("Arial", 12);
    const QFont small = font("Arial", 11);
    const QFont large = font("Arial", 19);

    Label1 = label(p, "Label1", QStringLiteral("Miejscowość"), 20, 16, caption, grey);
    miejscowosc = edit(p, "miejscowosc", {108, 16, 121, editHeight});
    Label3 = label(p, "Label3", QStringLiteral("Data wyst."), 20, 45, caption, grey);
    data_wystawienia = edit(p, "data_wystawienia", {108, 43, 121, editHeight});
    Label4 = label(p, "Label4", QStringLiteral("Rachunek nr"), 303, 10, large, grey);
    numerator = edit(p, "numerator", {420, 10, 89, 25}, large);
    Label5 = label(p, "Label5", QStringLiteral("/"), 515, 13, font("Arial", 19, true), navy);
    rozszerzenie = edit(p, "rozszerzenie", {528, 10, 136, 25}, large);
    Label23 = label(p, "Label23", QString(), 303, 36, small, grey, 150);
    Label13 = rightLabel(p, "Label13", QStringLiteral("oryginał / kopia / duplikat"), 660, 41, 300, caption, navy);
    Label24 = rightLabel(p, "Label24", QStringLiteral("Dotyczy rachunku...."), 660, 57, 340, caption, navy);
    Bevel1 = bevel(p, "Bevel1", {16, 78, 649, 2}, Bevel::Shape::TopLine);

    Label6 = label(p, "Label6", QStringLiteral("Odbiorca"), 20, 96, caption, grey);
    odbiorca1 = edit<DblClickLineEdit>(p, "odbiorca1", {20, 117, 393, editHeight});
    odbiorca2 = edit<DblClickLineEdit>(p, "odbiorca2", {20, 144, 393, editHeight});
    odbiorca3 = edit<DblClickLineEdit>(p, "odbiorca3", {20, 171, 353, editHeight});
    odbiorca4 = edit<DblClickLineEdit>(p, "odbiorca4", {20, 198, 353, editHeight});
    SpeedButton5 =
        textButton(p, "SpeedButton5", QStringLiteral("?"), {379, 173, 34, 48}, font("Arial", 21, true), maroon);
    SpeedButton5->setToolTip(QStringLiteral("Baza klientów"));
    Label7 = label(p, "Label7", QStringLiteral("Nip"), 20, 232, caption, grey);
    nip_odbiorcy = edit(p, "nip_odbiorcy", {20, 253, 393, editHeight});

    Label8 = label(p, "Label8", QStringLiteral("Forma zapłaty"), 445, 119, caption, grey);
    forma_zaplaty = comboBox(p, "forma_zaplaty", {536, 113, 121, editHeight},
                             {QStringLiteral("Gotówka"), QStringLiteral("Przelew"), QStringLiteral("Karta kredytowa")},
                             caption, navy);
    Label9 = label(p, "Label9", QStringLiteral("Data usługi"), 458, 150, caption, grey);
    data_uslugi = edit(p, "data_uslugi", {536, 144, 97, editHeight});
    SpeedButton7 =
        textButton(p, "SpeedButton7", QStringLiteral("?"), {634, 144, 23, 21}, font("Arial", 13, true), maroon);
    SpeedButton7->setToolTip(QStringLiteral("Kalendarz"));
    Label11 = label(p, "Label11", QStringLiteral("Termin płatności"), 429, 177, caption, grey);
    termin_zaplaty =
        comboBox(p, "termin_zaplaty", {536, 174, 121, editHeight},
                 {QStringLiteral("7 dni"), QStringLiteral("14 dni"), QStringLiteral("21 dni")}, caption, navy);
    Label12 = label(p, "Label12", QStringLiteral("Podpis wystawcy"), 429, 232, caption, grey);
    podpis = edit(p, "podpis", {429, 253, 228, editHeight});
    Bevel2 = bevel(p, "Bevel2", {16, 290, 649, 2}, Bevel::Shape::TopLine);

    Label25 = label(p, "Label25", QStringLiteral("Tabelka dokumentu"), 18, 296, small, navy, 300);
    tabela = make<BillGrid>(p, "tabela", {16, 308, 649, 82});
    tabela->setFont(font("Courier New", 11));
    tabela->setTextColour(navy);
    Label16 = label(p, "Label16", QStringLiteral("Razem do zapłaty"), 18, 400, font("Arial", 13), navy);
    Label17 = label(p, "Label17", QStringLiteral("0.00 PLN"), 146, 400, font("Arial", 13), navy, 300);
    SpeedButton13 = commandButton(p, "SpeedButton13", QStringLiteral("Usługi"), QStringLiteral("Lista usług"),
                                  {510, 396, 150, 22}, caption);
    SpeedButton15 = commandButton(p, "SpeedButton15", QStringLiteral("Pokaż przed korektą"),
                                  QStringLiteral("Tabelka rachunku przed korektą"), {514, 418, 150, 22}, caption);
    SpeedButton16 = commandButton(p, "SpeedButton16", QStringLiteral("Pokaż po korekcie"),
                                  QStringLiteral("Tabela rachunku po korekcie"), {514, 440, 150, 22}, caption);
    SpeedButton15->hide();
    SpeedButton16->hide();
    Label18 = label(p, "Label18", QStringLiteral("Słownie"), 17, 430, small, navy);
    Label19 = label(p, "Label19", QString(), 77, 430, small, navy, 590);
    Label58 = label(p, "Label58", QString(), 78, 445, small, navy, 590);
    // Below the words, where the form leaves a free band; empty for a new bill.
    stan_zaplaty = label(p, "stan_zaplaty", QString(), 18, 472, font("Arial", 13, true), navy, 440);
    // Its tooltip gives the reason when the payment cannot be read.
    stan_zaplaty->setAttribute(Qt::WA_TransparentForMouseEvents, false);

    Label55 = rightLabel(p, "Label55", QString(), 660, 525, 640, small, grey);
    Label56 = rightLabel(p, "Label56", QString(), 660, 544, 640, small, grey);
    Label57 = rightLabel(p, "Label57", QString(), 660, 563, 640, small, grey);
    Label14 = label(p, "Label14", QStringLiteral("Stopks wydruku..."), 15, 562, small, navy, 400);
    Bevel3 = bevel(p, "Bevel3", {15, 582, 649, 2}, Bevel::Shape::TopLine);
    Label22 = rightLabel(p, "Label22", QStringLiteral("Jaki dokument"), 665, 590, 650, small, navy);
    Label26 = rightLabel(p, "Label26",
                         QStringLiteral("Różnica miedzy kwotami rachunku i rachunku korygowanego "
                                        "będzie uwidoczniona na wydruku"),
                         665, 607, 650, small, navy);

    Panel3 = panel(p, "Panel3", {4, 4, 678, 618}, listColour, Edge::Raised, Edge::None);
    Panel3->hide();
}

void FakturaUi::setupCalendar()
{
    MonthCalendar1 = make<MonthCalendar>(Panel2, "MonthCalendar1", {204, 94, 169, 153});
    MonthCalendar1->setAccessibleName(QStringLiteral("Kalendarz daty usługi"));
    MonthCalendar1->hide();
    // Its place among the document area's controls, as if built with them.
    MonthCalendar1->stackUnder(Bevel2);
    QWidget::setTabOrder(data_uslugi, MonthCalendar1);
    QWidget::setTabOrder(MonthCalendar1, termin_zaplaty);
}

// Reading order: the left column, then the right one, of each part of the
// form from the top. The calendar joins it after the date of service when
// it is built.
void FakturaUi::setupTabOrder()
{
    QWidget* const order[] = {miejscowosc, data_wystawienia, numerator, rozszerzenie, odbiorca1,
                              odbiorca2,   odbiorca3,        odbiorca4, nip_odbiorcy, forma_zaplaty,
                              data_uslugi, termin_zaplaty,   podpis,    tabela};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

// Names a screen reader speaks: the field's caption, and for a "?" what it opens.
void FakturaUi::setupAccessibleNames()
{
    const std::pair<QWidget*, const char*> names[] = {
        {miejscowosc, "Miejscowość"},
        {data_wystawienia, "Data wystawienia"},
        {numerator, "Rachunek nr"},
        {rozszerzenie, "Rozszerzenie numeru rachunku"},
        {odbiorca1, "Odbiorca, wiersz 1"},
        {odbiorca2, "Odbiorca, wiersz 2"},
        {odbiorca3, "Odbiorca, wiersz 3"},
        {odbiorca4, "Odbiorca, wiersz 4"},
        {nip_odbiorcy, "Nip"},
        {forma_zaplaty, "Forma zapłaty"},
        {data_uslugi, "Data usługi"},
        {termin_zaplaty, "Termin płatności"},
        {podpis, "Podpis wystawcy"},
        {tabela, "Tabelka dokumentu"},
        {SpeedButton5, "Baza klientów"},
        {SpeedButton7, "Kalendarz daty usługi"},
    };
    for (const auto& [control, name] : names)
        control->setAccessibleName(QString::fromUtf8(name));
}
