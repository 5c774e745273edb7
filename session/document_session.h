#pragma once

#include "documents/document_form.h"
#include "session/document_state.h"
#include "store/data_folder.h"
#include "store/file_ops.h"
#include "store/records.h"

#include <QString>

#include <optional>

namespace kw {

// Which of the document's line tables the form's cells hold.
enum class ShownLines {
    NewDocument,      // the lines of a new bill being typed
    Bill,             // a bill's lines
    Correction,       // a corrective bill's lines after the correction
    BeforeCorrection, // a corrective bill's lines before it, read-only
};

// The life of one document being edited, with no window: the form the user
// edits, the record it was loaded from, the document state and the settings
// it is numbered from. The window reads its controls into the form, calls an
// operation and shows the form, captions and state the operation left; the
// command line drives the same operations.
//
// Every operation reads and writes the data files through `ops` and throws
// IoError when one fails. The steps done before the failure stay done, as
// the state says; the form keeps what the operation had put into it.
// Texts for the user are returned as values: a question to ask before an
// operation, a notice to show after one.
class DocumentSession
{
public:
    explicit DocumentSession(FileOps& ops);

    // The data folder and the date of the session; nothing is read yet.
    void setFolder(const DataPaths& paths, const QString& today);
    const DataPaths& paths() const { return paths_; }
    const QString& today() const { return today_; }

    // What the document area shows: the head and the line table `shownLines`.
    const DocumentForm& form() const { return form_; }
    // The user's edits, read from the window before an operation.
    void setForm(const DocumentForm& form) { form_ = form; }
    ShownLines shownLines() const { return shownLines_; }
    const DocumentState& state() const { return state_; }
    // The record last loaded or stored, with the lines the form does not show.
    const DocumentRecord& working() const { return working_; }
    const SettingsRecord& settings() const { return settings_; }
    // The settings saved in "Ustawienia": they number the next new document.
    void takeSettings(const SettingsRecord& settings) { settings_ = settings; }
    // "12/2009": the bill a corrective bill corrects.
    const QString& correctedReference() const { return correctedReference_; }
    // What is being edited ("Edycja nowego rachunku", ...) and the kind
    // shown beside the number ("korygujący", "korygowany" or nothing).
    const QString& modeCaption() const { return modeCaption_; }
    const QString& kindCaption() const { return kindCaption_; }

    // The stored document shown (state().isNew() is false), exactly as the
    // file holds it: what a duplicate prints, whatever was edited on screen
    // since. Throws IoError (documentChangedNotice) when another instance
    // changed, moved or deleted it after it was loaded.
    DocumentRecord storedShown() const;

    // What storing would write now: the working record with the form in it.
    DocumentRecord recordToStore() const;
    // Whether storing would write something else than the document held
    // when it was loaded, stored or begun (a new one: anything typed).
    bool hasUnsavedChanges() const;

    // Start-up: ensures and reads the settings file, whose place, numbers
    // and signature fill the form until a document is loaded.
    void readSettings();
    // Start-up: puts back a document file a broken delete left only as its
    // copy (the notice says so), creates a missing one with its opening
    // record and loads the last document.
    std::optional<QString> openDocuments();

    // Loading: the last stored document, or the one at `position` chosen
    // from the list of bills.
    void loadLast();
    void loadChosen(qint64 position);
    void billListOpened() { state_.billListOpened(); }

    // "Nowy rachunek": an empty bill numbered after the settings' last bill.
    // The notice says why the number is left empty, when there is none.
    std::optional<QString> beginNewBill();

    // "Korekta rachunku": a new corrective bill of the loaded bill, its
    // corrected lines to be edited, numbered in the corrective series.
    std::optional<QString> beginCorrection();
    // "Pokaż przed korektą" and "Pokaż po korekcie".
    void showLinesBeforeCorrection();
    void showLinesAfterCorrection();

    // "Zapisz rachunek": the questions asked first, then storing. The
    // question about the number extension comes only when it starts with "/".
    std::optional<QString> suffixQuestion() const;
    // Asked between the two when another stored document of the same kind
    // has the number and extension being stored (an overwritten document's
    // own position aside). Throws IoError when the file cannot be read.
    std::optional<QString> takenNumberQuestion() const;
    QString storeQuestion() const;
    // Appends a new document and writes its numbers into the settings, or
    // overwrites the stored one; either way the form shows it as read back.
    // Returns the position it was stored at. With TakenNumbers::Refused a new
    // document whose number a stored one of its kind has is refused (see
    // DocumentFile::appendWithFreeNumber).
    enum class TakenNumbers { Allowed, Refused };
    qint64 store(TakenNumbers taken = TakenNumbers::Allowed);

    // "Usuń rachunek": the notice that refuses it (the file's only record),
    // the question, then removing the shown document and loading the last.
    std::optional<QString> deleteRefusal() const;
    static QString deleteQuestion();
    void remove();

    // "Zapisz szablon" and "Wstaw szablon".
    DocumentRecord templateToSave() const;
    void insertTemplate(const DocumentRecord& tpl);

    // What the form holds now, with the cash term and line totals that
    // follow from it, counts as no change.
    void markUntouched();

private:
    DocumentRecord recordOf(const DocumentForm& form) const;
    void readSettingsRecord();
    void putRecord(const DocumentRecord& record);
    void loadedKindShown();
    void setNumber(const QString& last, const QString& document, std::optional<QString>& notice);
    void storeNumbers();

    FileOps& ops_;
    DataPaths paths_;
    QString today_;
    DocumentForm form_;
    ShownLines shownLines_ = ShownLines::Bill;
    DocumentState state_;
    DocumentRecord working_;
    // The stored document exactly as read from the file: storing over it or
    // deleting it is refused when the file no longer holds it.
    DocumentRecord loaded_;
    DocumentRecord untouched_;
    SettingsRecord settings_;
    QString correctedReference_;
    QString modeCaption_;
    QString kindCaption_;
};

} // namespace kw
