// The window bound to the document session: the controls read into its
// form before an operation, and the form, captions and commands it leaves
// shown after one.

#include "app/Tfaktura_f.h"

#include "app/widgets/bill_grid.h"
#include "app/widgets/control_factory.h"
#include "app/widgets/dbl_click_line_edit.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
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

// A text shown again unchanged keeps the cursor and the undo history.
void setTextIfChanged(QLineEdit* edit, const QString& text)
{
    if (edit->text() != text)
        edit->setText(text);
}

void setTextIfChanged(QLabel* label, const QString& text)
{
    if (label->text() != text)
        label->setText(text);
}

const QColor red{255, 0, 0};

} // namespace

DocumentHead Tfaktura_f::headFromWindow() const
{
    DocumentHead head;
    forEachHeadEdit(ui, head, [](const QLineEdit* edit, QString& text) { text = edit->text(); });
    return head;
}

DocumentForm Tfaktura_f::formFromWindow() const
{
    DocumentForm form;
    form.head = headFromWindow();
    for (int c = 1; c <= doc::Columns; ++c)
        for (int r = 1; r <= doc::Lines; ++r)
            form.cells[c - 1][r - 1] = cellText(r, c);
    return form;
}

void Tfaktura_f::readWindowIntoSession()
{
    ui.tabela->commitOpenEditor();
    session_.setForm(formFromWindow());
}

void Tfaktura_f::showSessionDocument()
{
    const DocumentForm& form = session_.form();
    forEachHeadEdit(ui, form.head, [](QLineEdit* edit, const QString& text) { setTextIfChanged(edit, text); });
    for (int c = 1; c <= doc::Columns; ++c)
        for (int r = 1; r <= doc::Lines; ++r)
            if (cellText(r, c) != form.cells[c - 1][r - 1])
                setCellText(r, c, form.cells[c - 1][r - 1]);
    setTextIfChanged(ui.Label22, session_.modeCaption());
    setTextIfChanged(ui.Label23, session_.kindCaption());
    setTextIfChanged(ui.Label24, session_.correctedReference());
    showShownLines();
    showPaymentCaption();
    offerCommands();
}

// The grid's colour and caption say which line table it shows; the lines
// before a correction cannot be edited. A new document keeps the colour.
void Tfaktura_f::showShownLines()
{
    const ShownLines shown = session_.shownLines();
    ui.tabela->setEnabled(shown != ShownLines::BeforeCorrection);
    if (shown == ShownLines::NewDocument) {
        setTextIfChanged(ui.Label25, QStringLiteral("Tabelka dokumentu"));
        return;
    }
    const bool correctionLines = shown == ShownLines::Correction;
    const QColor colour = correctionLines ? red : navy;
    ui.tabela->setTextColour(colour);
    setTextStyle(ui.Label25, ui.Label25->font(), colour);
    setTextIfChanged(ui.Label25,
                     correctionLines ? QStringLiteral("Tabelka korekty") : QStringLiteral("Tabelka rachunku"));
}

void Tfaktura_f::showSettingsTexts()
{
    const SettingsRecord& settings = session_.settings();
    ui.Label13->setText(settings.get(settings::CopyLabel));
    ui.Label14->setText(settings.get(settings::PrintFootnote));
    copyCount_ = copyCountOf(settings);
    ui.SpeedButton20->setToolTip(QStringLiteral(" Wydruk rachunku razy ") + settings.get(settings::CopyCount));
}
