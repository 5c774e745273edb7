#pragma once

#include "app/settings/settings_page.h"
#include "documents/settings_fields.h"
#include "store/data_folder.h"
#include "store/edited_file.h"

#include <QList>

class QLabel;
class QLineEdit;
class QPushButton;

namespace kw {

class Dialogs;

// A page of the settings window over a one-record file of text fields: one
// edit per field, each with the field's meaning as its tooltip, and
// "Zapisz", which stores the fields as typed or refuses with the reason.
class FieldsPage : public SettingsPage
{
    Q_OBJECT
public:
    // A check of one field's text that the user may overrule: an invalid
    // text is shown as such beside the field, and stored only after a "yes"
    // to `question`.
    struct Check {
        int field;
        bool (*valid)(const QString&);
        QString invalidText;
        QString question;
    };

    // Opens `file` of the data folder `paths`; `storedText` tells that a
    // save succeeded. Throws IoError when the file cannot be read or is
    // shorter than its record.
    FieldsPage(Dialogs& dialogs, FileOps& files, const DataPaths& paths, const QString& file, int recordSize,
               const QList<SettingsField>& fields, const QString& storedText, const QList<Check>& checks = {},
               QWidget* parent = nullptr);

    QLineEdit* edit(int field) const { return edits_[field]; }
    QPushButton* saveButton() const { return save_; }

    // Stores the texts; false, with the reason shown, when they were not.
    bool saveFields();

    bool isModified() const override;
    bool saveChanges() override { return saveFields(); }
    void discardChanges() override;

    // After this program wrote the file itself: shows the file as it is now
    // unless the page holds changes not yet stored (their save is then
    // refused as for any change on disk).
    void reloadIfUntouched();

signals:
    // The file now holds `record`.
    void saved(const QByteArray& record);

private:
    QStringList typedTexts() const;
    void showTexts(const QStringList& texts);
    void showCheck(const Check& check);
    // Whether every failed check was confirmed.
    bool checksConfirmed();

    Dialogs& dialogs_;
    DataPaths paths_;
    EditedFile file_;
    QList<SettingsField> fields_;
    QString storedText_;
    QList<Check> checks_;
    QList<QLineEdit*> edits_;
    // The texts as last shown from the file or stored.
    QStringList shownTexts_;
    QList<QLabel*> checkLabels_;
    QPushButton* save_ = nullptr;
};

} // namespace kw
