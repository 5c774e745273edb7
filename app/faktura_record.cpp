// The window and the working record: copying one into the other, and
// loading the last stored document.

#include "app/Tfaktura_f.h"

#include "app/widgets/bill_grid.h"
#include "app/widgets/control_factory.h"
#include "app/widgets/dbl_click_line_edit.h"
#include "store/document_file.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidgetItem>
#include <QToolButton>

using namespace kw;

QString Tfaktura_f::cellText(int row, int column) const { return ui.tabela->shownText(row, column); }

void Tfaktura_f::setCellText(int row, int column, const QString& text) { ui.tabela->setCellText(row, column, text); }

namespace {

// Calls apply(edit, text) for each head control with the head text it shows;
// the combo boxes are editable, so their line edits hold the text.
template <class Head, class Apply>
void forEachHeadEdit(const FakturaUi& ui, Head& head, Apply&& apply)
{
    apply(ui.miejscowosc, head.place);
    apply(ui.data_wystawienia, head.issueDate);
    apply(ui.numerator, head.number);
    apply(ui.rozszerzenie, head.numberSuffix);
    apply(ui.odbiorca1, head.buyerLines[0]);
    apply(ui.odbiorca2, head.buyerLines[1]);
    apply(ui.odbiorca3, head.buyerLines[2]);
    apply(ui.odbiorca4, head.buyerLines[3]);
    apply(ui.nip_odbiorcy, head.buyerTaxId);
    apply(ui.forma_zaplaty->lineEdit(), head.paymentMethod);
    apply(ui.data_uslugi, head.serviceDate);
    apply(ui.termin_zaplaty->lineEdit(), head.paymentTerm);
    apply(ui.podpis, head.signature);
}

} // namespace

DocumentHead Tfaktura_f::headFromWindow() const
{
    DocumentHead head;
    forEachHeadEdit(ui, head, [](const QLineEdit* edit, QString& text) { text = edit->text(); });
    return head;
}

void Tfaktura_f::showHead(const DocumentHead& head)
{
    forEachHeadEdit(ui, head, [](QLineEdit* edit, const QString& text) { edit->setText(text); });
}

DocumentRecord Tfaktura_f::recordFromWindow() const
{
    DocumentRecord record = working_;
    writeHead(record, headFromWindow());
    record.set(doc::CorrectedRef, ui.Label24->text());
    record.set(doc::DocKind, state_.inCorrection() ? QStringLiteral("K") : QStringLiteral("F"));
    // While the grid shows the lines before a correction, the corrected
    // lines wait in the working record.
    if (!gridShowsLinesBefore_)
        writeGridInto(record, state_.inCorrection() ? LineTable::Correction : LineTable::Bill);
    return record;
}

void Tfaktura_f::PodstawDoPliku() { working_ = recordFromWindow(); }

void Tfaktura_f::PodstawDoFormatki()
{
    showHead(readHead(working_));
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
    noteUntouched();
}
