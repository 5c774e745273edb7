// The yearly summary panel.

#include "app/Tfaktura_f.h"

#include "app/widgets/bevels.h"
#include "documents/client_names.h"
#include "documents/numbering_check.h"
#include "documents/yearly_summary.h"
#include "editing/list_file_dialogs.h"

#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QRegularExpression>

using namespace kw;

void Tfaktura_f::SpeedButton17Click()
{
    ensureOverlays();
    ui.Panel1->setEnabled(false);
    ui.Label60->clear();
    ui.klienci->clear();
    ui.klienci->addItem(anyClient());
    ui.klienci->setEditText(anyClient());
    ui.Panel5->setGeometry(10, 8, 682, 625);
    ui.Panel5->show();
    ui.Panel5->raise();
    if (ui.Panel6->isVisible())
        ui.Panel6->raise();
    takeFocus(ui.lata);
}

void Tfaktura_f::SpeedButton24Click()
{
    const ListFileDialog dialog = clientListDialog();
    const QString file = platform_.dialogs.openFile(this, dialog.filter,
                                                    currentFolder_ + QLatin1Char('/') + dialog.folder, dialog.ownFile);
    if (file.isEmpty())
        return;
    guarded([&] {
        const QString typed = ui.klienci->currentText();
        ui.klienci->addItems(readClientNames(platform_.files, file));
        ui.klienci->setEditText(typed);
    });
    currentFolder_ = dataFolder_;
}

void Tfaktura_f::SpeedButton19Click()
{
    guarded([this] {
        const YearlySummary summary = computeYearlySummary(platform_.files, paths().documentFile(),
                                                           ui.lata->currentText(), ui.klienci->currentText());
        const std::array<QLabel*, 12> totals = {ui.Label29, ui.Label30, ui.Label31, ui.Label32, ui.Label33, ui.Label34,
                                                ui.Label35, ui.Label36, ui.Label37, ui.Label38, ui.Label39, ui.Label40};
        const std::array<QProgressBar*, 12> bars = {
            ui.ProgressBar1, ui.ProgressBar2, ui.ProgressBar3, ui.ProgressBar4,  ui.ProgressBar5,  ui.ProgressBar6,
            ui.ProgressBar7, ui.ProgressBar8, ui.ProgressBar9, ui.ProgressBar10, ui.ProgressBar11, ui.ProgressBar12};
        // A range of 0..0 makes a busy bar; an empty year shows empty bars instead.
        const int maximum = std::max(summary.barMaximum, 1);
        for (int m = 0; m < 12; ++m) {
            totals[m]->setText(summary.totalLabels[m]);
            bars[m]->setRange(0, maximum);
            bars[m]->setValue(summary.barPositions[m]);
        }
        ui.Label54->setText(summary.basisLabel);
        if (summary.title)
            ui.Label27->setText(*summary.title);
        if (summary.clientLabel)
            ui.Label60->setText(*summary.clientLabel);
    });
}

void Tfaktura_f::sprawdz_numeracjeClick()
{
    static const QRegularExpression fourDigits(QStringLiteral(R"(^\d{4}$)"));
    const QString year = ui.lata->currentText().trimmed();
    if (!fourDigits.match(year).hasMatch()) {
        platform_.dialogs.inform(this,
                                 QStringLiteral("Numerację sprawdza się dla roku: wybierz go albo wpisz "
                                                "czterema cyframi, np. 2026."));
        return;
    }
    guarded([&] {
        const QStringList findings = numberingFindings(platform_.files, paths().documentFile(), year);
        platform_.dialogs.inform(this, numberingNotice(findings, year));
    });
}

void Tfaktura_f::SpeedButton18Click()
{
    ui.Panel5->hide();
    ui.Panel1->setEnabled(true);
    giveFocusBack();
}
