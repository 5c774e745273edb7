// The window and the working record: copying one into the other, and
// loading the last stored document.

#include "app/Tfaktura_f.h"

#include "app/widgets/bill_grid.h"
#include "app/widgets/dbl_click_line_edit.h"
#include "store/document_file.h"
#include "app/widgets/control_factory.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidgetItem>
#include <QToolButton>

using namespace kw;


QString Tfaktura_f::cellText(int row, int column) const { return ui.tabela->shownText(row, column); }

void Tfaktura_f::setCellText(int row, int column, const QString& text) { ui.tabela->setCellText(row, column, text); }

namespace {

template <class F>
void forEachTextField(FakturaUi& ui, F&& apply)
{
    apply(doc::Place, ui.miejscowosc);
    apply(doc::IssueDate, ui.data_wystawienia);
    apply(doc::DocNumber, ui.numerator);
    apply(doc::NumberSuffix, ui.rozszerzenie);
    apply(doc::BuyerLine1, static_cast<QLineEdit*>(ui.odbiorca1));
    apply(doc::BuyerLine2, static_cast<QLineEdit*>(ui.odbiorca2));
    apply(doc::BuyerLine3, static_cast<QLineEdit*>(ui.odbiorca3));
    apply(doc::BuyerLine4, static_cast<QLineEdit*>(ui.odbiorca4));
    apply(doc::BuyerTaxId, ui.nip_odbiorcy);
    apply(doc::PaymentMethod, ui.forma_zaplaty->lineEdit());
    apply(doc::ServiceDate, ui.data_uslugi);
    apply(doc::PaymentTerm, ui.termin_zaplaty->lineEdit());
    apply(doc::Signature, ui.podpis);
}

} // namespace

void Tfaktura_f::PodstawDoPliku()
{
    forEachTextField(ui, [this](StringField field, QLineEdit* edit) { working_.set(field, edit->text()); });
    working_.set(doc::CorrectedRef, ui.Label24->text());
    working_.set(doc::DocKind, state_.inCorrection() ? QStringLiteral("K") : QStringLiteral("F"));
    copyGridToTable(state_.inCorrection() ? LineTable::Correction : LineTable::Bill);
}

void Tfaktura_f::PodstawDoFormatki()
{
    forEachTextField(ui, [this](StringField field, QLineEdit* edit) { edit->setText(working_.get(field)); });
    const QString kind = working_.get(doc::DocKind);
    if (kind != QLatin1String("F") && kind != QLatin1String("K"))
        return;
    const bool corrective = kind == QLatin1String("K");
    state_.setCorrectionMode(corrective);
    ui.Label24->setText(corrective ? working_.get(doc::CorrectedRef) : QString());
    copyTableToGrid(corrective ? LineTable::Correction : LineTable::Bill);
    // The lines before a correction are no longer shown, so storing is
    // possible again.
    if (gridShowsLinesBefore_)
        state_.linesAfterCorrectionShown();
    gridShowsLinesBefore_ = false;
    showTableStyle(corrective);
    ui.tabela->setEnabled(true);
}

// After a document was read into the working record and shown: the commands
// and captions that follow from its kind.
void Tfaktura_f::showLoadedKind()
{
    const bool corrective = isCorrective(working_);
    ui.Label23->setText(corrective ? QStringLiteral("korygujący") : QString());
    if (!hasKnownKind(working_))
        return;
    ui.SpeedButton9->setEnabled(!corrective);
    ui.Label22->setText(corrective ? QStringLiteral("Edycja wczytanego rachunku korygującego")
                                   : QStringLiteral("Edycja wczytanego rachunku"));
}

void Tfaktura_f::CzytajOstatniDokument()
{
    DocumentFile documents(platform_.files, paths());
    const qint64 last = documents.count();
    working_ = documents.read(last);
    loaded_ = working_;
    state_.lastLoaded(last, isCorrective(working_), hasKnownKind(working_));
    PodstawDoFormatki();
    showLoadedKind();
}
