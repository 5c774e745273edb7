#include "app/platform/qt_dialogs.h"

#include <QAbstractItemView>
#include <QColorDialog>
#include <QCompleter>
#include <QDir>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

namespace kw {

namespace {

// "Lista klientów|*.kli" becomes Qt's "Lista klientów (*.kli)".
QString qtFilter(const QString& filter)
{
    const int bar = filter.indexOf(QLatin1Char('|'));
    if (bar < 0)
        return filter;
    return QStringLiteral("%1 (%2)").arg(filter.left(bar), filter.mid(bar + 1));
}

// The extension of a filter's only pattern, "sza" for "Szablon dokumentów|*.sza".
QString defaultSuffix(const QString& filter)
{
    const QString pattern = filter.mid(filter.indexOf(QLatin1Char('|')) + 1);
    if (!pattern.startsWith(QLatin1String("*.")) || pattern.contains(QLatin1Char(';')) ||
        pattern.contains(QLatin1Char(' ')))
        return QString();
    return pattern.mid(2);
}

// A file dialog that closes the popup of its name completion as it closes.
// The popup holds the keyboard while it is shown; left to itself it goes only
// when the dialog is deleted, a moment after the dialog has left the screen,
// and keys typed in that moment went to the popup and were lost.
class FileDialog : public QFileDialog
{
public:
    using QFileDialog::QFileDialog;

    void done(int result) override
    {
        for (QCompleter* completer : findChildren<QCompleter*>())
            completer->popup()->hide();
        QFileDialog::done(result);
    }

    QString chosen()
    {
        if (exec() != QDialog::Accepted || selectedFiles().isEmpty())
            return QString();
        return selectedFiles().constFirst();
    }
};

} // namespace

bool QtDialogs::ask(QWidget* parent, const QString& question)
{
    return QMessageBox::question(parent, QStringLiteral("Pytanie"), question, QMessageBox::Yes | QMessageBox::No) !=
        QMessageBox::No;
}

Answer QtDialogs::askYesNoCancel(QWidget* parent, const QString& question)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Pytanie"), question, QMessageBox::NoButton, parent);
    QPushButton* yes = box.addButton(QStringLiteral("Tak"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("Nie"), QMessageBox::NoRole);
    QPushButton* cancel = box.addButton(QStringLiteral("Anuluj"), QMessageBox::RejectRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == yes)
        return Answer::Yes;
    return box.clickedButton() == no ? Answer::No : Answer::Cancel;
}

void QtDialogs::inform(QWidget* parent, const QString& text)
{
    QMessageBox::information(parent, QStringLiteral("Informacja"), text, QMessageBox::Ok);
}

void QtDialogs::showError(QWidget* parent, const QString& text)
{
    QMessageBox::critical(parent, QStringLiteral("Błąd"), text, QMessageBox::Ok);
}

QString QtDialogs::openFile(QWidget* parent, const QString& filter, const QString& folder, const QString& presetName)
{
    const QString start = presetName.isEmpty() ? folder : QDir(folder).filePath(presetName);
    FileDialog dialog(parent, QString(), start, qtFilter(filter));
    dialog.setFileMode(QFileDialog::ExistingFile);
    return dialog.chosen();
}

// A name typed without the extension gets it, so the file is found again
// by the open dialogs that list only that extension.
QString QtDialogs::saveFile(QWidget* parent, const QString& filter, const QString& folder)
{
    FileDialog dialog(parent, QString(), folder, qtFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix(filter));
    return dialog.chosen();
}

bool QtDialogs::choosePrinter(QWidget* parent, QPrinter& printer)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

bool QtDialogs::chooseFont(QWidget* parent, QFont& font)
{
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, font, parent);
    if (ok)
        font = chosen;
    return ok;
}

bool QtDialogs::chooseColour(QWidget* parent, QColor& colour)
{
    const QColor chosen = QColorDialog::getColor(colour, parent, QStringLiteral("Kolor czcionki wydruku"));
    if (chosen.isValid())
        colour = chosen;
    return chosen.isValid();
}

QString QtDialogs::chooseFolder(QWidget* parent, const QString& folder)
{
    FileDialog dialog(parent, QString(), folder);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    return dialog.chosen();
}

} // namespace kw
