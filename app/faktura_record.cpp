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

DocumentHead Tfaktura_f::headFromWindow() const
{
    DocumentHead head;
    head.place = ui.miejscowosc->text();
    head.issueDate = ui.data_wystawienia->text();
    head.number = ui.numerator->text();
    head.numberSuffix = ui.rozszerzenie->text();
    head.buyerLines = {ui.odbiorca1->text(), ui.odbiorca2->text(), ui.odbiorca3->text(), ui.odbiorca4->text()};
    head.buyerTaxId = ui.nip_odbiorcy->text();
    head.paymentMethod = ui.forma_zaplaty->currentText();
    head.paymentTerm = ui.termin_zaplaty->currentText();
    head.serviceDate = ui.data_uslugi->text();
    head.signature = ui.podpis->text();
    return head;
}

void Tfaktura_f::showHead(const DocumentHead& head)
{
    ui.miejscowosc->setText(head.place);
    ui.data_wystawienia->setText(head.issueDate);
    ui.numerator->setText(head.number);
    ui.rozszerzenie->setText(head.numberSuffix);
    ui.odbiorca1->setText(head.buyerLines[0]);
    ui.odbiorca2->setText(head.buyerLines[1]);
    ui.odbiorca3->setText(head.buyerLines[2]);
    ui.odbiorca4->setText(head.buyerLines[3]);
    ui.nip_odbiorcy->setText(head.buyerTaxId);
    ui.forma_zaplaty->setEditText(head.paymentMethod);
    ui.termin_zaplaty->setEditText(head.paymentTerm);
    ui.data_uslugi->setText(head.serviceDate);
    ui.podpis->setText(head.signature);
}

void Tfaktura_f::PodstawDoPliku()
{
    writeHead(working_, headFromWindow());
    working_.set(doc::CorrectedRef, ui.Label24->text());
    working_.set(doc::DocKind, state_.inCorrection() ? QStringLiteral("K") : QStringLiteral("F"));
    copyGridToTable(state_.inCorrection() ? LineTable::Correction : LineTable::Bill);
}

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
}
