#pragma once

#include "app/settings/settings_page.h"
#include "editing/slot_list.h"
#include "store/data_folder.h"
#include "store/edited_file.h"

#include <QList>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace kw {

class Dialogs;

// A page of the settings window over a client or service list file: the
// slots in use in a table with a search field, a form for the chosen slot,
// and adding, changing and deleting slots. Every change is stored at once;
// slot numbers never move, a deleted slot is emptied in place. Text typed
// while no slot is chosen is stored as a new entry in the first free slot;
// changes not stored yet are asked about before the form shows another slot.
class SlotListPage : public SettingsPage
{
    Q_OBJECT
public:
    // `itemName` names one entry in messages ("klienta", "usługę"). Throws
    // IoError when the file cannot be read or is shorter than its record.
    SlotListPage(Dialogs& dialogs, FileOps& files, const DataPaths& paths, const QString& file,
                 const SlotListLayout& layout, const QString& itemName, QWidget* parent = nullptr);

    const SlotList& list() const { return list_; }
    int currentSlot() const { return slot_; }

    QLineEdit* search() const { return search_; }
    QTableWidget* table() const { return table_; }
    QLineEdit* edit(int column) const { return edits_[column]; }

    // The form's commands.
    void startNew();
    bool storeCurrent();
    bool deleteCurrent();
    // Shows `slot` in the form; false when the user kept the form as it was.
    bool chooseSlot(int slot);
    // CSV files of the list; each reports what it did.
    bool importCsv();
    bool exportCsv();

    bool isModified() const override;
    bool saveChanges() override { return storeCurrent(); }
    void discardChanges() override { showSlot(); }

private:
    // Stores `changed` as the file; false, with the reason shown, when not.
    bool store(const SlotList& changed);
    void showTable();
    void showSlot();
    void showChosen(int slot);
    // Marks `slot`'s row as the table's current one, or none.
    void selectRowOf(int slot);
    QStringList typedValues() const;
    // Asks about the form's changes not stored yet: true when the form may
    // show something else (stored, dropped, or there were none).
    bool settleChanges();
    // The first free slot; 0, with the user told so, when the list is full.
    int freeSlotOrTell();

    Dialogs& dialogs_;
    FileOps& files_;
    DataPaths paths_;
    EditedFile file_;
    SlotList list_;
    QString itemName_;
    // The slot the form shows; 0 when none.
    int slot_ = 0;
    // The form's texts as last shown or stored.
    QStringList shown_;
    QLineEdit* search_ = nullptr;
    QTableWidget* table_ = nullptr;
    QLabel* slotLabel_ = nullptr;
    QList<QLineEdit*> edits_;
};

} // namespace kw
