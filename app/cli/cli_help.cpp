#include "cli_help.h"

namespace kw {

QString commandLineHelp()
{
    return QStringLiteral(
        "Użycie: kwitarnia [POLECENIE ARGUMENTY]\n"
        "Bez polecenia otwiera okno programu. Polecenia czytają dane z folderu, który wskazuje\n"
        "plik Admini/siec.dat w bieżącym folderze (jak okno), nie tworzą żadnego pliku danych\n"
        "(zmienia go tylko import listy) i nie potrzebują ekranu.\n"
        "\n"
        "  kwitarnia list\n"
        "      Wszystkie zapisane dokumenty w kolejności pliku, wiersz na dokument:\n"
        "      „POZYCJA: RODZAJ NUMER/ROZSZERZENIE NABYWCA”, np. „2: F 7/2009 Jan Kowalski”\n"
        "      (rodzaj F rachunek, K rachunek korygujący; pozycja 1 to początek bloczka).\n"
        "  kwitarnia summary ROK [KLIENT]\n"
        "      Podliczenie roku (ROK czterema cyframi) jak w oknie „Podliczenie”: tytuł,\n"
        "      dwanaście wierszy „Miesiąc  kwota PLN” i kwota stanowiąca 100 %. KLIENT\n"
        "      zawęża podliczenie do nabywców, których nazwa go zawiera.\n"
        "  kwitarnia pdf POZYCJA|last PLIK.pdf\n"
        "      Dokument z podanej pozycji (last: ostatni) wydrukowany do pliku PDF tak jak\n"
        "      przyciskiem „Drukuj”, jedna strona bez kopii.\n"
        "  kwitarnia pdf --month RRRR-MM PLIK.pdf\n"
        "      Wszystkie rachunki i rachunki korygujące wystawione w danym miesiącu,\n"
        "      w kolejności pliku, po jednej stronie, w jednym pliku PDF.\n"
        "  kwitarnia words KWOTA\n"
        "      Wiersz „Słownie” z wydruku dla podanej kwoty (przecinek lub kropka dziesiętna;\n"
        "      kwota ujemna ze słowem „minus”).\n"
        "  kwitarnia settings\n"
        "      Dane sprzedawcy i ustawienia numeracji i wydruku, wiersz „nazwa: wartość”.\n"
        "  kwitarnia clients export|import PLIK.csv\n"
        "  kwitarnia services export|import PLIK.csv\n"
        "      Lista klientów (usług) do pliku CSV lub z niego: UTF-8, średniki, kolumna\n"
        "      „Nr” z numerem pozycji (pusta: pierwsza wolna pozycja), ceny z przecinkiem.\n"
        "      Import nie zmienia zajętych pozycji; wypisuje, ile wierszy wczytał i które\n"
        "      odrzucił z jakiego powodu (wtedy kod wyjścia 1, przyjęte wiersze są zapisane).\n"
        "  kwitarnia --help       ten opis\n"
        "  kwitarnia --version    wersja programu\n"
        "\n"
        "Kod wyjścia: 0 gdy polecenie się udało, 1 gdy nie; wtedy jednowierszowy komunikat\n"
        "trafia na standardowe wyjście błędów. Wyjście zawsze w UTF-8.");
}

QString versionText() { return QStringLiteral("kwitarnia " KWITARNIA_VERSION); }

} // namespace kw
