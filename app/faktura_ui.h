#pragma once

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QRadioButton;
class QToolButton;
class QWidget;

namespace kw {

class BevelPanel;
class Bevel;
class BillGrid;
class ChoiceList;
class DblClickLineEdit;
class MonthCalendar;
class SelectionList;

// Every control of the main window, by its designer name. setup() and
// setupOverlays() build them as children of the window at their fixed
// positions; each control's objectName is its member name. The window owns
// the controls.
struct FakturaUi {
    // Window
    QLabel* Label2 = nullptr;     // clock
    BevelPanel* Panel1 = nullptr; // command column
    BevelPanel* Panel2 = nullptr; // document area
    BevelPanel* Panel4 = nullptr; // help
    BevelPanel* Panel5 = nullptr; // yearly summary
    BevelPanel* Panel6 = nullptr; // sales register hand-off
    BevelPanel* Panel7 = nullptr; // receivables ("Należności")

    // Panel1: command column
    QLabel* Label10 = nullptr;
    QLabel* Image1 = nullptr;
    QToolButton* SpeedButton21 = nullptr; // Zapisz szablon
    QToolButton* SpeedButton22 = nullptr; // Wstaw szablon
    QToolButton* SpeedButton23 = nullptr; // Usuń szablon
    QToolButton* SpeedButton25 = nullptr; // Ewidencja
    QToolButton* SpeedButton20 = nullptr; // Drukuj
    QToolButton* SpeedButton17 = nullptr; // Podliczenie
    QToolButton* SpeedButton9 = nullptr;  // Korekta rachunku
    QToolButton* SpeedButton8 = nullptr;  // Usuń rachunek
    QToolButton* SpeedButton3 = nullptr;  // Wczytaj rachunek
    QToolButton* SpeedButton2 = nullptr;  // Zapisz rachunek
    QToolButton* SpeedButton6 = nullptr;  // Nowy rachunek
    QToolButton* SpeedButton4 = nullptr;  // Pomoc
    QToolButton* SpeedButton1 = nullptr;  // Zamknij moduł

    // Panel2: document area
    QLabel* Label1 = nullptr;
    QLineEdit* miejscowosc = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* data_wystawienia = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* numerator = nullptr;
    QLabel* Label5 = nullptr;
    QLineEdit* rozszerzenie = nullptr;
    QLabel* Label23 = nullptr;
    QLabel* Label13 = nullptr;
    QLabel* Label24 = nullptr;
    Bevel* Bevel1 = nullptr;
    QLabel* Label6 = nullptr;
    DblClickLineEdit* odbiorca1 = nullptr;
    DblClickLineEdit* odbiorca2 = nullptr;
    DblClickLineEdit* odbiorca3 = nullptr;
    DblClickLineEdit* odbiorca4 = nullptr;
    QToolButton* SpeedButton5 = nullptr; // ? (client list)
    QLabel* Label7 = nullptr;
    QLineEdit* nip_odbiorcy = nullptr;
    QLabel* Label8 = nullptr;
    QComboBox* forma_zaplaty = nullptr;
    QLabel* Label9 = nullptr;
    QLineEdit* data_uslugi = nullptr;
    QToolButton* SpeedButton7 = nullptr; // ? (calendar)
    QLabel* Label11 = nullptr;
    QComboBox* termin_zaplaty = nullptr;
    QLabel* Label12 = nullptr;
    QLineEdit* podpis = nullptr;
    MonthCalendar* MonthCalendar1 = nullptr;
    Bevel* Bevel2 = nullptr;
    QLabel* Label25 = nullptr;
    BillGrid* tabela = nullptr;
    QLabel* Label16 = nullptr;
    QLabel* Label17 = nullptr;            // bill total
    QToolButton* SpeedButton13 = nullptr; // Usługi
    QToolButton* SpeedButton15 = nullptr; // Pokaż przed korektą
    QToolButton* SpeedButton16 = nullptr; // Pokaż po korekcie
    QLabel* Label18 = nullptr;
    QLabel* Label19 = nullptr; // words, złoty part
    QLabel* Label58 = nullptr; // words, grosz part
    QLabel* Label55 = nullptr; // seller lines 1..3
    QLabel* Label56 = nullptr;
    QLabel* Label57 = nullptr;
    QLabel* Label14 = nullptr; // print footnote
    Bevel* Bevel3 = nullptr;
    QLabel* Label22 = nullptr;      // mode caption
    QLabel* Label26 = nullptr;      // note on corrective bills
    QLabel* stan_zaplaty = nullptr; // whether the loaded bill is paid
    BevelPanel* Panel3 = nullptr;   // selection list

    // Panel3: selection list
    QLabel* Label20 = nullptr;
    SelectionList* lista = nullptr;
    QLabel* Label21 = nullptr;
    QLineEdit* szukaj = nullptr;
    QToolButton* SpeedButton12 = nullptr; // search
    QToolButton* SpeedButton11 = nullptr; // Wstaw
    QToolButton* SpeedButton10 = nullptr; // Powrót

