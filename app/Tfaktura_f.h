#pragma once

#include "app/faktura_ui.h"
#include "app/platform/platform.h"
#include "app/settings/settings_window.h"
#include "documents/document_form.h"
#include "documents/payment_marks.h"
#include "editing/bill_totals.h"
#include "editing/selection_lines.h"
#include "print/bill_printout.h"
#include "session/document_session.h"
#include "store/data_folder.h"
#include "store/io_error.h"
#include "store/records.h"

#include <QPointer>
#include <QString>
#include <QStringListModel>
#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>

class QPrinter;

namespace kw {

struct ListFileDialog;
class Tfont_f;

// The main window: the document on screen, the command column and the
// overlay panels. The document's life is the document session's; the
// window reads its controls into it, runs its operations and shows what
// they leave.
class Tfaktura_f : public QWidget
{
    Q_OBJECT
public:
    // Complete builds every control in the constructor. Deferred leaves the
    // hidden ones (overlay panels' contents, calendar) until just after the
    // first paint, so the window shows sooner; a command that needs them
    // before then builds them first.
    enum class StartMode { Complete, Deferred };

    // `startFolder` plays the process's current directory at start: the
    // location file is looked up under it.
    Tfaktura_f(kw::Platform& platform, const QString& startFolder, QWidget* parent = nullptr,
               StartMode mode = StartMode::Complete);
    ~Tfaktura_f() override;

    const FakturaUi& controls() const { return ui; }
    const kw::DocumentSession& session() const { return session_; }
    const kw::DocumentState& documentState() const { return session_.state(); }
    const kw::DocumentRecord& workingRecord() const { return session_.working(); }
    const QString& dataFolder() const { return dataFolder_; }
    const QString& todayText() const { return today_; }
    // The bill total in 12 characters as of the last tick, for the sales register.
    const QString& billTotalText() const { return billTotalText_; }
    int copyCount() const { return copyCount_; }
    const std::array<QString, 3>& sellerLines() const { return sellerLines_; }
    const Tfont_f& fontWindow() const { return *font_f; }
    // The settings window while it is open.
    SettingsWindow* settingsWindow() const { return settings_f; }

signals:
    // The user confirmed "Koniec pracy ?" and the window has faded out.
    void moduleClosed();

public slots:
    // Start-up and lifecycle (faktura_startup.cpp). The buttons are wired
    // to these slots in faktura_connections.cpp, the keys in faktura_keys.cpp.
    void FormCreate();
    void Timer1Timer();
    void SpeedButton1Click();
    void SpeedButton4Click();
    void SpeedButton14Click();
    // The 100 ms tick: commands, cash term, totals and words (faktura_tick.cpp).
    void Timer2Timer();
    // The tick's first part: which command buttons are offered and shown.
    void offerCommands();
    // Document operations: store, new bill, delete (faktura_documents.cpp).
    void SpeedButton2Click();
    void SpeedButton6Click();
    void SpeedButton8Click();
    // The selection list: bills, clients, services (faktura_lists.cpp).
    void SpeedButton3Click();
    void SpeedButton5Click();
    void SpeedButton13Click();
    void odbiorcaDblClick();
    void tabelaDblClick();
    void listaDblClick();
    void SpeedButton11Click();
    void SpeedButton10Click();
    void SpeedButton12Click();
    // The calendar for the date of service (faktura_calendar.cpp).
    void SpeedButton7Click();
    void MonthCalendar1DblClick();
    void MonthCalendar1KeyPress();
    // Corrective bills (faktura_correction.cpp).
    void SpeedButton9Click();
    void SpeedButton15Click();
    void SpeedButton16Click();
    // "Drukuj" (faktura_print.cpp).
    void SpeedButton20Click();
    // The yearly summary and its numbering check (faktura_summary.cpp).
    void SpeedButton17Click();
    void SpeedButton24Click();
    void SpeedButton19Click();
    void SpeedButton18Click();
    void sprawdz_numeracjeClick();
    // Templates (faktura_templates.cpp).
    void SpeedButton21Click();
    void SpeedButton22Click();
    void SpeedButton23Click();
    // The sales-register hand-off (faktura_handoff.cpp).
    void SpeedButton25Click();
    void SpeedButton27Click();
    void SpeedButton30Click();
    void SpeedButton29Click();
    // "Ustawienia" (Ctrl+, and the window's context menu; faktura_settings.cpp).
    void openSettings();
    // "Należności" (Ctrl+Shift+N and the window's context menu; faktura_receivables.cpp).
    void openReceivables();
    void markChosenPaid();
    void closeReceivables();

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Runs a handler; an input/output error ends it at that step and is
    // shown, steps done before it stay done.
    template <class Handler>
    void guarded(Handler&& handler)
    {
        try {
            handler();
        } catch (const kw::IoError& error) {
            platform_.dialogs.showError(this, error.message());
        }
    }

    void connectHandlers();
    void connectOverlayHandlers();
    // Builds the hidden controls if they are not yet built; every handler
    // that touches them and is reachable from a shown control calls it.
    void ensureOverlays();
    // FormCreate's steps for the hidden controls.
    void startOverlays();
    void startUpSequence();
    // After a start that failed: of the commands only "Pomoc" and "Zamknij
    // moduł" stay, since the data files could not be read.
    void offerNothingThatWrites();
    void showSeller();
    void connectSettingsCommand();
    // The copy count as stored: its leading digits.
    static int copyCountOf(const kw::SettingsRecord& settings);
    void takeSavedSettings(const kw::SettingsRecord& settings);
    void Wygaszaj();

