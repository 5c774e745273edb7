// The life of the document on screen: a new bill, storing it, deleting it.

#include "app/Tfaktura_f.h"

#include "app/settings/fields_page.h"
#include "app/widgets/bill_grid.h"
#include "app/widgets/dbl_click_line_edit.h"
#include "editing/amount_text.h"
#include "editing/bill_totals.h"
#include "editing/next_number.h"
#include "store/data_files.h"
#include "store/document_file.h"
#include "store/record_file.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include <optional>

using namespace kw;

void Tfaktura_f::SpeedButton6Click()
{
    ensureOverlays();
    state_.newBillBegun();
    ui.SpeedButton6->setEnabled(false);
    ui.Label22->setText(QStringLiteral("Edycja nowego rachunku"));
    ui.SpeedButton9->setEnabled(false);
    ui.Label24->clear();
    ui.Label25->setText(QStringLiteral("Tabelka dokumentu"));
    ui.tabela->setEnabled(true);

    for (QLineEdit* edit :
         {ui.miejscowosc, static_cast<QLineEdit*>(ui.odbiorca1), static_cast<QLineEdit*>(ui.odbiorca2),
          static_cast<QLineEdit*>(ui.odbiorca3), static_cast<QLineEdit*>(ui.odbiorca4), ui.nip_odbiorcy, ui.podpis,
          ui.szukaj, ui.data_uslugi})
        edit->clear();
    for (QLabel* label : {ui.Label13, ui.Label14, ui.Label19, ui.Label23})
        label->clear();
    ui.forma_zaplaty->setEditText(QString());
    ui.termin_zaplaty->setEditText(QString());
    ui.Label17->setText(QStringLiteral("0.00 PLN"));
    ui.data_wystawienia->setText(today_);
    for (int r = 1; r <= doc::Lines; ++r)
        for (int c = 1; c <= doc::Columns; ++c)
            setCellText(r, c, QString());

    guarded([this] {
        readSettings();
        showNextNumber(settings_.get(settings::BillNumber), QStringLiteral("rachunku"));
    });
    noteUntouched();
}

QString Tfaktura_f::storeQuestion() const
{
    if (state_.inCorrection())
        return state_.isNew() ? QStringLiteral("Zapisać nowy rachunek korygujący ?")
                              : QStringLiteral("Zapisać zmiany w rachunku korygującym ?");
    return state_.isNew() ? QStringLiteral("Zapisać nowy rachunek ?") : QStringLiteral("Zapisać zmiany w rachunku ?");
}

// Non-zero quantities and prices are stored with two decimals, right-aligned,
// and the line totals follow the figures stored, so that a reload, the
// printout and the summary show what the window showed.
void Tfaktura_f::normaliseAmounts()
{
    ui.tabela->commitOpenEditor();
    for (int r = 1; r <= doc::Lines; ++r) {
        for (const auto& [column, width] : {std::pair{4, 7}, std::pair{5, 8}}) {
            // A figure that rounds to 0.00 is rewritten too: it is not zero.
            const QString figure = cellText(r, column);
            if (readAmount(figure) != Money())
                setCellText(r, column, formatAmount(readAmount(figure, storedFigureDecimals), width));
        }
    }
    showLineTotals();
}

void Tfaktura_f::SpeedButton2Click()
{
    // The number is printed as number/extension, so an extension typed as
    // "/2026" would put "1//2026" on the bill and into the settings.
    if (ui.rozszerzenie->text().startsWith(QLatin1Char('/')) &&
        !platform_.dialogs.ask(this,
                               QStringLiteral("Rozszerzenie numeru zaczyna się od „/”, a numer jest drukowany "
                                              "jako numer/rozszerzenie (np. 1//2026). Zapisać rachunek mimo to?")))
        return;
    if (!platform_.dialogs.ask(this, storeQuestion()))
        return;
    storeShownDocument();
}

bool Tfaktura_f::storeShownDocument()
{
    bool stored = false;
    guarded([&] {
        state_.storeConfirmed();
        normaliseAmounts();
        DocumentFile documents(platform_.files, paths());
        PodstawDoPliku();
        if (state_.isNew()) {
            const qint64 position = documents.append(working_);
            state_.appended(position);
            ui.SpeedButton6->setEnabled(true);
            // The document is stored whatever happens to the numbers: it is
            // shown as stored before a failure to write them is reported.
            std::optional<IoError> numbersFailed;
            try {
                storeNumbers();
            } catch (const IoError& error) {
                numbersFailed = error;
            }
            CzytajOstatniDokument();
            if (numbersFailed)
                throw *numbersFailed;
        } else {
            documents.overwrite(state_.currentRecord(), working_, loaded_);
            working_ = documents.read(state_.currentRecord());
            loaded_ = working_;
            PodstawDoFormatki();
            state_.overwritten(isCorrective(working_), hasKnownKind(working_));
            ui.Label22->setText(isCorrective(working_) ? QStringLiteral("Edycja wczytanego rachunku korygującego")
                                                       : QStringLiteral("Edycja wczytanego rachunku"));
            noteUntouched();
        }
        stored = true;
    });
    return stored;
}

// The settings file keeps the place, the signature and the number of the
// last stored document of each kind. Its other fields are taken from the
// file as it is now, so a change made in the settings window of another
// instance since this one read it is not written back over.
void Tfaktura_f::storeNumbers()
{
    const QString file = paths().settingsFile();
    try {
        settings_ = readSingleRecord<SettingsRecord>(platform_.files, file);
    } catch (const IoError&) {
        // A file that cannot be read now is replaced from the record in memory.
    }
    settings_.set(settings::Place, ui.miejscowosc->text());
    if (isCorrective(working_)) {
        settings_.set(settings::CorrectionNumber, ui.numerator->text());
        settings_.set(settings::CorrectionSuffix, ui.rozszerzenie->text());
    } else {
        settings_.set(settings::BillNumber, ui.numerator->text());
        settings_.set(settings::BillSuffix, ui.rozszerzenie->text());
    }
    settings_.set(settings::Signature, ui.podpis->text());
    RecordFile(platform_.files, file, settings::Size).replace(settings_.bytes());
    if (settings_f)
        settings_f->numberingPage()->reloadIfUntouched();
}

void Tfaktura_f::showNextNumber(const QString& last, const QString& document)
{
    const std::optional<QString> next = nextDocumentNumber(last, settings::BillNumber.maxChars);
    ui.numerator->setText(next.value_or(QString()));
    if (!next)
        platform_.dialogs.inform(this, noNextNumberNotice(document, last));
}

void Tfaktura_f::SpeedButton8Click()
{
    guarded([this] {
        DocumentFile documents(platform_.files, paths());
        if (documents.count() == 1) {
            platform_.dialogs.inform(this, QStringLiteral("Nie można usunąć ostatniego wpisu"));
            return;
        }
        if (!platform_.dialogs.ask(this, QStringLiteral("Usunąć dokument ?")))
            return;
        state_.deleteConfirmed();
        documents.remove(state_.currentRecord(), loaded_);
        try {
            CzytajOstatniDokument();
        } catch (const IoError&) {
            // The shown document is no longer stored and its old position now
            // holds the next one: deleting again or overwriting would hit that
            // one, so the shown document becomes a new one, stored by appending.
            state_.newBillBegun();
            ui.Label22->setText(QStringLiteral("Edycja nowego rachunku"));
            throw;
        }
    });
}
