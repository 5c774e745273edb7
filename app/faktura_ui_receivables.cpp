// The overlay panel "Należności": the unpaid bills by payment term, marked
// paid on a date.
#include "app/faktura_ui.h"

#include "app/widgets/choice_list.h"
#include "app/widgets/panel_factory.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QToolButton>

using namespace kw;

void FakturaUi::setupReceivables()
{
    QWidget* p = Panel7;
    const QFont caption = font("Arial", 12);
    const QFont note = font("Arial", 11);

    tytul_naleznosci = label(p, "tytul_naleznosci", QStringLiteral("Należności — niezapłacone rachunki"), 13, 12,
                             font("Arial", 13), maroon, 650);
    linia_naleznosci = bevel(p, "linia_naleznosci", {13, 35, 656, 2}, Bevel::Shape::TopLine);
    lista_naleznosci = make<ChoiceList>(p, "lista_naleznosci", {13, 44, 656, 482});
    setTextStyle(lista_naleznosci, caption, navy);
    lista_naleznosci->setAccessibleName(QStringLiteral("Niezapłacone rachunki"));
    lista_naleznosci->setHeaderLabels({QStringLiteral("Numer"), QStringLiteral("Odbiorca"), QStringLiteral("Kwota"),
                                       QStringLiteral("Termin"), QStringLiteral("Zaległość")});
    lista_naleznosci->headerItem()->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    const int widths[] = {96, 246, 96, 92};
    for (int column = 0; column < int(std::size(widths)); ++column)
        lista_naleznosci->header()->resizeSection(column, widths[column]);
    suma_naleznosci = label(p, "suma_naleznosci", QString(), 15, 532, font("Arial", 13, true), navy, 650);

    opis_daty_zaplaty = label(p, "opis_daty_zaplaty", QStringLiteral("Data zapłaty"), 20, 564, note, navy);
    data_zaplaty = edit(p, "data_zaplaty", {18, 582, 121, editHeight});
    data_zaplaty->setAccessibleName(QStringLiteral("Data zapłaty"));
    wskazowka_naleznosci = label(p, "wskazowka_naleznosci",
                                 QStringLiteral("Spacja zaznacza rachunek, Shift lub Ctrl ze strzałką kilka.\n"
                                                "Enter oznacza zaznaczone jako zapłacone w podanym dniu."),
                                 152, 580, note, grey, 390);
    wskazowka_naleznosci->resize(wskazowka_naleznosci->width(), 2 * QFontMetrics(note).lineSpacing());
    zaplacono = commandButton(p, "zaplacono", QStringLiteral("Zapłacono"),
                              QStringLiteral("Zaznaczone rachunki zapłacone w podanym dniu (Enter)"),
                              {548, 557, 121, 22}, caption);
    powrot_z_naleznosci = commandButton(p, "powrot_z_naleznosci", QStringLiteral("Powrót"),
                                        QStringLiteral("Powrót do rachunku (Esc)"), {548, 585, 121, 22}, caption);
}