    // Window <-> document session (faktura_record.cpp).
    // The head fields and grid cells as the controls show them, edits not
    // yet stored included.
    kw::DocumentHead headFromWindow() const;
    kw::DocumentForm formFromWindow() const;
    void readWindowIntoSession();
    // The session's form, captions and line table in the controls, and the
    // commands its state offers.
    void showSessionDocument();
    void showShownLines();
    // The copy label, footnote and copy count of the session's settings.
    void showSettingsTexts();
    // Reads the window into the session, runs `operation` (which returns a
    // notice or none) as a guarded handler and shows what it left, whether
    // it finished or not, then the notice.
    template <class Operation>
    void runOnSession(Operation&& operation)
    {
        readWindowIntoSession();
        std::optional<QString> notice;
        guarded([&] { notice = operation(); });
        showSessionDocument();
        if (notice)
            platform_.dialogs.inform(this, *notice);
    }
    // Grid cells as shown, an open editor's text included.
    QString cellText(int row, int column) const;
    void setCellText(int row, int column, const QString& text);

    void closeCalendar();

    // Keyboard: shortcuts of the commands and of the lists (faktura_keys.cpp).
    void connectShortcuts();
    void connectListKeys();
    // An overlay that opens takes the keyboard; closing it gives the
    // keyboard back to the control that had it.
    void takeFocus(QWidget* overlay);
    void giveFocusBack();
    void keepFocusOffCoveredForm(QWidget* focused);

    kw::DataPaths paths() const { return kw::DataPaths(dataFolder_); }

    // Stores the document on screen as "Zapisz rachunek" does once its
    // questions are answered; false when an error stopped it (it is shown).
    bool storeShownDocument();

    // The tick's line totals written into column 6; the totals of the grid.
    kw::BillTotals showLineTotals();
    // The tick's payment term of a cash bill: its issue date.
    void keepCashTerm();

    // Unsaved changes of the document on screen (faktura_unsaved.cpp).
    bool hasUnsavedChanges();
    // Before closing: offers to store unsaved changes. False when the
    // window is to stay open (the user cancelled, or storing failed).
    bool unsavedChangesSettled();

    // Selection list (faktura_lists.cpp).
    enum class ListMode { Clients, Services, Bills };
    template <class Load>
    void openList(Load&& load);
    template <class ListRecord, class MakeLines>
    void openListFile(ListMode mode, const kw::ListFileDialog& dialog, const QString& title,
                      std::optional<ListRecord>& buffer, MakeLines makeLines);
    void showList(ListMode mode, const QString& title, kw::SelectionLines lines);
    void selectListLine(int index);
    void closeList();
    void insertChosen(bool withExtra);
    void insertClient(int slot);
    void insertService(int slot, bool withExtra);
    void loadChosenBill(qint64 position);

    kw::BillPrintout printoutFromWindow() const;
    // `stored` printed as a duplicate issued on `issued`.
    kw::BillPrintout duplicatePrintout(const kw::DocumentRecord& stored, QDate issued) const;
    // Whether "Drukuj" is offered now, after the commands were brought up to date.
    bool printOffered();
    // The preview, duplicate and e-mail entries of "Drukuj"'s context menu,
    // and the preview's shortcut.
    void connectPrintExtras();
    QStringList protectedOutputFolders() const;
    // Shows the print dialog for the printout, then prints it once per copy;
    // `printout` is made again after the dialog, with the print font read anew.
    void printThroughDialog(const std::function<kw::BillPrintout()>& printout);
    void printDuplicate();
    void prepareBillPrinter(QPrinter& printer, const kw::BillPrintout& bill) const;
    void printToPdfFile(const kw::BillPrintout& bill, const QStringList& copyLabels, const QString& pdfFile);
    void paintPreviewPages(QPrinter& printer);
    void showPrintPreview();
    void mailShownBill();

    // Templates (faktura_templates.cpp).
    QString templatesFolder() const;

    // "Należności" (faktura_receivables.cpp).
    void connectReceivablesCommand();
    void connectReceivablesPanel();
    // Reads the unpaid bills into the panel; false when reading failed (it is shown).
    bool showReceivables();
    void markPaid(const kw::Receivable& receivable, QDate date);
    // "Zapłacono 2026-03-05" or why not, for a stored bill; read from the marks file.
    void showPaymentCaption();

    FakturaUi ui;
    kw::Platform& platform_;
    QString startFolder_;
    QString dataFolder_;
    QString today_;
    kw::LocationRecord location_;
    kw::CompanyRecord company_;
    kw::InfoRecord info_;
    std::array<QString, 3> sellerLines_;
    int copyCount_ = 0;
    kw::DocumentSession session_;
    // Every data file was read at start; until then nothing is offered that writes.
    bool started_ = false;
    QString billTotalText_;
    // The process's current directory as the module sees it: file dialogs
    // start under it, and it returns to the data folder after each of them.
    QString currentFolder_;
    ListMode listMode_ = ListMode::Bills;
    kw::SelectionLines listLines_;
    QStringListModel listModel_;
    // Filled when a list file is opened; the client list is 3.5 MB.
    std::optional<kw::ClientListRecord> clientList_;
    std::optional<kw::ServiceListRecord> serviceList_;
    // The rows of "Należności" as listed.
    QList<kw::Receivable> receivables_;
    // The print-font window, never shown.
    std::unique_ptr<Tfont_f> font_f;
    QPointer<SettingsWindow> settings_f;
    QTimer timer1_;
    QTimer timer2_;
    QPointer<QWidget> focusBeforeOverlay_;
    // Deferred start: the overlays are still to be built after the first paint.
    bool overlaysAfterPaint_ = false;
};

} // namespace kw
