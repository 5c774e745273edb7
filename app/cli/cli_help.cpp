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
        "przed odczytem, tak jak zrobiłoby to okno. Nieznane polecenie jest błędem.\n"
        "Opcje zaczynają się od „--”; samo „--” kończy opcje (np. kwitarnia words -- -5).\n"
        "\n"
        "  kwitarnia list\n"
        "      Wszystkie zapisane dokumenty w kolejności pliku, wiersz na dokument:\n"
        "      „POZYCJA: RODZAJ NUMER/ROZSZERZENIE NABYWCA”, np. „2: F 7/2009 Jan Kowalski”\n"
        "      (rodzaj F rachunek, K rachunek korygujący; pozycja 1 to początek bloczka).\n"
        "  kwitarnia list --csv [PLIK.csv]\n"
        "      Rachunki i rachunki korygujące jako tabela CSV: pozycja, rodzaj, numer,\n"
        "      rozszerzenie, data wystawienia, nabywca (4 wiersze), NIP, forma i termin\n"
        "      zapłaty, komórki trzech pozycji rachunku (korekty: po korekcie) i kwota do zapłaty.\n"
        "  kwitarnia summary ROK [KLIENT]\n"
        "      Podliczenie roku (ROK czterema cyframi) jak w oknie „Podliczenie”: zawsze\n"
        "      tytuł, wiersz z klientem (gdy podano KLIENTA), dwanaście wierszy\n"
        "      „Miesiąc  kwota PLN” i kwota stanowiąca 100 %, więc liczba wierszy jest stała.\n"
        "      KLIENT zawęża podliczenie do nabywców, których nazwa go zawiera.\n"
        "  kwitarnia summary ROK [KLIENT] --csv [PLIK.csv]\n"
        "      To samo podliczenie jako tabela CSV: miesiąc i kwota.\n"
        "  kwitarnia pdf POZYCJA|last PLIK.pdf\n"
        "      Dokument z podanej pozycji (last: ostatni) wydrukowany do pliku PDF/A tak jak\n"
        "      przyciskiem „Drukuj”, jedna strona bez kopii.\n"
        "  kwitarnia pdf --month RRRR-MM PLIK.pdf\n"
        "      Wszystkie rachunki i rachunki korygujące wystawione w danym miesiącu,\n"
        "      w kolejności pliku, po jednej stronie, w jednym pliku PDF.\n"
        "  kwitarnia backup PLIK.zip\n"
        "      Kopia zapasowa: archiwum ZIP wszystkich plików danych (Admini, Uslugi,\n"
        "      Szablony, FONT), spójne, bo zrobione pod blokadą pliku dokumentów;\n"
        "      odtwarza się je, rozpakowując w folderze danych (unzip PLIK.zip).\n"
        "  kwitarnia mail POZYCJA|last [ADRES]\n"
        "      Otwiera program pocztowy (xdg-email) z nową wiadomością „Rachunek NR”\n"
        "      i rachunkiem w załączniku PDF.\n"
        "  kwitarnia words KWOTA\n"
        "      Wiersz „Słownie” z wydruku dla podanej kwoty (przecinek lub kropka dziesiętna;\n"
        "      kwota ujemna ze słowem „minus”).\n"
        "  kwitarnia --help       ten opis\n"
        "  kwitarnia --version    wersja programu\n"
        "\n"
        "Kod wyjścia: 0 gdy polecenie się udało, 1 gdy nie; wtedy jednowierszowy komunikat\n"
        "trafia na standardowe wyjście błędów. Wyjście zawsze w UTF-8.\n"
        "\n"
        "Pliki CSV (bez PLIKU: na standardowe wyjście) mają jeden wiersz nagłówka, pola\n"
        "rozdzielone średnikiem, cudzysłowy według RFC 4180, kwoty z przecinkiem dziesiętnym\n"
        "i znacznik BOM UTF-8, więc LibreOffice Calc i Excel w polskich ustawieniach\n"
        "otwierają je bez okna importu.\n"
        "Żadne polecenie nie zapisze pliku wynikowego w folderach Admini, Uslugi, Szablony\n"
        "ani FONT, ani w miejsce istniejącego pliku innego rodzaju; plik wynikowy powstaje\n"
        "dopiero, gdy jest zapisany w całości.");
}

QString versionText() { return QStringLiteral("kwitarnia " KWITARNIA_VERSION); }

} // namespace kw
