#include "cli_help.h"

namespace kw {

QString commandLineHelp()
{
    return QStringLiteral(
        "Użycie: kwitarnia [POLECENIE ARGUMENTY]\n"
        "Bez polecenia otwiera okno programu w bieżącym folderze.\n"
        "\n"
        "  kwitarnia --desktop\n"
        "      Okno w folderze danych wybranym ostatnio; za pierwszym razem pyta, czy założyć\n"
        "      nowy folder danych ~/Kwitarnia, czy wskazać istniejący. Tak startuje pozycja menu.\n"
        "  kwitarnia --screenshot PLIK.png\n"
        "      Okno w bieżącym folderze zapisane jako obraz PNG, po czym program kończy pracę.\n"
        "\n"
        "Polecenia czytają dane z folderu, który wskazuje plik Admini/siec.dat w bieżącym\n"
        "folderze (jak okno), nie zmieniają ani nie tworzą żadnego pliku danych i nie\n"
        "potrzebują ekranu.\n"
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
