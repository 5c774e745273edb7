// Fuzzed amounts said in words, as the printout and the command line say them.

#include "editing/amount_words.h"
#include "editing/number_words.h"
#include "fuzz/fuzz_input.h"
#include "print/printed_amounts.h"

#include <cstdint>
#include <cstring>

using namespace kw;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::FuzzInput input(data, size);
    const QByteArray bits = input.bytes(8).leftJustified(8, '\0');
    qint64 units = 0;
    std::memcpy(&units, bits.constData(), sizeof units);
    const Money amount = Money::fromUnits(units);
    amountWords(amount);
    printedWordsLine(amount);
    printedWordsLine(amount * amount - amount);
    qint32 number = 0;
    std::memcpy(&number, bits.constData(), sizeof number);
    numberInWords(number, input.text(20));
    pluralForm(qint64(number) * number);
    return 0;
}
