#include "app/help_text.h"

#include <QStringList>

namespace kw {

namespace {

struct Section {
    const char* title;
    // Empty lines before the title.
    int gap;
    QStringList paragraph;
};

const QStringList opening = {
    "Po uruchomieniu moduł wyświetla ostatnio wystawiony dokument. Dostępne są wszystkie polecenia:",
    "wydruk, podliczenie, korekta, usuwanie i wczytywanie faktur, zapis zmian we wczytanej fakturze",
    "oraz tworzenie nowej faktury.",
};

// One entry per row of the table, laid out by hand.
// clang-format off
const Section sections[] = {
    {"Nowa faktura", 1, {
        "Podczas wystawiania nowej faktury dostępne są tylko polecenia zapisu i wczytania faktury.",
        "Wczytanie innej faktury oznacza rezygnację z wystawianej nowej faktury.",
    }},
    {"Wstawienie klienta", 2, {
        "Dane odbiorcy można wpisać ręcznie albo pobrać z listy klientów. Listę klientów otwiera",
        "podwójne kliknięcie w dowolną linię danych odbiorcy lub przycisk \"?\" obok danych odbiorcy.",
        "Wybranego klienta wstawia się przyciskiem \"Wstaw\" lub podwójnym kliknięciem na liście.",
    }},
    {"Wstawienie usługi", 1, {
        "Usługę można wpisać bezpośrednio do tabeli albo pobrać z listy usług przygotowanej",
        "w module obsługi usług. Listę usług otwiera przycisk \"Usługi\" lub podwójne kliknięcie",
        "w tabelę faktury.",
    }},
    {"Parametry stałe", 1, {
        "Parametry stałe (miejscowość, podpis wystawcy, numerator i jego rozszerzenie) pochodzą z panelu",
        "kontrolnego i można je zmienić dla jednego dokumentu. Zapis nowej faktury zapisuje numerator,",
        "rozszerzenie, miejscowość i podpis z powrotem do parametrów, dlatego zmianę przeznaczoną tylko",
        "dla jednego dokumentu należy potem cofnąć w panelu kontrolnym.",
    }},
    {"Numerator", 1, {
        "Numer faktury zwiększa się o jeden przy każdym zapisie nowej faktury, licząc od numeru",
        "widocznego w oknie. Po ręcznym wpisaniu numeru (np. dla uzupełnienia luki w numeracji)",
        "należy poprawić stan numeratora w panelu kontrolnym.",
    }},
    {"Zapis faktury", 1, {
        "Polecenie zapisu zapisuje nową fakturę albo zmiany wprowadzone we wczytanej fakturze.",
        "Zmiany w fakturze nie są zapisywane samoczynnie.",
    }},
    {"Wczytanie faktury", 1, {
        "Wszystkie zapisane faktury pozostają w programie. Każdą z nich można w dowolnej chwili",
        "wczytać z listy faktur, a następnie zmienić i ponownie zapisać.",
    }},
    {"Usuwanie faktury", 1, {
        "Fakturę zapisaną przez pomyłkę należy wczytać, a następnie usunąć poleceniem",
        "usuwania faktury.",
    }},
    {"Faktura korygująca", 1, {
        "Aby wystawić fakturę korygującą, należy wczytać fakturę korygowaną, wybrać polecenie korekty",
        "i zmienić zawartość tabeli. Faktury korygujące mają własny numerator i własne rozszerzenie",
        "numeru.",
    }},
    {"Wydruk faktury", 1, {
        "Parametry druku definiowane są w panelu kontrolnym.",
    }},
    {"Szablony dokumentów", 1, {
        "Po zapisaniu nowej faktury jej obraz można zapisać jako szablon pod przyjazną nazwą i wstawiać",
        "do kolejnych nowych faktur. Przyspiesza to wystawianie powtarzających się faktur dla tego samego klienta.",
    }},
};
// clang-format on

} // namespace

QString helpText()
{
    QStringList lines = opening;
    for (const Section& section : sections) {
        for (int gap = 0; gap < section.gap; ++gap)
            lines << QString();
        const QString title = QString::fromUtf8(section.title);
        lines << title << QString(title.size(), QLatin1Char('-'));
        lines << section.paragraph;
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace kw
