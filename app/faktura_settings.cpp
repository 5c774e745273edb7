// The settings window opened from the main window, and what the main window
// takes from it at once.

#include "app/Tfaktura_f.h"

#include "app/Tfont_f.h"
#include "app/settings/settings_window.h"

#include <QAction>
#include <QLabel>
#include <QToolButton>

using namespace kw;

void Tfaktura_f::connectSettingsCommand()
{
    auto* action = new QAction(QStringLiteral("Ustawienia…"), this);
    action->setObjectName(QStringLiteral("ustawienia"));
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Comma));
    action->setShortcutContext(Qt::WindowShortcut);
    addAction(action);
    // Controls with a menu of their own (the edits) keep it; the rest of the
    // window offers this command.
    setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(action, &QAction::triggered, this, &Tfaktura_f::openSettings);
}

void Tfaktura_f::openSettings()
{
    // A start that could not read the data files offers no settings to write over them.
    if (!started_)
        return;
    if (!settings_f) {
        guarded([this] {
            settings_f = new SettingsWindow(platform_.dialogs, platform_.files, paths(), currentFolder_, this);
            settings_f->setAttribute(Qt::WA_DeleteOnClose);
            connect(settings_f, &SettingsWindow::sellerSaved, this, [this](const CompanyRecord& seller) {
                company_ = seller;
                showSeller();
            });
            connect(settings_f, &SettingsWindow::settingsSaved, this, &Tfaktura_f::takeSavedSettings);
            connect(settings_f, &SettingsWindow::printFontSaved, this,
                    [this] { guarded([this] { font_f->CzytajFonty(printFontFileName); }); });
        });
        if (!settings_f)
            return;
    }
    settings_f->show();
    settings_f->raise();
    settings_f->activateWindow();
}

// The copy label, footnote and copy count belong to the settings, not to
// the document on screen, so they change at once; the place, number and
// signature are proposed with the next new document.
void Tfaktura_f::takeSavedSettings(const SettingsRecord& settings)
{
    session_.takeSettings(settings);
    showSettingsTexts();
}
