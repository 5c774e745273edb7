#pragma once

#include <QCheckBox>
#include <QString>

namespace kw {

class Dialogs;
class FileOps;

// "Drukuj kod QR przelewu": whether printed bills carry the payment QR code,
// the module's option in Admini/kwitarnia.ini. A click stores it at once,
// for every page of the settings window alike; a store that fails is
// reported and the box shows the stored state again.
class TransferCodeSwitch : public QCheckBox
{
    Q_OBJECT
public:
    // Shows the option `optionsFile` holds. Throws IoError when the file is
    // there but cannot be read.
    TransferCodeSwitch(Dialogs& dialogs, FileOps& files, const QString& optionsFile, QWidget* parent = nullptr);

signals:
    // The option was stored; `what` says how, in a short Polish sentence.
    void stored(const QString& what);

private:
    void store(bool on);

    Dialogs& dialogs_;
    FileOps& files_;
    QString optionsFile_;
};

} // namespace kw
