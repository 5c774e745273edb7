// The 100 ms tick: which commands are offered, the cash payment term, the
// line totals, the bill total and its words.

#include "app/Tfaktura_f.h"

#include "app/widgets/bill_grid.h"
#include "editing/bill_totals.h"
#include "store/record_layouts.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

using namespace kw;

namespace {

// Setting a property to the value it has costs little, but repainting does
// not: only real changes reach the widgets.
template <class W>
void setEnabledIfChanged(W* w, bool on)
{
    if (w->isEnabled() != on)
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
    setEnabledIfChanged(ui.SpeedButton22, state_.insertTemplateEnabled());
    setVisibleIfChanged(ui.SpeedButton22, state_.templatesVisible());
    setEnabledIfChanged(ui.SpeedButton21, state_.saveTemplateEnabled());
    setVisibleIfChanged(ui.SpeedButton21, state_.templatesVisible());
    setEnabledIfChanged(ui.SpeedButton20, state_.printEnabled());
    setEnabledIfChanged(ui.SpeedButton17, state_.summaryEnabled());
    // The summary's controls may not be built yet: on a busy machine the
    // first tick can come before the first paint, which must not wait for them.
    if (ui.hasOverlays())
        setEnabledIfChanged(ui.SpeedButton19, !ui.lata->currentText().isEmpty());
    setVisibleIfChanged(ui.Label26, state_.correctionNoteVisible());
    // A new document never offers the before/after tables of the corrective
    // bill shown before it: they would replace the lines being typed.
    if (isCorrective(working_) && !state_.isNew()) {
        setVisibleIfChanged(ui.SpeedButton15, true);
        setVisibleIfChanged(ui.SpeedButton16, true);
    } else if (isBill(working_) || state_.isNew()) {
        setVisibleIfChanged(ui.SpeedButton15, false);
        setVisibleIfChanged(ui.SpeedButton16, false);
    }
    setEnabledIfChanged(ui.SpeedButton2, state_.saveEnabled());
    setEnabledIfChanged(ui.SpeedButton8, state_.deleteEnabled());
}

// The issue date shown is today's for a new bill; a stored cash bill keeps
// the term it was issued with.
void Tfaktura_f::keepCashTerm()
{
    const QString issueDate = ui.data_wystawienia->text();
    if (ui.forma_zaplaty->currentText() == QStringLiteral("Gotówka") && ui.termin_zaplaty->currentText() != issueDate)
        ui.termin_zaplaty->setEditText(issueDate);
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
