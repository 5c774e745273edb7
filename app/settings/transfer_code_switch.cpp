#include "app/settings/transfer_code_switch.h"

#include "app/platform/platform.h"
#include "store/io_error.h"
#include "store/module_options.h"

using namespace kw;

TransferCodeSwitch::TransferCodeSwitch(Dialogs& dialogs, FileOps& files, const QString& optionsFile, QWidget* parent)
    : QCheckBox(QStringLiteral("Drukuj kod QR &przelewu na rachunkach"), parent), dialogs_(dialogs), files_(files),
      optionsFile_(optionsFile)
{
    setObjectName(QStringLiteral("kodQr"));
    setToolTip(QStringLiteral("Kod do zeskanowania aplikacją banku, drukowany w lewym dolnym rogu rachunku "
                              "płatnego przelewem, gdy numer konta sprzedawcy jest prawidłowym numerem NRB, "
                              "a kwota wynosi od 0,01 do 9 999,99 zł."));
    setChecked(readModuleOptions(files_, optionsFile_).transferCode);
    // Only the user's click stores: showing the stored state again after a
    // failure must not store anything.
    connect(this, &QCheckBox::clicked, this, &TransferCodeSwitch::store);
}

void TransferCodeSwitch::store(bool on)
{
    try {
        ModuleOptions options = readModuleOptions(files_, optionsFile_);
        options.transferCode = on;
        writeModuleOptions(files_, optionsFile_, options);
    } catch (const IoError& error) {
        dialogs_.showError(this, error.message());
        setChecked(!on);
        return;
    }
    emit stored(on ? QStringLiteral("Kod QR przelewu będzie drukowany na rachunkach.")
                   : QStringLiteral("Kod QR przelewu nie będzie drukowany."));
}
