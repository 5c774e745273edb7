#pragma once

#include "store/data_folder.h"
#include "store/records.h"

#include <QWidget>

class QLabel;
class QTabWidget;

namespace kw {

class Dialogs;
class FileOps;
class FieldsPage;
class PrintFontPage;
class SettingsPage;
class SlotListPage;
class TransferCodeSwitch;

// "Ustawienia": the seller, numbering and printing, the print font, and
// the client and service lists, written in the files the suite's other
// programs read; under the pages, the switch of the payment QR code. A window of its own beside the main window. Each
// save is told in the status line under the pages; a page left or the window closed with changes not stored asks
// whether to store them first.
class SettingsWindow : public QWidget
{
    Q_OBJECT
public:
    // Creates the data files of `paths` that are missing, as the module's
    // start does, then opens each of them. `fontFolder` holds FONT, where the
    // printout reads its font. Throws IoError when a file cannot be created
    // or read.
    SettingsWindow(Dialogs& dialogs, FileOps& files, const DataPaths& paths, const QString& fontFolder,
                   QWidget* parent = nullptr);

    QTabWidget* pages() const { return pages_; }
    FieldsPage* sellerPage() const { return seller_; }
    FieldsPage* numberingPage() const { return numbering_; }
    PrintFontPage* fontPage() const { return font_; }
    SlotListPage* clientsPage() const { return clients_; }
    SlotListPage* servicesPage() const { return services_; }
    TransferCodeSwitch* transferCodeSwitch() const { return transferCode_; }
    QLabel* status() const { return status_; }

signals:
    void sellerSaved(const CompanyRecord& seller);
    void settingsSaved(const SettingsRecord& settings);
    void printFontSaved();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    SettingsPage* page(int index) const;
    // Asks about the changes of the page at `index` that are not stored
    // yet: true when the page may be left (stored, dropped, or none).
    bool settlePage(int index);
    // The user chose the page at `index`: the page left is asked about
    // first, and stays on screen unless its changes were settled.
    void choosePage(int index);

    Dialogs& dialogs_;
    QTabWidget* pages_ = nullptr;
    // The page shown before the current one was chosen.
    int shownPage_ = 0;
    QLabel* status_ = nullptr;
    FieldsPage* seller_ = nullptr;
    FieldsPage* numbering_ = nullptr;
    PrintFontPage* font_ = nullptr;
    SlotListPage* clients_ = nullptr;
    SlotListPage* services_ = nullptr;
    TransferCodeSwitch* transferCode_ = nullptr;
};

} // namespace kw
