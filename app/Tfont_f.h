#pragma once

#include "print/print_font.h"

#include <QWidget>

#include <functional>

class QPushButton;

namespace kw {

class Dialogs;

// The print-font window: reads and writes the font the bill is printed
// with. It is created at start-up and never shown.
class Tfont_f : public QWidget
{
    Q_OBJECT
public:
    // `currentFolder` gives the process's current directory as the module
    // sees it; the font files lie in FONT under it.
    Tfont_f(Dialogs& dialogs, FileOps& files, std::function<QString()> currentFolder, QWidget* parent = nullptr);

    // Reads FONT/<fileName>; a missing file changes nothing.
    void CzytajFonty(const QString& fileName);
    // Lets the user choose a font, prefilled from FONT/<fileName> when it
    // exists, and writes it there; a cancelled dialog writes nothing.
    void ZapiszFonty(const QString& fileName);
    void Button1Click();

    const PrintFont& printFont() const { return font_; }

    QPushButton* Button1 = nullptr;

private:
    Dialogs& dialogs_;
    PrintFont font_;
    std::function<QString()> currentFolder_;
};

} // namespace kw
