// The overlay panels of the main window: selection list, help, yearly
// summary and sales register hand-off.
#include "app/faktura_ui.h"

#include "app/help_text.h"
#include "app/pictures/glyphs.h"
#include "app/pictures/pictures.h"
#include "app/widgets/panel_factory.h"
#include "app/widgets/selection_list.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QToolButton>

using namespace kw;

namespace {

constexpr int barHeight = 17;

struct MonthRow {
    QLabel* FakturaUi::*name;
    const char* nameObject;
    const char* caption;
    QPoint namePos;
    QProgressBar* FakturaUi::*bar;
    const char* barObject;
    QRect barBox;
    QLabel* FakturaUi::*total;
    const char* totalObject;
    QPoint totalPos;
};

} // namespace

void FakturaUi::setupSelectionList()
{
    QWidget* p = Panel3;
    const QFont caption = font("Arial", 12);

    Label20 = label(p, "Label20", QStringLiteral("Lista...."), 16, 20, caption, navy, 650);
    lista = make<SelectionList>(p, "lista", {15, 38, 653, 503});
    setTextStyle(lista, caption, blue);
    Label21 = label(p, "Label21", QStringLiteral("Wpisz sukaną frazę i naciśnij przycisk lupy."), 18, 568,
                    font("Arial", 11), navy);
    lista->setAccessibleName(QStringLiteral("Lista do wyboru"));
    szukaj = edit(p, "szukaj", {15, 587, 329, editHeight});
    szukaj->setAccessibleName(QStringLiteral("Szukana fraza"));
    SpeedButton12 = textButton(p, "SpeedButton12", QString(), {346, 587, 23, 22}, caption, navy);
    SpeedButton12->setIcon(magnifierGlyph());
    SpeedButton12->setAccessibleName(QStringLiteral("Szukaj"));
    SpeedButton12->setToolTip(QStringLiteral("Szukaj frazy (Enter)"));
    SpeedButton11 = commandButton(p, "SpeedButton11", QStringLiteral("Wstaw"),
                                  QStringLiteral("Wstawienie wybranej pozycji (Enter)"), {576, 559, 89, 22}, caption);
    SpeedButton10 = commandButton(p, "SpeedButton10", QStringLiteral("Powrót"),
                                  QStringLiteral("Powrót bez wstawiania (Esc)"), {576, 587, 89, 22}, caption);
}

void FakturaUi::setupHelp()
{
    QWidget* p = Panel4;
    Memo1 = make<QPlainTextEdit>(p, "Memo1", {12, 12, 665, 261});
    setTextStyle(Memo1, font("Tahoma", 12), navy);
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setPlainText(helpText());
    SpeedButton14 = commandButton(p, "SpeedButton14", QStringLiteral("Koniec pomocy"), QString(), {524, 288, 145, 22},
                                  font("Arial", 12), navy);
}

