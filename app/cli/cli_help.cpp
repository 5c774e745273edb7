#include "cli_help.h"

namespace kw {

QString commandLineHelp()
{
    return QStringLiteral(
        "Użycie: kwitarnia [POLECENIE ARGUMENTY]\n"
        "Bez polecenia otwiera okno programu. Polecenia czytają dane z folderu, który wskazuje\n"
        "plik Admini/siec.dat w bieżącym folderze (jak okno), nie tworzą żadnego pliku danych\n"
        "i nie potrzebują ekranu. Plik dokumentów zmieniają tylko wtedy, gdy zastaną zapis\n"
        "dokumentu przerwany w oknie (plik Uslugi/dokumenty_r.jrn): dokańczają go wtedy\n"
        "przed odczytem, tak jak zrobiłoby to okno.\n"
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
        "  kwitarnia --help       ten opis\n"
        "  kwitarnia --version    wersja programu\n"
        "\n"
        "Kod wyjścia: 0 gdy polecenie się udało, 1 gdy nie; wtedy jednowierszowy komunikat\n"
        "trafia na standardowe wyjście błędów. Wyjście zawsze w UTF-8.");
}

QString versionText() { return QStringLiteral("kwitarnia " KWITARNIA_VERSION); }

} // namespace kw
