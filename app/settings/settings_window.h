#pragma once

#include "store/data_folder.h"
#include "store/records.h"

#include <QWidget>

class QTabWidget;

namespace kw {

class Dialogs;
class FileOps;
class FieldsPage;
class PrintFontPage;
class SlotListPage;

// "Ustawienia": the seller, numbering and printing, the print font, and
// the client and service lists, written in the files the suite's other
// programs read. A window of its own beside the main window.
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

signals:
    void sellerSaved(const CompanyRecord& seller);
    void settingsSaved(const SettingsRecord& settings);
    void printFontSaved();

private:
    QTabWidget* pages_ = nullptr;
    FieldsPage* seller_ = nullptr;
    FieldsPage* numbering_ = nullptr;
    PrintFontPage* font_ = nullptr;
    SlotListPage* clients_ = nullptr;
    SlotListPage* services_ = nullptr;
};

} // namespace kw
