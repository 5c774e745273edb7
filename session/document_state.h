#pragma once

#include <QtGlobal>

namespace kw {

// What the document being edited is, and so which commands are offered.
// The transitions are the events of the document's life; the window applies
// the answers to its buttons on every tick.
class DocumentState
{
public:
    bool isNew() const { return newDocument_; }
    bool inCorrection() const { return correctionMode_; }
    bool saveEnabled() const { return saveEnabled_; }
    bool deleteEnabled() const { return deleteEnabled_; }
    // 1-based position in the document file of the stored document shown
    // (for a new document: of the one shown before it).
    qint64 currentRecord() const { return currentRecord_; }

    // Commands offered.
    bool printEnabled() const { return !newDocument_; }
    bool summaryEnabled() const { return !newDocument_; }
    bool saveTemplateEnabled() const { return !newDocument_; }
    bool insertTemplateEnabled() const { return newDocument_; }
    bool templatesVisible() const { return !correctionMode_; }
    bool correctionNoteVisible() const { return correctionMode_; }
    // "Nowy rachunek" is taken away by itself and given back only by storing
    // a new document or by opening the list of bills.
    bool newBillEnabled() const { return newBillEnabled_; }
    // "Korekta rachunku": only a loaded bill of kind "F" can be corrected.
    bool correctionEnabled() const { return correctionEnabled_; }

    // A document was put into the window: its kind decides correction mode.
    void setCorrectionMode(bool on) { correctionMode_ = on; }

    // Events.
    void startUp()
    {
        deleteEnabled_ = true;
        saveEnabled_ = true;
        newDocument_ = false;
        correctionEnabled_ = false;
    }
    // The last record of the file was loaded (start-up, after storing a new
    // document, after deleting). `kind` is the record's kind.
    void lastLoaded(qint64 position, bool corrective, bool kindKnown)
    {
        newDocument_ = false;
        kindLoaded(corrective, kindKnown);
        currentRecord_ = position;
    }
    // A bill chosen from the list was loaded.
    void chosenLoaded(qint64 position, bool corrective, bool kindKnown)
    {
        newDocument_ = false;
        kindLoaded(corrective, kindKnown);
        saveEnabled_ = true;
        deleteEnabled_ = true;
        currentRecord_ = position;
    }
    void newBillBegun()
    {
        shownDocumentLost();
        newBillEnabled_ = false;
    }
    // The document shown is no longer stored where it was (a delete that
    // could not load the last document after it): it can only be stored anew.
    void shownDocumentLost()
    {
        newDocument_ = true;
        correctionMode_ = false;
        saveEnabled_ = true;
        deleteEnabled_ = false;
        correctionEnabled_ = false;
    }
    void correctionBegun()
    {
        newDocument_ = true;
        correctionMode_ = true;
        deleteEnabled_ = false;
        correctionEnabled_ = false;
    }
    void billListOpened() { newBillEnabled_ = true; }
    void linesBeforeCorrectionShown() { saveEnabled_ = false; }
    void linesAfterCorrectionShown() { saveEnabled_ = true; }
    void templateInserted() { correctionMode_ = false; }
    // After the question of storing was answered yes.
    void storeConfirmed() { deleteEnabled_ = true; }
    // A new document was appended at `position`.
    void appended(qint64 position)
    {
        newDocument_ = false;
        correctionMode_ = false;
        currentRecord_ = position;
        newBillEnabled_ = true;
    }
    // A stored document was overwritten and read back with `kind`.
    void overwritten(bool corrective, bool kindKnown)
    {
        newDocument_ = false;
        if (kindKnown)
            correctionMode_ = corrective;
    }
    // After the question of deleting was answered yes.
    void deleteConfirmed()
    {
        newDocument_ = false;
        correctionMode_ = false;
    }

private:
    // The kind of a loaded record decides the mode; a record of neither
    // kind leaves both as they were.
    void kindLoaded(bool corrective, bool kindKnown)
    {
        if (!kindKnown)
            return;
        correctionMode_ = corrective;
        correctionEnabled_ = !corrective;
    }

    bool newDocument_ = false;
    bool correctionMode_ = false;
    bool saveEnabled_ = true;
    bool deleteEnabled_ = true;
    bool newBillEnabled_ = true;
    bool correctionEnabled_ = false;
    qint64 currentRecord_ = 0;
};

} // namespace kw
