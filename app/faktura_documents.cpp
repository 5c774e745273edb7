// The life of the document on screen: a new bill, storing it, deleting it.
// Each command asks the document session's questions and runs its operation.

#include "app/Tfaktura_f.h"

#include "app/settings/fields_page.h"
#include "app/widgets/bill_grid.h"

#include <QLineEdit>
#include <QScopeGuard>

using namespace kw;

void Tfaktura_f::SpeedButton6Click()
{
    ensureOverlays();
    ui.szukaj->clear();
    runOnSession([this] {
        // The settings read so far are shown even when reading them failed.
        const auto settingsShown = qScopeGuard([this] { showSettingsTexts(); });
        return session_.beginNewBill();
    });
}

void Tfaktura_f::SpeedButton2Click()
{
    readWindowIntoSession();
    if (const std::optional<QString> question = session_.suffixQuestion();
        question && !platform_.dialogs.ask(this, *question))
        return;
    bool numberFree = false;
    guarded([&] {
        const std::optional<QString> question = session_.takenNumberQuestion();
        numberFree = !question || platform_.dialogs.ask(this, *question);
    });
    if (!numberFree)
        return;
    if (!platform_.dialogs.ask(this, session_.storeQuestion()))
        return;
    storeShownDocument();
}

bool Tfaktura_f::storeShownDocument()
{
    bool stored = false;
    runOnSession([&] {
        // The settings window's numbering page shows the numbers storing a
        // new document has written, unless the user is editing it.
        const bool numbered = session_.state().isNew();
        const auto pageReloaded = qScopeGuard([&] {
            if (numbered && settings_f)
                settings_f->numberingPage()->reloadIfUntouched();
        });
        session_.store();
        stored = true;
        return std::optional<QString>();
    });
    return stored;
}

void Tfaktura_f::SpeedButton8Click()
{
    readWindowIntoSession();
    bool asked = false;
    guarded([&] {
        if (const std::optional<QString> refusal = session_.deleteRefusal())
            platform_.dialogs.inform(this, *refusal);
        else
            asked = platform_.dialogs.ask(this, DocumentSession::deleteQuestion());
    });
    if (!asked)
        return;
    runOnSession([this] {
        session_.remove();
        return std::optional<QString>();
    });
}
