// Unsaved changes of the document on screen, offered for storing before the
// module closes.

#include "app/Tfaktura_f.h"

using namespace kw;

void Tfaktura_f::noteUntouched()
{
    // What the tick is about to write into the window is no change of the user's.
    keepCashTerm();
    showLineTotals();
    untouched_ = recordFromWindow();
}

// A new document counts as changed once anything was typed into it, a
// stored one once storing it would write something else than it holds.
bool Tfaktura_f::hasUnsavedChanges()
{
    if (!started_)
        return false;
    keepCashTerm();
    showLineTotals();
    return recordFromWindow() != untouched_;
}

bool Tfaktura_f::unsavedChangesSettled()
{
    if (!hasUnsavedChanges())
        return true;
    switch (platform_.dialogs.askYesNoCancel(this, QStringLiteral("Zapisać zmiany w rachunku?"))) {
    case Dialogs::Answer::Yes:
        // The corrected lines are the ones stored, not the lines before the
        // correction that the grid may be showing.
        if (gridShowsLinesBefore_)
            SpeedButton16Click();
        return storeShownDocument();
    case Dialogs::Answer::No: return true;
    case Dialogs::Answer::Cancel: return false;
    }
    return false;
}
