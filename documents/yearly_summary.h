#pragma once

#include "editing/money.h"
#include "store/file_ops.h"

#include <QString>

#include <array>
#include <optional>

namespace kw {

// The client choice that counts the bills of every buyer.
QString anyClient();

// What one computation of the yearly summary shows on its panel.
struct YearlySummary {
    std::array<Money, 12> totals{};      // months 1..12, added exactly
    std::array<QString, 12> totalLabels; // Label29..Label40, e.g. "     1234.50 PLN"
    Money basis;                         // the largest month total, 0 when none is positive
    QString basisLabel;                  // Label54, e.g. "     2000.49 PLN = 100%"
    int barMaximum = 0;                  // range of every bar: 0 .. barMaximum
    std::array<int, 12> barPositions{};  // ProgressBar1..12, within 0 .. barMaximum
    // Set only when at least one record was counted; otherwise the panel
    // keeps the titles it showed before.
    std::optional<QString> title;       // Label27
    std::optional<QString> clientLabel; // Label60, only for a chosen client
};

// The summary's title for `client` (anyClient() for every buyer).
QString summaryTitle(const QString& client);

// Adds up the documents of `documentFile` month by month. A record counts
// when `year` occurs in its issue date and, unless `client` is anyClient(),
// `client` occurs in its first buyer line (case-sensitive substring search;
// an empty text matches nothing). A bill adds its three line totals, a
// corrective bill the corrected totals minus the original ones, to the month
// of its own issue date. A record whose issue date does not give a month
// 1..12 at characters 6-7, or whose kind is neither bill nor corrective bill,
// is skipped. The file is read in chunks, so memory does not grow with it.
// Holds the DocumentLock while reading. Throws IoError when the file cannot
// be read or another instance keeps it locked; nothing is returned then.
YearlySummary computeYearlySummary(FileOps& ops, const QString& documentFile, const QString& year,
                                   const QString& client);

// The bar count for an amount: rounded to the nearest whole złoty, halves to
// the even neighbour, kept within the range of a bar.
int barCount(Money amount);

} // namespace kw