void FakturaUi::setupSummary()
{
    QWidget* p = Panel5;
    const QFont title = font("Arial", 13);
    const QFont note = font("Arial", 11);
    const QFont caption = font("Arial", 12);
    const QFont rows = font("Courier New", 13);

    // As wide as the panel: its title later names the buyers counted.
    Label27 = label(p, "Label27", QStringLiteral("Podliczenie dokumentów"), 13, 12, title, maroon, 650);
    Label60 = label(p, "Label60", QStringLiteral("Podliczenie dokumentów"), 13, 30, title, maroon, 650);
    Bevel4 = bevel(p, "Bevel4", {13, 53, 656, 2}, Bevel::Shape::TopLine);

    // One entry per row of the table, laid out by hand.
    // clang-format off
    const MonthRow months[] = {
        {&FakturaUi::Label41, "Label41", "Styczeń", {60, 109}, &FakturaUi::ProgressBar1, "ProgressBar1",
         {132, 108, 392, barHeight}, &FakturaUi::Label29, "Label29", {530, 109}},
        {&FakturaUi::Label43, "Label43", "Luty", {84, 138}, &FakturaUi::ProgressBar2, "ProgressBar2",
         {130, 136, 392, barHeight}, &FakturaUi::Label30, "Label30", {530, 138}},
        {&FakturaUi::Label44, "Label44", "Marzec", {68, 164}, &FakturaUi::ProgressBar3, "ProgressBar3",
         {130, 165, 392, barHeight}, &FakturaUi::Label31, "Label31", {528, 164}},
        {&FakturaUi::Label45, "Label45", "Kwiecień", {52, 194}, &FakturaUi::ProgressBar4, "ProgressBar4",
         {130, 194, 390, barHeight}, &FakturaUi::Label32, "Label32", {530, 194}},
        {&FakturaUi::Label46, "Label46", "Maj", {92, 219}, &FakturaUi::ProgressBar5, "ProgressBar5",
         {130, 223, 392, barHeight}, &FakturaUi::Label33, "Label33", {530, 220}},
        {&FakturaUi::Label47, "Label47", "Czerwiec", {52, 250}, &FakturaUi::ProgressBar6, "ProgressBar6",
         {130, 250, 392, barHeight}, &FakturaUi::Label34, "Label34", {528, 250}},
        {&FakturaUi::Label48, "Label48", "Lipiec", {68, 278}, &FakturaUi::ProgressBar7, "ProgressBar7",
         {130, 278, 392, barHeight}, &FakturaUi::Label35, "Label35", {530, 278}},
        {&FakturaUi::Label49, "Label49", "Sierpień", {52, 306}, &FakturaUi::ProgressBar8, "ProgressBar8",
         {130, 306, 392, barHeight}, &FakturaUi::Label36, "Label36", {530, 306}},
        {&FakturaUi::Label50, "Label50", "Wrzesień", {52, 334}, &FakturaUi::ProgressBar9, "ProgressBar9",
         {130, 333, 392, barHeight}, &FakturaUi::Label37, "Label37", {530, 334}},
        {&FakturaUi::Label51, "Label51", "Październik", {28, 362}, &FakturaUi::ProgressBar10, "ProgressBar10",
         {128, 365, 391, barHeight}, &FakturaUi::Label38, "Label38", {530, 362}},
        {&FakturaUi::Label52, "Label52", "Listopad", {48, 394}, &FakturaUi::ProgressBar11, "ProgressBar11",
         {128, 393, 392, barHeight}, &FakturaUi::Label39, "Label39", {530, 394}},
        {&FakturaUi::Label42, "Label42", "Grudzień", {52, 422}, &FakturaUi::ProgressBar12, "ProgressBar12",
         {128, 422, 392, barHeight}, &FakturaUi::Label40, "Label40", {530, 422}},
    };
    // clang-format on
    for (const MonthRow& month : months) {
        this->*month.name = label(p, month.nameObject, QString::fromUtf8(month.caption), month.namePos.x(),
                                  month.namePos.y(), rows, navy);
        QProgressBar* bar = make<QProgressBar>(p, month.barObject, month.barBox);
        bar->setTextVisible(false);
        this->*month.bar = bar;
        this->*month.total =
            label(p, month.totalObject, QString(), month.totalPos.x(), month.totalPos.y(), rows, navy, 140);
    }

    Label53 = label(p, "Label53", QStringLiteral("Wyniki normowane do wartości maxymalnej stanowiącej 100 %"), 18, 519,
                    note, navy);
    Label54 = label(p, "Label54", QString(), 350, 519, note, navy, 300);
    Bevel5 = bevel(p, "Bevel5", {16, 536, 656, 15}, Bevel::Shape::BottomLine);
    Label28 = label(p, "Label28", QStringLiteral("Wybierz rok "), 20, 560, note, navy);
    lata = comboBox(p, "lata", {18, 581, 145, editHeight}, {}, caption, navy);
    Label59 = label(p, "Label59", QStringLiteral("Wybierz klienta"), 188, 561, note, grey);
    klienci = comboBox(p, "klienci", {188, 579, 145, editHeight}, {}, caption, navy);
    SpeedButton24 = textButton(p, "SpeedButton24", QStringLiteral("?"), {329, 579, 23, 22}, font("Arial", 16), maroon);
    SpeedButton24->setToolTip(QStringLiteral("Pobierz listę klientów"));
    SpeedButton24->setAccessibleName(QStringLiteral("Pobierz listę klientów"));
    lata->setAccessibleName(QStringLiteral("Wybierz rok"));
    klienci->setAccessibleName(QStringLiteral("Wybierz klienta"));
    SpeedButton24->setCursor(Qt::PointingHandCursor);
    SpeedButton19 =
        commandButton(p, "SpeedButton19", QStringLiteral("Wylicz"), QString(), {548, 557, 121, 22}, caption);
    SpeedButton18 =
        commandButton(p, "SpeedButton18", QStringLiteral("Powrót"), QString(), {548, 585, 121, 22}, caption);
    sprawdz_numeracje = commandButton(p, "sprawdz_numeracje", QStringLiteral("Sprawdź numerację"),
                                      QStringLiteral("Braki, powtórzenia i kolejność numerów rachunków wybranego roku"),
                                      {372, 585, 160, 22}, caption);
}

void FakturaUi::setupHandOff()
{
    QWidget* p = Panel6;
    const QFont caption = font("Arial", 12);

    Label61 =
        label(p, "Label61", QStringLiteral("Wstawienie kwoty brutto do Ewidencji sprzedaży"), 15, 8, caption, navy);
    Label92 = rightLabel(p, "Label92", QString(), 513, 8, 200, font("Arial", 12, true), navy);
    Bevel14 = bevel(p, "Bevel14", {15, 29, 502, 10}, Bevel::Shape::Frame);
    Label74 = label(p, "Label74", QStringLiteral("1. Podaj folder w którym zainstalowano Ewidencję sprzedaży :"), 20,
                    68, caption, grey);
    folder = edit(p, "folder", {22, 85, 463, editHeight});
    SpeedButton27 =
        textButton(p, "SpeedButton27", QStringLiteral("?"), {491, 85, 23, 22}, font("Arial", 13, true), maroon, true);
    Label75 = label(p, "Label75", QStringLiteral("2. Do zaksięgowania kwota brutto :"), 22, 121, caption, grey);
    kwota_brutto = edit(p, "kwota_brutto", {21, 135, 121, 24}, font("Arial", 13, true));
    Image5 = make<QLabel>(p, "Image5", {406, 114, 105, 84});
    Image5->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image5->setPixmap(handOffPicture());
    Label88 = label(p, "Label88", QStringLiteral("3. Rodzaj odbiorcy dokumentu:"), 24, 172, caption, grey);
    GroupBox9 = make<QGroupBox>(p, "GroupBox9", {26, 188, 162, 78});
    ro1 = make<QRadioButton>(GroupBox9, "ro1", {11, 19, 113, 17});
    ro1->setText(QStringLiteral("Firma *F*"));
    setTextStyle(ro1, caption, navy);
    ro1->setChecked(true);
    ro2 = make<QRadioButton>(GroupBox9, "ro2", {13, 45, 113, 17});
    ro2->setText(QStringLiteral("Indywidualny *I*"));
    setTextStyle(ro2, caption, navy);
    SpeedButton30 =
        commandButton(p, "SpeedButton30", QStringLiteral("Wykonaj"), QString(), {404, 222, 113, 22}, caption);
    SpeedButton29 =
        commandButton(p, "SpeedButton29", QStringLiteral("Zaniechaj"), QString(), {404, 250, 113, 22}, caption);
}
