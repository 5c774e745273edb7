// Unsaved changes of the document on screen, offered for storing before the
// module closes.

#include "app/Tfaktura_f.h"

using namespace kw;

bool Tfaktura_f::hasUnsavedChanges()
{
    if (!started_)
        return false;
    // What the tick is about to write into the window is no change of the user's.
    keepCashTerm();
    showLineTotals();
    session_.setForm(formFromWindow());
    return session_.hasUnsavedChanges();
}

bool Tfaktura_f::unsavedChangesSettled()
{
    if (!hasUnsavedChanges())
        return true;
    switch (platform_.dialogs.askYesNoCancel(this, QStringLiteral("Zapisać zmiany w rachunku?"))) {
    case Dialogs::Answer::Yes:
        // The corrected lines are the ones stored, not the lines before the
        // correction that the grid may be showing.
        if (session_.shownLines() == ShownLines::BeforeCorrection)
            SpeedButton16Click();
        return storeShownDocument();
    case Dialogs::Answer::No: return true;
    case Dialogs::Answer::Cancel: return false;
    }
    return false;
}