    // Panel4: help
    QPlainTextEdit* Memo1 = nullptr;
    QToolButton* SpeedButton14 = nullptr; // Koniec pomocy

    // Panel5: yearly summary
    QLabel* Label27 = nullptr;
    QLabel* Label60 = nullptr;
    Bevel* Bevel4 = nullptr;
    QLabel* Label41 = nullptr; // month names, January ...
    QLabel* Label43 = nullptr;
    QLabel* Label44 = nullptr;
    QLabel* Label45 = nullptr;
    QLabel* Label46 = nullptr;
    QLabel* Label47 = nullptr;
    QLabel* Label48 = nullptr;
    QLabel* Label49 = nullptr;
    QLabel* Label50 = nullptr;
    QLabel* Label51 = nullptr;
    QLabel* Label52 = nullptr;
    QLabel* Label42 = nullptr; // ... December
    QProgressBar* ProgressBar1 = nullptr;
    QProgressBar* ProgressBar2 = nullptr;
    QProgressBar* ProgressBar3 = nullptr;
    QProgressBar* ProgressBar4 = nullptr;
    QProgressBar* ProgressBar5 = nullptr;
    QProgressBar* ProgressBar6 = nullptr;
    QProgressBar* ProgressBar7 = nullptr;
    QProgressBar* ProgressBar8 = nullptr;
    QProgressBar* ProgressBar9 = nullptr;
    QProgressBar* ProgressBar10 = nullptr;
    QProgressBar* ProgressBar11 = nullptr;
    QProgressBar* ProgressBar12 = nullptr;
    QLabel* Label29 = nullptr; // month totals, January ... December
    QLabel* Label30 = nullptr;
    QLabel* Label31 = nullptr;
    QLabel* Label32 = nullptr;
    QLabel* Label33 = nullptr;
    QLabel* Label34 = nullptr;
    QLabel* Label35 = nullptr;
    QLabel* Label36 = nullptr;
    QLabel* Label37 = nullptr;
    QLabel* Label38 = nullptr;
    QLabel* Label39 = nullptr;
    QLabel* Label40 = nullptr;
    QLabel* Label53 = nullptr;
    QLabel* Label54 = nullptr; // amount that is 100 %
    Bevel* Bevel5 = nullptr;
    QLabel* Label28 = nullptr;
    QComboBox* lata = nullptr;
    QLabel* Label59 = nullptr;
    QComboBox* klienci = nullptr;
    QToolButton* SpeedButton24 = nullptr; // ? (client list)
    QToolButton* SpeedButton19 = nullptr; // Wylicz
    QToolButton* SpeedButton18 = nullptr; // Powrót
    QToolButton* sprawdz_numeracje = nullptr;

    // Panel6: sales register hand-off
    QLabel* Label61 = nullptr;
    QLabel* Label92 = nullptr; // bill number
    Bevel* Bevel14 = nullptr;
    QLabel* Label74 = nullptr;
    QLineEdit* folder = nullptr;
    QToolButton* SpeedButton27 = nullptr; // ? (folder)
    QLabel* Label75 = nullptr;
    QLineEdit* kwota_brutto = nullptr;
    QLabel* Image5 = nullptr;
    QLabel* Label88 = nullptr;
    QGroupBox* GroupBox9 = nullptr;
    QRadioButton* ro1 = nullptr;
    QRadioButton* ro2 = nullptr;
    QToolButton* SpeedButton30 = nullptr; // Wykonaj
    QToolButton* SpeedButton29 = nullptr; // Zaniechaj

    // Panel7: receivables, the unpaid bills by payment term
    QLabel* tytul_naleznosci = nullptr;
    Bevel* linia_naleznosci = nullptr;
    ChoiceList* lista_naleznosci = nullptr;
    QLabel* suma_naleznosci = nullptr;
    QLabel* opis_daty_zaplaty = nullptr;
    QLineEdit* data_zaplaty = nullptr;
    QLabel* wskazowka_naleznosci = nullptr;
    QToolButton* zaplacono = nullptr;
    QToolButton* powrot_z_naleznosci = nullptr;

    // Builds what the window shows at start, with the overlay panels
    // empty, and sets the window's own size, colours and font. Call once.
    void setup(QWidget* window);
    // Builds the hidden controls: the overlay panels' contents and the
    // calendar. Call once, after setup(); until then their members are null.
    void setupOverlays();
    bool hasOverlays() const { return MonthCalendar1 != nullptr; }

private:
    void setupWindow(QWidget* window);
    void setupCommandColumn();
    void setupDocumentArea();
    void setupCalendar();
    void setupSelectionList();
    void setupHelp();
    void setupSummary();
    void setupHandOff();
    void setupReceivables();
    void setupTabOrder();
    void setupAccessibleNames();
};

} // namespace kw
