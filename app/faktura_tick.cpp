// The 100 ms tick: which commands are offered, the cash payment term, the
// line totals, the bill total and its words.

#include "app/Tfaktura_f.h"

#include "app/widgets/bill_grid.h"
#include "editing/bill_totals.h"
#include "session/form_rules.h"
#include "store/record_layouts.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

using namespace kw;

namespace {

// Setting a property to the value it has costs little, but repainting does
// not: only real changes reach the widgets. A button's own state is
// compared, not isEnabled(): while an open list disables the command
// column, every button in it reads as disabled.
template <class W>
void setEnabledIfChanged(W* w, bool on)
{
    if (w->testAttribute(Qt::WA_ForceDisabled) == on)
        w->setEnabled(on);
}

void setVisibleIfChanged(QWidget* w, bool on)
{
    if (w->isVisibleTo(w->parentWidget()) != on)
        w->setVisible(on);
}

void setTextIfChanged(QLabel* label, const QString& text)
{
    if (label->text() != text)
        label->setText(text);
}

} // namespace

void Tfaktura_f::Timer2Timer()
{
    if (!started_)
        return;
    offerCommands();
    keepCashTerm();
    const BillTotals totals = showLineTotals();
    billTotalText_ = totals.totalText;
    setTextIfChanged(ui.Label17, totals.totalLabel);
    setTextIfChanged(ui.Label19, totals.zlotyWords);
    setTextIfChanged(ui.Label58, totals.groszWords);
}

void Tfaktura_f::offerCommands()
{
    if (!started_)
        return;
    const DocumentState& state = session_.state();
    setEnabledIfChanged(ui.SpeedButton6, state.newBillEnabled());
    setEnabledIfChanged(ui.SpeedButton9, state.correctionEnabled());
    setEnabledIfChanged(ui.SpeedButton22, state.insertTemplateEnabled());
    setVisibleIfChanged(ui.SpeedButton22, state.templatesVisible());
    setEnabledIfChanged(ui.SpeedButton21, state.saveTemplateEnabled());
    setVisibleIfChanged(ui.SpeedButton21, state.templatesVisible());
    setEnabledIfChanged(ui.SpeedButton20, state.printEnabled());
    setEnabledIfChanged(ui.SpeedButton17, state.summaryEnabled());
    // The summary's controls may not be built yet: on a busy machine the
    // first tick can come before the first paint, which must not wait for them.
    if (ui.hasOverlays()) {
        setEnabledIfChanged(ui.SpeedButton19, !ui.lata->currentText().isEmpty());
        setEnabledIfChanged(ui.sprawdz_numeracje, !ui.lata->currentText().isEmpty());
    }
    setVisibleIfChanged(ui.Label26, state.correctionNoteVisible());
    // A new document never offers the before/after tables of the corrective
    // bill shown before it: they would replace the lines being typed.
    const DocumentRecord& working = session_.working();
    if (isCorrective(working) && !state.isNew()) {
        setVisibleIfChanged(ui.SpeedButton15, true);
        setVisibleIfChanged(ui.SpeedButton16, true);
    } else if (isBill(working) || state.isNew()) {
        setVisibleIfChanged(ui.SpeedButton15, false);
        setVisibleIfChanged(ui.SpeedButton16, false);
    }
    setEnabledIfChanged(ui.SpeedButton2, state.saveEnabled());
    setEnabledIfChanged(ui.SpeedButton8, state.deleteEnabled());
}

// The issue date shown is today's for a new bill; a stored cash bill keeps
// the term it was issued with.
void Tfaktura_f::keepCashTerm()
{
    const std::optional<QString> term =
        requiredPaymentTerm(ui.forma_zaplaty->currentText(), ui.data_wystawienia->text());
    if (term && ui.termin_zaplaty->currentText() != *term)
        ui.termin_zaplaty->setEditText(*term);
}

// A line total being typed over is left to the user until the cell is left.
BillTotals Tfaktura_f::showLineTotals()
{
    std::array<LineCells, doc::Lines> cells;
    for (int r = 1; r <= doc::Lines; ++r)
        cells[r - 1] = {cellText(r, 4), cellText(r, 5)};
    const BillTotals totals = computeBillTotals(cells);
    for (int r = 1; r <= doc::Lines; ++r) {
        const LineTotal& line = totals.lines[r - 1];
        if (line.writeTotal && !ui.tabela->isEditing(r, 6) && cellText(r, 6) != line.totalText)
            setCellText(r, 6, line.totalText);
    }
    return totals;
}
