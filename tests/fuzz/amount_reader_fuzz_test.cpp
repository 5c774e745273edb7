// The amount reader and the amount in words on random texts and numbers.

#include "tests/fuzz/fuzz_bytes.h"

#include "editing/amount_text.h"
#include "editing/amount_words.h"
#include "editing/bill_totals.h"
#include "editing/number_words.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

namespace kw::fuzz {
namespace {

double anyDouble(QRandomGenerator& random)
{
    switch (random.bounded(4)) {
    case 0: {
        const quint64 bits = random.generate64();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    case 1: return (random.generateDouble() - 0.5) * std::pow(10.0, random.bounded(16));
    case 2: return random.bounded(2000000) / 100.0 - 10000.0;
    default: return std::ldexp(random.generateDouble(), random.bounded(-40, 80));
    }
}

TEST(AmountReaderFuzz, ReadingAndFormattingAnyText)
{
    QRandomGenerator random(21);
    const int rounds = 20000;
    for (int round = 0; round < rounds; ++round) {
        const QString text = fuzzText(random, 70);
        const double amount = readAmount(text);
        ASSERT_TRUE(std::isfinite(amount)) << text.toStdString();
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
        const double amount = anyDouble(random);
        amountWords(amount);
        roundToGrosze(amount);
        ASSERT_FALSE(formatAmount(amount, 12).isEmpty());
        numberInWords(qint32(random.generate()), zlotyWords.forCount(qint64(random.generate64())));
    }
    countRounds("amount in words", rounds);
}

} // namespace
} // namespace kw::fuzz
