#pragma once

#include "app/settings/settings_page.h"
#include "print/print_font.h"
#include "store/edited_file.h"

class QLabel;
class QPushButton;

namespace kw {

class Dialogs;

// The settings window's page for the print font: the face, size and style
// chosen in the font dialog and the colour in the colour dialog, a sample
// line in that lettering, a warning when the line table's text would not fit
// its columns, and "Zapisz", which writes the print-font file the printout
// reads before every print.
class PrintFontPage : public SettingsPage
{
    Q_OBJECT
public:
    // `fontFile` is FONT/font_trelmo_2007.dat where the printout looks for
    // it; a missing file shows the printout's default. Throws IoError when
    // the file is there but cannot be read or is shorter than its record.
    PrintFontPage(Dialogs& dialogs, FileOps& files, const QString& fontFile, QWidget* parent = nullptr);

    const FontChoice& choice() const { return choice_; }
    QLabel* sample() const { return sample_; }
    // Shown only while the chosen font overflows the line table's columns.
    QLabel* tableWarning() const { return tableWarning_; }

    void chooseFont();
    void chooseColour();
    // Writes the chosen font; false, with the reason shown, when not.
    bool saveFont();

    bool isModified() const override;
    bool saveChanges() override { return saveFont(); }
    void discardChanges() override;

signals:
    void saved();

private:
    void showChoice();

    Dialogs& dialogs_;
    EditedFile file_;
    FontChoice choice_;
    // The choice the file holds.
    FontChoice storedChoice_;
    QLabel* description_ = nullptr;
    QLabel* sample_ = nullptr;
    QLabel* tableWarning_ = nullptr;
};

} // namespace kw
