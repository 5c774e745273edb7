// Corrective bills: starting a correction and switching between the lines
// before and after it.

#include "app/Tfaktura_f.h"

using namespace kw;

void Tfaktura_f::SpeedButton9Click()
{
    runOnSession([this] { return session_.beginCorrection(); });
}

void Tfaktura_f::SpeedButton15Click()
{
    runOnSession([this] {
        session_.showLinesBeforeCorrection();
        return std::optional<QString>();
    });
}

void Tfaktura_f::SpeedButton16Click()
{
    runOnSession([this] {
        session_.showLinesAfterCorrection();
        return std::optional<QString>();
    });
}
