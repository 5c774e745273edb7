// Fuzzed text read as an amount and as a count, and shown again.

#include "editing/amount_text.h"
#include "fuzz/fuzz_checks.h"
#include "fuzz/fuzz_input.h"

#include <cstdint>

using namespace kw;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::FuzzInput input(data, size);
    const int width = input.byte() % 24;
    const QString text = QString::fromUtf8(input.rest());
    const Money amount = readAmount(text);
    const QString shown = formatAmount(amount, width);
    if (shown.size() < width)
        fuzz::fail("amount shorter than its width", shown);
    // What is shown reads back as the same amount in grosze.
    if (readAmount(shown).grosze() != amount.grosze())
        fuzz::fail("shown amount reads back differently", text + QStringLiteral(" -> ") + shown);
    if (readAmount(text, Money::groszDecimals).units() % Money::unitsPerGrosz != 0)
        fuzz::fail("amount read to grosze has a fraction of a grosz", text);
    if (readCount(text) < 0)
        fuzz::fail("negative count", text);
    return 0;
}
