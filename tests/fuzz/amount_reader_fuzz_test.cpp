// The amount reader and the amount in words on random texts and numbers.

#include "tests/fuzz/fuzz_bytes.h"

#include "editing/amount_text.h"
#include "editing/amount_words.h"
#include "editing/bill_totals.h"
#include "editing/number_words.h"

#include <gtest/gtest.h>

namespace kw::fuzz {
namespace {

Money anyAmount(QRandomGenerator& random)
{
    switch (random.bounded(3)) {
    case 0: return Money::fromUnits(qint64(random.generate64()));
    case 1: return Money::fromUnits(qint64(random.generate64()) >> random.bounded(64));
    default: return Money::fromUnits(random.bounded(2000000000) - 1000000000);
    }
}

TEST(AmountReaderFuzz, ReadingAndFormattingAnyText)
{
    QRandomGenerator random(21);
    const int rounds = 20000;
    for (int round = 0; round < rounds; ++round) {
        const QString text = fuzzText(random, 70);
        const Money amount = readAmount(text);
        ASSERT_EQ(readAmount(text, Money::groszDecimals).units() % Money::unitsPerGrosz, 0) << text.toStdString();
        readCount(text);
        ASSERT_FALSE(formatAmount(amount, random.bounded(16)).isEmpty());
        computeBillTotals({LineCells{text, fuzzText(random, 10)}, LineCells{fuzzText(random, 10), text}, LineCells{}});
    }
    countRounds("amount reader and bill totals", rounds);
}

TEST(AmountReaderFuzz, WordsForAnyAmount)
{
    QRandomGenerator random(22);
    const int rounds = 20000;
    for (int round = 0; round < rounds; ++round) {
        const Money amount = anyAmount(random);
        amountWords(amount);
        amountWords(amount * anyAmount(random) + anyAmount(random));
        ASSERT_FALSE(formatAmount(amount, 12).isEmpty());
        numberInWords(qint32(random.generate()), zlotyWords.forCount(qint64(random.generate64())));
    }
    countRounds("amount in words", rounds);
}

} // namespace
} // namespace kw::fuzz
