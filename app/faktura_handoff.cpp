// Handing the bill's gross amount to the sales register.

#include "app/Tfaktura_f.h"

#include "app/widgets/bevels.h"
#include "handoff/sales_register_folder.h"
#include "handoff/sales_register_hand_off.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

using namespace kw;

void Tfaktura_f::SpeedButton25Click()
{
    ensureOverlays();
    ui.ro1->setChecked(true);
    ui.Panel6->setGeometry(201, 123, 526, 279);
    ui.Panel6->show();
    ui.Panel6->raise();
    guarded([this] {
        ui.folder->setText(readSalesRegisterFolder(platform_.files, paths()));
        ui.kwota_brutto->setText(billTotalText_);
        ui.Label92->setText(handOffNumberLabel(ui.numerator->text(), ui.rozszerzenie->text()));
    });
}

void Tfaktura_f::SpeedButton27Click()
{
    const QString picked = platform_.dialogs.openFile(this, QString(), QString(), QStringLiteral("ewidencja.exe"));
    if (picked.isEmpty())
        return;
    if (const std::optional<QString> folder = folderOfPickedFile(picked))
        ui.folder->setText(*folder);
}

void Tfaktura_f::SpeedButton30Click()
{
    guarded([this] {
        const HandOffValues values{ui.data_wystawienia->text(), ui.kwota_brutto->text(), ui.numerator->text(),
                                   ui.rozszerzenie->text(),
                                   ui.ro2->isChecked() ? BuyerKind::Individual : BuyerKind::Company};
        const HandOffResult result =
            handOffToSalesRegister(platform_.files, paths(), ui.folder->text(), values, platform_.processes);
        if (result.outcome == HandOffResult::Started)
            ui.Panel6->hide();
        else
            platform_.dialogs.inform(this, result.notice);
    });
    currentFolder_ = dataFolder_;
}

void Tfaktura_f::SpeedButton29Click() { ui.Panel6->hide(); }
