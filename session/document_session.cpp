#include "session/document_session.h"

#include "documents/document_template.h"
#include "documents/payment_marks.h"
#include "editing/next_number.h"
#include "session/form_rules.h"
#include "store/data_files.h"
#include "store/document_file.h"
#include "store/document_head.h"
#include "store/io_error.h"
#include "store/record_file.h"

namespace kw {

namespace {

QString loadedCaption(bool corrective)
{
    return corrective ? QStringLiteral("Edycja wczytanego rachunku korygującego")
                      : QStringLiteral("Edycja wczytanego rachunku");
}

QString newBillCaption() { return QStringLiteral("Edycja nowego rachunku"); }

void copyTable(const DocumentRecord& record, LineTable table, DocumentForm& form)
{
    for (int c = 1; c <= doc::Columns; ++c)
        for (int r = 1; r <= doc::Lines; ++r)
            form.cells[c - 1][r - 1] = record.get(lineCell(table, c, r));
}

void copyTable(const DocumentForm& form, DocumentRecord& record, LineTable table)
{
    for (int c = 1; c <= doc::Columns; ++c)
        for (int r = 1; r <= doc::Lines; ++r)
            record.set(lineCell(table, c, r), form.cells[c - 1][r - 1]);
}

// An operation that begins a document ends with its form counting as no
// change, even when reading the settings for its number failed half-way.
class UntouchedOnExit
{
public:
    explicit UntouchedOnExit(DocumentSession& session) : session_(session) {}
    ~UntouchedOnExit() { session_.markUntouched(); }
    UntouchedOnExit(const UntouchedOnExit&) = delete;
    UntouchedOnExit& operator=(const UntouchedOnExit&) = delete;

private:
    DocumentSession& session_;
};

} // namespace

DocumentSession::DocumentSession(FileOps& ops)
    : ops_(ops), modeCaption_(QStringLiteral("Wczytany ostatnio wystawiony dokument"))
{
    state_.startUp();
}

void DocumentSession::setFolder(const DataPaths& paths, const QString& today)
{
    paths_ = paths;
    today_ = today;
    form_.head.issueDate = today;
}

DocumentRecord DocumentSession::recordToStore() const { return recordOf(form_); }

DocumentRecord DocumentSession::recordOf(const DocumentForm& form) const
{
    DocumentRecord record = working_;
    writeHead(record, form.head);
    record.set(doc::CorrectedRef, correctedReference_);
    record.set(doc::DocKind, state_.inCorrection() ? QStringLiteral("K") : QStringLiteral("F"));
    // While the lines before a correction are shown, the corrected lines
    // wait in the working record.
    if (shownLines_ != ShownLines::BeforeCorrection)
        copyTable(form, record, state_.inCorrection() ? LineTable::Correction : LineTable::Bill);
    return record;
}

bool DocumentSession::hasUnsavedChanges() const
{
    // The cash term and the line totals follow from the form, whether or not
    // they have been written into it yet: they are no change of the user's.
    DocumentForm settled = form_;
    keepCashTerm(settled.head);
    writeLineTotals(settled);
    return recordOf(settled) != untouched_;
}

void DocumentSession::markUntouched()
{
    keepCashTerm(form_.head);
    writeLineTotals(form_);
    untouched_ = recordToStore();
}

void DocumentSession::readSettingsRecord()
{
    const QString file = paths_.settingsFile();
    createIfMissing(ops_, file, SettingsRecord().bytes());
    settings_ = readSingleRecord<SettingsRecord>(ops_, file);
}

void DocumentSession::readSettings()
{
    readSettingsRecord();
    form_.head.place = settings_.get(settings::Place);
    form_.head.number = settings_.get(settings::BillNumber);
    form_.head.numberSuffix = settings_.get(settings::BillSuffix);
    form_.head.signature = settings_.get(settings::Signature);
}

std::optional<QString> DocumentSession::openDocuments()
{
    std::optional<QString> notice;
    DocumentFile documents(ops_, paths_);
    // Before a missing document file is made anew: a delete that failed
    // half-way may have left the whole register only in its copy.
    if (documents.restoreFromCopy())
        notice = QStringLiteral("Brakowało pliku dokumentów %1; odtworzono go z kopii %2, "
                                "którą zostawiło przerwane usuwanie dokumentu.")
                     .arg(paths_.documentFile(), paths_.documentCopyFile());
    createIfMissing(ops_, paths_.documentFile(), sentinelRecord(today_).bytes());
    loadLast();
    return notice;
}

// The record shown in the form. A record of neither kind shows only its head.
void DocumentSession::putRecord(const DocumentRecord& record)
{
    working_ = record;
    form_.head = readHead(working_);
    if (!hasKnownKind(working_))
        return;
    const bool corrective = isCorrective(working_);
    state_.setCorrectionMode(corrective);
    correctedReference_ = corrective ? working_.get(doc::CorrectedRef) : QString();
    copyTable(working_, corrective ? LineTable::Correction : LineTable::Bill, form_);
    // The lines before a correction are no longer shown, so storing is
    // possible again.
    if (shownLines_ == ShownLines::BeforeCorrection)
        state_.linesAfterCorrectionShown();
    shownLines_ = corrective ? ShownLines::Correction : ShownLines::Bill;
}

void DocumentSession::loadedKindShown()
{
    const bool corrective = isCorrective(working_);
    kindCaption_ = corrective ? QStringLiteral("korygujący") : QString();
    if (hasKnownKind(working_))
        modeCaption_ = loadedCaption(corrective);
}

void DocumentSession::loadLast()
{
    DocumentFile documents(ops_, paths_);
    const qint64 last = documents.count();
    const DocumentRecord record = documents.read(last);
    loaded_ = record;
    state_.lastLoaded(last, isCorrective(record), hasKnownKind(record));
    putRecord(record);
    loadedKindShown();
    markUntouched();
}

void DocumentSession::loadChosen(qint64 position)
{
    const DocumentRecord record = DocumentFile(ops_, paths_).read(position);
    loaded_ = record;
    putRecord(record);
    loadedKindShown();
    state_.chosenLoaded(position, isCorrective(record), hasKnownKind(record));
    markUntouched();
}

void DocumentSession::setNumber(const QString& last, const QString& document, std::optional<QString>& notice)
{
    const std::optional<QString> next = nextDocumentNumber(last, settings::BillNumber.maxChars);
    form_.head.number = next.value_or(QString());
    if (!next)
        notice = noNextNumberNotice(document, last);
}

std::optional<QString> DocumentSession::beginNewBill()
{
    state_.newBillBegun();
    modeCaption_ = newBillCaption();
    kindCaption_.clear();
    correctedReference_.clear();
    shownLines_ = ShownLines::NewDocument;
    form_ = DocumentForm();
    form_.head.issueDate = today_;

    const UntouchedOnExit untouched(*this);
    std::optional<QString> notice;
    readSettings();
    setNumber(settings_.get(settings::BillNumber), QStringLiteral("rachunku"), notice);
    return notice;
}

std::optional<QString> DocumentSession::beginCorrection()
{
    modeCaption_ = QStringLiteral("Edycja korygowanego rachunku");
    kindCaption_ = QStringLiteral("korygowany");
    state_.correctionBegun();
    correctedReference_ = working_.get(doc::DocNumber) + QLatin1Char('/') + working_.get(doc::NumberSuffix);
    shownLines_ = ShownLines::Correction;

    const UntouchedOnExit untouched(*this);
    std::optional<QString> notice;
    readSettingsRecord();
    form_.head.numberSuffix = settings_.get(settings::CorrectionSuffix);
    setNumber(settings_.get(settings::CorrectionNumber), QStringLiteral("rachunku korygującego"), notice);
    return notice;
}

void DocumentSession::showLinesBeforeCorrection()
{
    state_.linesBeforeCorrectionShown();
    // Pressed twice in a row, the form already holds the lines before.
    if (shownLines_ != ShownLines::BeforeCorrection)
        copyTable(form_, working_, LineTable::Correction);
    copyTable(working_, LineTable::Bill, form_);
    shownLines_ = ShownLines::BeforeCorrection;
}

void DocumentSession::showLinesAfterCorrection()
{
    state_.linesAfterCorrectionShown();
    copyTable(working_, LineTable::Correction, form_);
    shownLines_ = ShownLines::Correction;
}

std::optional<QString> DocumentSession::suffixQuestion() const
{
    // The number is printed as number/extension, so an extension typed as
    // "/2026" would put "1//2026" on the bill and into the settings.
    if (!form_.head.numberSuffix.startsWith(QLatin1Char('/')))
        return std::nullopt;
    return QStringLiteral("Rozszerzenie numeru zaczyna się od „/”, a numer jest drukowany "
                          "jako numer/rozszerzenie (np. 1//2026). Zapisać rachunek mimo to?");
}

QString DocumentSession::storeQuestion() const
{
    if (state_.inCorrection())
        return state_.isNew() ? QStringLiteral("Zapisać nowy rachunek korygujący ?")
                              : QStringLiteral("Zapisać zmiany w rachunku korygującym ?");
    return state_.isNew() ? QStringLiteral("Zapisać nowy rachunek ?") : QStringLiteral("Zapisać zmiany w rachunku ?");
}

qint64 DocumentSession::store(TakenNumbers taken)
{
    state_.storeConfirmed();
    keepCashTerm(form_.head);
    normaliseAmounts(form_);
    DocumentFile documents(ops_, paths_);
    working_ = recordToStore();
    if (state_.isNew()) {
        const qint64 position =
            taken == TakenNumbers::Refused ? documents.appendWithFreeNumber(working_) : documents.append(working_);
        state_.appended(position);
        // The document is stored whatever happens to the numbers: it is
        // shown as stored before a failure to write them is reported.
        std::optional<IoError> numbersFailed;
        try {
            storeNumbers();
        } catch (const IoError& error) {
            numbersFailed = error;
        }
        loadLast();
        if (numbersFailed)
            throw *numbersFailed;
        return position;
    }
    const qint64 position = state_.currentRecord();
    const DocumentRecord before = loaded_;
    documents.overwrite(position, working_, loaded_);
    loaded_ = documents.read(position);
    putRecord(loaded_);
    state_.overwritten(isCorrective(working_), hasKnownKind(working_));
    modeCaption_ = loadedCaption(isCorrective(working_));
    markUntouched();
    // The document is stored and shown as stored before a failure to carry
    // its payment mark over to its new number or date is reported.
    movePayment(ops_, paths_, before, loaded_);
    return position;
}

// The settings file keeps the place, the signature and the number of the
// last stored document of each kind. Its other fields are taken from the
// file as it is now, so a change made in the settings window of another
// instance since this one read it is not written back over.
void DocumentSession::storeNumbers()
{
    const QString file = paths_.settingsFile();
    try {
        settings_ = readSingleRecord<SettingsRecord>(ops_, file);
    } catch (const IoError&) {
        // A file that cannot be read now is replaced from the record in memory.
    }
    const DocumentHead& head = form_.head;
    settings_.set(settings::Place, head.place);
    if (isCorrective(working_)) {
        settings_.set(settings::CorrectionNumber, head.number);
        settings_.set(settings::CorrectionSuffix, head.numberSuffix);
    } else {
        settings_.set(settings::BillNumber, head.number);
        settings_.set(settings::BillSuffix, head.numberSuffix);
    }
    settings_.set(settings::Signature, head.signature);
    RecordFile(ops_, file, settings::Size).replace(settings_.bytes());
}

std::optional<QString> DocumentSession::deleteRefusal() const
{
    if (DocumentFile(ops_, paths_).count() == 1)
        return QStringLiteral("Nie można usunąć ostatniego wpisu");
    return std::nullopt;
}

QString DocumentSession::deleteQuestion() { return QStringLiteral("Usunąć dokument ?"); }

void DocumentSession::remove()
{
    state_.deleteConfirmed();
    const DocumentRecord deleted = loaded_;
    DocumentFile(ops_, paths_).remove(state_.currentRecord(), loaded_);
    // The document is deleted whatever happens to its payment mark; a
    // failure to drop the mark is reported once the last one is loaded.
    std::optional<IoError> markFailed;
    try {
        dropPayment(ops_, paths_, deleted);
    } catch (const IoError& error) {
        markFailed = error;
    }
    try {
        loadLast();
    } catch (const IoError&) {
        // The shown document is no longer stored and its old position now
        // holds the next one: deleting again or overwriting would hit that
        // one, so the shown document becomes a new one, stored by appending.
        // Nor is it a corrective bill any more: it is stored as a bill.
        state_.shownDocumentLost();
        modeCaption_ = newBillCaption();
        kindCaption_.clear();
        correctedReference_.clear();
        throw;
    }
    if (markFailed)
        throw *markFailed;
}

DocumentRecord DocumentSession::templateToSave() const { return templateRecord(form_); }

void DocumentSession::insertTemplate(const DocumentRecord& tpl)
{
    state_.templateInserted();
    form_ = applyTemplate(tpl, form_);
}

} // namespace kw
