// Corrective bills: starting a correction and switching between the lines
// before and after it.

#include "app/Tfaktura_f.h"

#include "app/widgets/bill_grid.h"
#include "app/widgets/control_factory.h"

#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

using namespace kw;

namespace {
const QColor red{255, 0, 0};
}

void Tfaktura_f::showTableStyle(bool correctionLines)
{
    const QColor colour = correctionLines ? red : navy;
    ui.tabela->setTextColour(colour);
    setTextStyle(ui.Label25, ui.Label25->font(), colour);
    ui.Label25->setText(correctionLines ? QStringLiteral("Tabelka korekty") : QStringLiteral("Tabelka rachunku"));
}

void Tfaktura_f::copyTableToGrid(LineTable table)
{
    for (int c = 1; c <= doc::Columns; ++c)
        for (int r = 1; r <= doc::Lines; ++r)
            setCellText(r, c, working_.get(lineCell(table, c, r)));
}

void Tfaktura_f::copyGridToTable(LineTable table) { writeGridInto(working_, table); }

void Tfaktura_f::writeGridInto(DocumentRecord& record, LineTable table) const
{
    for (int c = 1; c <= doc::Columns; ++c)
        for (int r = 1; r <= doc::Lines; ++r)
            record.set(lineCell(table, c, r), cellText(r, c));
}

void Tfaktura_f::SpeedButton9Click()
{
    ui.Label22->setText(QStringLiteral("Edycja korygowanego rachunku"));
    ui.Label23->setText(QStringLiteral("korygowany"));
    state_.correctionBegun();
    ui.SpeedButton9->setEnabled(false);
    ui.Label24->setText(working_.get(doc::DocNumber) + QLatin1Char('/') + working_.get(doc::NumberSuffix));
    ui.tabela->setEnabled(true);
    showTableStyle(true);
    gridShowsLinesBefore_ = false;
    guarded([this] {
        readSettingsRecord();
        ui.rozszerzenie->setText(settings_.get(settings::CorrectionSuffix));
        showNextNumber(settings_.get(settings::CorrectionNumber), QStringLiteral("rachunku korygującego"));
    });
    noteUntouched();
}

void Tfaktura_f::SpeedButton15Click()
{
    showTableStyle(false);
    ui.tabela->setEnabled(false);
    state_.linesBeforeCorrectionShown();
    if (!gridShowsLinesBefore_)
        copyGridToTable(LineTable::Correction);
    copyTableToGrid(LineTable::Bill);
    gridShowsLinesBefore_ = true;
}

void Tfaktura_f::SpeedButton16Click()
{
    showTableStyle(true);
    ui.tabela->setEnabled(true);
    state_.linesAfterCorrectionShown();
    copyTableToGrid(LineTable::Correction);
    gridShowsLinesBefore_ = false;
}
